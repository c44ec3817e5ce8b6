#include "framework/ui/MouseRepeat.h"

#include "framework/core/Game.h"
#include "framework/core/Input.h"
#include "framework/ui/MousePointer.h"

int TMouseRepeat::GetButton() {
    TMousePointer& mouse = *Game->Mouse;
    // A hit is a press that began since the last tick, even when it has already been let go.
    const bool newPress = mouse.PeekHits() > 0;
    const int step = Step(newPress, mouse.GetMb() != 0);
    if (step == 1) mouse.MouseHit();
    return step;
}

int TKeyRepeat::GetKey(int code) {
    const bool newPress = KeyHit(code) != 0;
    return Step(newPress, KeyDown(code) != 0);
}
