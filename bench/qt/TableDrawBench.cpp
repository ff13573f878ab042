// Figures for the table's drawing: how long the card pictures take to draw, how long one step of the
// deal's card flight takes to repaint (the flight waits 5 ms a step, so a repaint well under that keeps
// its pace), and how long a whole flight to slot 0 lasts with the real Pause. Run under Xvfb or with
// QT_QPA_PLATFORM=offscreen; QT_SCALE_FACTOR=2 gives the figures of a high-density screen.
#include "CardImages.h"
#include "IniFile.h"
#include "TableWindow.h"
#include "Twips.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

using namespace bacc;

namespace {

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("BACCARAT.INI"));
    QFile file(ini);
    if (file.open(QIODevice::WriteOnly)) {
        file.write("[Player1Stats]\nSteak= 1000\n");
        file.close();
    }
    SetIniPath(ini);
    const qreal ratio = app.devicePixelRatio();

    QElapsedTimer clock;
    std::vector<double> sets;
    for (int run = 0; run < 5; ++run) {
        clock.start();
        for (int index = 1; index <= CardImageCount; ++index) {
            const QPixmap image = RenderCardImage(index, ratio);
            (void)image;
        }
        sets.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::printf("pixel ratio %.2f\n", ratio);
    std::printf("all 53 card pictures drawn: median %.2f ms\n", Median(sets));

    TableWindow* table = OpenTable();
    app.processEvents();
    std::vector<double> steps;
    PictureBox* flyer = table->pctCardBackMove;
    flyer->show();
    flyer->raise();
    for (int i = 1; i <= 26 * 8; ++i) {
        const int step = (i - 1) % 26 + 1;
        clock.start();
        flyer->move(TwipsPoint(4950 - 180 * step, -1500 + 147 * step));
        QCoreApplication::processEvents(); // repaints what the move uncovered and covered
        steps.push_back(clock.nsecsElapsed() / 1e6);
    }
    flyer->hide();
    flyer->move(TwipsPoint(TableWindow::FlightLeft, TableWindow::FlightTop));
    std::vector<double> whole;
    for (int run = 0; run < 20; ++run) {
        clock.start();
        table->repaint();
        whole.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::printf("whole table repainted: median %.3f ms\n", Median(whole));
    std::printf("one flight step repainted: median %.3f ms, worst %.3f ms\n", Median(steps),
                *std::max_element(steps.begin(), steps.end()));

    std::vector<double> flights;
    for (int run = 0; run < 3; ++run) {
        clock.start();
        table->FlyCardToSlot(0);
        flights.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::printf("flight to slot 0 (26 steps of at least 5 ms): median %.1f ms\n", Median(flights));
    delete table;
    return 0;
}
