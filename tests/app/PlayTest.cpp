// A one-deck shoe played to its end through the real windows, found by their object names: shuffle,
// bets by the add labels, a face-up hand, a face-down hand revealed by squeezing and clicking, then
// many hands at once to the end of the shoe, followed by the trainer windows, and the next shoes, the
// last a whole eight-deck shoe for the roads.
#include "../engine/ShoeTestSupport.h"
#include "Bankroll.h"
#include "CardsDealtWindow.h"
#include "CoachWindow.h"
#include "FastPause.h"
#include "IniFile.h"
#include "MainWindow.h"
#include "Marking.h"
#include "MarkingCardWindow.h"
#include "NumberText.h"
#include "Options.h"
#include "RecordingPresenter.h"
#include "RoadsWindow.h"
#include "Shoe.h"
#include "ShoeOddsWindow.h"
#include "StatisticsWindow.h"
#include "TableMoney.h"
#include "TableWindow.h"
#include "TempSettings.h"

#include <QChartView>
#include <QImage>
#include <QLineSeries>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

using namespace bacc;

namespace {

// From position 2 of the stacked deck (an ace burns positions 0 and 1):
// hand 1: Player 3+5 = 8, Banker 4+5 = 9, naturals, Banker wins;
// hand 2: Player 2+2 = 4 draws a king, Banker 1+2 = 3 draws an ace: a tie at 4.
const std::vector<int> StackedRanks{1, 13, 3, 4, 5, 5, 2, 1, 2, 2, 13, 1};

// The labels a hand's results can show, and the commands and notices around the deal.
const QStringList Results{"WinP", "WinB", "TieResultP", "TieResultB", "lblNaturalP", "lblNaturalB"};
const QStringList Backs{"pctCardBack(0)", "pctCardBack(1)", "pctCardBack(2)",
                        "pctCardBack(3)", "pctCardBack(4)", "pctCardBack(5)"};
const QStringList Marks{"PWin", "BWin", "TWin", "PLose", "BLose", "TLose"};
const QStringList Commands{"maisyk",       "duokkortos",      "HandsAtaTime",
                           "txtUnitValue", "txtBankerBet(0)", "lblPBetInc5(0)",
                           "FormLastHand", "FormEndofShoe",   "lblShuffleInProgress(0)"};

double Stored(const char* section, const char* key) {
    return LeadingNumber(ReadIni(QLatin1String(section), QLatin1String(key)).toStdString());
}

void Send(QWidget* target, QEvent::Type type, QPointF at) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, target->mapToGlobal(at), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

// Each road and its scroll bar.
constexpr std::pair<RoadsWindow::Road, const char*> RoadBars[] = {
    {RoadsWindow::BeadPlate, "hsbBeadPlate"},
    {RoadsWindow::BigRoad, "hsbBigRoad"},
    {RoadsWindow::BigEyeBoy, "hsbBigEyeBoy"},
    {RoadsWindow::SmallRoad, "hsbSmallRoad"},
    {RoadsWindow::CockroachPig, "hsbCockroachPig"}};

// Each road shows whole cells inside the board, and its newest column with the one after it.
void ExpectNewestColumnsInView(RoadsWindow* window) {
    QWidget* board = window->findChild<QWidget*>(QStringLiteral("RoadsBoard"));
    for (const auto& [road, name] : RoadBars) {
        const auto* bar = window->findChild<QScrollBar*>(QLatin1String(name));
        const QRect area = window->RoadArea(road);
        const int cell = window->CellSize(road);
        QVERIFY2(board->rect().contains(area), name);
        QCOMPARE(area.width() % cell, 0);
        QCOMPARE(bar->pageStep(), area.width() / cell);
        const int next = window->Grid(road).Columns;
        QVERIFY2(bar->value() <= next - 1 && next < bar->value() + bar->pageStep(), name);
        QCOMPARE(bar->isVisible(), bar->value() > 0);
        // The columns left over are fewer than one.
        if (road == RoadsWindow::BigRoad) {
            QVERIFY(board->width() - area.width() <= cell + 1);
        }
    }
}

// Cents as the coach shows them: "-$1,234.56", a gain with "+" where signed.
QString Cents(double cents, bool sign = true) {
    const double dollars = std::round(cents) / 100.0;
    const QString text = '$' + QLocale(QLocale::English).toString(std::fabs(dollars), 'f', 2);
    return (dollars < 0 ? "-" : sign && dollars > 0 ? "+" : "") + text;
}

QString CoachText(const QString& name) {
    return TheCoach()->findChild<QLabel*>(name)->text();
}

// The coach's chart of a seat's winnings, in dollars after each hand.
QList<QPointF> WonLine(int seat) {
    for (QAbstractSeries* series :
         TheCoach()->findChild<QChartView*>(IndexedName("chtCoach", seat))->chart()->series()) {
        if (series->name() == QStringLiteral("Won")) {
            return static_cast<QLineSeries*>(series)->points();
        }
    }
    return {};
}

bool IsBackRed(QRgb pixel) {
    return qRed(pixel) > qGreen(pixel) + 60 && qRed(pixel) > qBlue(pixel) + 40;
}

// Dark pixels of a card's corner index, bottom left or bottom right.
int Ink(const QImage& image, QPoint card, bool left) {
    int ink = 0;
    for (int y = 67; y < 93; ++y) {
        for (int x = left ? 3 : 59; x < (left ? 13 : 68); ++x) {
            ink += qGreen(image.pixel(card + QPoint(x, y))) < 160 ? 1 : 0;
        }
    }
    return ink;
}

} // namespace

