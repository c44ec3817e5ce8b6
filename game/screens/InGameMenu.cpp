#include "game/screens/InGameMenu.h"

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/core/Input.h"
#include "framework/core/SoundBank.h"
#include "framework/gfx/BitmapFont.h"
#include "framework/gfx/GameFonts.h"
#include "framework/gfx/GameImage.h"
#include "framework/gfx/GameText.h"
#include "framework/gfx/ImageBank.h"
#include "framework/gfx/Label.h"
#include "framework/screens/GameFade.h"
#include "framework/sprites/Animation.h"
#include "framework/ui/Button.h"
#include "framework/ui/Menu.h"
#include "framework/ui/MousePointer.h"
#include "game/board/BoardSound.h"
#include "game/screens/GameScreen.h"
#include "platform/KeyCodes.h"

namespace {

constexpr float kCentreX = 512, kCentreY = 384;
// The panel's header holds "Paused"; its buttons stand in a column in the space below.
constexpr float kPausedY = 109, kPausedScale = 0.75f;
constexpr float kColumnTop = 249;
constexpr int kGap = 5;
constexpr float kCaptionScale = 0.85f;
constexpr float kVeil = 0.5f;

}  // namespace

TInGameMenu::TInGameMenu() {
    name = "in-game menu";
}

int TInGameMenu::Load() {
    Image = ImageBank.Load("Dialogs/InGameMenu");
    ActivateSound = SoundBank.Find("MenuActivate");
    DeactivateSound = SoundBank.Find("MenuDeactivate");
    Menu = TMenu::Create("buttonMO", "buttonclick", 0, kColumnTop, kGap);
    Menu->SetShadow(0, 0, 0, 0);
    struct Entry {
        const char *name, *key;
    };
    for (const Entry& entry : {Entry{"resume", "Button resume"}, Entry{"restart", "Button restart"},
                               Entry{"options", "Button options"}, Entry{"help", "Button Instructions"},
                               Entry{"saveandexit", "Button save and exit"}}) {
        auto button = Menu->AddQuickAuto("In-Game Menu Button1", entry.name);
        button->SetupCaption(GameText.FindString(entry.key), GameFonts.Button, nullptr, nullptr, nullptr, nullptr);
        if (button->Caption) button->Caption->Scale = kCaptionScale;
        button->MoveTo(kCentreX - static_cast<float>(button->w) / 2, 0);
    }
    Menu->FindButton("resume")->OKButton = 1;
    Menu->MakeColumn(kGap);
    MenuY = kColumnTop;
    FadeIn = TAnimation::Create(kSlideMs, 0, 1, 0, 0);
    FadeOut = TAnimation::Create(kSlideMs, 0, 1, 0, 0);
    Active = 0;
    return 1;
}

int TInGameMenu::Kill() {
    Active = 0;
    FadeIn.reset();
    FadeOut.reset();
    return TScreen::Kill();
}

float TInGameMenu::GetRatio() const {
    if (FadeOut && FadeOut->Active) return FadeOut->GetRatioInvSine();
    if (FadeIn && FadeIn->Active) return FadeIn->GetRatioSine();
    return 1;
}

float TInGameMenu::GetTopY() const {
    const float panelHeight = Image ? static_cast<float>(Image->GetHeight()) : 0;
    return (1 - GetRatio()) * (kCentreY + panelHeight / 2);
}

int TInGameMenu::SetMenuY() {
    return Menu->SetY(MenuY + GetTopY());
}

int TInGameMenu::Show(int playSound) {
    Active = 1;
    FlushKeysAndMouse();
    Menu->ClearStates();
    MouseState = Game->Mouse->Visible;
    RestartFlag = 0;
    if (playSound) PlayBoardSound(ActivateSound.get());
    PlayBankSound("SlideIn");
    FadeOut->Active = 0;
    FadeIn->Start();
    Logic();
    return 1;
}

int TInGameMenu::Hide() {
    if (!MouseState) Game->Mouse->Off();
    PlayBoardSound(DeactivateSound.get());
    PlayBankSound("SlideOut");
    // The slide out starts from wherever the slide in had got to.
    const float reached = FadeIn->Active ? FadeIn->GetRatio() : 1;
    FadeOut->Start();
    FadeOut->Counter = FadeOut->Length[0] * (1 - reached);
    FadeIn->Active = 0;
    FlushKeysAndMouse();
    return 1;
}

int TInGameMenu::VisitPage(TScreen* page) {
    if (!page || Game->GameFade->Active) return 0;
    GameScreen->StopKill = 1;
    GameScreen->StopInit = 1;
    page->Destination = GameScreen.get();
    return FadeOutTo(page, DefaultFadeTime, 0);
}

int TInGameMenu::SaveAndExit() {
    if (!TitleDestination || Game->GameFade->Active) return 0;
    if (Game->SaveCurrentProfileFunction) Game->SaveCurrentProfileFunction();
    return FadeOutTo(TitleDestination(), DefaultFadeTime, 1);
}

int TInGameMenu::Logic() {
    if (Active) {
        FadeIn->Manage();
        if (FadeOut->Active && FadeOut->Manage()) {
            if (GameScreen && GameScreen->Menu) GameScreen->Menu->ClearStates();
            Active = 0;
            if (RestartFlag && GameScreen) GameScreen->RestartLevel();
            RestartFlag = 0;
            return kSlidingOut;
        }
        SetMenuY();
        if (!FadeIn->Active && !FadeOut->Active) Menu->Manage(0, 0);
    }
    if (FadeOut->Active) return kSlidingOut;
    const bool outro = GameScreen && GameScreen->OutroAnim && GameScreen->OutroAnim->Active;
    if (KeyHit(platform::vk::kEscape) && !outro) {
        if (Active) {
            Menu->FindButton("resume")->PlayClick();
            Hide();
            return kClosed;
        }
        if (GameScreen && GameScreen->Menu) {
            if (auto button = GameScreen->Menu->FindButton("menu")) button->PlayClick();
        }
        Show(1);
        return kOpened;
    }
    if (!Active) return kOrdinary;
    if (Menu->Clicked("resume")) {
        Hide();
        return kClosed;
    }
    if (Menu->Clicked("restart")) {
        Hide();
        RestartFlag = 1;
        return kClosed;
    }
    if (Menu->Clicked("options") && OptionsDestination) VisitPage(OptionsDestination());
    if (Menu->Clicked("help") && InstructionsDestination) VisitPage(InstructionsDestination());
    if (Menu->Clicked("saveandexit")) SaveAndExit();
    return kOrdinary;
}

int TInGameMenu::Draw() {
    if (!Active) return 0;
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    graphics.SetBlend(platform::BlendMode::Alpha);
    float veil = kVeil;
    if (FadeIn->Active) veil *= FadeIn->GetRatioSine();
    if (FadeOut->Active) veil *= FadeOut->GetRatioInvSine();
    graphics.SetColor(0, 0, 0);
    graphics.SetAlpha(veil);
    graphics.DrawRect(0, 0, 1024, 768);
    graphics.SetColor(255, 255, 255);
    graphics.SetAlpha(1);
    const float top = GetTopY();
    Image->DrawMiddle(kCentreX, top + kCentreY, 0);
    graphics.SetScale(kPausedScale, kPausedScale);
    GameFonts.DialogHeader->DrawAligned(GameText.FindString("Paused"), kCentreX, top + kPausedY, 1);
    graphics.SetScale(1, 1);
    Menu->Draw(0, 0);
    return 1;
}
