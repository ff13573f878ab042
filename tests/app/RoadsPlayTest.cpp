// A whole eight-deck shoe dealt through the real table, then the roads window opened on it: every road
// shows its own newest columns in whole cells, and the board grows with the window.
#include "FastPause.h"
#include "Marking.h"
#include "MarkingCardWindow.h"
#include "MaskedEdit.h"
#include "Options.h"
#include "RecordingPresenter.h"
#include "RoadsWindow.h"
#include "Shoe.h"
#include "TableWindow.h"
#include "TempSettings.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

namespace bacc {

class RoadsPlayTest : public QObject {
    Q_OBJECT

    // Each road and its scroll bar.
    static constexpr std::pair<RoadsWindow::Road, const char*> Bars[] = {
        {RoadsWindow::BeadPlate, "hsbBeadPlate"},
        {RoadsWindow::BigRoad, "hsbBigRoad"},
        {RoadsWindow::BigEyeBoy, "hsbBigEyeBoy"},
        {RoadsWindow::SmallRoad, "hsbSmallRoad"},
        {RoadsWindow::CockroachPig, "hsbCockroachPig"}};

    // Each road shows whole cells inside the board, and its newest column with the one after it.
    static void ExpectNewestColumnsInView(RoadsWindow* window) {
        QWidget* board = window->findChild<QWidget*>(QStringLiteral("RoadsBoard"));
        for (const auto& [road, name] : Bars) {
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

private slots:
    void aWholeShoeKeepsEveryRoadsNewestColumnsInView() {
        test::TempSettings settings;
        test::RecordingPresenter boxes;
        test::FastPause clock;
        Settings().Animation = Settings().Delay = false;
        Settings().CardFaceUp = true;
        TheShoe().DeckCount = 8;
        TheShoe().SetShoeSeed(21, 1);
        TableWindow* table = OpenTable();
        table->findChild<QPushButton*>(QStringLiteral("maisyk"))->click();
        table->findChild<MaskedEdit*>(QStringLiteral("HandsAtaTime"))->SetDigits(QStringLiteral("90"));
        table->findChild<QPushButton*>(QStringLiteral("duokkortos"))->click();
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

        const RoadTrends trends = WeighTrends(roads);
        QCOMPARE(window->findChild<QLabel*>(QStringLiteral("lblBankerRun"))->text(),
                 QString::number(trends.LongestBanker));
        window->Frame()->close();
        table->DealInProgress = false;
        if (MarkingCardWindow* card = TheMarkCard()) {
            card->close();
        }
        table->close();
    }
};

} // namespace bacc

QTEST_MAIN(bacc::RoadsPlayTest)
#include "RoadsPlayTest.moc"
