#pragma once

#include <array>
#include <memory>

constexpr int MAX_PHASES = 50;

// The frame of an animation of frames frames for a counter in 0 … length: advancing with the counter when
// it counts up, against it when it counts down.
int FrameFromCounter(double counter, double length, int frames, bool countingUp);

// A timeline of one or more phases in logic ticks: screens and effects read where they are in the current
// phase as a ratio, straight or eased, and step their own pictures by it.
class TAnimation {
public:
    int Active = 0;
    int LoopTotal = 0;  // passes before finishing; 0 = endless
    double Counter = 0;
    int CurrentPhase = 0;
    int Finished = 0;
    int TotalPhases = 1;
    int Cycle = 0;      // 1: repeat the phases
    int Direction = 1;  // 1: phases run forwards, -1 backwards
    std::array<float, MAX_PHASES> Length{};
    int LeaveActive = 0;  // stay on the last phase when finished
    int PingPong = 0;
    int Reverse = 0;  // 1: the counter counts up from 0; 0: down from the phase length
    int OriginalReverse = 0;
    int LoopCount = 0;

    static std::shared_ptr<TAnimation> Create(int ms, int leaveActive, int reverse, int cycle, int pingPong);
    int Init(int ms, int leaveActive, int reverse, int cycle, int pingPong);
    // Appends a phase (nothing once MAX_PHASES are held).
    int AddPhase(int ms);
    // Puts a phase before phase at (at the end when at is past it).
    int InsertPhase(int ms, int at);
    int Clear();
    int Start();
    int Reset();
    int Stop();
    // Per tick: 1 when the animation finished this tick.
    int Manage();
    int EndAnim();

    float GetRatio() const;
    float GetRatioInv() const;
    float GetRatioSine() const;
    float GetRatioInvSine() const;
    float GetRatioSine180() const;
    float GetRatioInvSine180() const;
    int GetAnimFrame(int frames) const;
    // Like GetAnimFrame, but frames always advance whichever way the counter runs.
    int GetAnimFrameProper(int frames) const;

private:
    // At the end of a pass of a ping-pong timeline: the phases and the counter run back.
    int TurnAround();
    // The counter at the start of the current phase for the way it counts.
    double PhaseStart() const { return Reverse ? 0.0 : Length[CurrentPhase]; }
};
