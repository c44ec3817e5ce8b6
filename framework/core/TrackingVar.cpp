#include "framework/core/TrackingVar.h"

#include <algorithm>

#include "platform/System.h"

namespace {

std::string Pad(int value, int width) {
    std::string text = std::to_string(value);
    if (static_cast<int>(text.size()) < width) text.insert(0, width - text.size(), ' ');
    return text;
}

}  // namespace

void TTrackingVar::Init() {
    Current = 0;
    maximum = 0;
    displayLimit = 999;
    displayLimitChars = static_cast<int>(std::to_string(displayLimit).size());
}

std::string TTrackingVar::GetDisplay() const {
    return Label + Pad(Current, displayLimitChars) + " " + Pad(maximum, displayLimitChars);
}

void TDebugVar::Start() {
    Current = static_cast<int>(clock_->Millisecs());
}

void TDebugVar::Calc() {
    Current = static_cast<int>(clock_->Millisecs() - static_cast<uint32_t>(Current));
    maximum = std::min(std::max(maximum, Current), displayLimit);
}

void TFPSCounter::Init() {
    TTrackingVar::Init();
    counter = 0;
    framerate = 0;
    time = clock_->Millisecs();
    minimum = 999;
}

void TFPSCounter::Calc() {
    ++counter;
    const double now = clock_->Millisecs();
    if (now - time > 1001) {
        framerate = counter;
        counter = 0;
        time = now;
        maximum = std::max(maximum, framerate);
        minimum = std::min(minimum, framerate);
        Current = framerate;
    }
}
