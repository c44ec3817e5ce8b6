#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "GameTestSupport.h"
#include "framework/core/Globals.h"
#include "platform/audio/MixerAudio.h"
#include "platform/codecs/SoundCodec.h"
#include "platform/files/Files.h"

namespace murkwell::test {

// A started game on the null platform with its sound, music and speech folders in a temporary data
// folder; tests write the sound files they play. Sounds end on the test clock's time.
class AudioTest : public ::testing::Test {
protected:
    static constexpr int kToneRate = 22050;

    void SetUp() override {
        TGame& g = game();
        g.DataFolder = fixture.Folder() + "/data/";
        g.SetDefaultPaths();
        g.SetSubPathWrapper("Tarnfield/Murkwell", 1);
        g.Init(0, 1);
        g.ChannelsCreate(16);
        std::string error;
        for (const std::string& folder :
             {g.SoundPath, g.MusicPath, g.SpeechPath, g.SoundPath + "AmbientSounds/"}) {
            ASSERT_TRUE(platform::files::CreateFolders(folder, error)) << error;
        }
        Delta = 1.0f;
    }

    TGame& game() { return fixture.game(); }
    platform::Audio& audio() { return fixture.platform().GetAudio(); }
    platform::Mixer& mixer() { return dynamic_cast<platform::MixerAudio&>(audio()).GetMixer(); }
    void Advance(double ms) { fixture.platform().TestClock().Advance(ms); }

    bool Playing(platform::ChannelId channel) { return audio().IsPlaying(channel); }
    // Seconds of the sample played so far (the mixer first catches up with the clock).
    double Seconds(platform::ChannelId channel) {
        audio().IsPlaying(channel);
        return mixer().Position(channel) / kToneRate;
    }
    float Volume(platform::ChannelId channel) { return mixer().Volume(channel); }

    // A mono tone of ms milliseconds, as WAV or (for a path ending in ".ogg") Ogg Vorbis.
    static void WriteTone(const std::string& path, int ms) {
        platform::SoundData tone;
        tone.rate = kToneRate;
        tone.channels = 1;
        tone.samples.resize(static_cast<size_t>(kToneRate) * ms / 1000);
        for (size_t i = 0; i < tone.samples.size(); ++i) {
            tone.samples[i] =
                0.5f * static_cast<float>(std::sin(2 * M_PI * 440.0 * static_cast<double>(i) / kToneRate));
        }
        const auto bytes = platform::files::ExtensionOf(path) == ".ogg"
                               ? platform::EncodeOggVorbis(tone, 0.3f)
                               : platform::EncodeWav16(tone);
        std::string error;
        ASSERT_TRUE(platform::files::WriteAtomic(path, bytes, error)) << error;
    }

    // The messages the game showed, as "title: text".
    const std::vector<std::string>& Messages() { return fixture.platform().TestSystem().Messages(); }
    std::string ErrorLog() { return ReadText(game().SubPath + "ErrorLog.txt"); }

    GameFixture fixture;
};

}  // namespace murkwell::test
