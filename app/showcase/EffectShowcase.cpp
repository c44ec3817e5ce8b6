#include "app/showcase/EffectShowcase.h"

#include <memory>

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/gfx/ImageBank.h"
#include "framework/screens/Screen.h"
#include "framework/sprites/Counter.h"
#include "framework/sprites/ParticleEffects.h"
#include "framework/sprites/ParticleList.h"
#include "game/board/GemPictureLayout.h"

namespace {

// The middle of an effect's area.
float MidX(const EffectShowcaseArea& area) {
    return (area.left + area.right) / 2.0f;
}
float MidY(const EffectShowcaseArea& area) {
    return (area.top + area.bottom) / 2.0f;
}

class EffectShowcase : public TScreen {
public:
    EffectShowcase() { name = "effects"; }

    int Load() override {
        auto clau = ImageBank.Load("Particles/ClauSparkle");
        // A cleared gem's burst: the plain sparkle one in two, the white and the gold one in four each.
        sparkle_.Images = {clau, clau, ImageBank.Load("Particles/Sparkle"),
                           ImageBank.Load("Particles/sparklegold")};
        sparkle_.MinAngle = -50;
        sparkle_.MaxAngle = 50;
        sparkle_.MinSpeed = 0.5f;
        sparkle_.MaxSpeed = 1.6f;
        sparkle_.Gravity = 0.02f;
        // Longer than the pause between bursts, so one burst is still fading as the next goes up.
        sparkle_.FadeMs = 1100;
        sparkle_.MinScale = 0.5f;
        sparkle_.MaxScale = 1.2f;
        sparkle_.MinSpin = 1;
        sparkle_.MaxSpin = 4;
        sparkle_.LightBlend = 1;

        ringImage_ = ImageBank.Load("Particles/particlering");
        sparks_.Images = {ImageBank.Load("Particles/RedBall")};
        sparks_.EvenSpread = 1;
        sparks_.MinRadius = 6;
        sparks_.MaxRadius = 12;
        sparks_.MinSpeed = 0.4f;
        sparks_.MaxSpeed = 0.6f;
        sparks_.FadeMs = 1000;
        sparks_.LightBlend = 1;

        coin_.Images = {ImageBank.LoadAnim(gemlayout::PathOf(gemlayout::kCoinStrip), gemlayout::kCell,
                                           gemlayout::kCell, 0, gemlayout::kCoinFrames)};
        coin_.AnimMs = 600;
        coin_.MinAngle = 160;
        coin_.MaxAngle = 200;
        coin_.MinSpeed = 0.3f;
        coin_.MaxSpeed = 0.8f;
        coin_.Gravity = 0.01f;
        // The screen's bottom edge ends a coin, not a fade.
        coin_.FadeMs = 0;
        coin_.MinScale = 0.55f;
        coin_.MaxScale = 0.75f;
        coin_.Shadow = 1;
        return 1;
    }

    int Start() override {
        TScreen::Start();
        sparkleAgain_ = TCounter::Create(1000, 1);
        ringAgain_ = TCounter::Create(1200, 1);
        coinsAgain_ = TCounter::Create(1600, 1);
        Sparkles();
        Ring();
        Coins();
        return 1;
    }

    int Logic() override {
        if (sparkleAgain_->Manage()) Again(*sparkleAgain_, &EffectShowcase::Sparkles);
        if (ringAgain_->Manage()) Again(*ringAgain_, &EffectShowcase::Ring);
        if (coinsAgain_->Manage()) Again(*coinsAgain_, &EffectShowcase::Coins);
        rings_.Manage();
        sparkles_.Manage();
        coins_.Manage();
        return 1;
    }

    int Draw() override {
        platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
        graphics.SetAlpha(1);
        for (int y = 0; y < VirtualHeight; ++y) {
            const EffectShowcaseSky sky = EffectShowcaseSkyAt(y);
            graphics.SetColor(sky.r, sky.g, sky.b);
            graphics.DrawRect(0, static_cast<float>(y), static_cast<float>(VirtualWidth), 1);
        }
        graphics.SetColor(255, 255, 255);
        rings_.Draw();
        sparkles_.Draw();
        coins_.Draw();
        return 1;
    }

private:
    void Again(TCounter& counter, void (EffectShowcase::*effect)()) {
        (this->*effect)();
        counter.Activate();
    }
    void Sparkles() {
        const EffectShowcaseArea& area = kEffectShowcaseAreas[0];
        EmitBurst(sparkles_, MidX(area), static_cast<float>(area.bottom - 90), DensityCount(40), sparkle_);
    }
    void Ring() {
        const EffectShowcaseArea& area = kEffectShowcaseAreas[1];
        EmitRingFlash(rings_, ringImage_, MidX(area), MidY(area), 0.3f, 2.0f, 1000, 1);
        EmitBurst(rings_, MidX(area), MidY(area), DensityCount(24), sparks_);
    }
    void Coins() {
        const EffectShowcaseArea& area = kEffectShowcaseAreas[2];
        EmitShower(coins_, MidX(area), -20, static_cast<float>(area.right - area.left - 80), DensityCount(20),
                   800, coin_);
    }

    TEffectStyle sparkle_, sparks_, coin_;
    std::shared_ptr<TGameImage> ringImage_;
    TParticleList rings_, sparkles_, coins_;
    std::shared_ptr<TCounter> sparkleAgain_, ringAgain_, coinsAgain_;
};

}  // namespace

std::unique_ptr<TScreen> MakeEffectShowcase() {
    return std::make_unique<EffectShowcase>();
}
