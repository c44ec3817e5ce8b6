#include "platform/sdl/SdlAudioOutput.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "platform/audio/MixerAudio.h"
#include "tests/platform/audio/AudioTestUtil.h"
#include "tests/support/TempFolder.h"

namespace platform {
namespace {

using Seconds = std::chrono::duration<double>;

// Each test picks SDL's audio driver through the environment, as a player would.
class SdlAudioOutputTest : public ::testing::Test {
protected:
    void UseDriver(const char* driver) {
        ::setenv("SDL_AUDIODRIVER", driver, 1);
        auto output = std::make_unique<SdlAudioOutput>();
        output_ = output.get();
        audio_ = std::make_unique<MixerAudio>(std::move(output));
    }
    // Plays the sound and waits, in real time, for it to end; the wall-clock time it took.
    Seconds PlayToTheEnd(const SamplePtr& sample, float pan = 0) {
        const ChannelId channel = audio_->Cue(sample, 0);
        audio_->SetPan(channel, pan);
        const auto start = std::chrono::steady_clock::now();
        audio_->Play(channel);
        while (audio_->IsPlaying(channel) &&
               std::chrono::steady_clock::now() - start < std::chrono::seconds(3)) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        EXPECT_FALSE(audio_->IsPlaying(channel));
        return std::chrono::steady_clock::now() - start;
    }
    void TearDown() override {
        audio_.reset();
        ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    }

    SdlAudioOutput* output_ = nullptr;
    std::unique_ptr<MixerAudio> audio_;
};

TEST_F(SdlAudioOutputTest, TheDummyDriverPlaysInRealTime) {
    UseDriver("dummy");
    EXPECT_EQ(output_->DriverName(), "dummy");
    EXPECT_TRUE(audio_->Silent());
    const Seconds took = PlayToTheEnd(test::ToneSample(440, 0.15));
    EXPECT_GT(took.count(), 0.075);
    EXPECT_LT(took.count(), 1.5);
}

TEST_F(SdlAudioOutputTest, ADriverThatCannotStartFallsBackToSilence) {
    UseDriver("no-such-driver");
    EXPECT_EQ(output_->DriverName(), "dummy");
    EXPECT_TRUE(audio_->Silent());
    PlayToTheEnd(test::ToneSample(440, 0.05));
}

TEST_F(SdlAudioOutputTest, TheDeviceReceivesTheMixAndNoneSilencesIt) {
    murkwell::test::TempFolder folder;
    const std::string file = folder / "out.raw";
    ::setenv("SDL_DISKAUDIOFILE", file.c_str(), 1);
    UseDriver("disk");
    EXPECT_EQ(output_->DriverName(), "disk");
    EXPECT_FALSE(audio_->Silent());
    PlayToTheEnd(test::ToneSample(440, 0.1), -1.0f);

    EXPECT_TRUE(audio_->SetDriver("None"));
    EXPECT_EQ(output_->DriverName(), "dummy");
    EXPECT_TRUE(audio_->Silent());
    PlayToTheEnd(test::ToneSample(440, 0.05));
    audio_.reset();
    ::unsetenv("SDL_DISKAUDIOFILE");

    // What the disk driver wrote is our float stereo: the tone on the left, nothing on the right.
    const std::string raw = murkwell::test::ReadText(file);
    std::vector<float> stereo(raw.size() / sizeof(float));
    std::memcpy(stereo.data(), raw.data(), stereo.size() * sizeof(float));
    ASSERT_GE(stereo.size(), 2u * 4800);
    EXPECT_NEAR(test::Peak(test::Side(stereo, 0)), 0.5f, 1e-6f);
    EXPECT_EQ(test::Peak(test::Side(stereo, 1)), 0.0f);
}

}  // namespace
}  // namespace platform
