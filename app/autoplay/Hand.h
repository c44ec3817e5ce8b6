#pragma once

#include <deque>
#include <functional>
#include <string>

#include "platform/Events.h"

class TMenu;

// The autoplayer's hand on the mouse: it is given a plan (go there, press, hold, let go) and carries it out
// one step a logic tick, the pointer travelling at a person's speed rather than jumping. Its events go out
// in virtual-screen coordinates through the sink. Every screen the autoplayer knows moves the same hand,
// so the pointer goes on from wherever the last screen left it.
class THand {
public:
    using Sink = std::function<void(const platform::Event&)>;

    THand(Sink sink, float pointerSpeed, int holdTicks);

    void MoveTo(int x, int y);
    void Press();
    void Release();
    void Wait(int ticks);
    // Goes to (x, y) and clicks there clicks times, holding each press a moment and pausing after it.
    void Click(int x, int y, int clicks = 1);
    // Presses a moment and lets go where the pointer is.
    void ClickHere();
    // One step of the plan; nothing when the plan is done.
    void Tick();
    bool Idle() const { return steps_.empty(); }
    float X() const { return x_; }
    float Y() const { return y_; }
    int HoldTicks() const { return holdTicks_; }

private:
    struct TStep {
        enum class Kind { MoveTo, Press, Release, Wait } kind;
        int x = 0, y = 0;  // MoveTo: the point; Wait: x ticks
    };
    void Emit(platform::EventType type);

    Sink sink_;
    float speed_;
    int holdTicks_;
    std::deque<TStep> steps_;
    float x_ = 512, y_ = 384;
};

// Plans a click on the middle of the named button of menu when it is shown and enabled; false when not.
bool ClickMenuButton(THand& hand, const TMenu& menu, const std::string& name);
