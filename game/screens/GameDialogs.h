#pragma once

#include <memory>
#include <string>

class TDialogOK;
class TDialogYesNo;

// The game's own dialogs, made from the framework's in the game's look: their boards from "Dialogs/", the
// header in the dialog header font, the text in the reading font, buttons of the "button" picture with
// captions from the game text.

// Each is given the stable name that the event report and the autoplayer know it by.

// A message with an OK button on the message board: header over text; started, sliding in and out.
std::shared_ptr<TDialogOK> MakeMessageDialog(const std::string& header, const std::string& text,
                                             const char* buttonKey = "Button OK", const char* name = "message");
// A yes-or-no question on the message board under the header "Confirm"; Yes answers 1, No -1.
std::shared_ptr<TDialogYesNo> MakeConfirmDialog(const std::string& text, const char* name = "confirm");
// Timed or relaxed play, asked on the menu board: Yes is timed, No relaxed.
std::shared_ptr<TDialogYesNo> MakeChooseModeDialog();
