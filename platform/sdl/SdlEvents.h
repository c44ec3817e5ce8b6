#pragma once

#include <SDL.h>

#include <deque>

#include "platform/Events.h"

namespace platform {

class SdlGraphics;

// SDL's event queue in the framework's terms: Windows virtual-key codes, Unicode characters (with
// Backspace, Enter and Escape typed as characters too, which SDL's text input never delivers), mouse
// buttons 1–3 in window pixels, wheel notches, and window state.
class SdlEvents : public EventSource {
public:
    explicit SdlEvents(SdlGraphics* graphics);
    ~SdlEvents() override;
    bool PollEvent(Event& event) override;

    // The framework's events for one SDL event (none, one or several); public for tests.
    static void Translate(const SDL_Event& in, std::deque<Event>& out);

private:
    SdlGraphics* graphics_;
    std::deque<Event> pending_;
};

}  // namespace platform
