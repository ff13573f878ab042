#pragma once

#include "Pause.h"

#include <functional>

#include <QList>

namespace bacc::test {

// Replaces the real wait: records every duration asked for, processes pending events once (so posted
// work and repaints still happen) and optionally runs a callback, for example to reveal cards while a
// deal waits. Installs itself on construction and restores the real clock when destroyed.
class FastPause : public PauseHook {
public:
    FastPause();
    ~FastPause() override;
    FastPause(const FastPause&) = delete;
    FastPause& operator=(const FastPause&) = delete;

    void Pause(double seconds) override;

    // Runs on every pause, after the events are processed. Pass an empty function to remove it.
    void SetOnPause(std::function<void(double seconds)> onPause) { onPause_ = std::move(onPause); }

    const QList<double>& Durations() const { return durations_; }
    int Count() const { return static_cast<int>(durations_.size()); }
    void Clear() { durations_.clear(); }

private:
    QList<double> durations_;
    std::function<void(double)> onPause_;
};

} // namespace bacc::test
