#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "platform/audio/Mixer.h"
#include "tests/platform/audio/AudioTestUtil.h"

// The audio callback must not wait on the allocator, so this test binary counts every allocation.
namespace {
std::atomic<long> allocations{0};
}  // namespace

void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
// Kept out of line: inlined, GCC would see free() meet a pointer from operator new and warn.
[[gnu::noinline]] void operator delete(void* p) noexcept {
    std::free(p);
}
[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

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
    const long before = allocations;
    ASSERT_GT(before, 0) << "the counting operator new is not in use";
    for (int piece = 0; piece < 50; ++piece) mixer.Mix(out.data(), 1024);
    EXPECT_EQ(allocations - before, 0);
}

}  // namespace
}  // namespace platform
