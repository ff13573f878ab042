#include "CardsDealtWindow.h"
#include "IniFile.h"
#include "Options.h"
#include "Shoe.h"
#include "TempSettings.h"
#include "Twips.h"

#include <numeric>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QTest>

using namespace bacc;

namespace {

// Queen of diamonds: block of diamonds starts at 26, the queen is its twelfth card.
constexpr CardId QueenOfDiamonds = 26 + 11;

// A one-deck order with the given card first and the rest in id order.
std::vector<CardId> OrderStartingWith(CardId first) {
    std::vector<CardId> order{first};
    for (CardId id = 0; id < 52; ++id) {
        if (id != first) {
            order.push_back(id);
        }
    }
    return order;
}

QStringList Items(const QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) {
        items.append(list->item(i)->text());
    }
    return items;
}

// What a complete list of the shoe holds: every card with a list line.
QStringList ShoeLines() {
    QStringList lines;
    const Shoe& shoe = TheShoe();
    for (int p = 0; p < shoe.CardsOut; ++p) {
        lines.append(QString::fromStdString(ToString(shoe.CardListText[static_cast<std::size_t>(p)])));
    }
    return lines;
}

} // namespace

class CardsDealtTest : public QObject {
    Q_OBJECT

private:
    test::TempSettings settings_; // a copy of the shipped defaults

    CardsDealtWindows& Windows() { return TheCardsDealtWindows(); }
    QListWidget* List() { return Windows().ListWindow() ? Windows().ListWindow()->List() : nullptr; }
    QListWidget* CountList() { return Windows().CountWindow() ? Windows().CountWindow()->List() : nullptr; }

    void StartShoe(std::optional<CardId> first = std::nullopt) {
        Shoe& shoe = TheShoe();
        shoe.DeckCount = 1;
        if (first) {
            shoe.StackNextShoe(OrderStartingWith(*first));
        }
        shoe.StartShoe();
    }

    // The list shows the last entry, and that entry lies inside the visible part of the list.
    void CheckScrolledToEnd(QListWidget* list) {
        QCOMPARE(list->currentRow(), list->count() - 1);
        QCoreApplication::processEvents(); // the list scrolls once the cards of the moment are in
        const QRect last = list->visualItemRect(list->item(list->count() - 1));
        QVERIFY(list->viewport()->rect().intersects(last));
    }

private slots:
    void initTestCase() {
        QVERIFY(!settings_.Contents().isEmpty());
        TheShoe().SetListener(&Windows());
        TheShoe().SetSeed(20261206);
    }

    void init() {
        Settings().CardsDealt = true;
        Settings().CardsDealtCount = true;
    }

    // Before the first shoe the table names its ranks and counts nothing.
    void countBeforeTheFirstShoe() {
        Windows().SetCardsDealtCountOption(true);
        QListWidget* count = CountList();
        QVERIFY(count);
        QCOMPARE(count->count(), 13);
        QCOMPARE(count->item(0)->text(), QStringLiteral("1    0  0  0  0      "));
        QCOMPARE(count->item(11)->text(), QStringLiteral("Queen0  0  0  0      "));
    }

    void burntQueenOfDiamonds() {
        StartShoe(QueenOfDiamonds);
        QListWidget* list = List();
        QVERIFY(list);
        // The queen and ten more are burnt.
        QCOMPARE(list->count(), 11);
        QCOMPARE(list->item(0)->text(), QStringLiteral("Queen Diamond <-Burnt"));
        QCOMPARE(list->item(0)->text().size(), 21);
        QCOMPARE(list->item(1)->text(), QStringLiteral("1 Spade       <-Burnt"));
        CheckScrolledToEnd(list);
        QVERIFY(Windows().CardsDealtListCurrent());

        QListWidget* count = CountList();
        QVERIFY(count);
        QCOMPARE(count->count(), 13);
        QCOMPARE(count->item(11)->text(), QStringLiteral("Queen0  0  1  0      "));
        QCOMPARE(count->item(0)->text(), QStringLiteral("1    1  0  0  0      "));
        QCOMPARE(count->item(9)->text(), QStringLiteral("10   1  0  0  0      "));
        QCOMPARE(count->item(12)->text(), QStringLiteral("King 0  0  0  0      "));
    }

