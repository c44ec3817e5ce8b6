#pragma once

#include <cstdint>
#include <vector>

#include "platform/audio/Mixer.h"
#include "platform/audio/Sample.h"
#include "platform/codecs/SoundCodec.h"

namespace platform::test {

// A cosine tone: it starts at its peak, so a loop seam or an ending that jumped to zero would show.
SoundData Tone(double hz, double seconds, int rate = 48000, int channels = 1, float amplitude = 0.5f);
SamplePtr ToneSample(double hz, double seconds, int rate = 48000, int channels = 1, float amplitude = 0.5f,
                     bool loop = false);
SamplePtr SampleOf(SoundData sound, bool loop = false);

// Plays the sample on a fresh channel of the mixer and returns the channel.
ChannelId Start(Mixer& mixer, const SamplePtr& sample);

// Mixes frames stereo frames in device-sized pieces, as an output would.
std::vector<float> Render(Mixer& mixer, int frames, int piece = 1024);

// One side (0 left, 1 right) of interleaved stereo.
std::vector<float> Side(const std::vector<float>& stereo, int side);
float Peak(const std::vector<float>& signal);
double Rms(const std::vector<float>& signal);
int ZeroCrossings(const std::vector<float>& signal);
// The number of samples up to and including the last one that is not zero.
int64_t SoundingLength(const std::vector<float>& signal);

}  // namespace platform::test
