// The marking card window follows the table's game, hands dealt from stacked shoes, and draws what the
// engine's marking state holds (MarkingTest tests the grid and the units): each mark in its cell with its
// text, colours and shape, the header letters and the column totals, on a card that grows with the shoe and
// comes back whole when closed in mid-shoe.
#include "MarkingCardWindow.h"

#include "../engine/ShoeTestSupport.h"
#include "ChildWindow.h"
#include "IniFile.h"
#include "Options.h"
#include "OutlineShape.h"
#include "TableGame.h"
#include "TempSettings.h"
#include "Twips.h"

#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

using namespace bacc;

namespace {

QString ColourName(const QColor& colour) {
    if (colour == QColor(192, 0, 0)) {
        return "red";
    }
    if (colour == QColor(0, 0, 128)) {
        return "navy";
    }
    if (colour == QColor(0, 192, 0)) {
        return "green";
    }
    return colour == QApplication::palette().color(QPalette::WindowText) ? "plain" : colour.name();
}

// One notch of the mouse wheel (down for a negative delta) at a point of the window, delivered as the
// window system delivers it: to the widget there, then to its parents until one takes it.
void Wheel(QWidget* window, const QPoint& at, int delta, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    const QPointF global = window->mapToGlobal(QPointF(at));
    for (QWidget* target = window->childAt(at) ? window->childAt(at) : window; target;
         target = target->isWindow() ? nullptr : target->parentWidget()) {
        QWheelEvent event(target->mapFromGlobal(global), global, QPoint(), QPoint(0, delta), Qt::NoButton,
                          modifiers, Qt::NoScrollPhase, false);
        if (QApplication::sendEvent(target, &event) && event.isAccepted()) {
            return;
        }
    }
}

} // namespace

// The seats' money as a table would hold it: PLAYER 1 bets what the hand being dealt asks, at $10.
class Books : public TableBooks {
public:
    SeatBets Seat1;
    SeatBets Bets(int seat) const override { return seat == 0 ? Seat1 : SeatBets{}; }
    StandingDollars Standing(int seat) const override {
        return seat == 0 ? StandingDollars{10 * Seat1.Player, 10 * Seat1.Banker, 10 * Seat1.Tie}
                         : StandingDollars{};
    }
    long long UnitValue() const override { return 10; }
};

// A hand of the stacked shoe: its result or its totals, what PLAYER 1 bets, and whether the card shows
// the score.
struct Planned {
    char Result;
    SeatBets Bets{};
    std::pair<int, int> Totals{};
    bool Score = false;
};

class MarkingCardWindowTest : public QObject {
    Q_OBJECT

    test::TempSettings settings_; // a copy of the shipped defaults
    Books books_;
    std::vector<Planned> plan_;
    std::size_t next_ = 0;

