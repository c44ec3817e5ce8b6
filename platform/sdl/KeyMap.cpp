#include "platform/sdl/KeyMap.h"

#include "platform/KeyCodes.h"

namespace platform {

int VirtualKeyFromSdl(SDL_Keycode key, SDL_Scancode scancode) {
    if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z) return vk::kA + (scancode - SDL_SCANCODE_A);
    if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9)
        return vk::k0 + 1 + (scancode - SDL_SCANCODE_1);
    if (scancode == SDL_SCANCODE_0) return vk::k0;
    if (scancode >= SDL_SCANCODE_KP_1 && scancode <= SDL_SCANCODE_KP_9) {
        return vk::kNumpad0 + 1 + (scancode - SDL_SCANCODE_KP_1);
    }
    if (key >= SDLK_F1 && key <= SDLK_F12) return vk::kF1 + (key - SDLK_F1);

    switch (key) {
        case SDLK_BACKSPACE:
            return vk::kBackspace;
        case SDLK_TAB:
            return vk::kTab;
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
            return vk::kEnter;
        case SDLK_PAUSE:
            return vk::kPauseBreak;
        case SDLK_CAPSLOCK:
            return vk::kCapsLock;
        case SDLK_ESCAPE:
            return vk::kEscape;
        case SDLK_SPACE:
            return vk::kSpace;
        case SDLK_PAGEUP:
            return vk::kPageUp;
        case SDLK_PAGEDOWN:
            return vk::kPageDown;
        case SDLK_END:
            return vk::kEnd;
        case SDLK_HOME:
            return vk::kHome;
        case SDLK_LEFT:
            return vk::kLeft;
        case SDLK_UP:
            return vk::kUp;
        case SDLK_RIGHT:
            return vk::kRight;
        case SDLK_DOWN:
            return vk::kDown;
        case SDLK_PRINTSCREEN:
            return vk::kPrintScreen;
        case SDLK_INSERT:
            return vk::kInsert;
        case SDLK_DELETE:
            return vk::kDelete;
        case SDLK_LGUI:
            return vk::kLeftWindows;
        case SDLK_RGUI:
            return vk::kRightWindows;
        case SDLK_APPLICATION:
            return vk::kMenu;
        case SDLK_KP_0:
            return vk::kNumpad0;
        case SDLK_KP_MULTIPLY:
            return vk::kMultiply;
        case SDLK_KP_PLUS:
            return vk::kAdd;
        case SDLK_KP_MINUS:
            return vk::kSubtract;
        case SDLK_KP_PERIOD:
            return vk::kDecimal;
        case SDLK_KP_DIVIDE:
            return vk::kDivide;
        case SDLK_NUMLOCKCLEAR:
            return vk::kNumLock;
        case SDLK_SCROLLLOCK:
            return vk::kScrollLock;
        case SDLK_LSHIFT:
            return vk::kLeftShift;
        case SDLK_RSHIFT:
            return vk::kRightShift;
        case SDLK_LCTRL:
            return vk::kLeftControl;
        case SDLK_RCTRL:
            return vk::kRightControl;
        case SDLK_LALT:
            return vk::kLeftAlt;
        case SDLK_RALT:
            return vk::kRightAlt;
        case SDLK_SEMICOLON:
            return vk::kSemicolon;
        case SDLK_EQUALS:
        case SDLK_PLUS:
            return vk::kPlus;
        case SDLK_COMMA:
            return vk::kComma;
        case SDLK_MINUS:
            return vk::kMinus;
        case SDLK_PERIOD:
            return vk::kPeriod;
        case SDLK_SLASH:
            return vk::kSlash;
        case SDLK_BACKQUOTE:
            return vk::kBackquote;
        case SDLK_LEFTBRACKET:
            return vk::kOpenBracket;
        case SDLK_BACKSLASH:
            return vk::kBackslash;
        case SDLK_RIGHTBRACKET:
            return vk::kCloseBracket;
        case SDLK_QUOTE:
            return vk::kQuote;
        default:
            return 0;
    }
}

}  // namespace platform
