#include "game/screens/MessageBox.h"

#include <algorithm>
#include <cmath>

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/core/SoundBank.h"
#include "framework/gfx/GameFonts.h"
#include "framework/gfx/GameText.h"
#include "framework/gfx/Label.h"
#include "framework/sprites/Shadow.h"
#include "framework/ui/Button.h"
#include "framework/ui/DialogOK.h"
#include "framework/ui/Menu.h"
#include "framework/ui/ModalDialog.h"
#include "platform/Platform.h"

namespace {

constexpr int kWidth = 600, kMinHeight = 100, kBorder = 12, kSlideMs = 200, kScreenMargin = 20;

}  // namespace

std::shared_ptr<TDialogOK> MakeMessageBox(const std::string& text) {
    auto box = TDialogOK::Create(text, nullptr, kWidth, 0, 0, "button");
    box->Name = "message_box";
    box->Border = kBorder;
    box->Gap = kBorder;
    box->DialogColor = TColor{38, 34, 52, 0.96f};
    box->Shadow = TShadow::Create(6, 6, 0.5f);
    box->SetupCaption(nullptr, nullptr, nullptr, GameFonts.GUIFont);
    box->Menu->FindButton("OK")->SetupCaption(GameText.FindString("Button OK"), GameFonts.Button, nullptr, nullptr,
                                              nullptr, nullptr);
    box->SlideInSound = SoundBank.Find("SlideIn");
    box->SlideOutSound = SoundBank.Find("SlideOut");
    box->Start();
    // A word too long for the line (a file's path) widens the box as far as the screen allows.
    const int widest = static_cast<int>(std::ceil(box->Caption->GetWidestLine())) + 2 * kBorder;
    if (widest > box->w) {
        box->w = std::min(widest, VirtualWidth - 2 * kScreenMargin);
        box->Start();
    }
    // A short message still gets the box its full height, the text and the button spread in it.
    if (box->h < kMinHeight) {
        box->Gap += kMinHeight - box->h;
        box->Start();
    }
    box->SetTransitions(kSlideMs, kSlideMs, 0.4f, 0, 1, 1, 1);
    return box;
}

void InstallMessageBox() {
    Game->MessageBoxFunction = [](const std::string& text) {
        if (!GameFonts.GUIFont || !GameFonts.Button || ModalDialogRunning()) {
            Game->GetPlatform().GetSystem().ShowMessage(ProductName, text);
            return;
        }
        const auto box = MakeMessageBox(text);
        RunModalDialog(*box);
    };
}
