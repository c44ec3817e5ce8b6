// Coins and money bags appear only on the frontier level (the highest one open, not a replay) from level
// 8 on: at most a few coins and one bag a level. The cat upgrades of the shop raise both the limit and
// the chances.
#include "game/board/GameGrid.h"
#include "game/board/Player.h"
#include "game/save/SaveData.h"

namespace {

constexpr int kCat1 = 9, kCat2 = 10;
constexpr int kFirstGoldLevel = 8;

// The upgrade step the player owns: 2 with the second cat, 1 with the first, else 0.
int CatStep() {
    if (SaveData.GetShopItemStatus(kCat2) == ShopItem::PURCHASED) return 2;
    if (SaveData.GetShopItemStatus(kCat1) == ShopItem::PURCHASED) return 1;
    return 0;
}

bool FrontierLevel() {
    return Player.Level == Player.Unlocked && Player.Level >= kFirstGoldLevel;
}

int ByStep(int plain, int first, int second) {
    const int step = CatStep();
    return step == 2 ? second : step == 1 ? first : plain;
}

// A few coins a level, one bag.
bool CoinsMayCome(TGameGrid& grid) {
    return FrontierLevel() && Player.levelCoinsSpawned < grid.getMaxGoldAllowed();
}

bool BagMayCome() {
    return FrontierLevel() && Player.levelBagsSpawned == 0;
}

}  // namespace

int TGameGrid::getMaxGoldAllowed() {
    return ByStep(3, 4, 5);
}

int TGameGrid::getSpawnGoldChance() {
    return CoinsMayCome(*this) ? ByStep(200, 260, 400) : 0;
}

int TGameGrid::getSpawnBagChance() {
    return BagMayCome() ? ByStep(50, 65, 100) : 0;
}

int TGameGrid::getBonusGoldChance() {
    return CoinsMayCome(*this) ? ByStep(500, 700, 1000) : 0;
}

int TGameGrid::getBonusBagChance() {
    return BagMayCome() ? ByStep(250, 350, 500) : 0;
}
