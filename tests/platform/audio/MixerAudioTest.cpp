#include "platform/audio/MixerAudio.h"

#include <gtest/gtest.h>

#include "platform/audio/ClockedOutput.h"
#include "platform/os/SystemClock.h"
#include "tests/platform/audio/AudioTestUtil.h"
#include "tests/support/TempFolder.h"

namespace platform {
namespace {

using test::ToneSample;

// Stands in for a device: remembers how it was opened and checks that the mixer is only ever touched
// under its lock.
class RecordingOutput : public AudioOutput {
public:
    void Open(Mixer&, bool wantSound) override { opens.push_back(wantSound); }
    void Close() override {}
    void Lock() override {
        ++locks;
        ++held;
    }
    void Unlock() override { --held; }
    bool Silent() const override { return opens.empty() || !opens.back(); }

    std::vector<bool> opens;
    int locks = 0;
    int held = 0;
};

class MixerAudioTest : public ::testing::Test {
protected:
    MixerAudioTest() {
        auto output = std::make_unique<RecordingOutput>();
        output_ = output.get();
        audio_ = std::make_unique<MixerAudio>(std::move(output));
    }
    RecordingOutput* output_;
    std::unique_ptr<MixerAudio> audio_;
};

TEST_F(MixerAudioTest, EverySoundDriverNameMeansTheMixerOnTheDevice) {
    EXPECT_FALSE(audio_->Silent());
    for (const char* name : {"FreeAudio", "DirectSound", "OpenAL Generic Software", "OpenAL Soft"}) {
        EXPECT_TRUE(audio_->SetDriver(name)) << name;
        EXPECT_FALSE(audio_->Silent()) << name;
    }
    EXPECT_EQ(output_->opens, std::vector<bool>{true});  // no reopening for the same device
}

TEST_F(MixerAudioTest, NoneSilencesAndSoundComesBack) {
    EXPECT_TRUE(audio_->SetDriver("None"));
    EXPECT_TRUE(audio_->Silent());
    EXPECT_TRUE(audio_->SetDriver("DirectSound"));
    EXPECT_FALSE(audio_->Silent());
    EXPECT_EQ(output_->opens, (std::vector<bool>{true, false, true}));
}

TEST_F(MixerAudioTest, UnknownDriverNamesAreRefusedAndChangeNothing) {
    for (const char* name : {"", "Glide", "none", "freeaudio"}) EXPECT_FALSE(audio_->SetDriver(name)) << name;
    EXPECT_FALSE(audio_->Silent());
    EXPECT_EQ(output_->opens.size(), 1u);
}

TEST_F(MixerAudioTest, EveryChangeToTheMixerHoldsTheLock) {
    const SamplePtr tone = ToneSample(440, 0.1);
    const ChannelId channel = audio_->Cue(tone, 0);
    audio_->SetVolume(channel, 0.5f);
    audio_->SetPan(channel, 0.5f);
    audio_->SetRate(channel, 1.5f);
    audio_->Play(channel);
    audio_->IsPlaying(channel);
    audio_->Pause(channel);
    audio_->Stop(channel);
    audio_->FreeChannel(channel);
    audio_->AllocChannel();
    EXPECT_EQ(output_->locks, 10);
    EXPECT_EQ(output_->held, 0);
}

TEST_F(MixerAudioTest, ChannelZeroMeansNoChannel) {
    const SamplePtr tone = ToneSample(440, 0.1);
    const ChannelId a = audio_->Cue(tone, 0), b = audio_->Cue(tone, 0);
    EXPECT_GT(a, 0);
    EXPECT_GT(b, 0);
    EXPECT_NE(a, b);
    EXPECT_TRUE(audio_->IsPlaying(a));

    EXPECT_EQ(audio_->Cue(nullptr, 0), 0);
    EXPECT_EQ(audio_->Cue(nullptr, a), 0);
    EXPECT_FALSE(audio_->IsPlaying(0));
    audio_->Play(0);
    audio_->SetVolume(0, 1.0f);
    audio_->Stop(0);
    audio_->FreeChannel(0);
    EXPECT_TRUE(audio_->IsPlaying(a));
}

TEST_F(MixerAudioTest, CueOnANewChannelPlaysOnceResumed) {
    const ChannelId channel = audio_->Cue(ToneSample(440, 0.1), 0);
    std::vector<float> out(2 * 480);
    audio_->GetMixer().Mix(out.data(), 480);
    EXPECT_EQ(test::Peak(out), 0.0f);
    audio_->Play(channel);
    audio_->GetMixer().Mix(out.data(), 480);
    EXPECT_NEAR(test::Peak(out), 0.5f, 1e-6f);
}

TEST_F(MixerAudioTest, AFreedChannelIsGone) {
    const SamplePtr tone = ToneSample(440, 1.0);
    const ChannelId channel = audio_->AllocChannel();
    ASSERT_EQ(audio_->Cue(tone, channel), channel);
    audio_->Play(channel);
    audio_->FreeChannel(channel);
    EXPECT_FALSE(audio_->IsPlaying(channel));
    EXPECT_EQ(audio_->Cue(tone, channel), 0);
    std::vector<float> out(2 * 480);
    audio_->GetMixer().Mix(out.data(), 480);
    EXPECT_EQ(test::Peak(out), 0.0f);
    EXPECT_NE(audio_->AllocChannel(), channel);
}

class LoadSampleTest : public ::testing::Test {
protected:
    void Write(const std::string& name, const std::vector<uint8_t>& bytes) {
        murkwell::test::WriteText(folder_ / name, std::string(bytes.begin(), bytes.end()));
    }
    SamplePtr Load(const std::string& name, bool loop = false) {
        error_.clear();
        return audio_.LoadSample(folder_ / name, loop, error_);
    }
    // The error must say which file failed.
    void ExpectFailure(const std::string& name) {
        EXPECT_FALSE(Load(name)) << name;
        EXPECT_NE(error_.find(folder_ / name), std::string::npos) << error_;
    }

