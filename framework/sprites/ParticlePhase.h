#pragma once

class TParticle;

// One step of a particle's script: what the particle does for Length ticks.
class TParticlePhase {
public:
    float Length = 0;  // ticks
    int Hidden = 0;
    float dx = 0, dy = 0;
    int SetCoords = 0;  // 1: the particle jumps to SetX, SetY
    float SetX = 0, SetY = 0;
    float xgravity = 0, ygravity = 0;
    float FadeInMS = 0, FadeSustainMS = 0, FadeMS = 0;
    int DoRotate = 0;
    float RotationSpeed = 0;
    int SetAngle = 0;  // 1: the particle turns to Angle
    float Angle = 0;
    int DoScale = 0;  // grow both axes alike
    float ScaleSpeed = 0, Scale = 0;
    int DoScale2 = 0;  // grow each axis on its own
    float ScaleXSpeed = 0, ScaleYSpeed = 0, ScaleX = 0, ScaleY = 0;
    float Alpha = -1.0f;  // -1: leave the alpha alone
    // Called when the phase ends.
    void (*UserFunction)(TParticle&) = nullptr;

    int SetFade(float inMs, float sustainMs, float outMs) {
        FadeInMS = inMs;
        FadeSustainMS = sustainMs;
        FadeMS = outMs;
        return 1;
    }
};
