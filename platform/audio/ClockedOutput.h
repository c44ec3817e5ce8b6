#pragma once

#include <cstdint>
#include <vector>

#include "platform/System.h"
#include "platform/audio/AudioOutput.h"

namespace platform {

// The null platform's output: no device, but time still passes for the sounds. Each lock first mixes,
// into a buffer that nobody hears, as much audio as the injected clock has moved on since the last one,
// so a sound ends when the clock says it should and a test can wait for it to finish.
class ClockedOutput : public AudioOutput {
public:
    explicit ClockedOutput(Clock& clock);

    void Open(Mixer& mixer, bool wantSound) override;
    void Close() override;
    void Lock() override;
    void Unlock() override {}
    bool Silent() const override { return true; }

private:
    Clock& clock_;
    Mixer* mixer_ = nullptr;
    uint32_t lastMs_ = 0;
    double pendingFrames_ = 0;  // the fraction of a frame not mixed yet, so no time is lost to rounding
    std::vector<float> scratch_;
};

}  // namespace platform
