#include "platform/audio/Limiter.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/audio/Mixer.h"
#include "tests/platform/audio/AudioTestUtil.h"

namespace platform {
namespace {

using test::Peak;
using test::Render;
using test::Side;
using test::Start;
using test::ToneSample;

TEST(MixerLimiter, SixteenLoudChannelsNeverPassTheCeiling) {
    Mixer mixer;
    for (int i = 0; i < 16; ++i) {
        const ChannelId channel = Start(mixer, ToneSample(110 * (1 + i % 4), 1.0, 48000, 2, 1.0f));
        mixer.SetPan(channel, (i % 3 - 1) * 0.3f);
    }
    const auto out = Render(mixer, 48000);
    const float ceiling = mixer.GetLimiter().Ceiling();
    EXPECT_LE(Peak(out), ceiling);
    // Limiting, not clipping: the waveform keeps its shape, so only its crests come near the ceiling,
    // where a clipper would hold most of the signal flat against it.
    int nearCeiling = 0;
    for (float v : out) nearCeiling += std::fabs(v) > ceiling * 0.97f;
    EXPECT_LT(nearCeiling, static_cast<int>(out.size() / 10));
    EXPECT_GT(Peak(out), ceiling * 0.9f);
}

TEST(MixerLimiter, QuietInputPassesBitForBit) {
    const SoundData quiet = test::Tone(523, 0.5, 48000, 2, 0.3f);
    Mixer mixer;
    Start(mixer, test::SampleOf(quiet));
    const auto out = Render(mixer, 24000);
    EXPECT_EQ(out, quiet.samples);
}

TEST(MixerLimiter, GainRecoversExactlyAfterALoudBurst) {
    const SoundData quiet = test::Tone(523, 2.0, 48000, 2, 0.3f);
    Mixer mixer;
    Start(mixer, test::SampleOf(quiet));
    for (int i = 0; i < 4; ++i) Start(mixer, ToneSample(200, 0.1, 48000, 1, 1.0f));
    const auto out = Render(mixer, 96000);
    EXPECT_LE(Peak(out), mixer.GetLimiter().Ceiling());
    EXPECT_EQ(mixer.GetLimiter().Gain(), 1.0f);
    // A second after the burst the quiet tone is back to its own samples exactly.
    const std::vector<float> tail(out.begin() + 2 * 60000, out.end());
    const std::vector<float> source(quiet.samples.begin() + 2 * 60000, quiet.samples.end());
    EXPECT_EQ(tail, source);
}

TEST(MixerLimiter, ReleasesSmoothlyRatherThanJumping) {
    Limiter limiter(48000);
    std::vector<float> burst(2 * 4800, 0.25f);
    burst[0] = burst[1] = 4.0f;  // one loud frame, then a steady level under the ceiling
    limiter.Process(burst.data(), 4800);
    const auto left = Side(burst, 0);
    for (size_t i = 2; i < left.size(); ++i) {
        ASSERT_GE(left[i], left[i - 1]) << "frame " << i;
        ASSERT_LT(left[i] - left[i - 1], 0.002f) << "frame " << i;
    }
    EXPECT_GT(left.back(), 0.15f);
}

}  // namespace
}  // namespace platform
