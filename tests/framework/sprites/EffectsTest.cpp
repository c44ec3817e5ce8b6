// The ready-made effects and the particle density setting.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "SpriteTestSupport.h"
#include "framework/sprites/ParticleEffects.h"
#include "framework/sprites/ParticleList.h"

namespace {

using murkwell::test::Calls;
using murkwell::test::Record;
using murkwell::test::SpriteFixture;

class EffectsTest : public ::testing::Test {
protected:
    std::vector<TParticle*> Pieces() {
        std::vector<TParticle*> pieces;
        list.ForEach([&](TParticle& p) { pieces.push_back(&p); });
        return pieces;
    }

    SpriteFixture fixture;
    TParticleList list;
};

TEST_F(EffectsTest, DensityScalesCountsAndTruncates) {
    fixture.game().Particles = 50;
    EXPECT_EQ(DensityCount(10), 5);
    EXPECT_EQ(DensityCount(7), 3);
    EXPECT_EQ(DensityCount(1), 0);
    fixture.game().Particles = 80;
    EXPECT_EQ(DensityCount(7), 5);
    fixture.game().Particles = 100;
    EXPECT_EQ(DensityCount(7), 7);
    fixture.game().Particles = 0;
    EXPECT_EQ(DensityCount(7), 0);
}

TEST_F(EffectsTest, ABurstAtHalfDensityHasHalfThePieces) {
    TEffectStyle style;
    style.Images = {fixture.Image(4, 4)};
    fixture.game().Particles = 50;
    EXPECT_EQ(EmitBurst(list, 500, 400, DensityCount(9), style), 4);
    EXPECT_EQ(list.Count(), 4);
}

TEST_F(EffectsTest, AnEvenBurstSendsItsPiecesOutAtEqualAngles) {
    TEffectStyle style;
    style.Images = {fixture.Image(4, 4)};
    style.MinSpeed = style.MaxSpeed = 2;
    style.EvenSpread = 1;
    style.FaceMotion = 1;
    EmitBurst(list, 500, 400, 4, style);
    const auto pieces = Pieces();
    ASSERT_EQ(pieces.size(), 4u);
    const float expected[4][2] = {{0, -2}, {2, 0}, {0, 2}, {-2, 0}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(pieces[i]->dx, expected[i][0], 1e-5) << i;
        EXPECT_NEAR(pieces[i]->dy, expected[i][1], 1e-5) << i;
        EXPECT_EQ(pieces[i]->Rotation, 90 * i) << "turned to its direction";
    }
}

TEST_F(EffectsTest, ARingOfSparksStartsOutFromTheCentreAndMovesAway) {
    TEffectStyle style;
    style.Images = {fixture.Image(4, 4)};
    style.MinRadius = 6;
    style.MaxRadius = 12;
    EmitBurst(list, 500, 400, 20, style);
    for (TParticle* p : Pieces()) {
        const float r = std::hypot(p->x - 500, p->y - 400);
        EXPECT_GE(r, 6 - 1e-3);
        EXPECT_LE(r, 12 + 1e-3);
        EXPECT_GT((p->x - 500) * p->dx + (p->y - 400) * p->dy, 0) << "heading outwards";
    }
}

TEST_F(EffectsTest, PiecesTakeTheirLookFromTheStyle) {
    TEffectStyle style;
    auto a = fixture.Image(4, 4, 1, "a"), b = fixture.Image(4, 4, 1, "b");
    style.Images = {a, a, a, b};
    style.MinScale = 0.5f;
    style.MaxScale = 0.75f;
    style.MinSpin = 2;
    style.MaxSpin = 4;
    style.LightBlend = 1;
    style.Shadow = 1;
    style.FadeMs = 500;
    style.Gravity = 0.1f;
    EmitBurst(list, 500, 400, 200, style);
    int withA = 0;
    std::set<int> turns;
    for (TParticle* p : Pieces()) {
        withA += p->image == a;
        EXPECT_GE(p->ScaleX, 0.5f);
        EXPECT_LE(p->ScaleX, 0.75f);
        EXPECT_GE(p->RotationSpeed, 2);
        EXPECT_LE(p->RotationSpeed, 4);
        turns.insert(p->DoRotate);
        EXPECT_EQ(p->DoLightBlend, 1);
        EXPECT_EQ(p->Shadow, 1);
        EXPECT_EQ(p->FadeLength, 100);
        EXPECT_EQ(p->ygravity, 0.1f);
    }
    EXPECT_GT(withA, 120) << "three in four";
    EXPECT_LT(withA, 180);
    EXPECT_EQ(turns, (std::set<int>{-1, 1}));
}

TEST_F(EffectsTest, TheSameSeedMakesTheSameEffect) {
    TEffectStyle style;
    style.Images = {fixture.Image(4, 4)};
    auto positions = [&] {
        TParticleList fresh;
        SeedRandom(99);
        EmitBurst(fresh, 500, 400, 10, style);
        std::vector<float> xs;
        fresh.ForEach([&](TParticle& p) { xs.push_back(p.dx); });
        return xs;
    };
    EXPECT_EQ(positions(), positions());
}

TEST_F(EffectsTest, AStripOfFramesLoopsOverTheStylesTime) {
    TEffectStyle style;
    style.Images = {fixture.Image(4, 4, 6)};
    style.AnimMs = 300;
    EmitBurst(list, 500, 400, 1, style);
    EXPECT_EQ(Pieces()[0]->FramesTotal, 6);
    EXPECT_EQ(Pieces()[0]->AnimLength, 60);
    EXPECT_EQ(Pieces()[0]->Loop, 1);
}

TEST_F(EffectsTest, AShowerSetsOffItsPiecesOneAfterAnother) {
    TEffectStyle style;
    style.Images = {fixture.Image(4, 4)};
    style.MinAngle = style.MaxAngle = 180;
    EmitShower(list, 500, 100, 200, 5, 500, style);
    const auto pieces = Pieces();
    ASSERT_EQ(pieces.size(), 5u);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(pieces[i]->DelayCounter, 20 * i);
        EXPECT_GE(pieces[i]->x, 400);
        EXPECT_LE(pieces[i]->x, 600);
        EXPECT_EQ(pieces[i]->y, 100);
        EXPECT_GT(pieces[i]->dy, 0) << "falling";
    }
}

