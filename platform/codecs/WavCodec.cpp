#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

#include "platform/codecs/Samples.h"
#include "platform/codecs/SoundCodec.h"

namespace platform {
namespace {

using codecs::Speaker;

constexpr uint16_t kFormatPcm = 1;
constexpr uint16_t kFormatFloat = 3;
constexpr uint16_t kFormatExtensible = 0xfffe;
// WAVE_FORMAT_EXTENSIBLE names its sample format with a GUID; those that wrap the plain format tags all
// end with these bytes after the tag.
constexpr uint8_t kSubformatTail[14] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                        0x00, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71};
constexpr uint32_t kMaxRate = 1000000;
// Far beyond any speaker layout; a header asking for more is damaged.
constexpr int kMaxChannels = 256;

uint16_t U16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}
uint32_t U32(const uint8_t* p) {
    return U16(p) | static_cast<uint32_t>(U16(p + 2)) << 16;
}
bool IsId(const uint8_t* p, const char* id) {
    return std::memcmp(p, id, 4) == 0;
}

struct WavFormat {
    uint16_t tag = 0;
    int channels = 0;
    uint32_t rate = 0;
    int bits = 0;
    uint32_t channelMask = 0;
};

struct WavChunks {
    std::span<const uint8_t> format;
    std::span<const uint8_t> data;
    bool hasFormat = false;
    bool hasData = false;
};

// Walks the chunks in any order. Sizes that run past the end of the file are cut to what is there, so a
// truncated file still gives the frames it holds.
bool FindChunks(std::span<const uint8_t> bytes, WavChunks& chunks, std::string& error) {
    if (bytes.size() < 12 || !IsId(bytes.data(), "RIFF") || !IsId(bytes.data() + 8, "WAVE")) {
        error = bytes.empty() ? "the file is empty" : "not a WAV file";
        return false;
    }
    const size_t end =
        static_cast<size_t>(std::min<uint64_t>(bytes.size(), uint64_t{8} + U32(bytes.data() + 4)));
    size_t pos = 12;
    while (end >= 8 && pos <= end - 8) {
        const uint8_t* header = bytes.data() + pos;
        const size_t body = pos + 8;
        const size_t size = std::min<size_t>(U32(header + 4), end - body);
        if (IsId(header, "fmt ") && !chunks.hasFormat) {
            chunks.format = bytes.subspan(body, size);
            chunks.hasFormat = true;
        } else if (IsId(header, "data") && !chunks.hasData) {
            chunks.data = bytes.subspan(body, size);
            chunks.hasData = true;
        }
        pos = body + size + (size & 1);
    }
    if (!chunks.hasFormat)
        error = "WAV file without a format chunk";
    else if (!chunks.hasData)
        error = "WAV file without a data chunk";
    return chunks.hasFormat && chunks.hasData;
}

bool ParseFormat(std::span<const uint8_t> chunk, WavFormat& format, std::string& error) {
    if (chunk.size() < 16) {
        error = "WAV format chunk too short";
        return false;
    }
    const uint8_t* p = chunk.data();
    format.tag = U16(p);
    format.channels = U16(p + 2);
    format.rate = U32(p + 4);
    format.bits = U16(p + 14);
    if (format.tag == kFormatExtensible) {
        if (chunk.size() < 40 || std::memcmp(p + 26, kSubformatTail, sizeof kSubformatTail) != 0) {
            error = "unsupported WAV sub-format";
            return false;
        }
        format.channelMask = U32(p + 20);
        format.tag = U16(p + 24);
    }
    const bool pcm = format.tag == kFormatPcm &&
                     (format.bits == 8 || format.bits == 16 || format.bits == 24 || format.bits == 32);
    const bool floats = format.tag == kFormatFloat && format.bits == 32;
    if (!pcm && !floats) {
        error = "unsupported WAV sample format (tag " + std::to_string(format.tag) + ", " +
                std::to_string(format.bits) + " bits)";
        return false;
    }
    if (format.channels == 0 || format.channels > kMaxChannels) {
        error = "WAV channel count out of range: " + std::to_string(format.channels);
        return false;
    }
    if (format.rate == 0 || format.rate > kMaxRate) {
        error = "WAV sample rate out of range: " + std::to_string(format.rate);
        return false;
    }
    return true;
}

float ReadPcm8(const uint8_t* p) {
    return (p[0] - 128) / 128.0f;
}
float ReadPcm16(const uint8_t* p) {
    return static_cast<int16_t>(U16(p)) / 32768.0f;
}
float ReadPcm24(const uint8_t* p) {
    return static_cast<int32_t>(static_cast<uint32_t>(p[0]) << 8 | static_cast<uint32_t>(p[1]) << 16 |
                                static_cast<uint32_t>(p[2]) << 24) /
           2147483648.0f;
}
float ReadPcm32(const uint8_t* p) {
    return static_cast<int32_t>(U32(p)) / 2147483648.0f;
}
float ReadFloat32(const uint8_t* p) {
    return codecs::ClampSample(std::bit_cast<float>(U32(p)));
}

