// Figures for play at the real table: how long a 90-hand deal on an eight-deck shoe takes to reach its
// message box (settings writes included), and how much processor a face-down hand uses while it waits
// for the player. Run under Xvfb or with QT_QPA_PLATFORM=offscreen.
#include "IniFile.h"
#include "MainWindow.h"
#include "MessageBox.h"
#include "Options.h"
#include "Pause.h"
#include "Shoe.h"
#include "TableWindow.h"

#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace bacc;

namespace {

class NoWait : public PauseHook {
public:
    void Pause(double) override { QCoreApplication::processEvents(); }
};

class FirstBoxTimer : public MessagePresenter {
public:
    QElapsedTimer clock;
    qint64 elapsedAtBox = -1;
    QString text;
    MsgResult Present(const MessageRequest& request, QWidget*) override {
        if (elapsedAtBox < 0) {
            elapsedAtBox = clock.elapsed();
            text = request.Text;
        }
        return MsgResult::Ok;
    }
};

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

} // namespace

// Usage: DealBench [PADDING_BYTES]: the shipped settings file, with that many bytes of other sections
// added at its end (a settings file grown large); prints the median of the deals last.
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const qint64 padding = argc > 1 ? QByteArray(argv[1]).toLongLong() : 0;
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("BACCARAT.INI"));
    QFile::copy(QStringLiteral(BACCARAT_BENCH_SOURCE_DIR "/resources/BACCARAT.INI"), ini);
    QFile::setPermissions(ini, QFile::ReadOwner | QFile::WriteOwner);
    if (padding > 0) {
        QFile file(ini);
        if (!file.open(QIODevice::Append)) {
            return 1;
        }
        QByteArray filler;
        for (int section = 0; filler.size() < padding; ++section) {
            filler += "\n[Padding" + QByteArray::number(section) + "]\n";
            for (int key = 0; key < 20 && filler.size() < padding; ++key) {
                filler += "Key" + QByteArray::number(key) + "= some value of a grown settings file\n";
            }
        }
        file.write(filler);
    }
    SetIniPath(ini);
    // Stakes large enough that five shoes of losses never refuse a bet.
    WriteIni(QStringLiteral("Player1Stats"), QStringLiteral("Steak"), QStringLiteral(" 1000000"));
    WriteIni(QStringLiteral("Player2Stats"), QStringLiteral("Steak"), QStringLiteral(" 1000000"));

    NoWait noWait;
    SetPauseHook(&noWait);
    FirstBoxTimer boxes;
    SetMessagePresenter(&boxes);
    Settings().Animation = false;
    Settings().Delay = false;
    FollowTheTableGame(); // the cards-dealt windows and the marking card follow the deals
    TheShoe().DeckCount = 8;

    TableWindow* table = OpenTable();
    if (!QTest::qWaitForWindowExposed(table)) {
        std::printf("the table did not appear\n");
        return 1;
    }
    std::printf("90-hand deals on an 8-deck shoe, both seats betting (ms to the message box), settings file "
                "of %lld bytes:\n",
                static_cast<long long>(QFileInfo(ini).size()));
    std::vector<qint64> rounds;
    for (int round = 0; round < 5; ++round) {
        table->findChild<QPushButton*>(QStringLiteral("maisyk"))->click();
        QTest::mouseClick(table->findChild<QWidget*>(QStringLiteral("lblBBetInc2(0)")), Qt::LeftButton);
        QTest::mouseClick(table->findChild<QWidget*>(QStringLiteral("lblPBetInc1(1)")), Qt::LeftButton);
        QTest::mouseClick(table->findChild<QWidget*>(QStringLiteral("lblTBetInc1(1)")), Qt::LeftButton);
        table->findChild<MaskedEdit*>(QStringLiteral("HandsAtaTime"))->SetDigits(QStringLiteral("90"));
        boxes.elapsedAtBox = -1;
        boxes.clock.start();
        table->findChild<QPushButton*>(QStringLiteral("duokkortos"))->click();
        std::printf("  round %d: %lld ms (\"%s\")\n", round + 1, static_cast<long long>(boxes.elapsedAtBox),
                    qPrintable(boxes.text));
        rounds.push_back(boxes.elapsedAtBox);
    }
    std::sort(rounds.begin(), rounds.end());

    // A face-down hand left waiting for three seconds with the real clock.
    table->findChild<QPushButton*>(QStringLiteral("maisyk"))->click();
    SetPauseHook(nullptr);
    Settings().CardFaceUp = false;
    QTimer::singleShot(3000, table, [table] {
        for (int slot = 0; slot < 6; ++slot) {
            if (QWidget* back = table->findChild<QWidget*>(QStringLiteral("pctCardBack(%1)").arg(slot));
                back && !back->isHidden()) {
                QTest::mouseClick(back, Qt::LeftButton);
            }
        }
    });
    // Keep revealing whatever the deal lays later.
    QTimer reveal;
    QObject::connect(&reveal, &QTimer::timeout, table, [table] {
        for (int slot = 0; slot < 6; ++slot) {
            if (QWidget* back = table->findChild<QWidget*>(QStringLiteral("pctCardBack(%1)").arg(slot));
                back && !back->isHidden()) {
                QTest::mouseClick(back, Qt::LeftButton);
            }
        }
    });
    QTimer::singleShot(3000, &reveal, [&reveal] { reveal.start(200); });
    const double cpuBefore = CpuSeconds();
    QElapsedTimer wall;
    wall.start();
    table->findChild<QPushButton*>(QStringLiteral("duokkortos"))->click();
    reveal.stop();
    const double seconds = static_cast<double>(wall.elapsed()) / 1000.0;
    const double cpu = CpuSeconds() - cpuBefore;
    std::printf("face-down hand waiting %.1f s: %.3f s of processor, %.2f %% of one core\n", seconds, cpu,
                100.0 * cpu / seconds);

    SetMessagePresenter(nullptr);
    table->close();
    std::printf("median 90-hand deal: %lld ms\n", static_cast<long long>(rounds[rounds.size() / 2]));
    return 0;
}
