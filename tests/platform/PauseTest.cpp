#include "Pause.h"

#include "FastPause.h"

#include <cmath>
#include <sys/resource.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

using namespace bacc;

namespace {

double CpuMs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

// Milliseconds Pause(seconds) took, failing when it spun the processor.
qint64 Timed(double seconds) {
    const double cpuBefore = CpuMs();
    QElapsedTimer clock;
    clock.start();
    Pause(seconds);
    const qint64 waited = clock.elapsed();
    return CpuMs() - cpuBefore < 50 + static_cast<double>(waited) / 2 ? waited : -1;
}

} // namespace

class PauseTest : public QObject {
    Q_OBJECT

private slots:
    // Strictly longer than asked, whole milliseconds; nonsense durations return at once; events run.
    void waits() {
        int fired = 0;
        QTimer timer;
        connect(&timer, &QTimer::timeout, this, [&fired] { ++fired; });
        timer.start(20);
        const qint64 waited = Timed(0.3);
        QVERIFY2(waited >= 301 && waited < 3000, qPrintable(QString::number(waited)));
        QVERIFY2(fired >= 5, qPrintable(QString::number(fired)));
        QVERIFY(Timed(0.005) >= 6);
        QVERIFY(Timed(0) >= 1);
        for (const double seconds : {-1.0, -1e300, std::nan("")}) {
            QVERIFY(Timed(seconds) < 1000);
        }
    }

    // Last: once the application is told to quit, nested event loops refuse to run for the rest of
    // the process. Pause must then still wait, without spinning.
    void waitsWhileTheApplicationQuits() {
        QCoreApplication::exit(0);
        QVERIFY(Timed(0.3) >= 301);
    }
};

QTEST_GUILESS_MAIN(PauseTest)
#include "PauseTest.moc"
