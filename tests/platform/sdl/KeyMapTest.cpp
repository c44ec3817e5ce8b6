#include <gtest/gtest.h>

#include "platform/KeyCodes.h"
#include "platform/sdl/KeyMap.h"
#include "platform/sdl/SdlEvents.h"

namespace platform {
namespace {

// Keys whose code follows the keycode; their scancode does not matter.
int Vk(SDL_Keycode key) { return VirtualKeyFromSdl(key, SDL_SCANCODE_UNKNOWN); }

TEST(KeyMap, LettersDigitsAndFunctionKeysTakeTheirWindowsCodes) {
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_a, SDL_SCANCODE_A), 65);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_z, SDL_SCANCODE_Z), 90);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_0, SDL_SCANCODE_0), 48);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_1, SDL_SCANCODE_1), 49);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_9, SDL_SCANCODE_9), 57);
    EXPECT_EQ(Vk(SDLK_F1), 112);
    EXPECT_EQ(Vk(SDLK_F12), 123);
    EXPECT_EQ(Vk(SDLK_KP_0), 96);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_KP_9, SDL_SCANCODE_KP_9), 105);
}

TEST(KeyMap, LettersFollowTheKeysPlaceNotTheLayout) {
    // On a French keyboard the key in the place of Q types "a"; the game's keys are named by place.
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_a, SDL_SCANCODE_Q), 81);
}

TEST(KeyMap, ControlAndModifierKeys) {
    EXPECT_EQ(Vk(SDLK_ESCAPE), 27);
    EXPECT_EQ(Vk(SDLK_RETURN), 13);
    EXPECT_EQ(Vk(SDLK_KP_ENTER), 13);
    EXPECT_EQ(Vk(SDLK_BACKSPACE), 8);
    EXPECT_EQ(Vk(SDLK_TAB), 9);
    EXPECT_EQ(Vk(SDLK_SPACE), 32);
    EXPECT_EQ(Vk(SDLK_LEFT), 37);
    EXPECT_EQ(Vk(SDLK_UP), 38);
    EXPECT_EQ(Vk(SDLK_RIGHT), 39);
    EXPECT_EQ(Vk(SDLK_DOWN), 40);
    EXPECT_EQ(Vk(SDLK_DELETE), 46);
    EXPECT_EQ(Vk(SDLK_LSHIFT), 160);
    EXPECT_EQ(Vk(SDLK_RSHIFT), 161);
    EXPECT_EQ(Vk(SDLK_LCTRL), 162);
    EXPECT_EQ(Vk(SDLK_RCTRL), 163);
    EXPECT_EQ(Vk(SDLK_LALT), 164);
    EXPECT_EQ(Vk(SDLK_RALT), 165);
    EXPECT_EQ(Vk(SDLK_LGUI), 91);
    EXPECT_EQ(Vk(SDLK_RGUI), 92);
    EXPECT_EQ(Vk(SDLK_MINUS), 189);
    EXPECT_EQ(Vk(SDLK_EQUALS), 187);
}

TEST(KeyMap, KeysWithoutACodeGiveZero) { EXPECT_EQ(Vk(SDLK_AUDIOPLAY), 0); }

std::deque<Event> Translate(const SDL_Event& in) {
    std::deque<Event> out;
    SdlEvents::Translate(in, out);
    return out;
}

SDL_Event Key(Uint32 type, SDL_Keycode key, bool repeat = false, SDL_Scancode scancode = SDL_SCANCODE_UNKNOWN) {
    SDL_Event e{};
    e.type = type;
    e.key.keysym.sym = key;
    e.key.keysym.scancode = scancode;
    e.key.repeat = repeat;
    return e;
}

TEST(SdlEventTranslation, BackspaceEnterAndEscapeAreTypedToo) {
    auto out = Translate(Key(SDL_KEYDOWN, SDLK_BACKSPACE));
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0].type, EventType::KeyDown);
    EXPECT_EQ(out[1].type, EventType::Character);
    EXPECT_EQ(out[1].character, U'\b');
    // Holding Backspace keeps deleting; holding Enter or Escape does not repeat them.
    EXPECT_EQ(Translate(Key(SDL_KEYDOWN, SDLK_BACKSPACE, true)).size(), 2u);
    EXPECT_EQ(Translate(Key(SDL_KEYDOWN, SDLK_RETURN, true)).size(), 1u);
    EXPECT_EQ(Translate(Key(SDL_KEYDOWN, SDLK_ESCAPE))[1].character, U'\x1b');
    EXPECT_EQ(Translate(Key(SDL_KEYUP, SDLK_RETURN)).size(), 1u);
    EXPECT_EQ(Translate(Key(SDL_KEYDOWN, SDLK_a, false, SDL_SCANCODE_A)).size(), 1u) << "letters are typed through text input";
}

TEST(SdlEventTranslation, TypedTextBecomesCodePoints) {
    SDL_Event e{};
    e.type = SDL_TEXTINPUT;
    SDL_strlcpy(e.text.text, "Hé€", sizeof e.text.text);
    const auto out = Translate(e);
    ASSERT_EQ(out.size(), 3u);
    EXPECT_EQ(out[0].character, U'H');
    EXPECT_EQ(out[1].character, U'é');
    EXPECT_EQ(out[2].character, U'€');
}

TEST(SdlEventTranslation, MouseButtonsWheelAndWindow) {
    SDL_Event e{};
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.button = SDL_BUTTON_RIGHT;
    e.button.x = 30;
    e.button.y = 40;
    auto out = Translate(e);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].button, 2);
    EXPECT_EQ(out[0].x, 30);
    e.button.button = SDL_BUTTON_MIDDLE;
    EXPECT_EQ(Translate(e)[0].button, 3);
    e.button.button = SDL_BUTTON_X1;
    EXPECT_TRUE(Translate(e).empty()) << "side buttons are ignored";

    SDL_Event wheel{};
    wheel.type = SDL_MOUSEWHEEL;
    wheel.wheel.y = 2;
    wheel.wheel.direction = SDL_MOUSEWHEEL_FLIPPED;
    EXPECT_EQ(Translate(wheel)[0].wheel, -2);

    SDL_Event quit{};
    quit.type = SDL_QUIT;
    EXPECT_EQ(Translate(quit)[0].type, EventType::CloseRequest);

    SDL_Event focus{};
    focus.type = SDL_WINDOWEVENT;
    focus.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
    EXPECT_EQ(Translate(focus)[0].type, EventType::FocusLost);
}

}  // namespace
}  // namespace platform
