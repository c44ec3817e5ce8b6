// The drawing layer on SDL's dummy video driver: real pixels from the software renderer, read back.
#include <SDL.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "platform/codecs/ImageCodec.h"
#include "platform/sdl/SdlGraphics.h"

namespace platform {
namespace {

class SdlGraphicsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        graphics_ = std::make_unique<SdlGraphics>(SdlGraphicsOptions{false, nullptr});
    }
    void TearDown() override {
        graphics_.reset();
        SDL_Quit();
    }

    void Open(int w, int h) {
        std::string error;
        WindowSpec spec;
        spec.width = w;
        spec.height = h;
        ASSERT_TRUE(graphics_->Open(spec, error)) << error;
        graphics_->SetClsColor(10, 20, 30);
        graphics_->Cls();
    }

    PixelMap Screen() { return graphics_->Grab({0, 0, graphics_->OutputWidth(), graphics_->OutputHeight()}); }

    // A 20 × 10 picture: the left half red, the right half blue.
    ImagePtr RedBlue() {
        PixelMap p(20, 10, {255, 0, 0, 255});
        for (int y = 0; y < 10; ++y)
            for (int x = 10; x < 20; ++x) p.Set(x, y, {0, 0, 255, 255});
        return graphics_->LoadImage(p, 0);
    }

    std::unique_ptr<SdlGraphics> graphics_;
};

MATCHER_P3(IsColour, r, g, b, "") {
    const int tolerance = 3;
    return std::abs(arg.r - r) <= tolerance && std::abs(arg.g - g) <= tolerance && std::abs(arg.b - b) <= tolerance;
}

TEST_F(SdlGraphicsTest, ClsFillsOnlyTheViewport) {
    Open(1024, 768);
    graphics_->SetClsColor(200, 100, 50);
    graphics_->SetViewport({100, 100, 50, 50});
    graphics_->Cls();
    const PixelMap s = Screen();
    EXPECT_THAT(s.At(120, 120), IsColour(200, 100, 50));
    EXPECT_THAT(s.At(99, 120), IsColour(10, 20, 30));
    EXPECT_THAT(s.At(150, 120), IsColour(10, 20, 30));
}

// The software renderer's textures hold the only copy of a picture's pixels; a new renderer (the window
// opened again, another driver) gets them back from the old one, turned copies included.
TEST_F(SdlGraphicsTest, PicturesOutliveTheirRenderer) {
    Open(320, 240);
    ImagePtr image = RedBlue();
    ASSERT_TRUE(image);
    for (int round = 0; round < 2; ++round) {
        Open(320, 240);
        graphics_->DrawImage(*image, 100, 100, 0);
        graphics_->SetRotation(90);
        graphics_->DrawImage(*image, 200, 100, 0);
        graphics_->SetRotation(0);
        const PixelMap s = Screen();
        EXPECT_THAT(s.At(102, 105), IsColour(255, 0, 0)) << round;
        EXPECT_THAT(s.At(117, 105), IsColour(0, 0, 255)) << round;
        EXPECT_THAT(s.At(197, 102), IsColour(255, 0, 0)) << round;
        EXPECT_THAT(s.At(197, 117), IsColour(0, 0, 255)) << round;
    }
}

TEST_F(SdlGraphicsTest, ImagesLandByHandleScaleAndRotation) {
    Open(1024, 768);
    ImagePtr image = RedBlue();
    ASSERT_TRUE(image);
    graphics_->DrawImage(*image, 100, 100, 0);
    graphics_->SetScale(2, 2);
    graphics_->DrawImage(*image, 200, 100, 0);
    graphics_->SetScale(1, 1);
    // A quarter turn clockwise: the picture's x axis points down the screen.
    graphics_->SetRotation(90);
    graphics_->DrawImage(*image, 400, 100, 0);
    graphics_->SetRotation(0);
    // The handle in the middle puts the picture's centre on the point.
    image->SetHandle(10, 5);
    graphics_->DrawImage(*image, 500, 100, 0);
    // A negative scale mirrors it about the handle.
    graphics_->SetScale(-1, 1);
    graphics_->DrawImage(*image, 600, 100, 0);
    graphics_->SetScale(1, 1);

    const PixelMap s = Screen();
    EXPECT_THAT(s.At(105, 105), IsColour(255, 0, 0));
    EXPECT_THAT(s.At(115, 105), IsColour(0, 0, 255));
    EXPECT_THAT(s.At(99, 105), IsColour(10, 20, 30));
    EXPECT_THAT(s.At(120, 105), IsColour(10, 20, 30));

    EXPECT_THAT(s.At(215, 115), IsColour(255, 0, 0));
    EXPECT_THAT(s.At(235, 118), IsColour(0, 0, 255));
    EXPECT_THAT(s.At(241, 105), IsColour(10, 20, 30));

    EXPECT_THAT(s.At(395, 104), IsColour(255, 0, 0));
    EXPECT_THAT(s.At(395, 115), IsColour(0, 0, 255));
    EXPECT_THAT(s.At(405, 105), IsColour(10, 20, 30));

    EXPECT_THAT(s.At(495, 100), IsColour(255, 0, 0));
    EXPECT_THAT(s.At(505, 100), IsColour(0, 0, 255));
    EXPECT_THAT(s.At(495, 94), IsColour(10, 20, 30));

    EXPECT_THAT(s.At(595, 100), IsColour(0, 0, 255));
    EXPECT_THAT(s.At(605, 100), IsColour(255, 0, 0));
}

