#include "platform/audio/Mixer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "tests/platform/audio/AudioTestUtil.h"

namespace platform {
namespace {

using test::Peak;
using test::Render;
using test::Rms;
using test::Side;
using test::Start;
using test::ToneSample;
using test::ZeroCrossings;

TEST(MixerLevels, VolumeHalvesThePeak) {
    const SamplePtr tone = ToneSample(440, 0.2);
    Mixer full, half;
    Start(full, tone);
    half.SetVolume(Start(half, tone), 0.5f);
    const auto loud = Render(full, 4800), soft = Render(half, 4800);
    EXPECT_NEAR(Peak(loud), 0.5f, 1e-6f);
    EXPECT_NEAR(Peak(soft), Peak(loud) / 2, 1e-6f);
}

TEST(MixerLevels, BalanceKeepsTheCentreFullOnBothSides) {
    const SamplePtr tone = ToneSample(440, 0.2);
    const auto sidesAt = [&](float pan) {
        Mixer mixer;
        mixer.SetPan(Start(mixer, tone), pan);
        const auto out = Render(mixer, 4800);
        return std::pair{Rms(Side(out, 0)), Rms(Side(out, 1))};
    };
    const auto [centreL, centreR] = sidesAt(0);
    EXPECT_NEAR(centreL, 0.5 / std::numbers::sqrt2, 1e-3);
    EXPECT_DOUBLE_EQ(centreL, centreR);

    const auto [leftL, leftR] = sidesAt(-1);
    EXPECT_DOUBLE_EQ(leftL, centreL);
    EXPECT_EQ(leftR, 0.0);

    const auto [halfL, halfR] = sidesAt(0.5f);
    EXPECT_NEAR(halfL, centreL / 2, 1e-6);
    EXPECT_DOUBLE_EQ(halfR, centreR);
}

TEST(MixerLevels, StereoSourcesKeepTheirSides) {
    SoundData sound = test::Tone(440, 0.1, 48000, 2);
    for (size_t i = 1; i < sound.samples.size(); i += 2) sound.samples[i] = 0;  // left only
    Mixer mixer;
    Start(mixer, test::SampleOf(sound));
    const auto out = Render(mixer, 4800);
    EXPECT_GT(Rms(Side(out, 0)), 0.3);
    EXPECT_EQ(Rms(Side(out, 1)), 0.0);
}

TEST(MixerRate, DoubleRateDoublesThePitchAndHalvesTheLength) {
    const SamplePtr tone = ToneSample(441, 0.25);
    Mixer normal, fast;
    Start(normal, tone);
    fast.SetRate(Start(fast, tone), 2.0f);
    const auto slowOut = Side(Render(normal, 24000), 0), fastOut = Side(Render(fast, 24000), 0);

    const std::vector<float> slowTenth(slowOut.begin(), slowOut.begin() + 4800);
    const std::vector<float> fastTenth(fastOut.begin(), fastOut.begin() + 4800);
    EXPECT_NEAR(ZeroCrossings(fastTenth), 2 * ZeroCrossings(slowTenth), 2);
    EXPECT_NEAR(test::SoundingLength(slowOut), 12000, 1);
    EXPECT_NEAR(test::SoundingLength(fastOut), 6000, 1);
}

TEST(MixerRate, A22050HzSourcePlaysAtItsPitchAndLength) {
    Mixer mixer;
    const ChannelId channel = Start(mixer, ToneSample(441, 0.5, 22050));
    const auto out = Side(Render(mixer, 48000), 0);
    // Sample by sample against the ideal tone at the output rate: linear interpolation stays close (up
    // to the last few frames, which fade into the silence after the end).
    for (int i = 0; i < 23990; ++i) {
        ASSERT_NEAR(out[i], 0.5 * std::cos(2 * std::numbers::pi * 441 * i / 48000.0), 5e-3) << "frame " << i;
    }
    EXPECT_NEAR(test::SoundingLength(out), 24000, 2);
    EXPECT_FALSE(mixer.IsPlaying(channel));
}

// Checks a looping tone of whole periods against the endless ideal tone: a wrap that skipped, repeated
// or dropped a frame, or clicked, would stand out far beyond interpolation's own small error.
void ExpectSeamlessLoop(const SamplePtr& loop, double hz, float rate, int side) {
    Mixer mixer;
    const ChannelId channel = Start(mixer, loop);
    mixer.SetRate(channel, rate);
    const auto out = Side(Render(mixer, 20000), side);
    for (size_t k = 0; k < out.size(); ++k) {
        const double ideal =
            0.5 * std::cos(2 * std::numbers::pi * hz * static_cast<double>(rate) * k / 48000);
        ASSERT_NEAR(out[k], ideal, 4e-4) << "rate " << rate << ", frame " << k;
    }
    EXPECT_TRUE(mixer.IsPlaying(channel));
}

TEST(MixerLoop, WrapsWithoutAClick) {
    // 48 whole periods in 0.1 s.
    const SamplePtr loop = ToneSample(480, 0.1, 48000, 1, 0.5f, true);
    for (float rate : {1.0f, 0.73f, 1.9f}) ExpectSeamlessLoop(loop, 480, rate, 0);
}

TEST(MixerLoop, ResampledLoopWrapsWithoutAClick) {
    // 22050 Hz, 0.2 s: 4410 frames holding 49 whole periods of 245 Hz.
    ExpectSeamlessLoop(ToneSample(245, 0.2, 22050, 2, 0.5f, true), 245, 1.0f, 1);
}

TEST(MixerTransport, CueAttachesPausedAndCountsAsPlaying) {
    Mixer mixer;
    const ChannelId channel = mixer.Alloc();
    EXPECT_FALSE(mixer.IsPlaying(channel));
    ASSERT_TRUE(mixer.Cue(channel, ToneSample(440, 0.1)));
    EXPECT_TRUE(mixer.IsPlaying(channel));
    EXPECT_EQ(Peak(Render(mixer, 2000)), 0.0f);
    EXPECT_EQ(mixer.Position(channel), 0.0);
}

TEST(MixerTransport, PauseFreezesAndResumeContinues) {
    const SamplePtr tone = ToneSample(300, 0.5);
    Mixer straight, paused;
    Start(straight, tone);
    const auto reference = Render(straight, 3000);

    const ChannelId channel = Start(paused, tone);
    const auto before = Render(paused, 1000);
    const double position = paused.Position(channel);
    EXPECT_EQ(position, 1000.0);
    paused.Pause(channel);
    EXPECT_EQ(Peak(Render(paused, 1500)), 0.0f);
    EXPECT_EQ(paused.Position(channel), position);
    EXPECT_TRUE(paused.IsPlaying(channel));
    paused.Play(channel);
    const auto after = Render(paused, 2000);

    EXPECT_TRUE(std::equal(before.begin(), before.end(), reference.begin()));
    EXPECT_TRUE(std::equal(after.begin(), after.end(), reference.begin() + 2000));
}

TEST(MixerTransport, StopSilencesAndDetaches) {
    Mixer mixer;
    const ChannelId channel = Start(mixer, ToneSample(440, 1.0));
    Render(mixer, 1000);
    mixer.Stop(channel);
    EXPECT_FALSE(mixer.IsPlaying(channel));
    mixer.Play(channel);  // nothing left to resume
    EXPECT_EQ(Peak(Render(mixer, 2000)), 0.0f);
    EXPECT_FALSE(mixer.IsPlaying(channel));
}

TEST(MixerTransport, ASampleEndingStopsPlaying) {
    Mixer mixer;
    const ChannelId channel = Start(mixer, ToneSample(440, 0.25));
    Render(mixer, 9600);
    EXPECT_TRUE(mixer.IsPlaying(channel));
    Render(mixer, 2399);
    EXPECT_TRUE(mixer.IsPlaying(channel));
    Render(mixer, 1);
    EXPECT_FALSE(mixer.IsPlaying(channel));
}

TEST(MixerTransport, CueAgainRestartsFromTheStart) {
    const SamplePtr tone = ToneSample(440, 0.1);
    Mixer mixer;
    const ChannelId channel = Start(mixer, tone);
    Render(mixer, 10000);
    ASSERT_FALSE(mixer.IsPlaying(channel));
    mixer.Cue(channel, tone);
    mixer.Play(channel);
    EXPECT_TRUE(mixer.IsPlaying(channel));
    EXPECT_NEAR(Peak(Render(mixer, 100)), 0.5f, 1e-6f);
}

TEST(MixerTransport, AnEmptySampleEndsAtOnceEvenWhenLooping) {
    SoundData empty;
    empty.rate = 48000;
    empty.channels = 1;
    Mixer mixer;
    const ChannelId channel = Start(mixer, test::SampleOf(empty, true));
    EXPECT_EQ(Peak(Render(mixer, 100)), 0.0f);
    EXPECT_FALSE(mixer.IsPlaying(channel));
}

TEST(MixerChannels, IdsAreNeverReused) {
    Mixer mixer;
    const ChannelId a = mixer.Alloc();
    EXPECT_GT(a, 0);
    mixer.Free(a);
    const ChannelId b = mixer.Alloc();
    EXPECT_NE(a, b);
    EXPECT_FALSE(mixer.Cue(a, ToneSample(440, 0.1)));
    EXPECT_FALSE(mixer.Cue(b, nullptr));
}

TEST(MixerChannels, SixtyFourChannelsSumLikeEachAlone) {
    Mixer together;
    std::vector<float> expected(2 * 4800);
    for (int i = 0; i < 64; ++i) {
        const SamplePtr tone = ToneSample(200 + 37 * i, 0.2, i % 2 ? 22050 : 48000, 1 + i % 2);
        const auto setUp = [&](Mixer& mixer) {
            const ChannelId channel = Start(mixer, tone);
            // Quiet enough that the sum stays under the limiter's ceiling.
            mixer.SetVolume(channel, 0.01f);
            mixer.SetPan(channel, (i % 9 - 4) / 4.0f);
            mixer.SetRate(channel, 0.5f + (i % 5) * 0.25f);
        };
        Mixer alone;
        setUp(alone);
        setUp(together);
        const auto out = Render(alone, 4800);
        for (size_t k = 0; k < out.size(); ++k) expected[k] += out[k];
    }
    const auto out = Render(together, 4800);
    ASSERT_EQ(together.GetLimiter().Gain(), 1.0f);
    for (size_t k = 0; k < out.size(); ++k) ASSERT_NEAR(out[k], expected[k], 1e-5f) << "sample " << k;
}

TEST(MixerInput, OutOfRangeValuesAreKeptInRange) {
    const SamplePtr tone = ToneSample(440, 0.1);
    Mixer mixer;
    const ChannelId channel = Start(mixer, tone);
    mixer.SetVolume(channel, 7.0f);
    mixer.SetPan(channel, std::nanf(""));
    mixer.SetRate(channel, -3.0f);
    const auto out = Render(mixer, 1000);
    EXPECT_NEAR(Peak(Side(out, 0)), 0.5f, 1e-6f);
    EXPECT_NEAR(Peak(Side(out, 1)), 0.5f, 1e-6f);
    EXPECT_TRUE(mixer.IsPlaying(channel));
}

}  // namespace
}  // namespace platform

namespace platform {
namespace {

TEST(MixerChannels, AChannelLeftToItselfGoesWhenItsSoundEnds) {
    const SamplePtr tone = test::ToneSample(440, 0.05);
    Mixer mixer;
    const ChannelId kept = test::Start(mixer, tone);
    const ChannelId once = test::Start(mixer, tone);
    mixer.FreeWhenFinished(once);
    mixer.Alloc();
    EXPECT_TRUE(mixer.IsPlaying(once)) << "still sounding";
    test::Render(mixer, 4800);
    const size_t before = mixer.Channels();
    mixer.Alloc();
    EXPECT_EQ(mixer.Channels(), before) << "the finished one went as a new one came";
    EXPECT_FALSE(mixer.IsPlaying(once));
    EXPECT_TRUE(mixer.Cue(kept, tone)) << "kept channels stay usable after their sound ends";
}

}  // namespace
}  // namespace platform
