#include "game/screens/IntroScreen.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/core/Input.h"
#include "framework/core/SoundBank.h"
#include "framework/gfx/GameImage.h"
#include "framework/screens/CrossFade.h"
#include "framework/screens/GameFade.h"
#include "framework/sprites/Animation.h"
#include "framework/sprites/Ticks.h"
#include "framework/ui/Menu.h"
#include "framework/ui/MousePointer.h"
#include "game/board/BoardSound.h"
#include "game/screens/OkMenu.h"
#include "platform/KeyCodes.h"

std::shared_ptr<TIntroScreen> IntroScreen;

namespace {

constexpr int kCryptFadeMs = 2500;
// The crypt stands on the houses' ground, towards the right end of their layer.
constexpr float kCryptOnLayerX = 1000, kCryptOnLayerY = 18;
constexpr int kHousesLayer = 1;
// The newspaper spins in twice round to the middle of the sky.
constexpr float kPaperX = 512, kPaperY = 330, kPaperTurns = 720;

std::shared_ptr<TGameImage> IntroPicture(const std::string& file, int middle) {
    return TGameImage::Create(Game->ImagePath + "Intro/" + file, kFilteredImageFlag, middle);
}

}  // namespace

TIntroScreen::TIntroScreen() {
    name = "intro";
    // Each layer ends at the right end of its picture, nearer layers travelling further, and rises a
    // little as the eye climbs towards the crypt; far to near: hills, houses, fields, trees.
    const std::array<int, kLayers> widths = {1300, 1400, 1600, 1800};
    const std::array<int, kLayers> restingY = {280, 300, 268, 0};
    const std::array<int, kLayers> rise = {40, 50, 32, 40};
    const std::array<float, kLayers> growth = {0.0f, 0.02f, 0.04f, 0.06f};
    for (int i = 0; i < kLayers; ++i) {
        const size_t k = static_cast<size_t>(i);
        LayersBaseX[k] = 0;
        LayersTravelX[k] = 1024 - widths[k];
        LayersBaseY[k] = restingY[k] + rise[k];
        LayersTravelY[k] = -rise[k];
        LayersBaseScale[k] = 1.0f;
        LayersTravelScale[k] = growth[k];
    }
}

int TIntroScreen::Load() {
    ImageLoad("Intro/background.png", -1, 0);
    const std::array<const char*, kLayers> files = {"layer4.png", "layer3.png", "layer2.png", "layer1.png"};
    for (size_t i = 0; i < files.size(); ++i) Layers[i] = IntroPicture(files[i], 0);
    Newspaper = IntroPicture("newspaper.png", 1);
    CrossFade = TCrossFade::Create(nullptr, IntroPicture("Glowing Crypt.png", 0), kCryptFadeMs);
    ClickSound = SoundBank.Find("Buttonclick");
    Menu = MakeOkMenu();
    Anim = TAnimation::Create(kPhaseMs[0], 1, 1, 0, 0);
    for (size_t i = 1; i < kPhaseMs.size(); ++i) Anim->AddPhase(kPhaseMs[i]);
    Game->MusicLoad("intro.ogg", 0);
    return 1;
}

int TIntroScreen::Start() {
    TScreen::Start();
    Game->IgnoreEscapeKey = 1;
    Game->DrawWidescreenBorders = 0;
    Leaving = 0;
    Anim->Start();
    Game->MusicPlay(0, 0, 0);
    return 1;
}

int TIntroScreen::Kill() {
    Game->IgnoreEscapeKey = 0;
    Layers = {};
    Newspaper.reset();
    CrossFade.reset();
    Anim.reset();
    return TScreen::Kill();
}

float TIntroScreen::ElapsedMs() const {
    float ticks = 0;
    for (int i = 0; i < Anim->CurrentPhase; ++i) ticks += Anim->Length[static_cast<size_t>(i)];
    ticks += static_cast<float>(Anim->Counter);
    return ticks * static_cast<float>(Game->FixedRateLogic.MS);
}

