#include "framework/sprites/ParticleEffects.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/core/Random.h"
#include "framework/gfx/GameImage.h"
#include "framework/sprites/Degrees.h"
#include "framework/sprites/ParticleList.h"
#include "framework/sprites/Ticks.h"

namespace {

float Between(float min, float max) {
    return static_cast<float>(Rnd(min, max));
}

// The direction of piece i of count.
float PieceAngle(const TEffectStyle& style, int i, int count) {
    if (style.EvenSpread) return style.MinAngle + (style.MaxAngle - style.MinAngle) * i / count;
    return Between(style.MinAngle, style.MaxAngle);
}

// A flash or beam too short to fade still shows for one tick.
void AtLeastOneTick(TParticle& p) {
    if (p.FadeLength <= 0) p.LifeCounter = 1;
}

// One piece at (x, y) heading along angle.
std::shared_ptr<TParticle> MakePiece(TParticleList& list, float x, float y, float angle,
                                     const TEffectStyle& style) {
    if (style.Images.empty()) return nullptr;
    const auto& image = style.Images[Rand(0, static_cast<int>(style.Images.size()) - 1)];
    const float radius = Between(style.MinRadius, style.MaxRadius);
    const float ux = static_cast<float>(SinDeg(angle)), uy = static_cast<float>(-CosDeg(angle));
    const float speed = Between(style.MinSpeed, style.MaxSpeed);
    const float spin = Between(style.MinSpin, style.MaxSpin);
    const int turn = spin == 0 ? 0 : (Rand(0, 1) == 0 ? 1 : -1);
    auto p = list.AddNew(x + ux * radius, y + uy * radius, image, ux * speed, uy * speed, style.Gravity,
                         static_cast<float>(style.FadeMs), style.LightBlend, turn, std::fabs(spin),
                         Between(style.MinScale, style.MaxScale), style.ScaleSpeed, style.LifeMs, 0);
    if (style.FaceMotion) p->Rotation = static_cast<float>(WrapCycle(angle, 0, 360));
    p->Shadow = style.Shadow;
    const int frames = image && image->image ? image->image->Frames() : 1;
    if (style.AnimMs > 0 && frames > 1) p->SetupAnim(frames, style.AnimMs, 1, 0, 1, 0, 1);
    return p;
}

}  // namespace

int DensityCount(int n) {
    return n * Game->Particles / 100;
}

int EmitBurst(TParticleList& list, float x, float y, int count, const TEffectStyle& style) {
    int made = 0;
    for (int i = 0; i < count; ++i) {
        if (MakePiece(list, x, y, PieceAngle(style, i, count), style)) ++made;
    }
    return made;
}

int EmitShower(TParticleList& list, float x, float y, float width, int count, int spreadMs,
               const TEffectStyle& style) {
    int made = 0;
    for (int i = 0; i < count; ++i) {
        auto p = MakePiece(list, x + Between(-width / 2, width / 2), y, PieceAngle(style, i, count), style);
        if (!p) continue;
        p->SetDelay(spreadMs * i / count);
        ++made;
    }
    return made;
}

std::shared_ptr<TParticle> EmitRingFlash(TParticleList& list, std::shared_ptr<TGameImage> image, float x,
                                         float y, float fromScale, float toScale, int ms, int lightBlend) {
    const float ticks = static_cast<float>(std::max(Ticks(ms), 1));
    auto p = list.AddNew(x, y, std::move(image), 0, 0, 0, static_cast<float>(ms), lightBlend, 0, 0, fromScale,
                         (toScale - fromScale) / ticks, 0, 0);
    // A shrinking flash ends with its fade, not on reaching scale 0.
    p->KillOnScaleZero = 0;
    p->NoOutOfBounds = 1;
    AtLeastOneTick(*p);
    return p;
}

std::shared_ptr<TParticle> EmitFlyTo(TParticleList& list, std::shared_ptr<TGameImage> image, float x, float y,
                                     int destX, int destY, int ms, TParticle::Hook arrived) {
    const float ticks = static_cast<float>(std::max(Ticks(ms), 1));
    auto p = list.AddNew(x, y, std::move(image), (destX - x) / ticks, (destY - y) / ticks, 0, 0, 0, 0, 0, 1,
                         0, 0, 0);
    p->DestX = destX;
    p->DestY = destY;
    p->DestinationReached = arrived;
    p->KillOnDestinationReached = 1;
    p->NoOutOfBounds = 1;
    return p;
}

std::shared_ptr<TParticle> EmitBeam(TParticleList& list, std::shared_ptr<TGameImage> image, float x1,
                                    float y1, float x2, float y2, int ms, int lightBlend) {
    const float length = std::hypot(x2 - x1, y2 - y1);
    const float width = image && image->w > 0 ? static_cast<float>(image->w) : 1.0f;
    auto p = list.AddNew((x1 + x2) / 2, (y1 + y2) / 2, std::move(image), 0, 0, 0, static_cast<float>(ms),
                         lightBlend, 0, 0, 1, 0, 0, 0);
    p->ScaleX = length / width;
    p->Rotation = static_cast<float>(std::atan2(y2 - y1, x2 - x1) * 180.0 / std::numbers::pi);
    p->NoOutOfBounds = 1;
    AtLeastOneTick(*p);
    return p;
}
