#pragma once

// Filling a freshly loaded board with its first gems: fixed gems where the level puts them, random ones
// elsewhere that never complete a run with the two before them, chains and rocks from the level, and a
// sprinkling of magic gems. Gems becomes a new list.
int FillGrid(int level);

// Fills again and again until the board has a move and no ready-made run, as a level starts. Returns the
// number of fills it took, or 0 when maxFills were not enough: a level whose fixed gems form a run, or
// leave no move, can never start.
int FillGridUntilPlayable(int level, int maxFills = 1000);
