#pragma once

#include <memory>
#include <string>

class TDialogOK;
class TDialogTextInput;
class TDialogYesNo;
class TPlayerManager;

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
// A yes-or-no question asked by the shop keeper on her own board; Yes answers 1, No -1.
std::shared_ptr<TDialogYesNo> MakeCharacterQuestion(const std::string& header, const std::string& text);
// A new player's name, typed under "Welcome" on the name board: letters, digits and the safe signs only,
// the first one a capital, no name that a player has already. A name that passes is followed by the
// choice of play mode, which becomes the mode of the next profile made; then the prompt closes with OK.
std::shared_ptr<TDialogTextInput> MakeEnterNameDialog();
// The list of players on the players' board, started: choosing one makes it current, a new name becomes
// a player of its own at once.
std::shared_ptr<TPlayerManager> MakePlayerManager();

// A story message on the message board: the header and text from the game text of their keys (no header
// for an empty key), the picture of the image bank beside the text (none for an empty name), one OK
// button; it opens with sound ("OKDialog" when empty) and slides out with "SlideOut".
std::shared_ptr<TDialogOK> MakeStoryDialog(const std::string& titleKey, const std::string& textKey,
                                           const std::string& picture, const std::string& sound);
// The same on the shop keeper's board, beside her cameo, without a picture; with no header key her name
// ("Shop Keeper") heads it.
std::shared_ptr<TDialogOK> MakeShopKeeperDialog(const std::string& titleKey, const std::string& textKey,
                                                const std::string& picture, const std::string& sound);
