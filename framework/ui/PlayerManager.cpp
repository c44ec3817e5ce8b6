#include "framework/ui/PlayerManager.h"

#include <algorithm>

#include "framework/core/Game.h"
#include "framework/core/GameSound.h"
#include "framework/core/Globals.h"
#include "framework/core/Input.h"
#include "framework/profile/Profile.h"
#include "framework/profile/ProfileFiles.h"
#include "framework/profile/ProfileNames.h"
#include "framework/ui/Button.h"
#include "framework/ui/DialogOK.h"
#include "framework/ui/DialogTextInput.h"
#include "framework/ui/DialogYesNo.h"
#include "framework/ui/ListBox.h"
#include "framework/ui/Menu.h"
#include "platform/KeyCodes.h"
#include "platform/files/Files.h"

namespace {

constexpr int kListLines = 10, kDoubleClickMs = 400;
constexpr const char* kButtons[] = {"OK", "Create", "Delete", "Cancel"};

}  // namespace

std::shared_ptr<TPlayerManager> TPlayerManager::Create(std::shared_ptr<TGameImage> background,
                                                       const std::string& buttonFile, int buttonGap) {
    auto manager = std::make_shared<TPlayerManager>();
    manager->Init("", std::move(background), 400, 0, 0, 0);
    manager->ButtonGap = buttonGap;
    manager->ListBox = TListBox::Create(0, 0, 200, kListLines, kDoubleClickMs);
    manager->MenuCreate(4, buttonFile);
    return manager;
}

int TPlayerManager::MenuCreate(int buttonCount, const std::string& imageName) {
    Menu = MakeMenu(ButtonGap);
    for (int i = 0; i < std::clamp(buttonCount, 0, 4); ++i) Menu->AddQuick(imageName, kButtons[i]);
    if (auto ok = Menu->FindButton("OK")) ok->OKButton = 1;
    Menu->MakeRow(ButtonGap);
    return 1;
}

int TPlayerManager::CalcListBoxLineHeight() {
    ListBox->Gap = LineHeightAddition;
    return ListBox->CalcLineHeight();
}

int TPlayerManager::BoxSize() {
    CalcListBoxLineHeight();
    const int lines = LimitBoxHeightToMaxItems && Limit > 0 ? Limit : kListLines;
    ListBox->Limit = ListBox->DisplayLines = lines;
    const float top =
        static_cast<float>(y + (BoxY != 0 ? BoxY : BoxBorderV + static_cast<int>(TextHeaderSpace())));
    return ListBox->SetCoords(static_cast<float>(x + BoxBorderH + BoxXTweak), top,
                              static_cast<float>(w - 2 * BoxBorderH),
                              static_cast<float>(ListBox->LineHeight * lines + 2 * ListBox->TextBorder));
}

int TPlayerManager::CalcSize() {
    TDialog::CalcSize();
    if (Background && Background->image) return 1;
    // A plain box: the list and the buttons under it.
    if (Menu) Menu->CalcCoords();
    CalcListBoxLineHeight();
    w = std::max(w, (Menu ? Menu->w : 0) + 2 * Border);
    h = static_cast<int>(TextHeaderSpace()) + 2 * BoxBorderV + ListBox->LineHeight * kListLines +
        2 * ListBox->TextBorder + (Menu ? Menu->h : 0) + Border;
    return 1;
}

int TPlayerManager::MenuPosition() {
    TDialog::MenuPosition();
    return BoxSize();
}

int TPlayerManager::Start() {
    TDialog::Start();
    if (DimWhenActive) DimBackground = 0.5f;
    FillList();
    HighlightCurrentPlayer();
    return 1;
}

int TPlayerManager::FillList() {
    ListBox->Strings = ListProfileNames(Game->ProfilePath);
    ListBox->ClearIndex();
    ListBox->SetTopIndex(0);
    return 1;
}

int TPlayerManager::HighlightCurrentPlayer() {
    ListBox->ClearIndex();
    if (!Game->CurrentProfile) return 0;
    const auto& names = ListBox->Strings;
    const auto found = std::find(names.begin(), names.end(), Game->CurrentProfile->Name);
    if (found == names.end()) return 0;
    return ListBox->SetIndex(static_cast<int>(found - names.begin()));
}

void TPlayerManager::ShowOver(const std::shared_ptr<TDialog>& dialog) {
    if (dialog && !dialog->Active) dialog->Start();
    Menu->AcceptInput = 0;
}

int TPlayerManager::ShowError(const std::string& message) {
    DialogOK =
        ErrorDialogFunc ? ErrorDialogFunc(message) : TDialogOK::Create(message, nullptr, 400, 0, 0, "");
    if (!ErrorDialogFunc) DialogOK->h = 100;
    ShowOver(DialogOK);
    return 1;
}

int TPlayerManager::CreateProfile() {
    if (Limit > 0 && static_cast<int>(ListBox->Strings.size()) >= Limit) {
        ShowError(MessageCannotCreate);
        return 0;
    }
    if (!EnterNamePromptFunc) return 0;
    EnterName = EnterNamePromptFunc(1);
    if (!EnterName) return 0;
    EnterName->UppercaseFirstChar = UpperFirstChar;
    EnterName->TextInput.UppercaseFirstCharAsTyped = UpperFirstChar;
    EnterName->TextInput.MakeCharsFileNameSafe();
    EnterName->TextInput.BannedChars += ExtraBannedChars;
    EnterName->Menu->ClearStates();
    ShowOver(EnterName);
    return 1;
}

