#include "game/save/SaveData.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "framework/core/Messages.h"

TSaveData SaveData;
std::function<void(int item, int price, int goldLeft)> ItemPurchased;

namespace {

// Gold sums stay within an int, however large a damaged file made the bank.
int Saturated(int64_t value) {
    return static_cast<int>(std::clamp<int64_t>(value, INT_MIN, INT_MAX));
}

bool OwnsItem(TSaveData& data, int i) {
    return data.GetShopItemStatus(i) == ShopItem::PURCHASED;
}

}  // namespace

int TSaveData::Init() {
    DebugLog("Init Data");
    gaugeLevel = 0;
    showTips = 1;
    timer = Links.TimedMode ? Links.TimedMode() : 0;
    bombBonusLevels.fill(0);
    hudBonusLevels.fill(0);
    shopPurchases.fill(ShopItem::UNAVAILABLE);
    goldCollected = 0;
    // A new player, or one whose file could not be read, starts with empty power-ups: never with the
    // charges of whoever played before.
    if (Links.SetCharge) {
        for (int slot = 0; slot < POWERUPS; ++slot) Links.SetCharge(slot, 0);
    }
    return 1;
}

int TSaveData::GetBombBonusLevel(int type) const {
    return type >= 15 && type <= 20 ? bombBonusLevels[type - 15] : 0;
}

int TSaveData::SetBombBonusLevel(int type, int level) {
    if (type < 15 || type > 20) return 0;
    bombBonusLevels[type - 15] = std::clamp(level, 0, 3);
    return 1;
}

int TSaveData::GetHUDBonusLevel(int shopID) {
    if (shopID == 15) return OwnsItem(*this, 15) ? 1 : 0;
    for (int level = 3; level >= 1; --level) {
        if (OwnsItem(*this, shopID + level - 1)) return level;
    }
    return 0;
}

int TSaveData::TryUnlockItem(int i) {
    if (i < 0 || i > SHOP_ITEM_COUNT || shopPurchases[i] != ShopItem::UNAVAILABLE) return 0;
    const std::shared_ptr<ShopItem>& item = ShopItems[i];
    const int unlocked = Links.Unlocked ? Links.Unlocked() : 0;
    if (!item || unlocked < item->LevelAvailable) return 0;
    shopPurchases[i] = ShopItem::AVAILABLE;
    return 1;
}

int TSaveData::GetShopItemStatus(int i) {
    if (i < 0 || i > SHOP_ITEM_COUNT) return ShopItem::UNAVAILABLE;
    TryUnlockItem(i);
    return shopPurchases[i];
}

std::shared_ptr<ShopItem> TSaveData::GetPrereqs(int i) {
    if (i < 0 || i > SHOP_ITEM_COUNT || !ShopItems[i]) return nullptr;
    const int required = ShopItems[i]->Requires;
    if (required == -1 || OwnsItem(*this, required)) return nullptr;
    return ShopItems[required];
}

int TSaveData::IsReplaced(const ShopItem& item) {
    return item.ReplaceBy != -1 && OwnsItem(*this, item.ReplaceBy) ? 1 : 0;
}

int TSaveData::CanPurchaseItem(int i) {
    if (GetShopItemStatus(i) != ShopItem::AVAILABLE || !ShopItems[i] || GetPrereqs(i)) return 0;
    return GoldAvailable() >= ShopItems[i]->Cost ? 1 : 0;
}

int TSaveData::AllItemsPurchased() const {
    return std::all_of(shopPurchases.begin() + 1, shopPurchases.begin() + 1 + SHOP_ITEMS_FOR_SALE,
                       [](int status) { return status == ShopItem::PURCHASED; })
               ? 1
               : 0;
}

int TSaveData::PurchaseItem(int i) {
    if (!CanPurchaseItem(i)) return 0;
    shopPurchases[i] = ShopItem::PURCHASED;
    goldCollected = Saturated(int64_t{goldCollected} - ShopItems[i]->Cost);
    if (ItemPurchased) ItemPurchased(i, ShopItems[i]->Cost, goldCollected);
    int newlySet = 0;
    if (AllItemsPurchased()) newlySet += Achieve("PurchasedAll");
    if (i == 16) newlySet += Achieve("Tarnfield");
    // The third stage of a power-up line.
    if (i == 26 || i == 29 || i == 32 || i == 35 || i == 38) newlySet += Achieve("PowerupLevel3");
    if (newlySet > 0 && Links.SaveAchievements) Links.SaveAchievements();
    return 1;
}

int TSaveData::TakeEverythingOnOffer() {
    int taken = 0;
    for (bool more = true; more;) {
        more = false;
        for (int i = 1; i <= SHOP_ITEMS_FOR_SALE; ++i) {
            if (GetShopItemStatus(i) != ShopItem::AVAILABLE || !ShopItems[i] || GetPrereqs(i)) continue;
            shopPurchases[i] = ShopItem::PURCHASED;
            more = true;
            ++taken;
        }
    }
    return taken;
}

int TSaveData::Achieve(const std::string& key) {
    return Links.SetAchievement ? Links.SetAchievement(key, 0, 0, 0) : 0;
}

int TSaveData::CollectGold(int n) {
    goldCollected = Saturated(int64_t{goldCollected} + n);
    return 1;
}

int TSaveData::SpendGold(int n) {
    goldCollected = std::max(Saturated(int64_t{goldCollected} - n), 0);
    return 1;
}

int TSaveData::GoldAvailable() const {
    return goldCollected;
}

int TSaveData::Save(platform::ByteWriter& out) const {
    DebugLog("Save Data");
    out.WriteInt32(gaugeLevel);
    out.WriteInt32(showTips);
    out.WriteInt32(timer);
    for (const int level : bombBonusLevels) out.WriteInt32(level);
    for (const int level : hudBonusLevels) out.WriteInt32(level);
    for (const int status : shopPurchases) out.WriteInt32(status);
    out.WriteInt32(goldCollected);
    for (int slot = 0; slot < POWERUPS; ++slot) out.WriteInt32(Links.GetCharge ? Links.GetCharge(slot) : 0);
    return 1;
}

int TSaveData::Load(platform::ByteReader& in) {
    DebugLog("Load Data");
    // A value is taken only when it could be read: a block that ends early leaves the rest alone, and the
    // profile sees the reader's failure.
    const auto read = [&in](int& field) {
        int32_t value = 0;
        if (!in.ReadInt32(value)) return false;
        field = value;
        return true;
    };
    read(gaugeLevel);
    if (read(showTips)) showTips = showTips != 0;
    if (read(timer)) timer = timer != 0;
    for (int& level : bombBonusLevels) {
        if (read(level)) level = 1;
    }
    for (int& level : hudBonusLevels) {
        if (read(level)) level = 1;
    }
    for (int& status : shopPurchases) {
        if (read(status)) status = std::clamp(status, ShopItem::UNAVAILABLE, ShopItem::PURCHASED);
    }
    if (read(goldCollected)) goldCollected = std::max(goldCollected, 0);
    for (int slot = 0; slot < POWERUPS; ++slot) {
        int charge = 0;
        if (!read(charge)) break;
        charge = std::max(charge, 0);
        if (Links.ChargeRequired) charge = std::min(charge, Links.ChargeRequired(slot));
        if (Links.SetCharge) Links.SetCharge(slot, charge);
    }
    return in.Failed() ? 0 : 1;
}