    murkwell::test::TempFolder folder_;
    ManualClock clock_;
    MixerAudio audio_{std::make_unique<ClockedOutput>(clock_)};
    std::string error_;
    const SoundData tone_ = test::Tone(440, 0.5, 22050, 2);
};

TEST_F(LoadSampleTest, WavIsDecodedAndOggKeptCompressed) {
    Write("boom.wav", EncodeWav16(tone_));
    Write("tune.ogg", EncodeOggVorbis(tone_, 0.3f));
    const SamplePtr wav = Load("boom.wav", true), ogg = Load("tune.ogg");
    ASSERT_TRUE(wav) << error_;
    ASSERT_TRUE(ogg) << error_;
    EXPECT_FALSE(wav->Streamed());
    EXPECT_TRUE(wav->Loop());
    EXPECT_EQ(wav->Frames(), tone_.Frames());
    EXPECT_EQ(wav->Rate(), 22050);
    EXPECT_EQ(wav->Channels(), 2);
    EXPECT_TRUE(ogg->Streamed());
    EXPECT_FALSE(ogg->Loop());
    EXPECT_EQ(ogg->Frames(), tone_.Frames());
}

TEST_F(LoadSampleTest, TheContentDecidesNotTheName) {
    Write("really-ogg.wav", EncodeOggVorbis(tone_, 0.3f));
    Write("really-wav.ogg", EncodeWav16(tone_));
    const SamplePtr ogg = Load("really-ogg.wav"), wav = Load("really-wav.ogg");
    ASSERT_TRUE(ogg) << error_;
    ASSERT_TRUE(wav) << error_;
    EXPECT_TRUE(ogg->Streamed());
    EXPECT_FALSE(wav->Streamed());
}

TEST_F(LoadSampleTest, APathInOtherCaseFindsTheFile) {
    Write("Boom.WAV", EncodeWav16(tone_));
    EXPECT_TRUE(Load("boom.wav")) << error_;
}

TEST_F(LoadSampleTest, ErrorsNameThePath) {
    ExpectFailure("missing.wav");

    std::vector<uint8_t> wav = EncodeWav16(tone_);
    wav.resize(30);
    Write("truncated.wav", wav);
    ExpectFailure("truncated.wav");

    std::vector<uint8_t> ogg = EncodeOggVorbis(tone_, 0.3f);
    ogg.resize(80);
    Write("truncated.ogg", ogg);
    ExpectFailure("truncated.ogg");

    murkwell::test::WriteText(folder_ / "notes.ogg", "these are not sounds\n");
    ExpectFailure("notes.ogg");
    Write("empty.wav", {});
    ExpectFailure("empty.wav");
}

}  // namespace
}  // namespace platform
