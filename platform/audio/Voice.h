#pragma once

#include <cstdint>
#include <memory>

#include "platform/audio/Sample.h"

namespace platform {

// One sample being played on a channel: its own reader and a fractional position in the sample's frames.
// Resampling is linear interpolation between neighbouring frames; the frame before the current block is
// kept so that the interpolation runs on across block edges and across the seam of a loop.
class Voice {
public:
    // At the sample's first frame. A streamed sample whose bytes cannot be opened ends at once.
    explicit Voice(SamplePtr sample);

    // Adds up to frames stereo frames to out, stepping step source frames per output frame, scaled by
    // the gain of each side. Returns the frames added: fewer than asked when the sample has ended.
    int MixInto(float* out, int frames, double step, float gainLeft, float gainRight);

    bool Ended() const { return ended_; }
    // In the sample's frames since its start (or since the loop last wrapped).
    double Position() const;
    const Sample& GetSample() const { return *sample_; }

private:
    template <int kChannels>
    int Render(float* out, int frames, int64_t step, float gainLeft, float gainRight);
    // Moves on through blocks until the frame after the position is in the current block; false at the end.
    bool FetchAhead();
    void NextBlock();

    SamplePtr sample_;
    std::unique_ptr<SampleReader> reader_;
    const float* block_ = nullptr;
    int64_t blockFrames_ = 0;
    int64_t blockStart_ = 0;  // the block's first frame, counted from the start or the last wrap
    // In 2^-32 frames from the same origin; -1 … 0 lies between the last frame and the first.
    int64_t pos_ = 0;
    float previous_[2] = {0, 0};
    bool draining_ = false;  // past the last frame, fading into one frame of silence
    bool ended_ = false;
};

}  // namespace platform
