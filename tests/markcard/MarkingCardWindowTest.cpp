#include "MarkingCardWindow.h"

#include "IniFile.h"
#include "Marking.h"
#include "Options.h"
#include "OutlineShape.h"
#include "Shoe.h"
#include "TempSettings.h"
#include "Twips.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QScrollBar>
#include <QTest>

using namespace bacc;

namespace {

const QColor red(192, 0, 0);
const QColor navy(0, 0, 128);
const QColor green(0, 192, 0);

QColor WindowText() {
    return QApplication::palette().color(QPalette::WindowText);
}

QColor TextColour(const QLabel* label) {
    return label->palette().color(QPalette::WindowText);
}

} // namespace

class MarkingCardWindowTest : public QObject {
    Q_OBJECT

private:
    test::TempSettings settings_; // a copy of the shipped defaults

    template <typename T> T* Find(const QString& name) {
        MarkingCardWindow* card = TheMarkCard();
        return card ? card->findChild<T*>(name) : nullptr;
    }
    QLabel* Text(int k) { return Find<QLabel>(QStringLiteral("lblTBP(%1)").arg(k)); }
    OutlineShape* Shape(int k) { return Find<OutlineShape>(QStringLiteral("shpTBP(%1)").arg(k)); }
    QLabel* Letter(int i) { return Find<QLabel>(QStringLiteral("lblBP(%1)").arg(i)); }
    QLabel* Total(int c) { return Find<QLabel>(QStringLiteral("lblTotal(%1)").arg(c)); }

    // A new shoe as the shuffle starts it.
    void NewShoe() {
        TheMarking().ResetForNewShoe(Settings().PlayerBlue);
        ResetMarkCard(QStringLiteral("Marking Card for PLAYER 1"));
    }

    // One hand as the deal records it: both seats, PLAYER 1 first.
    long long Hand(char result, SeatBets bets = {}, int playerTotal = 5, int bankerTotal = 3,
                   bool natural = false) {
        HandState& hand = TheShoe().Hand;
        hand.HandResult = result;
        hand.PlayerTotal = result == 'T' ? bankerTotal : playerTotal;
        hand.BankerTotal = bankerTotal;
        hand.PlayerNatural = natural;
        hand.BankerNatural = false;
        ++TheMarking().HandNumber;
        const long long money = RecordHandResult(bets, 10, 1);
        RecordHandResult({}, 10, 2);
        return money;
    }
    void Hands(const char* results) {
        for (const char* r = results; *r; ++r) {
            Hand(*r);
        }
    }

    // The mark of hand k + 1 stands in (column, row), shape and text, and is shown.
    void CheckCell(int k, int column, int row) {
        QVERIFY2(Shape(k) && Text(k), qPrintable(QStringLiteral("mark %1 missing").arg(k)));
        QCOMPARE(Shape(k)->geometry(), TwipsRect(60 + 345 * column, 510 + 300 * (row - 1), 285, 225));
        QCOMPARE(Text(k)->geometry(), TwipsRect(60 + 345 * column, 525 + 300 * (row - 1), 285, 200));
        QVERIFY(!Shape(k)->isHidden());
        QVERIFY(!Text(k)->isHidden());
    }

private slots:
    void initTestCase() {
        QVERIFY(!settings_.Contents().isEmpty());
        // The card's own section is left out, so the window opens at its design size.
        WriteIni(QStringLiteral("frmMarkCard"), QStringLiteral("Height"), QStringLiteral(" 0"));
        WriteIni(QStringLiteral("frmMarkCard"), QStringLiteral("Width"), QStringLiteral(" 0"));
    }

    void init() {
        Settings().ShowScore = false;
        Settings().ShowNaturals = false;
        Settings().PlayerBlue = true;
        NewShoe();
    }

    void resetOpensEmptyCard() {
        Hands("BBPT");
        NewShoe();
        MarkingCardWindow* card = TheMarkCard();
        QVERIFY(card);
        QCOMPARE(card->windowTitle(), QStringLiteral("Marking Card for PLAYER 1"));
        QVERIFY(Shape(0) && Shape(0)->isHidden());
        QVERIFY(Text(0) && Text(0)->isHidden());
        QVERIFY(Letter(0) && Letter(0)->isHidden());
        QVERIFY(Total(0) && Total(0)->isHidden());
        QVERIFY(!Shape(1) && !Text(1) && !Letter(1));
        QCOMPARE(card->Surface()->geometry(), TwipsRect(0, 0, 30000, 3210));
        QCOMPARE(card->InitialCardHeight(), 3210);
        QVERIFY(!TheMarking().HeaderBuilt);
        // Frame and rules of the card.
        auto* shape1 = card->findChild<OutlineShape*>(QStringLiteral("Shape1"));
        QVERIFY(shape1);
        QCOMPARE(shape1->geometry(), TwipsRect(15, 15, 30000 - 45, 3210 - 45));
        auto* rule1 = card->findChild<OutlineShape*>(QStringLiteral("lneHLine(1)"));
        auto* rule3 = card->findChild<OutlineShape*>(QStringLiteral("lneHLine(3)"));
        QVERIFY(rule1 && rule3 && card->findChild<OutlineShape*>(QStringLiteral("lneHLine(10)")));
        QCOMPARE(rule1->y(), Px(465));
        QCOMPARE(rule3->y(), Px(465 + 2 * 900));
        QCOMPARE(rule3->width(), Px(30000 - 45));
    }

