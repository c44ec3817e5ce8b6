#include "framework/core/FixedRateLogic.h"

#include <cmath>

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "platform/System.h"

TFixedRateLogic::TFixedRateLogic(platform::Clock& clock) : clock_(&clock) {
    CalcMS();
}

void TFixedRateLogic::Create() {
    History.assign(HistorySizeMax, 0);
}

void TFixedRateLogic::Init() {
    CalcMS();
    LastTime = clock_->Millisecs();
    NumTicks = 0;
    LastNumTicks = 1.0;
    SetDelta(1.0f);
    TTrackingVar::Init();
    First = FirstMax;
}

void TFixedRateLogic::CalcMS() {
    MS = 1000.0f / static_cast<float>(static_cast<int>(Framerate));
}

void TFixedRateLogic::SetThreshold(int ms) {
    Threshold = ms;
}

void TFixedRateLogic::SetDelta(float delta) {
    Delta = delta * DeltaMultiplier;
    FullDelta = delta;
}

void TFixedRateLogic::SetDefaultFramerate(int rate) {
    FramerateDefault = rate;
    Framerate = static_cast<float>(rate);
}

void TFixedRateLogic::HistoryClear() {
    for (int i = 0; i < HistorySize && i < static_cast<int>(History.size()); ++i) History[i] = 0;
    HistorySize = 1;
    HistoryCounter = 0;
}

void TFixedRateLogic::Calc() {
    if (Game && Game->Fast) {
        NumTicks = 1;
        Current = static_cast<int>(NumTicks);
        return;
    }
    if (Game && Game->WindowDragged()) {
        Init();
        Game->SetWindowCoords();
        Game->SetClientCoords();
    }
    const double now = clock_->Millisecs();
    if (now < LastTime) {
        // The 32-bit clock wrapped: repeat the last frame's count rather than guess.
        NumTicks = LastNumTicks;
    } else {
        TmpMS = std::min(now - LastTime, static_cast<double>(Threshold));
        double mean;
        if (First > 0) {
            --First;
            mean = TmpMS;
        } else if (History.empty()) {
            mean = TmpMS;
        } else {
            History[HistoryCounter] = static_cast<int>(TmpMS);
            int sum = 0;
            for (int i = 0; i < HistorySize; ++i) sum += History[i];
            mean = static_cast<double>(sum) / HistorySize;
            ++HistoryCounter;
            if (HistorySize < HistorySizeMax) ++HistorySize;
            if (HistoryCounter >= HistorySize) HistoryCounter = 0;
        }
        if (JitterCorrection) {
            if (IgnoreHistoryOnSpeedChange && Game && Game->VSync == 1 &&
                (TmpMS < mean - 1 || TmpMS > mean + 1)) {
                mean = TmpMS;
            }
            NumTicks = mean / MS;
        } else {
            NumTicks = TmpMS / MS;
        }
    }
    LastTime = now;
    LastNumTicks = NumTicks;
    if (NumTicks > maximum) maximum = static_cast<int>(NumTicks);
    Current = static_cast<int>(NumTicks);
}
