#pragma once

#include <memory>

#include "framework/sprites/Sprite.h"

class TExplosionList;

// A sprite that plays its frames once, first to last, and then removes itself from its list.
class TExplosion : public TSprite {
public:
    TExplosionList* Explosions = nullptr;  // the list that owns it

    static std::shared_ptr<TExplosion> Create(std::shared_ptr<TGameImage> image, float x, float y);
    int StartAnim(int ms, int frames);
    // Per tick: 0 once it has played.
    int Manage();
    int Kill() override;
};
