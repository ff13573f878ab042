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
    // The per-rank, per-suit count changed: after the burn, after each hand and at the end of a shoe.
    virtual void CountChanged() {}
    // Called once per card while a shoe is built, so the windows stay live.
    virtual void ProcessEvents() {}
};

} // namespace bacc
