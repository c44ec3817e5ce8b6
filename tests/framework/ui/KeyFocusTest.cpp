// The keyboard's focus over whatever widgets a screen manages: the order Tab and the arrows walk them in,
// Enter pressing the one in focus, the frame that shows it, and what stays the screen's own: Enter while
// the focus does not show, an OK button's Enter, typing in a line.
#include <gtest/gtest.h>

#include <functional>

#include "framework/core/Input.h"
#include "framework/gfx/GameImage.h"
#include "framework/ui/CheckBox.h"
#include "framework/ui/DialogTextInput.h"
#include "framework/ui/KeyFocus.h"
#include "framework/ui/Slider.h"
#include "platform/KeyCodes.h"
#include "tests/framework/ui/UiTestSupport.h"

namespace murkwell::test {
namespace {

namespace vk = platform::vk;

// "button" is 164 × 56: a column of three and one to the right of the middle one.
class KeyFocusTest : public UiTest {
protected:
    KeyFocusTest() {
        KeyFocus.Reset();
        a = AddButton("button", 100, 100);
        b = AddButton("button", 100, 200);
        c = AddButton("button", 100, 300);
        d = AddButton("button", 400, 210);
        MoveMouse(1000, 700);
        Tick();
    }
    ~KeyFocusTest() override {
        game().AfterTickFunction = nullptr;
        KeyFocus.Reset();
    }
    void Hit(int key) {
        Key(key);
        Tick();
    }
    void ShiftTab() {
        Push(platform::EventType::KeyDown, vk::kShift);
        Hit(vk::kTab);
        Push(platform::EventType::KeyUp, vk::kShift);
    }
    // The name of the button in focus, "" when the focus does not show on one of them.
    std::string Focused() {
        for (const auto& [name, button] : {std::pair{"a", a}, {"b", b}, {"c", c}, {"d", d}}) {
            if (KeyFocus.ShowsOn(button.get())) return name;
        }
        return KeyFocus.Shows() ? "?" : "";
    }
    // The frame's bright rim along the top of a widget was drawn in the last frame.
    bool FramedAt(float x, float y, float w) {
        for (const auto& r : graphics().Rects()) {
            if (r.x == x - 2 && r.y == y - 2 && r.w == w + 4 && r.h == 2) return true;
        }
        return false;
    }

