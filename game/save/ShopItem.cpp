#include "game/save/ShopItem.h"

std::shared_ptr<ShopItem> ShopItem::Create(int cost, int levelAvailable, TPoint coords,
                                           const std::string& saleImageFile, const std::string& imageFile,
                                           int replaceBy, int requiresID, int purchaseID,
                                           const std::string& name, const std::string& description) {
    auto item = std::make_shared<ShopItem>();
    item->Cost = cost;
    item->LevelAvailable = levelAvailable;
    item->Coords = coords;
    item->SaleImageFile = saleImageFile;
    item->ImageFile = imageFile;
    item->ReplaceBy = replaceBy;
    item->Requires = requiresID;
    item->PurchaseID = purchaseID;
    item->Name = name;
    item->Description = description;
    return item;
}

int ShopItem::SetCentreOffset(int x, int y) {
    centreOffsetX = x;
    centreOffsetY = y;
    return 1;
}
