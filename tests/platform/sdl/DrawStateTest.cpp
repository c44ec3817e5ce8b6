// The drawing state is the layer's own, the same for every backend: what is set is read back clamped,
// and the real backend draws with what is read back.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <memory>

#include "platform/null/NullGraphics.h"
#include "platform/sdl/SdlGraphics.h"

namespace platform {
namespace {

struct Backend {
    const char* name;
    std::function<std::unique_ptr<Graphics>()> make;
};

class DrawStateTest : public ::testing::TestWithParam<Backend> {
protected:
    void SetUp() override {
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        graphics_ = GetParam().make();
        std::string error;
        ASSERT_TRUE(graphics_->Open(WindowSpec{}, error)) << error;
    }
    void TearDown() override {
        graphics_.reset();
        SDL_Quit();
    }
    std::unique_ptr<Graphics> graphics_;
};

struct StateCase {
    const char* what;
    int r, g, b;
    float alpha, scaleX, scaleY, rotation;
    int wantR, wantG, wantB;
    float wantAlpha;
};

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
const StateCase kCases[] = {
    {"in range", 10, 128, 255, 0.5f, 2, 0.5f, 45, 10, 128, 255, 0.5f},
    {"overshoot", 300, -5, 256, 1.5f, 1, 1, 0, 255, 0, 255, 1},
    {"undershoot", -1, 0, 0, -0.25f, 1, 1, 0, 0, 0, 0, 0},
    {"not a number", 0, 0, 0, kNaN, 1, 1, 0, 0, 0, 0, 0},
    // Scale and angle are not clamped: a negative scale mirrors, any angle turns.
    {"mirrored, turned past a whole turn", 1, 2, 3, 1, -1, -3, 725, 1, 2, 3, 1},
};

TEST_P(DrawStateTest, WhatIsSetIsReadBackClamped) {
    for (const StateCase& c : kCases) {
        SCOPED_TRACE(c.what);
        graphics_->SetColor(c.r, c.g, c.b);
        graphics_->SetAlpha(c.alpha);
        graphics_->SetScale(c.scaleX, c.scaleY);
        graphics_->SetRotation(c.rotation);
        graphics_->SetClsColor(c.r, c.g, c.b);
        int r = -1, g = -1, b = -1;
        graphics_->GetColor(r, g, b);
        EXPECT_EQ(r, c.wantR);
        EXPECT_EQ(g, c.wantG);
        EXPECT_EQ(b, c.wantB);
        graphics_->GetClsColor(r, g, b);
        EXPECT_EQ(r, c.wantR);
        EXPECT_EQ(g, c.wantG);
        EXPECT_EQ(b, c.wantB);
        EXPECT_EQ(graphics_->Alpha(), c.wantAlpha);
        EXPECT_EQ(graphics_->ScaleX(), c.scaleX);
        EXPECT_EQ(graphics_->ScaleY(), c.scaleY);
        EXPECT_EQ(graphics_->Rotation(), c.rotation);
    }
    for (BlendMode mode :
         {BlendMode::Solid, BlendMode::Mask, BlendMode::Light, BlendMode::Shade, BlendMode::Alpha}) {
        graphics_->SetBlend(mode);
        EXPECT_EQ(graphics_->Blend(), mode);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Backends, DrawStateTest,
    ::testing::Values(Backend{"Null", [] { return std::make_unique<NullGraphics>(); }},
                      Backend{"Sdl",
                              [] {
                                  return std::make_unique<SdlGraphics>(SdlGraphicsOptions{false, nullptr});
                              }}),
    [](const ::testing::TestParamInfo<Backend>& info) { return std::string(info.param.name); });

// The real backend draws with the clamped state: an overshooting colour and alpha draw as full, an
// undershooting alpha draws nothing, both in pictures and in rectangles.
TEST(SdlDrawState, DrawsWithTheClampedState) {
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
    {
        SdlGraphics graphics(SdlGraphicsOptions{false, nullptr});
        std::string error;
        ASSERT_TRUE(graphics.Open(WindowSpec{}, error)) << error;
        graphics.SetClsColor(-20, 300, 40);
        graphics.Cls();
        ImagePtr white = graphics.LoadImage(PixelMap(10, 10, {255, 255, 255, 255}), 0);
        ASSERT_TRUE(white);
        graphics.SetColor(400, 128, -9);
        graphics.SetAlpha(7);
        graphics.DrawImage(*white, 100, 100, 0);
        graphics.DrawRect(200, 100, 10, 10);
        graphics.SetAlpha(-1);
        graphics.DrawImage(*white, 300, 100, 0);
        graphics.DrawRect(400, 100, 10, 10);
        const PixelMap s = graphics.Grab({0, 0, graphics.OutputWidth(), graphics.OutputHeight()});
        const struct {
            int x, y, r, g, b;
        } expected[] = {{5, 5, 0, 255, 40},
                        {105, 105, 255, 128, 0},
                        {205, 105, 255, 128, 0},
                        {305, 105, 0, 255, 40},
                        {405, 105, 0, 255, 40}};
        for (const auto& e : expected) {
            const Rgba p = s.At(e.x, e.y);
            EXPECT_NEAR(p.r, e.r, 2) << e.x;
            EXPECT_NEAR(p.g, e.g, 2) << e.x;
            EXPECT_NEAR(p.b, e.b, 2) << e.x;
        }
    }
    SDL_Quit();
}

}  // namespace
}  // namespace platform
