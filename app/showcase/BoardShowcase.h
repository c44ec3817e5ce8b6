#pragma once

#include <memory>

class TScreen;

// A level's board as it starts: its background, the frame, tiles, armour and the first fill with chains,
// rocks, items and magic gems, gems hovering under the pointer. Level 1 first; a click shows the next
// level, and after the last the first again.
std::unique_ptr<TScreen> MakeBoardShowcase();

// The same boards in play, with every bomb of the shop bought: the autoplayer's hand plays through the
// mouse whenever the board has rested a moment and the hint has shown, with the player's level, score,
// gold and clock under the board; a won level (or one without moves) gives way to the next.
std::unique_ptr<TScreen> MakePlayShowcase();

// Level 11 with the seven bombs at both levels, two coins and a bag on its board: the hand picks up the
// gold and sets off every bomb in turn, then plays on.
std::unique_ptr<TScreen> MakeBombsShowcase();

// Level 94, its chains and rocks, with the six power-ups on the HUD bought to their last level and charged:
// the hand takes each in turn, carrying the stake, hammer and broom to the board and clicking the
// lightning, tarot and crystal; they are charged again once all are used.
std::unique_ptr<TScreen> MakePowerupsShowcase();
