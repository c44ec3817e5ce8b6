#pragma once

#include <memory>
#include <string>

class TDialogOK;

// The game's own dialogs, made from the framework's in the game's look: their boards from "Dialogs/", the
// header in the dialog header font, the text in the reading font, buttons of the "button" picture with
// captions from the game text.

// A message with an OK button on the message board: header over text; started, sliding in and out.
std::shared_ptr<TDialogOK> MakeMessageDialog(const std::string& header, const std::string& text);