class PlayTest : public QObject {
    Q_OBJECT

    test::TempSettings settings_; // a copy of the shipped defaults: each seat has $1000
    test::RecordingPresenter boxes_;
    test::FastPause clock_;
    TableWindow* table_ = nullptr;
    std::vector<CardId> order_;
    QString seenAfterFirst_;

    template <typename T = QWidget> T* Find(const QString& name) {
        T* widget = table_->findChild<T*>(name);
        if (!widget) {
            qFatal("no control %s", qPrintable(name));
        }
        return widget;
    }
    QLabel* Label(const QString& name) { return Find<QLabel>(name); }
    MaskedEdit* Box(const QString& name) { return Find<MaskedEdit>(name); }
    void Click(const QString& name) { QTest::mouseClick(Find(name), Qt::LeftButton); }
    void Press(const char* button) { Find<QPushButton>(QLatin1String(button))->click(); }

    // The named controls on show, each marked "-off" when it is disabled.
    QString Shown(const QStringList& names) {
        QStringList shown;
        for (const QString& name : names) {
            if (Find(name)->isVisible()) {
                shown << name + (Find(name)->isEnabled() ? "" : "-off");
            }
        }
        return shown.join(' ');
    }
    // What the table shows after a hand: the results and marks on show, the totals, and for each seat
    // its Player/Banker/Tie units, winnings and money.
    QString Board() {
        QStringList shown{Shown(Results)};
        for (int seat = 0; seat < 2; ++seat) {
            for (const QString& mark : Marks) {
                shown << Shown({QStringLiteral("lbl%1(%2)").arg(mark).arg(seat)});
            }
        }
        for (const QString total : {"PTotal", "BTotal"}) {
            shown << (Label(total)->isVisible() ? total + '=' + Label(total)->text() : QString());
        }
        for (const QString seat : {"(0)", "(1)"}) {
            shown << Box("txtPlayerBet" + seat)->Digits() + '/' + Box("txtBankerBet" + seat)->Digits() + '/' +
                         Box("txtTieBet" + seat)->Digits()
                  << Label("lblPlayerWinnings" + seat)->text() << Label("lblPlayerTotal" + seat)->text();
        }
        shown.removeAll(QString());
        return shown.join(' ');
    }
    // The table as the player sees it.
    QImage Look() {
        QCoreApplication::processEvents();
        return table_->grab().toImage().scaled(table_->size());
    }
    // What the trainer windows tell the player: the cards left, the Banker's chance, the hands the coach
    // has weighed, the roads' results.
    static QString Seen() {
        const auto text = [](const char* name) {
            return TheShoeOdds()->findChild<QLabel*>(QLatin1String(name))->text();
        };
        return text("lblCardsLeft") + ' ' + text("lblBankerChance") + ' ' + CoachText("lblHandsBet(0)") +
               ' ' + QString::fromStdString(TheRoads()->Results());
    }
    QPoint CardAt(int slot) { return Find(QStringLiteral("pctCardBack(%1)").arg(slot))->pos(); }
    // Shuffles, doing this while the shoe is made: in the shuffle's wait of two seconds.
    void ShuffleWhile(const std::function<void()>& during) {
        clock_.SetOnPause([&during](double seconds) {
            if (seconds == 2.0) {
                during();
            }
        });
        Press("maisyk");
        clock_.SetOnPause({});
    }
    // Presses on a squeeze strip and drags to a point given in the strip's own pixels.
    void Drag(const QString& strip, QPointF to, bool release = true) {
        QWidget* handle = Find(strip);
        const QPointF from(handle->width() / 2.0, handle->height() / 2.0);
        Send(handle, QEvent::MouseButtonPress, from);
        for (int step = 1; step <= 8; ++step) {
            Send(handle, QEvent::MouseMove, from + (to - from) * step / 8.0);
        }
        if (release) {
            Send(handle, QEvent::MouseButtonRelease, to);
        }
    }

private slots:
    void initTestCase() {
        Settings() = Options{};
        Settings().Animation = Settings().Delay = false;
        FollowTheTableGame();
        TheShoe().DeckCount = 1;
        order_ = testshoe::OrderStartingWith(StackedRanks);
        table_ = OpenTable();
        table_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(table_));
    }

    void cleanupTestCase() {
        TheCoach()->Frame()->close();
        TheCardsDealtWindows().CloseWindows();
        if (MarkingCardWindow* card = TheMarkCard()) {
            card->close();
        }
        TheShoe().SetListener(nullptr);
        TheGameListeners().Remove(&MarkingCardFollower());
    }

    void theTableCannotBeClosedWhileTheShoeIsMade() {
        TheShoe().StackNextShoe(order_);
        QString during;
        bool closed = true;
        ShuffleWhile([&] {
            during = Shown(Commands);
            closed = table_->close();
        });
        QVERIFY(!closed);
        QCOMPARE(boxes_.Texts(), QStringList{"Must wait for deal to end."});
        QCOMPARE(during, QStringLiteral("txtBankerBet(0)-off lblShuffleInProgress(0)"));
        QCOMPARE(Shown(Commands),
                 QStringLiteral("maisyk duokkortos HandsAtaTime txtUnitValue txtBankerBet(0) "
                                "lblPBetInc5(0)"));
        QCOMPARE(TheShoe().NextCard, 2);
    }

    void aSeatBettingOnBothSidesIsRefused() {
        Box("txtPlayerBet(1)")->SetDigits("2");
        Box("txtBankerBet(1)")->SetDigits("3");
        boxes_.Clear();
        Press("duokkortos");
        QCOMPARE(boxes_.Texts(), QStringList{"Player 2 must bet only on Banker OR Player"});
        QCOMPARE(TheShoe().NextCard, 2);
        Box("txtPlayerBet(1)")->SetDigits("0");
        Box("txtBankerBet(1)")->SetDigits("0");
    }

    void aFaceUpHandIsLaidAndSettled() {
        // Seat 0: 2 units on Banker; seat 1: 1 unit on Player and 1 on Tie. The unit is $50.
        Click("lblBBetInc2(0)");
        Click("lblPBetInc1(1)");
        Click("lblTBetInc1(1)");
        Settings().CardFaceUp = true;
        OpenShoeOdds();
        OpenRoads();
        OpenCoach();
        const QString fresh = Seen();
        QVERIFY(fresh.startsWith("50 "));
        clock_.Clear();
        boxes_.Clear();
        Press("duokkortos");
        QCOMPARE(boxes_.Count(), 0);
        seenAfterFirst_ = Seen();
        QVERIFY2(seenAfterFirst_.startsWith("46 ") && seenAfterFirst_.endsWith(" B"),
                 qPrintable(seenAfterFirst_));
        QVERIFY(seenAfterFirst_.section(' ', 1, 2) != fresh.section(' ', 1, 2));
        // Backs 0.5 s apart, Player, Banker, Player, Banker; the faces turn at once.
        QCOMPARE(clock_.Durations(), (QList<double>{0.5, 0.5, 0.5, 0.5}));
        QCOMPARE(Shown(Backs), QString());
        QVERIFY(Find("pctCardFace(4)")->isVisible());
        // Seat 0 won 0.95 x $100; seat 1 lost both bets, which came off the table.
        QCOMPARE(Board(), QStringLiteral("WinB lblNaturalP lblNaturalB lblBWin(0) lblPLose(1) lblTLose(1) "
                                         "PTotal=8 BTotal=9 0/2/0 $95 $1095 0/0/0 -$100 $900"));
        QCOMPARE(TheMarking().Marks.size(), std::size_t{1});
    }

    void aFaceDownHandWaitsForEachReveal() {
        // The first four cards without their values, the third cards with them.
        Settings().CardFaceUp = Settings().CardValues = false;
        Click("lblTBetInc1(1)");
        clock_.Clear();
        boxes_.Clear();
        QStringList waits; // the backs still on show each time the deal waits for the player
        QStringList seen;  // what the trainer windows show meanwhile, opened again at the first wait
        bool earlyClickRevealed = false, sliverLeft = false, restored = false, totalTooEarly = false;
        QImage firstFour, thirdCard; // squeezed half open
        clock_.SetOnPause([&](double seconds) {
            QWidget* back0 = Find("pctCardBack(0)");
            if (seconds == 0.5 && clock_.Count() == 1) {
                // The first back is down, its card not dealt yet: a click must not turn it.
                QTest::mouseClick(back0, Qt::LeftButton);
                earlyClickRevealed = back0->isHidden();
            }
            if (seconds != 1.0) {
                return;
            }
            waits << Shown(Backs);
            const int height = back0->height();
            if (waits.size() == 1) {
                TheShoeOdds()->Frame()->close();
                TheRoads()->Frame()->close();
                QTRY_VERIFY(!TheShoeOdds() && !TheRoads());
                OpenShoeOdds();
                OpenRoads();
            }
            seen << Seen();
            if (waits.size() == 1) {
                QVERIFY(!table_->close());
                // One pixel short of the card's height leaves a sliver; letting go covers it again.
                Drag("lblCardBottom(0)", QPointF(35, 1 - height), false);
                sliverLeft = back0->isVisible() && back0->height() == 1;
                Send(Find("lblCardBottom(0)"), QEvent::MouseButtonRelease, QPointF(35, 1 - height));
                restored = back0->height() == height;
                Drag("lblCardBottom(0)", QPointF(35, -height / 2), false);
                Drag("lblCardRight(4)", QPointF(-40, 40), false);
                firstFour = Look();
                Drag("lblCardBottom(0)", QPointF(35, -height));
                Drag("lblCardRight(3)", QPointF(-Find("pctCardBack(3)")->width(), 40));
                totalTooEarly = Label("PTotal")->isVisible() || Label("BTotal")->isVisible();
                Settings().CardValues = true;
            } else if (waits.size() == 2) {
                Drag("lblCardBottom(2)", QPointF(35, -height / 2), false);
                thirdCard = Look();
            }
            for (const QString& back : Shown(Backs).split(' ', Qt::SkipEmptyParts)) {
                Click(back);
            }
        });
        Press("duokkortos");
        clock_.SetOnPause({});
        QVERIFY(!earlyClickRevealed);
        QVERIFY(sliverLeft);
        QVERIFY(restored);
        QVERIFY(!totalTooEarly);
        // The Player's third card comes once the first four are revealed; the Banker's (on a two-card 3)
        // once the Player's is.
        QCOMPARE(waits, (QStringList{"pctCardBack(0) pctCardBack(1) pctCardBack(3) pctCardBack(4)",
                                     "pctCardBack(2)", "pctCardBack(5)"}));
        QCOMPARE(boxes_.Texts(), QStringList{"Must wait for deal to end."});
        // The tie pays seat 1's Tie bet 8 to 1; seat 0's Banker bet stands.
        QCOMPARE(Board(), QStringLiteral("TieResultP TieResultB lblTWin(1) PTotal=4 BTotal=4 "
                                         "0/2/0 $95 $1095 0/0/1 $300 $1300"));
        QCOMPARE(TheMarking().Marks.size(), std::size_t{2});
        // A face-down hand changes nothing the trainer windows show until it is revealed.
        QCOMPARE(seen, QStringList(3, seenAfterFirst_));
        QVERIFY2(Seen().startsWith("40 ") && Seen().endsWith(" BT"), qPrintable(Seen()));

        // Squeezed from the bottom, the back keeps its top half; without values no index shows below.
        QVERIFY(IsBackRed(firstFour.pixel(CardAt(0) + QPoint(20, 20))));
        QVERIFY(!IsBackRed(firstFour.pixel(CardAt(0) + QPoint(3, 90))));
        QCOMPARE(Ink(firstFour, CardAt(0), true) + Ink(firstFour, CardAt(0), false), 0);
        // Squeezed from the right, the back keeps its left edge.
        QVERIFY(IsBackRed(firstFour.pixel(CardAt(4) + QPoint(10, 48))));
        QVERIFY(!IsBackRed(firstFour.pixel(CardAt(4) + QPoint(66, 48))));
        // With values the bottom-left index shows as the back peels away; the bottom-right is patched.
        QVERIFY(Ink(thirdCard, CardAt(2), true) > 12);
        QCOMPARE(Ink(thirdCard, CardAt(2), false), 0);
    }

    void ninetyHandsRunToTheEndOfTheShoe() {
        // The marking card came to the front with the last hand; the player goes back to the table.
        table_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(table_));
        Box("HandsAtaTime")->setFocus();
        Box("HandsAtaTime")->SetDigits("90");
        Find("duokkortos")->setFocus();
        QCOMPARE(Find<QPushButton>("duokkortos")->text(), QStringLiteral("Deal 90 hands"));
        boxes_.Clear();
        Press("duokkortos");
        const int rest = TheMarking().HandNumber - 2;
        QCOMPARE(boxes_.Texts(), QStringList{QString::number(rest) + " hands have just been dealt"});
        QCOMPARE(boxes_.Last().Icon, MsgIcon::Information);
        QCOMPARE(
            Shown(Commands),
            QStringLiteral("maisyk HandsAtaTime-off txtUnitValue-off txtBankerBet(0)-off FormEndofShoe"));
        QCOMPARE(Box("HandsAtaTime")->Digits(), QStringLiteral("1"));
        // The table shows what the game stored; the bets stood for every hand.
        const auto money = [](double dollars) { return QString::fromStdString(FormatMoney(dollars)); };
        QCOMPARE(Board(),
                 QStringLiteral("0/2/0 %1 %2 0/0/1 %3 %4")
                     .arg(money(Stored("Player1Stats", "Win")), money(1000 + Stored("Player1Stats", "Win")),
                          money(Stored("Player2Stats", "Win")), money(1000 + Stored("Player2Stats", "Win"))));

        // Every hand of the shoe is on the marking card.
        auto* lastMark = TheMarkCard()->findChild<QLabel*>(QStringLiteral("lblTBP(%1)").arg(1 + rest));
        QVERIFY(lastMark && lastMark->isVisible());
        // The list has all 52 cards, the burnt ones first and the unseen rest last; every count is 1.
        QListWidget* list = TheCardsDealtWindows().ListWindow()->List();
        QCOMPARE(list->count(), 52);
        QVERIFY(list->item(1)->text().endsWith("<-Burnt"));
        QVERIFY(list->item(51)->text().endsWith("<-End  "));
        QListWidget* count = TheCardsDealtWindows().CountWindow()->List();
        for (int row = 0; row < 13; ++row) {
            QCOMPARE(count->item(row)->text().mid(5, 10), QStringLiteral("1  1  1  1"));
        }

        // The coach weighed each hand on the cards left before it: the same shoe replayed, seat 1 betting
        // only the Tie once its Player bet was lost.
        Shoe replay;
        replay.DeckCount = 1;
        replay.StackNextShoe(order_);
        replay.NewShoe();
        std::array<double, 2> expected{};
        std::array<long long, 2> won{};
        int hands = 0;
        for (; !replay.EndOfShoe; ++hands) {
            const HandOdds odds = ExactOdds(RemainingValues(replay));
            replay.DealHand();
            const SeatBets seat1 = hands == 0 ? SeatBets{1, 0, 1} : SeatBets{0, 0, 1};
            expected[0] += 100 * 50 * 2 * odds.EvBanker;
            expected[1] += 100 * 50 * (seat1.Player * odds.EvPlayer + odds.EvTie);
            won[0] += SettleSeat({0, 2, 0}, replay.Hand.HandResult, 50).Cents;
            won[1] += SettleSeat(seat1, replay.Hand.HandResult, 50).Cents;
        }
        QCOMPARE(hands, TheMarking().HandNumber);
        QCOMPARE(CoachText("lblWagered(1)"), Cents(100 * 50 * (hands + 1), false));
        for (int seat = 0; seat < 2; ++seat) {
            const auto s = static_cast<std::size_t>(seat);
            QCOMPARE(CoachText(IndexedName("lblHandsBet", seat)), QString::number(hands));
            QCOMPARE(CoachText(IndexedName("lblExpected", seat)), Cents(expected[s]));
            QCOMPARE(CoachText(IndexedName("lblWon", seat)), Cents(static_cast<double>(won[s])));
            QCOMPARE(CoachText(IndexedName("lblLuck", seat)),
                     Cents(static_cast<double>(won[s]) - expected[s]));
            QCOMPARE(WonLine(seat).size(), hands + 1);
            QCOMPARE(WonLine(seat).back(), QPointF(hands, static_cast<double>(won[s]) / 100));
        }
        QTest::mouseClick(TheCoach()->findChild<QPushButton*>("cmdReset"), Qt::LeftButton);
        QCOMPARE(CoachText("lblHandsBet(0)") + ' ' + CoachText("lblWon(1)"), QStringLiteral("0 $0.00"));
        QCOMPARE(WonLine(1).size(), 1);
    }

    void aDelayedAnimatedHandWaitsBeforeAndAfterEachCard() {
        // The end of the shoe needs no question; a new shoe with the same first hand, no third cards.
        TheShoe().StackNextShoe(order_);
        boxes_.Clear();
        Press("maisyk");
        QCOMPARE(boxes_.Count(), 0);
        Settings().Delay = Settings().Animation = Settings().CardFaceUp = true;
        clock_.Clear();
        Press("duokkortos");
        Settings().Delay = Settings().Animation = false;
        QList<double> waits = clock_.Durations();
        const auto flightSteps = waits.removeAll(0.005);
        // Backs 0.5 apart, none after the fourth; each face waits 0.5 (first card of a side) or 0.7
        // before it turns and 0.7 after.
        QCOMPARE(waits, (QList<double>{0.5, 0.5, 0.5, 0.5, 0.7, 0.7, 0.7, 0.5, 0.7, 0.7, 0.7}));
        QVERIFY(flightSteps >= 4);
        QVERIFY(Find("pctCardBackMove")->isHidden());
    }

    void aShoeSizeChosenDuringTheShuffleCountsTheShoeBuilt() {
        // The menus stay live while the shoe is made: a size chosen then builds this shoe, and the shoe
        // must be counted under the size it really has.
        const double decks1 = Stored("ShoesHandsPlayed", "Decks1");
        const double decks2 = Stored("ShoesHandsPlayed", "Decks2");
        ShuffleWhile([] { TheShoe().DeckCount = 2; }); // mid-shoe: the question is answered OK
        QCOMPARE(TheShoe().LastCardIndex, 2 * 52 - 1);
        while (!TheShoe().EndOfShoe) {
            Box("HandsAtaTime")->SetDigits("90");
            Press("duokkortos");
        }
        QCOMPARE(Stored("ShoesHandsPlayed", "Decks2"), decks2 + 1);
        QCOMPARE(Stored("ShoesHandsPlayed", "Decks1"), decks1);
    }

    void noBetIsTakenWhileTheShoeIsMade() {
        // A bet placed during the shuffle would stand while the unit value opens again, so its value
        // label and its settlement would disagree.
        ShuffleWhile([this] { Click("lblPBetInc5(0)"); });
        QCOMPARE(Box("txtPlayerBet(0)")->Number(), 0LL);
        QVERIFY(Label("txtPlayerBetValue(0)")->isHidden());
    }

    void aClosedTableComesBackToItsShoe() {
        const int next = TheShoe().NextCard;
        Click("lblBBetInc1(0)"); // dropped by the close
        QVERIFY(table_->close());
        QTRY_VERIFY(TheTable() == nullptr);
        QVERIFY(CurrentTableMoney() == nullptr);
        table_ = OpenTable();
        QCOMPARE(Box("txtBankerBet(0)")->Number(), 0LL);
        boxes_.Clear();
        Press("duokkortos");
        QCOMPARE(boxes_.Count(), 0);
        QVERIFY(TheShoe().NextCard > next);
        QCOMPARE(TheRoads()->Results().size(), TheMarking().Marks.size());
        QVERIFY(Seen().startsWith(QString::number(52 * 2 - TheShoe().NextCard) + ' '));
        QVERIFY(table_->close());
    }

    // The roads window opened on a whole eight-deck shoe: every road shows its own newest columns in
    // whole cells, and the board grows with the window.
    void theRoadsOfAWholeShoeShowTheirNewestColumns() {
        TheRoads()->Frame()->close();
        QTRY_VERIFY(!TheRoads());
        table_ = OpenTable();
        Settings().CardFaceUp = true;
        TheShoe().DeckCount = 8;
        TheShoe().SetShoeSeed(21, 1);
        Press("maisyk");
        Box("HandsAtaTime")->SetDigits("90");
        Press("duokkortos");
        QVERIFY(TheShoe().EndOfShoe);

        RoadsWindow* window = OpenRoads();
        const Roads& roads = window->Drawn();
        QVERIFY(roads.BeadPlate.Cells.size() > 70);
        QCOMPARE(roads.BeadPlate.Cells.size(), static_cast<std::size_t>(TheMarking().HandNumber));
        // At its design size the bead plate holds fewer columns than a whole shoe: it scrolls too.
        QVERIFY(window->findChild<QScrollBar*>(QStringLiteral("hsbBeadPlate"))->value() > 0);
        ExpectNewestColumnsInView(window);

        // A larger window draws larger cells, still every road at its newest columns.
        const int cell = window->CellSize(RoadsWindow::BigRoad);
        window->Frame()->resize(1300, 650);
        QTRY_VERIFY(window->CellSize(RoadsWindow::BigRoad) > 2 * cell);
        ExpectNewestColumnsInView(window);

        // A road scrolled back stays where it was put as the window changes.
        auto* bigRoad = window->findChild<QScrollBar*>(QStringLiteral("hsbBigRoad"));
        bigRoad->setValue(0);
        window->Frame()->resize(900, 500);
        QTRY_COMPARE(window->CellSize(RoadsWindow::BigRoad) < 2 * cell, true);
        QCOMPARE(bigRoad->value(), 0);
        QCOMPARE(window->findChild<QLabel*>(QStringLiteral("lblBankerRun"))->text(),
                 QString::number(WeighTrends(roads).LongestBanker));
        QVERIFY(table_->close());
    }
};

QTEST_MAIN(PlayTest)
#include "PlayTest.moc"
