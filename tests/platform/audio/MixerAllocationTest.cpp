#include <gtest/gtest.h>

#include "platform/audio/Mixer.h"
#include "tests/platform/audio/AudioTestUtil.h"
#include "tests/support/CountingAllocator.h"

// The audio callback must not wait on the allocator: this test counts every allocation of its program.
namespace platform {
namespace {

TEST(MixerAllocation, MixingDecodedSamplesAllocatesNothing) {
    Mixer mixer;
    for (int i = 0; i < 16; ++i) {
        // Loops that wrap, sounds that end partway, mono and stereo, resampled and not.
        const ChannelId channel =
            test::Start(mixer, test::ToneSample(200 + 50 * i, 0.05 + 0.02 * i, i % 2 ? 22050 : 48000,
                                                1 + i % 2, 0.05f, i % 3 == 0));
        mixer.SetRate(channel, 0.8f + 0.05f * i);
    }
    std::vector<float> out(2 * 1024);
    const long before = murkwell::test::Allocations();
    ASSERT_GT(before, 0) << "the counting operator new is not in use";
    for (int piece = 0; piece < 50; ++piece) mixer.Mix(out.data(), 1024);
    EXPECT_EQ(murkwell::test::Allocations() - before, 0);
}

}  // namespace
}  // namespace platform
