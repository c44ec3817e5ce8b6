#pragma once

#include <array>

// The shop's graveyard scene as the game draws it: each item's picture file (under
// "graphics/ShopScreen/items/"), its button picture (under "graphics/ShopScreen/saleImages/"), the top-left
// corner it is drawn at, the item that replaces it once bought (0 for none), and the back-to-front order of
// the scene. The painter, the mock-ups and the tests take the scene from here.
namespace assetgen::shopscene {

struct Item {
    int id;
    const char* file;
    const char* saleFile;
    int x, y;
    int replacedBy;
    bool scenery;  // always drawn, never sold
};

inline constexpr std::array<Item, 40> kItems = {{
    {1, "pumpkin1", "button_pumpkin1", 348, 431, 0, false},
    {2, "pumpkin2", "button_pumpkin2", 548, 495, 0, false},
    {3, "lantern1", "button_lantern1", 68, 539, 0, false},
    {4, "lantern2", "button_lantern2", 832, 517, 0, false},
    {5, "candelabra1", "button_candelabra1", 309, 289, 0, false},
    {6, "candelabra2", "button_candelabra2", 626, 288, 0, false},
    {7, "torch1", "button_torch1", 609, 519, 0, false},
    {8, "torch2", "button_torch2", 362, 514, 0, false},
    {9, "cat1", "button_cat1", 539, 406, 0, false},
    {10, "cat2", "button_cat2", 583, 39, 0, false},
    {11, "mist1", "button_mist1", 0, 386, 0, false},
    {12, "mist2", "button_mist2", 0, 386, 0, false},
    {13, "pumpkinlights1", "button_pumpkinlights1", 396, 233, 0, false},
    {14, "pumpkinlights2", "button_pumpkinlights2", 235, 158, 0, false},
    {15, "gravebed", "button_gravebed", 665, 552, 0, false},
    {16, "tarnfield", "button_tarnfield", 290, 120, 0, false},
    {17, "cauldron", "button_cauldron", 712, 162, 0, false},
    {18, "cross gravestone1", "button_cross gravestone1", 305, 424, 19, false},
    {19, "cross gravestone2", "button_cross gravestone2", 285, 396, 0, false},
    {20, "well1", "button_well1", 16, 341, 21, false},
    {21, "well2", "button_well2", 16, 341, 0, false},
    {22, "web1", "button_web1", 412, 254, 23, false},
    {23, "web2", "button_web2", 412, 254, 0, false},
    {24, "coffin1", "button_coffin1", 229, 565, 25, false},
    {25, "coffin2", "button_coffin2", 229, 565, 26, false},
    {26, "coffin3", "button_coffin3", 195, 539, 0, false},
    {27, "broomstick1", "button_broomstick1", 417, 202, 28, false},
    {28, "broomstick2", "button_broomstick2", 417, 200, 29, false},
    {29, "broomstick3", "button_broomstick3", 378, 195, 0, false},
    {30, "curved gravestone1", "button_curved gravestone1", 711, 459, 31, false},
    {31, "curved gravestone2", "button_curved gravestone2", 711, 459, 32, false},
    {32, "curved gravestone3", "button_curved gravestone3", 704, 453, 0, false},
    {33, "lightningtree1", "button_tree1", 39, 0, 34, false},
    {34, "lightningtree2", "button_tree2", 39, 0, 35, false},
    {35, "lightningtree3", "button_tree3", 39, 0, 0, false},
    {36, "cage1", "button_cage1", 798, 0, 37, false},
    {37, "cage2", "button_cage2", 798, 0, 38, false},
    {38, "cage3", "button_cage3", 754, 0, 0, false},
    {39, "foreground", "button_cage3", 0, 0, 0, true},
    {40, "midrighttree", "button_cage3", 632, 0, 0, true},
}};

inline constexpr std::array<int, 40> kDrawOrder = {5,  6,  1,  2,  20, 21, 9,  10, 11, 12, 16, 22, 23, 13,
                                                   14, 40, 17, 33, 34, 35, 24, 25, 26, 30, 31, 32, 18, 19,
                                                   15, 27, 28, 29, 39, 7,  8,  3,  4,  36, 37, 38};

constexpr const Item& ItemById(int id) {
    return kItems[id - 1];
}

}  // namespace assetgen::shopscene
