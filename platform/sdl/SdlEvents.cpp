#include "platform/sdl/SdlEvents.h"

#include "platform/KeyCodes.h"
#include "platform/sdl/KeyMap.h"
#include "platform/sdl/SdlGraphics.h"
#include "platform/text/Utf8.h"

namespace platform {
namespace {

int ButtonNumber(Uint8 button) {
    switch (button) {
        case SDL_BUTTON_LEFT:
            return 1;
        case SDL_BUTTON_RIGHT:
            return 2;
        case SDL_BUTTON_MIDDLE:
            return 3;
        default:
            return 0;  // side buttons are not part of the game's input
    }
}

}  // namespace

SdlEvents::SdlEvents(SdlGraphics* graphics, bool controllers) : graphics_(graphics) {
    SDL_StartTextInput();
    if (controllers) controllers_ = std::make_unique<SdlControllers>();
}

SdlEvents::~SdlEvents() {
    SDL_StopTextInput();
}

void SdlEvents::Translate(const SDL_Event& in, std::deque<Event>& out) {
    Event e;
    switch (in.type) {
        case SDL_QUIT:
            // The window manager's close button on our only window, and SIGINT/SIGTERM, arrive here.
            e.type = EventType::CloseRequest;
            out.push_back(e);
            break;
        case SDL_KEYDOWN:
        case SDL_KEYUP: {
            const int code = VirtualKeyFromSdl(in.key.keysym.sym, in.key.keysym.scancode);
            if (code == 0) break;
            e.type = in.type == SDL_KEYDOWN ? EventType::KeyDown : EventType::KeyUp;
            e.key = code;
            e.repeat = in.key.repeat != 0;
            out.push_back(e);
            const bool typedControl = code == vk::kBackspace || code == vk::kEnter || code == vk::kEscape;
            if (in.type == SDL_KEYDOWN && typedControl && (!e.repeat || code == vk::kBackspace)) {
                Event c;
                c.type = EventType::Character;
                c.character = static_cast<char32_t>(code);
                out.push_back(c);
            }
            break;
        }
        case SDL_TEXTINPUT:
            for (const char32_t cp : DecodeUtf8(in.text.text)) {
                Event c;
                c.type = EventType::Character;
                c.character = cp;
                out.push_back(c);
            }
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            e.button = ButtonNumber(in.button.button);
            if (e.button == 0) break;
            e.type = in.type == SDL_MOUSEBUTTONDOWN ? EventType::MouseDown : EventType::MouseUp;
            e.x = in.button.x;
            e.y = in.button.y;
            out.push_back(e);
            break;
        case SDL_MOUSEMOTION:
            e.type = EventType::MouseMove;
            e.x = in.motion.x;
            e.y = in.motion.y;
            out.push_back(e);
            break;
        case SDL_MOUSEWHEEL:
            e.type = EventType::MouseWheel;
            e.wheel = in.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -in.wheel.y : in.wheel.y;
            if (e.wheel != 0) out.push_back(e);
            break;
        case SDL_WINDOWEVENT:
            switch (in.window.event) {
                case SDL_WINDOWEVENT_FOCUS_GAINED:
                    e.type = EventType::FocusGained;
                    break;
                case SDL_WINDOWEVENT_FOCUS_LOST:
                    e.type = EventType::FocusLost;
                    break;
                case SDL_WINDOWEVENT_MINIMIZED:
                    e.type = EventType::Minimised;
                    break;
                case SDL_WINDOWEVENT_RESTORED:
                    e.type = EventType::Restored;
                    break;
                default:
                    return;
            }
            out.push_back(e);
            break;
        case SDL_RENDER_TARGETS_RESET:
        case SDL_RENDER_DEVICE_RESET:
            e.type = EventType::DeviceReset;
            out.push_back(e);
            break;
        default:
            break;
    }
}

bool SdlEvents::PollEvent(Event& event) {
    SDL_Event raw;
    if (controllers_ && pending_.empty()) controllers_->Repeat(pending_);
    while (pending_.empty() && SDL_PollEvent(&raw)) {
        if (controllers_ && controllers_->Handle(raw, pending_)) continue;
        Translate(raw, pending_);
        if (!pending_.empty() && pending_.back().type == EventType::DeviceReset && graphics_) {
            graphics_->RestoreTextures();
        }
    }
    if (pending_.empty()) return false;
    event = pending_.front();
    pending_.pop_front();
    return true;
}

}  // namespace platform
