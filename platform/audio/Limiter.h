#pragma once

namespace platform {

// Keeps a stereo mix under a ceiling without the harshness of clipping: the gain drops at once to what
// the loudest frame needs and then eases back to unity. While the input stays under the ceiling and the
// gain has recovered, the output is the input bit for bit.
class Limiter {
public:
    // releaseMs: the time constant of the way back to unity gain.
    Limiter(int rate, float ceiling = 0.98f, float releaseMs = 80.0f);

    void Process(float* stereo, int frames);
    float Ceiling() const { return ceiling_; }
    float Gain() const { return 1.0f - reduction_; }

private:
    float ceiling_;
    float release_;           // the share of the distance to unity that remains after one frame
    float reduction_ = 0.0f;  // how far the gain is below unity
};

}  // namespace platform
