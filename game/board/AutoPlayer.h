#pragma once

#include <vector>

#include "game/board/GameGrid.h"

// A player without a mouse, for the tests, the benchmarks and the level tools: it finds the swaps of two
// neighbouring gems that make a run and commits one as a finished swap does, at once and without the
// swap's animation.
struct TMove {
    TCellPoint from, to;
    bool operator==(const TMove&) const = default;
};

// Every swap of two resting gems, with the right-hand or lower neighbour, that makes a run through one of
// them; rows top to bottom.
std::vector<TMove> FindMatchingMoves();
// Exchanges the two cells' gems, snaps them to their cells and clears the runs they make; a skull moved
// onto the bottom of its column is collected. 1 when the move was made.
int CommitSwap(const TMove& move);
// Nothing blocks input, falls or explodes.
bool BoardAtRest();
// One of the matching moves chosen with Rand; 1 when a move was made. Like a player, it may move resting
// gems while others still fall: callers that want to wait for the board to rest check first.
int PlayRandomMove();
