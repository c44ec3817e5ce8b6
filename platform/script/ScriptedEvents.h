#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/Events.h"
#include "platform/System.h"
#include "platform/script/Script.h"

namespace platform {

// Feeds a script's steps through the same event path as real input, each when the game's clock reaches
// its time; real events keep coming through first.
class ScriptedEvents : public EventSource {
public:
    // Turns virtual-screen coordinates into window pixels, as the display maps them at the moment.
    using PointMapper = std::function<void(int vx, int vy, int& wx, int& wy)>;
    using ScreenshotTaker = std::function<void(const std::string& path)>;

    ScriptedEvents(std::unique_ptr<EventSource> inner, Clock& clock, std::vector<ScriptStep> steps,
                   PointMapper mapper, ScreenshotTaker screenshot);
    bool PollEvent(Event& event) override;
    bool Finished() const { return next_ >= steps_.size() && queued_.empty(); }

private:
    void Expand(const ScriptStep& step);
    void Queue(EventType type, int key = 0, int button = 0, char32_t character = 0);

    std::unique_ptr<EventSource> inner_;
    Clock& clock_;
    std::vector<ScriptStep> steps_;
    PointMapper mapper_;
    ScreenshotTaker screenshot_;
    size_t next_ = 0;
    uint32_t start_;
    int pointerX_ = 0, pointerY_ = 0;  // window pixels
    std::vector<Event> queued_;
    size_t queuedNext_ = 0;
};

}  // namespace platform
