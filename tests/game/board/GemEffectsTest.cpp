// How many pieces the gem effects make: scaled by the particle setting, thinned by full-power blasts.
#include "tests/game/board/GemTestSupport.h"

namespace murkwell::test {
namespace {

using GemEffectsTest = GemFixture;

TEST_F(GemEffectsTest, AtHalfDensityEveryEffectMakesHalfAsManyPiecesRoundedDown) {
    game().Particles = 50;
    EXPECT_EQ(SparkleBurst(100, 100, 15), 7);
    EXPECT_EQ(SparkRing(100, 100, 4), 2);
    EXPECT_EQ(SparkRing(100, 100, 3), 1);
    EXPECT_EQ(UnlockPuff(100, 100), 4);
    EXPECT_EQ(RockCrack(100, 100, 20), 10 + 2);
    EXPECT_EQ(RockDestroyed(100, 100), 4);
    EXPECT_EQ(BoardEffects.Count(), 7 + 2 + 1 + 4 + 12 + 4);
}

TEST_F(GemEffectsTest, WithoutParticlesNoPieces) {
    game().Particles = 0;
    Put(1, 1, 3)->Explode(1, 0);
    EXPECT_EQ(BoardEffects.Count(), 0);
}

TEST_F(GemEffectsTest, AClearedGemSparklesLessAfterAFullPowerBlastInTheSameTick) {
    auto gem = Put(1, 1, 3);
    Grid->BonusUsedThisFrame = 1;
    Grid->BonusPower = 2;
    gem->Explode(1, 0);
    EXPECT_EQ(BoardEffects.Count(), 7 + 2) << "seven sparkles, half the sparks";

    BoardEffects.Clear();
    Grid->BonusPower = 1;
    Put(2, 1, 3)->Explode(1, 0);
    EXPECT_EQ(BoardEffects.Count(), 15 + 4);
}

TEST_F(GemEffectsTest, ReleasedMagicSendsABeamToEachPowerupThatTakesCharge) {
    BoardEvents.ChargeTargets = [] {
        return std::vector<TBoardEvents::TScreenPoint>{{100, 700}, {200, 700}};
    };
    game().Particles = 50;
    EXPECT_EQ(MagicRelease(500, 300), 1 + 2 * 5) << "a flash and two beams of five segments";
    EXPECT_EQ(BoardEvents.TriggerMagic, 1);

    Grid->BonusUsedThisFrame = 1;
    Grid->BonusPower = 2;
    EXPECT_EQ(MagicRelease(500, 300), 1 + 2 * 2);

    BoardEvents.OutroRunning = [] { return true; };
    EXPECT_EQ(MagicRelease(500, 300), 1) << "no beams while the level ends";
}

TEST_F(GemEffectsTest, ABeamRunsFromTheGemToThePowerup) {
    BoardEvents.ChargeTargets = [] { return std::vector<TBoardEvents::TScreenPoint>{{100, 700}}; };
    MagicRelease(500, 300);
    ASSERT_EQ(BoardEffects.Count(), 1 + 10);
    // Segments are centred between their ends: the last one ends on the power-up.
    graphics().ClearLog();
    BoardEffects.Draw();
    const auto& log = graphics().Log();
    ASSERT_EQ(log.size(), 11u);
    EXPECT_NEAR(log[1].x, 500 - 400 * 0.05f, 12.1f) << "the first segment starts at the gem";
    EXPECT_NEAR(log[1].y, 300 + 400 * 0.05f, 12.1f);
}

}  // namespace
}  // namespace murkwell::test
