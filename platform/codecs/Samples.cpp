#include "platform/codecs/Samples.h"

#include <algorithm>
#include <cmath>

namespace platform::codecs {

float ClampSample(float value) {
    if (std::isnan(value)) return 0.0f;
    return std::clamp(value, -1.0f, 1.0f);
}

StereoDownmix::StereoDownmix(const std::vector<Speaker>& speakers) {
    // A centre channel goes to both sides at equal power.
    constexpr float kCentre = 0.70710678f;
    float leftSum = 0.0f;
    float rightSum = 0.0f;
    for (const Speaker speaker : speakers) {
        const float left = speaker == Speaker::Left ? 1.0f : speaker == Speaker::Centre ? kCentre : 0.0f;
        const float right = speaker == Speaker::Right ? 1.0f : speaker == Speaker::Centre ? kCentre : 0.0f;
        left_.push_back(left);
        right_.push_back(right);
        leftSum += left;
        rightSum += right;
    }
    for (float& gain : left_) gain = leftSum > 0.0f ? gain / leftSum : 0.0f;
    for (float& gain : right_) gain = rightSum > 0.0f ? gain / rightSum : 0.0f;
}

void StereoDownmix::Mix(const float* frame, float* out) const {
    float left = 0.0f;
    float right = 0.0f;
    for (size_t c = 0; c < left_.size(); ++c) {
        const float sample = ClampSample(frame[c]);
        left += left_[c] * sample;
        right += right_[c] * sample;
    }
    out[0] = ClampSample(left);
    out[1] = ClampSample(right);
}

}  // namespace platform::codecs
