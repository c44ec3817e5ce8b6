#pragma once

#include <cstdint>

// The autoplayer (--autoplay): after every logic tick it looks at the current screen and, for a screen it
// knows, plays it through the mouse as a person would: on the level it is the board's hand; on the map it
// goes shopping when it can buy something, in the shop it buys what it can, best first; an open dialog,
// over any screen, is answered before anything else. A screen it
// does not know gets no input, so a missing strategy shows as a stalled report, never as a wrong one. Its
// choices come from its own generator, seeded here. A new player it makes plays relaxed when asked, else
// timed. On the keyboard alone it plays the same game by keys: the board's cursor, the buttons and the
// shop's items through the keyboard's focus, Escape on a tip.
void InstallAutoPlayer(uint32_t seed, bool relaxed = false, bool keyboard = false);
