#include "framework/ui/HoldRepeat.h"

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/sprites/Ticks.h"

int THoldRepeat::Step(bool newPress, bool held) {
    if (!newPress && !held) return Reset(), 0;
    if (newPress || !LastState) {
        InitialDelayCounter = Game->CalcAnimLength(InitialDelayLength);
        DelayCounter = 0;
        LastState = 1;
        return 1;
    }
    if (InitialDelayCounter > 0) {
        InitialDelayCounter -= Delta;
        if (!RunOut(InitialDelayCounter)) return 0;
        InitialDelayCounter = 0;
        DelayCounter = Game->CalcAnimLength(DelayLength);
        return 2;
    }
    DelayCounter -= Delta;
    if (!RunOut(DelayCounter)) return 0;
    // Reloaded from where it ran out, so part-ticks do not drift the rhythm.
    DelayCounter += Game->CalcAnimLength(DelayLength);
    return 2;
}

int THoldRepeat::Reset() {
    InitialDelayCounter = 0;
    DelayCounter = 0;
    LastState = 0;
    return 1;
}
