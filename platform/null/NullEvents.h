#pragma once

#include <cstddef>
#include <deque>

#include "platform/Events.h"

namespace platform {

// Events the caller puts in, taken out in order: the null platform's input.
class NullEvents : public EventSource {
public:
    void Push(const Event& event) { queue_.push_back(event); }
    bool PollEvent(Event& event) override;
    size_t Pending() const { return queue_.size(); }

private:
    std::deque<Event> queue_;
};

}  // namespace platform