    void firstHandOfAShoeClearsAStaleCard() {
        Hands("BBPPB");
        TheMarking().ResetForNewShoe(true); // the card itself is not reset
        Hand('P');
        QVERIFY(!Shape(1) && !Text(1) && !Total(1));
        CheckCell(0, 0, 1);
        QCOMPARE(Letter(0)->text(), QStringLiteral("P"));
    }

    void bankerBankerPlayer() {
        Hands("BBP");
        CheckCell(0, 0, 1);
        CheckCell(1, 0, 2);
        CheckCell(2, 1, 1);
        QCOMPARE(TheMarking().MarkStreak, -1);
        // The header: 90 letters alternating from the first mark's column.
        QCOMPARE(Letter(0)->text(), QStringLiteral("B"));
        QCOMPARE(Letter(1)->text(), QStringLiteral("P"));
        QCOMPARE(Letter(89)->text(), QStringLiteral("P"));
        QCOMPARE(Letter(1)->geometry(), TwipsRect(75 + 345, 240, 285, 225));
        QVERIFY(!Letter(89)->isHidden());
        QVERIFY(Letter(0)->font().bold());
        // Outlines: Banker red and Player navy while Player is blue.
        QCOMPARE(Shape(0)->BorderColor(), red);
        QCOMPARE(Shape(2)->BorderColor(), navy);
        QCOMPARE(Shape(0)->ShapeKind(), OutlineShape::Kind::Rectangle);
    }

    void tiesTakeTheirOwnRows() {
        Hands("BTTP");
        CheckCell(0, 0, 1);
        CheckCell(1, 0, 2);
        CheckCell(2, 0, 3);
        CheckCell(3, 1, 1);
        QCOMPARE(Shape(1)->BorderColor(), green);
        QCOMPARE(TheMarking().MarkTies, 0);
    }

    void openingTieThenPlayer() {
        Hand('T');
        QVERIFY(Letter(0)->isHidden());
        Hand('P');
        CheckCell(0, 0, 1);
        CheckCell(1, 0, 2);
        QCOMPARE(Letter(0)->text(), QStringLiteral("P"));
        QCOMPARE(Letter(1)->text(), QStringLiteral("B"));
    }

    void openingTieThenBanker() {
        Hands("TB");
        CheckCell(0, 0, 1);
        CheckCell(1, 1, 1);
        QCOMPARE(Letter(0)->text(), QStringLiteral("P"));
        QCOMPARE(Letter(1)->text(), QStringLiteral("B"));
        QCOMPARE(Letter(2)->text(), QStringLiteral("P"));
    }

    void unitsMoneyAndTotals() {
        // 3 on Banker and 1 on Tie, Banker wins: +2 units, plain colour.
        QCOMPARE(Hand('B', {0, 3, 1}), 95 * 3 * 10 - 1000);
        QCOMPARE(Text(0)->text(), QStringLiteral("2"));
        QCOMPARE(TextColour(Text(0)), WindowText());
        QCOMPARE(Total(0)->text(), QStringLiteral("2"));
        QVERIFY(!Total(0)->isHidden());
        QCOMPARE(Total(0)->geometry(), TwipsRect(30, 30, 345, 225));
        // 5 on Banker, Player wins: -5 units in red, the new column's total in red.
        Hand('P', {0, 5, 0});
        QCOMPARE(Text(1)->text(), QStringLiteral("5"));
        QCOMPARE(TextColour(Text(1)), red);
        QVERIFY(Total(1));
        QCOMPARE(Total(1)->text(), QStringLiteral("-3"));
        QCOMPARE(TextColour(Total(1)), red);
        QCOMPARE(Total(1)->geometry(), TwipsRect(30 + 345, 30, 345, 225));
        // Back to exactly 0: the column's total keeps its value.
        Hand('P', {3, 0, 0});
        QCOMPARE(TheMarking().TotalUnits, 0);
        QCOMPARE(Total(1)->text(), QStringLiteral("-3"));
        // No bet: no text, plain colour, total unchanged.
        Hand('P');
        QCOMPARE(Text(3)->text(), QString());
        QCOMPARE(TextColour(Text(3)), WindowText());
        QCOMPARE(TheMarking().TotalUnits, 0);
    }

