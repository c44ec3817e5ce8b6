#include "tools/assetgen/Synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace assetgen::synth {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr double kRelease = 0.03;  // seconds; long enough to end a tone without a click

// 0 → 1 → 0 over u in [0, 1], rising over the first rise fraction with a half cosine.
double Swell(double u, double rise) {
    if (u <= 0 || u >= 1) return 0;
    if (u < rise) return 0.5 - 0.5 * std::cos(std::numbers::pi * u / rise);
    return 0.5 + 0.5 * std::cos(std::numbers::pi * (u - rise) / (1 - rise));
}

// The frames a sound placed at start for length seconds covers inside the buffer, and the ramp that ends
// it at zero.
struct Span {
    Span(const Stereo& out, double start, double length)
        : first(FrameAt(start)),
          begin(std::max(first, 0)),
          end(std::min(out.Frames(), FrameAt(start + length))),
          length(length) {}
    double Time(int i) const { return static_cast<double>(i - first) / kRate; }
    double Release(double t) const { return std::clamp((length - t) / kRelease, 0.0, 1.0); }
    int first, begin, end;
    double length;
};

// The level of an envelope whose decay is scaled, stepped sample by sample: one multiplication per
// sample instead of an exponential.
class Decay {
public:
    Decay(const Envelope& envelope, double decayScale)
        : attack_(envelope.attack),
          sustainEnd_(envelope.attack + envelope.hold),
          factor_(std::exp(-1 / (kRate * envelope.decay * decayScale))) {}
    double Next(double t) {
        if (t < attack_) return t / attack_;
        if (t >= sustainEnd_) decayed_ *= factor_;
        return decayed_;
    }

private:
    double attack_, sustainEnd_, factor_;
    double decayed_ = 1;
};

}  // namespace

Stereo::Stereo(double seconds) : left(FrameAt(seconds), 0.0f), right(FrameAt(seconds), 0.0f) {}

int FrameAt(double seconds) {
    return static_cast<int>(std::lround(seconds * kRate));
}

