#include "game/board/BonusEffects.h"

#include <memory>
#include <string>

#include "framework/gfx/ImageBank.h"
#include "framework/screens/LoadList.h"
#include "framework/sprites/ParticleEffects.h"
#include "framework/sprites/Ticks.h"
#include "game/board/BoardEvents.h"
#include "game/board/Gem.h"
#include "game/board/GemEffects.h"

namespace {

// The two flame strips: eight frames of 64 × 64 in a row.
constexpr int kFlameSize = 64, kFlameFrames = 8;
// A flying coin takes this long to the counter; each coin after the first leaves a little later.
constexpr int kCoinFlightMs = 700, kCoinSpacingMs = 90;

struct TBonusEffectStyles {
    TEffectStyle Fire, Fireballs, Flames, BlueFlames, MegaPieces, ChargeSparkles, Shards;
    std::shared_ptr<TGameImage> OrangeRing, WhiteRing, ThinBeam, ThickBeam, SilverBullet, Bolt, Flash;
};
TBonusEffectStyles Styles;

std::shared_ptr<TGameImage> Picture(const char* name) {
    return ImageBank.Find(name);
}

// Pieces flying straight out along evenly spaced directions from first.
TEffectStyle Spokes(std::shared_ptr<TGameImage> image, float first, float speed, int animMs) {
    TEffectStyle style;
    style.Images = {std::move(image)};
    style.EvenSpread = 1;
    style.MinAngle = first, style.MaxAngle = first + 360;
    style.MinSpeed = style.MaxSpeed = speed;
    style.FadeMs = 700;
    style.FaceMotion = 1;
    style.LightBlend = 1;
    style.AnimMs = animMs;
    return style;
}

}  // namespace

void ListBonusEffectPictures(TLoadList& list) {
    for (const char* name :
         {"ParticleRingOrange", "ParticleRingWhite", "lightbeam thin", "lightbeam thick", "fireball",
          "silverbulletparticle", "chargeburst", "lightningstrike", "crystalshard"}) {
        list.Add([name] { ImageBank.Load(std::string("Particles/") + name); });
    }
    for (const char* name : {"fireballanim", "blurefireanim"}) {
        list.Add([name] {
            ImageBank.LoadAnim(std::string("Particles/") + name, kFlameSize, kFlameSize, 0, kFlameFrames);
        });
    }
}

int LoadBonusEffectImages() {
    Styles.OrangeRing = Picture("ParticleRingOrange");
    Styles.WhiteRing = Picture("ParticleRingWhite");
    Styles.ThinBeam = Picture("lightbeam thin");
    Styles.ThickBeam = Picture("lightbeam thick");
    Styles.SilverBullet = Picture("silverbulletparticle");
    Styles.Bolt = Picture("lightningstrike");
    Styles.Flash = Picture("particlering");

    TEffectStyle& fire = Styles.Fire;
    fire.Images = {Picture("fireball"), Picture("sparklegold"), Picture("Sparkle")};
    fire.MinSpeed = 1.0f, fire.MaxSpeed = 3.5f;
    fire.MinRadius = 4, fire.MaxRadius = 20;
    fire.FadeMs = 600;
    fire.MinScale = 0.3f, fire.MaxScale = 0.8f;
    fire.ScaleSpeed = -0.004f;
    fire.MinSpin = 1, fire.MaxSpin = 5;
    fire.LightBlend = 1;

    Styles.Fireballs = Spokes(Picture("fireball"), 0, 4.0f, 0);
    Styles.Flames = Spokes(Picture("fireballanim"), 45, 4.0f, 400);
    Styles.BlueFlames = Spokes(Picture("blurefireanim"), 0, 3.5f, 400);

    TEffectStyle& mega = Styles.MegaPieces;
    mega.Images = {Picture("ClauSparkle"), Picture("Sparkle"), Picture("dust2")};
    mega.MinSpeed = 1.5f, mega.MaxSpeed = 5.0f;
    mega.MinRadius = 10, mega.MaxRadius = 40;
    mega.FadeMs = 900;
    mega.MinScale = 0.5f, mega.MaxScale = 1.2f;
    mega.MinSpin = 1, mega.MaxSpin = 6;
    mega.LightBlend = 1;

    TEffectStyle& charge = Styles.ChargeSparkles;
    charge.Images = {Picture("chargeburst"), Picture("sparklegold")};
    charge.MinSpeed = 0.8f, charge.MaxSpeed = 2.5f;
    charge.FadeMs = 700;
    charge.MinScale = 0.5f, charge.MaxScale = 1.0f;
    charge.MinSpin = 2, charge.MaxSpin = 6;
    charge.LightBlend = 1;

    TEffectStyle& shards = Styles.Shards;
    shards.Images = {Picture("crystalshard"), Picture("Sparkle")};
    shards.MinSpeed = 1.0f, shards.MaxSpeed = 3.0f;
    shards.MinRadius = 4, shards.MaxRadius = 14;
    shards.FadeMs = 800;
    shards.MinScale = 0.5f, shards.MaxScale = 1.0f;
    shards.MinSpin = 2, shards.MaxSpin = 8;
    shards.LightBlend = 1;
    return 1;
}

