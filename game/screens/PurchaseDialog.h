#pragma once

#include <memory>

#include "framework/ui/Dialog.h"

class ShopItem;

// The shop keeper offering one item: its name, description and picture, the price and the gold the player
// has, with "Buy" (only when the gold is enough) and "Cancel"; or, while the item it needs is not bought,
// only the note of what must be bought first and "Cancel". Buying sets itemBought and closes with 1.
class TPurchaseDialog : public TDialog {
public:
    static constexpr int MENU_Y = 574;
    int Gap = 10;
    int ClickAnywhereCloses = 0;
    std::shared_ptr<TLabel> priceLabel, priceValueLabel, goldAvailLabel, goldAvailValueLabel;
    std::shared_ptr<ShopItem> selectedItem;
    int itemBought = 0;

    // A started dialog for item, with the player's banked gold.
    static std::shared_ptr<TPurchaseDialog> Create(std::shared_ptr<ShopItem> item, int gold);
    int Manage() override;
    int Draw() override;
};
