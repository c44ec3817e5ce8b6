#include "game/screens/GameScreenEffects.h"

#include "framework/gfx/ImageBank.h"
#include "framework/screens/LoadList.h"
#include "framework/sprites/ParticleEffects.h"

TParticleList HudEffects;

namespace {

TEffectStyle GoalStars, Sparkle;

void TakeEffectPictures() {
    GoalStars.Images = {ImageBank.Find("goalstar"), ImageBank.Find("sparklegold")};
    GoalStars.MinSpeed = 1.0f, GoalStars.MaxSpeed = 3.0f;
    GoalStars.FadeMs = 800;
    GoalStars.MinScale = 0.5f, GoalStars.MaxScale = 1.0f;
    GoalStars.MinSpin = 2, GoalStars.MaxSpin = 6;
    GoalStars.LightBlend = 1;
    Sparkle.Images = {ImageBank.Find("sparklegold")};
    Sparkle.MinSpeed = 0.1f, Sparkle.MaxSpeed = 0.4f;
    Sparkle.FadeMs = 600;
    Sparkle.MinScale = 0.4f, Sparkle.MaxScale = 0.8f;
    Sparkle.LightBlend = 1;
}

}  // namespace

void ListGameScreenEffectPictures(TLoadList& list) {
    list.Add([] { ImageBank.Load("Particles/goalstar"); });
    list.AddQuiet(TakeEffectPictures);
}

int GoalBurst(float x, float y) {
    return EmitBurst(HudEffects, x, y, DensityCount(16), GoalStars);
}

int GaugeSparkle(float x, float y) {
    return EmitBurst(HudEffects, x, y, 1, Sparkle);
}
