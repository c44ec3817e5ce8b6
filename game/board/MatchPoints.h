#pragma once

// The points for one cleared cell, gem or item: 10 for a match of up to three, 10 more for every gem the
// check found beyond three up to 80, a tenth of that when the cell neither advances a goal nor holds a
// magic gem; count 0 (a collected skull, with magic) gives nothing but the magic bonus.
int MatchPoints(int count, int magic, int goal);

// Gives the points of a cleared cell to the player and shows them rising from the cell: the table's
// points, then 100 more for a magic gem that advanced a goal or 10 for one that did not.
void AwardMatchPoints(int x, int y, int count, int magic, int goal);

// The frame of the points picture: 0..7 show 10..80, 8 shows 100, 9..16 show 1..8.
int PointsFrame(int points);
