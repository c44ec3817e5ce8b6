#include "game/screens/TipFade.h"

#include <algorithm>

void TTipFade::Begin(int fade, float timeLimitTicks) {
    _fade = fade;
    _fadeIn = fade ? 1 : 0;
    _fadeLevel = fade ? 0.0f : 1.0f;
    _timeLimit = timeLimitTicks;
    _timeLimitCounter = 0;
}

int TTipFade::StartFadeOut() {
    if (!_fade || _fadeIn == -1) return 0;
    // It goes from wherever it stands, so a tip closed while still coming up does not flash.
    _fadeIn = -1;
    return 1;
}

int TTipFade::Step(float delta) {
    if (_timeLimit > 0 && _fadeIn != -1) {
        _timeLimitCounter += delta;
        if (_timeLimitCounter >= _timeLimit) {
            if (!_fade) return 1;
            StartFadeOut();
        }
    }
    if (_fadeIn == 1) {
        _fadeLevel = std::min(1.0f, _fadeLevel + _fadeInSpeed * delta);
        if (_fadeLevel >= 1.0f) _fadeIn = 0;
    } else if (_fadeIn == -1) {
        _fadeLevel = std::max(0.0f, _fadeLevel - _fadeOutSpeed * delta);
        if (_fadeLevel <= 0) return 1;
    }
    return 0;
}
