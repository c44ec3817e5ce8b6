#include "game/screens/TitleScreen.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <utility>

#include "framework/core/Game.h"
#include "framework/core/GameSound.h"
#include "framework/core/Globals.h"
#include "framework/core/Input.h"
#include "framework/core/Random.h"
#include "framework/core/SoundBank.h"
#include "framework/gfx/BitmapFont.h"
#include "framework/gfx/GameFonts.h"
#include "framework/gfx/GameImage.h"
#include "framework/gfx/GameText.h"
#include "framework/gfx/ImageBank.h"
#include "framework/gfx/Label.h"
#include "framework/profile/Profile.h"
#include "framework/screens/GameFade.h"
#include "framework/sprites/Shadow.h"
#include "framework/ui/Button.h"
#include "framework/ui/DialogTextInput.h"
#include "framework/ui/DialogYesNo.h"
#include "framework/ui/Menu.h"
#include "framework/ui/PlayerManager.h"
#include "game/board/BoardSound.h"
#include "game/board/Player.h"
#include "game/save/SaveData.h"
#include "game/save/ShopItem.h"
#include "game/screens/GameDialogs.h"
#include "game/screens/PlayerProfiles.h"
#include "platform/Audio.h"
#include "platform/KeyCodes.h"
#include "platform/Platform.h"

std::shared_ptr<TTitleScreen> TitleScreen;

namespace {

constexpr int kFadeMs = 300;
constexpr int kKeyH = 72;
// The scene's layout: where each layer's picture stands, and the points the hand and the tree turn about.
constexpr float kTreePivotX = 210, kTreePivotY = 612, kTreeX = 870, kTreeY = 716;
constexpr float kHandPivotX = 55, kHandPivotY = 164, kHandX = 262, kHandY = 716;
constexpr float kCrowX = 108, kCrowY = 418, kEyesX = 934, kEyesY = 606, kLogoX = 192, kLogoY = 24;
constexpr float kMenuX = 358, kMenuY = 330, kMenuStep = 80, kWelcomeY = 236;
constexpr int kWelcomeWidth = 600;
// The hand swings about ±12 degrees, the tree sways ±2.5, each on a beat of its own.
constexpr float kHandSwing = 12, kHandPeriod = 3.2f, kTreeSway = 2.5f, kTreePeriod = 5.3f;
constexpr float kDrawsPerSecond = 60;
constexpr float kStrikeSeconds = 0.45f;
// The shop items a player past the first levels owns before the map opens: the pumpkin bomb once level 2
// is open, the candle once level 4 is.
constexpr int kFirstBombItem = 1, kFirstBombFrom = 1, kSecondBombItem = 24, kSecondBombFrom = 3;

struct TTitleButton {
    const char* file;
    const char* name;
    const char* caption;
};
constexpr TTitleButton kButtons[] = {{"buttonplay", "play", "Button Play"},
                                     {"buttonchangeplayer", "changeplayer", "Button Change Player"},
                                     {"buttonoptions", "titleoptions", "Button Options"},
                                     {"buttonexit", "exit", "Button Exit"}};

// A sound of the bank with its pitch changed and its pan set.
void PlayVaried(const char* name, float pitch, float pan) {
    const auto sound = SoundBank.Find(name);
    if (!sound) return;
    TGameSound varied(*sound);
    varied.pitch = pitch;
    PlayBoardSound(&varied, 1, pan);
}

void Countdown(float& timer, float seconds) {
    timer = std::max(0.0f, timer - seconds);
}

}  // namespace

TTitleScreen::TTitleScreen() {
    name = "title";
}

int TTitleScreen::Load() {
    return LoadSpecial();
}

std::array<std::pair<std::shared_ptr<TGameImage>*, const char*>, 12> TTitleScreen::Layers() {
    return {{
        {&BackgroundImage, "background"},
        {&CloudsImage, "clouds"},
        {&ForegroundImage, "foreground"},
        {&hand, "hand"},
        {&trTree, "trTree"},
        {&lightning, "lightning"},
        {&eyesBlink, "redeyeblink"},
        {&crowRight, "crow_right"},
        {&crowLeft, "crow_left"},
        {&crowBlink, "crow_blink"},
        {&crowCaw, "crow_caw"},
        {&logo, "logo"},
    }};
}

