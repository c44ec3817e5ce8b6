#pragma once

// Auto-repeat for something held (a mouse button, a key): a press gives one action at once, a first repeat
// after the initial delay and then one every delay while it stays down. Durations are set in ms and
// counted in logic ticks.
class THoldRepeat {
public:
    int InitialDelayLength = 500;  // ms from the press to the first repeat
    float InitialDelayCounter = 0;
    int DelayLength = 100;  // ms between repeats
    float DelayCounter = 0;
    int LastState = 0;  // it was down on the previous tick

    THoldRepeat() = default;
    THoldRepeat(int initialMs, int repeatMs) : InitialDelayLength(initialMs), DelayLength(repeatMs) {}

    // Once per tick: 1 on a new press, 2 on a repeat, else 0.
    int Step(bool newPress, bool held);
    // Forgets the press.
    int Reset();
};
