// The level's goals (matches of a colour, gold tiles, skulls brought down, rocks broken), the skulls
// reaching the bottom, and the start of the level's end once every goal is met.
#include "game/board/Board.h"
#include "game/board/BoardEvents.h"
#include "game/board/Cell.h"
#include "game/board/GameGrid.h"
#include "game/board/Gem.h"
#include "game/board/GemEffects.h"
#include "game/board/GemList.h"
#include "game/board/MatchPoints.h"
#include "game/board/Player.h"

int TGameGrid::CollectEgg(TGem& gem) {
    const auto keep = gem.shared_from_this();
    ++Player.SpecialItemsCollected;
    CheckTarget();
    SkullCollected(gem.x, gem.y);
    AwardMatchPoints(gem.gx, gem.gy, 0, 1, 1);
    Player.LogGoldenSkullCollected();
    if (Gems) Gems->Remove(gem);
    if (TCell* cell = CellAt(gem.gx, gem.gy); cell && cell->Gem.get() == &gem) cell->Gem.reset();
    --EggCount;
    const int toGo = Player.GetSpecialItemsToGo();
    if (toGo == 0 && Gems) {
        // The goal is met: the skulls still on the board have nothing left to do.
        Gems->ExplodeSpecialItems(GEM_SKULL);
    } else if (toGo == 1) {
        BoardEvents.ShowNearlyDoneTip();
    }
    BoardEvents.TriggerEggDrop = 1;
    return 1;
}

int TGameGrid::CheckTarget() {
    if (TargetMet) return 1;
    struct TGoal {
        int target;
        bool met;
        int& done;
    };
    const TGoal goals[] = {
        {GoalMatches, Player.GetMatchesToGo() == 0, BoardEvents.Goal1Done},
        {GoalArmour, Gold == 0, BoardEvents.Goal2Done},
        {GoalCollect, Player.GetSpecialItemsToGo() == 0, BoardEvents.Goal3Done},
        {GoalRock, Rocks == 0, BoardEvents.Goal4Done},
    };
    int set = 0, met = 0;
    for (int n = 0; n < 4; ++n) {
        const TGoal& goal = goals[n];
        if (goal.target <= 0) continue;
        ++set;
        if (!goal.met) continue;
        ++met;
        if (!goal.done) {
            BoardEvents.GoalDoneEffect(n + 1);
            goal.done = 1;
        }
    }
    if (met == set) {
        TargetMet = 1;
        BoardEvents.FadeTips();
    } else if ((set == 2 && met == 1) || (set == 3 && met == 2)) {
        BoardEvents.ShowGoalCompleteTip();
    }
    return TargetMet;
}

int TGameGrid::GoalRow(int goal) const {
    const int targets[] = {GoalMatches, GoalArmour, GoalCollect, GoalRock};
    if (goal < 1 || goal > 4 || targets[goal - 1] <= 0) return 0;
    int row = 0;
    for (int i = 0; i < goal; ++i) row += targets[i] > 0 ? 1 : 0;
    return row;
}

int TGameGrid::GoalAtRow(int row) const {
    for (int goal = 1; goal <= 4; ++goal) {
        if (row > 0 && GoalRow(goal) == row) return goal;
    }
    return 0;
}

int TGameGrid::CheckLevelEnd() {
    if (TargetMet == 1) StartLevelEnd();
    return 1;
}

int TGameGrid::StartLevelEnd() {
    if (!BoardEvents.StartOutroAnim()) return 0;
    // A swap under way is called off: both gems go back to their cells and stop.
    for (const auto& gem : {SwapSource, SwapDest}) {
        if (!gem) continue;
        gem->CalcCoords(gem->gx, gem->gy);
        gem->dx = gem->dy = 0;
        gem->Swapping = 0;
    }
    SwapSource.reset();
    SwapDest.reset();
    SwapCounter = 0;
    FailedMove = 0;
    BoardEvents.RestorePointer();
    ClearCursor();
    BoardEvents.StopHint();
    BlockInput = 1;
    if (Gems) {
        Gems->ExplodeMagicGems();
        Gems->ExplodeAll(1);
    }
    return 1;
}
