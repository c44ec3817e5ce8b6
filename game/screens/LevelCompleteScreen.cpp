#include "game/screens/LevelCompleteScreen.h"

#include <algorithm>
#include <cstdio>

#include "framework/core/Game.h"
#include "framework/core/Input.h"
#include "framework/core/Messages.h"
#include "framework/core/SoundBank.h"
#include "framework/gfx/BitmapFont.h"
#include "framework/gfx/GameFonts.h"
#include "framework/gfx/GameImage.h"
#include "framework/gfx/GameText.h"
#include "framework/gfx/ImageBank.h"
#include "framework/profile/Profile.h"
#include "framework/profile/ProfileFiles.h"
#include "framework/screens/GameFade.h"
#include "framework/sprites/Animation.h"
#include "framework/sprites/ParticleEffects.h"
#include "framework/sprites/Ticks.h"
#include "framework/ui/Button.h"
#include "framework/ui/DialogOK.h"
#include "framework/ui/Menu.h"
#include "framework/ui/MousePointer.h"
#include "game/board/BoardSound.h"
#include "game/board/Player.h"
#include "game/save/SaveData.h"
#include "game/screens/GameDialogs.h"
#include "game/screens/GameScreen.h"
#include "game/screens/LevelDialogs.h"
#include "game/screens/Wallpaper.h"
#include "platform/KeyCodes.h"
#include "platform/files/Files.h"

std::shared_ptr<TLevelCompleteScreen> LevelCompleteScreen;

namespace {

constexpr int kLastLevel = 100;
constexpr float kCentreX = 512, kCentreY = 384;
// Where the middles of the table's first row and of the title sit in the panel picture, from its top.
constexpr float kTableTop = 104;
constexpr float kTitleY = 52;
// The top of the OK button, from the panel's top; the buttons that follow stand below it.
constexpr float kOkY = 456;
constexpr float kButtonGap = 12;
constexpr int kCloseFadeMs = 300;
constexpr int kSparkleMs = 900;

bool gameFinished = false;

std::string MinutesSeconds(float ms) {
    int minutes = 0, seconds = 0;
    SplitMinutesSeconds(ms, minutes, seconds);
    char text[32];
    std::snprintf(text, sizeof text, "%d:%02d", minutes, seconds);
    return text;
}

}  // namespace

TLevelCompleteScreen::TLevelCompleteScreen() {
    name = "levelcomplete";
}

bool TLevelCompleteScreen::GameFinished() {
    return gameFinished;
}

int TLevelCompleteScreen::Load() {
    Panel = ImageBank.Load("Dialogs/level end dialog");
    SparkleFull = ImageBank.Load("Particles/ClauSparkleFull");
    Sparkle = ImageBank.Load("Particles/Sparkle");
    panelHeight_ = Panel ? Panel->h : 0;
    LabelFont = GameFonts.Embossed;
    StatFont = GameFonts.LargeWhite;
    TitleFont = GameFonts.BigText;
    ActivateSound = SoundBank.Find("PanelActivate");
    DeactivateSound = SoundBank.Find("PanelDeactivate");
    Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 12);
    auto caption = [](TButton& button, const char* key) {
        button.SetupCaption(GameText.FindString(key), GameFonts.Button, nullptr, nullptr, nullptr, nullptr);
    };
    caption(*Menu->AddQuickAuto("OK", "OK"), "Button OK");
    auto wallpaper = Menu->AddQuickAuto("ButtonLong", "Set Wallpaper Button");
    caption(*wallpaper, "Wallpaper");
    caption(*Menu->AddQuickAuto("In-Game Menu Button1", "Continue"), "Button Continue");
    for (const auto& button : Menu->Buttons) button->Active = 0;
    Unroll = TAnimation::Create(kUnrollMs, 1, 1, 0, 0);
    Unroll->Stop();
    glow.Init(0, 360, 3, 0);
    allowWallpaper = 1;
    MessageLevel = Player.Level;
    Active = 0;
    return 1;
}

int TLevelCompleteScreen::Show() {
    Active = 1;
    Menu->ClearStates();
    Start();
    // The level screen stays current; the report and the autoplayer hear of the panel as a screen.
    if (Game->ScreenEnteredFunction) Game->ScreenEnteredFunction(*this);
    // The panel answers Escape itself.
    Game->IgnoreEscapeKey = 1;
    FlushKeysAndMouse();
    Game->Mouse->ClearButtons();
    Game->FixedRateLogic.Init();
    PlayBoardSound(ActivateSound.get());
    return 1;
}