    void windowsAsDesigned() {
        StartShoe();
        CardsDealtWindow* listWindow = Windows().ListWindow();
        CardsDealtCountWindow* countWindow = Windows().CountWindow();
        QVERIFY(listWindow && countWindow);
        QCOMPARE(listWindow->windowTitle(), QStringLiteral("      Cards Dealt"));
        QCOMPARE(countWindow->windowTitle(), QStringLiteral("    Cards Dealt Count"));
        // At its design place, and at least as wide as designed: wide enough for a whole burnt line.
        const QRect listBox = List()->geometry();
        QCOMPARE(listBox.topLeft(), TwipsPoint(45, 45));
        QCOMPARE(listBox.height(), Px(2955));
        QVERIFY(listBox.width() >= Px(1845));
        QVERIFY(QFontMetrics(List()->font()).horizontalAdvance(QStringLiteral("Queen Diamond <-Burnt")) <=
                List()->viewport()->width() - 6);
        QVERIFY(listWindow->width() >= listBox.right() + Px(45));
        QCOMPARE(CountList()->geometry(), TwipsRect(30, 450, 2055, 2565));
        // A fixed pitch: the markers of column 15 line up whatever the card's name.
        for (QListWidget* list : {List(), CountList()}) {
            const QFontMetrics metrics(list->font());
            QCOMPARE(metrics.horizontalAdvance(QStringLiteral("Queen Diamond ")),
                     metrics.horizontalAdvance(QStringLiteral("1 Spade       ")));
        }
        const struct {
            const char* name;
            const char* caption;
            int left, top;
        } headings[] = {{"Label1", "Spade", 570, 0},
                        {"Label2", "Club", 960, 210},
                        {"Label3", "Diamond", 1170, 0},
                        {"Label4", "Heart", 1620, 210}};
        for (const auto& h : headings) {
            auto* label = countWindow->findChild<QLabel*>(QString::fromLatin1(h.name));
            QVERIFY(label);
            QCOMPARE(label->text(), QString::fromLatin1(h.caption));
            QCOMPARE(label->pos(), TwipsPoint(h.left, h.top));
        }
        QVERIFY(listWindow->isVisible());
        QVERIFY(countWindow->isVisible());
        // All thirteen rows of the count table in view at once, none cut short.
        QListWidget* count = CountList();
        const QRect lastRow = count->visualItemRect(count->item(12));
        QVERIFY(lastRow.bottom() < count->viewport()->height());
        QVERIFY(QFontMetrics(count->font()).horizontalAdvance(count->item(11)->text().trimmed()) <=
                count->viewport()->width() - 6);
        QCOMPARE(count->textElideMode(), Qt::ElideNone);
    }

    void oneDeckShoeToItsEnd() {
        StartShoe();
        Shoe& shoe = TheShoe();
        int hands = 0;
        while (!shoe.EndOfShoe) {
            shoe.DealHand();
            ++hands;
        }
        QVERIFY(hands >= 5);
        const int firstUndealt = shoe.NextCard;
        shoe.RecordUndealtRest();

        QListWidget* list = List();
        QCOMPARE(list->count(), 52);
        QCOMPARE(Items(list), ShoeLines());
        for (int p = firstUndealt; p < 52; ++p) {
            QCOMPARE(list->item(p)->text().mid(14), QStringLiteral("<-End  "));
        }
        QVERIFY(!list->item(firstUndealt - 1)->text().contains(QStringLiteral("<-")));
        CheckScrolledToEnd(list);
        QListWidget* count = CountList();
        QCOMPARE(count->count(), 13);
        for (int row = 0; row < 13; ++row) {
            const QString text = count->item(row)->text();
            QCOMPARE(text.size(), 21);
            for (int column : {5, 8, 11, 14}) {
                QCOMPARE(text.at(column), QChar(u'1'));
            }
        }
    }

