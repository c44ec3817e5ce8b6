#pragma once

#include <cstdint>
#include <span>
#include <vector>

// The per-sample pieces the synthesiser and the instruments are built from. Everything here is cheap
// enough to run for every voice of every note of the music, and gives the same numbers on every run.
namespace assetgen::synth {

inline constexpr int kRate = 44100;

// Phases are 32-bit fixed point (one cycle = 2^32), so oscillators never drift or lose precision over a
// long track and a table lookup needs no division.
uint32_t PhaseStep(double hz);
// Sine of a fixed-point phase from a shared table with linear interpolation (error below -120 dB); inline,
// as every partial of every note calls it once a sample.
inline constexpr int kSineBits = 12;
const float* SineTable();
inline float Sine(uint32_t phase) {
    constexpr int kShift = 32 - kSineBits;
    constexpr float kPerFraction = 1.0f / static_cast<float>(1u << kShift);
    const float* table = SineTable();
    const uint32_t index = phase >> kShift;
    const float fraction = static_cast<float>(phase & ((1u << kShift) - 1)) * kPerFraction;
    return table[index] + (table[index + 1] - table[index]) * fraction;
}

// One period of a tone with the given harmonic levels (harmonic n + 1 at levels[n]), band-limited for a
// fundamental of hz: harmonics at or above 0.45 × the rate are left out, so high notes do not alias.
class WaveTable {
public:
    WaveTable(std::span<const double> levels, double hz);
    float At(uint32_t phase) const;

private:
    std::vector<float> table_;
};

// A band-limited sawtooth (PolyBLEP): the buzz of a voice or a reed before its formants shape it.
class Saw {
public:
    float Next(double hz);

private:
    double phase_ = 0;
};

// One-pole low-pass filter, stateful so it can run across a buffer.
class LowPass {
public:
    explicit LowPass(double cutoffHz);
    float Step(float x);

private:
    float k_, y_ = 0;
};

// A state-variable filter (trapezoidal, so the cutoff may move every sample without blowing up). The
// band-pass output has unity gain at its centre, which makes it a resonator: with q = π·hz·τ it rings for
// a time constant of τ seconds.
enum class FilterKind { LowPass, BandPass, HighPass };

class Svf {
public:
    Svf(FilterKind kind, double hz, double q);
    void Tune(double hz, double q);
    float Step(float x);

private:
    FilterKind kind_;
    double k_ = 1, a1_ = 0, a2_ = 0, a3_ = 0;
    double ic1_ = 0, ic2_ = 0;
};

// The q at which a band-pass at hz rings with a time constant of seconds.
double RingingQ(double hz, double seconds);

// A feedback delay line of a whole number of samples.
class DelayLine {
public:
    explicit DelayLine(int length);
    // The sample written length steps ago.
    float Read() const { return line_[at_]; }
    void Write(float x) {
        line_[at_] = x;
        if (++at_ == line_.size()) at_ = 0;
    }

private:
    std::vector<float> line_;
    size_t at_ = 0;
};

// Gentle saturation: linear for small signals, rounding off towards ±1.
float Soften(float x);

}  // namespace assetgen::synth
