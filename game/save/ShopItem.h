#pragma once

#include <memory>
#include <string>

#include "framework/core/Point.h"

class TGameImage;

// One entry of the shop: at once a piece of the graveyard scene, drawn once bought, and an upgrade the
// game rules ask about.
class ShopItem {
public:
    // The status of an item in the save data.
    static constexpr int UNAVAILABLE = 0;
    static constexpr int AVAILABLE = 1;
    static constexpr int PURCHASED = 2;

    // Note that the sale image comes before the scene image.
    static std::shared_ptr<ShopItem> Create(int cost, int levelAvailable, TPoint coords,
                                            const std::string& saleImageFile, const std::string& imageFile,
                                            int replaceBy, int requiresID, int purchaseID,
                                            const std::string& name, const std::string& description);
    int SetCentreOffset(int x, int y);

    int Cost = 0;               // price in gold; 0 is free but still bought; -1 is scenery, never sold
    int LevelAvailable = 0;     // the unlocked count from which the item is offered
    TPoint Coords;              // top-left corner of the scene image
    std::string ImageFile;      // scene image: "ShopScreen/items/" + this + ".png"
    std::string SaleImageFile;  // button image: "ShopScreen/saleImages/" + this + ".png" and " down.png"
    int ReplaceBy = -1;         // the next stage; once it is bought this item is no longer drawn
    int Requires = -1;          // the item that must be bought first
    int PurchaseID = 0;         // the index in ShopItems and in the save data
    std::string Name;           // display name
    std::string Description;    // display text
    std::shared_ptr<TGameImage> Image, SaleImage, SaleDownImage;
    float GlowValue = 0;
    std::shared_ptr<TGameImage> HUDGlow;
    // From the image centre to where the purchase sparkle plays.
    int centreOffsetX = 0;
    int centreOffsetY = 0;
};
