// Particles on SDL's dummy video driver: a burst with drop shadows checked pixel by pixel, and a picture
// of the test effects (sparkles, a ring, a coin shower) saved to the build folder for a look.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>

#include "app/Product.h"
#include "framework/core/Game.h"
#include "framework/core/GameGuard.h"
#include "framework/core/Globals.h"
#include "framework/core/Random.h"
#include "framework/gfx/GameImage.h"
#include "framework/sprites/ParticleEffects.h"
#include "framework/sprites/ParticleList.h"
#include "platform/codecs/ImageCodec.h"
#include "platform/sdl/SdlPlatform.h"

namespace {

using platform::PixelMap;
using platform::Rgba;

MATCHER_P(IsColour, c, "") {
    const int tolerance = 3;
    return std::abs(arg.r - c.r) <= tolerance && std::abs(arg.g - c.g) <= tolerance &&
           std::abs(arg.b - c.b) <= tolerance;
}

uint8_t Byte(double v) {
    return static_cast<uint8_t>(std::clamp(v, 0.0, 255.0));
}

// A soft four-pointed star of the given colour.
PixelMap Sparkle(int size, Rgba colour) {
    PixelMap p(size, size);
    const double c = (size - 1) / 2.0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const double dx = std::fabs(x - c) / c, dy = std::fabs(y - c) / c;
            const double ray = std::max(0.0, 1 - dx * 6 - dy) + std::max(0.0, 1 - dy * 6 - dx);
            const double core = std::max(0.0, 1 - std::hypot(dx, dy) * 2.5);
            const double a = std::min(1.0, ray * 0.8 + core);
            p.Set(x, y, {colour.r, colour.g, colour.b, Byte(a * 255)});
        }
    }
    return p;
}

// A glowing ring: a bright band fading out on both sides, whiter at its heart.
PixelMap Ring(int size, Rgba colour) {
    PixelMap p(size, size);
    const double c = (size - 1) / 2.0, r = size * 0.38;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const double d = std::fabs(std::hypot(x - c, y - c) - r) / (size * 0.08);
            const double a = std::max(0.0, 1 - d * d), heart = std::max(0.0, 1 - d * 3);
            p.Set(x, y,
                  {Byte(colour.r + (255 - colour.r) * heart), Byte(colour.g + (255 - colour.g) * heart),
                   Byte(colour.b + (255 - colour.b) * heart), Byte(255 * a)});
        }
    }
    return p;
}

// A gold coin turning: frames frames side by side, the disc narrowing towards edge-on and back.
PixelMap CoinStrip(int size, int frames) {
    PixelMap p(size * frames, size);
    const double c = (size - 1) / 2.0, r = size / 2.0 - 1;
    for (int f = 0; f < frames; ++f) {
        const double squeeze = std::max(0.15, std::fabs(std::cos(M_PI * f / frames)));
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const double u = (x - c) / (r * squeeze), v = (y - c) / r;
                const double d = std::hypot(u, v);
                if (d > 1) continue;
                const double light = 0.75 + 0.35 * (-u * 0.5 - v * 0.7) * (d < 0.8 ? 1 : -1);
                const Rgba gold{Byte(250 * light), Byte(190 * light), Byte(40 * light), 255};
                p.Set(f * size + x, y, gold);
            }
        }
    }
    return p;
}

class EffectsPixels : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        platform_ = platform::CreateSdlPlatform({true, true}, error);
        ASSERT_TRUE(platform_) << error;
        game_ = std::make_unique<TGame>(*platform_);
        guard_.emplace(*game_, kMurkwell);
        Delta = 1.0f;
        SeedRandom(2024);
        ASSERT_TRUE(graphics().Open({1024, 768, 0, 60, false, "effects"}, error)) << error;
    }
    void TearDown() override { guard_.reset(); }

    platform::Graphics& graphics() { return platform_->GetGraphics(); }
    std::shared_ptr<TGameImage> Picture(const PixelMap& pixels, int frames = 1, int flags = 0) {
        const int w = pixels.Width() / frames;
        auto image = frames > 1 ? graphics().LoadAnimImage(pixels, w, pixels.Height(), 0, frames, flags)
                                : graphics().LoadImage(pixels, flags);
        return TGameImage::CreateFromImage(image, "picture", 1);
    }
    PixelMap Screen() { return graphics().Grab({0, 0, 1024, 768}); }

    std::unique_ptr<platform::Platform> platform_;
    std::unique_ptr<TGame> game_;
    std::optional<TGameGuard> guard_;
};

TEST_F(EffectsPixels, ABurstIsDrawnWithItsShadows) {
    const Rgba background{40, 60, 120, 255}, piece{220, 200, 60, 255};
    const Rgba shade{20, 30, 60, 255};  // black at half alpha over the background
    TParticleList list;
    TEffectStyle style;
    style.Images = {Picture(PixelMap(8, 8, piece))};
    style.MinSpeed = style.MaxSpeed = 10;
    style.EvenSpread = 1;
    style.FadeMs = 0;
    style.Shadow = 1;
    ASSERT_EQ(EmitBurst(list, 512, 384, 4, style), 4);
    for (int t = 0; t < 3; ++t) list.Manage();

    graphics().SetClsColor(background.r, background.g, background.b);
    graphics().Cls();
    list.Draw();
    const PixelMap shot = Screen();

    const int centres[4][2] = {{512, 354}, {542, 384}, {512, 414}, {482, 384}};
    for (const auto& [cx, cy] : centres) {
        SCOPED_TRACE(testing::Message() << "piece at " << cx << ", " << cy);
        EXPECT_THAT(shot.At(cx, cy), IsColour(piece));
        EXPECT_THAT(shot.At(cx - 4, cy - 4), IsColour(piece)) << "top-left corner";
        EXPECT_THAT(shot.At(cx + 3, cy + 3), IsColour(piece)) << "the picture covers its shadow";
        EXPECT_THAT(shot.At(cx + 5, cy + 5), IsColour(shade)) << "shadow, 3 down and right";
        EXPECT_THAT(shot.At(cx + 6, cy - 1), IsColour(shade));
        EXPECT_THAT(shot.At(cx + 7, cy + 5), IsColour(background)) << "past the shadow";
        EXPECT_THAT(shot.At(cx + 5, cy - 2), IsColour(background)) << "above the shadow";
        EXPECT_THAT(shot.At(cx - 5, cy), IsColour(background));
    }
    EXPECT_THAT(shot.At(512, 384), IsColour(background)) << "nothing left at the centre";
}

