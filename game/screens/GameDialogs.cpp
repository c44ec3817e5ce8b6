#include "game/screens/GameDialogs.h"

#include "framework/core/SoundBank.h"
#include "framework/gfx/GameFonts.h"
#include "framework/gfx/GameText.h"
#include "framework/gfx/ImageBank.h"
#include "framework/gfx/Label.h"
#include "framework/sprites/Shadow.h"
#include "framework/ui/Button.h"
#include "framework/ui/DialogOK.h"
#include "framework/ui/DialogYesNo.h"
#include "framework/ui/Menu.h"

namespace {

// Where the texts stand on a board: the header band's middle, the middle and top of the text and its
// width, the room under the buttons, and the text's scale (the story texts are long).
struct TBoardLayout {
    const char* picture;
    int middleX, headerY, headerWidth, textX, textY, textWidth, bottomBorder;
    float textScale = 1;
};
// The message board is 640 × 400 (header band 150-486 × 26-80, the rule over the buttons at 318); the
// menu board 420 × 600 (header band 100-316 × 18-72); the keeper's board 720 × 420 (her cameo on the
// left third, the header band 290-650 × 30-84, the text right of x 250, the rule at 330).
constexpr TBoardLayout kMessageBoard{"Dialogs/MessageDialog", 320, 53, 310, 320, 110, 520, 14};
constexpr TBoardLayout kMenuBoard{"Dialogs/InGameMenu", 210, 45, 196, 210, 110, 340, 40};
constexpr TBoardLayout kKeeperBoard{"Dialogs/Old Lady Dialog", 470, 57, 340, 470, 108, 400, 14, 0.85f};
// A story with a picture: the picture on the left under the header, the text beside it.
constexpr TBoardLayout kStoryBoard{"Dialogs/MessageDialog", 320, 53, 310, 440, 104, 340, 14, 0.8f};
constexpr int kStoryPictureX = 44, kStoryPictureY = 118;
constexpr int kSlideMs = 300, kButtonGap = 24;

void Caption(TButton& button, const char* key) {
    button.SetupCaption(GameText.FindString(key), GameFonts.Button, nullptr, nullptr, nullptr, nullptr);
}

// The look every game dialog shares, then started sliding in from the top with its opening sound.
void Dress(TDialog& dialog, const TBoardLayout& board, const std::string& header,
           const char* openingSound = "SlideIn") {
    dialog.SetupCaption(nullptr, nullptr, nullptr, GameFonts.GUIFont);
    dialog.Caption->Scale = board.textScale;
    dialog.SetupTextHeader(header, nullptr, nullptr, nullptr, GameFonts.DialogHeader, board.middleX,
                           board.headerY, 1);
    dialog.TextHeader->Alignment = 3;
    dialog.TextHeader->AutoScale(static_cast<float>(board.headerWidth));
    dialog.CaptionOX = board.textX;
    dialog.CaptionOY = board.textY;
    dialog.WordWrapWidth = board.textWidth;
    dialog.Border = board.bottomBorder;
    dialog.SlideInSound = SoundBank.Find(openingSound);
    dialog.SlideOutSound = SoundBank.Find("SlideOut");
    dialog.Start();
    dialog.SetTransitions(kSlideMs, kSlideMs, 0.4f, 0, 1, 1, 1);
}

std::shared_ptr<TDialogYesNo> MakeQuestion(const TBoardLayout& board, const std::string& header,
                                           const std::string& text, const char* yesKey, const char* noKey) {
    auto dialog = TDialogYesNo::Create(text, ImageBank.Load(board.picture), 0, 0, 0, 1, kButtonGap, "button");
    Caption(*dialog->Menu->FindButton("Yes"), yesKey);
    Caption(*dialog->Menu->FindButton("No"), noKey);
    Dress(*dialog, board, header);
    return dialog;
}

}  // namespace

std::shared_ptr<TDialogOK> MakeMessageDialog(const std::string& header, const std::string& text,
                                             const char* buttonKey) {
    auto dialog = TDialogOK::Create(text, ImageBank.Load(kMessageBoard.picture), 0, 0, 0, "button");
    Caption(*dialog->Menu->FindButton("OK"), buttonKey);
    Dress(*dialog, kMessageBoard, header);
    return dialog;
}

std::shared_ptr<TDialogYesNo> MakeConfirmDialog(const std::string& text) {
    return MakeQuestion(kMessageBoard, GameText.FindString("Confirm"), text, "Button Yes", "Button No");
}

std::shared_ptr<TDialogYesNo> MakeChooseModeDialog() {
    return MakeQuestion(kMenuBoard, GameText.FindString("Choose Mode Dialog"), GameText.FindString("Choose Mode"),
                        "Button Timed", "Button Relaxed");
}

std::shared_ptr<TDialogOK> MakeStoryDialog(const std::string& titleKey, const std::string& textKey,
                                           const std::string& picture, const std::string& sound) {
    const auto image = picture.empty() ? nullptr : ImageBank.Find(picture, 1);
    const TBoardLayout& board = image ? kStoryBoard : kMessageBoard;
    auto dialog =
        TDialogOK::Create(GameText.FindString(textKey), ImageBank.Load(board.picture), 0, 0, 0, "button");
    Caption(*dialog->Menu->FindButton("OK"), "Button OK");
    if (image) {
        dialog->Picture = image;
        dialog->PictureX = kStoryPictureX;
        dialog->PictureY = kStoryPictureY;
        dialog->PictureShadow = TShadow::Create(3, 3, 0.4f);
    }
    Dress(*dialog, board, titleKey.empty() ? "" : GameText.FindString(titleKey),
          sound.empty() ? "OKDialog" : sound.c_str());
    return dialog;
}

std::shared_ptr<TDialogOK> MakeShopKeeperDialog(const std::string& titleKey, const std::string& textKey,
                                                const std::string& /*picture*/, const std::string& sound) {
    auto dialog = TDialogOK::Create(GameText.FindString(textKey), ImageBank.Load(kKeeperBoard.picture), 0, 0,
                                    0, "button");
    Caption(*dialog->Menu->FindButton("OK"), "Button OK");
    // The keeper's board has no room for a picture beside her own; her name fills a header band left empty.
    Dress(*dialog, kKeeperBoard, GameText.FindString(titleKey.empty() ? "Shop Keeper" : titleKey),
          sound.empty() ? "OKDialog" : sound.c_str());
    return dialog;
}
