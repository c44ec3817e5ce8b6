#include "tools/assetgen/Instruments.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <numbers>

namespace assetgen::music {

namespace {

using namespace synth;

// Velocity to level: a gentle curve, so soft notes are clearly softer without vanishing.
double Loudness(double velocity) {
    return std::pow(std::clamp(velocity, 0.0, 1.0), 1.4);
}

// Decay times scale with pitch: low strings and bars ring longer than high ones.
double ByPitch(double seconds, double hz, double reference, double power) {
    return seconds * std::pow(reference / hz, power);
}

// An instrument that treats each note on its own.
Instrument EachNote(
    std::function<void(Stereo&, const Sounding&, double hz, double level, double pan, Random&)> play) {
    return [play = std::move(play)](Stereo& out, const std::vector<Sounding>& notes, double pan,
                                    Random& random) {
        for (const Sounding& note : notes)
            play(out, note, NoteHz(note.midi), Loudness(note.velocity), pan, random);
    };
}

// 0 → 1 with level ends over x in [0, 1], as a raised cosine does but without the cosine.
double SmoothStep(double x) {
    x = std::clamp(x, 0.0, 1.0);
    return x * x * (3 - 2 * x);
}

// How a held note speaks, wavers and lets go.
struct Breath {
    double attack, release;  // seconds (smooth ramps)
    double vibratoHz = 0, vibratoSemitones = 0, vibratoDelay = 0;
    double tremoloHz = 0, tremoloDepth = 0;
};

// The band-limited tables of one timbre, one per note, made when first needed.
class Tables {
public:
    explicit Tables(std::vector<double> harmonics) : harmonics_(std::move(harmonics)) {}
    const WaveTable& For(double midi) {
        const int key = static_cast<int>(std::lround(midi));
        auto found = tables_.find(key);
        if (found == tables_.end())
            found = tables_.emplace(key, WaveTable(harmonics_, NoteHz(key + 0.5))).first;
        return found->second;
    }

private:
    std::vector<double> harmonics_;
    std::map<int, WaveTable> tables_;
};

// One held note read from a wave table, detuned by cents.
void AddHeld(Stereo& out, const Sounding& note, const WaveTable& table, const Breath& breath, double cents,
             double gain, double pan, uint32_t phase) {
    const Pan place(pan);
    const int first = FrameAt(note.start);
    const int end = std::min(out.Frames(), FrameAt(note.start + note.length + breath.release));
    const double step = NoteHz(note.midi + cents / 100) / kRate * 4294967296.0;
    const double depth = std::numbers::ln2 / 12 * breath.vibratoSemitones;
    const uint32_t vibratoStep = PhaseStep(breath.vibratoHz), tremoloStep = PhaseStep(breath.tremoloHz);
    uint32_t vibrato = phase * 3, tremolo = phase * 7;  // each note's wavering starts somewhere else
    double held = 0;
    for (int i = std::max(0, first); i < end; ++i) {
        const double t = static_cast<double>(i - first) / kRate;
        double level;
        if (t < note.length) {
            level = t < breath.attack ? SmoothStep(t / breath.attack) : 1;
            held = level;
        } else {
            level = held * SmoothStep(1 - (t - note.length) / breath.release);
        }
        const double fadeIn = std::clamp((t - breath.vibratoDelay) / 0.3, 0.0, 1.0);
        phase += static_cast<uint32_t>(step * (1 + depth * fadeIn * Sine(vibrato)));
        vibrato += vibratoStep;
        tremolo += tremoloStep;
        const double swell = 1 - breath.tremoloDepth * (0.5 + 0.5 * Sine(tremolo));
        const double v = table.At(phase) * level * swell * gain;
        out.left[i] += static_cast<float>(v * place.left);
        out.right[i] += static_cast<float>(v * place.right);
    }
}

// A held instrument: voices at the given detunings (cents) and spreads (added to the part's pan).
Instrument Held(std::vector<double> harmonics, Breath breath, std::vector<std::pair<double, double>> voices,
                double gain) {
    auto tables = std::make_shared<Tables>(std::move(harmonics));
    return [=](Stereo& out, const std::vector<Sounding>& notes, double pan, Random& random) {
        for (const Sounding& note : notes) {
            const WaveTable& table = tables->For(note.midi);
            for (const auto& [cents, spread] : voices) {
                const auto phase = static_cast<uint32_t>(random.Next());
                AddHeld(out, note, table, breath, cents, gain * Loudness(note.velocity) / voices.size(),
                        pan + spread, phase);
            }
        }
    };
}

// Harmonic levels falling as 1/n^power up to count harmonics, the even ones scaled by even.
std::vector<double> Series(int count, double power, double even = 1) {
    std::vector<double> levels;
    for (int n = 1; n <= count; ++n) levels.push_back((n % 2 ? 1 : even) / std::pow(n, power));
    return levels;
}

}  // namespace

Instrument Celesta() {
    return EachNote(
        [](Stereo& out, const Sounding& note, double hz, double level, double pan, Random& random) {
            const double decay = std::clamp(ByPitch(1.2, hz, 523, 0.4), 0.3, 2.5);
            const double bright = std::sqrt(level);
            AddTone(out, note.start, std::min(note.length + 0.35, 5 * decay), hz,
                    {{1, 1, 1}, {2, 0.3 * bright, 0.5}, {3, 0.08 * bright, 0.35}, {4.1, 0.05 * bright, 0.25}},
                    {0.002, decay}, 0.45 * level, pan);
            AddNoise(out, note.start, 0.01, {FilterKind::HighPass, 1500}, {0.0005, 0.002}, 0.08 * level, pan,
                     random);
        });
}

Instrument MusicBox() {
    return EachNote(
        [](Stereo& out, const Sounding& note, double hz, double level, double pan, Random& random) {
            const double decay = std::clamp(ByPitch(1.4, hz, 880, 0.5), 0.4, 2.5);
            AddTone(out, note.start, 6 * decay, hz,
                    {{1, 1, 1}, {2, 0.08, 0.5}, {6.27, 0.18, 0.2}, {17.5, 0.04, 0.1}}, {0.0015, decay},
                    0.4 * level, pan);
            AddNoise(out, note.start, 0.006, {FilterKind::HighPass, 4000}, {0.0003, 0.0015}, 0.1 * level, pan,
                     random);
        });
}

Instrument Xylophone() {
    return EachNote(
        [](Stereo& out, const Sounding& note, double hz, double level, double pan, Random& random) {
            const double decay = std::clamp(ByPitch(0.3, hz, 440, 0.3), 0.12, 0.6);
            AddTone(out, note.start, 6 * decay, hz, {{1, 1, 1}, {3, 0.28, 0.35}, {6.2, 0.08, 0.2}},
                    {0.0006, decay}, 0.45 * level, pan);
            AddNoise(out, note.start, 0.012, {FilterKind::BandPass, 2800, 0, 1}, {0.0003, 0.002},
                     0.25 * level, pan, random);
        });
}

Instrument Pizzicato() {
    return EachNote(
        [](Stereo& out, const Sounding& note, double hz, double level, double pan, Random& random) {
            const double decay = ByPitch(0.3, hz, 330, 0.3);
            AddPluck(out, note.start, std::min(note.length + 0.25, 1.2), hz, {decay, 0.45}, 0.9 * level, pan,
                     random);
        });
}

Instrument Harp() {
    return EachNote(
        [](Stereo& out, const Sounding& note, double hz, double level, double pan, Random& random) {
            const double decay = std::clamp(ByPitch(1.5, hz, 330, 0.4), 0.4, 3.0);
            AddPluck(out, note.start, std::min(note.length + 2.0, 3.5), hz, {decay, 0.55}, 0.7 * level, pan,
                     random);
        });
}

Instrument Bass() {
    return EachNote(
        [](Stereo& out, const Sounding& note, double hz, double level, double pan, Random& random) {
            AddPluck(out, note.start, note.length + 0.08, hz, {0.9, 0.3}, 0.9 * level, pan, random);
        });
}

Instrument ReedOrgan() {
    return Held(Series(14, 1.3, 0.7), {0.06, 0.15, 0, 0, 0, 4.5, 0.12}, {{-4, -0.35}, {4, 0.35}}, 0.42);
}

Instrument Strings() {
    std::vector<double> harmonics = Series(24, 1);
    for (size_t n = 0; n < harmonics.size(); ++n) harmonics[n] /= 1 + std::pow((n + 1) / 5.0, 2);
    return Held(harmonics, {0.35, 0.5, 5, 0.06, 0.2}, {{-7, -0.5}, {0, 0}, {7, 0.5}}, 0.5);
}

Instrument Flute() {
    const Instrument tone = Held({1, 0.18, 0.06, 0.03}, {0.06, 0.09, 5.2, 0.15, 0.25}, {{0, 0}}, 0.45);
    return [tone](Stereo& out, const std::vector<Sounding>& notes, double pan, Random& random) {
        tone(out, notes, pan, random);
        // Breath: a puff at the start of each note and a little air under it.
        for (const Sounding& note : notes) {
            const double hz = NoteHz(note.midi), level = Loudness(note.velocity);
            AddNoise(out, note.start, 0.05, {FilterKind::BandPass, 2 * hz, 0, 2}, {0.005, 0.015},
                     0.12 * level, pan, random);
            AddNoise(out, note.start, note.length, {FilterKind::BandPass, 3 * hz, 0, 1.5}, {0.05, 10},
                     0.025 * level, pan, random);
        }
    };
}

Instrument Clarinet() {
    return Held({1, 0.03, 0.55, 0.03, 0.32, 0.02, 0.18, 0.01, 0.1, 0.01, 0.05}, {0.035, 0.06, 5, 0.03, 0.3},
                {{0, 0}}, 0.4);
}

Instrument Theremin() {
    auto tables = std::make_shared<Tables>(std::vector<double>{1, 0.1, 0.05, 0.02});
    return [tables](Stereo& out, const std::vector<Sounding>& unsorted, double pan, Random&) {
        if (unsorted.empty()) return;
        std::vector<Sounding> notes = unsorted;
        std::sort(notes.begin(), notes.end(),
                  [](const Sounding& a, const Sounding& b) { return a.start < b.start; });
        const Pan place(pan);
        constexpr double kGlide = 0.07, kAttack = 0.08, kRelease = 0.2, kTouch = 0.03;
        const double glide = 1 - std::exp(-1.0 / (kRate * kGlide));
        const double rise = 1 - std::exp(-1.0 / (kRate * kAttack / 3));
        const double fall = 1 - std::exp(-1.0 / (kRate * kRelease / 3));
        const int first = std::max(0, FrameAt(notes.front().start));
        const int end =
            std::min(out.Frames(), FrameAt(notes.back().start + notes.back().length + 2 * kRelease));
        size_t next = 0;
        double midi = notes.front().midi, target = midi, level = 0, aim = 0, sungFor = 0, noteEnd = -1;
        uint32_t phase = 0, vibrato = 0;
        const uint32_t vibratoStep = PhaseStep(6);
        for (int i = first; i < end; ++i) {
            const double t = static_cast<double>(i) / kRate;
            while (next < notes.size() && notes[next].start <= t) {
                // A note that follows straight on slides there; after a gap the hand starts afresh, from
                // a little below.
                const bool legato = t - noteEnd < kTouch;
                target = notes[next].midi;
                if (!legato) {
                    midi = target - 0.5;
                    sungFor = 0;
                }
                aim = Loudness(notes[next].velocity);
                noteEnd = notes[next].start + notes[next].length;
                ++next;
            }
            if (t >= noteEnd) aim = 0;
            midi += (target - midi) * glide;
            level += (aim - level) * (aim > level ? rise : fall);
            sungFor += 1.0 / kRate;
            const double wobble = 0.3 * std::clamp((sungFor - 0.15) / 0.4, 0.0, 1.0) * Sine(vibrato);
            vibrato += vibratoStep;
            phase += PhaseStep(NoteHz(midi + wobble));
            const double v = tables->For(target).At(phase) * level * 0.5;
            out.left[i] += static_cast<float>(v * place.left);
            out.right[i] += static_cast<float>(v * place.right);
        }
    };
}

Instrument Timpani() {
    return EachNote([](Stereo& out, const Sounding& note, double hz, double level, double pan,
                       Random& random) {
        AddTone(out, note.start, 5, Pitch(hz * 1.015).GlideTo(hz, 0.06),
                {{1, 1, 1}, {1.5, 0.55, 0.8}, {1.99, 0.35, 0.7}, {2.44, 0.2, 0.6}, {2.9, 0.1, 0.5}},
                {0.003, 0.9}, 0.6 * level, pan);
        AddNoise(out, note.start, 0.05, {FilterKind::LowPass, 900}, {0.001, 0.012}, 0.3 * level, pan, random);
    });
}

Instrument Kick() {
    return EachNote([](Stereo& out, const Sounding& note, double, double level, double pan, Random& random) {
        AddTone(out, note.start, 1.0, Pitch(95).GlideTo(46, 0.03), {{1, 1, 1}}, {0.002, 0.16}, 0.8 * level,
                pan);
        AddNoise(out, note.start, 0.006, {FilterKind::LowPass, 2500}, {0.0003, 0.0015}, 0.2 * level, pan,
                 random);
    });
}

Instrument Brush() {
    return EachNote([](Stereo& out, const Sounding& note, double, double level, double pan, Random& random) {
        AddNoise(out, note.start, 0.3, {FilterKind::BandPass, 3000, 0, 0.6}, {0.002, 0.07}, 1.1 * level, pan,
                 random);
    });
}

Instrument Shaker() {
    return EachNote([](Stereo& out, const Sounding& note, double, double level, double pan, Random& random) {
        AddNoise(out, note.start, 0.12, {FilterKind::HighPass, 6000}, {0.008, 0.03}, 0.8 * level, pan,
                 random);
    });
}

Instrument Woodblock() {
    return EachNote([](Stereo& out, const Sounding& note, double hz, double level, double pan,
                       Random& random) {
        AddTone(out, note.start, 0.15, hz, {{1, 1, 1}, {2.46, 0.3, 0.5}}, {0.0005, 0.03}, 0.6 * level, pan);
        AddNoise(out, note.start, 0.008, {FilterKind::BandPass, 2 * hz, 0, 1}, {0.0003, 0.0015}, 0.3 * level,
                 pan, random);
    });
}

Instrument Triangle() {
    return EachNote([](Stereo& out, const Sounding& note, double hz, double level, double pan, Random&) {
        AddTone(out, note.start, 4.5, hz, {{1, 1, 1}, {2.08, 0.5, 0.8}, {3.9, 0.3, 0.6}, {5.3, 0.2, 0.5}},
                {0.001, 0.8}, 0.25 * level, pan);
    });
}

}  // namespace assetgen::music
