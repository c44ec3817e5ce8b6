// The virtual screen pillar-boxed on a wide display with its side borders, read back from SDL's dummy
// video driver.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "app/Product.h"
#include "framework/core/Game.h"
#include "framework/core/GameGuard.h"
#include "framework/core/Globals.h"
#include "platform/codecs/ImageCodec.h"
#include "platform/sdl/SdlPlatform.h"
#include "tests/support/TempFolder.h"

namespace {

using platform::PixelMap;
using platform::Rgba;

constexpr Rgba kBlack{0, 0, 0, 255};
constexpr Rgba kRed{220, 30, 30, 255};
constexpr Rgba kBlue{30, 30, 220, 255};
constexpr Rgba kGreen{30, 200, 60, 255};
constexpr Rgba kYellow{240, 220, 20, 255};

MATCHER_P(IsColour, c, "") {
    const int tolerance = 8;
    return std::abs(arg.r - c.r) <= tolerance && std::abs(arg.g - c.g) <= tolerance &&
           std::abs(arg.b - c.b) <= tolerance;
}

TEST(DisplayPixels, AWideDisplayShowsThePicturePillarBoxedBetweenItsBorders) {
    murkwell::test::TempFolder temp;
    ASSERT_TRUE(temp.Ok());
    std::string error;
    for (auto [name, colour] : {std::pair{"left.png", kRed}, std::pair{"right.png", kBlue}}) {
        ASSERT_TRUE(platform::SavePng(temp / name, PixelMap(100, 768, colour), 6, true, error)) << error;
    }
    std::unique_ptr<platform::Platform> sdl = platform::CreateSdlPlatform({true, true}, error);
    ASSERT_TRUE(sdl) << error;
    platform::Graphics& graphics = sdl->GetGraphics();

    TGame game(*sdl);
    const TGameGuard guard(game, kMurkwell);
    game.ImagePath = temp.Path() + "/";
    // The dummy driver's desktop is 1024 × 768 and goes full screen at no other size. A borderless window
    // the size of the desktop is what full screen at the desktop's size is here, so the desktop is read
    // as 1920 × 1080, that window is opened, and the game then holds it as its full-screen display.
    game.FirstTime = 0;
    game.DesktopWidth = 1920;
    game.DesktopHeight = 1080;
    game.DesktopRefreshRate = 60;
    game.FullScreen = 0;
    game.BorderlessWindow = 1;
    game.WideScreen = 1;
    game.UseDesktopResolution = 1;
    game.GraphicsCreate(0);
    ASSERT_EQ(graphics.OutputWidth(), 1920);
    ASSERT_EQ(graphics.OutputHeight(), 1080);
    game.FullScreen = 1;
    game.DoSetVirtualResolution(1);
    ASSERT_EQ(graphics.DrawingWidth(), 1364);

    game.SetLeftBorderImage("left.png");
    game.SetRightBorderImage("right.png");
    game.DrawWidescreenBorders = 1;
    // The picture's first 16 columns are yellow, to show where it lies.
    PixelMap picture(1024, 768, kGreen);
    for (int y = 0; y < 768; ++y) {
        for (int x = 0; x < 16; ++x) picture.Set(x, y, kYellow);
    }
    platform::ImagePtr image = graphics.LoadImage(picture, 0);
    ASSERT_TRUE(image);

    // A frame as the loop draws it.
    ASSERT_EQ(game.NeedsCLSWidescreen(), 1);
    game.CLSWidescreen();
    EXPECT_EQ(game.DoDrawWidescreenBorders(), 1);
    graphics.DrawImage(*image, 0, 0, 0);
    const PixelMap shot = graphics.Grab({0, 0, 1920, 1080});
    ASSERT_EQ(shot.Width(), 1920);

    // The drawing area (1364 wide) fills the display, 1.4076 real pixels to one. Real x → drawing-area x:
    const int y = 540;
    EXPECT_THAT(shot.At(20, y), IsColour(kBlack)) << "the bar beyond the left border";
    EXPECT_THAT(shot.At(96, y), IsColour(kBlack)) << "68: the left border starts at 171 - 100";
    EXPECT_THAT(shot.At(104, y), IsColour(kRed)) << "74";
    EXPECT_THAT(shot.At(237, y), IsColour(kRed)) << "168: the border reaches the viewport";
    EXPECT_THAT(shot.At(244, y), IsColour(kYellow)) << "173: the picture's left columns, cut at the viewport";
    EXPECT_THAT(shot.At(258, y), IsColour(kYellow)) << "183: the picture lies at the origin, 170";
    EXPECT_THAT(shot.At(265, y), IsColour(kGreen)) << "188";
    EXPECT_THAT(shot.At(960, y), IsColour(kGreen));
    EXPECT_THAT(shot.At(960, 3), IsColour(kGreen)) << "no bars above";
    EXPECT_THAT(shot.At(960, 1076), IsColour(kGreen)) << "nor below";
    EXPECT_THAT(shot.At(1675, y), IsColour(kGreen)) << "1190: the viewport ends at 1192";
    EXPECT_THAT(shot.At(1684, y), IsColour(kBlue)) << "1196: the right border starts at 171 + 1021";
    EXPECT_THAT(shot.At(1815, y), IsColour(kBlue)) << "1289";
    EXPECT_THAT(shot.At(1822, y), IsColour(kBlack)) << "1294: past the border's 100 columns";
    EXPECT_THAT(shot.At(1910, y), IsColour(kBlack));
}

}  // namespace
