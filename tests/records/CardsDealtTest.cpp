// The cards-dealt list and count as the shoe fills them: switched off and on in mid-shoe, closed by the
// user, and laid out so that whole lines show. The lines themselves are the engine's (ShoeTest).
#include "CardsDealtWindow.h"
#include "Options.h"
#include "Shoe.h"
#include "TempSettings.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QListWidget>
#include <QTest>

using namespace bacc;

namespace {

QStringList Items(const QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) {
        items.append(list->item(i)->text());
    }
    return items;
}

// What the two windows must show of the shoe: every card out, and the count of each rank.
QStringList ShoeLines() {
    QStringList lines;
    for (int p = 0; p < TheShoe().CardsOut; ++p) {
        lines.append(QString::fromStdString(ToString(TheShoe().CardListText[static_cast<std::size_t>(p)])));
    }
    return lines;
}
QStringList CountLines() {
    QStringList lines;
    for (const DealtCountRow& row : TheShoe().DealtCountTable) {
        lines.append(QString::fromStdString(CountRowText(row)));
    }
    return lines;
}

} // namespace

class CardsDealtTest : public QObject {
    Q_OBJECT

    test::TempSettings settings_; // a copy of the shipped defaults

    CardsDealtWindows& Windows() { return TheCardsDealtWindows(); }
    QListWidget* List() { return Windows().ListWindow()->List(); }
    QListWidget* CountList() { return Windows().CountWindow()->List(); }
    static void StartShoe() {
        TheShoe().DeckCount = 1;
        TheShoe().StartShoe();
    }
    // Both windows show the shoe as it stands, the list scrolled to its last card.
    void CheckShowsTheShoe() {
        QVERIFY(Windows().ListWindow()->isVisible() && Windows().CountWindow()->isVisible());
        QCOMPARE(Items(List()), ShoeLines());
        QCOMPARE(Items(CountList()), CountLines());
        QCOMPARE(List()->currentRow(), List()->count() - 1);
        QCoreApplication::processEvents(); // the list scrolls once the cards of the moment are in
        QVERIFY(
            List()->viewport()->rect().intersects(List()->visualItemRect(List()->item(List()->count() - 1))));
    }

private slots:
    void initTestCase() {
        TheShoe().SetListener(&Windows());
        TheShoe().SetSeed(20261206);
    }
    void init() { Settings().CardsDealt = Settings().CardsDealtCount = true; }

    void aWholeLineAndEveryRowAreInView() {
        StartShoe();
        CheckShowsTheShoe();
        // A fixed pitch, so that the markers of column 15 line up, and room for the longest line.
        const QFontMetrics metrics(List()->font());
        QCOMPARE(metrics.horizontalAdvance("Queen Diamond "), metrics.horizontalAdvance("1 Spade       "));
        QVERIFY(metrics.horizontalAdvance("Queen Diamond <-Burnt") <= List()->viewport()->width() - 6);
        // All thirteen rows of the count at once, none cut short.
        QListWidget* count = CountList();
        QVERIFY(count->visualItemRect(count->item(12)).bottom() < count->viewport()->height());
        QVERIFY(QFontMetrics(count->font()).horizontalAdvance("Queen8  8  8  8") <=
                count->viewport()->width() - 6);
    }

    void switchedOffAndOnInMidShoe() {
        StartShoe();
        Shoe& shoe = TheShoe();
        shoe.DealHand();
        shoe.DealHand();
        Windows().SetCardsDealtOption(false);
        Windows().SetCardsDealtCountOption(false);
        QVERIFY(!Windows().ListWindow()->isVisible() && !Windows().CountWindow()->isVisible());
        const int shown = List()->count();
        shoe.DealHand();
        shoe.DealHand();
        QCOMPARE(List()->count(), shown); // no list work while off
        Windows().SetCardsDealtOption(true);
        Windows().SetCardsDealtCountOption(true);
        CheckShowsTheShoe();
        shoe.DealHand(); // appending goes on from there
        CheckShowsTheShoe();
        // On again without the menu's rebuild: the first card of the next hand rebuilds the list, and
        // that card must be in it once.
        Windows().SetCardsDealtOption(false);
        shoe.DealHand();
        Settings().CardsDealt = true;
        shoe.DealHand();
        CheckShowsTheShoe();
        // A new shoe empties the list.
        StartShoe();
        CheckShowsTheShoe();
    }

    void aListClosedByTheUserComesBackWithTheWholeShoe() {
        StartShoe();
        TheShoe().DealHand();
        CardsDealtWindow* first = Windows().ListWindow();
        first->Frame()->move(40, 20);
        first->Frame()->close();
        QVERIFY(!Windows().ListWindow());
        // The next card re-creates the window at its saved place with the whole shoe.
        TheShoe().DealHand();
        QVERIFY(Windows().ListWindow() != first);
        QCOMPARE(Windows().ListWindow()->Frame()->pos(), QPoint(40, 20));
        CheckShowsTheShoe();
    }
};

QTEST_MAIN(CardsDealtTest)
#include "CardsDealtTest.moc"
