// The trainer windows follow the running shoe through the table's events, and come back whole when
// they are opened again in mid-shoe.
#include "GameEvents.h"
#include "Marking.h"
#include "RoadsWindow.h"
#include "Shoe.h"
#include "ShoeOddsWindow.h"
#include "TempSettings.h"

#include <QLabel>
#include <QTest>

namespace bacc {

class TrainerWindowsTest : public QObject {
    Q_OBJECT

    static QString Text(QWidget* window, const char* name) {
        return window->findChild<QLabel*>(QLatin1String(name))->text();
    }
    static bool Favoured(QWidget* window, const char* name) {
        return window->findChild<QLabel*>(QLatin1String(name))->property("favoured").toBool();
    }
    // A one-deck shoe whose last ten cards are all worth zero: every hand left is a tie.
    static void StartShoeEndingInZeros() {
        std::vector<CardId> order;
        std::vector<CardId> zeros;
        for (CardId id = 0; id < 52; ++id) {
            (id % 13 >= 9 ? zeros : order).push_back(id);
        }
        order.insert(order.end(), zeros.begin(), zeros.end());
        Shoe& shoe = TheShoe();
        shoe.DeckCount = 1;
        shoe.StackNextShoe(order);
        shoe.StartShoe();
    }
    static void Record(const char* results) {
        MarkingState& marking = TheMarking();
        for (const char* r = results; *r; ++r) {
            ++marking.HandNumber;
            Mark mark;
            mark.Result = *r;
            marking.Marks.push_back(mark);
            emit GameEvents::Instance().HandRecorded();
        }
    }

private slots:
    void oddsFollowTheShoeAndPointOutAFavouredBet() {
        test::TempSettings settings;
        StartShoeEndingInZeros();
        ShoeOddsWindow* window = OpenShoeOdds();
        const int burnt = TheShoe().NextCard;
        QCOMPARE(Text(window, "lblCardsLeft"), QString::number(52 - burnt));
        QVERIFY(!Favoured(window, "lblBankerValue") && !Favoured(window, "lblTieValue"));

        TheShoe().NextCard = 52 - 10; // only the zeros are left
        emit GameEvents::Instance().HandRecorded();
        QCOMPARE(Text(window, "lblCardsLeft"), QStringLiteral("10"));
        QCOMPARE(Text(window, "lblTieChance"), QStringLiteral("100.00 %"));
        QCOMPARE(Text(window, "lblTieValue"), QStringLiteral("+800.00 %"));
        QVERIFY(Favoured(window, "lblTieValue"));
        QVERIFY(!Favoured(window, "lblBankerValue"));
        QCOMPARE(Text(window, "lblBankerValue"), QStringLiteral("0.00 %")); // a push

        // Too few cards for a whole hand: no odds rather than odds of a hand the table never deals.
        TheShoe().NextCard = 52 - 5;
        emit GameEvents::Instance().HandRecorded();
        QCOMPARE(Text(window, "lblTieChance"), QStringLiteral("-"));
        QVERIFY(!Favoured(window, "lblTieValue"));
        window->Frame()->close();
    }

    void roadsAreDrawnFromTheShoesResultsAndComeBackWhole() {
        test::TempSettings settings;
        TheShoe().DeckCount = 8;
        TheShoe().StartShoe();
        TheMarking().ResetForNewShoe(true);
        RoadsWindow* window = OpenRoads();
        emit GameEvents::Instance().ShoeStarted();
        QCOMPARE(window->Drawn().BeadPlate.Cells.size(), std::size_t{0});
        Record("TBBPT");
        QCOMPARE(window->Results(), std::string("TBBPT"));
        QCOMPARE(window->Drawn().BigRoadColumns.size(), std::size_t{2});
        QCOMPARE(window->Drawn().BeadPlate.Cells.size(), std::size_t{5});
        window->Frame()->close();
        QTRY_VERIFY(TheRoads() == nullptr);

        Record("PPP"); // dealt while the window was closed
        window = OpenRoads();
        QCOMPARE(window->Results(), std::string("TBBPTPPP"));
        QCOMPARE(window->Drawn().BigRoadColumns.back().Length(), 4);
        window->Frame()->close();
    }
};

} // namespace bacc

QTEST_MAIN(bacc::TrainerWindowsTest)
#include "TrainerWindowsTest.moc"
