#pragma once

#include <vector>

#include "platform/codecs/SoundCodec.h"
#include "tools/assetgen/Random.h"

// A small synthesiser for the game's sound effects and jingles: voices are added into a stereo buffer,
// then the buffer is coloured (reverb, fades) and written as 16-bit WAV.
namespace assetgen::synth {

inline constexpr int kRate = 44100;

struct Stereo {
    explicit Stereo(double seconds);
    int Frames() const { return static_cast<int>(left.size()); }
    std::vector<float> left, right;
};

// Equal-tempered pitch of a MIDI note number (69 = A 440 Hz).
double NoteHz(double midi);

// Linear attack, then exponential decay with the given time constant; 0 before start.
struct Envelope {
    double attack = 0.005;  // seconds
    double decay = 1.0;     // seconds for the level to fall to 1/e
    double At(double t) const;
};

// One sine component of a tone: frequency ratio to the fundamental, level, and how fast it dies away
// relative to the tone's envelope (higher partials of struck and plucked things fade sooner).
struct Partial {
    double ratio, level, decayScale;
};

// Adds a tone of summed partials starting at start seconds for length seconds (cut off by a short
// release so it ends at zero); pan -1 left … 1 right.
void AddTone(Stereo& out, double start, double length, double hz, const std::vector<Partial>& partials,
             const Envelope& envelope, double gain, double pan);

// A soft sustained chord: slightly detuned sine pairs under a raised-cosine swell of the given length.
void AddPad(Stereo& out, double start, double length, const std::vector<double>& hz, double gain);

// A short burst of seeded, low-passed noise: the breath of a plucked string or a struck bell.
void AddNoiseBurst(Stereo& out, double start, double length, double cutoffHz, double gain, double pan,
                   Random& random);

// One-pole low-pass filter, stateful so it can run across a buffer.
class LowPass {
public:
    LowPass(double cutoffHz);
    float Step(float x);

private:
    float k_, y_ = 0;
};

// A diffuse room tail (parallel damped combs into all-passes, spread between the channels) mixed in at
// wet; the dry sound stays.
void AddReverb(Stereo& buffer, double roomSize, double damping, double wet);

// Raised-cosine fades at the ends, so the sound starts and stops at zero and loops without a click.
void FadeEnds(Stereo& buffer, double fadeInSeconds, double fadeOutSeconds);

// Scales the buffer so its peak sits at dbfs (below 0).
void NormalisePeak(Stereo& buffer, double dbfs);

platform::SoundData ToSound(const Stereo& buffer);

}  // namespace assetgen::synth
