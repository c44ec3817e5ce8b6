#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "framework/sprites/ParticlePhase.h"
#include "framework/sprites/Prefetch.h"
#include "framework/sprites/Sprite.h"

class TParticleGenerator;
class TParticleList;

// A piece of an effect: a sprite with a lifetime, fades in and out, spin, growth, gravity, an optional
// destination, colour fading and an optional script of phases. Its list moves, animates, draws and
// removes it.
class TParticle : public TSprite {
public:
    // Hooks are plain functions: what an effect needs to remember travels in the Data fields.
    using Hook = void (*)(TParticle&);

    // Grouped by who reads them, as the sprite's are, so that running and drawing a large list touches
    // as few cache lines as it can: those only every tick's move reads come first, next to the sprite's
    // move-only fields, then those the move and every picture read, then those only every picture reads,
    // then the rest (PrefetchMove and PrefetchDraw name the first and last field of each run). Each part
    // keeps the order of the particle's description.
    double LifeCounter = 0;         // ticks left to live; 0 = no limit
    double FadeSustainCounter = 0;  // ticks held at full alpha between the fades
    int DoRotate = 0;               // > 0 spin forwards, < 0 backwards, at RotationSpeed
    int DoScale = 0;                // 1: grow by the scale speeds every tick
    int ColorFade = 0;              // 1: the tint moves by the colour deltas every tick
    std::vector<std::shared_ptr<TParticlePhase>> PhaseList;
    int NoOutOfBounds = 0;  // 1: leaving the screen does not kill it
    int KillOnDestinationReached = 0;
    double DelayCounter = 0;       // ticks before it appears
    int UpdateOriginalCoords = 0;  // 1: moves ox, oy instead of x, y
    Hook UserMove = nullptr;       // replaces the move
    Hook DestinationReached = nullptr;
    std::shared_ptr<TParticleGenerator> ParticleGenerator;  // managed every tick

    TParticleList* Particles = nullptr;  // the list that owns it
    float FadeIn = 0;                    // non-zero while fading in
    double FadeCounter = 0;
    float FadeInLength = 0, FadeLength = 0;

    int Hidden = 0;             // 1: not drawn
    float SustainAlpha = 1.0f;  // reached by the fade-in
    float InitialAlpha = 1.0f;  // where the fade-out starts
    int DoLightBlend = 0, DoOverlayBlend = 0;
    Hook UserDraw = nullptr;  // replaces the draw

    int Data1 = 0, Data2 = 0, Data3 = 0;
    std::shared_ptr<void> DataObject;
    float FloatData1 = 0;
    float ColorDeltaR = 0, ColorDeltaG = 0, ColorDeltaB = 0;
    float ColorCurrentR = 0, ColorCurrentG = 0, ColorCurrentB = 0;
    std::shared_ptr<TParticlePhase> CurrentPhase;
    int CurrentPhaseIndex = 0;
    double PhaseCounter = 0;
    int KillOnFade = 1;
    int KillAfterAnim = 0;
    int KillOnScaleZero = 1;
    Hook DelayFinished = nullptr;
    Hook UserKill = nullptr;
    int DestX = 0, DestY = 0;
    std::shared_ptr<TParticle> AttachedParticle;
    int KillAttachedParticle = 1;

    static std::shared_ptr<TParticle> CreateSpecial(std::shared_ptr<TGameImage> image, float x, float y,
                                                    float dx, float dy, float ygravity, float fadeMs,
                                                    int lightBlend, int rotate, float rotationSpeed,
                                                    float scale, float scaleSpeed, int lifeMs);
    int SetDelay(int ms);
    // Appends a phase of ms to the script for the caller to fill in.
    std::shared_ptr<TParticlePhase> AddPhase(int ms);
    int StartPhases();
    int ApplyPhase(std::shared_ptr<TParticlePhase> phase);
    int SetColorFade(std::shared_ptr<TColor> colour, float dr, float dg, float db);
    // alpha -1 keeps InitialAlpha; inAlpha is the alpha the fade-in reaches.
    int SetFade(float inMs, float sustainMs, float outMs, float alpha, float inAlpha);
    // 0 within a phase, 1 at a change of phase, -1 when the last phase ended.
    int ManagePhases();
    int KillPhases();
    int StopAtDestination();
    float GetFadeRatio() const;
    int IsFadingOut() const;
    // What Move and Draw read, asked for ahead of them (see TLiveList::ForEach): the sprite's fields
    // from x on and the particle's up to FadeLength; the sprite's from active to Label and the
    // particle's from Particles to UserDraw. Folded into the caller, as PrefetchRange must be.
    static constexpr std::size_t kMoveSteps = 4, kPictureSteps = 3, kLinkSteps = 1;
    [[gnu::always_inline]] void PrefetchMove() const { PrefetchRange<kMoveSteps>(&x, &FadeLength + 1); }
    [[gnu::always_inline]] void PrefetchDraw() const {
        PrefetchRange<kPictureSteps>(&active, &Label + 1);
        PrefetchRange<kLinkSteps>(&Particles, &UserDraw + 1);
    }
    // Per tick; 0 when the particle died.
    int Move() final;
    int Draw() final;
    int Kill() final;

private:
    // The current phase's function, for a particle whose life ends in the middle of a phase.
    void EndOfPhase();
    bool Arrived() const;
    // Steps the fades; false when the fade-out ended the particle.
    [[gnu::always_inline]] inline bool Fade();
    // One tick of DoRotate's spin, wrapped into [0, 360) where it crosses the end it heads for.
    [[gnu::always_inline]] inline void Spin();
};
