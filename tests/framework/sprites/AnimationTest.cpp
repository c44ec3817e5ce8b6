// Timelines: phases in order, finishing, cycling, ping-pong, and the ratios screens ease by.
#include <gtest/gtest.h>

#include <cmath>

#include "SpriteTestSupport.h"
#include "framework/sprites/Animation.h"

namespace {

using murkwell::test::SpriteFixture;

class AnimationTest : public ::testing::Test {
protected:
    // Whole ticks until Manage reports the end; the ticks taken, or -1 after limit.
    static int TicksToEnd(TAnimation& anim, int limit = 10000) {
        for (int t = 1; t <= limit; ++t) {
            if (anim.Manage() == 1) return t;
        }
        return -1;
    }
    SpriteFixture fixture;
};

TEST_F(AnimationTest, PhasesRunInOrderEachForItsLength) {
    auto anim = TAnimation::Create(50, 0, 0, 0, 0);  // 10 ticks
    anim->AddPhase(100);                             // 20
    anim->InsertPhase(25, 1);                        // 5, between them
    ASSERT_EQ(anim->TotalPhases, 3);
    anim->Start();
    std::vector<int> phaseAtTick;
    for (int t = 0; t < 35; ++t) {
        phaseAtTick.push_back(anim->CurrentPhase);
        anim->Manage();
    }
    EXPECT_EQ(phaseAtTick[0], 0);
    EXPECT_EQ(phaseAtTick[9], 0);
    EXPECT_EQ(phaseAtTick[10], 1);
    EXPECT_EQ(phaseAtTick[14], 1);
    EXPECT_EQ(phaseAtTick[15], 2);
    EXPECT_EQ(phaseAtTick[34], 2);
    EXPECT_EQ(anim->Finished, 1);
    EXPECT_EQ(anim->Active, 0);
}

TEST_F(AnimationTest, APhaseChangeReportsNothingAndTheLastPhaseReportsTheEnd) {
    auto anim = TAnimation::Create(25, 0, 0, 0, 0);
    anim->AddPhase(25);
    anim->Start();
    EXPECT_EQ(TicksToEnd(*anim), 10);
}

TEST_F(AnimationTest, LeftActiveItStaysOnTheLastPhaseAtItsEnd) {
    auto anim = TAnimation::Create(25, 1, 0, 0, 0);
    anim->AddPhase(50);
    anim->Start();
    EXPECT_EQ(TicksToEnd(*anim), 15);
    EXPECT_EQ(anim->Active, 1);
    EXPECT_EQ(anim->CurrentPhase, 1);
    EXPECT_EQ(anim->Counter, 0);
    EXPECT_FLOAT_EQ(anim->GetRatioInv(), 1.0f);
}

TEST_F(AnimationTest, ACyclingTimelineRepeatsUntilItsLoopTotal) {
    auto anim = TAnimation::Create(25, 0, 0, 1, 0);
    anim->LoopTotal = 3;
    anim->Start();
    EXPECT_EQ(TicksToEnd(*anim), 15);
    EXPECT_EQ(anim->LoopCount, 3);
}

TEST_F(AnimationTest, AnEndlessCycleNeverFinishes) {
    auto anim = TAnimation::Create(25, 0, 0, 1, 0);
    anim->Start();
    EXPECT_EQ(TicksToEnd(*anim, 500), -1);
    EXPECT_EQ(anim->LoopCount, 100);
}

TEST_F(AnimationTest, PingPongRunsThePhasesBackAndTheCounterTurns) {
    auto anim = TAnimation::Create(25, 0, 0, 1, 1);  // 5 ticks counting down
    anim->AddPhase(50);                              // 10
    anim->LoopTotal = 2;
    anim->Start();
    std::vector<std::pair<int, double>> seen;
    for (int t = 0; t < 40 && anim->Active; ++t) {
        anim->Manage();
        seen.emplace_back(anim->CurrentPhase, anim->Counter);
    }
    // Forwards: phase 0 counts 5 → 0, phase 1 counts 10 → 0. Back: phase 1 counts up from 0 until it
    // passes 10, the tick past it carrying into phase 0, which counts up until it passes 5 and ends the
    // second pass.
    using Seen = std::pair<int, double>;
    EXPECT_EQ(seen[4], (Seen{1, 10}));
    EXPECT_EQ(seen[14], (Seen{1, 0}));
    EXPECT_EQ(seen[20], (Seen{1, 6}));
    EXPECT_EQ(seen[24], (Seen{1, 10}));
    EXPECT_EQ(seen[25], (Seen{0, 1}));
    EXPECT_EQ(seen.size(), 31u);
    EXPECT_EQ(anim->Finished, 1);
    EXPECT_EQ(anim->LoopCount, 2);
}

TEST_F(AnimationTest, StartingAgainAfterPingPongRestoresTheWayItCounted) {
    auto anim = TAnimation::Create(25, 1, 0, 0, 1);
    anim->Start();
    anim->Reverse = 1;
    anim->Start();
    EXPECT_EQ(anim->Reverse, 0);
    EXPECT_EQ(anim->Counter, 5);
}

TEST_F(AnimationTest, StopJumpsToTheEnd) {
    auto anim = TAnimation::Create(500, 0, 0, 0, 0);
    anim->AddPhase(500);
    anim->Start();
    anim->Manage();
    EXPECT_EQ(anim->Stop(), 1);
    EXPECT_EQ(anim->Finished, 1);
    EXPECT_EQ(anim->Active, 0);
}

TEST_F(AnimationTest, ClearForgetsEverything) {
    auto anim = TAnimation::Create(500, 1, 1, 1, 1);
    anim->AddPhase(100);
    anim->Start();
    anim->Clear();
    EXPECT_EQ(anim->TotalPhases, 1);
    EXPECT_EQ(anim->Active, 0);
    EXPECT_EQ(anim->Reverse, 0);
    EXPECT_EQ(anim->Length[0], 0);
    EXPECT_EQ(anim->Direction, 1);
}

TEST_F(AnimationTest, NoMoreThanFiftyPhases) {
    TAnimation anim;
    for (int i = 1; i < MAX_PHASES; ++i) EXPECT_EQ(anim.AddPhase(10), 1);
    EXPECT_EQ(anim.AddPhase(10), 0);
    EXPECT_EQ(anim.TotalPhases, MAX_PHASES);
}

struct RatioCase {
    double counter;  // of a phase of 100 ticks
    float ratio, inv, sine, invSine, sine180, invSine180;
};

class Ratios : public ::testing::TestWithParam<RatioCase> {
protected:
    SpriteFixture fixture;
};

TEST_P(Ratios, AtTheEndsAndInTheMiddle) {
    const RatioCase& c = GetParam();
    TAnimation anim;
    anim.Length[0] = 100;
    anim.Counter = c.counter;
    EXPECT_NEAR(anim.GetRatio(), c.ratio, 1e-6);
    EXPECT_NEAR(anim.GetRatioInv(), c.inv, 1e-6);
    EXPECT_NEAR(anim.GetRatioSine(), c.sine, 1e-6);
    EXPECT_NEAR(anim.GetRatioInvSine(), c.invSine, 1e-6);
    EXPECT_NEAR(anim.GetRatioSine180(), c.sine180, 1e-6);
    EXPECT_NEAR(anim.GetRatioInvSine180(), c.invSine180, 1e-6);
}

const float kHalfRoot2 = static_cast<float>(std::sqrt(0.5));
const float kQuarterS = static_cast<float>(0.5 - std::sqrt(0.5) / 2);  // 0.5 + sin(-45) / 2

INSTANTIATE_TEST_SUITE_P(Points, Ratios,
                         ::testing::Values(RatioCase{0, 0, 1, 0, 1, 0, 1}, RatioCase{100, 1, 0, 1, 0, 1, 0},
                                           RatioCase{50, 0.5f, 0.5f, kHalfRoot2, kHalfRoot2, 0.5f, 0.5f},
                                           RatioCase{25, 0.25f, 0.75f, static_cast<float>(std::sin(M_PI / 8)),
                                                     static_cast<float>(std::sin(3 * M_PI / 8)), kQuarterS,
                                                     1 - kQuarterS}));

TEST_F(AnimationTest, FramesAdvanceWhicheverWayTheCounterRuns) {
    TAnimation down;
    down.Length[0] = 80;
    down.Counter = 80;
    EXPECT_EQ(down.GetAnimFrame(4), 0);
    down.Counter = 41;
    EXPECT_EQ(down.GetAnimFrame(4), 1);
    down.Counter = 0;
    EXPECT_EQ(down.GetAnimFrame(4), 3) << "the end stays on the last frame";

    TAnimation up;
    up.Reverse = 1;
    up.Length[0] = 80;
    up.Counter = 20;
    EXPECT_EQ(up.GetAnimFrame(4), 1);
    EXPECT_EQ(up.GetAnimFrameProper(4), 2);
    up.Counter = 80;
    EXPECT_EQ(up.GetAnimFrame(4), 3);
}

}  // namespace
