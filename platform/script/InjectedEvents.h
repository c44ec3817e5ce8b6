#pragma once

#include <deque>
#include <functional>
#include <memory>

#include "platform/Events.h"

namespace platform {

// Input that a program makes, fed through the same event path as the keyboard and mouse: the autoplayer's
// hand. Real (or scripted) events keep coming through first.
class InjectedEvents : public EventSource {
public:
    // Turns virtual-screen coordinates into window pixels, as the display maps them at the moment.
    using PointMapper = std::function<void(int vx, int vy, int& wx, int& wy)>;

    InjectedEvents(std::unique_ptr<EventSource> inner, PointMapper mapper);
    // Queues an event; the x and y of a mouse event are virtual-screen coordinates.
    void Push(Event event);
    bool PollEvent(Event& event) override;

private:
    std::unique_ptr<EventSource> inner_;
    PointMapper mapper_;
    std::deque<Event> queue_;
};

}  // namespace platform