int TTitleScreen::LoadSpecial() {
    // Several of the scene's file names are used by other screens too: the layers keep keys of their own.
    for (const auto& [image, file] : Layers()) {
        *image =
            ImageBank.LoadNoMid("TitleScreen/" + std::string(file) + ".png", "Title " + std::string(file));
    }
    // The hand turns about its wrist, the tree about its foot.
    if (hand->image) hand->image->SetHandle(kHandPivotX, kHandPivotY);
    if (trTree->image) trTree->image->SetHandle(kTreePivotX, kTreePivotY);

    Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 0);
    float y = kMenuY;
    for (const TTitleButton& entry : kButtons) {
        auto button = Menu->AddQuickAuto(entry.file, entry.name);
        button->MoveTo(kMenuX, y);
        button->SetupCaption(GameText.FindString(entry.caption), GameFonts.Button,
                             TColor::Create(205, 154, 65), nullptr, nullptr, TColor::Create(225, 160, 72));
        button->SetupCaptionDown(TColor::Create(175, 145, 55), 1, 0, 0);
        y += kMenuStep;
    }
    Menu->FindButton("play")->OKButton = 1;
    // The title's own tune goes on from the map and the options; after a level, the game's end or the
    // credits it starts again.
    if (RestartMusicTest() || Game->MusicFileName != "title.ogg" || !Game->MusicIsPlaying()) {
        Game->MusicLoad("title.ogg", 1);
        Game->MusicPlay(1, 0, 0);
    } else {
        // The screen left behind may have faded it out with itself.
        Game->GetPlatform().GetAudio().SetVolume(Game->MusicChannel, Game->GetMusicVolume() / 100.0f);
    }
    return 1;
}

int TTitleScreen::RestartMusicTest() const {
    const TScreen* last = Game->LastTScreen;
    if (!last) return 0;
    return last->name == "game" || last->name == "gamefinished" || last->name == "credits" ? 1 : 0;
}

int TTitleScreen::Start() {
    TScreen::Start();
    Game->IgnoreEscapeKey = 1;
    cloudsX = 0;
    handTimer = 0;
    crowBlinkTimer = crowLookTimer = crowCawTimer = lightningTimer = redEyeBlinkTimer = 0;
    crowChance = 4000;
    lightningChance = 5000;
    drawClock_ = 0;
    firstStrike_ = 0;
    creakTimer = windTimer = 200;
    SetupWelcome();
    Game->GameFade->Init(kFadeMs, 0, 0, 0, 0, nullptr);
    return 1;
}

int TTitleScreen::PostFadeIn() {
    lightningChance = 10;
    firstStrike_ = 1;
    crowChance = 100;
    creakTimer = windTimer = 200;
    return PromptForName();
}

int TTitleScreen::Kill() {
    for (const auto& layer : Layers()) layer.first->reset();
    if (EnterName) EnterName->Kill();
    if (PlayerManager) PlayerManager->Kill();
    if (ExitDialog) ExitDialog->Kill();
    EnterName.reset();
    PlayerManager.reset();
    ExitDialog.reset();
    Welcome.reset();
    Game->IgnoreEscapeKey = 0;
    return TScreen::Kill();
}

int TTitleScreen::SetupWelcome() {
    Welcome.reset();
    if (!Game->CurrentProfile) return 0;
    Welcome = std::make_shared<TLabel>();
    Welcome->Init(nullptr, TColor::Create(200, 200, 200), TShadow::Create(2, 2, 0.7f), 0, GameFonts.GUIFont,
                  nullptr, "welcome");
    Welcome->Text = GameText.FindString("Welcome") + "\r\n" + Game->CurrentProfile->Name;
    Welcome->X = 512;
    Welcome->Y = kWelcomeY;
    Welcome->Alignment = 1;
    Welcome->Scale = WelcomeFontScale;
    Welcome->WordWrap = kWelcomeWidth;
    Welcome->PreCalcWordWrap();
    return 1;
}

int TTitleScreen::PromptForName() {
    return Game->CurrentProfile || EnterName ? 0 : SetupPrompt();
}

int TTitleScreen::SetupPrompt() {
    EnterName = MakeEnterNameDialog();
    Menu->ClearStates();
    return 1;
}

int TTitleScreen::ShowPlayerManager() {
    CurrentName = Game->CurrentProfile ? Game->CurrentProfile->Name : "";
    PlayerManager = MakePlayerManager();
    Menu->ClearStates();
    return 1;
}

int TTitleScreen::StartClose() {
    ExitDialog =
        MakeCharacterQuestion(GameText.FindString("Button Exit"), GameText.FindString("Exit Question"));
    Menu->ClearStates();
    return 1;
}

