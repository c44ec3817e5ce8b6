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
        : base_(start), date_(date) {}
    // Wraps in 32 bits like the real clock.
    uint32_t Millisecs() override;
    // Sleeping moves the clock on, so code that waits for time to pass still finishes.
    void Sleep(int ms) override { Advance(ms); }
    // The start date plus the time advanced so far.
    DateTime Now() override;
    // Time never runs backwards: a step that is not positive is ignored.
    void Advance(double ms);
    // Moves the millisecond count alone; the date keeps its course.
    void Set(uint32_t ms) {
        base_ = ms;
        sinceBase_ = 0;
    }

private:
    uint32_t base_;
    double sinceBase_ = 0;
    double elapsed_ = 0;
    DateTime date_;
};

}  // namespace platform