using SampleReader = float (*)(const uint8_t*);

SampleReader ReaderFor(const WavFormat& format) {
    if (format.tag == kFormatFloat) return ReadFloat32;
    switch (format.bits) {
        case 8:
            return ReadPcm8;
        case 16:
            return ReadPcm16;
        case 24:
            return ReadPcm24;
        default:
            return ReadPcm32;
    }
}

Speaker SpeakerOfMaskBit(int bit) {
    // Front left, back left, front left of centre, side left, top front left, top back left; the same
    // on the right; everything else (centres, low frequencies, reserved bits) sits in the middle.
    constexpr uint32_t kLeft = 0x1 | 0x10 | 0x40 | 0x200 | 0x1000 | 0x8000;
    constexpr uint32_t kRight = 0x2 | 0x20 | 0x80 | 0x400 | 0x4000 | 0x20000;
    const uint32_t flag = uint32_t{1} << bit;
    return (flag & kLeft) ? Speaker::Left : (flag & kRight) ? Speaker::Right : Speaker::Centre;
}

// Channels follow the set bits of the channel mask in order; without a usable mask, the standard order.
std::vector<Speaker> WaveSpeakers(int channels, uint32_t mask) {
    if (std::popcount(mask) < channels) mask = 0x3ffff;
    std::vector<Speaker> speakers;
    for (int bit = 0; bit < 32 && static_cast<int>(speakers.size()) < channels; ++bit) {
        if (mask & (uint32_t{1} << bit)) speakers.push_back(SpeakerOfMaskBit(bit));
    }
    speakers.resize(static_cast<size_t>(channels), Speaker::Centre);
    return speakers;
}

void PutU16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}
void PutU32(std::vector<uint8_t>& out, uint32_t v) {
    PutU16(out, v & 0xffff);
    PutU16(out, v >> 16);
}
void PutId(std::vector<uint8_t>& out, const char* id) {
    out.insert(out.end(), id, id + 4);
}

}  // namespace

bool DecodeWav(std::span<const uint8_t> bytes, SoundData& out, std::string& error) {
    WavChunks chunks;
    WavFormat format;
    if (!FindChunks(bytes, chunks, error) || !ParseFormat(chunks.format, format, error)) return false;
    const SampleReader read = ReaderFor(format);
    const size_t sampleBytes = static_cast<size_t>(format.bits / 8);
    const size_t frameBytes = sampleBytes * static_cast<size_t>(format.channels);
    const size_t frames = chunks.data.size() / frameBytes;
    const int outChannels = std::min(format.channels, 2);

    SoundData sound;
    sound.rate = static_cast<int>(format.rate);
    sound.channels = outChannels;
    sound.samples.resize(frames * static_cast<size_t>(outChannels));
    const codecs::StereoDownmix downmix(
        format.channels > 2 ? WaveSpeakers(format.channels, format.channelMask) : std::vector<Speaker>{});
    std::vector<float> frame(static_cast<size_t>(format.channels));
    const uint8_t* p = chunks.data.data();
    float* to = sound.samples.data();
    for (size_t f = 0; f < frames; ++f, to += outChannels) {
        for (float& sample : frame) {
            sample = read(p);
            p += sampleBytes;
        }
        if (format.channels > 2) {
            downmix.Mix(frame.data(), to);
        } else {
            std::copy(frame.begin(), frame.end(), to);
        }
    }
    out = std::move(sound);
    return true;
}

std::vector<uint8_t> EncodeWav16(const SoundData& sound) {
    std::vector<uint8_t> out;
    if (sound.channels <= 0 || sound.rate <= 0) return out;
    const uint32_t channels = static_cast<uint32_t>(sound.channels);
    const uint32_t samples = static_cast<uint32_t>(sound.Frames()) * channels;
    out.reserve(44 + size_t{samples} * 2);
    PutId(out, "RIFF");
    PutU32(out, 36 + samples * 2);
    PutId(out, "WAVE");
    PutId(out, "fmt ");
    PutU32(out, 16);
    PutU16(out, kFormatPcm);
    PutU16(out, channels);
    PutU32(out, static_cast<uint32_t>(sound.rate));
    PutU32(out, static_cast<uint32_t>(sound.rate) * channels * 2);
    PutU16(out, channels * 2);
    PutU16(out, 16);
    PutId(out, "data");
    PutU32(out, samples * 2);
    for (uint32_t i = 0; i < samples; ++i) {
        // The same scale as the decoder, so 16-bit sound survives a round trip unchanged.
        const float scaled = std::round(codecs::ClampSample(sound.samples[i]) * 32768.0f);
        PutU16(out, static_cast<uint16_t>(static_cast<int16_t>(std::min(scaled, 32767.0f))));
    }
    return out;
}

}  // namespace platform