    template <typename T = QLabel> T* Find(const QString& name, int index) {
        return TheMarkCard()->findChild<T*>(QStringLiteral("%1(%2)").arg(name).arg(index));
    }
    // A new eight-deck shoe stacked with these hands, started as the shuffle starts it; with naturals, a
    // hand may be any two-card hand of its result.
    void NewShoe(std::vector<Planned> plan, bool naturals = false) {
        std::vector<std::vector<std::pair<int, int>>> totals;
        for (const Planned& hand : plan) {
            totals.push_back(hand.Totals.first != 0 || hand.Totals.second != 0
                                 ? std::vector{hand.Totals}
                                 : testshoe::TotalsOf(std::string_view(&hand.Result, 1), naturals).front());
        }
        std::vector<int> ranks{1, 13}; // an ace burns two cards
        const std::vector<int> hands = testshoe::TwoCardHands(totals);
        ranks.insert(ranks.end(), hands.begin(), hands.end());
        TheShoe().DeckCount = 8;
        TheShoe().StackNextShoe(testshoe::OrderStartingWith(ranks, 8));
        TheTableGame().StartShoe(Settings().PlayerBlue);
        plan_ = std::move(plan);
        next_ = 0;
    }
    std::vector<Planned> Results(const char* results) {
        std::vector<Planned> plan;
        for (const char* r = results; *r; ++r) {
            plan.push_back({*r});
        }
        return plan;
    }
    // Deals and settles the next hands of the shoe, one at a time as the table presents them.
    void Deal(std::size_t hands = 1) {
        for (std::size_t k = 0; k < hands; ++k, ++next_) {
            const Planned& hand = plan_.at(next_);
            books_.Seat1 = hand.Bets;
            const MarkOptions options{hand.Score, true};
            QCOMPARE(TheTableGame().Deal(1, options), 1);
            TheTableGame().SettleWaiting(options);
            QCOMPARE(TheTableGame().Hand().HandResult, hand.Result);
        }
    }
    // What the card shows: each mark on show as "column,row text text-colour outline-colour [oval]", its
    // text "?" when it is not drawn in its cell; then the header letters and the column totals.
    QString Card() {
        QStringList lines;
        for (int k = 0; Find<OutlineShape>("shpTBP", k) && !Find<OutlineShape>("shpTBP", k)->isHidden();
             ++k) {
            OutlineShape* shape = Find<OutlineShape>("shpTBP", k);
            QLabel* text = Find("lblTBP", k);
            const int column = (Twips(shape->x()) - 60) / MarkingCardWindow::ColumnPitch;
            const int row = (Twips(shape->y()) - 510) / MarkingCardWindow::RowPitch + 1;
            const QRect cell = TwipsRect(60 + 345 * column, 510 + 300 * (row - 1), 285, 225);
            const bool inCell =
                shape->geometry() == cell && cell.contains(text->geometry()) && text->isVisible();
            lines << QStringLiteral("%1,%2 %3 %4 %5%6")
                         .arg(column)
                         .arg(row)
                         .arg(inCell ? text->text() : "?",
                              ColourName(text->palette().color(QPalette::WindowText)),
                              ColourName(shape->BorderColor()),
                              shape->ShapeKind() == OutlineShape::Kind::Oval ? " oval" : "");
        }
        QString header, totals;
        for (int c = 0; c < 6 && Find("lblBP", c) && Find("lblBP", c)->isVisible(); ++c) {
            header += Find("lblBP", c)->text();
        }
        for (int c = 0; c < 6; ++c) {
            if (QLabel* total = Find("lblTotal", c); total && total->isVisible()) {
                totals += QStringLiteral(" %1:%2 %3")
                              .arg(c)
                              .arg(total->text(), ColourName(total->palette().color(QPalette::WindowText)));
            }
        }
        return lines.join('\n') + "\nheader " + header + "\ntotals" + totals;
    }

private slots:
    void initTestCase() {
        Settings().PlayerBlue = true;
        TheTableGame().SetBooks(&books_);
        TheGameListeners().Add(&MarkingCardFollower());
    }
    void cleanupTestCase() {
        TheGameListeners().Remove(&MarkingCardFollower());
        TheTableGame().SetBooks(nullptr);
    }

    // Each mark is drawn as it is settled; a card closed in mid-shoe comes back with every mark when the
    // next hand is settled.
    void aShoeIsDrawnAsItIsMarkedAndComesBackWhole() {
        NewShoe({{'T'},
                 {'B', {0, 3, 1}},        // 3 on Banker, 1 on Tie: +2
                 {'B', {}, {5, 8}},       // no bet, the Banker's natural
                 {'P', {0, 5, 0}},        // -5
                 {'P', {3, 0, 0}},        // +3, back to 0 units
                 {'T', {0, 0, 2}},        // +16
                 {'P', {}, {9, 2}, true}, // the Player's natural, with the score shown
                 {'B'}});
        QCOMPARE(Card(), QStringLiteral("\nheader \ntotals"));
        Deal(7);
        const QString marked = Card();
        QCOMPARE(marked, QStringLiteral("0,1  plain green\n"
                                        "1,1 2 plain red\n"
                                        "1,2  plain red oval\n"
                                        "2,1 5 red navy\n"
                                        "2,2 3 plain navy\n"
                                        "2,3 16 plain green\n"
                                        "2,4 92 plain navy oval\n"
                                        "header PBPBPB\n"
                                        "totals 1:2 plain 2:16 plain"));
        TheMarkCard()->Frame()->close();
        QVERIFY(!TheMarkCard());
        QVERIFY(ReadIni("frmMarkCard", "Width") != QStringLiteral("No"));
        Deal();
        QCOMPARE(TheMarkCard()->windowTitle(), QStringLiteral("Marking Card for PLAYER 1"));
        // The new column's total is the running total, as on a card never closed.
        QCOMPARE(Card(), QString(marked).replace("\nheader", "\n3,1  plain red\nheader") + " 3:16 plain");
    }

