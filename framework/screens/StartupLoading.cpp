#include "framework/screens/StartupLoading.h"

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/core/Input.h"
#include "framework/core/SoundBank.h"
#include "framework/gfx/GameFonts.h"
#include "framework/gfx/GameText.h"
#include "framework/gfx/ImageBank.h"
#include "framework/gfx/Label.h"
#include "framework/screens/LoadList.h"
#include "framework/screens/LoadingScreen.h"
#include "framework/ui/Button.h"
#include "framework/ui/MousePointer.h"

namespace {

constexpr const char* kButton = "../Menus/ButtonLong";
constexpr int kCaptionWidth = 320;
constexpr int kPressMs = 200;

// The continue button, captioned in the button font once the fonts are loaded.
void MakeContinueButton(TLoadingScreen& loading, const std::shared_ptr<TBitmapFont>& font) {
    loading.SetClickHereButton(kButton, std::string(kButton) + "MO", SoundBank.Find("buttonClick"),
                               SoundBank.Find("buttonMO"), 0);
    TButton& button = *loading.ClickHereButton;
    button.LoadMouseClick(std::string(kButton) + "Down", kPressMs);
    // Below the bar, where the "loading" picture was.
    button.CentreX(static_cast<float>(loading.LoadingY - button.h / 2));
    if (!font) return;
    button.SetupCaption(GameText.FindString("Click Text"), font, nullptr, nullptr, nullptr, nullptr);
    button.Caption->WordWrap = kCaptionWidth;
    button.Caption->PreCalcWordWrap();
}

}  // namespace

int ShowLoadingScreen() {
    TLoadingScreen& loading = *Game->LoadingScreen;
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    if (Game->ClsColor) graphics.SetClsColor(Game->ClsColor->r, Game->ClsColor->g, Game->ClsColor->b);
    graphics.Cls();
    graphics.Flip(FlipSync);
    loading.SpecialLoad("Backgrounds/LoadingScreen.jpg", "LoadingScreen/LoadingBar.png",
                        "BigText/loading.png");
    graphics.SetBlend(platform::BlendMode::Alpha);
    Game->Mouse->Off();
    loading.DrawLoading(1);
    SoundBank.Load("buttonclick");
    SoundBank.Load("buttonMO");
    Game->SpritePausedCreate(ImageBank.Load("BigText/paused", "paused"));
    return 1;
}

int LayOutLoadingScreen(int steps) {
    TLoadingScreen& loading = *Game->LoadingScreen;
    loading.SetSteps(steps);
    loading.LoadingBar.Centre(VirtualHeight / 2 - 100);
    loading.LoadingBar.Mode = 1;
    loading.LoadingBar.DrawEmptyUnderFinal = 1;
    loading.LoadingY = VirtualHeight / 2 + 77;
    loading.EscapeCloses = 0;
    return 1;
}

int RunStartupLoading(const std::function<void(TLoadList&)>& listGameWork, TScreen* destination) {
    TLoadingScreen& loading = *Game->LoadingScreen;
    // Current at once, without its Start: Escape stays the framework's.
    Game->CurrentTScreen = &loading;
    Game->MusicLoad("title.ogg", 1);
    Game->MusicPlay(0, 0, 0);

    TLoadList list;
    list.Add([] {});  // the screen itself, drawn by its first step
    if (listGameWork) listGameWork(list);
    list.Add([] { Game->SetLeftBorderImage("Backgrounds/LeftBorder.jpg"); });
    list.Add([] { Game->SetRightBorderImage("Backgrounds/RightBorder.jpg"); });
    list.Stage("Loading DONE");
    list.Add([&loading] { MakeContinueButton(loading, GameFonts.Button); });

    Game->SetFlipSync();
    LayOutLoadingScreen(list.Steps());
    loading.Destination = destination;
    list.Run([] { Game->MoveBar(); });

    // The player switched away while the game loaded.
    if (!Game->GetPlatform().GetGraphics().HasFocus()) Game->SuspendedEvent = 1;
    Game->Mouse->UpdateCoords();
    Game->Mouse->On();
    FlushKeysAndMouse();
    Game->FixedRateLogic.Init();
    Game->SetFlipSync();
    // Whatever watches play learns of the screen as it starts taking clicks.
    if (Game->ScreenEnteredFunction) Game->ScreenEnteredFunction(loading);
    return 1;
}
