// The game's fonts drawn for real on SDL's dummy video driver: a wrapped, centred label in each, read back
// pixel by pixel, and a page of every font with sample texts saved in the build folder for the eye.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/gfx/BitmapFont.h"
#include "framework/gfx/GameFonts.h"
#include "framework/gfx/Label.h"
#include "framework/sprites/Color.h"
#include "framework/sprites/Shadow.h"
#include "platform/codecs/ImageCodec.h"
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
        Game = game_.get();
        ASSERT_TRUE(Graphics().Open({kWidth, kHeight, 0, 60, false, "fonts"}, error)) << error;
        game_->FontPath = std::string(MURKWELL_DATA_DIR) + "/fonts/";
        FontAccurateHeight = 1;
        LoadGameFonts();
    }
    void TearDown() override {
        KillGameFonts();
        FontAccurateHeight = 0;
        TextAlpha = 1;
        if (sdl_) Graphics().Close();
        Game = nullptr;
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

// Not a check: a page of every font for review, saved as font-test-page.png in the build folder.
TEST_F(FontPixelTest, TestPageOfEveryFont) {
    auto& g = Graphics();
    for (int y = 0; y < kHeight; ++y) {
        const double t = static_cast<double>(y) / kHeight;
        g.SetColor(static_cast<int>(11 + 36 * t), static_cast<int>(16 + 27 * t),
                   static_cast<int>(38 + 64 * t));
        g.DrawRect(0, static_cast<float>(y), kWidth, 1);
    }
    g.SetColor(255, 255, 255);
    const auto caption = [&](const std::string& text, float y) {
        TColor{150, 160, 200, 1}.Set(g);
        GameFonts.GUIFontSmall->Draw(text, 24, y);
        g.SetColor(255, 255, 255);
        g.SetAlpha(1);
    };
    const auto label = [&](const std::shared_ptr<TBitmapFont>& font, const std::string& text, float x,
                           float y, int align, std::shared_ptr<TColor> colour, int wrap = 0) {
        auto parts = Parts(font, std::move(colour));
        parts->Shadow = TShadow::Create(2, 2, 0.5f);
        TLabel::CreateSpecial(text, x, y, align, *parts, wrap)->Draw();
    };
    const auto white = [] { return TColor::Create(255, 255, 255); };

    caption("BigText", 14);
    label(GameFonts.BigText, "Level 12 Complete!", 512, 30, 1, white());
    caption("DialogHeader", 96);
    label(GameFonts.DialogHeader, "The Keeper's Tale — Élan, Ça va?", 512, 110, 1, white());
    caption("Button (tinted gold, mouse-over, pressed)", 166);
    g.SetColor(60, 40, 70);
    g.DrawRect(112, 188, 240, 44);
    g.DrawRect(392, 188, 240, 44);
    g.DrawRect(672, 188, 240, 44);
    label(GameFonts.Button, "Play", 232, 210, 3, TColor::Create(205, 154, 65));
    label(GameFonts.Button, "Change Player", 512, 210, 3, TColor::Create(225, 160, 72));
    label(GameFonts.Button, "Options", 792, 210, 3, TColor::Create(175, 145, 55));
    caption("LargeWhite", 246);
    label(GameFonts.LargeWhite, "Score 1,234,560   Level 37   3:07   Gold 250", 512, 264, 1, white());
    caption("GUIFont (wrapped to 640, centred)", 312);
    label(GameFonts.GUIFont,
          "The lanterns of Murkwell flicker in the mist. Match three gems of a colour to clear them, and "
          "gather gold for the village. “Café crème, naïve façade, "
          "Ångström, Straße” – 5€…",
          512, 330, 1, white(), 640);
    caption("GUIFontSmall", 430);
    label(GameFonts.GUIFontSmall,
          "Level  Score  Gold — Buy the pumpkin for 250 gold. Äpfel, Öl, Übermut, çà, ñ, ¿? ¡!", 512, 448, 1,
          white());
    caption("Embossed (on a panel like the level-complete table)", 486);
    g.SetColor(196, 150, 70);
    g.DrawRect(210, 504, 604, 96);
    g.SetColor(14, 16, 36);
    g.DrawRect(212, 506, 600, 92);
    label(GameFonts.Embossed, "Golden Skulls", 240, 516, 0, white());
    label(GameFonts.Embossed, "Total Gold", 240, 556, 0, white());
    label(GameFonts.LargeWhite, "12", 784, 516, 2, white());
    label(GameFonts.LargeWhite, "1,250", 784, 556, 2, white());
    caption("The debug display's font", 616);
    game_->DebugFont("FPS     60   Logic   0.21 ms   Draw   3.10 ms", 24, 640, 1);
    game_->DebugFont("Gfx Driver = DirectX 9.0c (using DX9)", 24, 652, 1);
    caption("DialogHeader, turned about its middle", 676);
    auto turned = TLabel::CreateSpecial("Turned", 512, 704, 0, *Parts(GameFonts.DialogHeader, white()));
    turned->Rotation = -8;
    turned->SetBitmapFontHandle(turned->W / 2, 0);
    turned->Draw();

    const PixelMap shot = Shot();
    std::string error;
    const std::string path = std::string(MURKWELL_BINARY_DIR) + "/font-test-page.png";
    ASSERT_TRUE(platform::SavePng(path, shot, 6, false, error)) << error;
    EXPECT_TRUE(InkIn(shot, 0, kHeight).Any());
}

}  // namespace
