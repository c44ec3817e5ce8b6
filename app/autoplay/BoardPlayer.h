#pragma once

#include <cstdint>
#include <functional>
#include <random>

#include "app/autoplay/BoardPolicy.h"
#include "app/autoplay/Hand.h"
#include "platform/Events.h"

// How the hand moves.
struct TBoardPace {
    int thinkTicks = 60;         // the board rests this long before the hand moves
    int thinkJitter = 0;         // and up to this much longer, at random
    float pointerSpeed = 14.0f;  // pixels per tick
    int holdTicks = 4;           // between a press and what follows
    bool bombsFirst = false;     // sets off every bomb it sees before it swaps
    bool powerupsFirst = false;  // uses every power-up that can act before anything else
    bool waitForRest = true;     // false: moves resting gems while others still fall, as a quick player does
};

// The autoplayer's hand on the board: when the board has rested a moment it asks its policy what to do (a
// coin to pick up, a bomb to set off, a swap, a power-up to use) and does it with the mouse, as a person
// would: the pointer travels to the gem, presses, drags or clicks, lets go. A hand on the keyboard walks
// the board's cursor there with the arrows instead and presses Enter, a power-up's number, an arrow. Its
// input goes out as platform events in virtual-screen coordinates; its choices come from its own generator,
// so a seed replays a game exactly.
class TBoardPlayer {
public:
    using Sink = std::function<void(const platform::Event&)>;

    using TPace = TBoardPace;

    TBoardPlayer(Sink sink, uint32_t seed, TPace pace = TPace());
    // One logic tick: looks at the board, or takes the next step of what it is doing.
    void Tick();
    // Moves begun: swaps, bombs set off and coins picked up.
    int Moves() const { return moves_; }
    // Nothing under way.
    bool Idle() const { return hand_.Idle(); }
    // The hand on the mouse, for the screens around the board to move on from where it is.
    THand& Hand() { return hand_; }

private:
    // Chooses what to do and plans its steps; false when the board offers nothing.
    bool Plan();
    // Clicks the power-up, or carries it to its cell.
    void PlanPowerup(const TBoardAction& action);
    void PlanSwap(int fromX, int fromY, int toX, int toY);
    void PlanClick(int x, int y, int clicks);
    // The keyboard's cursor walked to cell x, y with the arrows; shown: it shows already.
    void WalkCursorTo(int x, int y, bool shown);
    int Below(int n);

    TPace pace_;
    THand hand_;
    std::mt19937 random_;
    float rest_ = 0;
    float think_;
    int moves_ = 0;
};
