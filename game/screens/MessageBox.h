#pragma once

#include <memory>
#include <string>

class TDialogOK;

// The framework's own message box in the game's look: the text in a dark box 600 wide (wider, up to the
// screen's margins, for a word that does not fit, such as a file's path) and at least 100 high, an OK
// button under it; started, sliding in from the top.
std::shared_ptr<TDialogOK> MakeMessageBox(const std::string& text);
// Makes the message function show its text in that box over the game, running on its own until OK, while
// the display is open. Until the game's fonts are loaded the system box serves.
void InstallMessageBox();
