#pragma once

#include <memory>

class TScreen;

// A level's board as it starts: its background, the frame, tiles, armour and the first fill with chains,
// rocks, items and magic gems, gems hovering under the pointer. Level 1 first; a click shows the next
// level, and after the last the first again.
std::unique_ptr<TScreen> MakeBoardShowcase();

// The same boards in play: the autoplayer makes a move whenever the board has rested a moment, with the
// player's level, score, gold and clock on the HUD; a won level (or one without moves) gives way to the
// next, and a click skips to it.
std::unique_ptr<TScreen> MakePlayShowcase();
