#pragma once

#include <memory>

class TScreen;

// A level's board as it starts: its background, the frame, tiles, armour and the first fill with chains,
// rocks, items and magic gems, gems hovering under the pointer. Level 1 first; a click shows the next
// level, and after the last the first again.
std::unique_ptr<TScreen> MakeBoardShowcase();
