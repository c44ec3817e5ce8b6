#include <gtest/gtest.h>

#include <cstring>

#include "platform/codecs/SoundCodec.h"
#include "tests/platform/codecs/CodecTestSupport.h"
#include "tests/platform/codecs/OggPages.h"

namespace platform {
namespace {

using testing::Chord;
using testing::DamageOffsets;
using testing::FixPageChecksums;
using testing::Flipped;
using testing::Rms;
using testing::Truncated;

SoundData DecodeOrFail(const std::vector<uint8_t>& bytes) {
    SoundData sound;
    std::string error;
    EXPECT_TRUE(DecodeOgg(bytes, sound, error)) << error;
    return sound;
}

std::unique_ptr<OggStream> OpenOrFail(const std::vector<uint8_t>& bytes) {
    std::string error;
    auto stream = OggStream::Open(std::make_shared<const std::vector<uint8_t>>(bytes), error);
    EXPECT_TRUE(stream) << error;
    return stream;
}

std::vector<float> ReadAll(OggStream& stream, int chunkFrames) {
    std::vector<float> samples;
    std::vector<float> chunk(static_cast<size_t>(chunkFrames) * stream.Channels());
    while (const int frames = stream.Read(chunk.data(), chunkFrames)) {
        EXPECT_LE(frames, chunkFrames);
        samples.insert(samples.end(), chunk.begin(), chunk.begin() + frames * stream.Channels());
    }
    return samples;
}

// One short stereo file shared by the damage tests, so they stay quick under the sanitizers.
const std::vector<uint8_t>& ShortOgg() {
    static const std::vector<uint8_t> ogg = EncodeOggVorbis(Chord(22050, 2, 11025), 0.3f);
    return ogg;
}

TEST(OggRoundTrip, StereoKeepsLengthAndLoudness) {
    const SoundData source = Chord(44100, 2, 88200);
    const SoundData decoded = DecodeOrFail(EncodeOggVorbis(source, 0.4f));
    EXPECT_EQ(decoded.rate, 44100);
    EXPECT_EQ(decoded.channels, 2);
    EXPECT_EQ(decoded.Frames(), source.Frames());
    for (const int c : {0, 1}) EXPECT_NEAR(Rms(decoded, c), Rms(source, c), 0.05 * Rms(source, c)) << c;
}

TEST(OggRoundTrip, MonoKeepsLengthAndLoudness) {
    const SoundData source = Chord(22050, 1, 30000);
    const SoundData decoded = DecodeOrFail(EncodeOggVorbis(source, 0.0f));
    EXPECT_EQ(decoded.rate, 22050);
    EXPECT_EQ(decoded.channels, 1);
    EXPECT_EQ(decoded.Frames(), source.Frames());
    EXPECT_NEAR(Rms(decoded, 0), Rms(source, 0), 0.05 * Rms(source, 0));
}

TEST(OggRoundTrip, EmptySoundGivesAnEmptyStream) {
    const std::vector<uint8_t> ogg =
        EncodeOggVorbis(SoundData{.rate = 44100, .channels = 2, .samples = {}}, 0.4f);
    ASSERT_FALSE(ogg.empty());
    EXPECT_EQ(DecodeOrFail(ogg).Frames(), 0);
}

TEST(OggEncode, SameSoundGivesSameBytes) {
    const SoundData source = Chord(32000, 2, 20000);
    const std::vector<uint8_t> first = EncodeOggVorbis(source, 0.5f);
    ASSERT_GE(first.size(), 4u);
    EXPECT_EQ(std::memcmp(first.data(), "OggS", 4), 0);
    EXPECT_EQ(first, EncodeOggVorbis(source, 0.5f));
}

TEST(OggEncode, QualityChangesTheSize) {
    const SoundData source = Chord(44100, 2, 44100);
    EXPECT_LT(EncodeOggVorbis(source, 0.0f).size(), EncodeOggVorbis(source, 0.9f).size());
}

TEST(OggEncode, RefusesSoundsWithoutChannelsOrRate) {
    EXPECT_TRUE(EncodeOggVorbis(SoundData{.rate = 44100, .channels = 0, .samples = {}}, 0.4f).empty());
    EXPECT_TRUE(EncodeOggVorbis(SoundData{.rate = 0, .channels = 1, .samples = {0.0f}}, 0.4f).empty());
}

TEST(OggDecode, ManyChannelsAreMixedToStereoBySpeakerPosition) {
    // Three channels in the Vorbis order left, centre, right; only the left one sounds.
    SoundData source = Chord(44100, 3, 22050);
    for (size_t i = 0; i < source.samples.size(); ++i) {
        if (i % 3 != 0) source.samples[i] = 0.0f;
    }
    const SoundData decoded = DecodeOrFail(EncodeOggVorbis(source, 0.5f));
    EXPECT_EQ(decoded.channels, 2);
    EXPECT_EQ(decoded.Frames(), source.Frames());
    EXPECT_GT(Rms(decoded, 0), 0.05);
    EXPECT_LT(Rms(decoded, 1), 0.01 * Rms(decoded, 0));
}

TEST(OggStreaming, ReportsTheLayoutAndLength) {
    const auto stream = OpenOrFail(EncodeOggVorbis(Chord(48000, 2, 12345), 0.4f));
    ASSERT_TRUE(stream);
    EXPECT_EQ(stream->Rate(), 48000);
    EXPECT_EQ(stream->Channels(), 2);
    EXPECT_EQ(stream->TotalFrames(), 12345);
}

TEST(OggStreaming, SmallReadsGiveTheSameSamplesAsDecodingWhole) {
    const std::vector<uint8_t> ogg = EncodeOggVorbis(Chord(44100, 2, 30000), 0.4f);
    const SoundData whole = DecodeOrFail(ogg);
    const auto stream = OpenOrFail(ogg);
    ASSERT_TRUE(stream);
    EXPECT_EQ(ReadAll(*stream, 37), whole.samples);
    float frame[2];
    EXPECT_EQ(stream->Read(frame, 1), 0);
    EXPECT_TRUE(stream->Error().empty());
}

TEST(OggStreaming, RewindStartsOverFromAnyPoint) {
    const std::vector<uint8_t> ogg = EncodeOggVorbis(Chord(22050, 1, 20000), 0.4f);
    const SoundData whole = DecodeOrFail(ogg);
    const auto stream = OpenOrFail(ogg);
    ASSERT_TRUE(stream);
    std::vector<float> start(500);
    ASSERT_EQ(stream->Read(start.data(), 500), 500);
    ASSERT_TRUE(stream->Rewind());
    EXPECT_EQ(ReadAll(*stream, 1000), whole.samples);  // after the end, as a loop does
    ASSERT_TRUE(stream->Rewind());
    std::vector<float> again(500);
    ASSERT_EQ(stream->Read(again.data(), 500), 500);
    EXPECT_EQ(again, start);
}

TEST(OggStreaming, KeepsItsOwnReferenceToTheBytes) {
    auto bytes = std::make_shared<const std::vector<uint8_t>>(ShortOgg());
    std::string error;
    auto stream = OggStream::Open(bytes, error);
    ASSERT_TRUE(stream) << error;
    bytes.reset();
    EXPECT_EQ(static_cast<int64_t>(ReadAll(*stream, 256).size()), 2 * stream->TotalFrames());
}

TEST(OggDamage, TruncationGivesTheFramesThereOrARefusal) {
    const std::vector<uint8_t>& ogg = ShortOgg();
    const SoundData whole = DecodeOrFail(ogg);
    int refused = 0;
    for (const size_t size : DamageOffsets(ogg.size())) {
        SoundData sound;
        std::string error;
        if (DecodeOgg(Truncated(ogg, size), sound, error)) {
            ASSERT_LE(sound.Frames(), whole.Frames()) << "cut at " << size;
            EXPECT_TRUE(std::equal(sound.samples.begin(), sound.samples.end(), whole.samples.begin()))
                << "cut at " << size;
        } else {
            EXPECT_FALSE(error.empty()) << "cut at " << size;
            ++refused;
        }
    }
    EXPECT_GE(refused, 300);  // at least everything cut inside the headers
}

// Each flipped byte is tried as it is (libogg's checksums catch it) and with the page checksums set again,
// so that the damage reaches the Vorbis decoder itself.
TEST(OggDamage, FlippedBytesStopTheSoundWithAReason) {
    const std::vector<uint8_t>& ogg = ShortOgg();
    const SoundData whole = DecodeOrFail(ogg);
    for (const size_t offset : DamageOffsets(ogg.size())) {
        std::vector<uint8_t> damaged = Flipped(ogg, offset);
        for (const bool checksummed : {false, true}) {
            if (checksummed && !FixPageChecksums(damaged)) continue;
            SoundData sound;
            std::string error;
            if (DecodeOgg(damaged, sound, error)) {
                // A damaged end position may leave the encoder's padding on; never more than one block.
                EXPECT_LE(sound.Frames(), whole.Frames() + (checksummed ? 2048 : 0))
                    << "flipped at " << offset;
            } else {
                EXPECT_FALSE(error.empty()) << "flipped at " << offset;
            }
            error.clear();
            const auto stream = OggStream::Open(std::make_shared<const std::vector<uint8_t>>(damaged), error);
            if (!stream) {
                EXPECT_FALSE(error.empty()) << "flipped at " << offset;
                continue;
            }
            ReadAll(*stream, 300);
            stream->Rewind();
            ReadAll(*stream, 300);
        }
    }
}

// A damaged codebook shows only when decoding starts. libvorbis then keeps a half-built decoder that a
// seek back to the start would use; found by fuzz_ogg as a division by zero in the residue decoder.
TEST(OggDamage, RewindAfterAFailedStartBeginsAfresh) {
    const std::vector<uint8_t>& ogg = ShortOgg();
    for (size_t offset = 0; offset < ogg.size(); ++offset) {
        std::vector<uint8_t> damaged = Flipped(ogg, offset);
        FixPageChecksums(damaged);
        std::string error;
        const auto stream = OggStream::Open(std::make_shared<const std::vector<uint8_t>>(damaged), error);
        float frames[2 * 64];
        if (!stream || stream->Read(frames, 64) != 0 || stream->Error().empty()) continue;
        EXPECT_TRUE(stream->Rewind());
        EXPECT_TRUE(stream->Error().empty());
        EXPECT_EQ(stream->Read(frames, 64), 0);
        EXPECT_EQ(stream->Error(), "damaged Ogg Vorbis data");
        return;
    }
    FAIL() << "no flipped byte broke the decoder's start";
}

TEST(OggDamage, EmptyAndForeignData) {
    SoundData sound;
    std::string error;
    EXPECT_FALSE(DecodeOgg({}, sound, error));
    EXPECT_EQ(error, "the file is empty");
    EXPECT_FALSE(DecodeOgg(EncodeWav16(Chord(8000, 1, 1000)), sound, error));
    EXPECT_EQ(error, "not an Ogg Vorbis file");
    EXPECT_FALSE(OggStream::Open(nullptr, error));
    EXPECT_EQ(error, "the file is empty");
}

}  // namespace
}  // namespace platform
