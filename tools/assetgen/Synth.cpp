#include "tools/assetgen/Synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace assetgen::synth {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr double kRelease = 0.03;  // seconds; long enough to end a tone without a click

int FrameAt(double seconds) {
    return static_cast<int>(std::lround(seconds * kRate));
}

// Equal-power pan gains.
void PanGains(double pan, double& left, double& right) {
    const double angle = (std::clamp(pan, -1.0, 1.0) + 1) * std::numbers::pi / 4;
    left = std::cos(angle);
    right = std::sin(angle);
}

// 0 → 1 → 0 over u in [0, 1], rising over the first rise fraction with a half cosine.
double Swell(double u, double rise) {
    if (u <= 0 || u >= 1) return 0;
    if (u < rise) return 0.5 - 0.5 * std::cos(std::numbers::pi * u / rise);
    return 0.5 + 0.5 * std::cos(std::numbers::pi * (u - rise) / (1 - rise));
}

// A delay line with feedback: a comb with a low-pass in its loop, or a Schroeder all-pass.
class Delay {
public:
    explicit Delay(int length) : line_(length, 0.0f) {}
    float Comb(float x, float feedback, float damp) {
        const float y = line_[at_];
        store_ = y * (1 - damp) + store_ * damp;
        line_[at_] = x + store_ * feedback;
        at_ = (at_ + 1) % line_.size();
        return y;
    }
    float AllPass(float x) {
        const float delayed = line_[at_];
        line_[at_] = x + delayed * 0.5f;
        at_ = (at_ + 1) % line_.size();
        return delayed - x;
    }

private:
    std::vector<float> line_;
    size_t at_ = 0;
    float store_ = 0;
};

// Delay lengths tuned for 44.1 kHz: mutually prime-ish so the echoes never line up into a pitch.
constexpr int kCombs[] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
constexpr int kAllPasses[] = {556, 441, 341, 225};
constexpr int kSpread = 23;  // extra samples on the right channel's lines, for width

std::vector<float> Tail(const std::vector<float>& input, double roomSize, double damping, int spread) {
    std::vector<Delay> combs, allPasses;
    for (int length : kCombs) combs.emplace_back(length + spread);
    for (int length : kAllPasses) allPasses.emplace_back(length + spread);
    const auto feedback = static_cast<float>(0.7 + 0.28 * roomSize);
    const auto damp = static_cast<float>(0.4 * damping);
    std::vector<float> out(input.size());
    for (size_t i = 0; i < input.size(); ++i) {
        float sum = 0;
        for (Delay& comb : combs) sum += comb.Comb(input[i], feedback, damp);
        for (Delay& allPass : allPasses) sum = allPass.AllPass(sum);
        out[i] = sum;
    }
    return out;
}

}  // namespace

Stereo::Stereo(double seconds) : left(FrameAt(seconds), 0.0f), right(FrameAt(seconds), 0.0f) {}

