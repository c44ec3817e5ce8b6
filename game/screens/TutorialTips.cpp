// Which tip the tutorial shows when: at a level's start, after the first swap, when a goal is nearly
// done or one of two is met, for the first magic gem, for the pumpkin in the shop, and when a goal of the
// HUD is clicked.
#include <algorithm>
#include <string>

#include "framework/gfx/GameImage.h"
#include "framework/gfx/GameText.h"
#include "game/board/BoardEvents.h"
#include "game/board/GameGrid.h"
#include "game/board/Player.h"
#include "game/save/SaveData.h"
#include "game/save/ShopItem.h"
#include "game/screens/Tutorial.h"

namespace {

// The boxes that go with a goal arrow stand this far above it, and right of it.
constexpr int kBoxOverArrow = 88;
constexpr int kBoxRightOfArrow = 10;
// The pumpkin arrow points down at the middle of the shop's item bar.
constexpr int kPumpkinArrowX = 512, kPumpkinArrowY = 620;
// The stake's slot, from the board's corner, where the level-4 and magic tips point. Their box stands
// right of the arrow, its foot a little below the arrow's tip, so that it hides neither the arrow nor the
// slot.
constexpr int kStakeArrowX = 43, kStakeArrowY = 584;
constexpr int kStakeBoxRight = 40, kStakeBoxFootBelowTip = 20;
constexpr int kFirstPumpkin = 1;

// A level-start tip whose arrow points down at a cell (or at the stake when small).
struct TCellTip {
    int level, boxX, boxY, arrowX, arrowY;  // the arrow from the board's corner
    bool small;
};
constexpr TCellTip kCellTips[] = {
    {1, 338, 77, 231, 259, false},  {2, 484, -6, 363, 193, false},
    {3, 375, 60, 231, 193, false},  {4, 0, 0, kStakeArrowX, kStakeArrowY, true},
    {6, 372, 290, 297, 457, false}, {9, 375, 160, 297, 391, false},
    {13, 408, 95, 363, 325, false}, {17, 343, 125, 231, 325, false},
};

// A level-start tip about the goals: arrows at their rows, the box above the arrow of one of them.
struct TGoalsTip {
    int level;
    int goals[3];  // 0 ends the list
    int boxGoal, boxOverArrow;
};
constexpr TGoalsTip kGoalsTips[] = {
    {5, {1, 2, 0}, 1, 60},
    {7, {2, 3, 0}, 2, 60},
    {10, {1, 2, 4}, 2, 55},
};

// The goal the first-swap and nearly-done tips of a level point at; 0 for none.
int TaughtGoal(int level) {
    switch (level) {
        case 1:
        case 2:
            return 1;
        case 3:
            return 2;
        case 6:
            return 3;
        default:
            return 0;
    }
}

std::string Text(const std::string& key) {
    return GameText.FindString(key);
}

// The header, body and name of the level's tip of a kind ("" at the start, "b" after the first swap, "c"
// for a goal nearly done or met).
TTipData LevelTip(const std::string& kind) {
    const std::string stem = "Hint " + std::to_string(Player.Level) + kind;
    TTipData data;
    data.theHeaderText = Text(stem + " Header");
    data.theText = Text(stem + " Body");
    data.tag = stem;
    return data;
}

int BoardX() {
    return Grid ? Grid->sx : 0;
}

int BoardY() {
    return Grid ? Grid->sy : 0;
}

// The left of a box beside the goal arrows: clear of the arrow, its word readable.
int BoxBesideArrows(const TGameImage* arrow) {
    return TTutorial::GOAL_ARROW_X + (arrow ? arrow->w : 0) + kBoxRightOfArrow;
}

// A tip about the stake: the small arrow over its slot, the box beside it.
void PointAtStake(TTipData& data, const std::shared_ptr<TGameImage>& arrow, const TGameImage* box) {
    data.arrowType = arrow;
    data.arrowX = BoardX() + kStakeArrowX, data.arrowY = BoardY() + kStakeArrowY;
    data.arrowDirectionY = 1;
    data.tipX = data.arrowX + kStakeBoxRight;
    data.tipY = data.arrowY + kStakeBoxFootBelowTip - (box ? box->h : 0);
}

}  // namespace

int TTutorial::CanShowGoalTip(int goal) const {
    if (!Grid) return 0;
    switch (goal) {
        case 1:
            return !BoardEvents.Goal1Done && Grid->GoalMatches > 0;
        case 2:
            return !BoardEvents.Goal2Done && Grid->GoalArmour == 1;
        case 3:
            return !BoardEvents.Goal3Done && Grid->GoalCollect != 0;
        case 4:
            return !BoardEvents.Goal4Done && Grid->GoalRock == 1;
        default:
            return 0;
    }
}

