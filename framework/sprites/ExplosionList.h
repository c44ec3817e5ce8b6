#pragma once

#include <memory>

#include "framework/sprites/Explosion.h"
#include "framework/sprites/LiveList.h"

// Explosions playing on a screen.
class TExplosionList : public TLiveList<TExplosion, TExplosionList, &TExplosion::Explosions> {
public:
    std::shared_ptr<TExplosion> AddNew(float x, float y, std::shared_ptr<TGameImage> image);
    int Draw();
    int Manage();
};
