#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "game/save/ShopItem.h"

// Purchase ids run from 1 to 40: 1 to 38 are for sale, 39 and 40 are scenery that is always drawn.
inline constexpr int SHOP_ITEM_COUNT = 40;
inline constexpr int SHOP_ITEMS_FOR_SALE = 38;

// The catalogue, indexed by purchase id; index 0 stays empty.
extern std::array<std::shared_ptr<ShopItem>, SHOP_ITEM_COUNT + 1> ShopItems;
// The 40 entries from the back of the shop scene to the front.
extern std::vector<std::shared_ptr<ShopItem>> ShopDrawOrder;

// Builds the catalogue once; a later call does nothing. text looks up a key of the game text table, for
// the items' names ("ShopItemName " + key) and descriptions ("ShopItemDesc " + key).
int InitShopItems(const std::function<std::string(const std::string&)>& text);
