#pragma once

#include <memory>

class TScreen;

// The game's dialogs one after another over a level's background: a message, a yes-or-no question and
// the choice of timed or relaxed play; each answered (by its buttons or keys) brings the next.
std::unique_ptr<TScreen> MakeDialogShowcase();

// The shop of a player who has opened twelve levels and banked 400 gold, with the three bought items that
// those levels force on the way: everything the shop does, for the mouse and for a script's screenshots.
std::unique_ptr<TScreen> MakeShopShowcase();
// The shop of a player with every level open who has bought nearly everything.
std::unique_ptr<TScreen> MakeFullShopShowcase();

// The level map of a player with every level open and the last one current, the map scrolled to its top.
std::unique_ptr<TScreen> MakeMapShowcase();

// The options screen for the start-up player with the settings as they stand; leaving it ends the program.
std::unique_ptr<TScreen> MakeOptionsShowcase();
