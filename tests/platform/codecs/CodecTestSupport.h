#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "platform/PixelMap.h"
#include "platform/codecs/SoundCodec.h"

namespace platform::testing {

// Where to cut or damage a file: every one of the first 300 bytes (the headers), then about 200 places
// spread through the rest.
inline std::vector<size_t> DamageOffsets(size_t size) {
    std::vector<size_t> offsets;
    const size_t step = std::max<size_t>(1, size / 200);
    for (size_t i = 0; i < size; i += i < 300 ? 1 : step) offsets.push_back(i);
    return offsets;
}

inline std::vector<uint8_t> Truncated(const std::vector<uint8_t>& bytes, size_t size) {
    return {bytes.begin(), bytes.begin() + static_cast<ptrdiff_t>(size)};
}

inline std::vector<uint8_t> Flipped(std::vector<uint8_t> bytes, size_t offset) {
    bytes[offset] ^= 0x5a;
    return bytes;
}

// Smooth colour ramps with alpha varying across the picture, so every channel carries its own data.
inline PixelMap Gradient(int width, int height) {
    PixelMap picture(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            picture.Set(x, y,
                        {static_cast<uint8_t>(x * 255 / std::max(width - 1, 1)),
                         static_cast<uint8_t>(y * 255 / std::max(height - 1, 1)),
                         static_cast<uint8_t>((x + y) * 127 / std::max(width + height - 2, 1) + 64),
                         static_cast<uint8_t>(255 - x * 200 / std::max(width - 1, 1))});
        }
    }
    return picture;
}

// A chord with a different pitch in every channel, at moderate level.
inline SoundData Chord(int rate, int channels, int frames) {
    SoundData sound;
    sound.rate = rate;
    sound.channels = channels;
    sound.samples.resize(static_cast<size_t>(frames) * channels);
    for (int f = 0; f < frames; ++f) {
        for (int c = 0; c < channels; ++c) {
            const double t = static_cast<double>(f) / rate;
            sound.samples[static_cast<size_t>(f) * channels + c] =
                static_cast<float>(0.3 * std::sin(2 * M_PI * (220.0 + 110.0 * c) * t) +
                                   0.15 * std::sin(2 * M_PI * (660.0 + 55.0 * c) * t));
        }
    }
    return sound;
}

inline double Rms(const SoundData& sound, int channel) {
    double sum = 0.0;
    for (int64_t f = 0; f < sound.Frames(); ++f) {
        const double v = sound.samples[static_cast<size_t>(f * sound.channels + channel)];
        sum += v * v;
    }
    return sound.Frames() ? std::sqrt(sum / static_cast<double>(sound.Frames())) : 0.0;
}

}  // namespace platform::testing