int TTitleScreen::Close() {
    return FadeOutTo(Game->ExitScreen.get(), kFadeMs, 1);
}

int TTitleScreen::Play() {
    // Without a player there is nothing to play yet: the name is asked first.
    if (!Game->CurrentProfile) return SetupPrompt();
    int bought = 0;
    if (SaveData.GetShopItemStatus(kFirstBombItem) != ShopItem::PURCHASED &&
        Player.Unlocked > kFirstBombFrom) {
        bought += SaveData.PurchaseItem(kFirstBombItem);
    }
    if (SaveData.GetShopItemStatus(kSecondBombItem) != ShopItem::PURCHASED &&
        Player.Unlocked > kSecondBombFrom) {
        bought += SaveData.PurchaseItem(kSecondBombItem);
    }
    if (bought > 0) Game->CurrentProfile->Save();
    // The intro has music of its own; the map goes on with the title's.
    if (Player.Unlocked == 1 && IntroDestination) return FadeOutTo(IntroDestination(), kFadeMs, 1);
    return MapDestination ? FadeOutTo(MapDestination(), kFadeMs, 0) : 0;
}

int TTitleScreen::ManageDialogs() {
    if (EnterName) {
        const int answer = EnterName->Manage();
        if (answer == 0) return 1;
        const std::string typed = EnterName->TextInput.Text;
        EnterName.reset();
        if (answer == 1) {
            MakeCurrentPlayer(typed);
            SetupWelcome();
            FlushKeysAndMouse();
        }
        return 1;
    }
    if (PlayerManager) {
        if (PlayerManager->Manage() == 0) return 1;
        PlayerManager.reset();
        SetupWelcome();
        CurrentName.clear();
        return 1;
    }
    if (ExitDialog) {
        const int answer = ExitDialog->Manage();
        if (answer == 0) return 1;
        ExitDialog.reset();
        if (answer == 1) Close();
        return 1;
    }
    return 0;
}

int TTitleScreen::Logic() {
    cloudsX = std::fmod(cloudsX + CLOUD_SPEED * Delta, static_cast<float>(VirtualWidth));
    if (EnterName || PlayerManager || ExitDialog) {
        // While a dialog is open the menu only glows.
        Menu->ManageFixedGlowOnly();
        ManageDialogs();
    } else if (!Game->GameFade->Active || !Game->GameFade->Out) {
        TScreen::Logic();
        if (Menu->Clicked("changeplayer")) {
            ShowPlayerManager();
        } else if (Menu->Clicked("play")) {
            Play();
        } else if (Menu->Clicked("titleoptions")) {
            if (OptionsDestination) FadeOutTo(OptionsDestination(), kFadeMs, 0);
        } else if (KeyHit(kKeyH) && InstructionsDestination) {
            FadeOutTo(InstructionsDestination(), kFadeMs, 0);
        } else if (KeyHit(platform::vk::kEscape)) {
            Menu->FindButton("exit")->SimulateClick();
            StartClose();
        } else if (Menu->Clicked("exit")) {
            StartClose();
        }
    }
    return ManageAnimations();
}

void TTitleScreen::Draws() {
    if (crowCawTimer <= 0 && Rand(0, crowChance) <= 9) {
        crowChance = 4000;
        crowCawTimer = static_cast<float>(Rnd(0.6, 0.9));
        PlayVaried("crow", 1, static_cast<float>((kCrowX + 48 - 512) / 512));
    }
    if (crowBlinkTimer <= 0 && Rand(0, 2000) < 10) crowBlinkTimer = 0.15f;
    if (crowLookTimer <= 0 && Rand(0, 3000) < 10) crowLookTimer = static_cast<float>(Rnd(1.5, 3.5));
    if (lightningTimer <= 0 && Rand(0, lightningChance) < 10) {
        lightningChance = 5000;
        CreateLightning(firstStrike_);
        firstStrike_ = 0;
    }
    if (redEyeBlinkTimer <= 0 && Rand(0, 10000) < 10) redEyeBlinkTimer = static_cast<float>(Rnd(1.5, 2.5));
}

