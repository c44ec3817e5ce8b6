// Timelines: phases in order, finishing, cycling, ping-pong, and the ratios screens ease by.
#include <gtest/gtest.h>

#include <algorithm>
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
    // passes 10, then phase 0 starts afresh at 0 and counts up until it passes 5, ending the second pass.
    using Seen = std::pair<int, double>;
    EXPECT_EQ(seen[4], (Seen{1, 10}));
    EXPECT_EQ(seen[14], (Seen{1, 0}));
    EXPECT_EQ(seen[20], (Seen{1, 6}));
    EXPECT_EQ(seen[24], (Seen{1, 10}));
    EXPECT_EQ(seen[25], (Seen{0, 0}));
    EXPECT_EQ(seen[31], (Seen{0, 0}));
    EXPECT_EQ(seen.size(), 32u);
    EXPECT_EQ(anim->Finished, 1);
    EXPECT_EQ(anim->LoopCount, 2);
}

TEST_F(AnimationTest, ANewPhaseStartsAfreshWhateverPartOfATickRanPastTheOldOne) {
    struct Case {
        int reverse, cycle;
        double counterAfterChange;
    };
    // Phases of 5 and 10 ticks in steps of 0.75: the first ends 0.25 past its end, which is dropped.
    for (const Case& c : {Case{0, 0, 10}, Case{1, 0, 0}, Case{0, 1, 10}, Case{1, 1, 0}}) {
        auto anim = TAnimation::Create(25, 0, c.reverse, c.cycle, 0);
        anim->AddPhase(50);
        anim->Start();
        Delta = 0.75f;
        int steps = 0;
        while (anim->CurrentPhase == 0 && steps < 100) anim->Manage(), ++steps;
        EXPECT_EQ(anim->CurrentPhase, 1) << c.reverse;
        EXPECT_EQ(anim->Counter, c.counterAfterChange) << c.reverse;
        // And the cycle back to phase 0 starts it afresh too.
        while (anim->CurrentPhase == 1 && anim->Active && steps < 100) anim->Manage(), ++steps;
        if (c.cycle) {
            EXPECT_EQ(anim->Counter, c.reverse ? 0 : 5) << c.reverse;
        }
        Delta = 1.0f;
    }
}

TEST_F(AnimationTest, APingPongTurnSetsTheWayTheCounterRunsBack) {
    // Counting down on the way out (the usual way), the way back counts up: Reverse 1 at the far end,
    // 0 again at the near end, the part of the tick past each end mirrored into the counter.
    auto down = TAnimation::Create(25, 0, 0, 1, 1);  // 5 ticks
    down->Start();
    Delta = 0.75f;
    for (int t = 0; t < 7; ++t) down->Manage();  // 5 → -0.25: past the end by 0.25
    EXPECT_EQ(down->Direction, -1);
    EXPECT_EQ(down->Reverse, 1);
    EXPECT_DOUBLE_EQ(down->Counter, 0.25);
    for (int t = 0; t < 7; ++t) down->Manage();  // 0.25 → 5.5: past 5 by 0.5
    EXPECT_EQ(down->Direction, 1);
    EXPECT_EQ(down->Reverse, 0);
    EXPECT_DOUBLE_EQ(down->Counter, 4.5);
    // Counting up on the way out, the way back counts down, so the ratio stays within 0 … 1 and the
    // phase keeps its length.
    auto up = TAnimation::Create(25, 0, 1, 1, 1);
    up->Start();
    Delta = 1.0f;
    std::vector<float> ratios;
    for (int t = 0; t < 24; ++t) {
        up->Manage();
        ratios.push_back(up->GetRatio());
    }
    EXPECT_EQ(ratios[5], 0.8f) << "turned 1 past the end: counting down from 4";
    EXPECT_EQ(up->Reverse, 1) << "back to counting up after the second turn";
    EXPECT_GE(*std::min_element(ratios.begin(), ratios.end()), 0.0f);
    EXPECT_LE(*std::max_element(ratios.begin(), ratios.end()), 1.0f);
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
