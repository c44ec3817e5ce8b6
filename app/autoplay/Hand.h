#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Events.h"

class TMenu;

// The autoplayer's hand on the mouse and the keyboard: it is given a plan (go there, press, hold, let go; or
// a key struck) and carries it out one step a logic tick, the pointer travelling at a person's speed rather
// than jumping. Its events go out in virtual-screen coordinates through the sink. Every screen the
// autoplayer knows moves the same hand, so the pointer goes on from wherever the last screen left it. A
// hand on the keyboard alone presses buttons through the keyboard's focus and never moves the mouse.
class THand {
public:
    using Sink = std::function<void(const platform::Event&)>;

    THand(Sink sink, float pointerSpeed, int holdTicks);

    void SetKeyboard(bool keyboard) { keyboard_ = keyboard; }
    bool Keyboard() const { return keyboard_; }
    // Strikes a key, then pauses so that the next key counts in a later tick.
    void Key(int code);
    // Presses the widget whose press point is x, y: a click there, or through the focus for a hand on the
    // keyboard.
    void PressWidget(std::weak_ptr<const void> widget, float x, float y);

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
        enum class Kind { MoveTo, Press, Release, Wait, KeyDown, KeyUp, Focus } kind;
        int x = 0, y = 0;  // MoveTo: the point; Wait: x ticks; KeyDown, KeyUp: x the key; Focus: x Tabs left
        std::weak_ptr<const void> widget = {};  // Focus
    };
    // Walks the keyboard's focus to the widget with Tab and presses Enter there; gives up when the widget
    // goes or the focus never reaches it.
    void PressByFocus(std::weak_ptr<const void> widget);
    void Emit(platform::EventType type);
    void EmitKey(platform::EventType type, int code);
    // A key's press, release and the pause after them.
    std::vector<TStep> KeySteps(int code) const;
    // One step of a focus walk: Enter once the focus is on the button, else Tab and the walk again.
    void StepFocus(TStep& step);

    Sink sink_;
    float speed_;
    int holdTicks_;
    std::deque<TStep> steps_;
    float x_ = 512, y_ = 384;
    bool keyboard_ = false;
    bool mouseRefused_ = false;
};

// Plans a press of the named button of menu when it is shown and enabled, a click on its middle or, for a
// hand on the keyboard, through the focus; false when not.
bool ClickMenuButton(THand& hand, const TMenu& menu, const std::string& name);