int TTitleScreen::CreateLightning(int first) {
    const int width = lightning ? lightning->w : 200;
    if (first) {
        lightningX = VirtualWidth / 2 - 100;
        lightningFlip = 0;
    } else {
        lightningX = Rand(0, VirtualWidth - width);
        lightningFlip = Rand(0, 1);
    }
    lightningTimer = kStrikeSeconds;
    const float pan =
        (static_cast<float>(lightningX + width / 2) - VirtualWidth / 2.0f) / (VirtualWidth / 2.0f);
    PlayVaried("lightning", static_cast<float>(Rnd(0.9, 1.1)), pan);
    return 1;
}

int TTitleScreen::ManageAnimations() {
    const float seconds = Game->FixedRateLogic.MS / 1000.0f * Delta;
    constexpr float kTurn = 2 * std::numbers::pi_v<float>;
    handTimer += seconds;
    handAngle = kHandSwing * std::sin(kTurn * handTimer / kHandPeriod);
    treeAngle = kTreeSway * std::sin(kTurn * handTimer / kTreePeriod + 1);
    for (float* timer :
         {&crowBlinkTimer, &crowLookTimer, &crowCawTimer, &lightningTimer, &redEyeBlinkTimer}) {
        Countdown(*timer, seconds);
    }
    drawClock_ += seconds;
    while (drawClock_ >= 1 / kDrawsPerSecond) {
        drawClock_ -= 1 / kDrawsPerSecond;
        Draws();
    }
    creakTimer -= Delta;
    if (creakTimer <= 0) {
        creakTimer = static_cast<float>(Rand(1500, 2000));
        PlayVaried("creak", 1, static_cast<float>((kTreeX - 512) / 512));
    }
    windTimer -= Delta;
    if (windTimer <= 0) {
        windTimer = static_cast<float>(Rand(1500, 2000));
        PlayVaried("wind", static_cast<float>(Rnd(0.9, 1.1)), 0);
    }
    return 1;
}

void TTitleScreen::DrawScene() {
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    graphics.SetColor(255, 255, 255);
    graphics.SetAlpha(1);
    graphics.SetBlend(platform::BlendMode::Solid);
    BackgroundImage->Draw(0, 0, 0);
    graphics.SetBlend(platform::BlendMode::Alpha);
    CloudsImage->Draw(cloudsX, 0, 0);
    CloudsImage->Draw(cloudsX - static_cast<float>(VirtualWidth), 0, 0);
    if (lightningTimer > 0) {
        // The bolt flickers out; the whole sky lights up with it.
        const float left = lightningTimer / kStrikeSeconds;
        const float flicker = left * (0.7f + 0.3f * std::fabs(std::sin(lightningTimer * 90)));
        graphics.SetAlpha(flicker);
        if (lightningFlip) {
            graphics.SetScale(-1, 1);
            lightning->Draw(static_cast<float>(lightningX + lightning->w), 0, 0);
            graphics.SetScale(1, 1);
        } else {
            lightning->Draw(static_cast<float>(lightningX), 0, 0);
        }
        graphics.SetBlend(platform::BlendMode::Light);
        graphics.SetAlpha(0.25f * left * left);
        graphics.DrawRect(0, 0, static_cast<float>(VirtualWidth), static_cast<float>(VirtualHeight));
        graphics.SetBlend(platform::BlendMode::Alpha);
        graphics.SetAlpha(1);
    }
    graphics.SetRotation(treeAngle);
    trTree->Draw(kTreeX, kTreeY, 0);
    graphics.SetRotation(handAngle);
    hand->Draw(kHandX, kHandY, 0);
    graphics.SetRotation(0);
    ForegroundImage->Draw(0, 0, 0);
    const auto& crow = crowCawTimer > 0     ? crowCaw
                       : crowBlinkTimer > 0 ? crowBlink
                       : crowLookTimer > 0  ? crowLeft
                                            : crowRight;
    crow->Draw(kCrowX, kCrowY, 0);
    if (redEyeBlinkTimer > 0) {
        // The eyes open slowly and shut at once.
        graphics.SetAlpha(std::min(1.0f, (2.5f - redEyeBlinkTimer) * 2));
        eyesBlink->Draw(kEyesX, kEyesY, 0);
        graphics.SetAlpha(1);
    }
    logo->Draw(kLogoX, kLogoY, 0);
}

int TTitleScreen::DrawWelcome() {
    if (Welcome) Welcome->Draw();
    return 1;
}

int TTitleScreen::Draw() {
    DrawScene();
    DrawWelcome();
    Menu->Draw(0, 0);
    if (PlayerManager) PlayerManager->Draw();
    if (ExitDialog) ExitDialog->Draw();
    if (EnterName) EnterName->Draw();
    return 1;
}
