#include "framework/sprites/Explosion.h"

#include "framework/core/Globals.h"
#include "framework/sprites/ExplosionList.h"
#include "framework/sprites/Ticks.h"

std::shared_ptr<TExplosion> TExplosion::Create(std::shared_ptr<TGameImage> image, float x, float y) {
    auto explosion = std::make_shared<TExplosion>();
    explosion->SetImage(std::move(image));
    explosion->SetPosition(x, y);
    return explosion;
}

int TExplosion::StartAnim(int ms, int frames) {
    AnimLength = Ticks(ms);
    AnimCounter = AnimLength;
    FramesTotal = frames;
    return 1;
}

int TExplosion::Manage() {
    Move();
    ManageScale();
    ManageRotation();
    AnimCounter -= 1.0 * Delta;
    if (!RunOut(AnimCounter)) return 1;
    Kill();
    return 0;
}

int TExplosion::Kill() {
    TSprite::Kill();
    // Last: leaving the list may let the explosion go.
    if (Explosions) Explosions->Remove(*this);
    return 1;
}
