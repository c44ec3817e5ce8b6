#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstring>
#include <limits>

#include "platform/codecs/SoundCodec.h"
#include "tests/platform/codecs/CodecTestSupport.h"

namespace platform {
namespace {

using testing::DamageOffsets;
using testing::Flipped;
using testing::Truncated;

void PutLe(std::vector<uint8_t>& out, uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

struct Chunk {
    std::string id;
    std::vector<uint8_t> body;
    uint32_t declaredSize = 0;  // 0: the body's size
};

// A RIFF WAVE file holding the chunks in the order given, each padded to an even size.
std::vector<uint8_t> Riff(const std::vector<Chunk>& chunks, uint32_t declaredSize = 0) {
    std::vector<uint8_t> body = {'W', 'A', 'V', 'E'};
    for (const Chunk& chunk : chunks) {
        body.insert(body.end(), chunk.id.begin(), chunk.id.end());
        PutLe(body, chunk.declaredSize ? chunk.declaredSize : chunk.body.size(), 4);
        body.insert(body.end(), chunk.body.begin(), chunk.body.end());
        if (chunk.body.size() % 2) body.push_back(0);
    }
    std::vector<uint8_t> file = {'R', 'I', 'F', 'F'};
    PutLe(file, declaredSize ? declaredSize : body.size(), 4);
    file.insert(file.end(), body.begin(), body.end());
    return file;
}

std::vector<uint8_t> Format(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits) {
    std::vector<uint8_t> body;
    PutLe(body, tag, 2);
    PutLe(body, channels, 2);
    PutLe(body, rate, 4);
    PutLe(body, uint64_t{rate} * channels * bits / 8, 4);
    PutLe(body, channels * bits / 8, 2);
    PutLe(body, bits, 2);
    return body;
}

std::vector<uint8_t> ExtensibleFormat(uint16_t subTag, uint16_t channels, uint32_t rate, uint16_t bits,
                                      uint32_t mask) {
    std::vector<uint8_t> body = Format(0xfffe, channels, rate, bits);
    PutLe(body, 22, 2);
    PutLe(body, bits, 2);
    PutLe(body, mask, 4);
    PutLe(body, subTag, 2);
    const uint8_t tail[14] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                              0x00, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71};
    body.insert(body.end(), tail, tail + 14);
    return body;
}

std::vector<uint8_t> Samples16(const std::vector<int>& values) {
    std::vector<uint8_t> data;
    for (const int v : values) PutLe(data, static_cast<uint16_t>(v), 2);
    return data;
}

SoundData DecodeOrFail(const std::vector<uint8_t>& bytes) {
    SoundData sound;
    std::string error;
    EXPECT_TRUE(DecodeWav(bytes, sound, error)) << error;
    return sound;
}

std::string RefusalOf(const std::vector<uint8_t>& bytes) {
    SoundData sound;
    std::string error;
    EXPECT_FALSE(DecodeWav(bytes, sound, error));
    return error;
}

struct SampleCase {
    const char* name;
    uint16_t tag;
    uint16_t bits;
    std::vector<uint8_t> data;
    std::vector<float> expected;
};

std::vector<SampleCase> SampleCases() {
    std::vector<SampleCase> cases;
    cases.push_back({"8-bit", 1, 8, {0, 128, 255, 64}, {-1.0f, 0.0f, 127 / 128.0f, -0.5f}});
    cases.push_back(
        {"16-bit", 1, 16, Samples16({-32768, 0, 32767, 16384}), {-1.0f, 0.0f, 32767 / 32768.0f, 0.5f}});
    SampleCase pcm24{"24-bit", 1, 24, {}, {-1.0f, 0.0f, 8388607 / 8388608.0f, 0.5f}};
    for (const int v : {-8388608, 0, 8388607, 4194304}) PutLe(pcm24.data, static_cast<uint32_t>(v), 3);
    cases.push_back(pcm24);
    SampleCase pcm32{"32-bit", 1, 32, {}, {-1.0f, 0.0f, 1.0f, 0.5f}};
    for (const int v : {INT_MIN, 0, INT_MAX, 1 << 30}) PutLe(pcm32.data, static_cast<uint32_t>(v), 4);
    cases.push_back(pcm32);
    SampleCase floats{"float", 3, 32, {}, {-1.0f, 0.25f, 1.0f, 0.0f}};
    for (const float v : {-1.0f, 0.25f, 3.0f, std::numeric_limits<float>::quiet_NaN()}) {
        uint32_t bits;
        std::memcpy(&bits, &v, 4);
        PutLe(floats.data, bits, 4);
    }
    cases.push_back(floats);
    return cases;
}

TEST(WavDecode, EverySampleFormatMonoAndStereo) {
    for (const SampleCase& c : SampleCases()) {
        for (const uint16_t channels : {1, 2}) {
            const SoundData sound =
                DecodeOrFail(Riff({{"fmt ", Format(c.tag, channels, 22050, c.bits)}, {"data", c.data}}));
            EXPECT_EQ(sound.rate, 22050) << c.name;
            EXPECT_EQ(sound.channels, channels) << c.name;
            EXPECT_EQ(sound.Frames(), 4 / channels) << c.name;
            ASSERT_EQ(sound.samples.size(), c.expected.size()) << c.name;
            for (size_t i = 0; i < c.expected.size(); ++i) {
                EXPECT_NEAR(sound.samples[i], c.expected[i], 1e-6) << c.name << " sample " << i;
            }
        }
    }
}

TEST(WavDecode, ExtensibleFormatWrapsPcmAndFloat) {
    for (const SampleCase& c : SampleCases()) {
        const SoundData sound =
            DecodeOrFail(Riff({{"fmt ", ExtensibleFormat(c.tag, 2, 48000, c.bits, 0x3)}, {"data", c.data}}));
        ASSERT_EQ(sound.samples.size(), c.expected.size()) << c.name;
        for (size_t i = 0; i < c.expected.size(); ++i)
            EXPECT_NEAR(sound.samples[i], c.expected[i], 1e-6) << c.name;
    }
    std::vector<uint8_t> foreign = ExtensibleFormat(1, 1, 8000, 16, 0x4);
    foreign.back() ^= 1;
    EXPECT_EQ(RefusalOf(Riff({{"fmt ", foreign}, {"data", Samples16({1, 2})}})),
              "unsupported WAV sub-format");
}

TEST(WavDecode, ChunksInAnyOrderWithOddPaddingAndUnknownOnes) {
    const std::vector<uint8_t> data = Samples16({100, -100, 200, -200});
    const std::vector<uint8_t> format = Format(1, 2, 11025, 16);
    const SoundData plain = DecodeOrFail(Riff({{"fmt ", format}, {"data", data}}));
    const SoundData shuffled = DecodeOrFail(
        Riff({{"LIST", {'a', 'b', 'c'}}, {"data", data}, {"junk", {1}}, {"fmt ", format}, {"cue ", {}}}));
    EXPECT_EQ(shuffled.samples, plain.samples);
    EXPECT_EQ(shuffled.rate, 11025);
    EXPECT_EQ(plain.Frames(), 2);
}

TEST(WavDecode, SizesPastTheEndAreCutToTheFile) {
    const std::vector<uint8_t> data = Samples16({1000, 2000, 3000});
    std::vector<uint8_t> file =
        Riff({{"fmt ", Format(1, 1, 8000, 16)}, {"data", data, 0xffffffffu}}, 0xffffffffu);
    file.push_back(0x7f);  // half a frame: dropped
    const SoundData sound = DecodeOrFail(file);
    ASSERT_EQ(sound.Frames(), 3);
    EXPECT_FLOAT_EQ(sound.samples[2], 3000 / 32768.0f);
}

TEST(WavDecode, RiffSizeEndsTheChunkList) {
    std::vector<uint8_t> file = Riff({{"fmt ", Format(1, 1, 8000, 16)}, {"data", Samples16({5, 6})}});
    const std::vector<uint8_t> trailer = Riff({{"data", Samples16({7, 8, 9})}});
    file.insert(file.end(), trailer.begin(), trailer.end());
    EXPECT_EQ(DecodeOrFail(file).Frames(), 2);
}

TEST(WavDecode, ManyChannelsAreMixedToStereoBySpeakerPosition) {
    // 5.1 in the order of its channel mask: front left, front right, centre, low frequencies, back left,
    // back right. One frame per channel, with only that channel sounding.
    std::vector<int> values(36, 0);
    for (int c = 0; c < 6; ++c) values[c * 6 + c] = 16384;
    const SoundData sound =
        DecodeOrFail(Riff({{"fmt ", ExtensibleFormat(1, 6, 48000, 16, 0x3f)}, {"data", Samples16(values)}}));
    ASSERT_EQ(sound.channels, 2);
    ASSERT_EQ(sound.Frames(), 6);
    auto left = [&](int f) { return sound.samples[f * 2]; };
    auto right = [&](int f) { return sound.samples[f * 2 + 1]; };
    for (const int f : {0, 4}) {
        EXPECT_GT(left(f), 0.1f) << f;
        EXPECT_EQ(right(f), 0.0f) << f;
    }
    for (const int f : {1, 5}) {
        EXPECT_EQ(left(f), 0.0f) << f;
        EXPECT_GT(right(f), 0.1f) << f;
    }
    for (const int f : {2, 3}) {
        EXPECT_GT(left(f), 0.05f) << f;
        EXPECT_FLOAT_EQ(left(f), right(f)) << f;
    }
}

TEST(WavDecode, FullScaleOnEveryChannelStaysInRange) {
    std::vector<uint8_t> data;
    for (int i = 0; i < 8; ++i) PutLe(data, 0x7fff, 2);
    const SoundData sound = DecodeOrFail(Riff({{"fmt ", Format(1, 4, 8000, 16)}, {"data", data}}));
    ASSERT_EQ(sound.Frames(), 2);
    for (const float s : sound.samples) {
        EXPECT_LE(s, 1.0f);
        EXPECT_GT(s, 0.99f);
    }
}

TEST(WavDecode, WithoutAMaskChannelsFollowTheStandardOrder) {
    // Four channels: front left, front right, centre, low frequencies. Front right alone sounds.
    const SoundData sound =
        DecodeOrFail(Riff({{"fmt ", Format(1, 4, 8000, 16)}, {"data", Samples16({0, 20000, 0, 0})}}));
    ASSERT_EQ(sound.Frames(), 1);
    EXPECT_EQ(sound.samples[0], 0.0f);
    EXPECT_GT(sound.samples[1], 0.2f);
}

TEST(WavEncode, SixteenBitRoundTripIsExact) {
    for (const int channels : {1, 2}) {
        SoundData sound = testing::Chord(22050, channels, 3000);
        for (float& s : sound.samples) s = std::round(s * 32768.0f) / 32768.0f;
        const SoundData decoded = DecodeOrFail(EncodeWav16(sound));
        EXPECT_EQ(decoded.rate, 22050);
        EXPECT_EQ(decoded.channels, channels);
        EXPECT_EQ(decoded.samples, sound.samples);
    }
}

TEST(WavEncode, WritesAPlainSixteenBitHeader) {
    SoundData sound{.rate = 44100, .channels = 2, .samples = std::vector<float>(10, 0.0f)};
    const std::vector<uint8_t> wav = EncodeWav16(sound);
    ASSERT_EQ(wav.size(), 44u + 20u);
    EXPECT_EQ(std::memcmp(wav.data(), "RIFF", 4), 0);
    EXPECT_EQ(wav[4], 56);
    EXPECT_EQ(std::memcmp(wav.data() + 8, "WAVEfmt ", 8), 0);
    EXPECT_EQ(std::vector<uint8_t>(wav.begin() + 20, wav.begin() + 36), Format(1, 2, 44100, 16));
    EXPECT_EQ(std::memcmp(wav.data() + 36, "data", 4), 0);
    EXPECT_EQ(wav[40], 20);
}

TEST(WavEncode, ClampsOutOfRangeSamples) {
    const SoundData sound{.rate = 8000,
                          .channels = 1,
                          .samples = {1.5f, -2.0f, std::numeric_limits<float>::quiet_NaN(), 0.5f, -1.0f}};
    const SoundData decoded = DecodeOrFail(EncodeWav16(sound));
    EXPECT_EQ(decoded.samples, (std::vector<float>{32767 / 32768.0f, -1.0f, 0.0f, 0.5f, -1.0f}));
}

TEST(WavEncode, EmptySoundRoundTripsAndNoChannelsGivesNothing) {
    EXPECT_EQ(DecodeOrFail(EncodeWav16(SoundData{.rate = 8000, .channels = 1, .samples = {}})).Frames(), 0);
    EXPECT_TRUE(EncodeWav16(SoundData{.rate = 8000, .channels = 0, .samples = {}}).empty());
    EXPECT_TRUE(EncodeWav16(SoundData{.rate = 0, .channels = 1, .samples = {}}).empty());
}

TEST(WavDamage, TruncationGivesTheFramesThereOrARefusal) {
    const std::vector<uint8_t> wav = EncodeWav16(testing::Chord(8000, 2, 500));
    const SoundData whole = DecodeOrFail(wav);
    for (const size_t size : DamageOffsets(wav.size())) {
        SoundData sound;
        std::string error;
        if (DecodeWav(Truncated(wav, size), sound, error)) {
            ASSERT_EQ(sound.Frames(), static_cast<int64_t>((size - 44) / 4)) << "cut at " << size;
            EXPECT_TRUE(std::equal(sound.samples.begin(), sound.samples.end(), whole.samples.begin()));
        } else {
            EXPECT_LT(size, 44u);
            EXPECT_FALSE(error.empty()) << "cut at " << size;
        }
    }
}

TEST(WavDamage, FlippedBytesNeverBreakTheDecoder) {
    const std::vector<uint8_t> wav = Riff({{"LIST", {'x', 'y', 'z'}},
                                           {"fmt ", ExtensibleFormat(3, 6, 8000, 32, 0x3f)},
                                           {"data", std::vector<uint8_t>(6 * 4 * 10, 0x3e)}});
    for (size_t offset = 0; offset < wav.size(); ++offset) {
        SoundData sound;
        std::string error;
        if (DecodeWav(Flipped(wav, offset), sound, error)) {
            EXPECT_LE(sound.Frames(), 10);
            for (const float s : sound.samples) EXPECT_TRUE(s >= -1.0f && s <= 1.0f);
        } else {
            EXPECT_FALSE(error.empty()) << "flipped at " << offset;
        }
    }
}

TEST(WavDamage, EmptyAndForeignData) {
    EXPECT_EQ(RefusalOf({}), "the file is empty");
    std::vector<uint8_t> wav = EncodeWav16(testing::Chord(8000, 1, 10));
    std::memcpy(wav.data(), "RIFX", 4);
    EXPECT_EQ(RefusalOf(wav), "not a WAV file");
    std::memcpy(wav.data(), "RIFF", 4);
    std::memcpy(wav.data() + 8, "AVI ", 4);
    EXPECT_EQ(RefusalOf(wav), "not a WAV file");
    EXPECT_EQ(RefusalOf({'R', 'I', 'F'}), "not a WAV file");
}

TEST(WavDamage, MissingOrShortChunks) {
    const std::vector<uint8_t> data = Samples16({1, 2});
    EXPECT_EQ(RefusalOf(Riff({{"data", data}})), "WAV file without a format chunk");
    EXPECT_EQ(RefusalOf(Riff({{"fmt ", Format(1, 1, 8000, 16)}})), "WAV file without a data chunk");
    std::vector<uint8_t> shortFormat = Format(1, 1, 8000, 16);
    shortFormat.resize(14);
    EXPECT_EQ(RefusalOf(Riff({{"fmt ", shortFormat}, {"data", data}})), "WAV format chunk too short");
    // The file's own size cuts the extensible format chunk short.
    EXPECT_EQ(RefusalOf(Riff({{"data", data}, {"fmt ", ExtensibleFormat(1, 1, 8000, 16, 4)}}, 52)),
              "unsupported WAV sub-format");
}

TEST(WavDamage, AbsurdHeaderValues) {
    const std::vector<uint8_t> data = Samples16({1, 2, 3, 4});
    auto withFormat = [&](std::vector<uint8_t> format) {
        return RefusalOf(Riff({{"fmt ", format}, {"data", data}}));
    };
    EXPECT_EQ(withFormat(Format(1, 0, 8000, 16)), "WAV channel count out of range: 0");
    EXPECT_EQ(withFormat(Format(1, 65535, 8000, 16)), "WAV channel count out of range: 65535");
    EXPECT_EQ(withFormat(Format(1, 1, 0, 16)), "WAV sample rate out of range: 0");
    EXPECT_EQ(withFormat(Format(1, 1, 4000000000u, 16)), "WAV sample rate out of range: 4000000000");
    EXPECT_EQ(withFormat(Format(1, 1, 8000, 12)), "unsupported WAV sample format (tag 1, 12 bits)");
    EXPECT_EQ(withFormat(Format(3, 1, 8000, 64)), "unsupported WAV sample format (tag 3, 64 bits)");
    EXPECT_EQ(withFormat(Format(2, 1, 8000, 4)), "unsupported WAV sample format (tag 2, 4 bits)");
}

}  // namespace
}  // namespace platform
