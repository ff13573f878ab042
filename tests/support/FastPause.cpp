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

} // namespace bacc::test
