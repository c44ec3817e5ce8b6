#pragma once

#include "platform/PixelMap.h"
#include "platform/codecs/SoundCodec.h"

namespace listening {

// A picture of a sound for reviewing it by eye: on top its waveform (the peak of each column, with a
// line at -3 dBFS), below its sonogram on a logarithmic frequency scale from 30 Hz to 20 kHz (faint
// lines at 100 Hz, 1 kHz and 10 kHz), from -100 dBFS (black) to 0 dBFS (white). Ticks along the top
// mark seconds, or ten seconds on long sounds. The width grows with the length of the sound, within
// bounds.
platform::PixelMap Sonogram(const platform::SoundData& sound);

}  // namespace listening
