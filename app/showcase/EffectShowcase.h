#pragma once

#include <memory>

class TScreen;

// The particle effects of play over a night sky, each repeating on the game's fixed-rate logic: a sparkle
// burst on the left, an exploding ring in the middle and a shower of spinning coins on the right. Their
// pictures come from the data folder and their randomness from the game's seed, so a deterministic run
// shows the same picture every time.
std::unique_ptr<TScreen> MakeEffectShowcase();

// Where each effect plays, so that a test can look for it there.
struct EffectShowcaseArea {
    const char* effect;
    int left, top, right, bottom;
};
inline constexpr EffectShowcaseArea kEffectShowcaseAreas[] = {
    {"sparkles", 40, 180, 360, 560}, {"ring", 392, 200, 632, 440}, {"coins", 660, 0, 1000, 768}};

// The night sky behind the effects at row y of 768, lighter towards the ground so that light blending and
// shadows both show.
struct EffectShowcaseSky {
    int r, g, b;
};
inline EffectShowcaseSky EffectShowcaseSkyAt(int y) {
    const double t = y / 768.0;
    return {static_cast<int>(12 + 40 * t), static_cast<int>(16 + 40 * t), static_cast<int>(40 + 70 * t)};
}
