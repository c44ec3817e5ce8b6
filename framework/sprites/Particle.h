#pragma once

#include <memory>
#include <vector>

#include "framework/sprites/ParticlePhase.h"
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

    // What every tick reads comes first, so that running and drawing a large list touches as little
    // memory as it can; the rest follows. Each part keeps the order of the particle's description.
    TParticleList* Particles = nullptr;  // the list that owns it
    int Hidden = 0;                      // 1: not drawn
    double LifeCounter = 0;              // ticks left to live; 0 = no limit
    float FadeIn = 0;                    // non-zero while fading in
    double FadeSustainCounter = 0;       // ticks held at full alpha between the fades
    double FadeCounter = 0;
    float FadeInLength = 0, FadeLength = 0;
    float SustainAlpha = 1.0f;  // reached by the fade-in
    float InitialAlpha = 1.0f;  // where the fade-out starts
    int DoLightBlend = 0, DoOverlayBlend = 0;
    int DoRotate = 0;   // > 0 spin forwards, < 0 backwards, at RotationSpeed
    int DoScale = 0;    // 1: grow by the scale speeds every tick
    int ColorFade = 0;  // 1: the tint moves by the colour deltas every tick
    std::vector<std::shared_ptr<TParticlePhase>> PhaseList;
    int NoOutOfBounds = 0;  // 1: leaving the screen does not kill it
    int KillOnFade = 1;
    int KillAfterAnim = 0;
    int KillOnDestinationReached = 0;
    int KillOnScaleZero = 1;
    double DelayCounter = 0;       // ticks before it appears
    int UpdateOriginalCoords = 0;  // 1: moves ox, oy instead of x, y
    Hook UserMove = nullptr;       // replaces the move
    Hook DestinationReached = nullptr;
    Hook UserDraw = nullptr;                                // replaces the draw
    std::shared_ptr<TParticleGenerator> ParticleGenerator;  // managed every tick

    int Data1 = 0, Data2 = 0, Data3 = 0;
    std::shared_ptr<void> DataObject;
    float FloatData1 = 0;
    float ColorDeltaR = 0, ColorDeltaG = 0, ColorDeltaB = 0;
    float ColorCurrentR = 0, ColorCurrentG = 0, ColorCurrentB = 0;
    std::shared_ptr<TParticlePhase> CurrentPhase;
    int CurrentPhaseIndex = 0;
    double PhaseCounter = 0;
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
};
