// Bonus items: their birth where a long run or a crossing cleared, the seven bombs at two levels, coins
// and bags, and the one hit on a cell that bombs and power-ups share.
#include <algorithm>
#include <array>
#include <memory>

#include "framework/core/GameSound.h"
#include "framework/core/Random.h"
#include "framework/sprites/Ticks.h"
#include "game/board/Board.h"
#include "game/board/BoardEvents.h"
#include "game/board/BoardSound.h"
#include "game/board/BonusEffects.h"
#include "game/board/Cell.h"
#include "game/board/GameGrid.h"
#include "game/board/Gem.h"
#include "game/board/GemList.h"
#include "game/board/Player.h"
#include "game/save/SaveData.h"
#include "game/save/ShopItem.h"

namespace {

constexpr int kPumpkin = 15, kGarlic = 21, kUpgrade = 8;  // an upgraded bomb is its type + 8
// Per bomb (pumpkin, lantern, candle, grave, torch, well, garlic): the shop item that lets it appear and
// the one that makes it appear upgraded.
constexpr std::array<int, 7> kEnablingItem = {1, 3, 5, 18, 7, 20, 17};
constexpr std::array<int, 7> kUpgradeItem = {2, 4, 6, 19, 8, 21, 18};
// Lets runs of four make upgraded bombs and the garlic, as longer runs do.
constexpr int kBonusUpgrade = 16;
constexpr int kBombTries = 50;

bool Owns(int item) {
    return SaveData.GetShopItemStatus(item) == ShopItem::PURCHASED;
}

// A coin or a bag is the player's: its gold is counted and flies to the HUD from (px, py).
void CollectGold(const TGem& gem, float px, float py) {
    int coins = 1;
    if (gem.GemType == GEM_BAG) {
        coins = Player.LogGoldBagCollected();
        BoardEvents.TriggerGoldBag = 1;
    } else {
        Player.LogCoinCollected(1);
        BoardEvents.TriggerGoldCoin = 1;
    }
    GoldEffect(px, py, coins);
}

float CentreX(int x) {
    return static_cast<float>(GridToScreenX(x) + TGem::HALF_CELL);
}

float CentreY(int y) {
    return static_cast<float>(GridToScreenY(y) + TGem::HALF_CELL);
}

}  // namespace

int TGameGrid::CreateBonus(int x, int y, int kind) {
    TCell* cell = CellAt(x, y);
    if (!cell || !Gems) return 0;
    int type = kPumpkin;
    for (int attempt = 0; attempt < kBombTries; ++attempt) {
        const int e = Rand(0, 6);
        if (Owns(kEnablingItem[e]) && (e != kGarlic - kPumpkin || kind == 2 || Owns(kBonusUpgrade))) {
            type = kPumpkin + e;
            break;
        }
    }
    std::shared_ptr<TGem> item;
    if (Rand(0, 10000) < getBonusGoldChance()) {
        item = TGem::MakeCoin(x, y, 0);
    } else if (Rand(0, 10000) < getBonusBagChance()) {
        item = TGem::MakeBag(x, y, 0);
    } else {
        if ((kind == 2 || Owns(kBonusUpgrade)) && Owns(kUpgradeItem[type - kPumpkin])) type += kUpgrade;
        item = TGem::Make(x, y, type, 0);
        BoardEvents.TriggerBonusAppears = 1;
    }
    // The gem exploding here keeps its place in the list until its explosion ends; the cell is the item's.
    Gems->InsertGem(item);
    cell->Gem = item;
    return 1;
}

