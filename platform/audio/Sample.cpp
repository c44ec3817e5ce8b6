#include "platform/audio/Sample.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace platform {
namespace {

// Decoded frames are handed out in one block: they are all in memory already.
class PcmReader : public SampleReader {
public:
    explicit PcmReader(std::span<const float> frames) : frames_(frames) {}
    std::span<const float> Next() override {
        if (done_) return {};
        done_ = true;
        return frames_;
    }
    bool Rewind() override {
        done_ = false;
        return true;
    }

private:
    std::span<const float> frames_;
    bool done_ = false;
};

// 16-bit frames become floats a block at a time, exactly the values the WAV decoder gives.
class Pcm16Reader : public SampleReader {
public:
    Pcm16Reader(std::span<const int16_t> values, int channels)
        : values_(values), buffer_(kBlockFrames * static_cast<size_t>(channels)) {}
    std::span<const float> Next() override {
        const size_t count = std::min(buffer_.size(), values_.size() - next_);
        for (size_t i = 0; i < count; ++i) buffer_[i] = values_[next_ + i] / 32768.0f;
        next_ += count;
        return {buffer_.data(), count};
    }
    bool Rewind() override {
        next_ = 0;
        return true;
    }

private:
    static constexpr size_t kBlockFrames = 1024;
    std::span<const int16_t> values_;
    std::vector<float> buffer_;
    size_t next_ = 0;
};

class OggReader : public SampleReader {
public:
    explicit OggReader(std::unique_ptr<OggStream> stream)
        : stream_(std::move(stream)), buffer_(kBlockFrames * static_cast<size_t>(stream_->Channels())) {}
    std::span<const float> Next() override {
        const int frames = stream_->Read(buffer_.data(), kBlockFrames);
        return {buffer_.data(), static_cast<size_t>(frames) * static_cast<size_t>(stream_->Channels())};
    }
    bool Rewind() override { return stream_->Rewind(); }

private:
    // About 20 ms at 48 kHz: small enough to stay in cache, large enough that the decoder's per-call cost
    // does not show.
    static constexpr int kBlockFrames = 1024;
    std::unique_ptr<OggStream> stream_;
    std::vector<float> buffer_;
};

bool PlayableLayout(int rate, int channels, std::string& error) {
    if (rate > 0 && (channels == 1 || channels == 2)) return true;
    error = "unsupported sound layout: " + std::to_string(channels) + " channels at " + std::to_string(rate) +
            " Hz";
    return false;
}

bool OnSixteenBitGrid(const std::vector<float>& values) {
    return std::all_of(values.begin(), values.end(), [](float v) {
        const float scaled = v * 32768.0f;
        return scaled >= -32768.0f && scaled <= 32767.0f && scaled == std::nearbyint(scaled);
    });
}

bool HasTag(const std::vector<uint8_t>& bytes, size_t offset, std::string_view tag) {
    return bytes.size() >= offset + tag.size() && std::equal(tag.begin(), tag.end(), bytes.begin() + offset);
}

}  // namespace

SamplePtr Sample::FromFileBytes(std::shared_ptr<std::vector<uint8_t>> bytes, bool loop, std::string& error) {
    if (HasTag(*bytes, 0, "RIFF") && HasTag(*bytes, 8, "WAVE")) {
        SoundData sound;
        if (!DecodeWav(*bytes, sound, error)) return nullptr;
        return FromSound(std::move(sound), loop, error);
    }
    if (HasTag(*bytes, 0, "OggS")) return FromOgg(std::move(bytes), loop, error);
    error = "not a WAV or Ogg Vorbis file";
    return nullptr;
}

SamplePtr Sample::FromSound(SoundData sound, bool loop, std::string& error) {
    if (!PlayableLayout(sound.rate, sound.channels, error)) return nullptr;
    std::shared_ptr<Sample> sample(new Sample(sound.rate, sound.channels, sound.Frames(), loop));
    sound.samples.resize(static_cast<size_t>(sample->frames_ * sound.channels));
    if (OnSixteenBitGrid(sound.samples)) {
        sample->pcm16_.reserve(sound.samples.size());
        for (float v : sound.samples) sample->pcm16_.push_back(static_cast<int16_t>(std::nearbyint(v * 32768.0f)));
    } else {
        sample->pcm_ = std::move(sound.samples);
    }
    return sample;
}

SamplePtr Sample::FromOgg(std::shared_ptr<const std::vector<uint8_t>> bytes, bool loop, std::string& error) {
    const auto stream = OggStream::Open(bytes, error);
    if (!stream || !PlayableLayout(stream->Rate(), stream->Channels(), error)) return nullptr;
    std::shared_ptr<Sample> sample(
        new Sample(stream->Rate(), stream->Channels(), stream->TotalFrames(), loop));
    sample->ogg_ = std::move(bytes);
    return sample;
}

std::unique_ptr<SampleReader> Sample::OpenReader() const {
    if (!pcm16_.empty()) return std::make_unique<Pcm16Reader>(pcm16_, channels_);
    if (!ogg_) return std::make_unique<PcmReader>(pcm_);
    std::string error;
    auto stream = OggStream::Open(ogg_, error);
    if (!stream) return nullptr;
    return std::make_unique<OggReader>(std::move(stream));
}

}  // namespace platform
