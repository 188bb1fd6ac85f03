// Whole wheel notches out of wheel deltas of any size. High-resolution wheels
// and touchpads send fractions of a notch; each counts only once the turns in
// one direction add up to WHEEL_DELTA.
#pragma once

class WheelNotches {
public:
    // Adds `delta` (positive away from the user) and answers the whole notches
    // completed, keeping the remainder for the next turn. Turning back drops
    // what was kept from the other direction.
    int Add(int delta);

private:
    int pending = 0;
};
