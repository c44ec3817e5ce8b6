#include <gtest/gtest.h>

#include "platform/audio/Mixer.h"
#include "platform/audio/Sample.h"
#include "tests/platform/audio/AudioTestUtil.h"

namespace platform {
namespace {

using test::Render;

// Two overlapping plays of the sample, so that each channel must read the file on its own, at a rate
// that does not line up with the decoder's blocks.
std::vector<float> PlayOverlapping(const SamplePtr& sample) {
    Mixer mixer;
    const ChannelId first = mixer.Alloc(), second = mixer.Alloc();
    mixer.Cue(first, sample);
    mixer.SetRate(first, 1.3f);
    mixer.SetVolume(first, 0.5f);
    mixer.Play(first);
    auto out = Render(mixer, 5000, 700);
    mixer.Cue(second, sample);
    mixer.SetPan(second, 0.8f);
    mixer.SetVolume(second, 0.4f);
    mixer.Play(second);
    const auto rest = Render(mixer, 150000, 700);
    out.insert(out.end(), rest.begin(), rest.end());
    return out;
}

class StreamedSample : public ::testing::TestWithParam<bool> {};

TEST_P(StreamedSample, PlaysTheSameFramesAsTheDecodedFile) {
    const bool loop = GetParam();
    const auto bytes = std::make_shared<const std::vector<uint8_t>>(
        EncodeOggVorbis(test::Tone(330, 1.5, 44100, 2, 0.6f), 0.4f));
    ASSERT_FALSE(bytes->empty());

    std::string error;
    const SamplePtr streamed = Sample::FromOgg(bytes, loop, error);
    ASSERT_TRUE(streamed) << error;
    SoundData sound;
    ASSERT_TRUE(DecodeOgg(*bytes, sound, error)) << error;
    const SamplePtr decoded = Sample::FromSound(sound, loop, error);
    ASSERT_TRUE(decoded) << error;

    EXPECT_TRUE(streamed->Streamed());
    EXPECT_FALSE(decoded->Streamed());
    EXPECT_EQ(streamed->Frames(), decoded->Frames());
    EXPECT_EQ(streamed->Rate(), 44100);
    EXPECT_EQ(streamed->Channels(), 2);

    const auto fromStream = PlayOverlapping(streamed), fromMemory = PlayOverlapping(decoded);
    EXPECT_GT(test::Peak(fromStream), 0.3f);
    ASSERT_EQ(fromStream.size(), fromMemory.size());
    for (size_t i = 0; i < fromStream.size(); ++i) ASSERT_EQ(fromStream[i], fromMemory[i]) << "sample " << i;
}

TEST_P(StreamedSample, CountsItsPositionInTheSamplesFrames) {
    std::string error;
    const SamplePtr sample = Sample::FromOgg(
        std::make_shared<const std::vector<uint8_t>>(EncodeOggVorbis(test::Tone(330, 3.0, 44100, 1), 0.4f)),
        GetParam(), error);
    ASSERT_TRUE(sample) << error;
    Mixer mixer;
    const ChannelId channel = mixer.Alloc();
    mixer.Cue(channel, sample);
    mixer.Play(channel);
    Render(mixer, 48000);
    EXPECT_NEAR(mixer.Position(channel), 44100, 1e-3);
}

INSTANTIATE_TEST_SUITE_P(OnceAndLooping, StreamedSample, ::testing::Bool());

// Everything a sample's reader hands out, block after block, until the end.
std::vector<float> ReadAll(SampleReader& reader) {
    std::vector<float> all;
    for (std::span<const float> block = reader.Next(); !block.empty(); block = reader.Next())
        all.insert(all.end(), block.begin(), block.end());
    return all;
}

// A 16-bit WAV file is kept at 16 bits but plays exactly the values the decoder gives, from the start
// again after a rewind; values between the 16-bit steps are kept as they are.
TEST(SampleLayout, SixteenBitFramesPlayExactlyAsDecoded) {
    const std::vector<uint8_t> wav = EncodeWav16(test::Tone(440, 0.2, 44100, 2, 0.7f));
    SoundData decoded;
    std::string error;
    ASSERT_TRUE(DecodeWav(wav, decoded, error)) << error;
    const SamplePtr sample =
        Sample::FromFileBytes(std::make_shared<std::vector<uint8_t>>(wav), false, error);
    ASSERT_TRUE(sample) << error;
    EXPECT_EQ(sample->Frames(), decoded.Frames());
    const auto reader = sample->OpenReader();
    const std::vector<float> first = ReadAll(*reader);
    EXPECT_EQ(first, decoded.samples);
    ASSERT_TRUE(reader->Rewind());
    EXPECT_EQ(ReadAll(*reader), decoded.samples);

    SoundData fine = test::Tone(440, 0.01, 44100, 1, 0.5f);
    fine.samples[7] = 0.1f + 1e-6f;
    const SamplePtr precise = Sample::FromSound(fine, false, error);
    ASSERT_TRUE(precise) << error;
    EXPECT_EQ(ReadAll(*precise->OpenReader()), fine.samples);
}

TEST(SampleLayout, RefusesWhatTheMixerCannotPlay) {
    std::string error;
    SoundData sound = test::Tone(440, 0.1, 48000, 2);
    sound.channels = 3;
    EXPECT_FALSE(Sample::FromSound(sound, false, error));
    EXPECT_NE(error.find("3 channels"), std::string::npos) << error;
    sound.channels = 2;
    sound.rate = 0;
    EXPECT_FALSE(Sample::FromSound(sound, false, error));
}

}  // namespace
}  // namespace platform
