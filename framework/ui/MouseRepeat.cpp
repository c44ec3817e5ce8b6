#include "framework/ui/MouseRepeat.h"

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/sprites/Ticks.h"
#include "framework/ui/MousePointer.h"

int TMouseRepeat::GetButton() {
    TMousePointer& mouse = *Game->Mouse;
    // A hit is a press that began since the last tick, even when it has already been let go.
    const bool newPress = mouse.PeekHits() > 0;
    if (!newPress && !mouse.GetMb()) return Reset(), 0;
    if (newPress || !LastState) {
        mouse.MouseHit();
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

int TMouseRepeat::Reset() {
    InitialDelayCounter = 0;
    DelayCounter = 0;
    LastState = 0;
    return 1;
}
