#pragma once

#include <memory>

class TGameImage;

// A description of a transition between two pictures: its kind, length and movement.
class TTransitionEffect {
public:
    int EffectType = 0;
    int Length = 0;  // ticks
    float ScrollSpeedX = 0, ScrollSpeedY = 0;
    float ZoomSpeed = 0;
    std::shared_ptr<TGameImage> MaskImage;
    float MaskStartSize = 1.0f, MaskEndSize = 1.0f;
    int MaskAndFade = 0;

    static std::shared_ptr<TTransitionEffect> Create(int type, int ms);
    // A copy of the kind, length, scroll, and mask; the zoom and MaskAndFade keep their defaults.
    std::shared_ptr<TTransitionEffect> CreateCopy() const;
};
