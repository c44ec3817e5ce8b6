// Everything that counts ticks ends at the same moment however the frames cut the time into whole and
// part ticks.
#include <gtest/gtest.h>

#include "SpriteTestSupport.h"
#include "framework/sprites/Animation.h"
#include "framework/sprites/Counter.h"
#include "framework/sprites/Particle.h"
#include "framework/sprites/ParticleList.h"
#include "framework/sprites/Sprite.h"

namespace {

using murkwell::test::Calls;
using murkwell::test::Record;
using murkwell::test::SpriteFixture;

// Frame lengths in ms: 5 is one whole tick; the others give part-ticks of 0.2 … 0.8 (12 ms is 2.4
// ticks, 16 ms 3.2 and so on).
const int kFrameLengths[] = {5, 1, 2, 3, 4, 6, 7, 8, 9, 11, 12, 13, 16, 17, 33};

// The time at the end of the first frame of frameMs that reaches t ms.
int FrameEndReaching(int t, int frameMs) {
    return (t + frameMs - 1) / frameMs * frameMs;
}

class Timing : public ::testing::TestWithParam<int> {
protected:
    SpriteFixture fixture;
};

TEST_P(Timing, ATimelineOf300MsEndsWithTheFrameThatReaches300Ms) {
    const int frameMs = GetParam();
    auto anim = TAnimation::Create(300, 0, 0, 0, 0);
    anim->Start();
    int ticksSeen = 0, ended = 0;
    const int elapsed = fixture.RunFrames(
        frameMs, 1000,
        [&] {
            ++ticksSeen;
            ended += anim->Manage();
        },
        [&] { return ended > 0; });
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(elapsed, FrameEndReaching(300, frameMs));
    EXPECT_EQ(anim->Finished, 1);
    EXPECT_EQ(anim->Active, 0);
    EXPECT_EQ(anim->Counter, 0);
    if (frameMs == 5) {
        EXPECT_EQ(ticksSeen, 60) << "exactly 60 whole ticks";
    }
}

TEST_P(Timing, EachPhaseOfATimelineRunsItsFullLength) {
    // A phase change starts the next phase afresh, so the part of a tick that ran past a phase's end is
    // not counted again: with whole ticks the three phases take exactly 300 ms, with part ticks up to a
    // tick more for each of the two changes.
    const int frameMs = GetParam();
    auto anim = TAnimation::Create(100, 0, 0, 0, 0);
    anim->AddPhase(135);
    anim->AddPhase(65);
    anim->Start();
    int ended = 0;
    const int elapsed = fixture.RunFrames(
        frameMs, 1000, [&] { ended += anim->Manage(); }, [&] { return ended > 0; });
    EXPECT_GE(elapsed, FrameEndReaching(300, frameMs));
    EXPECT_LE(elapsed, FrameEndReaching(310, frameMs));
    if (frameMs == 5) {
        EXPECT_EQ(elapsed, 300);
    }
}

TEST_P(Timing, ACountingUpTimelineEndsOnTheSameTickAsWithWholeTicks) {
    // Counting up, a phase ends when the counter passes its length: the tick after 300 ms.
    const int frameMs = GetParam();
    auto anim = TAnimation::Create(300, 0, 1, 0, 0);
    anim->Start();
    int ended = 0;
    const int elapsed = fixture.RunFrames(
        frameMs, 1000, [&] { ended += anim->Manage(); }, [&] { return ended > 0; });
    EXPECT_EQ(elapsed, FrameEndReaching(301, frameMs));
}

TEST_P(Timing, ACounterOf300MsRunsOutWithTheFrameThatReaches300Ms) {
    const int frameMs = GetParam();
    auto counter = TCounter::Create(300, 1);
    int ended = 0;
    const int elapsed = fixture.RunFrames(
        frameMs, 1000, [&] { ended += counter->Manage(); }, [&] { return ended > 0; });
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(elapsed, FrameEndReaching(300, frameMs));
}

TEST_P(Timing, ASpriteAnimationPlayedOnceStopsWithTheFrameThatReachesItsEnd) {
    const int frameMs = GetParam();
    TSprite sprite;
    sprite.SetupAnim(6, 300, 1, 0, 0, 0, 0);
    sprite.AnimStoppedFunction = [](TSprite&) { Record("stopped"); };
    const int elapsed = fixture.RunFrames(
        frameMs, 1000, [&] { sprite.ManageAnim(); }, [&] { return Calls("stopped") > 0; });
    EXPECT_EQ(elapsed, FrameEndReaching(300, frameMs));
    EXPECT_EQ(sprite.frame, 5);
    EXPECT_EQ(sprite.AnimCounter, sprite.AnimLength);
}

TEST_P(Timing, AParticleFadingOutOver300MsIsRemovedWithTheFrameThatReachesIt) {
    const int frameMs = GetParam();
    TParticleList list;
    list.AddNew(500, 300, fixture.Image(8, 8), 0, 0, 0, 300, 0, 0, 0, 1, 0, 0, 0);
    const int elapsed = fixture.RunFrames(
        frameMs, 1000, [&] { list.Manage(); }, [&] { return list.IsEmpty(); });
    EXPECT_EQ(elapsed, FrameEndReaching(300, frameMs));
}

INSTANTIATE_TEST_SUITE_P(FrameLengths, Timing, ::testing::ValuesIn(kFrameLengths),
                         [](const auto& info) { return std::to_string(info.param) + "ms"; });

}  // namespace
