// The scroll bar and the list box played through the real loop's mouse and keys: limits, steps, the
// wheel, dragging, double clicks and the arrow keys.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "framework/gfx/GameImage.h"
#include "framework/ui/ListBox.h"
#include "framework/ui/ScrollBar.h"
#include "tests/framework/ui/UiTestSupport.h"

namespace murkwell::test {
namespace {

// Polls one scroll bar or list box a tick, as its owner would.
class WidgetScreen : public ButtonScreen {
public:
    std::shared_ptr<TScrollBar> bar;
    std::shared_ptr<TListBox> list;
    int Logic() override {
        if (bar) bar->Manage();
        if (list) list->Manage();
        return 1;
    }
};

class ScrollListTest : public UiTest {
protected:
    ScrollListTest() { game().CurrentTScreen = &widgets; }
    // A vertical bar at (100, 100), 300 long, whose slider is the 56-pixel-high "OK" picture.
    std::shared_ptr<TScrollBar> Bar(double maximum) {
        auto slider = TGameImage::Create(game().MenuPath + "OK.png", -1, 0);
        widgets.bar = TScrollBar::Create(slider, 300, maximum, 100, 100, 1);
        widgets.bar->SetArrows("arrowL", "arrowR", 100);
        return widgets.bar;
    }
    void ClickArrow(const std::string& name) {
        const auto button = widgets.bar->Menu->FindButton(name);
        ClickAt(static_cast<int>(button->x + button->Width() / 2), static_cast<int>(button->y + button->Height() / 2));
        Tick(2);
    }
    WidgetScreen widgets;
};

TEST_F(ScrollListTest, AScrollBarKeepsItsValueBetweenNoughtAndItsMaximum) {
    struct Case {
        double maximum;
        int wheel;          // notches in one event; positive turns towards the start
        const char* arrow;  // then clicked, or null
        int value, position;
    };
    const Case cases[] = {
        {0, -3, "down", 0, 0},    // nothing to scroll: the slider stays at the start
        {10, -3, nullptr, 3, 73},  // three notches down at once: three steps
        {2, -3, nullptr, 2, 244},  // stopping at the end
        {10, -3, "up", 2, 49},     // and the up arrow takes one back
        {10, 5, nullptr, 0, 0},    // turned up past the start
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.maximum << " " << c.wheel);
        auto bar = Bar(c.maximum);
        MoveMouse(600, 600);
        Wheel(c.wheel);
        Tick();
        if (c.arrow) ClickArrow(c.arrow);
        EXPECT_EQ(bar->Value, c.value);
        EXPECT_EQ(bar->SliderPosition, c.position);
        EXPECT_EQ(bar->Menu->FindButton("up")->Disabled, c.value == 0 ? 1 : 0);
        EXPECT_EQ(bar->Menu->FindButton("down")->Disabled, c.value == static_cast<int>(c.maximum) ? 1 : 0);
    }
}

TEST_F(ScrollListTest, TheSliderFollowsTheMouseWhileItIsDraggedAndNoFurther) {
    auto bar = Bar(20);
    MoveMouse(150, 110);  // on the slider, 10 pixels below its top
    Press();
    Tick();
    ASSERT_EQ(bar->SliderSelected, 1);
    MoveMouse(150, 232);  // 122 pixels down the 244 free: half way
    Tick();
    EXPECT_EQ(bar->Value, 10);
    MoveMouse(150, 700);  // past the end
    Tick();
    EXPECT_EQ(bar->SliderPosition, 244);
    EXPECT_EQ(bar->Value, 20);
    Release();
    Tick();
    MoveMouse(150, 200);
    Tick();
    EXPECT_EQ(bar->SliderSelected, 0);
    EXPECT_EQ(bar->Value, 20) << "let go, it stays";
}

TEST_F(ScrollListTest, AListLineClickedTwiceQuicklyIsADoubleClickAndTheArrowKeysStopAtTheEnds) {
    auto list = TListBox::Create(100, 100, 300, 4, 400);
    widgets.list = list;
    list->Strings = {"Ada", "Bo", "Cy", "Di", "Ed", "Flo"};
    const auto lineMiddle = [&](int i) { return static_cast<int>(list->GetIndexY(i) + list->LineHeight / 2); };
    ClickAt(200, lineMiddle(1));
    EXPECT_EQ(list->Value, "Bo");
    ClickAt(200, lineMiddle(1));
    EXPECT_EQ(list->GetDoubleClicked(), 1);
    EXPECT_EQ(list->GetDoubleClicked(), -1) << "asked once";
    ClickAt(200, lineMiddle(2));
    Tick(10);
    ClickAt(200, lineMiddle(3));
    EXPECT_EQ(list->Value, "Di");
    EXPECT_EQ(list->GetDoubleClicked(), -1) << "another line is no double click";
    Tick(static_cast<int>(game().CalcAnimLength(500)));
    ClickAt(200, lineMiddle(3));
    EXPECT_EQ(list->GetDoubleClicked(), -1) << "too slow";

    list->SetIndex(0);
    Key(38);
    Tick();
    EXPECT_EQ(list->Index, 0) << "Up on the first line";
    Key(40);
    Tick();
    EXPECT_EQ(list->Index, 1);
    // Held down: a first repeat after 400 ms, then one every 100 ms, the shown lines following.
    Push(platform::EventType::KeyDown, 40);
    Tick(static_cast<int>(game().CalcAnimLength(510)));
    EXPECT_EQ(list->Index, 4);
    EXPECT_EQ(list->TopIndex, 1);
    Tick(static_cast<int>(game().CalcAnimLength(1000)));
    EXPECT_EQ(list->Index, 5) << "stops at the last";
    Push(platform::EventType::KeyUp, 40);
    Tick();
}

TEST_F(ScrollListTest, AListOfTenLinesScrollsOnlyAsFarAsItsNamesReach) {
    for (const int names : {0, 1, 10, 11}) {
        SCOPED_TRACE(names);
        auto list = TListBox::Create(100, 100, 300, 10, 400);
        for (int i = 0; i < names; ++i) list->Strings.push_back("Name " + std::to_string(i));
        const int most = std::max(0, names - 10);
        auto slider = TGameImage::Create(game().MenuPath + "OK.png", -1, 0);
        list->ScrollBar = TScrollBar::Create(slider, 300, most, 420, 100, 1);
        widgets.list = list;
        Wheel(-5);  // towards the end
        Tick();
        EXPECT_EQ(list->TopIndex, most);
        Wheel(8);
        Tick();
        EXPECT_EQ(list->TopIndex, 0);
        list->SetTopIndex(names + 5);
        EXPECT_EQ(list->TopIndex, most) << "never past the last screenful";
        list->SetTopIndex(0);
        // A click under the last name picks nothing.
        ClickAt(200, static_cast<int>(list->GetIndexY(std::min(names, 9)) + list->LineHeight / 2));
        EXPECT_EQ(list->Index, names >= 10 ? 9 : -1);
        // Down all the way: the last name, shown.
        for (int i = 0; i < names + 2; ++i) {
            Key(40);
            Tick();
        }
        EXPECT_EQ(list->Index, names - 1);
        EXPECT_EQ(list->TopIndex, most);
        EXPECT_EQ(list->GetTempLimit(), std::min(names, 10));
        widgets.list.reset();
    }
}

}  // namespace
}  // namespace murkwell::test
