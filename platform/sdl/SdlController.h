#pragma once

#include <SDL.h>

#include <cstdint>
#include <deque>
#include <map>

#include "platform/Events.h"

namespace platform {

// A game controller's buttons and left stick as the keys the game already knows: the d-pad and the stick
// are the arrows, A is Enter, B and Start are Escape (Start leads to the menu as Escape does), the
// shoulder buttons are the controller's own two codes that step through the power-ups. Enter and Escape
// are typed as characters too, as from a keyboard. A direction held repeats like a keyboard's key.
class ControllerMapper {
public:
    // The stick counts as pushed past this much of its travel, and as let go again under the lower mark.
    static constexpr int kPushed = 16000, kLetGo = 12000;
    // A held direction repeats after this long, then at this pace (ms).
    static constexpr uint32_t kRepeatDelay = 400, kRepeatEvery = 120;

    // The framework's events for one SDL controller button or axis event; other events give none.
    void Translate(const SDL_Event& in, std::deque<Event>& out);
    // The repeats of the held directions due by now (ms on the clock of SDL's event timestamps).
    void Repeat(uint32_t now, std::deque<Event>& out);
    // Every key held goes up: a controller went away while held.
    void ReleaseAll(std::deque<Event>& out);

private:
    // What holds a key: the d-pad and the stick may hold the same arrow.
    enum Source { kButton = 1, kStick = 2 };
    struct Held {
        int sources = 0;
        uint32_t nextRepeat = 0;
    };
    void Press(int key, Source source, uint32_t now, std::deque<Event>& out);
    void Release(int key, Source source, std::deque<Event>& out);
    // A stick axis moved: the arrow pair's new state from value.
    void Axis(int& state, int value, int lessKey, int moreKey, uint32_t now, std::deque<Event>& out);

    std::map<int, Held> held_;
    int stickX_ = 0, stickY_ = 0;  // -1, 0 or 1
};

// The controllers attached, opened as they come and closed as they go, with their events mapped.
class SdlControllers {
public:
    SdlControllers();
    ~SdlControllers();
    SdlControllers(const SdlControllers&) = delete;
    SdlControllers& operator=(const SdlControllers&) = delete;

    // True when the event was a controller's, its events (if any) added to out.
    bool Handle(const SDL_Event& in, std::deque<Event>& out);
    void Repeat(std::deque<Event>& out);

private:
    bool started_ = false;
    std::map<SDL_JoystickID, SDL_GameController*> open_;
    ControllerMapper mapper_;
};

}  // namespace platform
