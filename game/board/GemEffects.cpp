#include "game/board/GemEffects.h"

#include <cmath>
#include <string>

#include "framework/core/Random.h"
#include "framework/gfx/ImageBank.h"
#include "framework/screens/LoadList.h"
#include "framework/sprites/ParticleEffects.h"
#include "game/board/Board.h"
#include "game/board/BoardEvents.h"
#include "game/board/GameGrid.h"

TParticleList BoardEffects;

namespace {

// The points picture: 17 figures in a row.
constexpr int kPointsWidth = 64, kPointsHeight = 36, kPointsFrames = 17;

struct TGemEffectStyles {
    TEffectStyle Sparkles, Sparks, Dust, Chips, Chunks, SilverPieces, GoldPieces, SkullGold;
    std::shared_ptr<TGameImage> Lightning, Skull, Points;
};
TGemEffectStyles Styles;

std::shared_ptr<TGameImage> Picture(const char* name) {
    return ImageBank.Find(name);
}

// The beam of one power-up: a zigzag of segments from the gem, each bend pushed sideways at random.
int Bolt(float x, float y, TBoardEvents::TScreenPoint to, int segments) {
    const float lengthX = to.x - x, lengthY = to.y - y;
    const float length = std::hypot(lengthX, lengthY);
    if (segments < 1 || length <= 0) return 0;
    // A unit step across the beam.
    const float acrossX = -lengthY / length, acrossY = lengthX / length;
    float fromX = x, fromY = y;
    for (int i = 1; i <= segments; ++i) {
        const float along = static_cast<float>(i) / segments;
        const float sideways = i == segments ? 0.0f : static_cast<float>(Rnd(-12, 12));
        const float toX = x + lengthX * along + acrossX * sideways,
                    toY = y + lengthY * along + acrossY * sideways;
        EmitBeam(BoardEffects, Styles.Lightning, fromX, fromY, toX, toY, 500, 1);
        fromX = toX, fromY = toY;
    }
    return segments;
}

}  // namespace

void ListGemEffectPictures(TLoadList& list) {
    for (const char* name :
         {"particlering", "ClauSparkle", "Sparkle", "sparklegold", "RedBall", "dust2", "dust3", "stonechip1",
          "stonechip2", "stonechunkbig1", "stonechunkbig2", "stonechunkbig3", "stonechunkbig4", "Lightning",
          "SilverTileParticle", "GoldTileParticle"}) {
        list.Add([name] { ImageBank.Load(std::string("Particles/") + name); });
    }
    list.Add([] { ImageBank.LoadAnim("HUD/Points", kPointsWidth, kPointsHeight, 0, kPointsFrames); });
}

