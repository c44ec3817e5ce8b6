#pragma once

#include <random>

#include "app/autoplay/BoardModel.h"
#include "game/board/GameGrid.h"

// What the hand does next on the board.
struct TBoardAction {
    enum class Kind { None, Pickup, Bomb, Swap, Powerup };
    Kind kind = Kind::None;
    TCellPoint at, to;     // the cell clicked, taken or dropped on; a swap's neighbour
    int powerup = -1;      // the power-up's place in HUDPowerups
    bool carried = false;  // the power-up is carried to the cell at; else its slot is only clicked
    double value = 0;
};

// How the player plays: against the clock (bombs and power-ups pay for the time they save) or relaxed;
// and the showcase's ways of setting off every bomb, or using every power-up, before anything else.
struct TPlayStyle {
    bool timed = true;
    bool bombsFirst = false;
    bool powerupsFirst = false;
};

// The choice of what to do on the board, from what a player sees there and on the HUD: the goals still
// open, the gems, chains, rocks, tiles and skulls in sight, the bonus items and the charged power-ups.
// Every candidate is tried on a copy of the board, with the cascades the visible gems make, and scored
// by what it brings towards the open goals; the best is taken, a tie broken by the generator. Coins and
// bags are picked up before anything else, as they do not wait.
class TBoardPolicy {
public:
    explicit TBoardPolicy(TPlayStyle style) : style_(style) {}

    TBoardAction Choose(std::mt19937& random) const;

    // What the goals the HUD shows still want: gems of the colour, gold layers, rocks and skulls (0 for a
    // goal met or not set).
    struct TOpenGoals {
        int colour = 0, tiles = 0, rocks = 0, skulls = 0;
        static TOpenGoals Now();
    };
    // What an outcome is worth towards the goals.
    static double Worth(const TOutcome& outcome, const TOpenGoals& goals);

private:
    void AddSwaps(const TBoardModel& board, const TOpenGoals& goals,
                  std::vector<TBoardAction>& actions) const;
    void AddBombs(const TBoardModel& board, const TOpenGoals& goals,
                  std::vector<TBoardAction>& actions) const;
    void AddPowerups(const TBoardModel& board, const TOpenGoals& goals, bool stuck,
                     std::vector<TBoardAction>& actions) const;

    TPlayStyle style_;
};
