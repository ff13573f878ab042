#pragma once

namespace bacc {

// Waits the given seconds on a monotonic clock while window events keep being processed, without
// spinning the processor. Returns once strictly more than the duration has passed.
void Pause(double seconds);

// Test seam: a hook that replaces the real wait (for example to record durations and run fast).
class PauseHook {
public:
    virtual ~PauseHook() = default;
    virtual void Pause(double seconds) = 0;
};
// nullptr restores the real clock.
void SetPauseHook(PauseHook* hook);

} // namespace bacc
