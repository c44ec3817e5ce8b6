// The save data: its block in the profile file, the shop statuses, purchases, gold and achievements.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>

#include "game/save/SaveData.h"
#include "game/save/ShopCatalogue.h"
#include "tests/game/save/SaveDataTestSupport.h"

namespace {

using murkwell::test::SaveDataWorld;

int32_t IntOf(const std::vector<uint8_t>& bytes, int index) {
    int32_t value = 0;
    std::memcpy(&value, bytes.data() + index * 4, 4);
    return value;
}

std::vector<uint8_t> Block(std::initializer_list<std::pair<int, int32_t>> values) {
    std::vector<uint8_t> bytes(TSaveData::BLOCK_INTS * 4, 0);
    for (const auto& [index, value] : values) std::memcpy(bytes.data() + index * 4, &value, 4);
    return bytes;
}

class SaveDataTest : public ::testing::Test {
protected:
    // Makes the item available and affordable, then buys it.
    void Buy(int id) {
        world.unlocked = 100;
        SaveData.CollectGold(ShopItems[id]->Cost);
        ASSERT_EQ(SaveData.PurchaseItem(id), 1) << "item " << id;
    }
    SaveDataWorld world;
};

// ---- The block -------------------------------------------------------------------------------------

TEST_F(SaveDataTest, TheBlockHoldsSixtyFourIntsInTheirOrder) {
    SaveData.gaugeLevel = 11;
    SaveData.showTips = 0;
    SaveData.timer = 1;
    for (int i = 0; i < 7; ++i) SaveData.bombBonusLevels[i] = 20 + i;
    for (int i = 0; i < 6; ++i) SaveData.hudBonusLevels[i] = 30 + i;
    for (int i = 0; i <= 40; ++i) SaveData.shopPurchases[i] = i % 3;
    SaveData.goldCollected = 4321;
    world.charges = {1, 2, 3, 4, 5, 6};
    platform::ByteWriter out;
    SaveData.Save(out);
    const auto& bytes = out.Bytes();
    ASSERT_EQ(bytes.size(), 256u);
    EXPECT_EQ(IntOf(bytes, 0), 11);
    EXPECT_EQ(IntOf(bytes, 1), 0);
    EXPECT_EQ(IntOf(bytes, 2), 1);
    for (int i = 0; i < 7; ++i) EXPECT_EQ(IntOf(bytes, 3 + i), 20 + i);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(IntOf(bytes, 10 + i), 30 + i);
    for (int i = 0; i <= 40; ++i) EXPECT_EQ(IntOf(bytes, 16 + i), i % 3);
    EXPECT_EQ(IntOf(bytes, 57), 4321);
    for (int slot = 0; slot < 6; ++slot) EXPECT_EQ(IntOf(bytes, 58 + slot), slot + 1);
}

TEST_F(SaveDataTest, TheBlockRoundTripsWithEveryBonusLevelReadAsOne) {
    SaveData.gaugeLevel = -5;
    SaveData.showTips = 0;
    SaveData.timer = 1;
    SaveData.bombBonusLevels = {3, 0, 2, 0, 1, 3, 2};
    SaveData.hudBonusLevels = {0, 3, 0, 2, 0, 1};
    for (int i = 0; i <= 40; ++i) SaveData.shopPurchases[i] = (i * 7) % 3;
    SaveData.goldCollected = 987654;
    world.charges = {10, 0, 7, 20, 18, 29};
    platform::ByteWriter out;
    SaveData.Save(out);
    const TSaveData before = SaveData;
    const auto charges = world.charges;

    SaveData = TSaveData();
    world.Link(SaveData);
    world.charges = {};
    platform::ByteReader in(out.Bytes());
    EXPECT_EQ(SaveData.Load(in), 1);
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(SaveData.gaugeLevel, before.gaugeLevel);
    EXPECT_EQ(SaveData.showTips, before.showTips);
    EXPECT_EQ(SaveData.timer, before.timer);
    EXPECT_EQ(SaveData.shopPurchases, before.shopPurchases);
    EXPECT_EQ(SaveData.goldCollected, before.goldCollected);
    EXPECT_EQ(world.charges, charges) << "the charges go straight to the power-ups";
    for (const int level : SaveData.bombBonusLevels) EXPECT_EQ(level, 1);
    for (const int level : SaveData.hudBonusLevels) EXPECT_EQ(level, 1);
}

TEST_F(SaveDataTest, LoadingKeepsEveryValueInItsRange) {
    const auto bytes = Block(
        {{1, 5}, {2, -3}, {16 + 1, 7}, {16 + 2, -1}, {16 + 3, 2}, {57, -50}, {58, -4}, {59, 99}, {63, 30}});
    platform::ByteReader in(bytes);
    SaveData.Load(in);
    EXPECT_EQ(SaveData.showTips, 1);
    EXPECT_EQ(SaveData.timer, 1);
    EXPECT_EQ(SaveData.shopPurchases[1], ShopItem::PURCHASED);
    EXPECT_EQ(SaveData.shopPurchases[2], ShopItem::UNAVAILABLE);
    EXPECT_EQ(SaveData.shopPurchases[3], ShopItem::PURCHASED);
    EXPECT_EQ(SaveData.goldCollected, 0);
    EXPECT_EQ(world.charges[0], 0);
    EXPECT_EQ(world.charges[1], 15) << "no more than the hammer needs";
    EXPECT_EQ(world.charges[5], 30);
}

TEST_F(SaveDataTest, AShortBlockTakesWhatItHoldsAndFails) {
    auto bytes = Block({{0, 4}, {3, 2}, {57, 100}});
    bytes.resize(5 * 4 + 2);
    SaveData.goldCollected = 33;
    platform::ByteReader in(bytes);
    EXPECT_EQ(SaveData.Load(in), 0);
    EXPECT_TRUE(in.Failed());
    EXPECT_EQ(SaveData.gaugeLevel, 4);
    EXPECT_EQ(SaveData.bombBonusLevels[0], 1);
    EXPECT_EQ(SaveData.bombBonusLevels[1], 1);
    EXPECT_EQ(SaveData.bombBonusLevels[2], 0) << "not read, so not set";
    EXPECT_EQ(SaveData.goldCollected, 33);
}

TEST_F(SaveDataTest, InitGivesANewProfileFreshDataInTheCurrentMode) {
    SaveData.gaugeLevel = 3;
    SaveData.showTips = 0;
    SaveData.goldCollected = 50;
    SaveData.shopPurchases[4] = 2;
    SaveData.bombBonusLevels[0] = 1;
    SaveData.hudBonusLevels[5] = 1;
    world.timed = 1;
    SaveData.Init();
    EXPECT_EQ(SaveData.gaugeLevel, 0);
    EXPECT_EQ(SaveData.showTips, 1);
    EXPECT_EQ(SaveData.timer, 1);
    EXPECT_EQ(SaveData.goldCollected, 0);
    EXPECT_EQ(SaveData.shopPurchases, TSaveData().shopPurchases);
    EXPECT_EQ(SaveData.bombBonusLevels, TSaveData().bombBonusLevels);
    EXPECT_EQ(SaveData.hudBonusLevels, TSaveData().hudBonusLevels);
    world.timed = 0;
    SaveData.Init();
    EXPECT_EQ(SaveData.timer, 0);
}

// ---- Shop statuses ---------------------------------------------------------------------------------

TEST_F(SaveDataTest, AnItemOpensOnceThePlayerHasUnlockedItsLevel) {
    world.unlocked = 1;
    EXPECT_EQ(SaveData.GetShopItemStatus(1), ShopItem::UNAVAILABLE);
    EXPECT_EQ(SaveData.shopPurchases[1], ShopItem::UNAVAILABLE);
    world.unlocked = 2;
    EXPECT_EQ(SaveData.GetShopItemStatus(1), ShopItem::AVAILABLE);
    EXPECT_EQ(SaveData.shopPurchases[1], ShopItem::AVAILABLE) << "stored";
    world.unlocked = 1;
    EXPECT_EQ(SaveData.GetShopItemStatus(1), ShopItem::AVAILABLE) << "and kept";
    EXPECT_EQ(SaveData.GetShopItemStatus(2), ShopItem::UNAVAILABLE) << "item 2 opens at level 10";
}

TEST_F(SaveDataTest, AnIdOutsideTheCatalogueReadsUnavailableAndChangesNothing) {
    world.unlocked = 100;
    const auto before = SaveData.shopPurchases;
    for (const int id : {-1, 41, INT_MIN, INT_MAX}) {
        EXPECT_EQ(SaveData.GetShopItemStatus(id), ShopItem::UNAVAILABLE);
        EXPECT_EQ(SaveData.TryUnlockItem(id), 0);
        EXPECT_EQ(SaveData.CanPurchaseItem(id), 0);
        EXPECT_EQ(SaveData.PurchaseItem(id), 0);
        EXPECT_EQ(SaveData.GetPrereqs(id), nullptr);
    }
    EXPECT_EQ(SaveData.GetShopItemStatus(0), ShopItem::UNAVAILABLE) << "index 0 holds no item";
    EXPECT_EQ(SaveData.shopPurchases, before);
}

TEST_F(SaveDataTest, AnItemWaitsForItsPrerequisiteWhateverTheGold) {
    world.unlocked = 15;
    SaveData.CollectGold(10000);
    EXPECT_EQ(SaveData.GetShopItemStatus(24), ShopItem::AVAILABLE);
    EXPECT_EQ(SaveData.GetPrereqs(25), ShopItems[24]);
    EXPECT_EQ(SaveData.CanPurchaseItem(25), 0);
    EXPECT_EQ(SaveData.PurchaseItem(25), 0);
    EXPECT_EQ(SaveData.GoldAvailable(), 10000);
    EXPECT_EQ(SaveData.GetPrereqs(24), nullptr) << "item 24 needs nothing";
}

TEST_F(SaveDataTest, TheNextStageReplacesThePreviousOne) {
    world.unlocked = 15;
    SaveData.CollectGold(230);
    ASSERT_EQ(SaveData.PurchaseItem(24), 1);
    EXPECT_EQ(SaveData.GetHUDBonusLevel(24), 1);
    ASSERT_EQ(SaveData.PurchaseItem(25), 1);
    EXPECT_EQ(SaveData.GoldAvailable(), 0);
    EXPECT_EQ(SaveData.GetHUDBonusLevel(24), 2);
    EXPECT_EQ(SaveData.IsReplaced(*ShopItems[24]), 1);
    EXPECT_EQ(SaveData.IsReplaced(*ShopItems[25]), 0);

    std::vector<int> drawn;
    for (const auto& item : ShopDrawOrder) {
        const bool scenery = item->Cost == -1;
        if ((scenery || SaveData.GetShopItemStatus(item->PurchaseID) == ShopItem::PURCHASED) &&
            !SaveData.IsReplaced(*item)) {
            drawn.push_back(scenery ? -1 : item->PurchaseID);
        }
    }
    EXPECT_EQ(drawn, (std::vector<int>{-1, 25, -1}))
        << "the two scenery pieces and the coffin's second stage";
}

TEST_F(SaveDataTest, TakingEverythingOnOfferFollowsTheLinesAndLeavesTheGoldAndTheLaterItems) {
    world.unlocked = 15;
    SaveData.CollectGold(7);
    const int taken = SaveData.TakeEverythingOnOffer();
    EXPECT_EQ(SaveData.GetHUDBonusLevel(24), 2) << "the first stage opens the second; the third waits for 70";
    EXPECT_EQ(SaveData.GetShopItemStatus(2), ShopItem::PURCHASED) << "item 2 opens at level 10";
    EXPECT_EQ(SaveData.GoldAvailable(), 7);
    int owned = 0;
    for (int i = 1; i <= SHOP_ITEMS_FOR_SALE; ++i) {
        const int status = SaveData.GetShopItemStatus(i);
        EXPECT_NE(status, ShopItem::AVAILABLE) << "item " << i << " left on the shelf";
        owned += status == ShopItem::PURCHASED;
    }
    EXPECT_EQ(owned, taken);
    EXPECT_LT(owned, SHOP_ITEMS_FOR_SALE) << "what later levels open stays closed";
    EXPECT_EQ(SaveData.TakeEverythingOnOffer(), 0) << "nothing left to take";
}

TEST_F(SaveDataTest, PowerUpLevelsFollowTheirLine) {
    EXPECT_EQ(SaveData.GetHUDBonusLevel(15), 0);
    Buy(15);
    EXPECT_EQ(SaveData.GetHUDBonusLevel(15), 1) << "the tarot has one level";
    for (const int line : {24, 27, 30, 33, 36}) {
        EXPECT_EQ(SaveData.GetHUDBonusLevel(line), 0);
        Buy(line);
        Buy(line + 1);
        Buy(line + 2);
        EXPECT_EQ(SaveData.GetHUDBonusLevel(line), 3) << "line " << line;
    }
    EXPECT_EQ(SaveData.GetHUDBonusLevel(39), 0) << "a line past the end owns nothing";
}

TEST_F(SaveDataTest, BombBonusLevelsCoverTypesFifteenToTwenty) {
    EXPECT_EQ(SaveData.SetBombBonusLevel(15, 9), 1);
    EXPECT_EQ(SaveData.GetBombBonusLevel(15), 3);
    EXPECT_EQ(SaveData.SetBombBonusLevel(20, -2), 1);
    EXPECT_EQ(SaveData.GetBombBonusLevel(20), 0);
    EXPECT_EQ(SaveData.SetBombBonusLevel(21, 2), 0);
    EXPECT_EQ(SaveData.GetBombBonusLevel(21), 0);
    EXPECT_EQ(SaveData.GetBombBonusLevel(14), 0);
}

// ---- Gold and achievements -------------------------------------------------------------------------

TEST_F(SaveDataTest, SpendingNeverLeavesLessThanNothing) {
    SaveData.CollectGold(30);
    SaveData.SpendGold(50);
    EXPECT_EQ(SaveData.GoldAvailable(), 0);
    SaveData.CollectGold(INT_MAX);
    SaveData.CollectGold(INT_MAX);
    EXPECT_EQ(SaveData.GoldAvailable(), INT_MAX) << "a full bank stays full";
    SaveData.SpendGold(INT_MIN);
    EXPECT_EQ(SaveData.GoldAvailable(), INT_MAX);
}

TEST_F(SaveDataTest, PurchasesReportTheirAchievements) {
    Buy(16);
    EXPECT_EQ(world.achievements, std::vector<std::string>{"Tarnfield"});
    EXPECT_EQ(world.achievementSaves, 1);
    Buy(24);
    Buy(25);
    EXPECT_EQ(world.achievements.size(), 1u) << "nothing for an ordinary item";
    world.newlySet = 0;
    Buy(26);
    EXPECT_EQ(world.achievements.back(), "PowerupLevel3");
    EXPECT_EQ(world.achievementSaves, 1) << "saved only when something was newly set";

    world.newlySet = 1;
    for (int id = 1; id <= SHOP_ITEMS_FOR_SALE; ++id) {
        if (SaveData.GetShopItemStatus(id) == ShopItem::PURCHASED) continue;
        world.achievements.clear();
        Buy(id);
        const bool all =
            std::count(world.achievements.begin(), world.achievements.end(), "PurchasedAll") == 1;
        EXPECT_EQ(all, id == SHOP_ITEMS_FOR_SALE) << "item " << id;
        EXPECT_EQ(SaveData.AllItemsPurchased(), all ? 1 : 0);
    }
}

}  // namespace
