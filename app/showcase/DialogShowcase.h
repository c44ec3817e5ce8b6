#pragma once

#include <memory>

class TScreen;

// The game's dialogs one after another over a level's background: a message, a yes-or-no question and
// the choice of timed or relaxed play; each answered (by its buttons or keys) brings the next.
std::unique_ptr<TScreen> MakeDialogShowcase();
