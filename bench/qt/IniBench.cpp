// Timings of the settings file and of Pause: prints the figures, exits 0.
#include "IniFile.h"
#include "Pause.h"

#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>

using namespace bacc;

namespace {

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

QString ShippedDefaults() {
    return QFileInfo(QStringLiteral(__FILE__)).dir().filePath(QStringLiteral("../../resources/BACCARAT.INI"));
}

// What a session of play does to the file: per hand a few statistics written and options read.
void SettingsFileWorkload(const QString& directory, const char* label) {
    const QString path = QDir(directory).filePath(QStringLiteral("BACCARAT.INI"));
    QFile::remove(path);
    if (!QFile::copy(ShippedDefaults(), path)) {
        std::printf("cannot copy %s\n", qPrintable(ShippedDefaults()));
        return;
    }
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    SetIniPath(path);

    const char* const readKeys[][2] = {{"Card Options", "Card Face Up"},
                                       {"Deal", "Delay"},
                                       {"Deal", "Animation"},
                                       {"Player1Stats", "Steak"},
                                       {"Player2Stats", "Win"},
                                       {"Marking Options", "Show Score"},
                                       {"Shoe Size", "Decks"}};
    const char* const writeKeys[][2] = {{"ShoesHandsPlayed", "Hands"},
                                        {"Player1Stats", "Win"},
                                        {"Player1Stats", "Turnover"},
                                        {"Player2Stats", "Win"},
                                        {"Player2Stats", "Turnover"}};
    QElapsedTimer clock;
    clock.start();
    qint64 writeNs = 0;
    qint64 readNs = 0;
    int writes = 0;
    int reads = 0;
    for (int hand = 0; hand < 100; ++hand) {
        QElapsedTimer part;
        part.start();
        for (const auto& key : readKeys) {
            (void)ReadIni(QString::fromLatin1(key[0]), QString::fromLatin1(key[1]));
            ++reads;
        }
        readNs += part.nsecsElapsed();
        part.restart();
        for (const auto& key : writeKeys) {
            WriteIni(QString::fromLatin1(key[0]), QString::fromLatin1(key[1]),
                     QStringLiteral(" %1").arg(hand * 5));
            ++writes;
        }
        writeNs += part.nsecsElapsed();
    }
    const double totalMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    std::printf(
        "settings file on %-28s %d writes + %d reads: %7.1f ms (write %.3f ms each, read %.3f ms each)  "
        "target < 150 ms\n",
        label, writes, reads, totalMs, static_cast<double>(writeNs) / 1e6 / writes,
        static_cast<double>(readNs) / 1e6 / reads);
}

// One hand's statistics written as five single writes and as one batch of the same five values, taken
// in turns so that both see the same disk; medians of 200 hands each.
void BatchAgainstSingleWrites(const QString& directory, const char* label) {
    const QString path = QDir(directory).filePath(QStringLiteral("BACCARAT.INI"));
    QFile::remove(path);
    if (!QFile::copy(ShippedDefaults(), path)) {
        return;
    }
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    SetIniPath(path);
    const char* const keys[][2] = {{"Player1Stats", "Win"},
                                   {"Player1Stats", "Turnover"},
                                   {"Player2Stats", "Win"},
                                   {"Player2Stats", "Turnover"},
                                   {"ShoesHandsPlayed", "Hands"}};
    std::vector<double> singles;
    std::vector<double> batches;
    for (int hand = 0; hand < 200; ++hand) {
        QElapsedTimer clock;
        clock.start();
        for (const auto& key : keys) {
            WriteIni(QString::fromLatin1(key[0]), QString::fromLatin1(key[1]),
                     QStringLiteral(" %1").arg(hand));
        }
        singles.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        std::vector<IniValue> batch;
        for (const auto& key : keys) {
            batch.push_back(
                {QString::fromLatin1(key[0]), QString::fromLatin1(key[1]), QStringLiteral(" %1").arg(-hand)});
        }
        clock.restart();
        WriteIniValues(batch);
        batches.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    std::sort(singles.begin(), singles.end());
    std::sort(batches.begin(), batches.end());
    std::printf("one hand's 5 values on %-28s 5 single writes: median %.3f ms; one batch: median %.3f ms\n",
                label, singles[singles.size() / 2], batches[batches.size() / 2]);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);

    QTemporaryDir beside(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("inibench-XXXXXX")));
    SettingsFileWorkload(beside.path(), "the build disk:");
    BatchAgainstSingleWrites(beside.path(), "the build disk:");
    if (QFileInfo(QStringLiteral("/dev/shm")).isDir()) {
        QTemporaryDir memory(QStringLiteral("/dev/shm/inibench-XXXXXX"));
        SettingsFileWorkload(memory.path(), "a memory file system:");
        BatchAgainstSingleWrites(memory.path(), "a memory file system:");
    }
    if (qEnvironmentVariableIsSet("INIBENCH_SETTINGS_ONLY")) {
        return 0;
    }

    // Pause(2): processor time used while the window system stays live (a timer keeps firing).
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
    ticker.start(50);
    const double cpuBefore = CpuSeconds();
    QElapsedTimer clock;
    clock.start();
    Pause(2);
    const double elapsed = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    const double cpu = CpuSeconds() - cpuBefore;
    ticker.stop();
    std::printf(
        "Pause(2): %.3f s elapsed, %.1f ms processor time = %.2f %% of one core (target < 2 %%), %d timer "
        "events handled\n",
        elapsed, cpu * 1000, 100 * cpu / elapsed, ticks);

    std::vector<double> waits;
    for (int i = 0; i < 10; ++i) {
        clock.restart();
        Pause(0.5);
        waits.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    std::sort(waits.begin(), waits.end());
    std::printf("Pause(0.5) x10: shortest %.2f ms, median %.2f ms, longest %.2f ms (target >= 501, < 521)\n",
                waits.front(), waits[waits.size() / 2], waits.back());
    std::vector<double> zero;
    for (int i = 0; i < 20; ++i) {
        clock.restart();
        Pause(0);
        zero.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    std::sort(zero.begin(), zero.end());
    std::printf("Pause(0) x20: shortest %.3f ms, longest %.3f ms\n", zero.front(), zero.back());
    return 0;
}