    void newShoeEmptiesACurrentList() {
        StartShoe();
        TheShoe().DealHand();
        StartShoe(QueenOfDiamonds);
        QCOMPARE(List()->count(), 11);
        QCOMPARE(Items(List()), ShoeLines());
    }

    void switchedOffAndOnInMidShoe() {
        StartShoe();
        Shoe& shoe = TheShoe();
        shoe.DealHand();
        shoe.DealHand();
        Windows().SetCardsDealtOption(false);
        QVERIFY(!Settings().CardsDealt);
        QVERIFY(!Windows().CardsDealtListCurrent());
        QVERIFY(!Windows().ListWindow()->isVisible());
        const int shown = List()->count();
        shoe.DealHand();
        shoe.DealHand();
        QCOMPARE(List()->count(), shown); // no list work while off
        Windows().SetCardsDealtOption(true);
        QVERIFY(Windows().ListWindow()->isVisible());
        QVERIFY(Windows().CardsDealtListCurrent());
        QCOMPARE(Items(List()), ShoeLines());
        CheckScrolledToEnd(List());
        // Appending goes on from there.
        shoe.DealHand();
        QCOMPARE(Items(List()), ShoeLines());
    }

    void optionOnAgainDuringADealRebuildsEveryCard() {
        // The option comes back on without the menu's rebuild: the first card of the next hand rebuilds
        // the list, and that card must be in it exactly once.
        StartShoe();
        Shoe& shoe = TheShoe();
        Windows().SetCardsDealtOption(false);
        shoe.DealHand();
        Settings().CardsDealt = true;
        shoe.DealHand();
        QCOMPARE(Items(List()), ShoeLines());
        QCOMPARE(List()->count(), shoe.NextCard);
    }

    void countWindowFollowsItsOption() {
        StartShoe();
        Windows().SetCardsDealtCountOption(false);
        QVERIFY(!Windows().CountWindow()->isVisible());
        TheShoe().DealHand(); // no count redraw while off
        Windows().SetCardsDealtCountOption(true);
        QVERIFY(Windows().CountWindow()->isVisible());
        int counted = 0;
        for (int row = 0; row < 13; ++row) {
            const QString text = CountList()->item(row)->text();
            for (int column : {5, 8, 11, 14}) {
                counted += text.at(column).digitValue();
            }
        }
        QCOMPARE(counted, TheShoe().CardsOut);
    }

    void closeBoxThenFullRebuild() {
        StartShoe();
        Shoe& shoe = TheShoe();
        shoe.DealHand();
        CardsDealtWindow* first = Windows().ListWindow();
        first->Frame()->move(Px(600), Px(300));
        first->Frame()->close();
        QVERIFY(!Windows().ListWindow());
        QVERIFY(!Windows().CardsDealtListCurrent());
        QCOMPARE(ReadIni(QStringLiteral("frmCardsDealt"), QStringLiteral("Left")), QStringLiteral(" 600"));
        QCOMPARE(ReadIni(QStringLiteral("frmCardsDealt"), QStringLiteral("Top")), QStringLiteral(" 300"));
        // The next card re-creates the window at its saved place with the whole shoe.
        shoe.DealHand();
        QVERIFY(Windows().ListWindow());
        QVERIFY(Windows().ListWindow() != first);
        QCOMPARE(Windows().ListWindow()->Frame()->pos(), QPoint(Px(600), Px(300)));
        QCOMPARE(Items(List()), ShoeLines());
        QVERIFY(Windows().CardsDealtListCurrent());
    }

    void closeWindowsSavesBoth() {
        StartShoe();
        Windows().CountWindow()->Frame()->move(Px(1500), Px(45));
        Windows().CloseWindows();
        QVERIFY(!Windows().ListWindow());
        QVERIFY(!Windows().CountWindow());
        QCOMPARE(ReadIni(QStringLiteral("frmCardsDealtCount"), QStringLiteral("Left")),
                 QStringLiteral(" 1500"));
        QCOMPARE(ReadIni(QStringLiteral("frmCardsDealtCount"), QStringLiteral("Top")), QStringLiteral(" 45"));
    }
};

QTEST_MAIN(CardsDealtTest)
#include "CardsDealtTest.moc"
