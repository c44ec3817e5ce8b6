#include "platform/script/InjectedEvents.h"

namespace platform {

InjectedEvents::InjectedEvents(std::unique_ptr<EventSource> inner, PointMapper mapper)
    : inner_(std::move(inner)), mapper_(std::move(mapper)) {}

void InjectedEvents::Push(Event event) {
    const bool mouse = event.type == EventType::MouseMove || event.type == EventType::MouseDown ||
                       event.type == EventType::MouseUp;
    if (mouse && mapper_) mapper_(event.x, event.y, event.x, event.y);
    queue_.push_back(event);
}

bool InjectedEvents::PollEvent(Event& event) {
    if (inner_ && inner_->PollEvent(event)) return true;
    if (queue_.empty()) return false;
    event = queue_.front();
    queue_.pop_front();
    return true;
}

}  // namespace platform
