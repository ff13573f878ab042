// The coach follows the real table: a face-down hand counts once revealed by clicks, each hand of a
// many-hand deal counts as it is settled, and every hand is weighed on the cards left before it.
#include "CoachWindow.h"

#include "../engine/ShoeTestSupport.h"
#include "Bankroll.h"
#include "FastPause.h"
#include "MaskedEdit.h"
#include "Options.h"
#include "RecordingPresenter.h"
#include "Shoe.h"
#include "TableWindow.h"
#include "TempSettings.h"

#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QtTest>

using namespace bacc;

class CoachWindowTest : public QObject {
    Q_OBJECT

    test::TempSettings settings_;
    test::RecordingPresenter boxes_;
    test::FastPause clock_;

    template <typename T = QWidget> static T* Find(QWidget* window, const QString& name) {
        T* widget = window->findChild<T*>(name);
        if (!widget) {
            qFatal("no control %s", qPrintable(name));
        }
        return widget;
    }
    static QString Text(const char* name) { return Find<QLabel>(TheCoach(), QLatin1String(name))->text(); }
    static QList<QPointF> WonLine(int seat) {
        for (QAbstractSeries* series :
             Find<QChartView>(TheCoach(), IndexedName("chtCoach", seat))->chart()->series()) {
            if (series->name() == QStringLiteral("Won")) {
                return static_cast<QLineSeries*>(series)->points();
            }
        }
        return {};
    }
    static void Press(const char* name) { Find<QPushButton>(TheTable(), QLatin1String(name))->click(); }
    static void Click(const char* name) {
        QTest::mouseClick(Find(TheTable(), QLatin1String(name)), Qt::LeftButton);
    }
    static QString Cents(double cents) {
        const double dollars = std::round(cents) / 100.0;
        return QStringLiteral("%1$%2")
            .arg(dollars < 0   ? "-"
                 : dollars > 0 ? "+"
                               : "")
            .arg(std::fabs(dollars), 0, 'f', 2);
    }

private slots:
    void followsTheTablesHandsAndResets() {
        Settings() = Options{};
        Settings().Animation = Settings().Delay = Settings().CardFaceUp = false;
        // Hand 1: naturals, Banker 9 over Player 8; hand 2 a tie at 4; the rest of the deck follows.
        const std::vector<CardId> order = testshoe::OrderStartingWith({1, 13, 3, 4, 5, 5, 2, 1, 2, 2, 13, 1});
        TheShoe().DeckCount = 1;
        TheShoe().StackNextShoe(order);
        OpenTable();
        CoachWindow* coach = OpenCoach();
        Press("maisyk");
        // Seat 0: 2 units on Banker; seat 1: 1 on Player and 1 on Tie. The unit is $50.
        Click("lblBBetInc2(0)");
        Click("lblPBetInc1(1)");
        Click("lblTBetInc1(1)");

        QStringList seenWhileDown;
        clock_.SetOnPause([&](double seconds) {
            if (seconds != 1.0) {
                return;
            }
            seenWhileDown << Text("lblHandsBet(0)");
            for (int back = 0; back < 6; ++back) {
                QWidget* card = Find(TheTable(), IndexedName("pctCardBack", back));
                if (card->isVisible()) {
                    QTest::mouseClick(card, Qt::LeftButton);
                }
            }
        });
        Press("duokkortos");
        clock_.SetOnPause({});
        QCOMPARE(seenWhileDown, QStringList{"0"}); // the hand waited face down, unseen by the coach
        QCOMPARE(Text("lblHandsBet(0)"), QStringLiteral("1"));
        QCOMPARE(Text("lblWon(0)"), QStringLiteral("+$95.00"));
        QCOMPARE(Text("lblWon(1)"), QStringLiteral("-$100.00"));

        // Three hands face up in one deal; seat 1 now bets only the Tie.
        Settings().CardFaceUp = true;
        Click("lblTBetInc1(1)");
        Find<MaskedEdit>(TheTable(), QStringLiteral("HandsAtaTime"))->SetDigits("3");
        Press("duokkortos");

        // The same shoe replayed: the odds of each hand from the cards left before it.
        Shoe replay;
        replay.DeckCount = 1;
        replay.StackNextShoe(order);
        replay.NewShoe();
        std::array<double, 2> expected{};
        std::array<long long, 2> won{};
        for (int hand = 0; hand < 4; ++hand) {
            const HandOdds odds = ExactOdds(RemainingValues(replay));
            replay.DealHand();
            const char result = replay.Hand.HandResult;
            const SeatBets seat1 = hand == 0 ? SeatBets{1, 0, 1} : SeatBets{0, 0, 1};
            expected[0] += 100 * 50 * 2 * odds.EvBanker;
            expected[1] += 100 * 50 * (seat1.Player * odds.EvPlayer + odds.EvTie);
            won[0] += SettleSeat({0, 2, 0}, result, 50).Cents;
            won[1] += SettleSeat(seat1, result, 50).Cents;
        }
        QCOMPARE(Text("lblHandsBet(0)"), QStringLiteral("4"));
        QCOMPARE(Text("lblHandsBet(1)"), QStringLiteral("4"));
        QCOMPARE(Text("lblWagered(1)"), QStringLiteral("$250.00"));
        for (int seat = 0; seat < 2; ++seat) {
            const auto s = static_cast<std::size_t>(seat);
            QCOMPARE(Find<QLabel>(coach, IndexedName("lblExpected", seat))->text(), Cents(expected[s]));
            QCOMPARE(Find<QLabel>(coach, IndexedName("lblWon", seat))->text(),
                     Cents(static_cast<double>(won[s])));
            QCOMPARE(Find<QLabel>(coach, IndexedName("lblLuck", seat))->text(), Cents(won[s] - expected[s]));
            const QList<QPointF> line = WonLine(seat);
            QCOMPARE(line.size(), 5);
            QCOMPARE(line.back(), QPointF(4, static_cast<double>(won[s]) / 100));
        }

        Find<QPushButton>(coach, QStringLiteral("cmdReset"))->click();
        QCOMPARE(Text("lblHandsBet(0)"), QStringLiteral("0"));
        QCOMPARE(Text("lblWon(1)"), QStringLiteral("$0.00"));
        QCOMPARE(WonLine(1).size(), 1);
        coach->Frame()->close();
        QTRY_VERIFY(TheCoach() == nullptr);
        TheTable()->close();
    }
};

QTEST_MAIN(CoachWindowTest)
#include "CoachWindowTest.moc"
