#pragma once

#include <memory>

#include "platform/Audio.h"
#include "platform/Events.h"
#include "platform/Graphics.h"
#include "platform/System.h"

namespace platform {

// Everything the framework asks of the machine, in one place. A backend fills it; the framework holds it
// for the whole run.
class Platform {
public:
    Platform(std::unique_ptr<Clock> clock, std::unique_ptr<System> system, std::unique_ptr<Graphics> graphics,
             std::unique_ptr<Audio> audio, std::unique_ptr<EventSource> events);
    virtual ~Platform();
    Platform(const Platform&) = delete;
    Platform& operator=(const Platform&) = delete;

    Clock& GetClock() { return *clock_; }
    System& GetSystem() { return *system_; }
    Graphics& GetGraphics() { return *graphics_; }
    Audio& GetAudio() { return *audio_; }
    EventSource& GetEvents() { return *events_; }

    // Puts a filter in front of the event source (scripted input wraps the real one).
    std::unique_ptr<EventSource> TakeEvents() { return std::move(events_); }
    void SetEvents(std::unique_ptr<EventSource> events) { events_ = std::move(events); }

protected:
    // Backends that must tear down in order (devices before their library) release the parts first.
    void ReleaseParts();

private:
    std::unique_ptr<Clock> clock_;
    std::unique_ptr<System> system_;
    std::unique_ptr<Graphics> graphics_;
    std::unique_ptr<Audio> audio_;
    std::unique_ptr<EventSource> events_;
};

}  // namespace platform
