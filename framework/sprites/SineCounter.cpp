#include "framework/sprites/SineCounter.h"

#include "framework/core/Globals.h"
#include "framework/sprites/Degrees.h"
#include "framework/sprites/Ticks.h"

int TSineCounter::Init(float start, float end, float speed, int runOnce) {
    StartPoint = start;
    EndPoint = end;
    Speed = speed;
    RunOnce = runOnce;
    Counter = start;
    ratio = 0;
    return 1;
}

int TSineCounter::Manage() {
    if (!Active) return 0;
    Counter += Speed * Delta;
    const bool pastEnd = Reached(Counter, EndPoint);
    if (pastEnd || Counter < StartPoint - kTickSlack) {
        if (RunOnce) {
            Counter = pastEnd ? EndPoint : StartPoint;
            Active = 0;
        } else {
            Counter = WrapCycle(Counter, StartPoint, EndPoint);
        }
    }
    ratio = static_cast<float>(SinDeg(Counter));
    return 1;
}

int TSineCounter::Reset() {
    Counter = 0;
    ratio = 0;
    return 1;
}

int TSineCounter::SetCounter(double value) {
    Counter = value;
    ratio = static_cast<float>(SinDeg(value));
    return 1;
}