    void longNumbersFitTheirCells() {
        Hand('P', {0, 150, 0});
        Hand('P', {0, 1000, 0});
        for (QLabel* label : {Text(0), Total(0), Text(1)}) {
            const int room = label->width();
            QVERIFY2(QFontMetrics(label->font()).horizontalAdvance(label->text()) <= room,
                     qPrintable(label->text()));
        }
        QCOMPARE(Total(0)->text(), QStringLiteral("-1150"));
        // Short numbers keep the card's plain face.
        Hand('P', {1, 0, 0});
        QCOMPARE(Text(2)->font(), Text(2)->parentWidget()->font());
    }

    void tieBetAndScoreMode() {
        Hand('T', {0, 0, 2}, 0, 6);
        QCOMPARE(Text(0)->text(), QStringLiteral("16"));
        Settings().ShowScore = true;
        Hand('T', {0, 0, 2}, 0, 6);
        QCOMPARE(Text(1)->text(), QStringLiteral("6"));
        Hand('B', {}, 5, 7);
        QCOMPARE(Text(2)->text(), QStringLiteral("75"));
        Hand('P', {}, 9, 2);
        QCOMPARE(Text(3)->text(), QStringLiteral("92"));
    }

    void playerBlueIsFixedForTheShoe() {
        Settings().PlayerBlue = false;
        NewShoe();
        Hand('B');
        Settings().PlayerBlue = true; // takes effect at the next shoe only
        Hand('P');
        QCOMPARE(Shape(0)->BorderColor(), navy);
        QCOMPARE(Shape(1)->BorderColor(), red);
        NewShoe();
        Hand('B');
        QCOMPARE(Shape(0)->BorderColor(), red);
    }

    void naturalsAreOvals() {
        Settings().ShowNaturals = true;
        Hand('P', {}, 9, 2, true);
        Hand('P', {}, 7, 2, false);
        Settings().ShowNaturals = false;
        Hand('P', {}, 8, 2, true);
        QCOMPARE(Shape(0)->ShapeKind(), OutlineShape::Kind::Oval);
        QCOMPARE(Shape(1)->ShapeKind(), OutlineShape::Kind::Rectangle);
        QCOMPARE(Shape(2)->ShapeKind(), OutlineShape::Kind::Rectangle);
    }

    void longColumnGrowsTheCard() {
        MarkingCardWindow* card = TheMarkCard();
        Hands("BBBBBBBBB");
        QCOMPARE(card->SurfaceHeight(), 3210);
        Hand('B');
        QCOMPARE(card->SurfaceHeight(), 3510);
        QCOMPARE(card->Surface()->height(), Px(3510));
        Hand('B');
        QCOMPARE(card->SurfaceHeight(), 3810);
        CheckCell(10, 0, 11);
        auto* shape1 = card->findChild<OutlineShape*>(QStringLiteral("Shape1"));
        QCOMPARE(shape1->height(), Px(3810 - 45));
        // The vertical bar now reaches the whole card.
        auto* vScroll = card->findChild<QScrollBar*>(QStringLiteral("VScroll1"));
        QVERIFY(!vScroll->isHidden());
        QCOMPARE(vScroll->maximum(), 3810 - (Twips(card->height()) - 225));
    }

