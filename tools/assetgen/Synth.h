#pragma once

#include <vector>

#include "platform/codecs/SoundCodec.h"
#include "tools/assetgen/Dsp.h"
#include "tools/assetgen/Random.h"

// A small synthesiser for the game's sound effects and jingles: sources (tones, noise, plucked strings,
// buzzing voices) are added into a stereo buffer, which Processing.h then colours and finishes.
namespace assetgen::synth {

struct Stereo {
    explicit Stereo(double seconds);
    int Frames() const { return static_cast<int>(left.size()); }
    double Seconds() const { return static_cast<double>(left.size()) / kRate; }
    std::vector<float> left, right;
};

int FrameAt(double seconds);

// Equal-tempered pitch of a MIDI note number (69 = A 440 Hz).
double NoteHz(double midi);

// Equal-power gains for a position from -1 (left) to 1 (right).
struct Pan {
    explicit Pan(double position);
    float left, right;
};

// Linear attack, an optional hold at full level, then exponential decay with the given time constant;
// 0 before start.
struct Envelope {
    double attack = 0.005;  // seconds
    double decay = 1.0;     // seconds for the level to fall to 1/e
    double hold = 0;        // seconds
    double At(double t) const;
};

// A pitch that may glide and waver: it starts at hz and moves exponentially towards targets (a falling
// whistle, a caw that rises and sags), with an optional vibrato that fades in after a delay.
class Pitch {
public:
    // Implicit, so a plain frequency can stand wherever a pitch is asked for.
    Pitch(double hz) : hz_(hz) {}
    // From at seconds on, heads for hz with a time constant of seconds; glides are added in time order.
    Pitch& GlideTo(double hz, double seconds, double at = 0);
    Pitch& Vibrato(double hz, double semitones, double delay = 0);
    double At(double t) const;
    bool Steady() const { return glides_.empty() && vibratoDepth_ == 0; }

private:
    struct Glide {
        double at, hz, seconds;
    };
    double hz_;
    std::vector<Glide> glides_;
    double vibratoHz_ = 0, vibratoDepth_ = 0, vibratoDelay_ = 0;
};

// One sine component of a tone: frequency ratio to the fundamental, level, and how fast it dies away
// relative to the tone's envelope (higher partials of struck and plucked things fade sooner).
struct Partial {
    double ratio, level, decayScale;
};

// Adds a tone of summed partials starting at start seconds for length seconds (cut off by a short
// release so it ends at zero); pan -1 left … 1 right.
void AddTone(Stereo& out, double start, double length, const Pitch& pitch,
             const std::vector<Partial>& partials, const Envelope& envelope, double gain, double pan);

// A soft sustained chord: slightly detuned sine pairs under a raised-cosine swell of the given length.
void AddPad(Stereo& out, double start, double length, const std::vector<double>& hz, double gain);

// Which part of the noise is heard: a filter whose centre moves evenly in pitch from hz to toHz over the
// sound's length (toHz 0: it stays put).
struct Band {
    FilterKind kind;
    double hz;
    double toHz = 0;
    double q = 0.7;
};

// Seeded white noise through the band under the envelope.
void AddNoise(Stereo& out, double start, double length, const Band& band, const Envelope& envelope,
              double gain, double pan, Random& random);

// A short burst of seeded, low-passed noise: the breath of a plucked string or a struck bell.
void AddNoiseBurst(Stereo& out, double start, double length, double cutoffHz, double gain, double pan,
                   Random& random);

// A plucked string (a delay line fed back through a gentle low-pass): pizzicato, harp, bass.
struct Pluck {
    double decay = 0.5;       // seconds for the fundamental to fall to 1/e
    double brightness = 0.6;  // 0 … 1: how sharp the pluck is
};
void AddPluck(Stereo& out, double start, double length, double hz, const Pluck& pluck, double gain,
              double pan, Random& random);

// A resonance of a body or a throat: centre, ringing time constant and level.
struct Formant {
    double hz, ring, level;
};

// A buzzing source (a band-limited sawtooth with breath noise and a little roughness from cycle to cycle)
// through parallel formants: caws, wails, and at a few dozen hertz the stick-slip of a creaking hinge.
struct Throat {
    std::vector<Formant> formants;
    double breath = 0;     // level of noise mixed into the buzz
    double roughness = 0;  // random wobble of pitch and level, 0 … 1
};
void AddVoice(Stereo& out, double start, double length, const Pitch& pitch, const Throat& throat,
              const Envelope& envelope, double gain, double pan, Random& random);

platform::SoundData ToSound(const Stereo& buffer);

}  // namespace assetgen::synth
