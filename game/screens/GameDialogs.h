#pragma once

#include <memory>
#include <string>

class TDialogOK;
class TDialogYesNo;

// The game's own dialogs, made from the framework's in the game's look: their boards from "Dialogs/", the
// header in the dialog header font, the text in the reading font, buttons of the "button" picture with
// captions from the game text.

// A message with an OK button on the message board: header over text; started, sliding in and out.
std::shared_ptr<TDialogOK> MakeMessageDialog(const std::string& header, const std::string& text,
                                             const char* buttonKey = "Button OK");
// A yes-or-no question on the message board under the header "Confirm"; Yes answers 1, No -1.
std::shared_ptr<TDialogYesNo> MakeConfirmDialog(const std::string& text);
// Timed or relaxed play, asked on the menu board: Yes is timed, No relaxed.
std::shared_ptr<TDialogYesNo> MakeChooseModeDialog();

// A story message on the message board: the header and text from the game text of their keys (no header
// for an empty key), the picture of the image bank beside the text (none for an empty name), one OK
// button; it opens with sound ("OKDialog" when empty) and slides out with "SlideOut".
std::shared_ptr<TDialogOK> MakeStoryDialog(const std::string& titleKey, const std::string& textKey,
                                           const std::string& picture, const std::string& sound);
// The same on the shop keeper's board, beside her cameo, without a picture; with no header key her name
// ("Shop Keeper") heads it.
std::shared_ptr<TDialogOK> MakeShopKeeperDialog(const std::string& titleKey, const std::string& textKey,
                                                const std::string& picture, const std::string& sound);
