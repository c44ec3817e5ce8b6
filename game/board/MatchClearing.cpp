// Clearing what the run finder marked: points for every cell, chains off locked gems, bonus items born
// where the runs asked for them, rocks beside the runs cracked once, armour under them broken a layer.
#include <algorithm>
#include <vector>

#include "framework/core/Game.h"
#include "framework/core/GameSound.h"
#include "framework/core/Random.h"
#include "game/board/Board.h"
#include "game/board/BoardEvents.h"
#include "game/board/BoardSound.h"
#include "game/board/Cell.h"
#include "game/board/GameGrid.h"
#include "game/board/Gem.h"
#include "game/board/GemEffects.h"
#include "game/board/GemList.h"
#include "game/board/MatchPoints.h"
#include "game/board/Player.h"
#include "game/save/SaveData.h"

namespace {

// The shop item that lets long runs and crossings make bonus items.
constexpr int kBonusItems = 1;

}  // namespace

int TGameGrid::ProcessMatches(int countOnly, int crackRocks) {
    int marked = 0, cleared = 0, unlocked = 0;
    TCrackedList cracked;
    const bool bonusItems = !countOnly && SaveData.GetShopItemStatus(kBonusItems) == ShopItem::PURCHASED;
    for (int x = 0; x < levelwidth; ++x) {
        for (int y = 0; y < levelheight; ++y) {
            TCell* cell = Cells[x][y].get();
            if (!cell || cell->match != 1) continue;
            ++marked;
            if (countOnly) continue;
            cell->match = 0;
            const std::shared_ptr<TGem> gem = cell->Gem;
            if (gem && gem->locked) {
                // The match takes only the chain; the gem keeps its place. Its bonus mark goes too, so
                // that a later match through this cell cannot make a bonus item from it.
                cell->createBonus = 0;
                gem->Unlock();
                AwardMatchPoints(x, y, TotalMatchesCount, 0, 1);
                ++unlocked;
                continue;
            }
            if (gem) {
                if (cx == x && cy == y) {
                    ClearCursor();
                    BoardEvents.RestorePointer();
                }
                AwardMatchPoints(x, y, TotalMatchesCount, gem->Magic, GetGoalScore(x, y, 1));
                gem->Explode(1, 0);
            }
            if (cell->createBonus && bonusItems) BoardEvents.CreateBonus(x, y, cell->createBonus);
            cell->createBonus = 0;
            AddCracked(cracked, x - 1, y);
            AddCracked(cracked, x + 1, y);
            AddCracked(cracked, x, y - 1);
            AddCracked(cracked, x, y + 1);
            RemoveArmour(x, y, 0);
            ++cleared;
        }
    }
    if (crackRocks) {
        for (const auto& [x, y] : cracked) {
            if (TCell* cell = CellAt(x, y); cell && cell->Gem) cell->Gem->UnRock(1);
        }
    }
    if (unlocked) BoardEvents.TriggerUnlock = 1;
    if (cleared) {
        BoardEvents.ResetHintShowCounter();
        if (MatchNoArmourSound && Game && Game->Channels) {
            MatchNoArmourSound->pitch = MatchPitch + static_cast<float>(Rnd(-0.1, 0.1));
            PlayBoardSound(MatchNoArmourSound.get());
        }
        BoardEvents.ClearHint();
        BoardEvents.ChargeEarned();
    }
    return marked;
}

int TGameGrid::AddCracked(TCrackedList& list, int x, int y) {
    const TCell* cell = CellAt(x, y);
    if (!cell || !cell->Gem || !cell->Gem->rocked) return 0;
    const TCellPoint point{x, y};
    if (std::find(list.begin(), list.end(), point) != list.end()) return 0;
    list.push_back(point);
    return 1;
}

int TGameGrid::RemoveArmour(int x, int y, int /*flag*/) {
    TCell* cell = CellAt(x, y);
    if (!cell) return 0;
    if (cell->Gem && (cell->Gem->locked || cell->Gem->rocked)) return 0;
    const float centreX = static_cast<float>(GridToScreenX(x) + TGem::HALF_CELL);
    const float centreY = static_cast<float>(GridToScreenY(y) + TGem::HALF_CELL);
    int broke = 1;
    if (cell->armour2) {
        cell->armour2 = 0;
        --Armoured;
        TileBreak(centreX, centreY, 2);
        BoardEvents.TriggerMatchOverArmour2 = 1;
    } else if (cell->armour1) {
        cell->armour1 = 0;
        --Armoured;
        TileBreak(centreX, centreY, 1);
        BoardEvents.TriggerMatchOverArmour1 = 1;
        Player.LogGoldTileCollected();
        --Gold;
    } else {
        broke = 0;
    }
    TilesVersion += broke;
    // Every cleared cell looks at the goals, armour or not: a level without an armour goal (or whose tiles
    // are all gone) is won by the match that meets its last goal.
    CheckTarget();
    if (Armoured >= 1 && Armoured <= 3) BoardEvents.ShowNearlyDoneTip();
    return broke;
}

int TGameGrid::DeleteGem(int x, int y) {
    TCell* cell = CellAt(x, y);
    if (!cell || !cell->Gem) return 0;
    if (Gems) Gems->Remove(*cell->Gem);
    cell->Gem.reset();
    return 1;
}
