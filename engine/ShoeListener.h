#pragma once

namespace bacc {

// How the shoe tells the windows about cards leaving it. The cards-dealt windows implement it;
// the simulator and most tests use the silent default.
class ShoeListener {
public:
    virtual ~ShoeListener() = default;
    // A new shoe is being burnt: a list that holds the previous shoe empties itself.
    virtual void NewShoeStarted() {}
    // The card at this shoe position has left the shoe; its list line is already set.
    virtual void AppendDealtCard(int /*position*/) {}
    // The per-rank, per-suit count changed; called only while the count option is on.
    virtual void ShowDealtCount() {}
    // Called once per card while a shoe is built, so the windows stay live.
    virtual void ProcessEvents() {}
};

} // namespace bacc
