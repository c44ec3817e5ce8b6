#include "tools/assetgen/Processing.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace assetgen::synth {

namespace {

// Delay lengths tuned for 44.1 kHz: mutually prime-ish so the echoes never line up into a pitch.
constexpr int kCombs[] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
constexpr int kAllPasses[] = {556, 441, 341, 225};
constexpr int kSpread = 23;  // extra samples on the right channel's lines, for width

class Comb {
public:
    explicit Comb(int length) : line_(length) {}
    float Step(float x, float feedback, float damp) {
        const float y = line_.Read();
        store_ = y * (1 - damp) + store_ * damp;
        line_.Write(x + store_ * feedback);
        return y;
    }

private:
    DelayLine line_;
    float store_ = 0;
};

class AllPass {
public:
    explicit AllPass(int length) : line_(length) {}
    float Step(float x) {
        const float delayed = line_.Read();
        line_.Write(x + delayed * 0.5f);
        return delayed - x;
    }

private:
    DelayLine line_;
};

std::vector<float> Tail(const std::vector<float>& input, double roomSize, double damping, int spread) {
    std::vector<Comb> combs;
    std::vector<AllPass> allPasses;
    for (int length : kCombs) combs.emplace_back(length + spread);
    for (int length : kAllPasses) allPasses.emplace_back(length + spread);
    const auto feedback = static_cast<float>(0.7 + 0.28 * roomSize);
    const auto damp = static_cast<float>(0.4 * damping);
    std::vector<float> out(input.size());
    for (size_t i = 0; i < input.size(); ++i) {
        float sum = 0;
        for (Comb& comb : combs) sum += comb.Step(input[i], feedback, damp);
        for (AllPass& allPass : allPasses) sum = allPass.Step(sum);
        out[i] = sum;
    }
    return out;
}

float FrameLevel(const Stereo& buffer, int i) {
    return std::max(std::abs(buffer.left[i]), std::abs(buffer.right[i]));
}

void Keep(Stereo& buffer, int first, int end) {
    for (std::vector<float>* channel : {&buffer.left, &buffer.right}) {
        channel->erase(channel->begin() + end, channel->end());
        channel->erase(channel->begin(), channel->begin() + first);
    }
}

void Scale(Stereo& buffer, float gain) {
    for (float& v : buffer.left) v *= gain;
    for (float& v : buffer.right) v *= gain;
}

// Largest absolute sample of either channel.
float PeakOf(const Stereo& buffer) {
    float peak = 0;
    for (float v : buffer.left) peak = std::max(peak, std::abs(v));
    for (float v : buffer.right) peak = std::max(peak, std::abs(v));
    return peak;
}

// Root mean square of both channels, in dBFS.
double RmsDbOf(const Stereo& buffer) {
    double sum = 0;
    for (float v : buffer.left) sum += v * v;
    for (float v : buffer.right) sum += v * v;
    const double rms = std::sqrt(sum / std::max<size_t>(1, 2 * buffer.left.size()));
    return 20 * std::log10(std::max(rms, 1e-12));
}

}  // namespace

void Mix(Stereo& out, const Stereo& part, double at, double gain) {
    const int offset = FrameAt(at);
    const auto g = static_cast<float>(gain);
    for (int i = std::max(0, -offset); i < part.Frames() && i + offset < out.Frames(); ++i) {
        out.left[i + offset] += part.left[i] * g;
        out.right[i + offset] += part.right[i] * g;
    }
}

void AutoPan(Stereo& buffer, double from, double to) {
    const int frames = buffer.Frames();
    for (int i = 0; i < frames; ++i) {
        const Pan place(from + (to - from) * i / std::max(1, frames - 1));
        const float mid = 0.5f * (buffer.left[i] + buffer.right[i]);
        // The mid signal re-placed; √2 keeps a centred sound at its old level.
        buffer.left[i] = std::numbers::sqrt2_v<float> * mid * place.left;
        buffer.right[i] = std::numbers::sqrt2_v<float> * mid * place.right;
    }
}

void AddReverb(Stereo& buffer, double roomSize, double damping, double wet) {
    AddReverb(buffer, buffer, roomSize, damping, wet);
}