int GoldEffect(float x, float y, int coins) {
    EmitRingFlash(BoardEffects, Styles.OrangeRing, x, y, 0.3f, 1.4f, 500, 1);
    if (BoardEvents.OutroRunning() || !GemImages.Coin) return 1;
    const TBoardEvents::TScreenPoint counter = BoardEvents.GoldCounterPoint();
    for (int i = 0; i < coins; ++i) {
        auto coin = EmitFlyTo(BoardEffects, GemImages.Coin, x, y, static_cast<int>(counter.x),
                              static_cast<int>(counter.y), kCoinFlightMs, nullptr);
        coin->ScaleX = coin->ScaleY = 0.6f;
        coin->SetDelay(kCoinSpacingMs * i);
        BoardEvents.GoldCoinFlying(static_cast<float>(Ticks(kCoinFlightMs + kCoinSpacingMs * i)));
    }
    return 1 + coins;
}

int BombBlast(float x, float y) {
    EmitRingFlash(BoardEffects, Styles.OrangeRing, x, y, 0.4f, 2.4f, 500, 1);
    return 1 + EmitBurst(BoardEffects, x, y, DensityCount(20), Styles.Fire);
}

int LightBeam(float x1, float y1, float x2, float y2) {
    EmitBeam(BoardEffects, Styles.ThickBeam, x1, y1, x2, y2, 600, 1);
    EmitBeam(BoardEffects, Styles.ThinBeam, x1, y1, x2, y2, 350, 1);
    return 2;
}

int SilverStreaks(float x, float y) {
    for (const float direction : {-1.0f, 1.0f}) {
        for (int i = 0; i < 3; ++i) {
            auto streak = BoardEffects.AddNew(x, y, Styles.SilverBullet, 0, direction * (5.0f + 1.5f * i), 0,
                                              500, 1, 0, 0, 1, 0, 0, 0);
            streak->Rotation = direction < 0 ? 0.0f : 180.0f;
            streak->SetDelay(60 * i);
        }
    }
    return 6;
}

int CrossBlast(float x, float y) {
    return EmitBurst(BoardEffects, x, y, 4, Styles.Fireballs);
}

int DiagonalBlast(float x, float y) {
    return EmitBurst(BoardEffects, x, y, 4, Styles.Flames);
}

int CrossDiagonalBlast(float x, float y) {
    return EmitBurst(BoardEffects, x, y, 8, Styles.BlueFlames);
}

int MegaBlast(float x, float y) {
    EmitRingFlash(BoardEffects, Styles.WhiteRing, x, y, 0.5f, 4.0f, 700, 1);
    return 1 + EmitBurst(BoardEffects, x, y, DensityCount(30), Styles.MegaPieces);
}

int ChargeBurst(float x, float y) {
    return EmitBurst(BoardEffects, x, y, DensityCount(12), Styles.ChargeSparkles);
}

int LightningStrike(float x, float y) {
    EmitBeam(BoardEffects, Styles.Bolt, x, 0, x, y, 400, 1);
    EmitRingFlash(BoardEffects, Styles.Flash, x, y, 0.5f, 1.8f, 400, 1);
    return 2 + EmitBurst(BoardEffects, x, y, DensityCount(8), Styles.ChargeSparkles);
}

int CrystalBurst(float x, float y) {
    return EmitBurst(BoardEffects, x, y, DensityCount(12), Styles.Shards);
}
