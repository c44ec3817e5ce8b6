#include "framework/screens/Screen.h"

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/core/Input.h"
#include "framework/gfx/GameImage.h"
#include "framework/ui/MousePointer.h"

int TScreen::ImageLoad(const std::string& file, int flags, int /*preload*/) {
    Image = TGameImage::Create(Game->ImagePath + file,
                               Game->UsingVirtualResolution ? kFilteredImageFlag : flags, 0);
    return 1;
}

int TScreen::PreStart() {
    if (StopInit) return CoreStart();
    Load();
    return Start();
}

int TScreen::ResetStops() {
    StopKill = 0;
    StopInit = 0;
    return 1;
}

int TScreen::Load() {
    return 1;
}

int TScreen::Start() {
    Game->Mouse->On();
    Game->IgnoreEscapeKey = 0;
    return CoreStart();
}

int TScreen::CoreStart() {
    Game->CurrentTScreen = this;
    if (Game->ScreenEnteredFunction) Game->ScreenEnteredFunction(*this);
    FlushKeysAndMouse();
    Game->Mouse->ClearButtons();
    // The time spent loading must not count as logic time.
    Game->FixedRateLogic.Init();
    return 1;
}

int TScreen::PostFadeIn() {
    return 1;
}
int TScreen::PostFadeOut() {
    return 1;
}

int TScreen::Kill() {
    Image.reset();
    return 1;
}

int TScreen::Logic() {
    return 1;
}

int TScreen::Draw() {
    if (!Image || !Image->image) return 0;
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    graphics.SetBlend(platform::BlendMode::Solid);
    Image->Draw(0, 0, 0);
    graphics.SetBlend(platform::BlendMode::Alpha);
    return 1;
}

int TScreen::SetEscDestination() {
    Game->DestinationTScreen = Game->ExitScreen.get();
    return 0;
}

int TScreen::SpecificKeys() {
    return 1;
}
