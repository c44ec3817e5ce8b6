#pragma once

#include <cstdint>
#include <vector>

// Helpers shared by the sound codecs.
namespace platform::codecs {

// Keeps a sample within -1 … 1; damaged data may hold anything, NaN included (which becomes silence).
float ClampSample(float value);

// Where one channel of a many-channel sound sits; the game itself plays only mono and stereo.
enum class Speaker : uint8_t { Left, Right, Centre };

// Mixes frames of any number of channels down to stereo. Each side is scaled by the sum of the gains
// that feed it, so the mix stays within -1 … 1 without a limiter.
class StereoDownmix {
public:
    explicit StereoDownmix(const std::vector<Speaker>& speakers);
    int Channels() const { return static_cast<int>(left_.size()); }
    // frame holds one sample per channel; writes left and right to out[0] and out[1].
    void Mix(const float* frame, float* out) const;

private:
    std::vector<float> left_;
    std::vector<float> right_;
};

}  // namespace platform::codecs