int TLevelCompleteScreen::Start() {
    Game->MusicLoad("levelend.ogg", 1);
    Game->MusicPlay(0, 0, 0);
    Chapter = GameScreen ? GameScreen->GetChapter() : 0;
    SubLevel = GameScreen ? GameScreen->GetSubLevel() : 0;
    MessageLevel = Player.Level;
    Player.UpdateLevelEndData();
    booksKept_ = false;
    SetupColumns();
    CalcStatOffsetX();
    MenuY = kCentreY - panelHeight_ / 2.0f + kOkY;
    Unroll->Reverse = 1;
    Unroll->Counter = 0;
    Unroll->Start();
    SetMenuY();
    Sparkles.Clear();
    MakeSnowFlakes();
    ShowedLevelEndMessage = 0;
    ShowShopMessage = 0;
    SetWallpaperCounter = 0;
    DialogOK.reset();
    CurrentMessage.reset();
    return 1;
}

int TLevelCompleteScreen::Kill() {
    Active = 0;
    if (DialogOK) DialogOK->Kill();
    DialogOK.reset();
    CurrentMessage.reset();
    Game->IgnoreEscapeKey = 0;
    Sparkles.Clear();
    Unroll.reset();
    Panel.reset();
    SparkleFull.reset();
    Sparkle.reset();
    LabelFont.reset();
    StatFont.reset();
    TitleFont.reset();
    return TScreen::Kill();
}

int TLevelCompleteScreen::Hide() {
    Active = 0;
    Game->IgnoreEscapeKey = 0;
    return 1;
}

int TLevelCompleteScreen::SetupColumns() {
    h = lines * gap;
    StartY = kTableTop;
    col1 = (1024 - w) / 2 - 65 + 50;
    col2 = (1024 - w) / 2 - 35 + 50;
    return 1;
}

int TLevelCompleteScreen::CalcStatOffsetX() {
    if (!LabelFont) return 0;
    double widest = 0;
    for (int i = 0; i < kRows; ++i) widest = std::max(widest, LabelFont->StringWidth(GetStringForIDX(i)));
    const int m = static_cast<int>(widest);
    if (m > kLabelRoom) StatOffsetX = (m - kLabelRoom) / 2 + 10;
    return 1;
}

std::string TLevelCompleteScreen::GetStringForIDX(int i) const {
    static const char* const kLabels[kRows] = {"Level Score", "Time Taken", "Time Left", "",
                                               "Gold tiles",  "Golden Skulls", "Gold coins", "",
                                               "Gold Bonus",  "Total Gold"};
    if (i < 0 || i >= kRows || !*kLabels[i]) return "";
    return GameText.FindString(kLabels[i]);
}

std::string TLevelCompleteScreen::GetStatsStringForIDX(int i) const {
    switch (i) {
        case 0: return std::to_string(Player.LevelScore);
        case 1: return MinutesSeconds(Player.LevelTimeTaken * Game->FixedRateLogic.MS);
        case 2: return MinutesSeconds(Player.LevelTimeLeft) + " (+" + std::to_string(Player.TimeBonus) + ")";
        // Gold tiles pay only on the level that moved the frontier (Level has moved on by one already).
        case 4: return Player.Level == Player.Unlocked ? std::to_string(Player.levelTilesCollected) : "0";
        case 5: return std::to_string(Player.levelSkullsCollected * 20);
        case 6: return std::to_string(Player.levelCoinsCollected * 5);
        case 8: return std::to_string(Player.GetBonusGold());
        case 9: return std::to_string(Player.GetLevelGold());
        default: return "";
    }
}

std::string TLevelCompleteScreen::GetTitle() const {
    // The level has already moved on to the next one.
    return GameText.FindReplaced("Level XX Complete", "XX", std::to_string(Player.Level - 1));
}

float TLevelCompleteScreen::GetTopY() const {
    const float ratio = Unroll ? Unroll->GetRatio() : 0.0f;
    return (1.0f - ratio) * (kCentreY + static_cast<float>(panelHeight_) / 2);
}

int TLevelCompleteScreen::SetMenuY() {
    return PlaceButtons(MenuY + GetTopY());
}

