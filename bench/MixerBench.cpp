#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "platform/audio/Mixer.h"
#include "platform/audio/Sample.h"

namespace {

using platform::ChannelId;
using platform::Mixer;
using platform::Sample;
using platform::SamplePtr;
using platform::SoundData;

SamplePtr Tone(double hz, double seconds, int rate, int channels, bool loop) {
    SoundData sound;
    sound.rate = rate;
    sound.channels = channels;
    const auto frames = static_cast<int64_t>(seconds * rate);
    sound.samples.resize(static_cast<size_t>(frames * channels));
    for (int64_t i = 0; i < frames; ++i) {
        const auto v = static_cast<float>(0.3 * std::sin(2 * std::numbers::pi * hz * i / rate));
        for (int c = 0; c < channels; ++c) sound.samples[static_cast<size_t>(i * channels + c)] = v;
    }
    std::string error;
    return Sample::FromSound(std::move(sound), loop, error);
}

// A busy moment of the game: 32 channels at once, mono and stereo sources at 22.05, 44.1 and 48 kHz,
// spread across the field and played at varied speeds; every fourth one a short loop, the rest long
// enough to last the whole run. Ten seconds of output, mixed in device-sized pieces.
void BM_Mix32Channels10Seconds(benchmark::State& state) {
    const int rates[] = {22050, 44100, 48000};
    std::vector<SamplePtr> samples;
    for (int i = 0; i < 32; ++i) {
        const bool loop = i % 4 == 0;
        samples.push_back(Tone(110.0 + 23 * i, loop ? 0.7 : 13.0, rates[i % 3], 1 + i % 2, loop));
    }
    constexpr int kFrames = 10 * Mixer::kDefaultRate;
    constexpr int kPiece = 1024;
    std::vector<float> out(2 * kPiece);
    for (auto _ : state) {
        Mixer mixer;
        for (int i = 0; i < 32; ++i) {
            const ChannelId channel = mixer.Alloc();
            mixer.Cue(channel, samples[static_cast<size_t>(i)]);
            mixer.SetPan(channel, (i % 9 - 4) / 4.0f);
            mixer.SetRate(channel, 0.75f + (i % 6) * 0.1f);
            mixer.SetVolume(channel, 0.6f);
            mixer.Play(channel);
        }
        for (int done = 0; done < kFrames; done += kPiece) {
            mixer.Mix(out.data(), std::min(kPiece, kFrames - done));
            benchmark::DoNotOptimize(out.data());
        }
    }
}
BENCHMARK(BM_Mix32Channels10Seconds)->Unit(benchmark::kMillisecond);

}  // namespace
