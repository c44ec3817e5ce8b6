#include "tools/assetgen/listening/SoundMeasures.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace listening {

namespace {

double Db(double amplitude) {
    return amplitude > 0 ? 20 * std::log10(amplitude) : -std::numeric_limits<double>::infinity();
}

// The sample of channel c at frame i of the sound played in a loop (i may run past either end).
float Looped(const platform::SoundData& sound, int64_t i, int c) {
    const int64_t frames = sound.Frames();
    const int64_t frame = ((i % frames) + frames) % frames;
    return sound.samples[frame * sound.channels + c];
}

double LoopedRms(const platform::SoundData& sound, int64_t from, int64_t to) {
    double sum = 0;
    for (int64_t i = from; i < to; ++i) {
        for (int c = 0; c < sound.channels; ++c) sum += Looped(sound, i, c) * Looped(sound, i, c);
    }
    return std::sqrt(sum / static_cast<double>((to - from) * sound.channels));
}

}  // namespace

double Seconds(const platform::SoundData& sound) {
    return sound.rate > 0 ? static_cast<double>(sound.Frames()) / sound.rate : 0;
}

double PeakDb(const platform::SoundData& sound) {
    float peak = 0;
    for (float v : sound.samples) peak = std::max(peak, std::abs(v));
    return Db(peak);
}

double RmsDb(const platform::SoundData& sound) {
    return RmsDb(sound, 0, Seconds(sound));
}

double RmsDb(const platform::SoundData& sound, double from, double to) {
    const int64_t first = std::clamp<int64_t>(std::llround(from * sound.rate), 0, sound.Frames());
    const int64_t end = std::clamp<int64_t>(std::llround(to * sound.rate), first, sound.Frames());
    if (end == first) return Db(0);
    double sum = 0;
    for (int64_t i = first * sound.channels; i < end * sound.channels; ++i)
        sum += sound.samples[i] * sound.samples[i];
    return Db(std::sqrt(sum / static_cast<double>((end - first) * sound.channels)));
}

double OnsetSeconds(const platform::SoundData& sound, double dbfs) {
    const double level = std::pow(10.0, dbfs / 20);
    for (size_t i = 0; i < sound.samples.size(); ++i) {
        if (std::abs(sound.samples[i]) >= level) return static_cast<double>(i / sound.channels) / sound.rate;
    }
    return Seconds(sound);
}

Seam MeasureSeam(const platform::SoundData& sound) {
    Seam seam;
    const int64_t frames = sound.Frames();
    if (frames < 2 || sound.channels < 1) return seam;
    for (int c = 0; c < sound.channels; ++c) {
        seam.jump =
            std::max(seam.jump, static_cast<double>(std::abs(Looped(sound, 0, c) - Looped(sound, -1, c))));
    }
    // Steps of the 50 ms either side of the seam, the seam's own step left out.
    const int64_t around = std::min<int64_t>(frames / 2, sound.rate / 20);
    std::vector<float> steps;
    for (int64_t i = -around; i < around; ++i) {
        if (i == -1) continue;
        for (int c = 0; c < sound.channels; ++c)
            steps.push_back(std::abs(Looped(sound, i + 1, c) - Looped(sound, i, c)));
    }
    auto at = steps.begin() + static_cast<std::ptrdiff_t>(steps.size() * 99 / 100);
    std::nth_element(steps.begin(), at, steps.end());
    seam.typicalStep = *at;
    // 10 ms windows: one centred on the seam and one either side of it.
    const int64_t window = std::max<int64_t>(1, sound.rate / 100);
    const double before = Db(LoopedRms(sound, -window - window / 2, -window / 2));
    const double across = Db(LoopedRms(sound, -window / 2, window - window / 2));
    const double after = Db(LoopedRms(sound, window - window / 2, 2 * window - window / 2));
    seam.dipDb = std::max(0.0, std::min(before, after) - across);
    seam.bumpDb = std::max(0.0, across - std::max(before, after));
    return seam;
}

}  // namespace listening