    void scrollBarsFollowTheWindow() {
        MarkingCardWindow* card = TheMarkCard();
        auto* hScroll = card->findChild<QScrollBar*>(QStringLiteral("HScroll1"));
        auto* vScroll = card->findChild<QScrollBar*>(QStringLiteral("VScroll1"));
        auto* corner = card->findChild<QWidget*>(QStringLiteral("ScrollCorner"));
        QVERIFY(hScroll && vScroll && corner);

        // Small window: both bars and the corner.
        card->resize(300, 150);
        const int sw = Twips(300), sh = Twips(150);
        QCOMPARE(hScroll->geometry(), QRect(0, Px(sh - 225), Px(sw - 225), Px(225)));
        QCOMPARE(vScroll->geometry(), QRect(Px(sw - 225), 0, Px(225), Px(sh - 225)));
        QVERIFY(!corner->isHidden());
        QCOMPARE(corner->pos(), QPoint(Px(sw - 225 - 15), Px(sh - 225 - 15)));
        QCOMPARE(hScroll->maximum(), 30000 - (sw - 225));
        QCOMPARE(vScroll->maximum(), 3210 - (sh - 225));
        QCOMPARE(hScroll->singleStep(), hScroll->maximum() / 16 + 1);
        QCOMPARE(hScroll->pageStep(), hScroll->maximum() / 4 + 1);
        QCOMPARE(vScroll->pageStep(), vScroll->maximum() / 4 + 1);
        // Scrolling moves the card to negative offsets.
        hScroll->setValue(4500);
        vScroll->setValue(600);
        QCOMPARE(card->Surface()->pos(), QPoint(-Px(4500), -Px(600)));

        // A window larger than the card: no bars, no corner.
        card->resize(Px(30000) + 40, Px(3210) + 40);
        QVERIFY(hScroll->isHidden());
        QVERIFY(vScroll->isHidden());
        QVERIFY(corner->isHidden());
        QCOMPARE(card->Surface()->pos(), QPoint(0, 0));

        // Design size: nine rows fit above the horizontal bar, so only that one shows.
        card->resize(700, Px(3210 + 225));
        QVERIFY(!hScroll->isHidden());
        QVERIFY(vScroll->isHidden());
        QCOMPARE(hScroll->width(), 700);
    }

    void cardGrowsInWidthBeyondNinetyColumns() {
        MarkingCardWindow* card = TheMarkCard();
        for (int i = 0; i < 100; ++i) {
            Hand(i % 2 ? 'P' : 'B');
        }
        QCOMPARE(TheMarking().MarkColumn, 99);
        CheckCell(99, 99, 1);
        QVERIFY(card->SurfaceWidth() >= 60 + 345 * 100 + 45);
        QCOMPARE(card->Surface()->width(), Px(card->SurfaceWidth()));
        QVERIFY(Shape(99)->geometry().right() < card->Surface()->width());
        QVERIFY(Letter(99));
        QCOMPARE(Letter(99)->text(), QStringLiteral("P"));
        QVERIFY(!Letter(99)->isHidden());
        auto* hScroll = card->findChild<QScrollBar*>(QStringLiteral("HScroll1"));
        QCOMPARE(hScroll->maximum(), card->SurfaceWidth() - Twips(card->width()));
        // The next shoe starts on a card of the design size.
        NewShoe();
        QCOMPARE(card->SurfaceWidth(), 30000);
        QVERIFY(!Letter(90));
    }

    void closedCardReopensWithEveryMark() {
        Hand('B', {0, 2, 0});
        Hand('T');
        Hand('P', {1, 0, 0}, 9, 2);
        Hand('P', {0, 1, 0});
        QPointer<MarkingCardWindow> first = TheMarkCard();
        first->Frame()->close();
        QVERIFY(!TheMarkCard());
        // Recording while closed re-opens the card with the whole shoe.
        Hand('B', {0, 0, 1});
        MarkingCardWindow* card = TheMarkCard();
        QVERIFY(card);
        QVERIFY(card != first.data());
        QCOMPARE(card->windowTitle(), QStringLiteral("Marking Card for PLAYER 1"));
        QVERIFY(!card->isHidden());
        CheckCell(0, 0, 1);
        CheckCell(1, 0, 2);
        CheckCell(2, 1, 1);
        CheckCell(3, 1, 2);
        CheckCell(4, 2, 1);
        QCOMPARE(Text(0)->text(), QStringLiteral("2"));
        QCOMPARE(Text(1)->text(), QString());
        QCOMPARE(Text(2)->text(), QStringLiteral("1"));
        QCOMPARE(TextColour(Text(3)), red);
        QCOMPARE(Shape(1)->BorderColor(), green);
        QCOMPARE(Letter(0)->text(), QStringLiteral("B"));
        QCOMPARE(Letter(2)->text(), QStringLiteral("B"));
        QCOMPARE(Total(0)->text(), QStringLiteral("2"));
        QCOMPARE(Total(1)->text(), QStringLiteral("2"));
        QCOMPARE(Total(2)->text(), QStringLiteral("1"));
        QCOMPARE(TextColour(Text(4)), red);
        // Its position was saved when it closed.
        QVERIFY(ReadIni(QStringLiteral("frmMarkCard"), QStringLiteral("Top")) != QStringLiteral("No"));
        QVERIFY(ReadIni(QStringLiteral("frmMarkCard"), QStringLiteral("Width")) != QStringLiteral(" 0"));
    }

    void cleanupTestCase() {
        if (MarkingCardWindow* card = TheMarkCard()) {
            card->Frame()->close();
        }
    }
};

QTEST_MAIN(MarkingCardWindowTest)
#include "MarkingCardWindowTest.moc"
