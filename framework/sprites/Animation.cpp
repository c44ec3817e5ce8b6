#include "framework/sprites/Animation.h"

#include <algorithm>
#include <cmath>

#include "framework/core/Globals.h"
#include "framework/sprites/Degrees.h"
#include "framework/sprites/Ticks.h"

namespace {

float SCurve(float r) {
    return static_cast<float>(0.5 + SinDeg((r - 0.5) * 180.0) / 2.0);
}

}  // namespace

int FrameFromCounter(double counter, double length, int frames, bool countingUp) {
    if (frames < 1 || length <= 0) return 0;
    const double done = countingUp ? counter : length - counter;
    // A position within the slack of a frame boundary counts as past it, so any split of the same time
    // shows the same frame.
    const int frame = static_cast<int>(std::floor((done + kTickSlack) * frames / length));
    return std::clamp(frame, 0, frames - 1);
}

std::shared_ptr<TAnimation> TAnimation::Create(int ms, int leaveActive, int reverse, int cycle,
                                               int pingPong) {
    auto animation = std::make_shared<TAnimation>();
    animation->Init(ms, leaveActive, reverse, cycle, pingPong);
    return animation;
}

int TAnimation::Init(int ms, int leaveActive, int reverse, int cycle, int pingPong) {
    Length[0] = static_cast<float>(Ticks(ms));
    LeaveActive = leaveActive;
    Cycle = cycle;
    PingPong = pingPong;
    CurrentPhase = 0;
    Finished = 0;
    TotalPhases = 1;
    Direction = 1;
    Reverse = OriginalReverse = reverse;
    LoopCount = 0;
    return 1;
}

int TAnimation::AddPhase(int ms) {
    return InsertPhase(ms, TotalPhases);
}

int TAnimation::InsertPhase(int ms, int at) {
    if (TotalPhases >= MAX_PHASES) return 0;
    at = std::clamp(at, 0, TotalPhases);
    std::copy_backward(Length.begin() + at, Length.begin() + TotalPhases, Length.begin() + TotalPhases + 1);
    Length[at] = static_cast<float>(Ticks(ms));
    ++TotalPhases;
    return 1;
}

int TAnimation::Clear() {
    *this = TAnimation();
    return 1;
}

int TAnimation::Start() {
    if (PingPong) Reverse = OriginalReverse;
    CurrentPhase = 0;
    if (Reverse) {
        Counter = 0;
    } else if (Counter <= 0) {
        Counter = Length[0];
    }
    Active = 1;
    Finished = 0;
    Direction = 1;
    LoopCount = 0;
    return 1;
}

int TAnimation::Reset() {
    Counter = 0;
    return Start();
}

int TAnimation::Stop() {
    CurrentPhase = Direction == 1 ? TotalPhases - 1 : 0;
    return EndAnim();
}

int TAnimation::Manage() {
    if (!Active) return 0;
    if (Reverse) {
        Counter += Delta;
        if (Passed(Counter, Length[CurrentPhase])) return EndAnim();
    } else {
        Counter -= Delta;
        if (RunOut(Counter)) return EndAnim();
    }
    return 0;
}

int TAnimation::EndAnim() {
    CurrentPhase += Direction == 1 ? 1 : -1;
    if (CurrentPhase >= TotalPhases || CurrentPhase < 0) {
        ++LoopCount;
        if ((LoopTotal > 0 && LoopCount == LoopTotal) || Cycle == 0) {
            Finished = 1;
            if (LeaveActive) {
                CurrentPhase = Direction == 1 ? TotalPhases - 1 : 0;
                Counter = Reverse ? Length[CurrentPhase] : 0.0;
            } else {
                CurrentPhase = 0;
                Counter = 0;
                Active = 0;
            }
            return 1;
        }
        if (PingPong) return TurnAround();
        CurrentPhase = 0;
    }
    // A new phase starts afresh: whatever part of the tick ran past the old one's end is dropped.
    Counter = PhaseStart();
    return 0;
}

// The turn keeps the part of the tick that ran past the end, mirrored, so the way back starts where the
// way out stopped, and the counter runs the other way over the phase it has just run. A timeline that
// counts down on the way out (the usual one) counts up on the way back; one that counted up on the way
// out counts down on the way back, so that it too keeps its phases' lengths and ratios within 0 … 1.
int TAnimation::TurnAround() {
    const int ended = Direction == 1 ? TotalPhases - 1 : 0;
    const double past = Reverse ? Counter - Length[ended] : -Counter;
    Direction = -Direction;
    CurrentPhase = ended;
    Reverse = Reverse ? 0 : 1;
    Counter = Reverse ? past : Length[ended] - past;
    return 0;
}

float TAnimation::GetRatio() const {
    const float length = Length[CurrentPhase];
    return length > 0 ? static_cast<float>(Counter / length) : 0.0f;
}

float TAnimation::GetRatioInv() const {
    return 1.0f - GetRatio();
}

float TAnimation::GetRatioSine() const {
    return static_cast<float>(SinDeg(GetRatio() * 90.0));
}

float TAnimation::GetRatioInvSine() const {
    return static_cast<float>(SinDeg((1.0 - GetRatio()) * 90.0));
}

float TAnimation::GetRatioSine180() const {
    return SCurve(GetRatio());
}

float TAnimation::GetRatioInvSine180() const {
    return SCurve(1.0f - GetRatio());
}

int TAnimation::GetAnimFrame(int frames) const {
    return FrameFromCounter(Counter, Length[CurrentPhase], frames, Reverse != 0);
}

int TAnimation::GetAnimFrameProper(int frames) const {
    const int frame = GetAnimFrame(frames);
    return Reverse ? frames - frame - 1 : frame;
}
