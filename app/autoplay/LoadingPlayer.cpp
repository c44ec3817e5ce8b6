#include "app/autoplay/LoadingPlayer.h"

#include "app/autoplay/Hand.h"
#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/screens/GameFade.h"
#include "framework/screens/LoadingScreen.h"
#include "framework/ui/Button.h"

void TLoadingPlayer::Tick(THand& hand) {
    if (!hand.Idle()) {
        hand.Tick();
        return;
    }
    const TLoadingScreen& loading = *Game->LoadingScreen;
    const auto& button = loading.ClickHereButton;
    if (clicked_ || !loading.Finished || !button || Game->GameFade->Active) return;
    waited_ += Delta;
    if (waited_ < static_cast<float>(lookTicks_)) return;
    hand.PressWidget(button, button->x + button->Width() / 2, button->y + button->Height() / 2);
    clicked_ = true;
    hand.Tick();
}