int TTutorial::ShowGoalArrowTip(int goal, int ms) {
    if (!SaveData.showTips || !CanShowGoalTip(goal)) return 0;
    KillTipGlowSprite();
    // The HUD lists only the goals the level has: the arrow goes to the goal's own row.
    const int y = GOAL_ROWS_Y + GOAL_ROW_STEP * Grid->GoalRow(goal);
    CreateDynamicTipArrow(ArrowThinImage, GOAL_ARROW_X, y, ms, Text("Goal Tip"), -1, 0, 0);
    return y;
}

int TTutorial::ShowLevelStartTip() {
    if (!SaveData.showTips) return 0;
    TTipData data = LevelTip("");
    const int level = Player.Level;
    for (const TCellTip& tip : kCellTips) {
        if (tip.level != level) continue;
        if (tip.small) {
            PointAtStake(data, ArrowSmallImage, TipWithCloseImage.get());
            continue;
        }
        data.tipX = tip.boxX, data.tipY = tip.boxY;
        data.arrowType = ArrowImage;
        data.arrowX = BoardX() + tip.arrowX, data.arrowY = BoardY() + tip.arrowY;
        data.arrowDirectionY = 1;
        data.tipGlow = 1;
    }
    for (const TGoalsTip& tip : kGoalsTips) {
        if (tip.level != level) continue;
        int boxArrowY = 0;
        for (const int goal : tip.goals) {
            if (!goal) break;
            const int y = ShowGoalArrowTip(goal, TIP_MS);
            if (goal == tip.boxGoal) boxArrowY = y;
        }
        data.tipX = BoxBesideArrows(ArrowThinImage.get()),
        data.tipY = std::max(0, boxArrowY - tip.boxOverArrow);
        data.timeLimit = TIP_MS;
    }
    if (!data.theText.empty()) CurrentTip = 1;
    return CreateDynamicTipWrapper(data);
}

int TTutorial::ShowSwapCompleteTip() {
    if (!SaveData.showTips || BoardEvents.OutroRunning() || BoardEvents.NoMoreMovesRunning()) return 0;
    if (CurrentTip != 1) return 0;
    TTipData data = LevelTip("b");
    FadeTips();
    int arrowY = 0;
    if (const int goal = TaughtGoal(Player.Level)) {
        arrowY = ShowGoalArrowTip(goal, TIP_MS);
    } else {
        // The other tutorial levels say all they have to say at the start.
        data.theText.clear();
    }
    data.tipX = BoxBesideArrows(ArrowThinImage.get()), data.tipY = std::max(0, arrowY - kBoxOverArrow);
    data.timeLimit = TIP_MS;
    KillTipGlowSprite();
    CurrentTip = 0;
    return CreateDynamicTipWrapper(data);
}

int TTutorial::ShowNearlyDoneTip() {
    const int goal = TaughtGoal(Player.Level);
    if (NearlyDoneShown || !SaveData.showTips || !goal) return 0;
    NearlyDoneShown = 1;
    FadeTips();
    const int arrowY = ShowGoalArrowTip(goal, TIP_MS);
    if (!arrowY) return 0;
    TTipData data = LevelTip("c");
    data.tipX = BoxBesideArrows(ArrowThinImage.get()), data.tipY = std::max(0, arrowY - kBoxOverArrow);
    data.timeLimit = TIP_MS;
    return CreateDynamicTipWrapper(data);
}

int TTutorial::ShowGoalCompleteTip() {
    const int level = Player.Level;
    if (GoalCompleteShown || !SaveData.showTips || (level != 5 && level != 7)) return 0;
    GoalCompleteShown = 1;
    FadeTips();
    // Only the goals still open get an arrow: the one left to do.
    int arrowY = 0;
    for (int goal = 1; goal <= 4; ++goal) arrowY += ShowGoalArrowTip(goal, TIP_MS);
    TTipData data = LevelTip("c");
    data.tipX = BoxBesideArrows(ArrowThinImage.get()), data.tipY = std::max(0, arrowY - kBoxOverArrow);
    data.timeLimit = TIP_MS;
    return CreateDynamicTipWrapper(data);
}

int TTutorial::ShowPumpkinTip() {
    if (PumpkinTipShown || Player.Level != 2 ||
        SaveData.GetShopItemStatus(kFirstPumpkin) == ShopItem::PURCHASED) {
        return 0;
    }
    PumpkinTipShown = 1;
    FadeTips();
    TTipData data;
    data.arrowType = ArrowSmallImage;
    data.arrowX = kPumpkinArrowX, data.arrowY = kPumpkinArrowY;
    data.arrowDirectionY = 1;
    data.closeable = 0;
    data.tag = "Pumpkin Tip";
    return CreateDynamicTipWrapper(data);
}

int TTutorial::ShowMagicTip() {
    if (MagicTipShown || Player.Level != 4) return 0;
    MagicTipShown = 1;
    FadeTips();
    TTipData data;
    data.theHeaderText = Text("Hint Magic Header");
    data.theText = Text("Hint Magic Body");
    data.tag = "Hint Magic";
    data.timeLimit = TIP_MS;
    PointAtStake(data, ArrowSmallImage, TipWithCloseImage.get());
    return CreateDynamicTipWrapper(data);
}
