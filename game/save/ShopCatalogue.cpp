#include "game/save/ShopCatalogue.h"

std::array<std::shared_ptr<ShopItem>, SHOP_ITEM_COUNT + 1> ShopItems;
std::vector<std::shared_ptr<ShopItem>> ShopDrawOrder;

namespace {

// Row n - 1 is the item of purchase id n.
struct Row {
    int purchaseID;   // the id the item carries: its own, but 38 for the scenery pieces
    const char* key;  // of the name and description in the game text table; "" for scenery
    const char* imageFile;
    const char* saleImageFile;
    int cost;
    int levelAvailable;
    int requiresID;
    int replaceBy;
    TPoint coords;
    int centreOffsetX;
    int centreOffsetY;
};

// clang-format off
// id carried, key, scene image, sale image, cost, level, requires, replaced by, coords, centre offset
constexpr Row kCatalogue[SHOP_ITEM_COUNT] = {
    {1, "Pumpkin1", "pumpkin1", "button_pumpkin1", 0, 2, -1, -1, {348, 431}, 28, 12},
    {2, "Pumpkin2", "pumpkin2", "button_pumpkin2", 0, 10, 1, -1, {548, 495}, -41, 21},
    {3, "Lantern1", "lantern1", "button_lantern1", 0, 7, -1, -1, {68, 539}, 27, -14},
    {4, "Lantern2", "lantern2", "button_lantern2", 900, 55, 3, -1, {832, 517}, -22, -18},
    {5, "Candelabra1", "candelabra1", "button_candelabra1", 0, 3, -1, -1, {309, 289}, -2, -26},
    {6, "Candelabra2", "candelabra2", "button_candelabra2", 0, 75, 5, -1, {626, 288}, -6, -26},
    {7, "Torch1", "torch1", "button_torch1", 250, 12, -1, -1, {609, 519}, 22, -21},
    {8, "Torch2", "torch2", "button_torch2", 500, 17, 7, -1, {362, 514}, -18, -18},
    {9, "Cat1", "cat1", "button_cat1", 0, 16, -1, -1, {539, 406}, 0, 0},
    {10, "Cat2", "cat2", "button_cat2", 500, 85, 9, -1, {583, 39}, 0, 0},
    {11, "Mist1", "mist1", "button_mist1", 0, 60, -1, -1, {0, 386}, 0, 0},
    {12, "Mist2", "mist2", "button_mist2", 200, 85, 11, -1, {0, 386}, 0, 0},
    {13, "PumpkinLights1", "pumpkinlights1", "button_pumpkinlights1", 400, 20, -1, -1, {396, 233}, 0, 0},
    {14, "PumpkinLights2", "pumpkinlights2", "button_pumpkinlights2", 1300, 70, 13, -1, {235, 158}, 0, 8},
    {15, "Gravebed", "gravebed", "button_gravebed", 0, 38, -1, -1, {665, 552}, 5, -13},
    {16, "Tarnfield", "tarnfield", "button_tarnfield", 2000, 95, -1, -1, {290, 120}, 3, 0},
    {17, "Cauldron", "cauldron", "button_cauldron", 0, 83, -1, -1, {712, 162}, -2, 130},
    {18, "CrossGravestone1", "cross gravestone1", "button_cross gravestone1",
     60, 5, -1, 19, {305, 424}, -3, -30},
    {19, "CrossGravestone2", "cross gravestone2", "button_cross gravestone2",
     300, 14, 18, -1, {285, 396}, -6, -11},
    {20, "Well1", "well1", "button_well1", 0, 19, -1, 21, {16, 341}, 13, 0},
    {21, "Well2", "well2", "button_well2", 700, 32, 20, -1, {16, 341}, 13, 0},
    {22, "Web1", "web1", "button_web1", 0, 50, -1, 23, {412, 254}, -9, -14},
    {23, "Web2", "web2", "button_web2", 100, 80, 22, -1, {412, 254}, -5, -9},
    {24, "Coffin1", "coffin1", "button_coffin1", 30, 4, -1, 25, {229, 565}, -47, 0},
    {25, "Coffin2", "coffin2", "button_coffin2", 200, 15, 24, 26, {229, 565}, -47, 0},
    {26, "Coffin3", "coffin3", "button_coffin3", 700, 70, 25, -1, {195, 539}, -29, 20},
    {27, "Broomstick1", "broomstick1", "button_broomstick1", 200, 14, -1, 28, {417, 202}, 0, 0},
    {28, "Broomstick2", "broomstick2", "button_broomstick2", 700, 44, 27, 29, {417, 200}, 0, 0},
    {29, "Broomstick3", "broomstick3", "button_broomstick3", 800, 70, 28, -1, {378, 195}, 0, 0},
    {30, "CurvedGravestone1", "curved gravestone1", "button_curved gravestone1",
     100, 10, -1, 31, {711, 459}, 0, 0},
    {31, "CurvedGravestone2", "curved gravestone2", "button_curved gravestone2",
     1000, 32, 30, 32, {711, 459}, 0, 0},
    {32, "CurvedGravestone3", "curved gravestone3", "button_curved gravestone3",
     500, 80, 31, -1, {704, 453}, 0, 0},
    {33, "Tree1", "lightningtree1", "button_tree1", 0, 17, -1, 34, {39, 0}, 11, 0},
    {34, "Tree2", "lightningtree2", "button_tree2", 600, 40, 33, 35, {39, 0}, 11, 189},
    {35, "Tree3", "lightningtree3", "button_tree3", 1400, 65, 34, -1, {39, 0}, 11, 101},
    {36, "Cage1", "cage1", "button_cage1", 0, 28, -1, 37, {798, 0}, 0, 0},
    {37, "Cage2", "cage2", "button_cage2", 1500, 65, 36, 38, {798, 0}, 0, 0},
    {38, "Cage3", "cage3", "button_cage3", 500, 90, 37, -1, {754, 0}, 0, 0},
    {38, "", "foreground", "button_cage3", -1, -1, -1, -1, {0, 0}, 0, 0},
    {38, "", "midrighttree", "button_cage3", -1, -1, -1, -1, {632, 0}, 0, 0},
};
// clang-format on

constexpr int kDrawOrder[SHOP_ITEM_COUNT] = {5,  6,  1,  2,  20, 21, 9,  10, 11, 12, 16, 22, 23, 13,
                                             14, 40, 17, 33, 34, 35, 24, 25, 26, 30, 31, 32, 18, 19,
                                             15, 27, 28, 29, 39, 7,  8,  3,  4,  36, 37, 38};

}  // namespace

int InitShopItems(const std::function<std::string(const std::string&)>& text) {
    if (ShopItems[1]) return 0;
    for (int id = 1; id <= SHOP_ITEM_COUNT; ++id) {
        const Row& row = kCatalogue[id - 1];
        const std::string key = row.key;
        const std::string name = key.empty() ? "" : text("ShopItemName " + key);
        const std::string description = key.empty() ? "" : text("ShopItemDesc " + key);
        auto item =
            ShopItem::Create(row.cost, row.levelAvailable, row.coords, row.saleImageFile, row.imageFile,
                             row.replaceBy, row.requiresID, row.purchaseID, name, description);
        item->SetCentreOffset(row.centreOffsetX, row.centreOffsetY);
        ShopItems[id] = std::move(item);
    }
    ShopDrawOrder.clear();
    for (const int id : kDrawOrder) ShopDrawOrder.push_back(ShopItems[id]);
    return 1;
}
