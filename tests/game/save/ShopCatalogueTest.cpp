// The shop catalogue: forty entries at their purchase ids, their stages, and the scene's drawing order.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "game/save/ShopCatalogue.h"
#include "tests/game/save/SaveDataTestSupport.h"

namespace {

using murkwell::test::SaveDataWorld;

class ShopCatalogueTest : public ::testing::Test {
protected:
    SaveDataWorld world;
};

TEST_F(ShopCatalogueTest, EveryIdHoldsItsItemAndIndexZeroIsEmpty) {
    EXPECT_EQ(ShopItems[0], nullptr);
    for (int id = 1; id <= SHOP_ITEM_COUNT; ++id) {
        ASSERT_NE(ShopItems[id], nullptr) << id;
        EXPECT_EQ(ShopItems[id]->PurchaseID, id <= SHOP_ITEMS_FOR_SALE ? id : 38) << "scenery carries 38";
    }
}

TEST_F(ShopCatalogueTest, NamesAndDescriptionsComeFromTheTextTable) {
    EXPECT_EQ(ShopItems[1]->Name, "text of ShopItemName Pumpkin1");
    EXPECT_EQ(ShopItems[1]->Description, "text of ShopItemDesc Pumpkin1");
    EXPECT_EQ(ShopItems[33]->Name, "text of ShopItemName Tree1");
    EXPECT_EQ(ShopItems[39]->Name, "");
    EXPECT_EQ(ShopItems[40]->Description, "");
}

TEST_F(ShopCatalogueTest, ItemsKeepTheirPricesLevelsImagesAndPlaces) {
    const ShopItem& cross = *ShopItems[18];
    EXPECT_EQ(cross.Cost, 60);
    EXPECT_EQ(cross.LevelAvailable, 5);
    EXPECT_EQ(cross.ImageFile, "cross gravestone1");
    EXPECT_EQ(cross.SaleImageFile, "button_cross gravestone1");
    EXPECT_EQ(cross.Requires, -1);
    EXPECT_EQ(cross.ReplaceBy, 19);
    EXPECT_EQ(cross.Coords.x, 305);
    EXPECT_EQ(cross.Coords.y, 424);
    EXPECT_EQ(cross.centreOffsetX, -3);
    EXPECT_EQ(cross.centreOffsetY, -30);

    const ShopItem& tree = *ShopItems[34];
    EXPECT_EQ(tree.ImageFile, "lightningtree2");
    EXPECT_EQ(tree.SaleImageFile, "button_tree2");
    EXPECT_EQ(tree.Cost, 600);
    EXPECT_EQ(tree.Requires, 33);
    EXPECT_EQ(tree.ReplaceBy, 35);
    EXPECT_EQ(tree.centreOffsetY, 189);

    const ShopItem& tarnfield = *ShopItems[16];
    EXPECT_EQ(tarnfield.Cost, 2000);
    EXPECT_EQ(tarnfield.LevelAvailable, 95);

    for (const int id : {39, 40}) {
        EXPECT_EQ(ShopItems[id]->Cost, -1);
        EXPECT_EQ(ShopItems[id]->LevelAvailable, -1);
        EXPECT_EQ(ShopItems[id]->SaleImageFile, "button_cage3");
    }
    EXPECT_EQ(ShopItems[39]->ImageFile, "foreground");
    EXPECT_EQ(ShopItems[40]->ImageFile, "midrighttree");
    EXPECT_EQ(ShopItems[40]->Coords.x, 632);
}

TEST_F(ShopCatalogueTest, StagesFormChainsWithinTheCatalogue) {
    int total = 0;
    for (int id = 1; id <= SHOP_ITEM_COUNT; ++id) {
        const ShopItem& item = *ShopItems[id];
        total += std::max(item.Cost, 0);
        if (item.ReplaceBy != -1) {
            ASSERT_GT(item.ReplaceBy, id);
            EXPECT_EQ(ShopItems[item.ReplaceBy]->Requires, id) << "the next stage needs this one";
        }
        if (item.Requires != -1) {
            ASSERT_GT(id, item.Requires);
            ASSERT_LE(item.Requires, SHOP_ITEMS_FOR_SALE);
        }
    }
    EXPECT_EQ(total, 15440) << "the whole shop's price";
}

TEST_F(ShopCatalogueTest, TheSceneIsDrawnInItsOrder) {
    ASSERT_EQ(ShopDrawOrder.size(), 40u);
    std::vector<ShopItem*> order;
    for (const auto& item : ShopDrawOrder) order.push_back(item.get());
    EXPECT_EQ(order.front(), ShopItems[5].get());
    EXPECT_EQ(order[15], ShopItems[40].get());
    EXPECT_EQ(order[32], ShopItems[39].get());
    EXPECT_EQ(order.back(), ShopItems[38].get());
    EXPECT_EQ(std::set<ShopItem*>(order.begin(), order.end()).size(), 40u) << "each entry once";
}

TEST_F(ShopCatalogueTest, TheCatalogueIsBuiltOnce) {
    const auto first = ShopItems[7];
    EXPECT_EQ(InitShopItems([](const std::string&) { return std::string("other"); }), 0);
    EXPECT_EQ(ShopItems[7], first);
    EXPECT_EQ(ShopDrawOrder.size(), 40u);
}

}  // namespace
