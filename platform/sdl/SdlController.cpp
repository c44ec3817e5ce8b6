#include "platform/sdl/SdlController.h"

#include "platform/KeyCodes.h"

namespace platform {
namespace {

// The key of a controller button, 0 for the buttons the game does not use.
int KeyOfButton(Uint8 button) {
    switch (button) {
        case SDL_CONTROLLER_BUTTON_DPAD_UP:
            return vk::kUp;
        case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
            return vk::kDown;
        case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
            return vk::kLeft;
        case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
            return vk::kRight;
        case SDL_CONTROLLER_BUTTON_A:
            return vk::kEnter;
        case SDL_CONTROLLER_BUTTON_B:
        case SDL_CONTROLLER_BUTTON_START:
            return vk::kEscape;
        case SDL_CONTROLLER_BUTTON_LEFTSHOULDER:
            return vk::kGamepadLeftShoulder;
        case SDL_CONTROLLER_BUTTON_RIGHTSHOULDER:
            return vk::kGamepadRightShoulder;
        default:
            return 0;
    }
}

bool IsArrow(int key) {
    return key == vk::kLeft || key == vk::kRight || key == vk::kUp || key == vk::kDown;
}

Event KeyEvent(EventType type, int key, bool repeat) {
    Event e;
    e.type = type;
    e.key = key;
    e.repeat = repeat;
    return e;
}

}  // namespace

void ControllerMapper::Press(int key, Source source, uint32_t now, std::deque<Event>& out) {
    Held& held = held_[key];
    const bool wasUp = held.sources == 0;
    held.sources |= source;
    if (!wasUp) return;
    held.nextRepeat = now + kRepeatDelay;
    out.push_back(KeyEvent(EventType::KeyDown, key, false));
    if (key == vk::kEnter || key == vk::kEscape) {
        Event c;
        c.type = EventType::Character;
        c.character = static_cast<char32_t>(key);
        out.push_back(c);
    }
}

void ControllerMapper::Release(int key, Source source, std::deque<Event>& out) {
    const auto it = held_.find(key);
    if (it == held_.end() || !(it->second.sources & source)) return;
    it->second.sources &= ~source;
    if (it->second.sources != 0) return;
    held_.erase(it);
    out.push_back(KeyEvent(EventType::KeyUp, key, false));
}

void ControllerMapper::Axis(int& state, int value, int lessKey, int moreKey, uint32_t now,
                            std::deque<Event>& out) {
    int next = state;
    if (value <= -kPushed) next = -1;
    if (value >= kPushed) next = 1;
    if (value > -kLetGo && value < kLetGo) next = 0;
    if (next == state) return;
    if (state != 0) Release(state < 0 ? lessKey : moreKey, kStick, out);
    state = next;
    if (state != 0) Press(state < 0 ? lessKey : moreKey, kStick, now, out);
}

void ControllerMapper::Translate(const SDL_Event& in, std::deque<Event>& out) {
    switch (in.type) {
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP: {
            const int key = KeyOfButton(in.cbutton.button);
            if (key == 0) return;
            if (in.type == SDL_CONTROLLERBUTTONDOWN) {
                Press(key, kButton, in.cbutton.timestamp, out);
            } else {
                Release(key, kButton, out);
            }
            return;
        }
        case SDL_CONTROLLERAXISMOTION:
            if (in.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX) {
                Axis(stickX_, in.caxis.value, vk::kLeft, vk::kRight, in.caxis.timestamp, out);
            } else if (in.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY) {
                Axis(stickY_, in.caxis.value, vk::kUp, vk::kDown, in.caxis.timestamp, out);
            }
            return;
        default:
            return;
    }
}

void ControllerMapper::Repeat(uint32_t now, std::deque<Event>& out) {
    for (auto& [key, held] : held_) {
        if (!IsArrow(key)) continue;
        // The clock wraps after 49 days: the difference, not the values, says whether a repeat is due.
        while (static_cast<int32_t>(now - held.nextRepeat) >= 0) {
            out.push_back(KeyEvent(EventType::KeyDown, key, true));
            held.nextRepeat += kRepeatEvery;
        }
    }
}

void ControllerMapper::ReleaseAll(std::deque<Event>& out) {
    for (const auto& [key, held] : held_) out.push_back(KeyEvent(EventType::KeyUp, key, false));
    held_.clear();
    stickX_ = stickY_ = 0;
}

SdlControllers::SdlControllers() {
    // The controllers attached now arrive as device-added events, like those plugged in later.
    started_ = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
}

SdlControllers::~SdlControllers() {
    for (const auto& [id, controller] : open_) SDL_GameControllerClose(controller);
    if (started_) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

bool SdlControllers::Handle(const SDL_Event& in, std::deque<Event>& out) {
    switch (in.type) {
        case SDL_CONTROLLERDEVICEADDED:
            if (SDL_GameController* controller = SDL_GameControllerOpen(in.cdevice.which)) {
                const SDL_JoystickID id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
                if (open_.count(id)) {
                    SDL_GameControllerClose(controller);
                } else {
                    open_[id] = controller;
                }
            }
            return true;
        case SDL_CONTROLLERDEVICEREMOVED:
            if (const auto it = open_.find(in.cdevice.which); it != open_.end()) {
                SDL_GameControllerClose(it->second);
                open_.erase(it);
                mapper_.ReleaseAll(out);
            }
            return true;
        case SDL_CONTROLLERDEVICEREMAPPED:
            return true;
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP:
        case SDL_CONTROLLERAXISMOTION:
            mapper_.Translate(in, out);
            return true;
        default:
            return false;
    }
}

void SdlControllers::Repeat(std::deque<Event>& out) {
    if (!open_.empty()) mapper_.Repeat(SDL_GetTicks(), out);
}

}  // namespace platform
