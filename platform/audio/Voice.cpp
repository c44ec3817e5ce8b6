#include "platform/audio/Voice.h"

#include <algorithm>
#include <cmath>

namespace platform {
namespace {

// A non-looping sample ends by interpolating into silence, so a sound cut off mid-wave does not click.
const float kSilentFrame[2] = {0, 0};

// Positions are fixed-point: integer steps keep the loop free of float-to-int conversions, and the
// 32-bit fraction puts the drift of a rounded step below one frame in days of playback.
constexpr int kFractionBits = 32;
constexpr int64_t kOne = int64_t{1} << kFractionBits;
constexpr float kPerFraction = 1.0f / static_cast<float>(kOne);

float Fraction(int64_t pos) {
    return static_cast<float>(static_cast<uint32_t>(pos)) * kPerFraction;
}

template <int kChannels>
void AddFrame(float* out, const float* a, const float* b, float t, float gainLeft, float gainRight) {
    const float left = a[0] + (b[0] - a[0]) * t;
    const float right = kChannels == 2 ? a[1] + (b[1] - a[1]) * t : left;
    out[0] += left * gainLeft;
    out[1] += right * gainRight;
}

}  // namespace

Voice::Voice(SamplePtr sample) : sample_(std::move(sample)), reader_(sample_->OpenReader()) {
    ended_ = reader_ == nullptr;
}

double Voice::Position() const {
    return static_cast<double>(std::max<int64_t>(pos_, 0)) / kOne;
}

int Voice::MixInto(float* out, int frames, double step, float gainLeft, float gainRight) {
    const int64_t fixedStep = std::max<int64_t>(1, std::llround(step * static_cast<double>(kOne)));
    if (sample_->Channels() == 1) return Render<1>(out, frames, fixedStep, gainLeft, gainRight);
    return Render<2>(out, frames, fixedStep, gainLeft, gainRight);
}

template <int kChannels>
int Voice::Render(float* out, int frames, int64_t step, float gainLeft, float gainRight) {
    int done = 0;
    // Fetching ahead once more after the last frame lets a sample that has just run out end now, not
    // at the next call.
    while (FetchAhead() && done < frames) {
        // Positions count from the sample's start, not the block's, so the arithmetic is the same however
        // a reader cuts the sample into blocks: a streamed file plays the very same frames as the
        // decoded one.
        const float* block = block_;
        const int64_t first = blockStart_;
        int64_t pos = pos_;
        // Between the frame before the block and its first frame; kept out of the main loop, which then
        // needs no branch.
        for (; done < frames && pos < first * kOne; ++done, pos += step) {
            AddFrame<kChannels>(out + 2 * done, previous_, block, Fraction(pos), gainLeft, gainRight);
        }
        const int64_t limit = (first + blockFrames_ - 1) * kOne;
        for (; done < frames && pos < limit; ++done, pos += step) {
            const float* a = block + ((pos >> kFractionBits) - first) * kChannels;
            AddFrame<kChannels>(out + 2 * done, a, a + kChannels, Fraction(pos), gainLeft, gainRight);
        }
        pos_ = pos;
    }
    return done;
}

bool Voice::FetchAhead() {
    while (pos_ >= (blockStart_ + blockFrames_ - 1) * kOne) {
        if (ended_) return false;
        if (draining_) {
            ended_ = true;
            return false;
        }
        if (blockFrames_ > 0) {
            const int channels = sample_->Channels();
            const float* last = block_ + (blockFrames_ - 1) * channels;
            previous_[0] = last[0];
            previous_[1] = last[channels - 1];
        }
        blockStart_ += blockFrames_;
        NextBlock();
    }
    return true;
}

void Voice::NextBlock() {
    std::span<const float> next = reader_->Next();
    // A loop wraps only when it has played something since the last wrap: an empty sample would spin.
    if (next.empty() && sample_->Loop() && blockStart_ > 0 && reader_->Rewind()) {
        pos_ -= blockStart_ * kOne;
        blockStart_ = 0;
        next = reader_->Next();
    }
    if (next.empty()) {
        block_ = kSilentFrame;
        blockFrames_ = 1;
        draining_ = true;
        return;
    }
    block_ = next.data();
    blockFrames_ = static_cast<int64_t>(next.size()) / sample_->Channels();
}

}  // namespace platform
