#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "game/save/ShopCatalogue.h"
#include "platform/files/ByteStream.h"

// What the save data asks of parts of the game that own the answers. Each owner installs its link when
// it is created; a missing link reads as 0 and takes nothing.
struct TSaveDataLinks {
    std::function<int()> TimedMode;  // the game state's timed-mode flag, which a new profile takes
    std::function<int()> Unlocked;   // the player's unlocked count, which opens shop items
    // The charge of power-up slot 0 to 5 (stake, hammer, broom, lightning, tarot, crystal), what it needs
    // to be full, and setting it.
    std::function<int(int slot)> GetCharge;
    std::function<int(int slot)> ChargeRequired;
    std::function<void(int slot, int charge)> SetCharge;
    // The achievement list: how many achievements a report newly set, and storing them.
    std::function<int(const std::string& key, int, int, int)> SetAchievement;
    std::function<int()> SaveAchievements;
};

// The game's part of a profile: banked gold, the state of every shop item, the play mode and the
// power-ups' charges. It travels in the profile file as a block of 64 little-endian integers after the
// framework's part: the fields below in their order, then the six charges.
class TSaveData {
public:
    static constexpr int BOMB_TYPES = 7;  // bonus item types 15 to 21
    static constexpr int POWERUPS = 6;
    static constexpr int BLOCK_INTS = 64;

    TSaveData() = default;
    virtual ~TSaveData() = default;

    // Fresh data for a new profile.
    int Init();
    // For bonus item types 15 to 20; other types read 0 and are not stored.
    int GetBombBonusLevel(int type) const;
    int SetBombBonusLevel(int type, int level);
    // The level (0 to 3) of a power-up from the first purchase id of its line; the tarot's line (15) has
    // one level.
    int GetHUDBonusLevel(int shopID);
    // Makes item i available once the player has unlocked enough levels; 1 when it did so now.
    int TryUnlockItem(int i);
    // UNAVAILABLE, AVAILABLE or PURCHASED (0 for an id outside 0 to 40); availability is worked out here,
    // on every query, and once available an item stays so.
    int GetShopItemStatus(int i);
    // The item that must be bought before item i, while it is not bought; none otherwise.
    std::shared_ptr<ShopItem> GetPrereqs(int i);
    // 1 when the item's next stage is bought, so the item itself is no longer drawn.
    int IsReplaced(const ShopItem& item);
    int CanPurchaseItem(int i);
    // 1 when every item for sale is bought (the scenery pieces do not count).
    int AllItemsPurchased() const;
    // Buys item i when CanPurchaseItem allows it and reports the achievements it earns; 1 when bought.
    // The profile is not saved here.
    int PurchaseItem(int i);
    // Marks every item on offer as bought, and then what those purchases open, without touching the gold:
    // a player who bought everything so far, for play-testing a level. The number of items taken.
    int TakeEverythingOnOffer();
    int CollectGold(int n);
    // Takes gold away, never below 0.
    int SpendGold(int n);
    int GoldAvailable() const;
    // The block in the profile file. Loading sets every bonus level to 1 whatever the file holds and
    // keeps every value in its range.
    int Load(platform::ByteReader& in);
    int Save(platform::ByteWriter& out) const;

    int gaugeLevel = 0;  // kept in the file; nothing reads it
    int showTips = 1;    // 1: tutorial tips are shown
    int timer = 0;       // play mode: 1 timed, 0 relaxed
    std::array<int, BOMB_TYPES> bombBonusLevels{};
    std::array<int, POWERUPS> hudBonusLevels{};
    std::array<int, SHOP_ITEM_COUNT + 1> shopPurchases{};  // the status of each purchase id
    int goldCollected = 0;                                 // banked gold, to spend in the shop
    TSaveDataLinks Links;

private:
    int Achieve(const std::string& key);
};

// The current player's save data.
extern TSaveData SaveData;

// Told of every purchase, whoever makes it, with the item's price and the gold left after it: for whoever
// listens from outside play (the event report). Nothing in the game depends on it.
extern std::function<void(int item, int price, int goldLeft)> ItemPurchased;
