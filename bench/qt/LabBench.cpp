// The strategy lab window playing sessions of 8-deck shoes: the time from Run to the chart drawn, and the
// longest the window's event loop went without turning meanwhile.
// Usage: LabBench [SESSIONS [SHOES_PER_SESSION [ROUNDS [SYSTEM]]]] (default 10000 1 5 Martingale; SYSTEM
// is the index in the system box, 0 for Flat).
#include "IniFile.h"
#include "StrategyLabWindow.h"

#include <cstdio>
#include <cstdlib>

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("BACCARAT.INI"));
    QFile::copy(QStringLiteral(BACCARAT_BENCH_SOURCE_DIR "/resources/BACCARAT.INI"), ini);
    QFile(ini).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    bacc::SetIniPath(ini);

    bacc::StrategyLabWindow* lab = bacc::OpenStrategyLab();
    auto* system = lab->findChild<QComboBox*>(QStringLiteral("cboSystem"));
    system->setCurrentIndex(argc > 4 ? std::atoi(argv[4]) : 1);
    lab->findChild<QComboBox*>(QStringLiteral("cboDecks"))->setCurrentIndex(4);
    const int sessions = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int shoes = argc > 2 ? std::atoi(argv[2]) : 1;
    const int rounds = argc > 3 ? std::atoi(argv[3]) : 5;
    lab->findChild<QSpinBox*>(QStringLiteral("spnSessions"))->setValue(sessions);
    lab->findChild<QSpinBox*>(QStringLiteral("spnSessionShoes"))->setValue(shoes);
    for (int round = 1; round <= rounds; ++round) {
        bool done = false;
        QObject::connect(
            lab, &bacc::StrategyLabWindow::Finished, lab, [&] { done = true; }, Qt::SingleShotConnection);
        QElapsedTimer clock;
        clock.start();
        lab->cmdRun_Click();
        qint64 longestGap = 0;
        while (!done) {
            const qint64 before = clock.nsecsElapsed();
            QApplication::processEvents(QEventLoop::AllEvents, 1);
            longestGap = std::max(longestGap, clock.nsecsElapsed() - before);
        }
        std::printf("round %d: %d %s sessions of %d 8-deck shoes shown in %.0f ms; longest event-loop "
                    "gap %.1f ms\n",
                    round, sessions, qPrintable(system->currentText()), shoes,
                    static_cast<double>(clock.nsecsElapsed()) / 1e6, static_cast<double>(longestGap) / 1e6);
    }
    return 0;
}