int TGameGrid::ActivateBonus(TGem& gem, int x, int y) {
    if (x == -1 || y == -1) {
        x = mx;
        y = my;
    }
    const auto keep = gem.shared_from_this();
    gem.BonusActivated = 1;
    const int type = gem.GemType;
    const int level = type > GEM_COIN ? 2 : 1;
    if (type != GEM_COIN && type != GEM_BAG && gem.IsBonus()) ++Player.levelBombsSetOff;
    switch (type) {
        case 15:
        case 23:
            return UseBomb(x, y, level);
        case 16:
        case 24:
            return UseHorizontalBomb(0, x, y, level);
        case 17:
        case 25:
            return UseVerticalBomb(x, y, level);
        case 18:
        case 26:
            return UseCrossBomb(x, y, level, 1);
        case 19:
        case 27:
            return UseDiagonalBomb(x, y, level, 1);
        case 20:
        case 28:
            return UseCrossDiagBomb(x, y, level);
        case 21:
        case 29:
            return UseMegaBomb(x, y, 1);
        case GEM_COIN:
        case GEM_BAG: {
            CollectGold(gem, gem.x, gem.y);
            if (const TCell* cell = CellAt(gem.gx, gem.gy); cell && cell->Gem.get() == &gem) {
                DeleteGem(gem.gx, gem.gy);
            } else if (Gems) {
                Gems->Remove(gem);
            }
            gem.Kill();
            ClearCursor();
            return 1;
        }
        default:
            return 0;
    }
}

int TGameGrid::UseCoin(TGem& gem, float px, float py) {
    StopHint();
    BoardEvents.ShowSwapCompleteTip();
    CollectGold(gem, px, py);
    BoardEvents.ResetHintShowCounter();
    return 1;
}

void TGameGrid::StartBlast(int level, int showTip) {
    ++Player.levelBonusesUsed;
    StopHint();
    if (showTip) BoardEvents.ShowSwapCompleteTip();
    BonusUsedThisFrame = 1;
    // An upgraded bomb's blast is thinned out: there is more of it.
    if (level == 2) BonusPower = 2;
}

void TGameGrid::EndBlast() {
    BoardEvents.ResetHintShowCounter();
    BoardEvents.SetGaugeEmpty();
}

void TGameGrid::Hit(int x, int y) {
    if (!CellAt(x, y)) return;
    RemoveArmour(x, y, 0);
    if (DestroySquare(x, y, 0)) BoardEvents.TriggerUnlock = 1;
}

int TGameGrid::UseBomb(int x, int y, int level) {
    if (x == -1 || y == -1) x = mx, y = my;
    StartBlast(level, 1);
    for (const THUDPowerInfo& point : GetBombPoints(x, y, level)) {
        if (point.valid) Hit(point.pos.x, point.pos.y);
    }
    BombBlast(CentreX(x), CentreY(y));
    (level == 2 ? BoardEvents.TriggerBomb2 : BoardEvents.TriggerBomb) = 1;
    EndBlast();
    return 1;
}

int TGameGrid::UseHorizontalBomb(int /*flag*/, int x, int y, int level) {
    if (x == -1 || y == -1) x = mx, y = my;
    StartBlast(level, 1);
    for (int row = y - (level == 2 ? 1 : 0); row <= y + (level == 2 ? 1 : 0); ++row) {
        if (row < 0 || row >= levelheight) continue;
        for (int column = 0; column < levelwidth; ++column) Hit(column, row);
        LightBeam(static_cast<float>(GridToScreenX(0)), CentreY(row),
                  static_cast<float>(GridToScreenX(levelwidth)), CentreY(row));
    }
    (level == 2 ? BoardEvents.TriggerHorizontalBomb2 : BoardEvents.TriggerHorizontalBomb) = 1;
    EndBlast();
    return 1;
}

