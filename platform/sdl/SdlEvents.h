#pragma once

#include <SDL.h>

#include <deque>
#include <memory>

#include "platform/Events.h"
#include "platform/sdl/SdlController.h"

namespace platform {

class SdlGraphics;

// SDL's event queue in the framework's terms: Windows virtual-key codes, Unicode characters (with
// Backspace, Enter and Escape typed as characters too, which SDL's text input never delivers), mouse
// buttons 1–3 in window pixels, wheel notches, and window state; with controllers, game controllers as
// keys (see ControllerMapper).
class SdlEvents : public EventSource {
public:
    SdlEvents(SdlGraphics* graphics, bool controllers);
    ~SdlEvents() override;
    bool PollEvent(Event& event) override;

    // The framework's events for one SDL event (none, one or several); public for tests.
    static void Translate(const SDL_Event& in, std::deque<Event>& out);

private:
    SdlGraphics* graphics_;
    std::deque<Event> pending_;
    std::unique_ptr<SdlControllers> controllers_;
};

}  // namespace platform
