#include "framework/sprites/ParticleList.h"

#include "framework/sprites/DrawState.h"
#include "framework/sprites/Ticks.h"

std::shared_ptr<TParticle> TParticleList::AddNew(float x, float y, std::shared_ptr<TGameImage> image,
                                                 float dx, float dy, float ygravity, float fadeMs,
                                                 int lightBlend, int rotate, float rotationSpeed, float scale,
                                                 float scaleSpeed, int lifeMs, int addFirst) {
    auto particle = TParticle::CreateSpecial(std::move(image), x, y, dx, dy, ygravity, fadeMs, lightBlend,
                                             rotate, rotationSpeed, scale, scaleSpeed, lifeMs);
    Add(particle, addFirst == 1);
    return particle;
}

int TParticleList::Draw() {
    TDrawState::Batch batch;
    ForEach([](TParticle& p) { p.Draw(); }, [](const TParticle& p) { p.PrefetchDraw(); });
    return 1;
}

int TParticleList::Move() {
    ForEach([](TParticle& p) { p.Move(); });
    return 1;
}

int TParticleList::Animate() {
    ForEach([](TParticle& p) {
        if (p.DelayCounter <= 0) p.ManageAnim();
    });
    return 1;
}

int TParticleList::Manage() {
    ForEach(
        [](TParticle& p) {
            if (p.Move() == 0 || p.DelayCounter > 0) return;
            if (p.ManageAnim() == 1 && p.KillAfterAnim) p.Kill();
        },
        [](const TParticle& p) { p.PrefetchMove(); });
    return 1;
}

int TParticleList::FadeAll(int ms) {
    const float ticks = static_cast<float>(Ticks(ms));
    ForEach([ticks](TParticle& p) {
        p.FadeLength = ticks;
        p.FadeCounter = ticks;
        p.UseAlpha = 1;
    });
    return 1;
}

int TParticleList::SetUseAlpha(int value) {
    ForEach([value](TParticle& p) { p.UseAlpha = value; });
    return 1;
}

int TParticleList::SetBaseScale(float sx, float sy) {
    ForEach([sx, sy](TParticle& p) {
        p.BaseScaleX = sx;
        p.BaseScaleY = sy;
    });
    return 1;
}

int TParticleList::EnableUpdateOriginalCoords() {
    ForEach([](TParticle& p) {
        if (p.UpdateOriginalCoords) return;
        p.StoreOriginalCoords();
        p.UpdateOriginalCoords = 1;
    });
    return 1;
}

int TParticleList::ScaleCoords() {
    ForEach([](TParticle& p) { p.ScaleOriginalCoords(); });
    return 1;
}

int TParticleList::AddOffsets(float dx, float dy) {
    ForEach([dx, dy](TParticle& p) {
        p.x += dx;
        p.y += dy;
    });
    return 1;
}

int TParticleList::ProcessScale(float sx, float sy, float ox, float oy) {
    ForEach([=](TParticle& p) {
        p.BaseScaleX = sx;
        p.BaseScaleY = sy;
        p.x = p.ox * sx + ox;
        p.y = p.oy * sy + oy;
    });
    return 1;
}

int TParticleList::Collide(uint32_t layers) {
    int registered = 0;
    ForEach([&registered, layers](TParticle& p) {
        if (p.active && !p.Hidden && p.visible) registered |= p.AddToCollisions(layers);
    });
    return registered;
}