int LoadGemEffectImages() {
    TEffectStyle& sparkles = Styles.Sparkles;
    // One sparkle in two is the soft star, the others a plain and a gold glint.
    sparkles.Images = {Picture("ClauSparkle"), Picture("ClauSparkle"), Picture("Sparkle"),
                       Picture("sparklegold")};
    sparkles.MinAngle = -75, sparkles.MaxAngle = 75;
    sparkles.MinSpeed = 1.0f, sparkles.MaxSpeed = 3.0f;
    sparkles.Gravity = 0.04f;
    sparkles.FadeMs = 700;
    sparkles.MinScale = 0.4f, sparkles.MaxScale = 0.9f;
    sparkles.MinSpin = 2, sparkles.MaxSpin = 6;
    sparkles.LightBlend = 1;

    TEffectStyle& sparks = Styles.Sparks;
    sparks.Images = {Picture("RedBall")};
    sparks.MinRadius = 6, sparks.MaxRadius = 12;
    sparks.MinSpeed = 0.3f, sparks.MaxSpeed = 1.2f;
    sparks.FadeMs = 400;
    sparks.MinScale = 0.5f, sparks.MaxScale = 1.0f;
    sparks.LightBlend = 1;

    TEffectStyle& dust = Styles.Dust;
    dust.Images = {Picture("dust2"), Picture("dust3")};
    dust.MinRadius = 4, dust.MaxRadius = 16;
    dust.MinSpeed = 0.2f, dust.MaxSpeed = 0.8f;
    dust.FadeMs = 700;
    dust.MinScale = 0.6f, dust.MaxScale = 1.1f;
    dust.ScaleSpeed = 0.005f;
    dust.MinSpin = 0.5f, dust.MaxSpin = 2;

    TEffectStyle& chips = Styles.Chips;
    chips.Images = {Picture("stonechip1"), Picture("stonechip2")};
    chips.MinAngle = -100, chips.MaxAngle = 100;
    chips.MinSpeed = 1.0f, chips.MaxSpeed = 3.0f;
    chips.Gravity = 0.12f;
    chips.FadeMs = 600;
    chips.MinScale = 0.7f, chips.MaxScale = 1.2f;
    chips.MinSpin = 3, chips.MaxSpin = 9;

    TEffectStyle& chunks = Styles.Chunks;
    chunks.Images = {Picture("stonechunkbig1"), Picture("stonechunkbig2"), Picture("stonechunkbig3"),
                     Picture("stonechunkbig4")};
    chunks.MinSpeed = 1.5f, chunks.MaxSpeed = 3.5f;
    chunks.MinRadius = 4, chunks.MaxRadius = 14;
    chunks.Gravity = 0.15f;
    chunks.FadeMs = 800;
    chunks.MinSpin = 2, chunks.MaxSpin = 6;
    chunks.Shadow = 1;

    // A broken tile's shards jump out and tumble down, glinting.
    for (auto [style, name] : {std::pair{&Styles.SilverPieces, "SilverTileParticle"},
                               std::pair{&Styles.GoldPieces, "GoldTileParticle"}}) {
        style->Images = {Picture(name)};
        style->MinAngle = -120, style->MaxAngle = 120;
        style->MinSpeed = 1.0f, style->MaxSpeed = 2.8f;
        style->MinRadius = 4, style->MaxRadius = 20;
        style->Gravity = 0.1f;
        style->FadeMs = 700;
        style->MinScale = 0.6f, style->MaxScale = 1.1f;
        style->MinSpin = 2, style->MaxSpin = 8;
        style->Shadow = 1;
    }

    TEffectStyle& skullGold = Styles.SkullGold;
    skullGold.Images = {Picture("sparklegold"), Picture("Sparkle")};
    skullGold.MinSpeed = 1.0f, skullGold.MaxSpeed = 3.5f;
    skullGold.FadeMs = 900;
    skullGold.MinScale = 0.5f, skullGold.MaxScale = 1.0f;
    skullGold.MinSpin = 2, skullGold.MaxSpin = 6;
    skullGold.LightBlend = 1;

    Styles.Lightning = Picture("Lightning");
    Styles.Skull = Picture("Gold Skull");
    Styles.Points = Picture("Points");
    return 1;
}

bool BonusBlastThisTick() {
    return Grid && Grid->BonusUsedThisFrame && Grid->BonusPower == 2;
}

int SparkleBurst(float x, float y, int n) {
    return EmitBurst(BoardEffects, x, y, DensityCount(n), Styles.Sparkles);
}

int SparkRing(float x, float y, int n) {
    if (BonusBlastThisTick()) n /= 2;
    return EmitBurst(BoardEffects, x, y, DensityCount(n), Styles.Sparks);
}

int UnlockPuff(float x, float y) {
    return EmitBurst(BoardEffects, x, y, DensityCount(8), Styles.Dust);
}

int RockCrack(float x, float y, int n) {
    return EmitBurst(BoardEffects, x, y, DensityCount(n), Styles.Chips) +
           EmitBurst(BoardEffects, x, y, DensityCount(4), Styles.Sparkles);
}

int RockDestroyed(float x, float y) {
    return EmitBurst(BoardEffects, x, y, DensityCount(8), Styles.Chunks);
}

int MagicRelease(float x, float y) {
    BoardEvents.TriggerMagic = 1;
    int made = 0;
    if (Grid && Grid->MagicHighlightImage) {
        EmitRingFlash(BoardEffects, Grid->MagicHighlightImage, x, y, 1.0f, 3.0f, 500, 1);
        ++made;
    }
    BoardEvents.MagicFreed();
    BoardEvents.ChargeEarned();
    BoardEvents.ShowMagicTip();
    if (BoardEvents.OutroRunning()) return made;
    const int segments = DensityCount(BonusBlastThisTick() ? 5 : 10);
    for (const auto& target : BoardEvents.ChargeTargets()) made += Bolt(x, y, target, segments);
    return made;
}

int TileBreak(float x, float y, int layer) {
    return EmitBurst(BoardEffects, x, y, DensityCount(10),
                     layer == 2 ? Styles.SilverPieces : Styles.GoldPieces);
}

int SkullCollected(float x, float y) {
    auto skull = EmitRingFlash(BoardEffects, Styles.Skull, x, y, 1.0f, 1.8f, 900, 0);
    skull->dy = -0.6f;
    return 1 + EmitBurst(BoardEffects, x, y, DensityCount(16), Styles.SkullGold);
}

int PointsPopup(float x, float y, int frame) {
    if (!Styles.Points) return 0;
    auto points = BoardEffects.AddNew(x, y, Styles.Points, 0, -0.25f, 0, 900, 0, 0, 0, 1, 0, 0, 0);
    points->ImageFrame = frame;
    points->NoOutOfBounds = 1;
    return 1;
}
