#pragma once

#include <functional>
#include <vector>

class TGem;

// Where the board and its gems reach the parts of play around them: the player's counters and points, the
// board's goal, egg and bomb rules, the game screen's sound triggers and animations, the tutorial, the
// mouse and the power-ups. ConnectBoardEvents fills the player's and the board's rules; the game screen,
// the moves and the power-ups fill theirs when they start. Until then the defaults stand, which award
// nothing, count nothing and report every animation as not running, so that gems and the board run on
// their own (the tests and the level checker rely on that).
struct TBoardEvents {
    // A point on the screen.
    struct TScreenPoint {
        float x = 0, y = 0;
    };

    // The player: points for one cleared cell (the cell, the running match count, magic and goal flags).
    std::function<void(int x, int y, int count, int magic, int goal)> AwardMatchPoints = [](int, int, int,
                                                                                            int, int) {};
    // A gem of the goal's colour was cleared; and how many the matches goal still wants.
    std::function<void()> CountGoalMatch = [] {};
    std::function<int()> MatchesToGo = [] { return 0; };
    // Golden skulls the level still wants collected.
    std::function<int()> SkullsToGo = [] { return 0; };
    // The level being played: magic gems appear from level 4 on.
    std::function<int()> PlayerLevel = [] { return 1; };
    std::function<void()> CoinSpawned = [] {};
    std::function<void()> BagSpawned = [] {};
    std::function<void()> MagicFreed = [] {};

    // The board's rules: are the goals met now; a skull reached the bottom; a bomb or pickup is set off.
    std::function<void()> CheckTarget = [] {};
    std::function<void(TGem& skull)> CollectEgg = [](TGem&) {};
    std::function<void(TGem& item, int x, int y)> ActivateBonus = [](TGem&, int, int) {};

    // The game screen's start and end animations. StartOutroAnim is true when the outro started now.
    std::function<bool()> IntroRunning = [] { return false; };
    std::function<bool()> OutroRunning = [] { return false; };
    std::function<bool()> TimeUpRunning = [] { return false; };
    std::function<bool()> NoMoreMovesRunning = [] { return false; };
    std::function<bool()> StartOutroAnim = [] { return false; };
    std::function<void()> StartTimeUpAnim = [] {};
    std::function<void()> RestartIntroAnim = [] {};

    // The game screen's one-shot sound triggers the board and gems set; the game screen plays and clears
    // them.
    int TriggerUnrock1 = 0, TriggerUnrock2 = 0, TriggerMagic = 0, TriggerCoinDisappears = 0,
        TriggerUnlock = 0, TriggerMatchOverArmour1 = 0, TriggerMatchOverArmour2 = 0, TriggerEggDrop = 0;
    // The bombs (the flags ending in 2 for the upgraded ones), a new bonus item, collected gold and a
    // power-up that filled up.
    int TriggerBomb = 0, TriggerBomb2 = 0, TriggerMegaBomb = 0, TriggerCrossDiagBomb = 0,
        TriggerCrossDiagBomb2 = 0, TriggerCrossBomb = 0, TriggerCrossBomb2 = 0, TriggerDiagBomb = 0,
        TriggerDiagBomb2 = 0, TriggerHorizontalBomb = 0, TriggerHorizontalBomb2 = 0, TriggerVerticalBomb = 0,
        TriggerVerticalBomb2 = 0, TriggerBonusAppears = 0, TriggerGoldBag = 0, TriggerGoldCoin = 0,
        TriggerHUDCharged = 0;
    // The game screen's goal marks: set the first time goal 1 (matches), 2 (armour), 3 (skulls) or
    // 4 (rocks) is met, when GoalDoneEffect also runs.
    int Goal1Done = 0, Goal2Done = 0, Goal3Done = 0, Goal4Done = 0;
    std::function<void(int goal)> GoalDoneEffect = [](int) {};
    // 1 once the clock is down to its last half minute (the game screen shows it).
    int LowTime = 0;
    std::function<void()> PlayLowTimeBeep = [] {};
    // A match hides the hint and restarts the wait for the next one.
    std::function<void()> ClearHint = [] {};
    std::function<void()> ResetHintShowCounter = [] {};

    // Every trigger back to 0 (the game screen does it at the start of each tick).
    void ClearTriggers();
    // A run was cleared or a magic gem freed: the power-ups take a unit of charge when its light reaches
    // them.
    std::function<void()> ChargeEarned = [] {};
    // A bomb or power-up was used: a gauge power armed for it is spent.
    std::function<void()> SetGaugeEmpty = [] {};
    // No move is left: the game screen ends the level with its no-more-moves animation.
    std::function<void()> NoMoreMoves = [] {};
    // Ticks left of the no-more-moves (or time-up) animation, and its sound when the board flies apart.
    std::function<float()> NoMoreCounter = [] { return 0.0f; };
    std::function<void()> PlayGameOverSound = [] {};
    // The level complete panel is up over the board.
    std::function<bool()> LevelCompleteActive = [] { return false; };
    // Where the gold counter of the HUD is, and a coin (worth 5 gold) that set off towards it and lands
    // after the given ticks: the counter shows it when it lands.
    std::function<TScreenPoint()> GoldCounterPoint = [] { return TScreenPoint{60, 200}; };
    std::function<void(float ticks)> GoldCoinFlying = [](float) {};

    // The tutorial.
    std::function<int()> CurrentTip = [] { return 0; };
    std::function<void()> ShowSwapCompleteTip = [] {};
    // A click on goal row 1 to 4 of the HUD shows what that goal asks.
    std::function<void(int row)> ShowGoalTip = [](int) {};
    // Draws the tutorial's marks over the board, under the selection.
    std::function<void()> DrawBoardOverlay = [] {};
    std::function<void()> ShowNearlyDoneTip = [] {};
    std::function<void()> ShowMagicTip = [] {};
    std::function<void()> ShowGoalCompleteTip = [] {};
    std::function<void()> FadeTips = [] {};

    // The mouse, the swap and the hint on the board, and the no-more-moves rule: each runs once per tick
    // while its owner's conditions hold. RestorePointer gives the mouse back its plain pointer.
    std::function<void()> CheckMouse = [] {};
    std::function<void()> CheckKeys = [] {};
    std::function<void()> ManageHint = [] {};
    std::function<void()> StopHint = [] {};
    std::function<void()> ManageSwap = [] {};
    std::function<void()> CheckNoMoreMoves = [] {};
    std::function<void()> AnimatePointer = [] {};
    std::function<void()> RestorePointer = [] {};
    // A bonus item born where a match marked it (kind 1 from a run of four, 2 from five or a crossing).
    std::function<void(int x, int y, int kind)> CreateBonus = [](int, int, int) {};
    // The six power-ups advance (their charge, their effects).
    std::function<void()> UpdatePowerups = [] {};

    // The power-ups: whether the tarot spin runs, and where the beams of a released magic gem end (the
    // power-ups that take charge).
    std::function<bool()> TarotActive = [] { return false; };
    std::function<std::vector<TScreenPoint>()> ChargeTargets = [] { return std::vector<TScreenPoint>{}; };

    bool MatchesStillWanted() const { return MatchesToGo() > 0; }
};

extern TBoardEvents BoardEvents;

// Links the player's counters and points, and the board's own rules (goals, skulls, bonus items, the
// mouse, the swap, the hint, the no-more-moves rule, the pointer and the power-ups) to the events.
void ConnectBoardEvents();
