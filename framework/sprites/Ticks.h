#pragma once

#include "framework/core/Game.h"
#include "framework/core/Globals.h"

// Tick counters add up Delta: whole ticks, and at the end of a frame the part-tick left over. The same
// span of time cut into different parts sums to a hair either side of the exact value, so counters are
// kept in double and their ends judged with a slack far below anything visible: a span ends on the same
// tick however the frames divide it.
constexpr double kTickSlack = 1e-4;

// A count-down has run out (reached 0 or below).
inline bool RunOut(double counter) {
    return counter <= kTickSlack;
}
// A count-up has reached end.
inline bool Reached(double counter, double end) {
    return counter >= end - kTickSlack;
}
// A count-up has gone past end.
inline bool Passed(double counter, double end) {
    return counter > end + kTickSlack;
}

// A duration in milliseconds as whole logic ticks at the current speed.
inline int Ticks(int ms) {
    return static_cast<int>(Game->CalcAnimLength(ms));
}
