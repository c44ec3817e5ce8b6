#include "platform/audio/ClockedOutput.h"

#include <gtest/gtest.h>

#include "platform/audio/MixerAudio.h"
#include "platform/os/SystemClock.h"
#include "tests/platform/audio/AudioTestUtil.h"

namespace platform {
namespace {

using test::ToneSample;

class ClockedOutputTest : public ::testing::Test {
protected:
    ChannelId PlayFor(double seconds) {
        const ChannelId channel = audio_.Cue(ToneSample(440, seconds), 0);
        audio_.Play(channel);
        return channel;
    }
    ManualClock clock_{5000};
    MixerAudio audio_{std::make_unique<ClockedOutput>(clock_)};
};

TEST_F(ClockedOutputTest, IsSilent) {
    EXPECT_TRUE(audio_.Silent());
}

TEST_F(ClockedOutputTest, ASoundEndsOnTheInjectedClock) {
    const ChannelId channel = PlayFor(0.25);
    clock_.Advance(200);
    EXPECT_TRUE(audio_.IsPlaying(channel));
    clock_.Advance(100);
    EXPECT_FALSE(audio_.IsPlaying(channel));
}

TEST_F(ClockedOutputTest, TimeDoesNotPassForAPausedSound) {
    const ChannelId channel = audio_.Cue(ToneSample(440, 0.25), 0);
    clock_.Advance(1000);
    EXPECT_TRUE(audio_.IsPlaying(channel));
    audio_.Play(channel);
    clock_.Advance(200);
    audio_.Pause(channel);
    clock_.Advance(1000);
    EXPECT_TRUE(audio_.IsPlaying(channel));
    audio_.Play(channel);
    clock_.Advance(60);
    EXPECT_FALSE(audio_.IsPlaying(channel));
}

TEST_F(ClockedOutputTest, NoneKeepsTimeToo) {
    const ChannelId channel = PlayFor(0.25);
    clock_.Advance(100);
    EXPECT_TRUE(audio_.SetDriver("None"));
    EXPECT_TRUE(audio_.IsPlaying(channel));
    clock_.Advance(200);
    EXPECT_FALSE(audio_.IsPlaying(channel));
}

TEST_F(ClockedOutputTest, ASmallStepClockLosesNoTimeToRounding) {
    // 44.1 frames a millisecond: dropping the fraction at every step would end the sound late.
    ManualClock clock;
    MixerAudio audio(std::make_unique<ClockedOutput>(clock), 44100);
    const ChannelId channel = audio.Cue(ToneSample(440, 2.0, 44100), 0);
    audio.Play(channel);
    for (int ms = 0; ms < 1995; ++ms) {
        clock.Advance(1);
        audio.IsPlaying(channel);
    }
    EXPECT_TRUE(audio.IsPlaying(channel));
    for (int ms = 0; ms < 8; ++ms) {
        clock.Advance(1);
        audio.IsPlaying(channel);
    }
    EXPECT_FALSE(audio.IsPlaying(channel));
}

TEST_F(ClockedOutputTest, AClockSetBackDoesNotRunTheMixerForWeeks) {
    const ChannelId channel = PlayFor(0.25);
    clock_.Set(1000);
    EXPECT_TRUE(audio_.IsPlaying(channel));
    clock_.Advance(300);
    EXPECT_FALSE(audio_.IsPlaying(channel));
}

}  // namespace
}  // namespace platform
