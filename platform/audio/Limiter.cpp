#include "platform/audio/Limiter.h"

#include <algorithm>
#include <cmath>

namespace platform {
namespace {

// Once the gain is this close to unity it snaps to exactly 1, so quiet passages come out untouched
// rather than scaled by 0.9999999.
constexpr float kSnap = 1e-4f;

}  // namespace

Limiter::Limiter(int rate, float ceiling, float releaseMs)
    : ceiling_(ceiling), release_(std::exp(-1000.0f / (releaseMs * static_cast<float>(rate)))) {}

void Limiter::Process(float* stereo, int frames) {
    // The state is the distance below unity rather than the gain itself: near 1 a float gain has too
    // few steps left for a slow release to move it, and it would stick just short of unity.
    float reduction = reduction_;
    for (int i = 0; i < frames; ++i) {
        float* frame = stereo + 2 * i;
        reduction *= release_;
        if (reduction < kSnap) reduction = 0.0f;
        const float peak = std::max(std::fabs(frame[0]), std::fabs(frame[1]));
        if (peak * (1.0f - reduction) > ceiling_) reduction = 1.0f - ceiling_ / peak;
        if (reduction == 0.0f) continue;
        const float gain = 1.0f - reduction;
        // The division can round a hair above the ceiling; the clamp only ever trims that last bit.
        frame[0] = std::clamp(frame[0] * gain, -ceiling_, ceiling_);
        frame[1] = std::clamp(frame[1] * gain, -ceiling_, ceiling_);
    }
    reduction_ = reduction;
}

}  // namespace platform
