#pragma once

#include <functional>
#include <vector>

class TGem;

// Where the gems reach the parts of play around the board: the player's counters and points, the board's
// goal, egg and bomb rules, the game screen's sound triggers and end animations, the tutorial and the
// power-ups. Each is filled by its owner when that exists (the player, the matching rules, the game
// screen, the power-ups); until then the defaults stand, which award nothing, count nothing and report
// every animation as not running, so that gems can be made, hit, exploded and drawn on their own.
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

    // The game screen's end animations.
    std::function<bool()> OutroRunning = [] { return false; };
    std::function<bool()> TimeUpRunning = [] { return false; };
    std::function<bool()> NoMoreMovesRunning = [] { return false; };

    // The game screen's one-shot sound triggers the gems set; the game screen plays and clears them.
    int TriggerUnrock1 = 0, TriggerUnrock2 = 0, TriggerMagic = 0, TriggerCoinDisappears = 0;

    // The tutorial.
    std::function<void()> ShowNearlyDoneTip = [] {};
    std::function<void()> ShowMagicTip = [] {};

    // The power-ups: whether the tarot spin runs, and where the beams of a released magic gem end (the
    // power-ups that take charge).
    std::function<bool()> TarotActive = [] { return false; };
    std::function<std::vector<TScreenPoint>()> ChargeTargets = [] { return std::vector<TScreenPoint>{}; };

    bool MatchesStillWanted() const { return MatchesToGo() > 0; }
};

extern TBoardEvents BoardEvents;
