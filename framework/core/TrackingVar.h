#pragma once

#include <string>

namespace platform {
class Clock;
class Graphics;
}  // namespace platform

// A value shown on the debug display, with the largest value seen.
class TTrackingVar {
public:
    virtual ~TTrackingVar() = default;

    int Current = 0;
    int maximum = 0;
    int displayLimit = 999;
    int displayLimitChars = 3;  // digits of displayLimit
    std::string Label;

    virtual void Init();
    // The label, then the current and the largest value, each padded to displayLimitChars.
    std::string GetDisplay() const;
};

// Milliseconds spent in a stretch of work: Start, then Calc.
class TDebugVar : public TTrackingVar {
public:
    explicit TDebugVar(platform::Clock& clock) : clock_(&clock) {}
    void Start();
    void Calc();

private:
    platform::Clock* clock_;
};

// Frames drawn in the last second, with the lowest and highest rates seen.
class TFPSCounter : public TTrackingVar {
public:
    explicit TFPSCounter(platform::Clock& clock) : clock_(&clock) {}

    int counter = 0;
    double time = 0;
    int framerate = 0;
    int minimum = 999;

    void Init() override;
    // Once per drawn frame of the debug display.
    void Calc();

private:
    platform::Clock* clock_;
};
