#include "framework/ui/DialogOK.h"

#include "framework/core/Game.h"
#include "framework/core/Input.h"
#include "framework/gfx/GameImage.h"
#include "framework/ui/Button.h"
#include "framework/ui/Menu.h"
#include "framework/ui/MousePointer.h"
#include "platform/KeyCodes.h"

std::shared_ptr<TDialogOK> TDialogOK::Create(const std::string& caption, std::shared_ptr<TGameImage> background,
                                             int pw, int px, int py, const std::string& buttonFile) {
    auto dialog = std::make_shared<TDialogOK>();
    dialog->Name = "ok";
    dialog->Init(caption, std::move(background), pw, 0, px, py);
    dialog->MenuCreate(buttonFile);
    return dialog;
}

int TDialogOK::MenuCreate(const std::string& buttonFile) {
    Menu = MakeMenu(10);
    auto ok = Menu->AddQuick(buttonFile.empty() ? "OK" : buttonFile, "OK");
    ok->OKButton = 1;
    return 1;
}

int TDialogOK::CalcSize() {
    TDialog::CalcSize();
    if (Background && Background->image) return 1;
    // A flat box holds the header, the caption, the gap and the button inside its borders.
    Menu->CalcCoords();
    h = static_cast<int>(2 * Border + TextHeaderSpace() + CaptionHeight()) + Gap + Menu->h;
    return 1;
}

int TDialogOK::OKClick() {
    FlushKeysAndMouse();
    return Close(1);
}

int TDialogOK::Manage() {
    const int core = ManageCore();
    if (core == kClosedNow) return CloseResult;
    if (core == 0 || Transitioning != 0 || Disabled) return 0;
    if (KeyHit(platform::vk::kEscape) || (ClickAnywhereCloses && Game->Mouse->MouseHit(0))) {
        if (auto ok = Menu->FindButton("OK")) ok->SimulateClick();
        return OKClick();
    }
    if (Menu->Clicked("OK")) return OKClick();
    return 0;
}
