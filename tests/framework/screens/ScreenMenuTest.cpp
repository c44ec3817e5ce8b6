// A screen's header and menu: loaded, started silently, managed, drawn over the background and released.
#include <gtest/gtest.h>

#include "framework/gfx/GameImage.h"
#include "framework/sprites/Sprite.h"
#include "tests/framework/ui/UiTestSupport.h"

namespace murkwell::test {
namespace {

class ScreenMenuTest : public UiTest {
protected:
    ScreenMenuTest() {
        page.ImageLoad("Backgrounds/bg1.jpg", 0, 0);
        page.HeaderLoad("BigText/Play", 100, 50, 1);
        page.Menu = TMenu::Create("buttonMO", "buttonclick", 0, 300, 10);
        play = page.Menu->AddQuick("buttonplay", "play");  // 358, 300, 308 × 72
    }
    TScreen page;
    std::shared_ptr<TButton> play;
};

TEST_F(ScreenMenuTest, TheHeaderAndMenuAreDrawnOverTheBackground) {
    ASSERT_NE(page.Header, nullptr);
    page.PreStart();
    Tick();
    ASSERT_EQ(Drawn().size(), 3u);
    const platform::Image* order[] = {page.Image->image.get(), page.Header->image->image.get(),
                                      play->image->image.get()};
    for (size_t i = 0; i < 3; ++i) EXPECT_EQ(Drawn()[i].image, order[i]) << i;
    EXPECT_EQ(Drawn()[0].state.blend, platform::BlendMode::Solid);
    EXPECT_EQ(Drawn()[1].state.blend, platform::BlendMode::Alpha);
    EXPECT_FLOAT_EQ(Drawn()[1].x, 100);
    EXPECT_FLOAT_EQ(Drawn()[1].y, 50);
    EXPECT_FLOAT_EQ(Drawn()[2].x, 358);
}

TEST_F(ScreenMenuTest, AScreenStartsUnderThePointerWithoutASound) {
    MoveMouse(400, 320);
    Tick();  // the pointer is there before the screen starts
    page.PreStart();
    EXPECT_EQ(play->MouseOver, 1) << "the silent pass";
    EXPECT_EQ(Heard(play->ChannelMouseOver), 0);
    Tick(5);
    EXPECT_EQ(Heard(play->ChannelMouseOver), 0) << "nor once it runs";
    EXPECT_EQ(page.Menu->MouseOverName, "PLAY");
    ClickAt(400, 320);
    EXPECT_EQ(page.Menu->Clicked("Play"), 1);
    EXPECT_GT(Heard(play->ChannelClick), 0);
}

TEST_F(ScreenMenuTest, KillReleasesHeaderAndMenu) {
    page.PreStart();
    MoveMouse(400, 320);
    Tick();
    const platform::ChannelId channel = play->ChannelMouseOver;
    ASSERT_NE(channel, 0);
    page.Kill();
    EXPECT_EQ(page.Image, nullptr);
    EXPECT_EQ(page.Header, nullptr);
    EXPECT_EQ(page.Menu, nullptr);
    EXPECT_FALSE(mixer().IsPlaying(channel));
    EXPECT_EQ(play->ChannelMouseOver, 0);
    Tick();
    EXPECT_TRUE(Drawn().empty());
}

}  // namespace
}  // namespace murkwell::test
