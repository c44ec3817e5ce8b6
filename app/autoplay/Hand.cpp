#include "app/autoplay/Hand.h"

#include <cmath>
#include <cstdio>
#include <utility>
#include <vector>

#include "framework/core/Globals.h"
#include "framework/ui/Button.h"
#include "framework/ui/KeyFocus.h"
#include "framework/ui/Menu.h"
#include "platform/KeyCodes.h"

namespace {

// As many Tabs as a focus walk takes at most: more than any screen offers the focus, the map's dots in
// sight included.
constexpr int kMostTabs = 64;

}  // namespace

THand::THand(Sink sink, float pointerSpeed, int holdTicks)
    : sink_(std::move(sink)), speed_(pointerSpeed), holdTicks_(holdTicks) {}

void THand::MoveTo(int x, int y) {
    steps_.push_back({TStep::Kind::MoveTo, x, y});
}

void THand::Press() {
    steps_.push_back({TStep::Kind::Press});
}

void THand::Release() {
    steps_.push_back({TStep::Kind::Release});
}

void THand::Wait(int ticks) {
    steps_.push_back({TStep::Kind::Wait, ticks});
}

std::vector<THand::TStep> THand::KeySteps(int code) const {
    // Two holds after it: past the display frame the key came in, so that a key struck next is a hit of its
    // own.
    return {{TStep::Kind::KeyDown, code}, {TStep::Kind::KeyUp, code}, {TStep::Kind::Wait, 2 * holdTicks_}};
}

void THand::Key(int code) {
    const auto steps = KeySteps(code);
    steps_.insert(steps_.end(), steps.begin(), steps.end());
}

void THand::PressByFocus(std::weak_ptr<const void> widget) {
    steps_.push_back({TStep::Kind::Focus, kMostTabs, 0, std::move(widget)});
}

void THand::PressWidget(std::weak_ptr<const void> widget, float x, float y) {
    if (keyboard_) {
        PressByFocus(std::move(widget));
    } else {
        Click(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)));
    }
}

void THand::ClickHere() {
    Press();
    Wait(holdTicks_);
    Release();
    Wait(holdTicks_);
}

void THand::Click(int x, int y, int clicks) {
    MoveTo(x, y);
    for (int i = 0; i < clicks; ++i) ClickHere();
}

void THand::Emit(platform::EventType type) {
    if (keyboard_) {
        // A plan that reached for the mouse is a fault of the autoplayer's, told and never acted on.
        if (!mouseRefused_) std::fprintf(stderr, "autoplay: a hand on the keyboard was sent to the mouse\n");
        mouseRefused_ = true;
        return;
    }
    platform::Event e;
    e.type = type;
    e.button = 1;
    e.x = static_cast<int>(std::lround(x_));
    e.y = static_cast<int>(std::lround(y_));
    sink_(e);
}

void THand::EmitKey(platform::EventType type, int code) {
    platform::Event e;
    e.type = type;
    e.key = code;
    sink_(e);
}

void THand::StepFocus(TStep& step) {
    const std::weak_ptr<const void> weak = step.widget;
    const int tabsLeft = step.x;
    steps_.pop_front();
    const auto widget = weak.lock();
    if (!widget || tabsLeft <= 0) return;
    // Enter presses the widget once the focus stands on it, as a click would; until then Tab, and a look
    // again once the focus has moved.
    const bool there = KeyFocus.ShowsOn(widget.get());
    auto next = KeySteps(there ? platform::vk::kEnter : platform::vk::kTab);
    if (!there) next.push_back({TStep::Kind::Focus, tabsLeft - 1, 0, weak});
    steps_.insert(steps_.begin(), next.begin(), next.end());
}

void THand::Tick() {
    if (steps_.empty()) return;
    TStep& step = steps_.front();
    switch (step.kind) {
        case TStep::Kind::MoveTo: {
            const float toX = static_cast<float>(step.x) - x_, toY = static_cast<float>(step.y) - y_;
            const float distance = std::hypot(toX, toY);
            const float travel = speed_ * Delta;
            if (distance <= travel) {
                x_ = static_cast<float>(step.x);
                y_ = static_cast<float>(step.y);
                steps_.pop_front();
            } else {
                x_ += toX / distance * travel;
                y_ += toY / distance * travel;
            }
            Emit(platform::EventType::MouseMove);
            return;
        }
        case TStep::Kind::Press:
            Emit(platform::EventType::MouseDown);
            break;
        case TStep::Kind::Release:
            Emit(platform::EventType::MouseUp);
            break;
        case TStep::Kind::Wait:
            if (--step.x > 0) return;
            break;
        case TStep::Kind::KeyDown:
            EmitKey(platform::EventType::KeyDown, step.x);
            break;
        case TStep::Kind::KeyUp:
            EmitKey(platform::EventType::KeyUp, step.x);
            break;
        case TStep::Kind::Focus:
            StepFocus(step);
            return;
    }
    steps_.pop_front();
}

bool ClickMenuButton(THand& hand, const TMenu& menu, const std::string& name) {
    const auto button = menu.FindButton(name);
    if (!button || !button->Active || button->Disabled) return false;
    hand.PressWidget(button, button->x + button->Width() / 2, button->y + button->Height() / 2);
    return true;
}
