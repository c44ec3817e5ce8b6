// The game's fonts drawn for real on SDL's dummy video driver: a wrapped, centred label in each, read back
// pixel by pixel. A page of every font for the eye is the program's showcase "fonts".
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "app/Product.h"
#include "framework/core/Game.h"
#include "framework/core/GameGuard.h"
#include "framework/core/Globals.h"
#include "framework/gfx/BitmapFont.h"
#include "framework/gfx/GameFonts.h"
#include "framework/gfx/Label.h"
#include "framework/sprites/Color.h"
#include "framework/sprites/Shadow.h"
#include "platform/PixelMap.h"
#include "platform/sdl/SdlPlatform.h"

namespace {

using platform::PixelMap;

constexpr int kWidth = 1024, kHeight = 768;

class FontPixelTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        sdl_ = platform::CreateSdlPlatform({true, true}, error);
        ASSERT_TRUE(sdl_) << error;
        game_ = std::make_unique<TGame>(*sdl_);
        guard_.emplace(*game_, kMurkwell);
        ASSERT_TRUE(Graphics().Open({kWidth, kHeight, 0, 60, false, "fonts"}, error)) << error;
        game_->FontPath = std::string(MURKWELL_DATA_DIR) + "/fonts/";
        LoadGameFonts();
    }
    void TearDown() override {
        KillGameFonts();
        // The switches back to the framework's defaults for the next test.
        FontPrecache = 0;
        FontAccurateHeight = 0;
        FontAverageHeightMinusOne = 1;
        TextAlpha = 1;
        if (sdl_) Graphics().Close();
        guard_.reset();
    }
    platform::Graphics& Graphics() { return sdl_->GetGraphics(); }
    void Clear(int r, int g, int b) {
        Graphics().SetClsColor(r, g, b);
        Graphics().Cls();
    }
    PixelMap Shot() { return Graphics().Grab({0, 0, kWidth, kHeight}); }
    static std::shared_ptr<TFont> Parts(const std::shared_ptr<TBitmapFont>& font,
                                        std::shared_ptr<TColor> colour) {
        return TFont::Create(nullptr, std::move(colour), nullptr, 0, font, nullptr, "");
    }

    std::unique_ptr<platform::Platform> sdl_;
    std::unique_ptr<TGame> game_;
    std::optional<TGameGuard> guard_;
};

// The columns and rows where the letters' own colour shows, not their faint glow or shadow.
struct Ink {
    int left = kWidth, right = -1, top = kHeight, bottom = -1;
    bool Any() const { return right >= 0; }
};

Ink InkIn(const PixelMap& shot, int top, int bottom) {
    Ink ink;
    for (int y = std::max(0, top); y < std::min(kHeight, bottom); ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const platform::Rgba p = shot.At(x, y);
            if ((p.r * 3 + p.g * 6 + p.b) / 10 < 110) continue;
            ink.left = std::min(ink.left, x);
            ink.right = std::max(ink.right, x);
            ink.top = std::min(ink.top, y);
            ink.bottom = std::max(ink.bottom, y);
        }
    }
    return ink;
}

TEST_F(FontPixelTest, AWrappedCentredLabelInEachFontLiesCentredLineUnderLine) {
    const std::pair<const char*, std::shared_ptr<TBitmapFont>> fonts[] = {
        {"BigText", GameFonts.BigText},           {"Button", GameFonts.Button},
        {"LargeWhite", GameFonts.LargeWhite},     {"GUIFont", GameFonts.GUIFont},
        {"GUIFontSmall", GameFonts.GUIFontSmall}, {"DialogHeader", GameFonts.DialogHeader},
        {"Embossed", GameFonts.Embossed}};
    for (const auto& [name, font] : fonts) {
        SCOPED_TRACE(name);
        const int wrap = static_cast<int>(font->StringWidth("Lanterns glow over")) + 4;
        const auto label = TLabel::CreateSpecial("Lanterns glow over the well tonight", 512, 100, 1,
                                                 *Parts(font, TColor::Create(255, 255, 255)), wrap);
        ASSERT_GE(label->TotalLines, 2);
        Clear(0, 0, 0);
        label->Draw();
        const PixelMap shot = Shot();
        const int gap = label->LineGap;
        for (int line = 0; line < label->TotalLines; ++line) {
            SCOPED_TRACE(label->TextArray[line]);
            const Ink ink = InkIn(shot, 100 + line * gap, 100 + (line + 1) * gap);
            ASSERT_TRUE(ink.Any());
            // Centred on 512 within what side bearings and the edge of the look allow.
            EXPECT_NEAR((ink.left + ink.right) / 2.0, 512, 4 + font->height['A'] * 0.12);
            EXPECT_NEAR(ink.right - ink.left, font->StringWidth(label->TextArray[line]), gap * 0.5);
            // The capitals' tops a few pixels under the line's top: the band's room above them.
            EXPECT_LE(ink.top, 100 + line * gap + gap / 2);
        }
        const Ink all = InkIn(shot, 0, kHeight);
        EXPECT_GE(all.top, 100);
        EXPECT_LE(all.bottom, 100 + label->TotalLines * gap + gap / 3);
        EXPECT_GE(all.left, 512 - wrap / 2 - 8);
        EXPECT_LE(all.right, 512 + wrap / 2 + 8);
    }
}

TEST_F(FontPixelTest, ATintedWhiteFontTakesTheTint) {
    const auto label =
        TLabel::CreateSpecial("Play", 512, 300, 3, *Parts(GameFonts.Button, TColor::Create(205, 154, 65)));
    Clear(0, 0, 0);
    label->Draw();
    const PixelMap shot = Shot();
    platform::Rgba brightest{};
    for (int y = 250; y < 350; ++y) {
        for (int x = 412; x < 612; ++x) {
            if (shot.At(x, y).r > brightest.r) brightest = shot.At(x, y);
        }
    }
    EXPECT_NEAR(brightest.r, 205, 6);
    EXPECT_NEAR(brightest.g, 154, 6);
    EXPECT_NEAR(brightest.b, 65, 6);
    // Centred both ways on its point.
    const Ink ink = InkIn(shot, 250, 350);
    EXPECT_NEAR((ink.top + ink.bottom) / 2.0, 300, 3);
}

}  // namespace
