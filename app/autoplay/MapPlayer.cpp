#include "app/autoplay/MapPlayer.h"

#include "app/autoplay/Hand.h"
#include "app/autoplay/ShopPlayer.h"
#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/screens/GameFade.h"
#include "framework/sprites/Animation.h"
#include "game/screens/MapScreen.h"

void TMapPlayer::Tick(THand& hand) {
    if (!hand.Idle()) {
        hand.Tick();
        return;
    }
    const TMapScreen& map = *MapScreen;
    // The map stands still once its fade, its slide and its zoom are over.
    const bool still = !Game->GameFade->Active && !(map.SlideIn && map.SlideIn->Active) &&
                       !(map.Zoom && map.Zoom->Active) && !map.ReplayDialog;
    waited_ = still ? waited_ + Delta : 0;
    if (waited_ < static_cast<float>(lookTicks_) || !map.Menu) return;
    // Once between levels, the shop when there is something in it to buy.
    if (!shopVisited_ && map.ShopDestination && !ItemsWorthBuying().empty() &&
        ClickMenuButton(hand, *map.Menu, "shop")) {
        shopVisited_ = true;
        waited_ = 0;
        hand.Tick();
        return;
    }
    if (ClickMenuButton(hand, *map.Menu, "play")) {
        waited_ = 0;
        hand.Tick();
    }
}
