#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace platform {

// Decoded sound: interleaved float frames in -1 … 1 at the file's own rate, 1 or 2 channels.
struct SoundData {
    int rate = 0;
    int channels = 0;
    std::vector<float> samples;
    int64_t Frames() const { return channels ? static_cast<int64_t>(samples.size()) / channels : 0; }
};

// RIFF WAVE: PCM 8, 16, 24 or 32 bits, or IEEE float 32 bits; mono or stereo (more channels are mixed
// down to stereo).
bool DecodeWav(std::span<const uint8_t> bytes, SoundData& out, std::string& error);
// 16-bit PCM WAV of the sound (the tools write sound effects with it).
std::vector<uint8_t> EncodeWav16(const SoundData& sound);

// Streams an Ogg Vorbis file held in memory, so long tracks stay compressed until they are played.
class OggStream {
public:
    ~OggStream();
    // Null with error filled when the bytes are not a playable Ogg Vorbis stream.
    static std::unique_ptr<OggStream> Open(std::shared_ptr<const std::vector<uint8_t>> bytes,
                                           std::string& error);
    int Rate() const { return rate_; }
    int Channels() const { return channels_; }  // 1 or 2
    int64_t TotalFrames() const { return totalFrames_; }
    // Reads up to frames interleaved frames into out; returns the number read, 0 at the end or on a
    // damaged stream.
    int Read(float* out, int frames);
    // Why reading stopped early (damaged data); empty while the stream is whole. Rewind clears it.
    const std::string& Error() const;
    bool Rewind();

private:
    OggStream() = default;
    struct State;
    std::unique_ptr<State> state_;
    int rate_ = 0;
    int channels_ = 0;
    int64_t totalFrames_ = 0;
};

bool DecodeOgg(std::span<const uint8_t> bytes, SoundData& out, std::string& error);
// Ogg Vorbis (variable bit rate, quality -0.1 … 1) of the sound, which may have up to 255 channels (the game
// writes mono and stereo; more serve to check the decoder's mix-down); empty when it cannot be encoded. The
// same sound gives the same bytes on every run, so the tools' output is reproducible.
std::vector<uint8_t> EncodeOggVorbis(const SoundData& sound, float quality);

}  // namespace platform
