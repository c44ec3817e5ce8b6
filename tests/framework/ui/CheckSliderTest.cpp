// Check boxes and sliders of the options screen's pictures: which pixels take a click, the sounds they
// make, and how the dot follows the pointer and holds at the ends.
#include <functional>
#include <utility>

#include "framework/gfx/GameImage.h"
#include "framework/ui/CheckBox.h"
#include "framework/ui/Slider.h"
#include "tests/framework/ui/UiTestSupport.h"

namespace murkwell::test {
namespace {

// "CheckBox" is 36 × 36; "slider" is 284 × 28 and "Dot" 36 × 36.
class CheckSliderTest : public UiTest {
protected:
    ~CheckSliderTest() override { game().AfterTickFunction = nullptr; }

    static std::string Pictures() { return std::string(MURKWELL_DATA_DIR) + "/menus/OptionsScreen/"; }
    static std::shared_ptr<TCheckBox> Box(float x, float y) {
        const auto picture = [](const char* file) {
            return TGameImage::Create(Pictures() + file, kDefaultImageFlags, 0);
        };
        return TCheckBox::Create(picture("CheckBox.png"), picture("CheckBoxMO.png"), picture("CheckMark.png"),
                                 x, y, 1);
    }
    // A bar whose dot keeps 10 pixels from either end (a groove of 264), over it 8 pixels above and below.
    static std::shared_ptr<TSlider> Slider(float x, float y) {
        return TSlider::CreateSpecial("slider", "Dot", x, y, 10, Pictures(), 8);
    }
    // What runs after the screen's logic every tick, as a screen polls its widgets.
    void EveryTick(std::function<void()> work) {
        game().AfterTickFunction = [work] {
            work();
            return 1;
        };
    }
};

TEST_F(CheckSliderTest, ABoxTakesClicksOnItsLeftTopAndBottomEdgesButNotItsRightOne) {
    struct Case {
        int dx, dy;
        bool toggles;
    };
    const Case cases[] = {{0, 0, true},    {35, 35, true},  {18, 36, true}, {36, 18, false},
                          {-1, 18, false}, {18, -1, false}, {18, 37, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.dx << "," << c.dy);
        auto box = Box(100, 200);
        box->SetSounds(Sound("buttonclick"), nullptr);
        int changed = 0;
        EveryTick([&] { changed += box->Logic(); });
        ClickAt(100 + c.dx, 200 + c.dy);
        Tick();
        EXPECT_EQ(changed, c.toggles ? 1 : 0);
        EXPECT_EQ(box->state, c.toggles ? 0 : 1);
        EXPECT_EQ(Heard(box->ChannelClick) > 0, c.toggles);
        box->Kill();
    }
}

TEST_F(CheckSliderTest, ABoxSoundsOnceAsThePointerArrivesAndADisabledBoxOnlyRefuses) {
    auto box = Box(100, 200);
    box->SetSounds(Sound("buttonclick", 1.0f), Sound("buttonMO", 0.5f));
    box->disabledSound = Sound("buttonclick", 0.25f);
    EveryTick([&] { box->Logic(); });

    MoveMouse(110, 210);
    Tick(3);
    EXPECT_FLOAT_EQ(Heard(box->ChannelMouseOver), 0.5f);
    Tick(3);
    EXPECT_EQ(Heard(box->ChannelMouseOver), 0) << "once per arrival";
    ClickAt(110, 210);
    EXPECT_FLOAT_EQ(Heard(box->ChannelClick), 1.0f);
    EXPECT_EQ(box->state, 0);

    box->disabled = 1;
    MoveMouse(0, 0);
    Tick();
    MoveMouse(110, 210);
    Tick();
    EXPECT_EQ(Heard(box->ChannelMouseOver), 0) << "a disabled box does not greet the pointer";
    ClickAt(110, 210);
    EXPECT_FLOAT_EQ(Heard(box->ChannelClick), 0.25f) << "the disabled sound, not the click";
    EXPECT_EQ(box->state, 0);
    box->Kill();
}

TEST_F(CheckSliderTest, APressSetsTheValueFromThePointerHeldAtZeroAndAHundredBeyondTheGroove) {
    // The bar's corner at 370, 220: the groove runs from 380 to 644, the pointer counts as over it from
    // 360 to 663 and from 212 to 255.
    struct Case {
        int x, y;
        int value;  // -1: not over the bar, the value stays 50
    };
    const Case cases[] = {{512, 234, 50}, {380, 234, 0},   {381, 234, 0},   {383, 234, 1},
                          {413, 234, 13}, {640, 234, 98},  {643, 234, 100}, {644, 234, 100},
                          {360, 234, 0},  {663, 234, 100}, {359, 234, -1},  {664, 234, -1},
                          {512, 212, 50}, {512, 255, 50},  {512, 211, -1},  {512, 256, -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        auto slider = Slider(370, 220);
        int set = 0;
        EveryTick([&] { set += slider->Manage(); });
        MoveMouse(c.x, c.y);
        Press();
        Tick();
        EXPECT_EQ(slider->Value, c.value < 0 ? 50 : c.value);
        EXPECT_EQ(set, c.value < 0 ? 0 : 1);
        // The dot's middle sits over the value's place in the groove.
        EXPECT_EQ(slider->DotX, static_cast<int>(370 + 10 + slider->Value / 100.0f * 264 - 18));
        Release();
        Tick();
        slider->Kill();
    }
}

TEST_F(CheckSliderTest, TheDotFollowsAHeldPressOffTheBarAndNeverMovesAnotherBar) {
    auto top = Slider(370, 220), bottom = Slider(370, 315);
    EXPECT_EQ(top->Value, 50) << "a new slider shows 50";
    EveryTick([&] {
        top->Manage();
        bottom->Manage();
    });
    MoveMouse(450, 230);
    Press();
    Tick();
    EXPECT_EQ(top->Value, 27);
    MoveMouse(1000, 700);  // far past the right end and below the other bar
    Tick();
    EXPECT_EQ(top->Value, 100);
    MoveMouse(0, 325);  // far past the left end, level with the other bar
    Tick();
    EXPECT_EQ(top->Value, 0);
    MoveMouse(600, 325);  // over the other bar
    Tick();
    EXPECT_EQ(top->Value, 83);
    EXPECT_EQ(bottom->Value, 50);
    Release();
    Tick();
    MoveMouse(512, 230);
    Tick(3);
    EXPECT_EQ(top->Value, 83) << "let go, the pointer passes over without moving it";

    const std::pair<int, int> values[] = {{150, 100}, {-5, 0}, {42, 42}};
    for (const auto& [asked, shown] : values) {
        top->SetValue(asked);
        EXPECT_EQ(top->Value, shown);
    }
    top->Kill();
    bottom->Kill();
}

}  // namespace
}  // namespace murkwell::test
