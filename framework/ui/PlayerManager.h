#pragma once

#include <functional>
#include <memory>
#include <string>

#include "framework/ui/Dialog.h"

class TDialogOK;
class TDialogTextInput;
class TDialogYesNo;
class TGameSound;
class TListBox;

// The list of players: the names of the profiles in the profile folder, one of which the player chooses
// (OK or Enter, or a double click), creates (Create, through a name prompt) or deletes (Delete or the Delete
// key, after a question). Cancel and Escape keep the current player unless it was deleted. The chosen
// player becomes the current one and is stored in the settings. Manage answers 0 while the dialog is
// open and 1 once it has closed.
class TPlayerManager : public TDialog {
public:
    int Limit = 10;  // the most players; 0 or less: no limit
    int ButtonGap = 10;
    int BoxBorderH = 20, BoxBorderV = 20;  // the list's room inside the box
    int BoxXTweak = 0, BoxY = 0;           // the list's place: BoxY from the box's top when not 0
    int DimWhenActive = 0;                 // the screen behind is darkened to half
    int UpperFirstChar = 1;                // new names start with a capital
    std::string ExtraBannedChars;          // banned in names on top of the file-name-unsafe ones (UTF-8)
    std::shared_ptr<TListBox> ListBox;
    int LineHeightAddition = 0;
    int LimitBoxHeightToMaxItems = 0;  // the list is Limit lines high
    // The dialogs this one opens over itself; without an error dialog maker a plain box of 400 × 100 shows
    // the message.
    std::function<std::shared_ptr<TDialogOK>(const std::string& message)> ErrorDialogFunc;
    std::shared_ptr<TDialogOK> DialogOK;
    std::function<std::shared_ptr<TDialogYesNo>(const std::string& message)> DialogYesNoFunc;
    std::shared_ptr<TDialogYesNo> DialogYesNo;
    std::function<std::shared_ptr<TDialogTextInput>(int)> EnterNamePromptFunc;
    std::shared_ptr<TDialogTextInput> EnterName;
    std::function<int(const std::string& name)> CreateProfileFunc;  // called with each new name
    int DrawDisabled = 0;
    int AutoAcceptAfterCreate = 1;  // a new player is chosen and the dialog closes at once
    std::function<int(const std::string& name)> DeleteProfileUserFunction;  // before the file goes
    int InitProfileBeforeLoad = 0;
    // Makes the chosen player current in place of the plain load of the current profile.
    std::function<int(const std::string& name)> LoadProfileUserWrapper;
    std::string MessageCannotCreate = "You cannot create any more players!";
    std::string MessageCannotDelete = "The list must contain at least one player!";
    std::string MessageConfirmDelete = "Are you sure you want to delete this player?";
    std::shared_ptr<TGameSound> ClickSoundEffect;

    // The dialog on background with the list (10 lines shown) and the buttons OK, Create, Delete and Cancel
    // of buttonFile pictures; not yet started.
    static std::shared_ptr<TPlayerManager> Create(std::shared_ptr<TGameImage> background,
                                                  const std::string& buttonFile, int buttonGap);
    // Opens the name prompt, or tells that the list is full: 1 when the prompt opened.
    int CreateProfile();
    int CalcListBoxLineHeight();
    // The list's place and size inside the box.
    int BoxSize();
    int MenuCreate(int buttonCount, const std::string& imageName);
    int FillList();
    int HighlightCurrentPlayer();
    int DeleteProfile();
    int DeleteProfileCheck();
    int OKClick();
    int CancelClick();
    int ClickSound();
    int Start() override;
    int CalcSize() override;
    int MenuPosition() override;
    int Manage() override;
    int Draw() override;
    int Kill() override;

private:
    // A dialog over this one takes the input; the buttons only glow meanwhile.
    void ShowOver(const std::shared_ptr<TDialog>& dialog);
    int ShowError(const std::string& message);
    int MakeCurrent(const std::string& name);
    int ManageList();

    platform::ChannelId clickChannel_ = 0;
};
