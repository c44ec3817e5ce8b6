#include "game/screens/GameDialogs.h"

#include "framework/core/SoundBank.h"
#include "framework/gfx/BitmapFont.h"
#include "framework/gfx/GameFonts.h"
#include "framework/gfx/GameText.h"
#include "framework/gfx/ImageBank.h"
#include "framework/gfx/Label.h"
#include "framework/profile/ProfileNames.h"
#include "framework/sprites/Shadow.h"
#include "framework/ui/Button.h"
#include "framework/ui/DialogOK.h"
#include "framework/ui/DialogTextInput.h"
#include "framework/ui/DialogYesNo.h"
#include "framework/ui/ListBox.h"
#include "framework/ui/Menu.h"
#include "framework/ui/PlayerManager.h"
#include "game/board/Player.h"
#include "game/screens/PlayerProfiles.h"

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
// left third, the header band 290-650 × 30-84, the text and buttons right of x 250, the rule at 330).
constexpr TBoardLayout kMessageBoard{"Dialogs/MessageDialog", 320, 53, 310, 320, 110, 520, 14};
constexpr TBoardLayout kMenuBoard{"Dialogs/InGameMenu", 210, 45, 196, 210, 110, 340, 40};
constexpr TBoardLayout kKeeperBoard{"Dialogs/Old Lady Dialog", 470, 57, 340, 470, 108, 400, 14, 0.85f};
// A story with a picture: the picture on the left under the header, the text beside it.
constexpr TBoardLayout kStoryBoard{"Dialogs/MessageDialog", 320, 53, 310, 440, 104, 340, 14, 0.8f};
constexpr int kStoryPictureX = 44, kStoryPictureY = 118;
// The name board is 560 × 340 (header band 130-426 × 26-80, the name well 80-480 × 160-212); the players'
// board 640 × 600 (header band 150-486 × 26-80, the list well 90-550 × 160-480, the rule at 500).
constexpr TBoardLayout kNameBoard{"Dialogs/EnterYourNameDialog", 280, 53, 280, 280, 98, 440, 14};
constexpr TBoardLayout kPlayersBoard{"Dialogs/Dialog", 320, 53, 310, 320, 100, 520, 36};
constexpr int kNameX = 100, kNameMiddleY = 186;
// Four buttons side by side fit between the players' board's corners only smaller than other dialogs' ones.
constexpr float kPlayersButtonScale = 0.72f;
constexpr int kSlideMs = 300, kButtonGap = 24;

void Caption(TButton& button, const char* key) {
    button.SetupCaption(GameText.FindString(key), GameFonts.Button, nullptr, nullptr, nullptr, nullptr);
}