    std::shared_ptr<TButton> a, b, c, d;
};

TEST_F(KeyFocusTest, TabGoesRoundInReadingOrderAndEnterPressesTheButtonInFocus) {
    EXPECT_EQ(Focused(), "") << "nothing shows before a key";
    std::string walked;
    for (int i = 0; i < 5; ++i) {
        Hit(vk::kTab);
        walked += Focused();
    }
    EXPECT_EQ(walked, "abdca") << "as read: d stands on b's line";
    ShiftTab();
    EXPECT_EQ(Focused(), "c");
    EXPECT_TRUE(FramedAt(c->x, c->y, c->Width())) << "the focus shows as a frame";
    EXPECT_FALSE(FramedAt(a->x, a->y, a->Width()));
    Hit(vk::kEnter);
    EXPECT_EQ(c->Clicked, 1);
    EXPECT_EQ(a->Clicked + b->Clicked + d->Clicked, 0);
}

TEST_F(KeyFocusTest, ArrowsGoToTheNearestWidgetThatWayAndTheMouseHidesTheFocus) {
    struct Step {
        int key;
        const char* focused;
    };
    const Step steps[] = {{vk::kDown, "a"},  // the first key only shows the focus
                          {vk::kDown, "b"}, {vk::kRight, "d"}, {vk::kDown, "c"},
                          {vk::kUp, "b"},   {vk::kRight, "d"}, {vk::kLeft, "b"},
                          {vk::kUp, "a"},   {vk::kUp, "a"},    {vk::kLeft, "a"}};
    for (const Step& step : steps) {
        Hit(step.key);
        EXPECT_EQ(Focused(), step.focused) << step.key;
    }
    MoveMouse(990, 700);
    Tick();
    EXPECT_EQ(Focused(), "");
    Key(vk::kEnter);
    Tick();
    EXPECT_EQ(a->Clicked, 0) << "a hidden focus presses nothing";
    EXPECT_EQ(KeyHit(vk::kEnter), 1) << "Enter stays the screen's";
    // The next arrow brings the focus back where it was, or to the widget under the mouse.
    Hit(vk::kRight);
    EXPECT_EQ(Focused(), "a");
    MoveMouse(120, 320);
    Tick();
    Hit(vk::kTab);
    EXPECT_EQ(Focused(), "a") << "Tab shows the focus where it was";
    KeyFocus.Reset();
    Tick();
    Hit(vk::kDown);
    EXPECT_EQ(Focused(), "c") << "or, when it was nowhere, under the mouse";
}

TEST_F(KeyFocusTest, AnOkButtonKeepsEnterUnlessTheFocusShowsOnAnotherButton) {
    a->OKButton = 1;
    Key(vk::kEnter);
    Tick();
    EXPECT_EQ(a->Clicked, 1) << "as before: Enter is the OK button's";
    a->Clicked = 0;
    Hit(vk::kTab);
    Hit(vk::kTab);
    ASSERT_EQ(Focused(), "b");
    Key(vk::kSpace);
    Tick();
    EXPECT_EQ(b->Clicked, 1);
    EXPECT_EQ(a->Clicked, 0);
}

TEST_F(KeyFocusTest, SlidersTakeLeftAndRightAndCheckBoxesFlipOnEnter) {
    screen.buttons.clear();
    const std::string pictures = std::string(MURKWELL_DATA_DIR) + "/menus/OptionsScreen/";
    auto picture = [&](const char* file) {
        return TGameImage::Create(pictures + file, kDefaultImageFlags, 0);
    };
    auto slider = TSlider::CreateSpecial("slider", "Dot", 100, 100, 10, pictures, 8);
    auto box = TCheckBox::Create(picture("CheckBox.png"), picture("CheckBoxMO.png"), picture("CheckMark.png"),
                                 100, 200, 1);
    int changes = 0;
    game().AfterTickFunction = [&] {
        changes += slider->Manage() + box->Logic();
        return 1;
    };
    Tick();
    Hit(vk::kTab);
    ASSERT_TRUE(KeyFocus.ShowsOn(slider.get()));
    Hit(vk::kRight);
    EXPECT_EQ(slider->Value, 60);
    Hit(vk::kLeft);
    Hit(vk::kLeft);
    EXPECT_EQ(slider->Value, 40);
    EXPECT_TRUE(KeyFocus.ShowsOn(slider.get())) << "left and right stay on the slider";
    Hit(vk::kDown);
    ASSERT_TRUE(KeyFocus.ShowsOn(box.get()));
    Hit(vk::kEnter);
    EXPECT_EQ(box->state, 0);
    EXPECT_EQ(changes, 4);
    slider->Kill();
    box->Kill();
}

TEST_F(KeyFocusTest, TypingStaysTypingAndEnterGoesToTheButtonInFocusAlone) {
    screen.buttons.clear();
    auto dialog = TDialogTextInput::Create("Your name?", "", 10, nullptr, 400, 0, 0, 0, "");
    int answer = 0;
    game().AfterTickFunction = [&] {
        if (answer == 0) answer = dialog->Manage();
        return 1;
    };
    dialog->Start();
    Tick(2);
    Hit(vk::kTab);
    Hit(vk::kTab);
    ASSERT_TRUE(KeyFocus.ShowsOn(dialog->Menu->FindButton("Cancel").get()));
    Key(vk::kSpace);
    Type(U"A b");
    EXPECT_EQ(dialog->TextInput.Text, "A b");
    EXPECT_EQ(answer, 0) << "Space typed, pressed nothing";
    Key(vk::kEnter);
    Type(U"\r");
    Tick(100);
    EXPECT_EQ(answer, -1) << "Enter pressed Cancel, and the line did not take it as well";
}

}  // namespace
}  // namespace murkwell::test
