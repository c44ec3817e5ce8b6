#include "framework/sprites/ExplosionList.h"

#include "framework/sprites/DrawState.h"

std::shared_ptr<TExplosion> TExplosionList::AddNew(float x, float y, std::shared_ptr<TGameImage> image) {
    auto explosion = TExplosion::Create(std::move(image), x, y);
    Add(explosion, false);
    return explosion;
}

int TExplosionList::Draw() {
    TDrawState::Batch batch;
    ForEach([](TExplosion& e) { e.Draw(); });
    return 1;
}

int TExplosionList::Manage() {
    ForEach([](TExplosion& e) { e.Manage(); });
    return 1;
}
