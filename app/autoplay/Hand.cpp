#include "app/autoplay/Hand.h"

#include <cmath>
#include <utility>

#include "framework/core/Globals.h"
#include "framework/ui/Button.h"
#include "framework/ui/Menu.h"

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
    platform::Event e;
    e.type = type;
    e.button = 1;
    e.x = static_cast<int>(std::lround(x_));
    e.y = static_cast<int>(std::lround(y_));
    sink_(e);
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
    }
    steps_.pop_front();
}

bool ClickMenuButton(THand& hand, const TMenu& menu, const std::string& name) {
    const auto button = menu.FindButton(name);
    if (!button || !button->Active || button->Disabled) return false;
    hand.Click(static_cast<int>(std::lround(button->x + button->Width() / 2)),
               static_cast<int>(std::lround(button->y + button->Height() / 2)));
    return true;
}
