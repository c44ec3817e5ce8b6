#pragma once

#include <vector>

#include "framework/core/TrackingVar.h"

// Turns the time since the last frame into a number of logic ticks at a fixed rate (200 a second): whole
// ticks run with Delta 1 and the remainder as one fractional tick.
class TFixedRateLogic : public TTrackingVar {
public:
    explicit TFixedRateLogic(platform::Clock& clock);

    int FramerateDefault = 200;
    float Framerate = 200.0f;
    double LastTime = 0;
    double TmpMS = 0;
    double NumTicks = 0;
    double LastNumTicks = 0;
    float MS = 0;
    float DeltaMultiplier = 1.0f;
    float FullDelta = 0;
    int Threshold = 50;  // ms: a longer frame counts as this long, so a stall never floods the logic
    int JitterCorrection = 1;
    int HistorySize = 1;
    int HistorySizeMax = 50;
    std::vector<int> History;
    int HistoryCounter = 0;
    int First = 0;
    int FirstMax = 5;
    int IgnoreHistoryOnSpeedChange = 1;

    // Called after anything that stalls the clock, so the stall does not become a burst of ticks.
    void Init() override;
    void Create();
    void CalcMS();
    void SetThreshold(int ms);
    // Once per frame: how many ticks this frame runs.
    void Calc();
    void SetDelta(float delta);
    void SetDefaultFramerate(int rate);
    void HistoryClear();

private:
    platform::Clock* clock_;
};
