#pragma once

#include <vector>

#include "game/board/GameGrid.h"

// What a player sees on the board: the moves that would make a run, the bonus items to set off and the
// gold to pick up. Read only; the autoplayer decides with it and acts through the mouse.
struct TMove {
    TCellPoint from, to;
    bool operator==(const TMove&) const = default;
};

// Every swap of two resting gems, with the right-hand or lower neighbour, that makes a run through one of
// them; rows top to bottom.
std::vector<TMove> FindMatchingMoves();
// The resting bonus items that a double click sets off (bombs, free of chains).
std::vector<TCellPoint> FindBombs();
// The coins and bags standing in their cells, free of chains.
std::vector<TCellPoint> FindPickups();
// Nothing blocks input, falls, swaps or explodes, and no power-up is at work.
bool BoardAtRest();
