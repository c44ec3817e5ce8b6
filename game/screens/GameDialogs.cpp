#include "game/screens/GameDialogs.h"

#include "framework/core/SoundBank.h"
#include "framework/gfx/GameFonts.h"
#include "framework/gfx/GameText.h"
#include "framework/gfx/ImageBank.h"
#include "framework/gfx/Label.h"
#include "framework/ui/Button.h"
#include "framework/ui/DialogOK.h"
#include "framework/ui/Menu.h"

namespace {

// The message board is 640 × 400: its header band's middle at 53, the text from 110 down to the rule at
// 318, the button below it.
constexpr int kHeaderY = 53, kTextY = 110, kTextWidth = 520, kBottomBorder = 14;
constexpr int kSlideMs = 300;

}  // namespace

std::shared_ptr<TDialogOK> MakeMessageDialog(const std::string& header, const std::string& text) {
    auto dialog = TDialogOK::Create(text, ImageBank.LoadNoMid("Dialogs/MessageDialog"), 0, 0, 0, "button");
    dialog->SetupCaption(nullptr, nullptr, nullptr, GameFonts.GUIFont);
    dialog->SetupTextHeader(header, nullptr, nullptr, nullptr, GameFonts.DialogHeader, 320, kHeaderY, 1);
    dialog->TextHeader->Alignment = 3;
    dialog->CaptionOX = 320;
    dialog->CaptionOY = kTextY;
    dialog->WordWrapWidth = kTextWidth;
    dialog->Border = kBottomBorder;
    if (auto ok = dialog->Menu->FindButton("OK")) {
        ok->SetupCaption(GameText.FindString("Button OK"), GameFonts.Button, nullptr, nullptr, nullptr, nullptr);
    }
    dialog->SlideInSound = SoundBank.Find("SlideIn");
    dialog->SlideOutSound = SoundBank.Find("SlideOut");
    dialog->Start();
    dialog->SetTransitions(kSlideMs, kSlideMs, 0.4f, 0, 1, 1, 1);
    return dialog;
}
