// The autoplayer before the game's dialogs and in the shop, over the game's data: the answer it gives each
// dialog, what it thinks worth buying and in which order, and a whole visit played through the mouse.
#include <gtest/gtest.h>

#include <vector>

#include "app/autoplay/DialogPlayer.h"
#include "app/autoplay/Hand.h"
#include "app/autoplay/ShopPlayer.h"
#include "framework/gfx/GameText.h"
#include "framework/ui/DialogOK.h"
#include "framework/ui/DialogYesNo.h"
#include "game/board/HUDPowerupRow.h"
#include "game/save/ShopCatalogue.h"
#include "game/screens/GameDialogs.h"
#include "game/screens/MessageBox.h"
#include "game/screens/PurchaseDialog.h"
#include "game/screens/ShopScreen.h"
#include "tests/game/screens/GameScreenFixture.h"

namespace murkwell::test {
namespace {

class AutoShopTest : public GameScreenFixture {
protected:
    AutoShopTest() {
        LoadHUDPowerupPictures();
        CreateHUDPowerups();
    }
    ~AutoShopTest() override { ShopScreen.reset(); }
    void Open(int unlocked, int gold) {
        Player.Unlocked = unlocked;
        SaveData.goldCollected = gold;
    }
};

TEST_F(AutoShopTest, EachDialogGetsTheAnswerAPersonWouldGive) {
    Open(4, 20);
    const struct {
        std::shared_ptr<TDialog> dialog;
        const char* answer;
    } cases[] = {
        {MakeMessageDialog("Header", "Text"), "OK"},
        {MakeMessageBox("Something went wrong."), "OK"},
        {MakeConfirmDialog("Sure?"), "No"},
        {MakeConfirmDialog("Wallpaper?", "wallpaper_question"), "No"},
        {MakeChooseModeDialog(), "Yes"},
        {TPurchaseDialog::Create(ShopItems[1], 20), "Buy"},
        {TPurchaseDialog::Create(ShopItems[24], 20), "Cancel"},  // 30 gold
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dialog->Name);
        EXPECT_STREQ(DialogAnswer(*c.dialog), c.answer);
    }
}

TEST_F(AutoShopTest, WorthBuyingIsWhatCanBePaidForThePowerupsUpgradesFirst) {
    struct Case {
        int unlocked, gold;
        std::vector<int> bought, worth;
    };
    const Case cases[] = {
        {1, 500, {}, {}},
        {4, 10, {}, {1, 5}},
        {4, 100, {}, {24, 1, 5}},
        // The stake's second stage, the broom's and the hammer's first before the rest.
        {15, 400, {1, 5, 24}, {25, 27, 30, 2, 3, 7, 18}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.unlocked * 1000 + c.gold);
        SaveData.Init();
        Open(c.unlocked, c.gold);
        for (const int id : c.bought) SaveData.shopPurchases[id] = ShopItem::PURCHASED;
        EXPECT_EQ(ItemsWorthBuying(), c.worth);
    }
}

TEST_F(AutoShopTest, AVisitBuysWhatItCanBestFirstScrollingTheBarThenLeaves) {
    struct Case {
        int unlocked, gold;
        std::vector<int> owned, bought;
        int left;
        bool sceneAlone;  // entered with the bar hidden
    };
    const Case cases[] = {
        {4, 100, {}, {24, 1, 5}, 70, false},
        // Eight on the bar: the stake's second stage and the broom's first lie beyond the first three.
        {15, 400, {1, 5, 24}, {25, 27, 2, 3}, 0, false},
        {3, 0, {1, 5}, {}, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.unlocked);
        SaveData.Init();
        Open(c.unlocked, c.gold);
        for (const int id : c.owned) SaveData.shopPurchases[id] = ShopItem::PURCHASED;
        TScreen map;
        ShopScreen = std::make_shared<TShopScreen>();
        ShopScreen->MapDestination = [&map] { return &map; };
        ShopScreen->PreStart();
        ShopScreen->EyeMode = c.sceneAlone ? 1 : 0;
        std::vector<int> bought;
        ItemPurchased = [&bought](int item, int, int) { bought.push_back(item); };
        THand hand([this](const platform::Event& e) { Push(e.type, 0, e.button, e.x, e.y); }, 14.0f, 4);
        const int glance = static_cast<int>(game().CalcAnimLength(300));
        TDialogPlayer dialogs(glance);
        TShopPlayer shop(glance);
        shop.Enter();
        game().DestinationTScreen = nullptr;
        for (int frame = 0; frame < 20000 && !game().DestinationTScreen; ++frame) {
            Frame();
            if (!dialogs.Tick(hand)) shop.Tick(hand);
        }
        ItemPurchased = nullptr;
        EXPECT_EQ(bought, c.bought);
        EXPECT_EQ(SaveData.GoldAvailable(), c.left);
        EXPECT_EQ(game().DestinationTScreen, &map) << "left by the map button";
        Frames(70);
        ShopScreen.reset();
    }
}

}  // namespace
}  // namespace murkwell::test
