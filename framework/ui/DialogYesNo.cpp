#include "framework/ui/DialogYesNo.h"

#include "framework/core/Game.h"
#include "framework/core/Input.h"
#include "framework/gfx/GameImage.h"
#include "framework/ui/Button.h"
#include "framework/ui/Menu.h"
#include "platform/KeyCodes.h"

namespace {

constexpr int kKeyN = 78, kKeyY = 89;

}  // namespace

std::shared_ptr<TDialogYesNo> TDialogYesNo::Create(const std::string& caption,
                                                   std::shared_ptr<TGameImage> background, int pw, int px, int py,
                                                   int makeMenu, int buttonGap, const std::string& buttonFile) {
    auto dialog = std::make_shared<TDialogYesNo>();
    dialog->Name = "yes_no";
    dialog->Init(caption, std::move(background), pw, 0, px, py);
    if (makeMenu) dialog->MenuCreate(buttonGap, buttonFile);
    return dialog;
}

int TDialogYesNo::MenuCreate(int buttonGap, const std::string& buttonFile) {
    ButtonGap = buttonGap;
    Menu = MakeMenu(10);
    Menu->AddPair("Yes", "No", ButtonGap, buttonFile.empty() ? "button" : buttonFile);
    Menu->FindButton("Yes")->OKButton = 1;
    return 1;
}

int TDialogYesNo::CalcSize() {
    TDialog::CalcSize();
    if ((Background && Background->image) || !Menu) return 1;
    Menu->CalcCoords();
    h = static_cast<int>(2 * Border + TextHeaderSpace() + CaptionHeight()) + Gap + Menu->h;
    return 1;
}

int TDialogYesNo::YesClick() {
    FlushKeysAndMouse();
    if (YesFunc) YesFunc();
    return Close(1);
}

int TDialogYesNo::NoClick() {
    FlushKeysAndMouse();
    if (NoFunc) NoFunc();
    return Close(-1);
}

int TDialogYesNo::Manage() {
    const int core = ManageCore();
    if (core == kClosedNow) return CloseResult;
    if (core == 0 || Transitioning != 0 || Disabled || !Menu) return 0;
    const auto press = [this](const char* name) {
        if (auto button = Menu->FindButton(name)) button->SimulateClick();
    };
    if (KeyHit(platform::vk::kEscape) || KeyHit(kKeyN)) {
        press("No");
        return NoClick();
    }
    if (KeyHit(kKeyY)) {
        press("Yes");
        return YesClick();
    }
    if (Menu->Clicked("Yes")) return YesClick();
    if (Menu->Clicked("No")) return NoClick();
    return 0;
}