float TIntroScreen::PanRatio() const {
    const float panMs = static_cast<float>(std::accumulate(kPhaseMs.begin(), kPhaseMs.begin() + 5, 0));
    const float r = std::clamp(ElapsedMs() / panMs, 0.0f, 1.0f);
    return (1.0f - std::cos(r * 3.14159265f)) / 2;
}

float TIntroScreen::LayerX(int i) const {
    const size_t k = static_cast<size_t>(i);
    return static_cast<float>(LayersBaseX[k]) + static_cast<float>(LayersTravelX[k]) * PanRatio();
}

float TIntroScreen::LayerY(int i) const {
    const size_t k = static_cast<size_t>(i);
    return static_cast<float>(LayersBaseY[k]) + static_cast<float>(LayersTravelY[k]) * PanRatio();
}

float TIntroScreen::LayerScale(int i) const {
    const size_t k = static_cast<size_t>(i);
    return LayersBaseScale[k] + LayersTravelScale[k] * PanRatio();
}

int TIntroScreen::Leave(int ms) {
    if (Leaving) return 0;
    Leaving = 1;
    TScreen* next = Destination ? Destination : Game->ExitScreen.get();
    return FadeOutTo(next, ms, 1);
}

int TIntroScreen::Logic() {
    if (Leaving) return 1;
    Menu->Manage(0, 0);
    Anim->Manage();
    if (Anim->CurrentPhase >= 4) CrossFade->Manage();
    const float scale = LayerScale(kHousesLayer);
    CrossFade->SetImage2Coords(LayerX(kHousesLayer) + kCryptOnLayerX * scale,
                               LayerY(kHousesLayer) + kCryptOnLayerY * scale);
    const bool skip = Menu->Clicked("ok") || Game->Mouse->MouseHit(1) || KeyHit(platform::vk::kEnter) ||
                      KeyHit(platform::vk::kSpace);
    if (skip) {
        PlayBoardSound(ClickSound.get());
        Game->SpeechStop();
        return Leave(DefaultFadeTime);
    }
    if (Anim->CurrentPhase >= kFadeOutPhase) return Leave(DefaultFadeTime * 10);
    return 1;
}

void TIntroScreen::DrawNewspaper() const {
    // Spinning in through its phase, held while it is read, slipping away as the pan begins.
    const int phase = Anim->CurrentPhase;
    if (phase < 1 || phase > 4) return;
    float scale = 1, turn = 0, alpha = 1, drop = 0;
    if (phase == 1) {
        const float r = Anim->GetRatio();
        scale = 0.05f + 0.95f * r;
        turn = kPaperTurns * (1 - r);
    } else if (phase == 4) {
        const float away = std::clamp(Anim->GetRatio() * 5, 0.0f, 1.0f);
        alpha = 1 - away;
        drop = 300 * away * away;
        if (alpha <= 0) return;
    }
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    graphics.SetAlpha(alpha);
    graphics.SetScale(scale, scale);
    graphics.SetRotation(turn);
    Newspaper->Draw(kPaperX, kPaperY + drop, 0);
    graphics.SetRotation(0);
    graphics.SetScale(1, 1);
    graphics.SetAlpha(1);
}

int TIntroScreen::Draw() {
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    graphics.SetBlend(platform::BlendMode::Solid);
    if (Image) Image->Draw(0, 0, 0);
    graphics.SetBlend(platform::BlendMode::Alpha);
    for (int i = 0; i < kLayers; ++i) {
        const float s = LayerScale(i);
        graphics.SetScale(s, s);
        Layers[static_cast<size_t>(i)]->Draw(LayerX(i), LayerY(i), 0);
        graphics.SetScale(1, 1);
        if (i == kHousesLayer) CrossFade->Draw();
    }
    DrawNewspaper();
    Menu->Draw(0, 0);
    return 1;
}
