#include "tools/assetgen/listening/Sonogram.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

#include "tools/assetgen/listening/Fft.h"
#include "tools/assetgen/listening/SoundMeasures.h"

namespace listening {

namespace {

using platform::Rgba;

constexpr int kWaveHeight = 72;
constexpr int kSpectrumHeight = 300;
// Short sounds get a short window, so clicks stay sharp in time; long ones a long window for the bass.
constexpr int kShortFft = 512, kLongFft = 2048;
constexpr double kLowHz = 30, kHighHz = 20000;
constexpr double kFloorDb = -100;

// Black through violet, red and yellow to white: loud parts stand out without hiding quiet detail.
Rgba Heat(double u) {
    static constexpr std::array<std::array<double, 3>, 6> kStops = {
        {{0, 0, 0}, {40, 10, 90}, {150, 20, 120}, {235, 90, 40}, {255, 220, 100}, {255, 255, 255}}};
    u = std::clamp(u, 0.0, 1.0) * (kStops.size() - 1);
    const size_t i = std::min(kStops.size() - 2, static_cast<size_t>(u));
    const double f = u - static_cast<double>(i);
    Rgba c;
    c.r = static_cast<uint8_t>(kStops[i][0] + (kStops[i + 1][0] - kStops[i][0]) * f);
    c.g = static_cast<uint8_t>(kStops[i][1] + (kStops[i + 1][1] - kStops[i][1]) * f);
    c.b = static_cast<uint8_t>(kStops[i][2] + (kStops[i + 1][2] - kStops[i][2]) * f);
    c.a = 255;
    return c;
}

// The channels averaged, with silence past either end.
std::vector<float> Mono(const platform::SoundData& sound) {
    std::vector<float> mono(sound.Frames());
    for (size_t i = 0; i < mono.size(); ++i) {
        float sum = 0;
        for (int c = 0; c < sound.channels; ++c) sum += sound.samples[i * sound.channels + c];
        mono[i] = sum / static_cast<float>(sound.channels);
    }
    return mono;
}

double RowHz(int row) {
    const double u = 1 - (row + 0.5) / kSpectrumHeight;
    return kLowHz * std::pow(kHighHz / kLowHz, u);
}

// Magnitudes in dBFS of one window centred at the frame (a full-scale sine reads 0).
std::vector<double> Column(const std::vector<float>& mono, int64_t centre, int size) {
    std::vector<std::complex<float>> data(size);
    double windowSum = 0;
    for (int i = 0; i < size; ++i) {
        const double hann = 0.5 - 0.5 * std::cos(2 * std::numbers::pi * i / size);
        const int64_t at = centre - size / 2 + i;
        const float v = at >= 0 && at < static_cast<int64_t>(mono.size()) ? mono[at] : 0.0f;
        data[i] = static_cast<float>(v * hann);
        windowSum += hann;
    }
    Fft(data);
    std::vector<double> db(size / 2);
    for (int k = 0; k < size / 2; ++k) {
        const double magnitude = 2 * std::abs(data[k]) / windowSum;
        db[k] = magnitude > 0 ? std::max(kFloorDb, 20 * std::log10(magnitude)) : kFloorDb;
    }
    return db;
}

// The loudest bin a row's frequency band covers (at least the nearest one).
double RowLevel(const std::vector<double>& db, int row, int rate) {
    const double binHz = static_cast<double>(rate) / (2 * db.size());
    const double lowHz = RowHz(row) / std::pow(kHighHz / kLowHz, 0.5 / kSpectrumHeight);
    const double highHz = RowHz(row) * std::pow(kHighHz / kLowHz, 0.5 / kSpectrumHeight);
    const int last = static_cast<int>(db.size()) - 1;
    const int from = std::clamp(static_cast<int>(std::lround(lowHz / binHz)), 0, last);
    const int to = std::clamp(static_cast<int>(std::lround(highHz / binHz)), from, last);
    return *std::max_element(db.begin() + from, db.begin() + to + 1);
}

void DrawWave(platform::PixelMap& picture, const std::vector<float>& mono, int column, int64_t from,
              int64_t to) {
    float low = 0, high = 0;
    for (int64_t i = from; i < to && i < static_cast<int64_t>(mono.size()); ++i) {
        low = std::min(low, mono[i]);
        high = std::max(high, mono[i]);
    }
    const double mid = (kWaveHeight - 1) / 2.0;
    const int top = static_cast<int>(std::lround(mid - high * mid));
    const int bottom = static_cast<int>(std::lround(mid - low * mid));
    for (int y = top; y <= bottom; ++y) picture.Set(column, y, {120, 200, 255, 255});
    const int guide = static_cast<int>(std::lround(mid - std::pow(10.0, -3.0 / 20) * mid));
    for (int y : {guide, static_cast<int>(2 * mid) - guide}) picture.Set(column, y, {255, 90, 90, 255});
}

}  // namespace

platform::PixelMap Sonogram(const platform::SoundData& sound) {
    const double seconds = Seconds(sound);
    const int width = std::clamp(static_cast<int>(std::lround(seconds * 400)), 240, 1200);
    platform::PixelMap picture(width, kWaveHeight + kSpectrumHeight, {16, 16, 24, 255});
    if (sound.Frames() == 0) return picture;
    const std::vector<float> mono = Mono(sound);
    const double framesPerColumn = static_cast<double>(mono.size()) / width;
    const int fftSize = seconds < 2 ? kShortFft : kLongFft;
    for (int x = 0; x < width; ++x) {
        const auto from = static_cast<int64_t>(x * framesPerColumn);
        const auto to = static_cast<int64_t>((x + 1) * framesPerColumn);
        DrawWave(picture, mono, x, from, std::max(to, from + 1));
        const std::vector<double> db = Column(mono, (from + to) / 2, fftSize);
        for (int row = 0; row < kSpectrumHeight; ++row) {
            const double level = RowLevel(db, row, sound.rate);
            picture.Set(x, kWaveHeight + row, Heat((level - kFloorDb) / -kFloorDb));
        }
    }
    for (double hz : {100.0, 1000.0, 10000.0}) {
        const int row = static_cast<int>(
            std::lround((1 - std::log(hz / kLowHz) / std::log(kHighHz / kLowHz)) * kSpectrumHeight));
        for (int x = 0; x < width; x += 4) picture.Set(x, kWaveHeight + row, {90, 160, 90, 255});
    }
    const double tick = seconds > 20 ? 10 : 1;
    for (double t = tick; t < seconds; t += tick) {
        const int x = static_cast<int>(t / seconds * width);
        for (int y = 0; y < 6; ++y) picture.Set(x, y, {255, 255, 255, 255});
    }
    return picture;
}

}  // namespace listening