TEST_F(EffectsPixels, TheTestEffectsMakeAPicture) {
    // A night sky to show them on.
    PixelMap sky(1024, 768);
    for (int y = 0; y < 768; ++y) {
        for (int x = 0; x < 1024; ++x)
            sky.Set(x, y, {Byte(10 + y / 40.0), Byte(14 + y / 30.0), Byte(40 + y / 12.0), 255});
    }
    auto backdrop = graphics().LoadImage(sky, 0);

    TParticleList sparkles, rings, coins;
    TEffectStyle sparkle;
    auto white = Picture(Sparkle(32, {255, 255, 255, 255}), 1, platform::kImageFiltered);
    auto gold = Picture(Sparkle(32, {255, 210, 90, 255}), 1, platform::kImageFiltered);
    auto blue = Picture(Sparkle(24, {150, 200, 255, 255}), 1, platform::kImageFiltered);
    sparkle.Images = {white, white, gold, blue};
    sparkle.MinAngle = -70;
    sparkle.MaxAngle = 70;
    sparkle.MinSpeed = 1.5f;
    sparkle.MaxSpeed = 4;
    sparkle.Gravity = 0.06f;
    sparkle.FadeMs = 900;
    sparkle.MinScale = 0.4f;
    sparkle.MaxScale = 1.1f;
    sparkle.MinSpin = 2;
    sparkle.MaxSpin = 6;
    sparkle.LightBlend = 1;
    EmitBurst(sparkles, 240, 420, 60, sparkle);

    auto ring = Picture(Ring(128, {255, 140, 30, 255}), 1, platform::kImageFiltered);
    EmitRingFlash(rings, ring, 512, 300, 0.3f, 2.0f, 600, 1);
    TEffectStyle sparks;
    sparks.Images = {Picture(Sparkle(20, {255, 150, 60, 255}), 1, platform::kImageFiltered)};
    sparks.MinRadius = 6;
    sparks.MaxRadius = 12;
    sparks.MinSpeed = 2;
    sparks.MaxSpeed = 3;
    sparks.FadeMs = 500;
    sparks.LightBlend = 1;
    EmitBurst(rings, 512, 300, 24, sparks);

    TEffectStyle coin;
    coin.Images = {Picture(CoinStrip(32, 8), 8, platform::kImageFiltered)};
    coin.AnimMs = 500;
    coin.MinAngle = 150;
    coin.MaxAngle = 210;
    coin.MinSpeed = 0.5f;
    coin.MaxSpeed = 1.5f;
    coin.Gravity = 0.05f;
    coin.FadeMs = 3000;
    coin.MinScale = 0.8f;
    coin.MaxScale = 1.0f;
    coin.Shadow = 1;
    EmitShower(coins, 780, 40, 260, 24, 250, coin);

    for (int t = 0; t < 40; ++t) {
        sparkles.Manage();
        rings.Manage();
        coins.Manage();
    }
    graphics().SetBlend(platform::BlendMode::Solid);
    graphics().DrawImage(*backdrop, 0, 0, 0);
    graphics().SetBlend(platform::BlendMode::Alpha);
    rings.Draw();
    sparkles.Draw();
    coins.Draw();
    const PixelMap shot = Screen();
    std::string error;
    const std::string path = std::string(MURKWELL_BINARY_DIR) + "/sprites-effects.png";
    ASSERT_TRUE(platform::SavePng(path, shot, 6, false, error)) << error;

    // Something of each effect is on the picture: warm light in the ring's band, gold in the shower,
    // bright sparkles over the burst, and the sky untouched far from them all.
    auto count = [&](int x0, int y0, int x1, int y1, auto&& test) {
        int n = 0;
        for (int y = y0; y < y1; ++y) {
            for (int x = x0; x < x1; ++x) n += test(shot.At(x, y)) ? 1 : 0;
        }
        return n;
    };
    EXPECT_GT(count(400, 190, 624, 410, [](Rgba c) { return c.r > 150 && c.r > c.b + 60; }), 200) << "ring";
    EXPECT_GT(count(620, 40, 940, 400, [](Rgba c) { return c.r > 180 && c.g > 120 && c.b < 90; }), 300)
        << "coins";
    EXPECT_GT(count(80, 200, 400, 480, [](Rgba c) { return c.r + c.g + c.b > 500; }), 100) << "sparkles";
    EXPECT_EQ(count(20, 700, 120, 760, [](Rgba c) { return c.r > 60; }), 0) << "the sky";
    ASSERT_EQ(coins.Count(), 24);
}

}  // namespace
