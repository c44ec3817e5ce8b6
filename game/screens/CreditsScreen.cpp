#include "game/screens/CreditsScreen.h"

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/core/Input.h"
#include "framework/gfx/BitmapFont.h"
#include "framework/gfx/GameFonts.h"
#include "framework/gfx/GameImage.h"
#include "framework/gfx/GameText.h"
#include "framework/gfx/ScrollingText.h"
#include "framework/screens/GameFade.h"
#include "framework/ui/Menu.h"
#include "game/screens/OkMenu.h"
#include "platform/KeyCodes.h"

std::shared_ptr<TCreditsScreen> CreditsScreen;

namespace {

// A dark column behind the words keeps them readable over the painting.
constexpr float kColumnWidth = 560;
constexpr float kColumnAlpha = 0.45f;

}  // namespace

TCreditsScreen::TCreditsScreen() {
    name = "credits";
}

int TCreditsScreen::Load() {
    ImageLoad("Backgrounds/bg6.jpg", -1, 0);
    creditsFont = GameFonts.GUIFont;
    credits = TScrollingText::Create(creditsFont, GameText.FindString("Credits"), 512, kTop, kBottom);
    credits->Speed = kSpeed;
    Menu = MakeOkMenu();
    return 1;
}

int TCreditsScreen::Start() {
    TScreen::Start();
    Game->IgnoreEscapeKey = 1;
    FromEnding = Game->LastTScreen && Game->LastTScreen->name == "gamefinished";
    Leaving = 0;
    // After the ending its music plays on.
    if (!FromEnding) {
        Game->MusicLoad("gameend.ogg", 1);
        Game->MusicPlay(0, 0, 0);
    }
    return 1;
}

int TCreditsScreen::Kill() {
    Game->IgnoreEscapeKey = 0;
    credits.reset();
    return TScreen::Kill();
}

int TCreditsScreen::LeaveFadeMs() const {
    return FromEnding ? DefaultFadeTime * 3 : DefaultFadeTime;
}

int TCreditsScreen::Logic() {
    if (Leaving) return 1;
    Menu->Manage(0, 0);
    credits->Manage();
    if (Menu->Clicked("ok") || KeyHit(platform::vk::kEscape)) {
        Leaving = 1;
        FadeOutTo(Destination ? Destination : Game->ExitScreen.get(), LeaveFadeMs(), 1);
    }
    return 1;
}

int TCreditsScreen::Draw() {
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    graphics.SetBlend(platform::BlendMode::Solid);
    if (Image) Image->Draw(0, 0, 0);
    graphics.SetBlend(platform::BlendMode::Alpha);
    graphics.SetColor(0, 0, 0);
    graphics.SetAlpha(kColumnAlpha);
    graphics.DrawRect(512 - kColumnWidth / 2, kTop - 30, kColumnWidth, kBottom - kTop + 60);
    graphics.SetColor(255, 255, 255);
    graphics.SetAlpha(1);
    credits->Draw();
    Menu->Draw(0, 0);
    return 1;
}
