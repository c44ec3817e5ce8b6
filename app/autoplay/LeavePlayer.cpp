#include "app/autoplay/LeavePlayer.h"

#include "app/autoplay/Hand.h"
#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/screens/GameFade.h"
#include "framework/screens/Screen.h"

void TLeavePlayer::Tick(THand& hand, const TScreen& screen) {
    if (!hand.Idle()) {
        hand.Tick();
        return;
    }
    waited_ = Game->GameFade->Active ? 0 : waited_ + Delta;
    if (waited_ < static_cast<float>(lookTicks_) || !screen.Menu) return;
    if (ClickMenuButton(hand, *screen.Menu, button_)) {
        waited_ = 0;
        hand.Tick();
    }
}