TEST_F(EffectsTest, ARingFlashGrowsAsItFadesAndThenGoes) {
    auto ring = EmitRingFlash(list, fixture.Image(64, 64), 500, 400, 0.2f, 1.0f, 200, 1);
    for (int t = 0; t < 20; ++t) list.Manage();
    EXPECT_NEAR(ring->ScaleX, 0.6f, 1e-5);
    for (int t = 0; t < 19; ++t) list.Manage();
    EXPECT_NEAR(ring->ScaleX, 0.98f, 1e-5);
    EXPECT_EQ(list.Count(), 1);
    list.Manage();
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(EffectsTest, AShrinkingFlashEndsWithItsFadeNotAtScaleZero) {
    EmitRingFlash(list, fixture.Image(64, 64), 500, 400, 1.0f, 0.0f, 100, 0);
    for (int t = 0; t < 19; ++t) list.Manage();
    EXPECT_EQ(list.Count(), 1);
    list.Manage();
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(EffectsTest, AFlashOfNoLengthShowsForOneTick) {
    EmitRingFlash(list, fixture.Image(64, 64), 500, 400, 1.0f, 1.0f, 0, 0);
    EXPECT_EQ(list.Count(), 1);
    list.Manage();
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(EffectsTest, AFlyingPieceArrivesOnTimeAndVanishes) {
    EmitFlyTo(list, fixture.Image(8, 8), 100, 700, 900, 100, 500,
              [](TParticle& p) { Record("arrived at " + std::to_string(p.x) + ", " + std::to_string(p.y)); });
    for (int t = 0; t < 99; ++t) list.Manage();
    EXPECT_TRUE(murkwell::test::hookCalls.empty());
    list.Manage();
    EXPECT_EQ(murkwell::test::hookCalls, std::vector<std::string>{"arrived at " + std::to_string(900.0f) +
                                                                  ", " + std::to_string(100.0f)});
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(EffectsTest, AFlyingPieceOffTheScreenStillGetsThere) {
    EmitFlyTo(list, fixture.Image(8, 8), -50, 400, 100, 400, 50, [](TParticle&) { Record("arrived"); });
    for (int t = 0; t < 11; ++t) list.Manage();
    EXPECT_EQ(Calls("arrived"), 1);
}

TEST_F(EffectsTest, ABeamSpansItsTwoPoints) {
    auto beam = EmitBeam(list, fixture.Image(50, 10), 100, 100, 100, 300, 300, 1);
    EXPECT_EQ(beam->x, 100);
    EXPECT_EQ(beam->y, 200);
    EXPECT_FLOAT_EQ(beam->ScaleX, 4);
    EXPECT_FLOAT_EQ(beam->ScaleY, 1);
    EXPECT_FLOAT_EQ(beam->Rotation, 90) << "pointing down the screen";
    EXPECT_EQ(beam->DoLightBlend, 1);
    for (int t = 0; t < 60; ++t) list.Manage();
    EXPECT_EQ(list.Count(), 0);
}

}  // namespace