void AddReverb(Stereo& out, const Stereo& send, double roomSize, double damping, double wet) {
    std::vector<float> mono(send.left.size());
    for (size_t i = 0; i < mono.size(); ++i) mono[i] = 0.015f * (send.left[i] + send.right[i]);
    const std::vector<float> left = Tail(mono, roomSize, damping, 0);
    const std::vector<float> right = Tail(mono, roomSize, damping, kSpread);
    const size_t frames = std::min(mono.size(), out.left.size());
    for (size_t i = 0; i < frames; ++i) {
        out.left[i] += static_cast<float>(wet * left[i]);
        out.right[i] += static_cast<float>(wet * right[i]);
    }
}

void AddEcho(Stereo& buffer, double delaySeconds, double feedback, double cutoffHz, double wet) {
    const int delay = FrameAt(delaySeconds);
    int side = 0;
    for (std::vector<float>* channel : {&buffer.left, &buffer.right}) {
        DelayLine line(delay + side * delay / 9);
        LowPass dull(cutoffHz);
        for (float& v : *channel) {
            const float echo = dull.Step(line.Read());
            line.Write(v + echo * static_cast<float>(feedback));
            v += echo * static_cast<float>(wet);
        }
        ++side;
    }
}

void Saturate(Stereo& buffer, double drive) {
    const auto d = static_cast<float>(drive);
    for (std::vector<float>* channel : {&buffer.left, &buffer.right}) {
        for (float& v : *channel) v = Soften(v * d) / d;
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
    const float peak = PeakOf(buffer);
    if (peak > 0) Scale(buffer, static_cast<float>(std::pow(10.0, dbfs / 20) / peak));
}

void FoldLoop(Stereo& buffer, double loopSeconds) {
    const int loop = std::min(buffer.Frames(), FrameAt(loopSeconds));
    for (int i = loop; i < buffer.Frames(); ++i) {
        buffer.left[(i - loop) % loop] += buffer.left[i];
        buffer.right[(i - loop) % loop] += buffer.right[i];
    }
    Keep(buffer, 0, loop);
}

void Level(Stereo& buffer, double rmsDbfs, double ceilingDbfs) {
    Scale(buffer, static_cast<float>(std::pow(10.0, (rmsDbfs - RmsDbOf(buffer)) / 20)));
    // Above the knee the curve bends smoothly towards the ceiling, keeping its slope at the knee.
    const double ceiling = std::pow(10.0, ceilingDbfs / 20), knee = std::pow(10.0, (ceilingDbfs - 3) / 20);
    for (std::vector<float>* channel : {&buffer.left, &buffer.right}) {
        for (float& v : *channel) {
            const double magnitude = std::abs(v);
            if (magnitude <= knee) continue;
            const double bent = knee + (ceiling - knee) * std::tanh((magnitude - knee) / (ceiling - knee));
            v = static_cast<float>(std::copysign(bent, v));
        }
    }
}

void FinishEffect(Stereo& buffer, double dbfs) {
    // A DC blocker (a pole at about 3 Hz): a lopsided wave would otherwise thump when it starts or stops.
    for (std::vector<float>* channel : {&buffer.left, &buffer.right}) {
        float previous = 0, y = 0;
        for (float& v : *channel) {
            y = v - previous + 0.9995f * y;
            previous = v;
            v = y;
        }
    }
    const float peak = PeakOf(buffer);
    if (peak == 0) return;
    // The sound begins where it first reaches 30 dB under its peak and ends once it stays 60 dB under.
    constexpr double kLeadDb = -30, kTailDb = -60;
    const auto lead = static_cast<float>(peak * std::pow(10.0, kLeadDb / 20));
    const auto tail = static_cast<float>(peak * std::pow(10.0, kTailDb / 20));
    int first = 0, last = buffer.Frames() - 1;
    while (FrameLevel(buffer, first) < lead) ++first;
    while (FrameLevel(buffer, last) < tail) --last;
    constexpr double kFadeIn = 0.0005, kFadeOut = 0.03;
    first = std::max(0, first - FrameAt(kFadeIn));
    Keep(buffer, first, std::min(buffer.Frames(), last + FrameAt(kFadeOut)));
    FadeEnds(buffer, kFadeIn, kFadeOut);
    NormalisePeak(buffer, dbfs);
}

}  // namespace assetgen::synth
