#include "app/autoplay/PanelPlayer.h"

#include <cmath>

#include "app/autoplay/Hand.h"
#include "framework/core/Globals.h"
#include "framework/sprites/Animation.h"
#include "framework/ui/Button.h"
#include "framework/ui/Menu.h"
#include "game/screens/LevelCompleteScreen.h"

void TPanelPlayer::Tick(THand& hand) {
    const TLevelCompleteScreen& panel = *LevelCompleteScreen;
    if (!hand.Idle()) {
        hand.Tick();
        return;
    }
    // The buttons are still only while the panel stands in its place, or after it has gone.
    const bool still = panel.Active == 2 || (panel.Unroll && panel.Unroll->Finished && panel.Unroll->Reverse);
    waited_ = still ? waited_ + Delta : 0;
    if (waited_ < static_cast<float>(readTicks_) || !panel.Menu) return;
    if (ClickMenuButton(hand, *panel.Menu, panel.Active == 1 ? "OK" : "Continue")) {
        waited_ = 0;
        hand.Tick();
    }
}