int TLevelCompleteScreen::PlaceButtons(float top) {
    // OK stands alone under the table; Continue (under the wallpaper button when there is one) takes its
    // place once the panel has gone.
    for (const auto& button : Menu->Buttons) {
        if (!button->Active) continue;
        button->MoveTo(button->x, top);
        top += button->Height() + kButtonGap;
    }
    return 1;
}

int TLevelCompleteScreen::SaveProfile() {
    if (booksKept_) return 1;
    booksKept_ = true;
    TProfile* profile = Game->CurrentProfile.get();
    if (Player.Level > kLastLevel) {
        gameFinished = true;
        return Player.ProfileGameOver(profile, 1);
    }
    gameFinished = false;
    // The shop's gold bonus is shown in the total, so it is banked with it.
    SaveData.CollectGold(Player.GetLevelGold());
    Player.Unlocked = std::min(Player.Unlocked, kLastLevel);
    if (Player.WriteProfile(profile)) return 1;
    // The player is told, in so many words: a level that seems banked but is not would be lost.
    const std::string path = profile ? profile->FilePath(ProfileExtension) : Game->ProfilePath;
    DialogOK = MakeMessageDialog(GameText.FindString("Error"), GameText.FindReplaced("Save Failed", "XXX", path),
                                 "Button OK", "save_failed");
    return 0;
}

int TLevelCompleteScreen::SettleBooks() {
    if (Active == 0 || booksKept_) return 0;
    SaveProfile();
    return 1;
}

int TLevelCompleteScreen::RollUp() {
    Unroll->Reverse = 0;
    Unroll->Start();
    if (auto ok = Menu->FindButton("OK")) ok->Active = 0;
    SetMenuY();
    PlayBoardSound(DeactivateSound.get());
    return 1;
}

int TLevelCompleteScreen::SetWallpaper() {
    SetWallpaperCounter = 0;
    // The level's own background, copied as it is.
    const std::string background = GameScreen ? GameScreen->BackgroundFileName : "";
    const std::string path = WallpaperPath(platform::files::ExtensionOf(background));
    std::vector<uint8_t> bytes;
    std::string error;
    const bool saved = platform::files::ReadAll(platform::files::Resolve(Game->ImagePath + background), bytes,
                                                error) &&
                       platform::files::CreateFolders(platform::files::FolderOf(path), error) &&
                       platform::files::WriteAtomic(path, bytes, error);
    DialogOK = WallpaperNotice(saved, path, error);
    return saved ? 1 : 0;
}

int TLevelCompleteScreen::Close() {
    if (Game->GameFade->Active) return 0;
    DialogOK.reset();
    Game->IgnoreEscapeKey = 0;
    TScreen* next = nullptr;
    // The keeper's word is asked for even after a found-item message, which leads to the shop as well:
    // asking marks it said, so the shop shows it whatever brought the player there.
    ShowShopMessage = !gameFinished && LevelDialogs::HasShopLevelDialog(Player.Level) ? 1 : 0;
    if (gameFinished) {
        // The profile begins again at level 1, and the player's numbers with it.
        if (GameScreen) GameScreen->GameStart();
        if (GameFinishedDestination) next = GameFinishedDestination();
    } else {
        if ((ShowedLevelEndMessage || ShowShopMessage) && ShopDestination) next = ShopDestination();
        if (!next && MapDestination) next = MapDestination();
    }
    // A panel without destinations (on its own in a test) plays the next level straight away.
    if (!next) next = GameScreen.get();
    FadeOutTo(next, kCloseFadeMs, 1);
    return 1;
}

int TLevelCompleteScreen::SetEscDestination() {
    Close();
    return kCloseFadeMs;
}

int TLevelCompleteScreen::MakeSnowFlakes() {
    TEffectStyle style;
    style.Images = {SparkleFull, Sparkle};
    style.MinSpeed = 0.2f;
    style.MaxSpeed = 0.6f;
    style.MinAngle = 150;
    style.MaxAngle = 210;
    style.FadeMs = 1200;
    style.LifeMs = 2500;
    style.MinScale = 0.3f;
    style.MaxScale = 0.8f;
    style.MinSpin = 0.5f;
    style.MaxSpin = 2.0f;
    style.LightBlend = 1;
    const float width = Panel ? static_cast<float>(Panel->w) : 500.0f;
    return EmitShower(Sparkles, kCentreX, kCentreY - panelHeight_ / 2.0f + GetTopY(), width,
                      DensityCount(12), kSparkleMs, style);
}

