#include "tools/assetgen/Dsp.h"

#include <array>
#include <cmath>
#include <numbers>

namespace assetgen::synth {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr double kCycle = 4294967296.0;  // one turn of a fixed-point phase

// Tables of 2^kBits points plus a guard point, indexed by the top bits of a phase.
template <int kBits>
float Lookup(const float* table, uint32_t phase) {
    constexpr int kShift = 32 - kBits;
    constexpr float kPerFraction = 1.0f / static_cast<float>(1u << kShift);
    const uint32_t index = phase >> kShift;
    const float fraction = static_cast<float>(phase & ((1u << kShift) - 1)) * kPerFraction;
    return table[index] + (table[index + 1] - table[index]) * fraction;
}

constexpr int kWaveBits = 11;

double PolyBlep(double t, double dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1;
    }
    if (t > 1 - dt) {
        t = (t - 1) / dt;
        return t * t + t + t + 1;
    }
    return 0;
}

}  // namespace

uint32_t PhaseStep(double hz) {
    const double cycles = hz / kRate;
    return static_cast<uint32_t>(static_cast<int64_t>(std::llround((cycles - std::floor(cycles)) * kCycle)));
}

const float* SineTable() {
    static const auto table = [] {
        std::array<float, (1 << kSineBits) + 1> t{};
        for (size_t i = 0; i < t.size(); ++i)
            t[i] = static_cast<float>(std::sin(kTwoPi * i / (1 << kSineBits)));
        return t;
    }();
    return table.data();
}

WaveTable::WaveTable(std::span<const double> levels, double hz) : table_((1 << kWaveBits) + 1, 0.0f) {
    for (size_t n = 0; n < levels.size(); ++n) {
        if (hz * static_cast<double>(n + 1) >= 0.45 * kRate) break;
        // Every point falls exactly on a point of the sine table: a fixed-point phase wraps by itself.
        for (size_t i = 0; i < table_.size(); ++i) {
            const auto phase = static_cast<uint32_t>((n + 1) * i) << (32 - kWaveBits);
            table_[i] += static_cast<float>(levels[n] * Sine(phase));
        }
    }
}

float WaveTable::At(uint32_t phase) const {
    return Lookup<kWaveBits>(table_.data(), phase);
}

float Saw::Next(double hz) {
    const double dt = hz / kRate;
    const double value = 2 * phase_ - 1 - PolyBlep(phase_, dt);
    phase_ += dt;
    if (phase_ >= 1) phase_ -= 1;
    return static_cast<float>(value);
}

LowPass::LowPass(double cutoffHz) : k_(static_cast<float>(1 - std::exp(-kTwoPi * cutoffHz / kRate))) {}

float LowPass::Step(float x) {
    y_ += k_ * (x - y_);
    return y_;
}

Svf::Svf(FilterKind kind, double hz, double q) : kind_(kind) {
    Tune(hz, q);
}

void Svf::Tune(double hz, double q) {
    const double g = std::tan(std::numbers::pi * std::min(hz, 0.49 * kRate) / kRate);
    k_ = 1 / q;
    a1_ = 1 / (1 + g * (g + k_));
    a2_ = g * a1_;
    a3_ = g * a2_;
}

float Svf::Step(float x) {
    const double v3 = x - ic2_;
    const double v1 = a1_ * ic1_ + a2_ * v3;
    const double v2 = ic2_ + a2_ * ic1_ + a3_ * v3;
    ic1_ = 2 * v1 - ic1_;
    ic2_ = 2 * v2 - ic2_;
    switch (kind_) {
        case FilterKind::LowPass:
            return static_cast<float>(v2);
        case FilterKind::BandPass:
            return static_cast<float>(k_ * v1);
        case FilterKind::HighPass:
            break;
    }
    return static_cast<float>(x - k_ * v1 - v2);
}

double RingingQ(double hz, double seconds) {
    return std::max(0.5, std::numbers::pi * hz * seconds);
}

DelayLine::DelayLine(int length) : line_(std::max(1, length), 0.0f) {}

float Soften(float x) {
    return std::tanh(x);
}

}  // namespace assetgen::synth
