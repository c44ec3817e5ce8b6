// A game controller's events as the keys the game knows, without a device: the buttons, the stick with
// its two marks, a direction held by both, the repeats of a held direction and everything let go when a
// controller goes away.
#include <gtest/gtest.h>

#include <string>

#include "platform/KeyCodes.h"
#include "platform/sdl/SdlController.h"

namespace platform {
namespace {

SDL_Event Button(Uint8 button, bool down, Uint32 at = 0) {
    SDL_Event e{};
    e.type = down ? SDL_CONTROLLERBUTTONDOWN : SDL_CONTROLLERBUTTONUP;
    e.cbutton.button = button;
    e.cbutton.timestamp = at;
    return e;
}

SDL_Event Stick(Uint8 axis, Sint16 value, Uint32 at = 0) {
    SDL_Event e{};
    e.type = SDL_CONTROLLERAXISMOTION;
    e.caxis.axis = axis;
    e.caxis.value = value;
    e.caxis.timestamp = at;
    return e;
}

// The events as text: "+13" a key down, "-13" up, "*37" a repeat, "'13" a typed character.
std::string Text(const std::deque<Event>& events) {
    std::string text;
    for (const Event& e : events) {
        if (!text.empty()) text += ' ';
        switch (e.type) {
            case EventType::KeyDown:
                text += (e.repeat ? "*" : "+") + std::to_string(e.key);
                break;
            case EventType::KeyUp:
                text += "-" + std::to_string(e.key);
                break;
            case EventType::Character:
                text += "'" + std::to_string(static_cast<int>(e.character));
                break;
            default:
                text += "?";
                break;
        }
    }
    return text;
}

std::string Mapped(ControllerMapper& mapper, const SDL_Event& in) {
    std::deque<Event> out;
    mapper.Translate(in, out);
    return Text(out);
}

TEST(ControllerTest, ButtonsAreTheKeysOfTheMenusAndTheBoard) {
    struct Case {
        Uint8 button;
        std::string down, up;
    };
    const Case cases[] = {
        {SDL_CONTROLLER_BUTTON_DPAD_UP, "+38", "-38"},
        {SDL_CONTROLLER_BUTTON_DPAD_DOWN, "+40", "-40"},
        {SDL_CONTROLLER_BUTTON_DPAD_LEFT, "+37", "-37"},
        {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, "+39", "-39"},
        {SDL_CONTROLLER_BUTTON_A, "+13 '13", "-13"},
        {SDL_CONTROLLER_BUTTON_B, "+27 '27", "-27"},
        {SDL_CONTROLLER_BUTTON_START, "+27 '27", "-27"},
        {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, "+200", "-200"},
        {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, "+199", "-199"},
        {SDL_CONTROLLER_BUTTON_X, "", ""},
        {SDL_CONTROLLER_BUTTON_GUIDE, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.button));
        ControllerMapper mapper;
        EXPECT_EQ(Mapped(mapper, Button(c.button, true)), c.down);
        EXPECT_EQ(Mapped(mapper, Button(c.button, true)), "") << "a second down is no new press";
        EXPECT_EQ(Mapped(mapper, Button(c.button, false)), c.up);
        EXPECT_EQ(Mapped(mapper, Button(c.button, false)), "");
    }
    EXPECT_EQ(vk::kGamepadLeftShoulder, 200);
    EXPECT_EQ(vk::kGamepadRightShoulder, 199);
}

TEST(ControllerTest, TheStickPushesPastOneMarkAndLetsGoUnderTheOther) {
    struct Step {
        Uint8 axis;
        Sint16 value;
        std::string events;
    };
    const Step steps[] = {
        {SDL_CONTROLLER_AXIS_LEFTX, 15000, ""},         // not yet pushed
        {SDL_CONTROLLER_AXIS_LEFTX, 16000, "+39"},      // right
        {SDL_CONTROLLER_AXIS_LEFTX, 13000, ""},         // between the marks: still held
        {SDL_CONTROLLER_AXIS_LEFTX, 11999, "-39"},      // let go
        {SDL_CONTROLLER_AXIS_LEFTX, -32768, "+37"},     // hard left
        {SDL_CONTROLLER_AXIS_LEFTX, 32767, "-37 +39"},  // straight across
        {SDL_CONTROLLER_AXIS_LEFTY, -20000, "+38"},     // up, both held
        {SDL_CONTROLLER_AXIS_LEFTY, 20000, "-38 +40"},  // down
        {SDL_CONTROLLER_AXIS_RIGHTX, 32767, ""},        // the right stick is not the game's
        {SDL_CONTROLLER_AXIS_TRIGGERLEFT, 32767, ""},  {SDL_CONTROLLER_AXIS_LEFTY, 0, "-40"},
        {SDL_CONTROLLER_AXIS_LEFTX, 0, "-39"},
    };
    ControllerMapper mapper;
    for (const Step& step : steps) {
        EXPECT_EQ(Mapped(mapper, Stick(step.axis, step.value)), step.events)
            << static_cast<int>(step.axis) << " " << step.value;
    }
}

TEST(ControllerTest, ADirectionHeldByPadAndStickGoesUpWhenBothLetGoAndRepeatsWhileHeld) {
    ControllerMapper mapper;
    EXPECT_EQ(Mapped(mapper, Button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true, 1000)), "+37");
    EXPECT_EQ(Mapped(mapper, Stick(SDL_CONTROLLER_AXIS_LEFTX, -30000, 1100)), "");
    EXPECT_EQ(Mapped(mapper, Button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, false)), "") << "the stick holds it";
    EXPECT_EQ(Mapped(mapper, Button(SDL_CONTROLLER_BUTTON_A, true, 1200)), "+13 '13");

    std::deque<Event> out;
    mapper.Repeat(1399, out);
    EXPECT_EQ(Text(out), "") << "no repeat before 400 ms";
    mapper.Repeat(1400, out);
    EXPECT_EQ(Text(out), "*37") << "A does not repeat";
    out.clear();
    mapper.Repeat(1645, out);
    EXPECT_EQ(Text(out), "*37 *37") << "then every 120 ms, late ones caught up";

    EXPECT_EQ(Mapped(mapper, Stick(SDL_CONTROLLER_AXIS_LEFTX, 0)), "-37");
    out.clear();
    mapper.Repeat(5000, out);
    EXPECT_EQ(Text(out), "");
}

TEST(ControllerTest, AControllerGoneLetsGoOfEverythingItHeld) {
    ControllerMapper mapper;
    Mapped(mapper, Button(SDL_CONTROLLER_BUTTON_B, true));
    Mapped(mapper, Stick(SDL_CONTROLLER_AXIS_LEFTY, 32767));
    std::deque<Event> out;
    mapper.ReleaseAll(out);
    EXPECT_EQ(Text(out), "-27 -40");
    EXPECT_EQ(Mapped(mapper, Stick(SDL_CONTROLLER_AXIS_LEFTY, 32767)), "+40") << "the stick starts afresh";
}

}  // namespace
}  // namespace platform