TEST_F(SdlGraphicsTest, ColourAlphaAndBlendModes) {
    Open(1024, 768);
    ImagePtr white = graphics_->LoadImage(PixelMap(10, 10, {255, 255, 255, 255}), 0);
    graphics_->SetColor(0, 255, 0);
    graphics_->DrawImage(*white, 100, 100, 0);
    graphics_->SetColor(255, 255, 255);
    graphics_->SetAlpha(0.5f);
    graphics_->DrawImage(*white, 200, 100, 0);
    graphics_->SetAlpha(1);
    graphics_->SetBlend(BlendMode::Light);
    graphics_->SetColor(200, 0, 0);
    graphics_->DrawImage(*white, 300, 100, 0);
    graphics_->SetBlend(BlendMode::Solid);
    graphics_->SetAlpha(0.25f);  // ignored by solid drawing
    graphics_->SetColor(40, 50, 60);
    graphics_->DrawImage(*white, 400, 100, 0);
    graphics_->SetBlend(BlendMode::Alpha);
    graphics_->SetColor(255, 255, 255);
    graphics_->SetAlpha(1);

    const PixelMap s = Screen();
    EXPECT_THAT(s.At(105, 105), IsColour(0, 255, 0));
    EXPECT_THAT(s.At(205, 105), IsColour(132, 137, 142));
    EXPECT_THAT(s.At(305, 105), IsColour(210, 20, 30));
    EXPECT_THAT(s.At(405, 105), IsColour(40, 50, 60));
}

TEST_F(SdlGraphicsTest, RectanglesLinesViewportAndOrigin) {
    Open(1024, 768);
    graphics_->SetColor(255, 0, 0);
    graphics_->DrawRect(600, 100, 50, 20);
    graphics_->SetColor(0, 255, 0);
    graphics_->DrawLine(600, 200, 700, 200);
    // Turned a quarter clockwise about its corner, a 40 × 10 bar hangs down to the left of it.
    graphics_->SetColor(255, 255, 0);
    graphics_->SetRotation(90);
    graphics_->DrawRect(800, 100, 40, 10);
    graphics_->SetRotation(0);
    // The viewport clips; the origin moves everything.
    graphics_->SetColor(0, 0, 255);
    graphics_->SetViewport({300, 300, 50, 50});
    graphics_->DrawRect(250, 250, 200, 200);
    graphics_->SetViewport({0, 0, 1024, 768});
    graphics_->SetOrigin(10, 20);
    graphics_->SetColor(255, 255, 255);
    graphics_->DrawRect(0, 0, 5, 5);
    graphics_->SetOrigin(0, 0);

    const PixelMap s = Screen();
    EXPECT_THAT(s.At(625, 110), IsColour(255, 0, 0));
    EXPECT_THAT(s.At(651, 110), IsColour(10, 20, 30));
    EXPECT_THAT(s.At(650, 200), IsColour(0, 255, 0));
    EXPECT_THAT(s.At(650, 202), IsColour(10, 20, 30));
    EXPECT_THAT(s.At(795, 130), IsColour(255, 255, 0));
    EXPECT_THAT(s.At(805, 130), IsColour(10, 20, 30));
    EXPECT_THAT(s.At(325, 325), IsColour(0, 0, 255));
    EXPECT_THAT(s.At(299, 325), IsColour(10, 20, 30));
    EXPECT_THAT(s.At(351, 325), IsColour(10, 20, 30));
    EXPECT_THAT(s.At(12, 22), IsColour(255, 255, 255));
    EXPECT_THAT(s.At(8, 22), IsColour(10, 20, 30));
}

