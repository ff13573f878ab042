#include "FastPause.h"

#include <QCoreApplication>

namespace bacc::test {

FastPause::FastPause() {
    SetPauseHook(this);
}

FastPause::~FastPause() {
    SetPauseHook(nullptr);
}

void FastPause::Pause(double seconds) {
    durations_.append(seconds);
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    if (onPause_) {
        onPause_(seconds);
    }
}

double FastPause::Total() const {
    double total = 0.0;
    for (double seconds : durations_) {
        total += seconds;
    }
    return total;
}

} // namespace bacc::test
