// What the stake, the hammer and the broom do to the cells they are dropped on.
#include <memory>

#include "game/board/Board.h"
#include "game/board/BoardEvents.h"
#include "game/board/Cell.h"
#include "game/board/GameGrid.h"
#include "game/board/Gem.h"
#include "game/board/MatchPoints.h"

namespace {

constexpr int kManyCells = 5;  // a power-up acting on more cells than this is thinned out

int CountValid(const THUDPowerInfoList& points) {
    int n = 0;
    for (const THUDPowerInfo& point : points) n += point.valid ? 1 : 0;
    return n;
}

TGem* GemAt(const TPoint& pos) {
    TCell* cell = CellAt(pos.x, pos.y);
    return cell ? cell->Gem.get() : nullptr;
}

// What every use does first: the hint stops and waits again, the tutorial hears of it.
void BeginUse(TGameGrid& grid) {
    grid.StopHint();
    BoardEvents.ShowSwapCompleteTip();
    BoardEvents.ResetHintShowCounter();
    grid.BonusUsedThisFrame = 1;
}

}  // namespace

int TGameGrid::UseStake(int x, int y, int level) {
    BeginUse(*this);
    for (const THUDPowerInfo& point : GetStakePoints(x, y, level)) {
        if (!point.valid) continue;
        RemoveArmour(point.pos.x, point.pos.y, 0);
        // The centre takes a hit for every cell.
        RemoveArmour(x, y, 0);
        if (DestroySquare(point.pos.x, point.pos.y, 0)) AwardMatchPoints(point.pos.x, point.pos.y, 1, 0, 1);
    }
    BoardEvents.SetGaugeEmpty();
    return 1;
}

int TGameGrid::UseHammer(int x, int y, int level) {
    BeginUse(*this);
    const THUDPowerInfoList points = GetHammerPoints(x, y, level);
    if (CountValid(points) > kManyCells) BonusPower = 2;
    for (const THUDPowerInfo& point : points) {
        TGem* gem = point.valid ? GemAt(point.pos) : nullptr;
        if (!gem) continue;
        const bool centre = point.pos == TPoint{x, y};
        gem->UnRock(centre && gem->rocked == 2 ? 0 : 1);
    }
    // The hammer always breaks its centre rock.
    if (TGem* centre = GemAt({x, y}); centre && centre->rocked == 1) centre->UnRock(1);
    BoardEvents.SetGaugeEmpty();
    return 1;
}

int TGameGrid::UseBroom(int x, int y, int level) {
    BeginUse(*this);
    const THUDPowerInfoList points = GetBroomPoints(x, y, level);
    if (CountValid(points) > kManyCells) BonusPower = 2;
    for (const THUDPowerInfo& point : points) {
        TGem* gem = point.valid ? GemAt(point.pos) : nullptr;
        if (!gem) continue;
        gem->Unlock();
        AwardMatchPoints(point.pos.x, point.pos.y, 1, 0, 1);
    }
    BoardEvents.TriggerUnlock = 1;
    BoardEvents.SetGaugeEmpty();
    return 1;
}
