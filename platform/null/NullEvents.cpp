#include "platform/null/NullEvents.h"

namespace platform {

bool NullEvents::PollEvent(Event& event) {
    if (queue_.empty()) return false;
    event = queue_.front();
    queue_.pop_front();
    return true;
}

}  // namespace platform
