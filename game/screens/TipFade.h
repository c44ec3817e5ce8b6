#pragma once

// The fade a tip box and its arrow share: they come up from nothing, stand, and go back to nothing, at
// their own speeds in alpha per tick. Without fading they are simply there until told to go.
class TTipFade {
public:
    static constexpr float FADE_IN_DEFAULT = 0.04f, FADE_OUT_DEFAULT = 0.04f;

    int _fade = 1;    // 1: fading in and out; 0: shown and hidden at once
    int _fadeIn = 1;  // 1 coming up, 0 standing, -1 going
    float _fadeInSpeed = FADE_IN_DEFAULT, _fadeOutSpeed = FADE_OUT_DEFAULT;
    float _fadeLevel = 0;                         // 0..1
    float _timeLimit = 0, _timeLimitCounter = 0;  // ticks; a limit of 0 keeps it up

    // Fading on: start up from nothing. Fading off: at full strength at once.
    void Begin(int fade, float timeLimitTicks);
    // 1 when the fade was started now; 0 when it was going already or there is no fading (the owner
    // hides itself then).
    int StartFadeOut();
    bool FadingOut() const { return _fadeIn == -1; }
    // One tick: the fade moves and the time limit counts. 1 when it has gone.
    int Step(float delta);
};
