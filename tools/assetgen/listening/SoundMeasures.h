#pragma once

#include "platform/codecs/SoundCodec.h"

// Measures for reviewing and checking the generated sounds without listening to them. Levels are in
// dBFS: 0 is a full-scale sample, silence is -infinity.
namespace listening {

double Seconds(const platform::SoundData& sound);

// Largest absolute sample of any channel.
double PeakDb(const platform::SoundData& sound);

// Root mean square over every sample of every channel; from the first frame of [from, to) seconds.
double RmsDb(const platform::SoundData& sound);
double RmsDb(const platform::SoundData& sound, double from, double to);

// When the sound first reaches the level: the seconds to the first sample at or above it, or the whole
// length when it never does.
double OnsetSeconds(const platform::SoundData& sound, double dbfs);

// How a looping sound crosses from its last frame back to its first.
struct Seam {
    // The largest jump of any channel from the last sample to the first.
    double jump = 0;
    // The size of a large but ordinary step near the seam: the 99th percentile of the steps between
    // neighbouring samples in the 50 ms either side of it.
    double typicalStep = 0;
    // Level of a short window straddling the seam against the windows just before and after it: how far
    // in dB it falls below the quieter of the two (a gap) or rises above the louder (a click); 0 when it
    // lies between them.
    double dipDb = 0;
    double bumpDb = 0;
};
Seam MeasureSeam(const platform::SoundData& sound);

}  // namespace listening
