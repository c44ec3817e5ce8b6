#pragma once

// Auto-repeat for a held mouse button: a press gives one click at once, a first repeat after the initial
// delay and then one every delay while the button stays down. Durations are set in ms and counted in
// logic ticks.
class TMouseRepeat {
public:
    int InitialDelayLength = 500;  // ms from the press to the first repeat
    float InitialDelayCounter = 0;
    int DelayLength = 100;  // ms between repeats
    float DelayCounter = 0;
    int LastState = 0;  // the button was down on the previous tick

    TMouseRepeat() = default;
    TMouseRepeat(int initialMs, int repeatMs) : InitialDelayLength(initialMs), DelayLength(repeatMs) {}

    // Once per tick while the pointer is over its button: 1 on a new press, 2 on a repeat, else 0.
    // A press and release that both fell between two ticks still count as a press.
    int GetButton();
    // Forgets the press (the pointer left the button).
    int Reset();
};
