#include "app/autoplay/ShopPlayer.h"

#include <algorithm>
#include <cmath>

#include "app/autoplay/Hand.h"
#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/screens/GameFade.h"
#include "framework/ui/Menu.h"
#include "game/board/HUDPowerup.h"
#include "game/save/SaveData.h"
#include "game/save/ShopItem.h"
#include "game/screens/ShopScreen.h"

namespace {

// An item asked for this often in one visit and still not bought is given up.
constexpr int kAsksPerItem = 2;

bool UpgradesAPowerup(int id) {
    return std::any_of(HUDPowerups.begin(), HUDPowerups.end(),
                       [id](const auto& powerup) { return powerup && powerup->IsShopItem(id); });
}

}  // namespace

std::vector<int> ItemsWorthBuying() {
    std::vector<int> items;
    for (int id = 1; id <= SHOP_ITEM_COUNT; ++id) {
        // The scenery that is always there costs nothing and is not for sale.
        if (ShopItems[id] && ShopItems[id]->Cost >= 0 && SaveData.CanPurchaseItem(id)) items.push_back(id);
    }
    std::stable_partition(items.begin(), items.end(), UpgradesAPowerup);
    return items;
}

void TShopPlayer::Tick(THand& hand) {
    if (!hand.Idle()) {
        hand.Tick();
        return;
    }
    const TShopScreen& shop = *ShopScreen;
    const bool still = !Game->GameFade->Active && shop.wallpaperStage == 0;
    waited_ = still ? waited_ + Delta : 0;
    if (waited_ < static_cast<float>(lookTicks_) || !shop.Menu) return;
    waited_ = 0;
    // The scene alone on the screen: back to the bar first.
    if (shop.EyeMode) {
        if (shop.EyeMenu) ClickMenuButton(hand, *shop.EyeMenu, "eye");
        hand.Tick();
        return;
    }
    int wanted = -1;
    for (const int id : ItemsWorthBuying()) {
        if (static_cast<int>(asked_.count(id)) >= kAsksPerItem) continue;
        for (int i = 0; i < shop.ITEM_COUNT && wanted < 0; ++i) {
            if (shop.CurrentItems[static_cast<size_t>(i)]->PurchaseID == id) wanted = i;
        }
        if (wanted >= 0) break;
    }
    if (wanted < 0) {
        ClickMenuButton(hand, *shop.Menu, "map");
    } else if (wanted < shop.CurrentItem) {
        ClickMenuButton(hand, *shop.ScrollMenu, "left");
    } else if (wanted >= shop.CurrentItem + TShopScreen::ITEMS_SHOWN) {
        ClickMenuButton(hand, *shop.ScrollMenu, "right");
    } else if (std::abs(shop.ScrollOffset - static_cast<float>(shop.CurrentItem * TShopScreen::ITEM_SPREAD)) < 1) {
        // The bar has come to rest with the item on it.
        const auto& item = shop.CurrentItems[static_cast<size_t>(wanted)];
        asked_.insert(item->PurchaseID);
        hand.PressWidget(item, shop.GetImagePosX(wanted), TShopScreen::BAR_Y);
    }
    hand.Tick();
}