double NoteHz(double midi) {
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

double Envelope::At(double t) const {
    if (t < 0) return 0;
    return std::min(1.0, t / attack) * std::exp(-t / decay);
}

void AddTone(Stereo& out, double start, double length, double hz, const std::vector<Partial>& partials,
             const Envelope& envelope, double gain, double pan) {
    double gl, gr;
    PanGains(pan, gl, gr);
    const int first = FrameAt(start);
    const int last = std::min(out.Frames(), FrameAt(start + length));
    for (int i = std::max(first, 0); i < last; ++i) {
        const double t = static_cast<double>(i - first) / kRate;
        double v = 0;
        for (const Partial& p : partials) {
            const double f = hz * p.ratio;
            if (f >= 0.45 * kRate) continue;
            const Envelope own{envelope.attack, envelope.decay * p.decayScale};
            v += p.level * own.At(t) * std::sin(kTwoPi * f * t);
        }
        const double release = std::min(1.0, (length - t) / kRelease);
        v *= gain * release;
        out.left[i] += static_cast<float>(v * gl);
        out.right[i] += static_cast<float>(v * gr);
    }
}

void AddPad(Stereo& out, double start, double length, const std::vector<double>& hz, double gain) {
    const int first = FrameAt(start);
    const int last = std::min(out.Frames(), FrameAt(start + length));
    for (int i = std::max(first, 0); i < last; ++i) {
        const double t = static_cast<double>(i - first) / kRate;
        const double level = gain * Swell(t / length, 0.3);
        double l = 0, r = 0;
        for (double f : hz) {
            // The two voices drift apart by a few cents and sit on either side: a slow, wide chorus.
            l += std::sin(kTwoPi * f * 0.9985 * t) + 0.2 * std::sin(kTwoPi * f * 2 * t);
            r += std::sin(kTwoPi * f * 1.0015 * t) + 0.2 * std::sin(kTwoPi * f * 2.001 * t);
        }
        out.left[i] += static_cast<float>(l * level);
        out.right[i] += static_cast<float>(r * level);
    }
}

void AddNoiseBurst(Stereo& out, double start, double length, double cutoffHz, double gain, double pan,
                   Random& random) {
    double gl, gr;
    PanGains(pan, gl, gr);
    LowPass filter(cutoffHz);
    const Envelope envelope{0.001, length / 4};
    const int first = FrameAt(start);
    const int last = std::min(out.Frames(), FrameAt(start + length));
    for (int i = std::max(first, 0); i < last; ++i) {
        const double t = static_cast<double>(i - first) / kRate;
        const double fade = std::min(1.0, (length - t) / kRelease);
        const double v = filter.Step(static_cast<float>(random.Range(-1, 1))) * envelope.At(t) * fade * gain;
        out.left[i] += static_cast<float>(v * gl);
        out.right[i] += static_cast<float>(v * gr);
    }
}

LowPass::LowPass(double cutoffHz) : k_(static_cast<float>(1 - std::exp(-kTwoPi * cutoffHz / kRate))) {}

float LowPass::Step(float x) {
    y_ += k_ * (x - y_);
    return y_;
}

void AddReverb(Stereo& buffer, double roomSize, double damping, double wet) {
    std::vector<float> mono(buffer.left.size());
    for (size_t i = 0; i < mono.size(); ++i) mono[i] = 0.015f * (buffer.left[i] + buffer.right[i]);
    const std::vector<float> left = Tail(mono, roomSize, damping, 0);
    const std::vector<float> right = Tail(mono, roomSize, damping, kSpread);
    for (size_t i = 0; i < mono.size(); ++i) {
        buffer.left[i] += static_cast<float>(wet * left[i]);
        buffer.right[i] += static_cast<float>(wet * right[i]);
    }
}

void FadeEnds(Stereo& buffer, double fadeInSeconds, double fadeOutSeconds) {
    const int frames = buffer.Frames();
    const int in = std::min(frames, FrameAt(fadeInSeconds));
    const int out = std::min(frames, FrameAt(fadeOutSeconds));
    for (int i = 0; i < frames; ++i) {
        double g = 1;
        if (i < in) g *= 0.5 - 0.5 * std::cos(std::numbers::pi * i / in);
        const int fromEnd = frames - 1 - i;
        if (fromEnd < out) g *= 0.5 - 0.5 * std::cos(std::numbers::pi * fromEnd / out);
        buffer.left[i] = static_cast<float>(buffer.left[i] * g);
        buffer.right[i] = static_cast<float>(buffer.right[i] * g);
    }
}

void NormalisePeak(Stereo& buffer, double dbfs) {
    float peak = 0;
    for (float v : buffer.left) peak = std::max(peak, std::abs(v));
    for (float v : buffer.right) peak = std::max(peak, std::abs(v));
    if (peak == 0) return;
    const auto scale = static_cast<float>(std::pow(10.0, dbfs / 20) / peak);
    for (float& v : buffer.left) v *= scale;
    for (float& v : buffer.right) v *= scale;
}

platform::SoundData ToSound(const Stereo& buffer) {
    platform::SoundData sound;
    sound.rate = kRate;
    sound.channels = 2;
    sound.samples.reserve(buffer.left.size() * 2);
    for (size_t i = 0; i < buffer.left.size(); ++i) {
        sound.samples.push_back(buffer.left[i]);
        sound.samples.push_back(buffer.right[i]);
    }
    return sound;
}

}  // namespace assetgen::synth
