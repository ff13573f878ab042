#include "Pause.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace bacc {

namespace {

PauseHook* activeHook = nullptr;

// No caller waits longer than a few seconds; a wild duration must not hang the program.
constexpr double LongestPauseSeconds = 60.0;

} // namespace

void SetPauseHook(PauseHook* hook) {
    activeHook = hook;
}

void Pause(double seconds) {
    if (activeHook != nullptr) {
        activeHook->Pause(seconds);
        return;
    }
    if (!(seconds > 0.0)) { // also catches NaN
        seconds = 0.0;
    }
    const double durationMs = std::min(seconds, LongestPauseSeconds) * 1000.0;

    QElapsedTimer clock;
    clock.start();
    // Whole elapsed milliseconds must exceed the duration: Pause(0.5) takes at least 501 ms, Pause(0)
    // at least one tick.
    while (static_cast<double>(clock.elapsed()) <= durationMs) {
        const auto remainingMs =
            static_cast<int>(std::floor(durationMs - static_cast<double>(clock.elapsed()))) + 1;
        bool waited = false;
        if (QCoreApplication::instance() != nullptr) {
            // A nested event loop sleeps until an event or the timer arrives, so the windows stay live
            // without the processor spinning.
            QEventLoop loop;
            QTimer timer;
            timer.setSingleShot(true);
            timer.setTimerType(Qt::PreciseTimer);
            QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
            timer.start(std::max(remainingMs, 1));
            waited = loop.exec() == 0;
        }
        if (!waited) {
            // No event loop to run (no application object, or it is quitting): just sleep.
            std::this_thread::sleep_for(std::chrono::milliseconds(std::max(remainingMs, 1)));
        }
    }
}

} // namespace bacc
