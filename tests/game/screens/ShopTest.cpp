// The shop over the game's catalogue and pictures: the bar of what can be bought, buying through the
// keeper's dialog, what she refuses, and the first purchases she insists on before the player leaves; the
// bar's items by keyboard.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "framework/gfx/GameText.h"
#include "framework/gfx/Label.h"
#include "framework/profile/Profile.h"
#include "framework/screens/GameFade.h"
#include "framework/ui/Button.h"
#include "framework/ui/DialogOK.h"
#include "framework/ui/KeyFocus.h"
#include "framework/ui/Menu.h"
#include "game/board/HUDPowerupRow.h"
#include "game/save/ShopCatalogue.h"
#include "game/save/ShopItem.h"
#include "game/screens/PurchaseDialog.h"
#include "game/screens/ShopScreen.h"
#include "platform/KeyCodes.h"
#include "tests/game/screens/GameScreenFixture.h"

namespace {

class ShopTest : public murkwell::test::GameScreenFixture {
protected:
    ~ShopTest() override { ShopScreen.reset(); }
    // The shop entered by a player who has opened `unlocked` levels and banked `gold`.
    TShopScreen& Enter(int unlocked, int gold) {
        Player.Unlocked = unlocked;
        SaveData.goldCollected = gold;
        if (!HUDPowerups[0]) {
            LoadHUDPowerupPictures();
            CreateHUDPowerups();
        }
        ShopScreen = std::make_shared<TShopScreen>();
        ShopScreen->MapDestination = [this] { return &map; };
        ShopScreen->PreStart();
        Frames(70);  // the fade-in
        return *ShopScreen;
    }
    // Opens offered item i and waits for the dialog to stand still.
    TPurchaseDialog& Offer(int i) {
        ClickAt(ShopScreen->GetImagePosX(i), TShopScreen::BAR_Y);
        Frames(70);
        EXPECT_TRUE(ShopScreen->PurchaseDialog);
        return *ShopScreen->PurchaseDialog;
    }
    // Where the shop is left for.
    TScreen map;

    static std::vector<int> Offered() {
        std::vector<int> ids;
        for (const auto& item : ShopScreen->CurrentItems) ids.push_back(item->PurchaseID);
        return ids;
    }
};

TEST_F(ShopTest, TabWalksTheBarsItemsWhichGlowInFocusAndEnterOpensThePurchase) {
    KeyFocus.Reset();
    Enter(4, 500);
    const ShopItem* second = ShopScreen->CurrentItems[1].get();
    const auto key = [this](int code) {
        Push(platform::EventType::KeyDown, code);
        Push(platform::EventType::KeyUp, code);
        Frames(2);
    };
    for (int i = 0; i < 12 && !KeyFocus.ShowsOn(second); ++i) key(platform::vk::kTab);
    ASSERT_TRUE(KeyFocus.ShowsOn(second)) << "the bar's items take the focus";
    EXPECT_FLOAT_EQ(second->GlowValue, 1) << "and glow in it";
    EXPECT_FALSE(ShopScreen->PurchaseDialog);
    key(platform::vk::kEnter);
    ASSERT_TRUE(ShopScreen->PurchaseDialog);
    EXPECT_EQ(ShopScreen->PurchaseDialog->selectedItem.get(), second);
    EXPECT_EQ(game().CurrentTScreen, ShopScreen.get()) << "Enter in the focus does not leave the shop";
    KeyFocus.Reset();
}

TEST_F(ShopTest, TheBarOffersWhatTheOpenedLevelsAllowAndCentresAShortRow) {
    struct Case {
        int unlocked;
        std::vector<int> offered;
        float firstX;
    };
    const Case cases[] = {
        {1, {}, 0},
        {2, {1}, 392 + 120},
        {3, {1, 5}, 392 + 60},
        {4, {1, 5, 24}, 392},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.unlocked);
        Enter(c.unlocked, 0);
        EXPECT_EQ(Offered(), c.offered);
        if (!c.offered.empty()) {
            EXPECT_FLOAT_EQ(ShopScreen->GetImagePosX(0), c.firstX);
        }
    }
}

TEST_F(ShopTest, BuyingSpendsTheGoldTakesTheItemOffTheBarAndChargesItsPowerup) {
    Enter(4, 100);
    TPurchaseDialog& dialog = Offer(2);  // the coffin, 30 gold: the stake's line
    ASSERT_EQ(dialog.selectedItem->PurchaseID, 24);
    ClickButton(*dialog.Menu, "Buy");
    Frames(70);
    EXPECT_EQ(ShopScreen->PurchaseDialog, nullptr);
    EXPECT_EQ(SaveData.GoldAvailable(), 70);
    EXPECT_EQ(SaveData.GetShopItemStatus(24), ShopItem::PURCHASED);
    EXPECT_EQ(Offered(), (std::vector<int>{1, 5}));
    EXPECT_EQ(HUDPowerups[0]->CurrentCharge, HUDPowerups[0]->GetChargeRequired()) << "the stake comes charged";
}

TEST_F(ShopTest, TheLastItemBoughtLeavesAnEmptyBar) {
    Enter(2, 0);
    ClickButton(*Offer(0).Menu, "Buy");
    Frames(70);
    EXPECT_TRUE(ShopScreen->CurrentItems.empty());
    EXPECT_EQ(ShopScreen->CurrentItem, 0);
}

