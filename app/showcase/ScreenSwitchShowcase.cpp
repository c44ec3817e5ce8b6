#include "app/showcase/ScreenSwitchShowcase.h"

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/gfx/ImageBank.h"
#include "framework/screens/GameFade.h"
#include "framework/screens/Screen.h"
#include "framework/ui/MousePointer.h"

namespace {

class ColourPage : public TScreen {
public:
    ColourPage(const char* pageName, int r, int g, int b, float squareX)
        : r_(r), g_(g), b_(b), squareX_(squareX) {
        name = pageName;
    }
    TScreen* other = nullptr;

    int Start() override {
        TScreen::Start();
        Game->GameFade->Init(DefaultFadeTime, 0, 0, 0, 0, nullptr);
        return 1;
    }
    int Logic() override {
        if (Game->Mouse->MouseHit(1)) {
            Game->DestinationTScreen = other;
            Game->GameFade->Init(DefaultFadeTime, 1, 0, 0, 0, nullptr);
        }
        return 1;
    }
    int Draw() override {
        platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
        graphics.SetAlpha(1.0f);
        graphics.SetColor(r_, g_, b_);
        graphics.DrawRect(0, 0, static_cast<float>(VirtualWidth), static_cast<float>(VirtualHeight));
        graphics.SetColor(255, 255, 255);
        graphics.DrawRect(squareX_, 300, 200, 200);
        return 1;
    }

private:
    int r_, g_, b_;
    float squareX_;
};

// The first page owns the second, so both live as long as the current screen.
class SwitchShowcase : public ColourPage {
public:
    SwitchShowcase() : ColourPage("blue", 40, 80, 200, 100), amber_("amber", 230, 160, 30, 724) {
        other = &amber_;
        amber_.other = this;
    }
    // The paused picture too, so that pausing (the pause key, or losing focus in full screen) shows.
    int Load() override {
        Game->SpritePausedCreate(ImageBank.Load("BigText/paused"));
        return 1;
    }

private:
    ColourPage amber_;
};

}  // namespace

std::unique_ptr<TScreen> MakeScreenSwitchShowcase() {
    return std::make_unique<SwitchShowcase>();
}