// The look every game dialog shares and its name, then started sliding in from the top with its opening
// sound.
void Dress(TDialog& dialog, const TBoardLayout& board, const std::string& header, const char* name,
           const char* openingSound = "SlideIn") {
    dialog.Name = name;
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

std::shared_ptr<TDialogYesNo> MakeCharacterQuestion(const std::string& header, const std::string& text) {
    auto dialog = MakeQuestion(kKeeperBoard, header, text, "Button Yes", "Button No", "exit_question");
    // The buttons stand under the text, on the right of the keeper.
    dialog->MenuOX = kKeeperBoard.middleX - dialog->w / 2;
    dialog->MenuPosition();
    return dialog;
}

std::shared_ptr<TDialogTextInput> MakeEnterNameDialog() {
    auto dialog = TDialogTextInput::Create(GameText.FindString("Enter Your Name"), "", MaxProfileNameLength,
                                           ImageBank.Load(kNameBoard.picture), 0, 0, 0, 0, "button");
    Caption(*dialog->Menu->FindButton("OK"), "Button OK");
    Caption(*dialog->Menu->FindButton("Cancel"), "Button Cancel");
    dialog->SetupText(nullptr, TColor::Create(240, 226, 190), nullptr, 0, GameFonts.LargeWhite);
    dialog->DrawBox = 0;  // the board has its own well for the name
    dialog->TextOX = kNameX;
    dialog->TextOY = kNameMiddleY - static_cast<int>(GameFonts.LargeWhite->StringHeight("ABCXYZ") / 2);
    TTextInput& input = dialog->TextInput;
    input.AllowEuropeanChars = 1;
    input.MakeCharsFileNameSafe();
    input.BannedChars += ExtraBannedNameChars;
    input.UppercaseFirstCharAsTyped = 1;
    input.TypingSound = SoundBank.Find("Typing");
    dialog->UppercaseFirstChar = 1;
    dialog->ErrorCheckFunc = ProfileNameCheck;
    dialog->ErrorDialogFunc = [](const std::string& message) {
        return MakeMessageDialog(GameText.FindString("Error"), message, "Button OK", "name_error");
    };
    // A name that passes is followed by the play mode; the name is taken once that is chosen.
    auto modeChosen = std::make_shared<bool>(false);
    dialog->OKClickedFunc = [modeChosen](TDialogTextInput& prompt) {
        if (*modeChosen) return 1;
        auto mode = MakeChooseModeDialog();
        mode->YesFunc = [modeChosen] {
            *modeChosen = true;
            TGameState::SetTimedMode();
            return 1;
        };
        mode->NoFunc = [modeChosen] {
            *modeChosen = true;
            TGameState::SetRelaxedMode();
            return 1;
        };
        prompt.OKClickedDialog = mode;
        return 0;
    };
    Dress(*dialog, kNameBoard, GameText.FindString("Welcome"), "enter_name");
    return dialog;
}

std::shared_ptr<TPlayerManager> MakePlayerManager() {
    auto manager = TPlayerManager::Create(ImageBank.Load(kPlayersBoard.picture), "button", 30);
    for (const char* name : {"OK", "Create", "Delete", "Cancel"}) {
        Caption(*manager->Menu->FindButton(name), (std::string("Button ") + name).c_str());
    }
    manager->Menu->ScaleMenu(kPlayersButtonScale, kPlayersButtonScale);
    manager->ClickSoundEffect = SoundBank.Find("buttonclick");
    manager->Limit = 10;
    manager->BoxBorderH = 100;
    manager->BoxBorderV = 20;
    manager->BoxY = 180;
    manager->DimWhenActive = 1;
    manager->UpperFirstChar = 1;
    manager->ExtraBannedChars = ExtraBannedNameChars;
    manager->LineHeightAddition = 5;
    manager->LimitBoxHeightToMaxItems = 1;
    TListBox& list = *manager->ListBox;
    list.SetupFont(nullptr, TColor::Create(235, 222, 190), nullptr, GameFonts.GUIFont,
                   TColor{205, 154, 65, 0.45f});
    list.DrawBox = 0;  // the board has its own well for the list
    list.Centred = 1;
    list.TextBorder = 0;
    list.ClickSound = SoundBank.Find("buttonclick");
    manager->ErrorDialogFunc = [](const std::string& message) {
        return MakeMessageDialog(GameText.FindString("Error"), message, "Button OK", "players_error");
    };
    manager->DialogYesNoFunc = [](const std::string& text) { return MakeConfirmDialog(text, "confirm_delete"); };
    manager->EnterNamePromptFunc = [](int) { return MakeEnterNameDialog(); };
    manager->CreateProfileFunc = MakeCurrentPlayer;
    // The chosen player is made afresh from the file: nothing of the last player's progress comes along.
    manager->InitProfileBeforeLoad = 1;
    manager->LoadProfileUserWrapper = [](const std::string&) { return MakeCurrentProfile(); };
    manager->MessageCannotCreate = GameText.FindString("Cannot Create");
    manager->MessageCannotDelete = GameText.FindString("Cannot Delete");
    manager->MessageConfirmDelete = GameText.FindString("Confirm Delete");
    Dress(*manager, kPlayersBoard, GameText.FindString("Player Manager Header"), "players");
    return manager;
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
    Dress(*dialog, board, titleKey.empty() ? "" : GameText.FindString(titleKey), "story",
          sound.empty() ? "OKDialog" : sound.c_str());
    return dialog;
}

std::shared_ptr<TDialogOK> MakeShopKeeperDialog(const std::string& titleKey, const std::string& textKey,
                                                const std::string& /*picture*/, const std::string& sound) {
    auto dialog = TDialogOK::Create(GameText.FindString(textKey), ImageBank.Load(kKeeperBoard.picture), 0, 0,
                                    0, "button");
    Caption(*dialog->Menu->FindButton("OK"), "Button OK");
    // The keeper's board has no room for a picture beside her own; her name fills a header band left empty.
    Dress(*dialog, kKeeperBoard, GameText.FindString(titleKey.empty() ? "Shop Keeper" : titleKey), "keeper",
          sound.empty() ? "OKDialog" : sound.c_str());
    return dialog;
}