TEST_F(ShopTest, WhatCannotBeBoughtOffersOnlyCancelAndCostsNothing) {
    struct Case {
        int unlocked, gold, index, id;
    };
    // The coffin for 30 with 20 in hand.
    for (const Case& c : {Case{4, 20, 2, 24}}) {
        Enter(c.unlocked, c.gold);
        TPurchaseDialog& dialog = Offer(c.index);
        ASSERT_EQ(dialog.selectedItem->PurchaseID, c.id);
        EXPECT_EQ(dialog.Menu->FindButton("Buy"), nullptr);
        ASSERT_NE(dialog.Menu->FindButton("Cancel"), nullptr);
        ClickButton(*dialog.Menu, "Cancel");
        Frames(70);
        EXPECT_EQ(SaveData.GoldAvailable(), c.gold);
        EXPECT_EQ(SaveData.GetShopItemStatus(c.id), ShopItem::AVAILABLE);
    }
    // An item whose forerunner is not bought names it and sells nothing, whatever the gold.
    Enter(75, 5000);
    const std::vector<int> offered = Offered();
    const auto second = std::find(offered.begin(), offered.end(), 6);
    ASSERT_NE(second, offered.end()) << "the second candelabra is offered at 75";
    ShopScreen->BeginPurchase(static_cast<int>(second - offered.begin()));
    Frames(70);
    const TPurchaseDialog& dialog = *ShopScreen->PurchaseDialog;
    EXPECT_EQ(dialog.Menu->FindButton("Buy"), nullptr);
    EXPECT_NE(dialog.Caption->Text.find(ShopItems[5]->Name), std::string::npos) << dialog.Caption->Text;
}

TEST_F(ShopTest, TheKeeperHoldsThePlayerForAFirstPurchaseOnlyWhenItCanBeMade) {
    struct Case {
        int unlocked, gold;
        std::vector<int> bought;
        const char* held;  // the message's header key, or null when the player may go
    };
    const Case cases[] = {
        {2, 0, {}, "purchase pumpkin"},
        {4, 50, {1}, "purchase coffin"},
        {4, 10, {1}, nullptr},  // the coffin costs 30: she cannot insist
        {4, 50, {1, 24}, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.unlocked * 100 + c.gold);
        Enter(c.unlocked, c.gold);
        for (int id : c.bought) SaveData.shopPurchases[id] = ShopItem::PURCHASED;
        game().DestinationTScreen = nullptr;
        ShopScreen->Close();
        if (c.held) {
            ASSERT_NE(ShopScreen->MessageDialog, nullptr);
            EXPECT_EQ(ShopScreen->MessageDialog->TextHeader->Text, GameText.FindString(c.held));
            EXPECT_EQ(game().DestinationTScreen, nullptr);
        } else {
            EXPECT_EQ(ShopScreen->MessageDialog, nullptr);
            EXPECT_EQ(game().DestinationTScreen, &map);
        }
        game().GameFade->Active = 0;
    }
}

TEST_F(ShopTest, APurchaseChangesGoldStatusAndThePowerupAndOutlivesASaveAndAReload) {
    Enter(4, 100);
    ASSERT_EQ(HUDPowerups[0]->IsAvailable(), 0) << "no stake before the coffin";
    std::vector<std::vector<int>> heard;
    ItemPurchased = [&heard](int item, int price, int left) { heard.push_back({item, price, left}); };
    ClickButton(*Offer(2).Menu, "Buy");  // the coffin: the stake's line, 30 gold
    Frames(70);
    ClickButton(*Offer(0).Menu, "Buy");  // the pumpkin, free
    Frames(70);
    ItemPurchased = nullptr;
    EXPECT_EQ(heard, (std::vector<std::vector<int>>{{24, 30, 70}, {1, 0, 70}}));
    EXPECT_EQ(HUDPowerups[0]->IsAvailable(), 1);
    EXPECT_EQ(HUDPowerups[0]->Level(), 1);
    // Leaving saves the player; whoever loads the profile next finds it all.
    game().DestinationTScreen = nullptr;
    ClickButton(*ShopScreen->Menu, "map");
    ASSERT_EQ(game().DestinationTScreen, &map);
    SaveData.Init();
    ASSERT_EQ(HUDPowerups[0]->IsAvailable(), 0);
    ASSERT_EQ(game().CurrentProfile->Load(), 1);
    EXPECT_EQ(SaveData.GoldAvailable(), 70);
    for (const int id : {24, 1}) EXPECT_EQ(SaveData.GetShopItemStatus(id), ShopItem::PURCHASED) << id;
    EXPECT_EQ(SaveData.GetShopItemStatus(5), ShopItem::AVAILABLE);
    EXPECT_EQ(HUDPowerups[0]->IsAvailable(), 1);
    EXPECT_EQ(HUDPowerups[0]->Level(), 1);
}

TEST_F(ShopTest, AnOpenDialogTakesTheClicksMeantForTheShopBehindIt) {
    Enter(2, 0);
    game().DestinationTScreen = nullptr;
    ClickButton(*ShopScreen->Menu, "map");  // the pumpkin is due, and free
    ASSERT_NE(ShopScreen->MessageDialog, nullptr);
    Frames(70);
    const auto map = ShopScreen->Menu->FindButton("map");
    for (int i = 0; i < 2; ++i) {
        ClickAt(ShopScreen->GetImagePosX(0), TShopScreen::BAR_Y);  // the item behind the box
        ClickAt(map->x + map->Width() / 2, map->y + map->Height() / 2);
    }
    EXPECT_EQ(ShopScreen->PurchaseDialog, nullptr);
    EXPECT_EQ(game().DestinationTScreen, nullptr);
    EXPECT_EQ(ShopScreen->MessageDialog->Active, 1);
    EXPECT_EQ(ShopScreen->EyeMode, 0);
}

}  // namespace
