#include "framework/screens/Screen.h"

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/core/Input.h"
#include "framework/gfx/GameImage.h"
#include "framework/screens/GameFade.h"
#include "framework/sprites/Sprite.h"
#include "framework/ui/Menu.h"
#include "framework/ui/MousePointer.h"

TScreen::~TScreen() {
    if (!Game) return;
    for (TScreen** named : {&Game->CurrentTScreen, &Game->DestinationTScreen, &Game->LastTScreen}) {
        if (*named == this) *named = nullptr;
    }
}

int TScreen::ImageLoad(const std::string& file, int flags, int /*preload*/) {
    Image = TGameImage::Create(Game->ImagePath + file,
                               Game->UsingVirtualResolution ? kFilteredImageFlag : flags, 0);
    return 1;
}

int TScreen::HeaderLoad(const std::string& file, float x, float y, int preload) {
    auto img = TGameImage::Create(Game->ImagePath + file + Ext,
                                  Game->UsingVirtualResolution ? kFilteredImageFlag : kDefaultImageFlags, 0);
    if (preload == 1) img->Precache();
    Header = TSprite::Create(std::move(img), x, y);
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
    // The buttons under the mouse know it before the screen shows, so none of them sounds at once.
    if (Menu) Menu->ManageNoSound(0, 0);
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
    Header.reset();
    if (Menu) {
        Menu->Kill();
        Menu.reset();
    }
    return 1;
}

int TScreen::Logic() {
    if (Menu) Menu->Manage(0, 0);
    return 1;
}

int TScreen::Draw() {
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    if (Image && Image->image) {
        graphics.SetBlend(platform::BlendMode::Solid);
        Image->Draw(0, 0, 0);
    }
    graphics.SetBlend(platform::BlendMode::Alpha);
    if (Header) Header->Draw();
    if (Menu) Menu->Draw(0, 0);
    return 1;
}

int TScreen::SetEscDestination() {
    Game->DestinationTScreen = Game->ExitScreen.get();
    return 0;
}

int TScreen::SpecificKeys() {
    return 1;
}

int FadeOutTo(TScreen* destination, int ms, int withMusic) {
    Game->DestinationTScreen = destination;
    return Game->GameFade->Init(ms, 1, withMusic ? Game->MusicChannel : 0, 0, 0, nullptr);
}