double NoteHz(double midi) {
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

Pan::Pan(double position) {
    const double angle = (std::clamp(position, -1.0, 1.0) + 1) * std::numbers::pi / 4;
    left = static_cast<float>(std::cos(angle));
    right = static_cast<float>(std::sin(angle));
}

double Envelope::At(double t) const {
    if (t < 0) return 0;
    if (t < attack) return t / attack;
    return std::exp(-std::max(0.0, t - attack - hold) / decay);
}

Pitch& Pitch::GlideTo(double hz, double seconds, double at) {
    glides_.push_back({at, hz, seconds});
    return *this;
}

Pitch& Pitch::Vibrato(double hz, double semitones, double delay) {
    vibratoHz_ = hz;
    vibratoDepth_ = semitones;
    vibratoDelay_ = delay;
    return *this;
}

double Pitch::At(double t) const {
    // Each glide starts from wherever the previous one had got to.
    double hz = hz_;
    for (size_t i = 0; i < glides_.size() && glides_[i].at < t; ++i) {
        const Glide& g = glides_[i];
        const double until = i + 1 < glides_.size() ? std::min(t, glides_[i + 1].at) : t;
        hz = g.hz + (hz - g.hz) * std::exp(-(until - g.at) / g.seconds);
    }
    if (vibratoDepth_ > 0 && t > vibratoDelay_) {
        const double depth = vibratoDepth_ * std::min(1.0, (t - vibratoDelay_) / 0.2);
        hz *= std::pow(2.0, depth * std::sin(kTwoPi * vibratoHz_ * (t - vibratoDelay_)) / 12);
    }
    return hz;
}

void AddTone(Stereo& out, double start, double length, const Pitch& pitch,
             const std::vector<Partial>& partials, const Envelope& envelope, double gain, double pan) {
    const Pan place(pan);
    const Span span(out, start, length);
    std::vector<Decay> levels;
    for (const Partial& p : partials) levels.emplace_back(envelope, p.decayScale);
    std::vector<uint32_t> phases(partials.size(), 0), steps(partials.size(), 0);
    // Partials at or above 0.45 × the rate would alias; they keep a level of 0.
    std::vector<double> heard(partials.size(), 0);
    const auto tune = [&](double hz) {
        for (size_t k = 0; k < partials.size(); ++k) {
            const double f = hz * partials[k].ratio;
            steps[k] = PhaseStep(f);
            heard[k] = f < 0.45 * kRate ? partials[k].level : 0;
        }
    };
    tune(pitch.At(0));
    for (int i = span.first; i < span.end; ++i) {
        const double t = span.Time(i);
        // A moving pitch is followed every few samples: finer steps could not be heard.
        if (!pitch.Steady() && (i - span.first) % 8 == 0) tune(pitch.At(t));
        double v = 0;
        for (size_t k = 0; k < partials.size(); ++k) {
            v += heard[k] * levels[k].Next(t) * Sine(phases[k]);
            phases[k] += steps[k];
        }
        if (i < span.begin) continue;
        v *= gain * span.Release(t);
        out.left[i] += static_cast<float>(v * place.left);
        out.right[i] += static_cast<float>(v * place.right);
    }
}

void AddPad(Stereo& out, double start, double length, const std::vector<double>& hz, double gain) {
    const Span span(out, start, length);
    for (int i = span.begin; i < span.end; ++i) {
        const double t = span.Time(i);
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

void AddNoise(Stereo& out, double start, double length, const Band& band, const Envelope& envelope,
              double gain, double pan, Random& random) {
    const Pan place(pan);
    const Span span(out, start, length);
    Svf filter(band.kind, band.hz, band.q);
    const double ratio = band.toHz > 0 ? band.toHz / band.hz : 1;
    constexpr int kRetune = 16;  // samples between cutoff updates: a sweep is smooth at that rate
    for (int i = span.first; i < span.end; ++i) {
        const double t = span.Time(i);
        if (ratio != 1 && (i - span.first) % kRetune == 0) {
            filter.Tune(band.hz * std::pow(ratio, std::min(1.0, t / length)), band.q);
        }
        const double v = filter.Step(static_cast<float>(random.Range(-1, 1)));
        if (i < span.begin) continue;
        const double level = v * envelope.At(t) * gain * span.Release(t);
        out.left[i] += static_cast<float>(level * place.left);
        out.right[i] += static_cast<float>(level * place.right);
    }
}

void AddNoiseBurst(Stereo& out, double start, double length, double cutoffHz, double gain, double pan,
                   Random& random) {
    AddNoise(out, start, length, {FilterKind::LowPass, cutoffHz}, {0.001, length / 4}, gain, pan, random);
}

void AddPluck(Stereo& out, double start, double length, double hz, const Pluck& pluck, double gain,
              double pan, Random& random) {
    const Pan place(pan);
    const Span span(out, start, length);
    // The loop's delay is the line, half a sample for the averaging filter and a fractional all-pass
    // that tunes the string between whole samples.
    const double period = kRate / hz;
    int whole = static_cast<int>(std::floor(period - 0.5));
    double fraction = period - 0.5 - whole;
    if (fraction < 0.1) {
        whole -= 1;
        fraction += 1;
    }
    const double tune = (1 - fraction) / (1 + fraction);
    const double loss = std::exp(-1 / (hz * pluck.decay));
    DelayLine line(whole);
    // The string starts bent into a triangle by the finger, roughened by a little seeded noise and
    // softened by the brightness, with no offset (an offset would ring on as a slow drift).
    constexpr double kApex = 0.2, kRoughness = 0.25;
    LowPass shape(hz * (1.5 + 24 * pluck.brightness * pluck.brightness));
    std::vector<float> excitation(whole);
    double mean = 0;
    for (int i = 0; i < whole; ++i) {
        const double u = static_cast<double>(i) / whole;
        const double bend = u < kApex ? u / kApex : (1 - u) / (1 - kApex);
        excitation[i] =
            shape.Step(static_cast<float>((1 - kRoughness) * bend + kRoughness * random.Range(-1, 1)));
        mean += excitation[i];
    }
    mean /= whole;
    for (float x : excitation) line.Write(static_cast<float>(2 * (x - mean)));
    double previous = 0, allPassIn = 0, allPassOut = 0;
    for (int i = span.first; i < span.end; ++i) {
        const double x = line.Read();
        const double averaged = 0.5 * (x + previous);
        previous = x;
        allPassOut = tune * averaged + allPassIn - tune * allPassOut;
        allPassIn = averaged;
        line.Write(static_cast<float>(loss * allPassOut));
        if (i < span.begin) continue;
        const double v = x * gain * span.Release(span.Time(i));
        out.left[i] += static_cast<float>(v * place.left);
        out.right[i] += static_cast<float>(v * place.right);
    }
}

void AddVoice(Stereo& out, double start, double length, const Pitch& pitch, const Throat& throat,
              const Envelope& envelope, double gain, double pan, Random& random) {
    const Pan place(pan);
    const Span span(out, start, length);
    Saw buzz;
    // Roughness: slow random wobble, low-passed so it sounds like a strained throat, not like noise; the
    // low-pass leaves about 1/30 of the noise's spread, which kUnit restores.
    constexpr double kUnit = 30;
    LowPass wobblePitch(25), wobbleLevel(40);
    std::vector<Svf> formants;
    for (const Formant& f : throat.formants)
        formants.emplace_back(FilterKind::BandPass, f.hz, RingingQ(f.hz, f.ring));
    for (int i = span.first; i < span.end; ++i) {
        const double t = span.Time(i);
        const double shake = kUnit * wobblePitch.Step(static_cast<float>(random.Range(-1, 1)));
        const double tremble = kUnit * wobbleLevel.Step(static_cast<float>(random.Range(-1, 1)));
        const double hz = pitch.At(t) * (1 + 0.04 * throat.roughness * shake);
        const double source = buzz.Next(hz) * std::max(0.0, 1 + 0.4 * throat.roughness * tremble) +
                              throat.breath * random.Range(-1, 1);
        double v = 0;
        for (size_t k = 0; k < formants.size(); ++k) {
            v += throat.formants[k].level * formants[k].Step(static_cast<float>(source));
        }
        if (i < span.begin) continue;
        v *= envelope.At(t) * gain * span.Release(t);
        out.left[i] += static_cast<float>(v * place.left);
        out.right[i] += static_cast<float>(v * place.right);
    }
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
