#include "app/autoplay/PanelPlayer.h"

#include <cmath>

#include "app/autoplay/Hand.h"
#include "framework/core/Globals.h"
#include "framework/sprites/Animation.h"
#include "framework/ui/Button.h"
#include "framework/ui/Menu.h"
#include "game/screens/LevelCompleteScreen.h"

bool TPanelPlayer::ClickButton(THand& hand, const TMenu& menu, const std::string& name) {
    const auto button = menu.FindButton(name);
    if (!button || !button->Active) return false;
    hand.Click(static_cast<int>(std::lround(button->x + button->Width() / 2)),
               static_cast<int>(std::lround(button->y + button->Height() / 2)));
    return true;
}

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
    if (ClickButton(hand, *panel.Menu, panel.Active == 1 ? "OK" : "Continue")) {
        waited_ = 0;
        hand.Tick();
    }
}