int TLevelCompleteScreen::MoveSnowFlakes() {
    Sparkles.Manage();
    // A new flurry whenever the last has thinned out, while the table shows.
    if (Active == 1 && Sparkles.Count() < DensityCount(4)) MakeSnowFlakes();
    return 1;
}

int TLevelCompleteScreen::Logic() {
    if (!Active) return 0;
    MoveSnowFlakes();
    glow.Manage();
    // A notice takes the input until it closes.
    if (DialogOK) {
        if (DialogOK->Manage() != 0) DialogOK.reset();
        return 1;
    }
    if (CurrentMessage) {
        ShowedLevelEndMessage = 1;
        if (CurrentMessage->Manage() != 0) {
            CurrentMessage.reset();
            FlushKeysAndMouse();
        }
        return 1;
    }
    return Active == 1 ? ManageRolledIn() : ManageRolledAway();
}

int TLevelCompleteScreen::ManageRolledIn() {
    const bool rollingIn = Unroll->Reverse != 0;
    if (!Unroll->Finished && Unroll->Manage()) {
        if (rollingIn) {
            SaveProfile();
            CurrentMessage = LevelDialogs::GetPostLevelDialog(MessageLevel);
            if (auto ok = Menu->FindButton("OK")) ok->Active = 1;
        } else {
            Active = 2;
            if (auto wallpaper = Menu->FindButton("Set Wallpaper Button")) wallpaper->Active = allowWallpaper;
            if (auto next = Menu->FindButton("Continue")) next->Active = 1;
            if (auto ok = Menu->FindButton("OK")) ok->Active = 0;
            PlaceButtons(MenuY);
            Menu->SetAlpha(1);
            PlayBankSound("SlideIn");
            FlushKeysAndMouse();
            return 1;
        }
    }
    SetMenuY();
    Menu->Manage(0, 0);
    const bool still = Unroll->Finished && rollingIn;
    if (!still) {
        Menu->ClearMouseClick();
        return 1;
    }
    if (Menu->Clicked("OK") || KeyHit(platform::vk::kEscape) || Game->Mouse->MouseHit(1)) {
        FlushKeysAndMouse();
        RollUp();
    }
    return 1;
}

int TLevelCompleteScreen::ManageRolledAway() {
    if (SetWallpaperCounter == 2) return SetWallpaper();
    Menu->Manage(0, 0);
    if (Menu->Clicked("Set Wallpaper Button")) SetWallpaperCounter = 1;
    const bool keys = KeyHit(platform::vk::kEnter) || KeyHit(platform::vk::kSpace) ||
                      KeyHit(platform::vk::kEscape);
    if (Menu->Clicked("Continue") || keys || Game->Mouse->MouseHit(1)) Close();
    return 1;
}

void TLevelCompleteScreen::DrawTable(float top) {
    for (int i = 0; i < kRows; ++i) {
        const float y = top + StartY + static_cast<float>(i * gap);
        const std::string label = GetStringForIDX(i);
        if (label.empty()) continue;
        // Labels end at the first column and values start at the second, both centred on the row.
        LabelFont->Draw(label, static_cast<float>(col1 + StatOffsetX), y, 0, 1, 0, 0, 0, 1);
        StatFont->Draw(GetStatsStringForIDX(i), static_cast<float>(col2 + StatOffsetX), y, 0, 0, 0, 0, 0, 1);
    }
}

int TLevelCompleteScreen::Draw() {
    if (!Active) return 0;
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    if (Active == 1) {
        const float top = kCentreY - panelHeight_ / 2.0f + GetTopY();
        if (Panel) Panel->Draw(kCentreX, kCentreY + GetTopY(), 0);
        if (LabelFont && StatFont) DrawTable(top);
        if (TitleFont) {
            const std::string title = GetTitle();
            const float scale = static_cast<float>(std::min(1.0, TitleFont->CalcReducedScale(title, kTitleWidth)));
            graphics.SetScale(scale, scale);
            TitleFont->DrawAligned(title, kCentreX, top + kTitleY, 3);
            graphics.SetScale(1, 1);
        }
        Menu->SetAlpha(Unroll->GetRatio());
        Menu->Draw(0, 0);
        Sparkles.Draw();
    } else {
        Menu->Draw(0, 0);
    }
    if (CurrentMessage) CurrentMessage->Draw();
    if (DialogOK) DialogOK->Draw();
    if (SetWallpaperCounter == 1) SetWallpaperCounter = 2;
    return 1;
}
