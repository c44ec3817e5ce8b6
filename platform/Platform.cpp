#include "platform/Platform.h"

namespace platform {

Platform::Platform(std::unique_ptr<Clock> clock, std::unique_ptr<System> system,
                   std::unique_ptr<Graphics> graphics, std::unique_ptr<Audio> audio,
                   std::unique_ptr<EventSource> events)
    : clock_(std::move(clock)),
      system_(std::move(system)),
      graphics_(std::move(graphics)),
      audio_(std::move(audio)),
      events_(std::move(events)) {}

Platform::~Platform() {
    ReleaseParts();
}

void Platform::ReleaseParts() {
    events_.reset();
    audio_.reset();
    graphics_.reset();
    system_.reset();
}

}  // namespace platform