int TPlayerManager::DeleteProfileCheck() {
    if (ListBox->Index < 0) return 0;
    if (ListBox->Strings.size() == 1) return ShowError(MessageCannotDelete);
    DialogYesNo = DialogYesNoFunc ? DialogYesNoFunc(MessageConfirmDelete)
                                  : TDialogYesNo::Create(MessageConfirmDelete, nullptr, 400, 0, 0, 1, 20, "");
    ShowOver(DialogYesNo);
    return 1;
}

int TPlayerManager::DeleteProfile() {
    const int index = ListBox->Index;
    if (index < 0 || index >= static_cast<int>(ListBox->Strings.size())) return 0;
    const std::string name = ListBox->Strings[static_cast<size_t>(index)];
    if (DeleteProfileUserFunction) DeleteProfileUserFunction(name);
    // Only the profile itself goes: its backup and any damaged copy set aside stay, so a mistaken delete
    // can still be undone by hand.
    std::string error;
    platform::files::Delete(ProfileFilePath(Game->ProfilePath, name, ProfileExtension), error);
    FillList();
    const int count = static_cast<int>(ListBox->Strings.size());
    if (count > 0) ListBox->SetIndex(std::min(index, count - 1));
    return 1;
}

int TPlayerManager::MakeCurrent(const std::string& name) {
    Game->ProfileName = name;
    if (LoadProfileUserWrapper) {
        LoadProfileUserWrapper(name);
    } else if (Game->CurrentProfile) {
        Game->CurrentProfile->Name = name;
        if (InitProfileBeforeLoad) Game->CurrentProfile->Init(name);
        Game->CurrentProfile->Load();
    }
    return Game->IniUpdate(1);
}

int TPlayerManager::OKClick() {
    if (ListBox->Index < 0 || ListBox->Index >= static_cast<int>(ListBox->Strings.size())) return 0;
    MakeCurrent(ListBox->Strings[static_cast<size_t>(ListBox->Index)]);
    Close(1);
    return 1;
}

int TPlayerManager::CancelClick() {
    const auto& names = ListBox->Strings;
    if (Game->CurrentProfile &&
        std::find(names.begin(), names.end(), Game->CurrentProfile->Name) == names.end()) {
        // The current player was deleted: the first one listed takes over, or nobody.
        if (names.empty()) {
            Game->ProfileName.clear();
            Game->CurrentProfile.reset();
            Game->IniUpdate(1);
        } else {
            MakeCurrent(names.front());
        }
    }
    return Close(1);
}

int TPlayerManager::ClickSound() {
    if (ClickSoundEffect) ClickSoundEffect->PlayInChannel(clickChannel_, 0);
    return 1;
}

int TPlayerManager::ManageList() {
    ListBox->Manage();
    if (ListBox->GetDoubleClicked() >= 0) {
        ClickSound();
        return OKClick();
    }
    if (Menu->Clicked("OK")) return OKClick();
    if (KeyHit(platform::vk::kEscape)) {
        ClickSound();
        return CancelClick();
    }
    if (Menu->Clicked("Cancel")) return CancelClick();
    if (Menu->Clicked("Create")) return CreateProfile();
    if (Menu->Clicked("Delete") || KeyHit(platform::vk::kDelete)) return DeleteProfileCheck();
    return 0;
}

int TPlayerManager::Manage() {
    // A dialog over this one has the input until it has closed.
    if (DialogOK) {
        if (DialogOK->Manage() == 0) return 0;
        DialogOK.reset();
        Menu->AcceptInput = 1;
    }
    if (DialogYesNo) {
        const int answer = DialogYesNo->Manage();
        if (answer == 0) return 0;
        DialogYesNo.reset();
        Menu->AcceptInput = 1;
        if (answer == 1) DeleteProfile();
    }
    if (EnterName) {
        const int answer = EnterName->Manage();
        if (answer == 0) return 0;
        std::string name = EnterName->TextInput.Text;
        EnterName.reset();
        Menu->AcceptInput = 1;
        if (answer == 1) {
            if (UpperFirstChar && !name.empty() && name[0] >= 'a' && name[0] <= 'z') name[0] -= 'a' - 'A';
            if (CreateProfileFunc) CreateProfileFunc(name);
            FillList();
            HighlightCurrentPlayer();
            if (AutoAcceptAfterCreate) OKClick();
        }
    }
    if (!Active) return CloseResult;
    const int core = ManageCore();
    if (core == kClosedNow) return CloseResult;
    if (core == 0 || Transitioning != 0) return 0;
    ManageList();
    return Active ? 0 : CloseResult;
}

int TPlayerManager::Draw() {
    if (!Active || DrawDisabled) return 0;
    TDialog::Draw();
    // The list goes with the box as it slides.
    const float left = ListBox->Box.X, top = ListBox->Box.Y;
    ListBox->SetCoords(left + OffsetX, top + OffsetY, ListBox->Box.W, ListBox->Box.H);
    ListBox->Draw();
    ListBox->SetCoords(left, top, ListBox->Box.W, ListBox->Box.H);
    if (EnterName) EnterName->Draw();
    if (DialogYesNo) DialogYesNo->Draw();
    if (DialogOK) DialogOK->Draw();
    return 1;
}

int TPlayerManager::Kill() {
    for (const auto& dialog :
         {std::static_pointer_cast<TDialog>(DialogOK), std::static_pointer_cast<TDialog>(DialogYesNo),
          std::static_pointer_cast<TDialog>(EnterName)}) {
        if (dialog) dialog->Kill();
    }
    DialogOK.reset();
    DialogYesNo.reset();
    EnterName.reset();
    return TDialog::Kill();
}