int TGameGrid::UseVerticalBomb(int x, int y, int level) {
    if (x == -1 || y == -1) x = mx, y = my;
    StartBlast(level, 1);
    for (int column = x - (level == 2 ? 1 : 0); column <= x + (level == 2 ? 1 : 0); ++column) {
        if (column < 0 || column >= levelwidth) continue;
        for (int row = 0; row < levelheight; ++row) Hit(column, row);
        LightBeam(CentreX(column), static_cast<float>(GridToScreenY(0)), CentreX(column),
                  static_cast<float>(GridToScreenY(levelheight)));
    }
    if (level == 2) {
        SilverStreaks(CentreX(x), CentreY(y));
        BoardEvents.TriggerVerticalBomb2 = 1;
        if (VerticalBombSound) {
            VerticalBombSound->pitch = 0.8f;
            PlayBoardSound(VerticalBombSound.get());
            VerticalBombSound->pitch = 1.0f;
        }
    } else {
        BoardEvents.TriggerVerticalBomb = 1;
    }
    EndBlast();
    return 1;
}

void TGameGrid::HitRays(int x, int y, int level, const std::array<TPoint, 4>& directions) {
    // The upgraded bomb reaches across the whole board, however it is shaped; the centre is hit once for
    // each ray.
    const int reach = level == 2 ? std::max(levelwidth, levelheight) : 2;
    for (int i = 0; i <= reach; ++i) {
        for (const TPoint& d : directions) Hit(x + d.x * i, y + d.y * i);
    }
}

int TGameGrid::UseCrossBomb(int x, int y, int level, int withEffects) {
    if (x == -1 || y == -1) x = mx, y = my;
    StartBlast(level, withEffects);
    HitRays(x, y, level, {TPoint{0, -1}, {0, 1}, {-1, 0}, {1, 0}});
    if (withEffects) {
        CrossBlast(CentreX(x), CentreY(y));
        (level == 2 ? BoardEvents.TriggerCrossBomb2 : BoardEvents.TriggerCrossBomb) = 1;
    }
    EndBlast();
    return 1;
}

int TGameGrid::UseDiagonalBomb(int x, int y, int level, int withEffects) {
    if (x == -1 || y == -1) x = mx, y = my;
    StartBlast(level, withEffects);
    HitRays(x, y, level, {TPoint{-1, -1}, {-1, 1}, {1, -1}, {1, 1}});
    if (withEffects) {
        DiagonalBlast(CentreX(x), CentreY(y));
        (level == 2 ? BoardEvents.TriggerDiagBomb2 : BoardEvents.TriggerDiagBomb) = 1;
    }
    EndBlast();
    return 1;
}

int TGameGrid::UseCrossDiagBomb(int x, int y, int level) {
    if (x == -1 || y == -1) x = mx, y = my;
    StartBlast(level, 1);
    UseCrossBomb(x, y, level, 0);
    UseDiagonalBomb(x, y, level, 0);
    CrossDiagonalBlast(CentreX(x), CentreY(y));
    (level == 2 ? BoardEvents.TriggerCrossDiagBomb2 : BoardEvents.TriggerCrossDiagBomb) = 1;
    EndBlast();
    return 1;
}

int TGameGrid::UseMegaBomb(int x, int y, int /*level*/) {
    if (x == -1 || y == -1) x = mx, y = my;
    // The garlic is the same at both levels, always at full power.
    StartBlast(2, 1);
    for (const THUDPowerInfo& point : GetMegaPoints(x, y)) {
        if (point.valid) Hit(point.pos.x, point.pos.y);
    }
    BoardEvents.TriggerMegaBomb = 1;
    MegaBlast(CentreX(x), CentreY(y));
    EndBlast();
    return 1;
}

int TGameGrid::DestroySquare(int x, int y, int removeArmour) {
    TCell* cell = CellAt(x, y);
    if (!cell || !cell->Gem) return 0;
    const std::shared_ptr<TGem> gem = cell->Gem;
    if (gem->rocked) {
        gem->UnRock(1);
        return 0;
    }
    if (!gem->locked && removeArmour) RemoveArmour(x, y, 0);
    return gem->Destroy();
}

int TGameGrid::DestroySquareSafe(int x, int y, int removeArmour) {
    return CellAt(x, y) ? DestroySquare(x, y, removeArmour) : 0;
}
