#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "platform/Audio.h"
#include "platform/codecs/SoundCodec.h"

namespace platform {

// Hands out a sample's frames block by block, so the mixer reads decoded and streamed samples alike.
// Each playing channel has a reader of its own.
class SampleReader {
public:
    virtual ~SampleReader() = default;
    // The next frames, interleaved with the sample's channel count; valid until the next call. Empty at
    // the end of the sample (or of a damaged stream).
    virtual std::span<const float> Next() = 0;
    // Back to the first frame; false when the source cannot be read again.
    virtual bool Rewind() = 0;
};

// A sound as loaded, never changed afterwards: either decoded frames, or an Ogg Vorbis file kept
// compressed and decoded while it plays, so that minutes of music cost kilobytes rather than megabytes.
// Decoded frames that are exactly 16-bit values (every 16-bit WAV file) are kept as such, at half the
// memory of floats, and turned into floats block by block as they play.
class Sample {
public:
    // A WAV file is decoded whole, an Ogg Vorbis file kept compressed; which is which is told by the
    // bytes, not by the file's name. Null with error filled (without the path, which the caller knows).
    static SamplePtr FromFileBytes(std::shared_ptr<std::vector<uint8_t>> bytes, bool loop,
                                   std::string& error);
    // Null with error filled when the sound is not 1 or 2 channels at a positive rate.
    static SamplePtr FromSound(SoundData sound, bool loop, std::string& error);
    // Null with error filled when the bytes are not a playable Ogg Vorbis stream.
    static SamplePtr FromOgg(std::shared_ptr<const std::vector<uint8_t>> bytes, bool loop,
                             std::string& error);

    int Rate() const { return rate_; }
    int Channels() const { return channels_; }
    int64_t Frames() const { return frames_; }
    bool Loop() const { return loop_; }
    bool Streamed() const { return ogg_ != nullptr; }

    // Null only when a streamed sample's bytes can no longer be opened.
    std::unique_ptr<SampleReader> OpenReader() const;

private:
    Sample(int rate, int channels, int64_t frames, bool loop)
        : rate_(rate), channels_(channels), frames_(frames), loop_(loop) {}

    int rate_;
    int channels_;
    int64_t frames_;
    bool loop_;
    std::vector<float> pcm_;
    std::vector<int16_t> pcm16_;  // instead of pcm_ when every value is on the 16-bit grid
    std::shared_ptr<const std::vector<uint8_t>> ogg_;
};

}  // namespace platform
