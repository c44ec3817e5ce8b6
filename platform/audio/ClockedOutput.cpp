#include "platform/audio/ClockedOutput.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "platform/audio/Mixer.h"

namespace platform {
namespace {

constexpr int kScratchFrames = 1024;

}  // namespace

ClockedOutput::ClockedOutput(Clock& clock) : clock_(clock), scratch_(2 * kScratchFrames) {}

void ClockedOutput::Open(Mixer& mixer, bool) {
    // Choosing silence again while open must not drop the time run since the last lock.
    if (mixer_ == &mixer) return;
    mixer_ = &mixer;
    lastMs_ = clock_.Millisecs();
    pendingFrames_ = 0;
}

void ClockedOutput::Close() {
    mixer_ = nullptr;
}

void ClockedOutput::Lock() {
    if (!mixer_) return;
    const uint32_t now = clock_.Millisecs();
    // Unsigned subtraction carries the clock's 32-bit wrap; a clock set back in time (a test rewinding
    // its manual clock) would otherwise read as seven weeks gone by.
    uint32_t elapsed = now - lastMs_;
    if (elapsed > INT32_MAX) elapsed = 0;
    lastMs_ = now;
    pendingFrames_ += elapsed * static_cast<double>(mixer_->Rate()) / 1000.0;
    const double whole = std::floor(pendingFrames_);
    pendingFrames_ -= whole;
    for (auto left = static_cast<int64_t>(whole); left > 0; left -= kScratchFrames) {
        mixer_->Mix(scratch_.data(), static_cast<int>(std::min<int64_t>(left, kScratchFrames)));
    }
}

}  // namespace platform
