// The strategy lab window running 50 studies one after another (Martingale, 500 sessions of 20 shoes,
// so a curve of about 1,600 hands): the resident memory and the bytes allocated after the 1st, the 12th
// and each tenth study. Both stay flat once the first studies have sized the chart and the allocator.
#include "IniFile.h"
#include "StrategyLabWindow.h"

#include <cstdio>
#include <fstream>
#include <malloc.h>
#include <string>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QSpinBox>
#include <QTemporaryDir>

namespace {

double ResidentMegabytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stod(line.substr(6)) / 1024.0;
        }
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("BACCARAT.INI"));
    QFile::copy(QStringLiteral(BACCARAT_BENCH_SOURCE_DIR "/resources/BACCARAT.INI"), ini);
    QFile(ini).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    bacc::SetIniPath(ini);

    bacc::StrategyLabWindow* lab = bacc::OpenStrategyLab();
    lab->findChild<QComboBox*>(QStringLiteral("cboSystem"))->setCurrentIndex(1);
    lab->findChild<QSpinBox*>(QStringLiteral("spnSessions"))->setValue(500);
    lab->findChild<QSpinBox*>(QStringLiteral("spnSessionShoes"))->setValue(20);
    lab->findChild<QSpinBox*>(QStringLiteral("spnMaximum"))->setValue(500);
    std::printf("before the first study: %.1f MB resident, %.1f MB allocated\n", ResidentMegabytes(),
                static_cast<double>(mallinfo2().uordblks) / (1024.0 * 1024.0));
    for (int study = 1; study <= 50; ++study) {
        bool done = false;
        QObject::connect(
            lab, &bacc::StrategyLabWindow::Finished, lab, [&] { done = true; }, Qt::SingleShotConnection);
        lab->cmdRun_Click();
        while (!done) {
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        // The chart is drawn as the user would see it before the next study starts.
        lab->grab();
        if (study == 1 || study == 12 || study % 10 == 0) {
            std::printf("after study %2d: %.1f MB resident, %.1f MB allocated\n", study, ResidentMegabytes(),
                        static_cast<double>(mallinfo2().uordblks) / (1024.0 * 1024.0));
            std::fflush(stdout);
        }
    }
    return 0;
}