    // The card grows with the shoe: a streak longer than the card is deep, and more columns than it is
    // wide. In the main window's desktop, the wheel over the card scrolls the card, a few rows a notch, down
    // to the last row of that streak; at the card's end it goes no further, and the desktop behind never
    // moves. The bars reach the whole card, and the next shoe starts on a card of the design size.
    void theCardGrowsAndScrollsAndNotTheDesktop() {
        QMdiArea desktop;
        desktop.setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        desktop.resize(1100, 500);
        desktop.addSubWindow(new QWidget)->setGeometry(0, 900, 100, 100); // the desktop can scroll
        desktop.show();
        SetWindowHost(&desktop);
        if (TheMarkCard()) {
            TheMarkCard()->Frame()->close();
        }
        std::string results(17, 'B');
        for (int i = 0; i < 80; ++i) {
            results += i % 2 ? 'B' : 'P';
        }
        NewShoe(Results(results.c_str()), true); // the card opens in the desktop
        const auto outOfTheDesktop = qScopeGuard([] {
            if (TheMarkCard()) {
                TheMarkCard()->Frame()->close();
            }
            SetWindowHost(nullptr);
        });
        MarkingCardWindow* card = TheMarkCard();
        const QSize design = card->Surface()->size();
        card->SubWindow()->move(0, 0);
        QVERIFY(QTest::qWaitForWindowExposed(&desktop));
        Deal(results.size());
        const QRect surface = card->Surface()->rect();
        QVERIFY(surface.contains(Find<OutlineShape>("shpTBP", 96)->geometry()));
        QVERIFY(Find("lblBP", 80) && surface.contains(Find("lblBP", 80)->geometry()));
        const int desktopAt = desktop.verticalScrollBar()->value();
        QVERIFY(desktop.verticalScrollBar()->maximum() > desktopAt);

        auto* vScroll = card->findChild<QScrollBar*>("VScroll1");
        auto* hScroll = card->findChild<QScrollBar*>("HScroll1");
        const QPoint onTheCard(200, 100);
        Wheel(card, onTheCard, -120);
        const int notch = vScroll->value();
        QVERIFY2(notch >= 2 * MarkingCardWindow::RowPitch, qPrintable(QString::number(notch)));
        for (int i = 0; i < 10; ++i) {
            Wheel(card, onTheCard, -120);
        }
        QCOMPARE(vScroll->value(), vScroll->maximum());
        const QRect view(0, 0, vScroll->x(), hScroll->y());
        const QRect lastRow(Find<OutlineShape>("shpTBP", 16)->mapTo(card, QPoint()),
                            Find<OutlineShape>("shpTBP", 16)->size());
        QVERIFY(view.contains(lastRow));
        Wheel(card, vScroll->geometry().center(), -120); // over the bar at its end
        Wheel(card, onTheCard, -120, Qt::ShiftModifier); // sideways
        QCOMPARE(desktop.verticalScrollBar()->value(), desktopAt);
        QCOMPARE(hScroll->value(),
                 notch / MarkingCardWindow::RowPitch * MarkingCardWindow::ColumnPitch); // as many columns
        Wheel(card, onTheCard, 120);
        QCOMPARE(vScroll->value(), vScroll->maximum() - notch);

        card->SubWindow()->resize(300, 150);
        hScroll->setValue(hScroll->maximum());
        vScroll->setValue(vScroll->maximum());
        const QPoint viewEnd(vScroll->x(), hScroll->y()); // the corner of the card's view
        QVERIFY((card->Surface()->geometry().bottomRight() + QPoint(1, 1) - viewEnd).manhattanLength() <= 2);
        NewShoe(Results("B"));
        QCOMPARE(card->Surface()->size(), design);
    }
};

QTEST_MAIN(MarkingCardWindowTest)
#include "MarkingCardWindowTest.moc"
