#include "game/screens/GameDialogs.h"

#include "framework/core/SoundBank.h"
#include "framework/gfx/GameFonts.h"
#include "framework/gfx/GameText.h"
#include "framework/gfx/ImageBank.h"
#include "framework/gfx/Label.h"
#include "framework/ui/Button.h"
#include "framework/ui/DialogOK.h"
#include "framework/ui/DialogYesNo.h"
#include "framework/ui/Menu.h"

namespace {

// Where the texts stand on a board: the header band's middle, the top of the text and its width, the
// room under the buttons.
struct TBoardLayout {
    const char* picture;
    int middleX, headerY, headerWidth, textY, textWidth, bottomBorder;
};
// The message board is 640 × 400 (header band 150-486 × 26-80, the rule over the buttons at 318); the
// menu board 420 × 600 (header band 100-316 × 18-72).
constexpr TBoardLayout kMessageBoard{"Dialogs/MessageDialog", 320, 53, 310, 110, 520, 14};
constexpr TBoardLayout kMenuBoard{"Dialogs/InGameMenu", 210, 45, 196, 110, 340, 40};
constexpr int kSlideMs = 300, kButtonGap = 24;

void Caption(TButton& button, const char* key) {
    button.SetupCaption(GameText.FindString(key), GameFonts.Button, nullptr, nullptr, nullptr, nullptr);
}

// The look every game dialog shares and its name, then started sliding in from the top.
void Dress(TDialog& dialog, const TBoardLayout& board, const std::string& header, const char* name) {
    dialog.Name = name;
    dialog.SetupCaption(nullptr, nullptr, nullptr, GameFonts.GUIFont);
    dialog.SetupTextHeader(header, nullptr, nullptr, nullptr, GameFonts.DialogHeader, board.middleX,
                           board.headerY, 1);
    dialog.TextHeader->Alignment = 3;
    dialog.TextHeader->AutoScale(static_cast<float>(board.headerWidth));
    dialog.CaptionOX = board.middleX;
    dialog.CaptionOY = board.textY;
    dialog.WordWrapWidth = board.textWidth;
    dialog.Border = board.bottomBorder;
    dialog.SlideInSound = SoundBank.Find("SlideIn");
    dialog.SlideOutSound = SoundBank.Find("SlideOut");
    dialog.Start();
    dialog.SetTransitions(kSlideMs, kSlideMs, 0.4f, 0, 1, 1, 1);
}

std::shared_ptr<TDialogYesNo> MakeQuestion(const TBoardLayout& board, const std::string& header,
                                           const std::string& text, const char* yesKey, const char* noKey,
                                           const char* name) {
    auto dialog = TDialogYesNo::Create(text, ImageBank.Load(board.picture), 0, 0, 0, 1, kButtonGap, "button");
    Caption(*dialog->Menu->FindButton("Yes"), yesKey);
    Caption(*dialog->Menu->FindButton("No"), noKey);
    Dress(*dialog, board, header, name);
    return dialog;
}

}  // namespace

std::shared_ptr<TDialogOK> MakeMessageDialog(const std::string& header, const std::string& text,
                                             const char* buttonKey, const char* name) {
    auto dialog = TDialogOK::Create(text, ImageBank.Load(kMessageBoard.picture), 0, 0, 0, "button");
    Caption(*dialog->Menu->FindButton("OK"), buttonKey);
    Dress(*dialog, kMessageBoard, header, name);
    return dialog;
}

std::shared_ptr<TDialogYesNo> MakeConfirmDialog(const std::string& text, const char* name) {
    return MakeQuestion(kMessageBoard, GameText.FindString("Confirm"), text, "Button Yes", "Button No", name);
}

std::shared_ptr<TDialogYesNo> MakeChooseModeDialog() {
    return MakeQuestion(kMenuBoard, GameText.FindString("Choose Mode Dialog"), GameText.FindString("Choose Mode"),
                        "Button Timed", "Button Relaxed", "choose_mode");
}