TEST_F(SdlGraphicsTest, AnimationFramesAndSubRectangles) {
    Open(1024, 768);
    // Three 10 × 10 frames on one row: red, green, blue.
    PixelMap strip(30, 10);
    const Rgba colours[3] = {{255, 0, 0, 255}, {0, 255, 0, 255}, {0, 0, 255, 255}};
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 30; ++x) strip.Set(x, y, colours[x / 10]);
    ImagePtr anim = graphics_->LoadAnimImage(strip, 10, 10, 0, 3, 0);
    ASSERT_TRUE(anim);
    EXPECT_EQ(anim->Frames(), 3);
    EXPECT_EQ(anim->Width(), 10);
    EXPECT_FALSE(graphics_->LoadAnimImage(strip, 10, 10, 1, 3, 0)) << "only two frames follow the first cell";
    graphics_->DrawImage(*anim, 100, 100, 2);
    graphics_->DrawImage(*anim, 120, 100, 7);  // no such frame: nothing drawn
    // The left half of frame 1 stretched to 20 × 20.
    graphics_->DrawSubImageRect(*anim, 200, 100, 20, 20, 0, 0, 5, 10, 1);
    const PixelMap s = Screen();
    EXPECT_THAT(s.At(105, 105), IsColour(0, 0, 255));
    EXPECT_THAT(s.At(125, 105), IsColour(10, 20, 30));
    EXPECT_THAT(s.At(218, 118), IsColour(0, 255, 0));
    EXPECT_THAT(s.At(221, 110), IsColour(10, 20, 30));
}

TEST_F(SdlGraphicsTest, VirtualResolutionScalesOverTheWholeDisplay) {
    Open(1024, 768);
    graphics_->SetVirtualResolution(512, 384);
    EXPECT_EQ(graphics_->DrawingWidth(), 512);
    graphics_->SetClsColor(0, 0, 0);
    graphics_->Cls();
    graphics_->SetColor(255, 255, 255);
    graphics_->DrawRect(0, 0, 256, 192);
    const PixelMap s = Screen();
    EXPECT_THAT(s.At(500, 370), IsColour(255, 255, 255));
    EXPECT_THAT(s.At(530, 370), IsColour(0, 0, 0));
    EXPECT_THAT(s.At(500, 400), IsColour(0, 0, 0));
}

TEST_F(SdlGraphicsTest, PillarBoxedScreenKeepsItsShape) {
    // A 16:9 display: the drawing area widens to 1365 × 768 and the 1024 × 768 screen sits in its middle.
    Open(1600, 900);
    graphics_->SetVirtualResolution(1365, 768);
    graphics_->SetClsColor(0, 0, 0);
    graphics_->Cls();
    graphics_->SetOrigin(170, 0);
    graphics_->SetColor(255, 255, 255);
    graphics_->DrawRect(0, 0, 1024, 768);
    const PixelMap s = Screen();
    ASSERT_EQ(s.Width(), 1600);
    // 170 / 1365 × 1600 ≈ 199 and (170 + 1024) / 1365 × 1600 ≈ 1400.
    EXPECT_THAT(s.At(195, 450), IsColour(0, 0, 0));
    EXPECT_THAT(s.At(205, 450), IsColour(255, 255, 255));
    EXPECT_THAT(s.At(1395, 450), IsColour(255, 255, 255));
    EXPECT_THAT(s.At(1405, 450), IsColour(0, 0, 0));
}

TEST_F(SdlGraphicsTest, ScreenshotRequestIsWrittenAtTheFlip) {
    Open(640, 480);
    graphics_->SetColor(255, 0, 0);
    graphics_->DrawRect(0, 0, 320, 480);
    const std::string path = std::filesystem::temp_directory_path() / "murkwell-shot-test.png";
    std::filesystem::remove(path);
    graphics_->RequestScreenshot(path);
    graphics_->Flip(0);
    PixelMap shot;
    std::string error;
    ASSERT_TRUE(LoadImageFile(path, shot, error)) << error;
    EXPECT_EQ(shot.Width(), 640);
    EXPECT_THAT(shot.At(100, 100), IsColour(255, 0, 0));
    EXPECT_THAT(shot.At(500, 100), IsColour(10, 20, 30));
    std::filesystem::remove(path);
}

TEST_F(SdlGraphicsTest, ImagesSurviveReopeningTheDisplay) {
    Open(1024, 768);
    ImagePtr image = RedBlue();
    Open(800, 600);
    graphics_->DrawImage(*image, 10, 10, 0);
    EXPECT_THAT(Screen().At(12, 12), IsColour(255, 0, 0));
}

TEST_F(SdlGraphicsTest, GrabIsClippedToTheDisplay) {
    Open(640, 480);
    EXPECT_EQ(graphics_->Grab({600, 460, 100, 100}).Width(), 40);
    EXPECT_TRUE(graphics_->Grab({700, 0, 10, 10}).Empty());
}

}  // namespace
}  // namespace platform
