#include "app/autoplay/ReaderPlayer.h"

#include "app/autoplay/Hand.h"
#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/screens/GameFade.h"
#include "framework/screens/Screen.h"
#include "framework/ui/Menu.h"

void TReaderPlayer::Tick(THand& hand, TScreen& screen) {
    if (!hand.Idle()) {
        hand.Tick();
        return;
    }
    if (reading_ != &screen) {
        reading_ = &screen;
        waited_ = 0;
    }
    waited_ = Game->GameFade->Active ? 0 : waited_ + Delta;
    if (waited_ < static_cast<float>(readTicks_) || !screen.Menu) return;
    if (ClickMenuButton(hand, *screen.Menu, "ok")) {
        waited_ = 0;
        hand.Tick();
    }
}
