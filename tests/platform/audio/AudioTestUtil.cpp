#include "tests/platform/audio/AudioTestUtil.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <string>

namespace platform::test {

SoundData Tone(double hz, double seconds, int rate, int channels, float amplitude) {
    SoundData sound;
    sound.rate = rate;
    sound.channels = channels;
    const auto frames = static_cast<int64_t>(std::llround(seconds * rate));
    for (int64_t i = 0; i < frames; ++i) {
        const auto v = static_cast<float>(amplitude * std::cos(2 * std::numbers::pi * hz * i / rate));
        for (int c = 0; c < channels; ++c) sound.samples.push_back(v);
    }
    return sound;
}

SamplePtr ToneSample(double hz, double seconds, int rate, int channels, float amplitude, bool loop) {
    return SampleOf(Tone(hz, seconds, rate, channels, amplitude), loop);
}

SamplePtr SampleOf(SoundData sound, bool loop) {
    std::string error;
    SamplePtr sample = Sample::FromSound(std::move(sound), loop, error);
    if (!sample) std::abort();
    return sample;
}

ChannelId Start(Mixer& mixer, const SamplePtr& sample) {
    const ChannelId channel = mixer.Alloc();
    mixer.Cue(channel, sample);
    mixer.Play(channel);
    return channel;
}

std::vector<float> Render(Mixer& mixer, int frames, int piece) {
    std::vector<float> out(2 * static_cast<size_t>(frames));
    for (int done = 0; done < frames; done += piece) {
        mixer.Mix(out.data() + 2 * done, std::min(piece, frames - done));
    }
    return out;
}

std::vector<float> Side(const std::vector<float>& stereo, int side) {
    std::vector<float> out;
    for (size_t i = static_cast<size_t>(side); i < stereo.size(); i += 2) out.push_back(stereo[i]);
    return out;
}

float Peak(const std::vector<float>& signal) {
    float peak = 0;
    for (float v : signal) peak = std::max(peak, std::fabs(v));
    return peak;
}

double Rms(const std::vector<float>& signal) {
    double sum = 0;
    for (float v : signal) sum += static_cast<double>(v) * v;
    return signal.empty() ? 0.0 : std::sqrt(sum / static_cast<double>(signal.size()));
}

int ZeroCrossings(const std::vector<float>& signal) {
    int crossings = 0;
    for (size_t i = 1; i < signal.size(); ++i) {
        if ((signal[i - 1] < 0) != (signal[i] < 0)) ++crossings;
    }
    return crossings;
}

int64_t SoundingLength(const std::vector<float>& signal) {
    for (auto i = static_cast<int64_t>(signal.size()); i > 0; --i) {
        if (signal[static_cast<size_t>(i - 1)] != 0) return i;
    }
    return 0;
}

}  // namespace platform::test
