#pragma once

#include "platform/System.h"

namespace platform {

// The real clock: a monotonic millisecond count truncated to 32 bits, and the local time.
class SystemClock : public Clock {
public:
    uint32_t Millisecs() override;
    void Sleep(int ms) override;
    DateTime Now() override;
};

// A clock that moves only when told: tests, bots, and deterministic runs advance it themselves.
class ManualClock : public Clock {
public:
    explicit ManualClock(uint32_t start = 0, DateTime date = {2000, 1, 1, 0, 0, 0})
        : ms_(start), date_(date) {}
    uint32_t Millisecs() override { return static_cast<uint32_t>(ms_); }
    // Sleeping moves the clock on, so code that waits for time to pass still finishes.
    void Sleep(int ms) override { Advance(ms); }
    DateTime Now() override;
    void Advance(double ms) { ms_ += ms; }
    void Set(uint32_t ms) { ms_ = ms; }

private:
    double ms_;
    DateTime date_;
};

}  // namespace platform
