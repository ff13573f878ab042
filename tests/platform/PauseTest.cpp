#include "Pause.h"

#include "FastPause.h"

#include <cmath>
#include <cstdio>
#include <sys/resource.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>
#include <QTimer>

using namespace bacc;

namespace {

const char* const NoApplicationVariable = "PAUSETEST_NO_APPLICATION";

double CpuMs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e6 +
            static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec)) /
           1e3;
}

// Without an application object: Pause sleeps. Prints the milliseconds waited.
int RunWithoutApplication() {
    QElapsedTimer clock;
    clock.start();
    Pause(0.2);
    std::printf("%lld\n", static_cast<long long>(clock.elapsed()));
    return 0;
}

} // namespace

class PauseTest : public QObject {
    Q_OBJECT

private slots:
    void waitsStrictlyLongerThanTheDuration() {
        QElapsedTimer clock;
        clock.start();
        Pause(0.5);
        const qint64 waited = clock.elapsed();
        QVERIFY2(waited >= 501, qPrintable(QString::number(waited)));
        QVERIFY2(waited < 5000, qPrintable(QString::number(waited)));

        clock.restart();
        Pause(0);
        QVERIFY(clock.nsecsElapsed() >= 1000000); // at least one millisecond tick
        clock.restart();
        Pause(0.005);
        QVERIFY(clock.elapsed() >= 6);
    }

    void nonsenseDurationsReturnAtOnce() {
        for (double seconds : {-1.0, -1e300, std::nan("")}) {
            QElapsedTimer clock;
            clock.start();
            Pause(seconds);
            QVERIFY(clock.elapsed() < 1000);
        }
    }

    void windowEventsRunDuringThePause() {
        int fired = 0;
        QTimer timer;
        connect(&timer, &QTimer::timeout, this, [&fired] { ++fired; });
        timer.start(20);
        bool posted = false;
        QMetaObject::invokeMethod(
            this, [&posted] { posted = true; }, Qt::QueuedConnection);
        const double cpuBefore = CpuMs();
        Pause(0.3);
        const double cpuUsed = CpuMs() - cpuBefore;
        QVERIFY(posted);
        QVERIFY2(fired >= 5, qPrintable(QString::number(fired)));
        // Not a spinning wait: far less processor time than the time waited.
        QVERIFY2(cpuUsed < 150, qPrintable(QString::number(cpuUsed)));
    }

    void aPauseInsideAPauseStillEnds() {
        bool innerDone = false;
        QTimer::singleShot(10, this, [&innerDone] {
            Pause(0.05);
            innerDone = true;
        });
        QElapsedTimer clock;
        clock.start();
        Pause(0.1);
        QVERIFY(innerDone);
        QVERIFY(clock.elapsed() >= 101);
    }

    void theHookReplacesTheWait() {
        QElapsedTimer clock;
        clock.start();
        {
            test::FastPause fast;
            int calls = 0;
            fast.SetOnPause([&calls](double) { ++calls; });
            Pause(5);
            Pause(0.5);
            QCOMPARE(fast.Durations(), (QList<double>{5, 0.5}));
            QCOMPARE(fast.Count(), 2);
            QCOMPARE(fast.Total(), 5.5);
            QCOMPARE(calls, 2);
        }
        QVERIFY(clock.elapsed() < 1000);
        clock.restart();
        Pause(0.02); // the real clock is back
        QVERIFY(clock.elapsed() >= 21);
    }

    void withoutAnApplicationItSleeps() {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(NoApplicationVariable, "1");
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForFinished(10000));
        QCOMPARE(child.exitCode(), 0);
        const int waited = child.readAllStandardOutput().trimmed().toInt();
        QVERIFY2(waited >= 201 && waited < 3000, qPrintable(QString::number(waited)));
    }

    // Last: once the application is told to quit, nested event loops refuse to run for the rest of
    // the process. Pause must then still wait, without spinning.
    void waitsWhileTheApplicationQuits() {
        QCoreApplication::exit(0);
        const double cpuBefore = CpuMs();
        QElapsedTimer clock;
        clock.start();
        Pause(0.3);
        QVERIFY(clock.elapsed() >= 301);
        QVERIFY2(CpuMs() - cpuBefore < 150, "the wait spun the processor");
    }
};

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsEmpty(NoApplicationVariable)) {
        return RunWithoutApplication();
    }
    QCoreApplication app(argc, argv);
    PauseTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "PauseTest.moc"
