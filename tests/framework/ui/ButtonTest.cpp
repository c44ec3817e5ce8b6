// Buttons driven by pointer and key events through the real loop, with the game's menu pictures.
#include <gtest/gtest.h>

#include <utility>

#include "framework/core/Input.h"
#include "framework/gfx/BitmapFont.h"
#include "framework/gfx/Label.h"
#include "framework/sprites/Box.h"
#include "framework/sprites/Color.h"
#include "framework/ui/MouseRepeat.h"
#include "platform/KeyCodes.h"
#include "tests/framework/ui/UiTestSupport.h"

namespace murkwell::test {
namespace {

using Arrange = std::function<void(TButton&)>;

// "button" is 164 × 56; at 100, 200 it covers x 100 … 263 and y 200 … 255.
class ButtonTest : public UiTest {
protected:
    std::shared_ptr<TButton> b = AddButton("button", 100, 200);
    // Whether the picture was drawn in the last tick, and in which state.
    const RecordingGraphics::Drawn* DrawnOf(const std::shared_ptr<TGameImage>& img) {
        for (const auto& d : Drawn()) {
            if (img && d.image == img->image.get() && d.state.blend == platform::BlendMode::Alpha) return &d;
        }
        return nullptr;
    }
};

TEST_F(ButtonTest, TheMouseIsOverTheHitArea) {
    struct Case {
        const char* what;
        Arrange setup;
        int x, y, over;
    };
    const Arrange none = [](TButton&) {};
    const Case cases[] = {
        {"top-left corner", none, 100, 200, 1},
        {"last pixel", none, 263, 255, 1},
        {"right edge", none, 264, 220, 0},
        {"bottom edge", none, 150, 256, 0},
        {"offsets move the area in", [](TButton& t) { t.offx = 50; }, 313, 220, 1},
        {"relative box", [](TButton& t) { t.SetBoundingBox(10, 10, 20, 20, 0, 1); }, 110, 210, 1},
        {"box by corners", [](TButton& t) { t.SetBoundingBox(130, 230, 110, 210, 1, 0); }, 129, 229, 1},
        {"box moves with the button", [](TButton& t) { t.SetBoundingBoxAuto(0.5f, 0.5f), t.MoveBy(10, 0); },
         151, 214, 1},
        {"auto box is centred", [](TButton& t) { t.SetBoundingBoxAuto(0.5f, 0.5f); }, 140, 214, 0},
        {"circle rim", [](TButton& t) { t.SetCircularCollision(20); }, 202, 228, 1},
        {"past the circle", [](TButton& t) { t.SetCircularCollision(20); }, 203, 228, 0},
        {"vetoed", [](TButton& t) { t.MouseOverUserFunction = [](TButton&) { return 0; }; }, 150, 220, 0},
        {"a scaled picture", [](TButton& t) { t.ScaleX = t.ScaleY = 0.5f; }, 182, 220, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        b = AddButton("button", 100, 200);
        screen.buttons = {b};
        c.setup(*b);
        MoveMouse(c.x, c.y);
        Tick();
        EXPECT_EQ(b->MouseOver, c.over);
    }
}

TEST_F(ButtonTest, ADisabledButtonTakesInputOnlyWithClickDisabled) {
    for (const int clickDisabled : {1, 0}) {
        SCOPED_TRACE(clickDisabled);
        b = AddButton("button", 100, 200);
        screen.buttons = {b};
        b->SetupScaleOnMO(1.2f, 0.03f, 0.01f, 0);
        b->LoadDisabled("buttonDown", clickDisabled);
        b->Disabled = 1;
        MoveMouse(150, 220);
        Tick(5);
        EXPECT_EQ(b->MouseOver, clickDisabled);
        EXPECT_EQ(b->ScaleOnMO > 1, clickDisabled == 1);
        ClickAt(150, 220);
        EXPECT_EQ(b->Clicked, clickDisabled);
        EXPECT_EQ(DrawnOf(b->ImageDisabled) != nullptr, clickDisabled == 0) << "the disabled look";
    }
}

TEST_F(ButtonTest, ADraggableButtonFollowsThePointerAndIsNeverClicked) {
    b->Draggable = 1;
    auto other = AddButton("button", 100, 400);
    other->SetupScaleOnMO(1.2f, 0.03f, 0.01f, 0);
    MoveMouse(110, 210);
    Press();
    for (int i = 1; i <= 200; ++i) {
        if (i <= 20) MoveMouse(110, 200 + 10 * i);  // down onto the other button
        Tick();
        ASSERT_EQ(b->Clicked, 0) << "tick " << i;
    }
    EXPECT_EQ(b->Dragging, 1);
    EXPECT_EQ(DraggedButton, b.get());
    EXPECT_FLOAT_EQ(b->y, 200 + 190) << "moved as far as the pointer";
    EXPECT_EQ(other->MouseOver, 0) << "one drag blocks every other button";
    EXPECT_FLOAT_EQ(other->ScaleOnMO, 1);
    Release();
    Tick(5);
    EXPECT_EQ(b->Dragging, 0);
    EXPECT_EQ(DraggedButton, nullptr);
    b->MoveTo(600, 600);
    Tick(5);
    EXPECT_EQ(other->MouseOver, 1);
    EXPECT_GT(other->ScaleOnMO, 1) << "the drag is over";
}

TEST_F(ButtonTest, ADragStartsOnlyPastTheDeadZone) {
    const std::pair<int, int> moves[] = {{5, 0}, {0, -5}, {5, 5}, {6, 0}, {0, -6}, {-6, 2}};
    for (const auto& [dx, dy] : moves) {
        SCOPED_TRACE(testing::Message() << dx << ", " << dy);
        b->Draggable = 1;
        b->DragDeadZone = 5;
        MoveMouse(150, 220);
        Press();
        Tick();
        MoveMouse(150 + dx, 220 + dy);
        Tick();
        EXPECT_EQ(b->Dragging, std::abs(dx) >= 6 || std::abs(dy) >= 6);
        Release();
        Tick();
        b->MoveTo(100, 200);
    }
}

TEST_F(ButtonTest, MouseRepeatClicksAtOnceAfterTheDelayAndThenInStep) {
    b->SetupMouseRepeat(500, 100);
    b->SoundClick = Sound("buttonclick");
    b->SoundClick2 = Sound("buttonclick", 0.5f);
    MoveMouse(150, 220);
    Tick();
    Press();
    std::vector<std::pair<int, float>> clicks;
    for (int t = 0; t < 200; ++t) {
        Tick();
        if (b->Clicked) clicks.emplace_back(t, Heard(b->ChannelClick));
    }
    const std::vector<std::pair<int, float>> expected = {{0, 1.0f},   {100, 0.5f}, {120, 0.5f},
                                                         {140, 0.5f}, {160, 0.5f}, {180, 0.5f}};
    EXPECT_EQ(clicks, expected) << "(tick, volume of the sound heard)";
    Release();
    Tick(100);
    EXPECT_EQ(b->Clicked, 0);
    // A press let go before the next tick is a click all the same.
    ClickAt(150, 220);
    EXPECT_EQ(b->Clicked, 1);
}

TEST_F(ButtonTest, GrowthFollowsItsSettings) {
    struct Case {
        float max;
        int delayMs, ticksOver, ticksAway;
        float scale;
    };
    const Case cases[] = {
        {1.0f, 0, 50, 0, 1.0f},   {1.2f, 0, 1, 0, 1.03f},  {1.2f, 0, 20, 0, 1.2f},  {1.2f, 50, 9, 0, 1.0f},
        {1.2f, 50, 12, 0, 1.09f}, {1.2f, 0, 20, 5, 1.15f}, {1.2f, 0, 20, 40, 1.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.max << " " << c.delayMs << " " << c.ticksOver << " " << c.ticksAway);
        b->ResetScaleOnMO();
        b->SetupScaleOnMO(c.max, 0.03f, 0.01f, c.delayMs);
        MoveMouse(150, 220);
        Tick(c.ticksOver);
        MoveMouse(600, 600);
        Tick(c.ticksAway);
        EXPECT_NEAR(b->ScaleOnMO, c.scale, 1e-4);
        MoveMouse(600, 600);
        Tick();
    }
}

TEST_F(ButtonTest, AGrownButtonIsDrawnAboutItsCentre) {
    b->SetupScaleOnMO(1.2f, 0.03f, 0.01f, 0);
    MoveMouse(150, 220);
    Tick(20);
    const auto* d = DrawnOf(b->ImageMouseOver);
    ASSERT_NE(d, nullptr);
    EXPECT_FLOAT_EQ(d->state.scaleX, 1.2f);
    EXPECT_FLOAT_EQ(d->x, 100 - 164 * 0.1f);
    EXPECT_FLOAT_EQ(d->y, 200 - 56 * 0.1f);

    // A larger picture: drawn at its own small size at rest, whole when fully grown.
    auto large = TGameImage::Create(game().MenuPath + "ButtonLong.png", -1, 0);
    b->SetImageScaled(large);
    EXPECT_FLOAT_EQ(b->ScaleOnMOMax, 388.0f / 164);
    for (const float grown : {1.0f, 1.5f, 388.0f / 164}) {
        b->ScaleOnMO = grown;
        const float g = b->GetMOScale() * 388 / 164;
        EXPECT_NEAR(g, grown, 1e-4) << "the picture's size follows the growth";
    }
    b->ScaleOnMOStayOnScreen = 1;
    b->MoveTo(900, -5);
    MoveMouse(910, 10);
    Tick();
    d = DrawnOf(large);
    ASSERT_NE(d, nullptr);
    EXPECT_FLOAT_EQ(d->state.scaleX, 1);
    EXPECT_FLOAT_EQ(d->x, 1024 - 388) << "kept on the screen";
    EXPECT_FLOAT_EQ(d->y, 0);
}

TEST_F(ButtonTest, ThePressedPictureShowsWhileThePressTimerRuns) {
    b->LoadMouseClick("buttonDown", 200);
    b->SoundClick = Sound("buttonclick");
    ClickAt(150, 220);
    ASSERT_EQ(b->Clicked, 1);
    EXPECT_GT(Heard(b->ChannelClick), 0);
    Tick(38);
    EXPECT_NE(DrawnOf(b->ImageMouseClick), nullptr);
    ClickAt(150, 220);
    EXPECT_EQ(b->Clicked, 0) << "no click while the timer runs";
    EXPECT_EQ(Heard(b->ChannelClick), 0);
    Tick();
    EXPECT_EQ(DrawnOf(b->ImageMouseClick), nullptr) << "200 ms are 40 ticks";
    EXPECT_NE(DrawnOf(b->ImageMouseOver), nullptr);

    b->ClickWhenDown = 1;
    ClickAt(150, 220);
    ClickAt(150, 220);
    EXPECT_EQ(b->Clicked, 1) << "ClickWhenDown takes it";
    b->StayDown = 1;
    Tick(100);
    EXPECT_NE(DrawnOf(b->ImageMouseClick), nullptr) << "StayDown";
}

TEST_F(ButtonTest, TheLookFollowsTheState) {
    b->LoadDisabled("buttonDown", 0);
    struct Case {
        const char* what;
        Arrange setup;
        std::shared_ptr<TGameImage> TButton::*image;  // null member: nothing drawn
    };
    const Case cases[] = {
        {"normal", [](TButton&) {}, &TButton::image},
        {"disabled", [](TButton& t) { t.Disabled = 1; }, &TButton::ImageDisabled},
        {"inactive", [](TButton& t) { t.Active = 0; }, nullptr},
        {"always drawn", [](TButton& t) { t.Active = 0, t.AlwaysDraw = 1; }, &TButton::image},
        {"fixed glow shows the mouse-over look",
         [](TButton& t) { t.SetFixedGlowOnMO(0.8f, 0.01f, 1), t.FixedGlowOnMOActivate(); },
         &TButton::ImageMouseOver},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        b->Disabled = 0, b->Active = 1, b->AlwaysDraw = 0, b->visible = 1, b->FixedGlowOnMO = 0;
        b->Glow = 0;
        c.setup(*b);
        Tick();
        if (!c.image) {
            EXPECT_TRUE(Drawn().empty());
            continue;
        }
        const auto* d = DrawnOf((*b).*c.image);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(Drawn().size(), b->GlowMode > 0 && b->Glow > 0 ? 2u : 1u) << "glow drawn on top";
    }
}

TEST_F(ButtonTest, TwoClicksWithinTheTimeAreADoubleClick) {
    for (const auto& [gap, twice] : {std::pair{30, 1}, std::pair{70, 0}}) {
        b->SetDoubleClickTime(300);
        b->ClearDoubleClick();
        ClickAt(150, 220);
        Tick(gap);
        ClickAt(150, 220);
        EXPECT_EQ(b->GetDoubleClicked(), twice) << gap;
        EXPECT_EQ(b->DoubleClicked, 0) << "cleared as it is read";
        Tick(100);
    }
}

TEST_F(ButtonTest, EnterAndSpaceClickAnOKButton) {
    struct Case {
        int ok, useSpace, key, clicked;
    };
    const Case cases[] = {{1, 1, platform::vk::kEnter, 1},
                          {1, 1, platform::vk::kSpace, 1},
                          {1, 0, platform::vk::kSpace, 0},
                          {0, 1, platform::vk::kEnter, 0},
                          {1, 1, platform::vk::kA, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.ok << c.useSpace << " " << c.key);
        b->OKButton = c.ok;
        b->OKButtonUseSpace = c.useSpace;
        MoveMouse(600, 600);
        Key(c.key);
        Tick();
        EXPECT_EQ(b->Clicked, c.clicked);
        EXPECT_EQ(b->MouseOver, c.clicked) << "a simulated click shows the mouse-over look";
        b->ClearClick();
        FlushKeys();
    }
}

TEST_F(ButtonTest, TheCaptionTakesTheColoursOfEachLook) {
    auto font = TBitmapFont::Create(game().FontPath + "Button", -1, 0, 0);
    b->SetupCaption("OK", nullptr, TColor::Create(205, 154, 65), nullptr, font, TColor::Create(225, 160, 72));
    b->SetupCaptionDown(TColor::Create(175, 145, 55), 0.5f, 0, 3);
    b->CaptionDisabledColor = TColor::Create(90, 90, 90);
    b->LoadMouseClick("buttonDown", 200);
    struct Case {
        const char* what;
        std::function<void()> act;
        int r;
        float scale;
    };
    const Case cases[] = {
        {"normal", [&] { MoveMouse(600, 600), Tick(50); }, 205, 1},
        {"mouse over", [&] { MoveMouse(150, 220), Tick(); }, 225, 1},
        {"pressed", [&] { ClickAt(150, 220); }, 175, 0.5f},
        {"disabled", [&] { MoveMouse(600, 600), Tick(50), b->Disabled = 1, Tick(); }, 90, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.act();
        ASSERT_FALSE(graphics().Parts().empty());
        const auto& glyph = graphics().Parts().back();
        EXPECT_EQ(glyph.state.r, c.r);
        EXPECT_FLOAT_EQ(glyph.state.scaleX, c.scale);
        EXPECT_NEAR(glyph.y, 228, 30) << "on the button";
    }
    EXPECT_EQ(b->Caption->Color->r, 205) << "the label keeps its own colour";
}

TEST_F(ButtonTest, ASoundThatCannotPlayIsNotHeard) {
    struct Case {
        const char* what;
        std::function<void()> setup;
        int heard;
    };
    const Case cases[] = {
        {"a sound", [&] { b->SoundClick = Sound("buttonclick"); }, 1},
        {"no sample", [&] { b->SoundClick = std::make_shared<TGameSound>(); }, 0},
        {"sound off", [&] { b->SoundClick = Sound("buttonclick"), game().Sound = 0; }, 0},
        {"disabled",
         [&] { b->SoundClick = Sound("buttonclick"), b->Disabled = 1, b->SoundsWhenDisabled = 0; }, 0},
        // No device: the mixer plays on in silence, as every audio state is kept.
        {"no audio", [&] { b->SoundClick = Sound("buttonclick"), game().ChangeSoundDriver("None", 0); }, 1},
    };
    MoveMouse(150, 220);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        game().Sound = 1;
        b->Disabled = 0;
        Tick();
        c.setup();
        ClickAt(150, 220);
        EXPECT_EQ(b->Clicked, 1);
        EXPECT_EQ(Heard(b->ChannelClick) > 0, c.heard == 1);
    }
}

TEST_F(ButtonTest, KillLetsGoOfChannelsDragAndParts) {
    b->Draggable = 1;
    b->SoundMouseOver = Sound("buttonMO");
    b->SetupMouseRepeat(500, 100);
    b->SetBoundingBoxAuto(1, 1);
    MoveMouse(150, 220);
    Press();
    Tick();
    ASSERT_EQ(DraggedButton, b.get());
    const platform::ChannelId channel = b->ChannelMouseOver;
    ASSERT_NE(channel, 0);
    b->Kill();
    EXPECT_EQ(DraggedButton, nullptr);
    EXPECT_EQ(b->ChannelMouseOver, 0);
    EXPECT_FALSE(mixer().IsPlaying(channel));
    EXPECT_FALSE(b->MouseRepeat || b->BoundingBox || b->Caption);

    // A dragged button that goes away ends its drag.
    auto other = AddButton("button", 100, 400);
    other->StartDrag();
    screen.buttons.pop_back();
    other.reset();
    EXPECT_EQ(DraggedButton, nullptr);
}

}  // namespace
}  // namespace murkwell::test
