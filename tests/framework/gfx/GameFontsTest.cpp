// The seven fonts the build made, loaded as the game loads them, measured, and set against the texts of
// the game's table at the widths the screens give them.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "framework/gfx/BitmapFont.h"
#include "framework/gfx/GameFonts.h"
#include "framework/gfx/GameText.h"
#include "framework/gfx/Label.h"
#include "framework/screens/LoadList.h"
#include "platform/codecs/ImageCodec.h"
#include "tests/framework/gfx/GfxTestSupport.h"

namespace murkwell::test {
namespace {

class GameFontsTest : public GfxFixture {
protected:
    void SetUp() override {
        game().FontPath = std::string(MURKWELL_DATA_DIR) + "/fonts/";
        game().TextPath = std::string(MURKWELL_DATA_DIR) + "/text/";
        TLoadList list;
        ListGameFonts(list);
        listed_ = list.Steps();
        ASSERT_EQ(list.Run([this] { ++steps_; }), 1);
        text_.Read("gametext.txt");
    }
    void TearDown() override {
        KillGameFonts();
        // The switches back to the framework's defaults for the next test.
        FontPrecache = 0;
        FontAccurateHeight = 0;
        FontAverageHeightMinusOne = 1;
    }
    static std::vector<std::pair<const char*, TBitmapFont*>> All() {
        return {
            {"BigText", GameFonts.BigText.get()},           {"Button", GameFonts.Button.get()},
            {"LargeWhite", GameFonts.LargeWhite.get()},     {"GUIFont", GameFonts.GUIFont.get()},
            {"GUIFontSmall", GameFonts.GUIFontSmall.get()}, {"DialogHeader", GameFonts.DialogHeader.get()},
            {"Embossed", GameFonts.Embossed.get()}};
    }
    int PictureWidth(const std::string& path) {
        platform::PixelMap picture;
        std::string error;
        EXPECT_TRUE(platform::LoadImageFile(std::string(MURKWELL_DATA_DIR) + "/" + path, picture, error))
            << error;
        return picture.Width();
    }

    int listed_ = 0, steps_ = 0;
    TGameText text_;
};

TEST_F(GameFontsTest, AllSevenLoadOneLoadingStepEachAndTheDebugDisplayGetsOne) {
    for (const auto& [name, font] : All()) EXPECT_TRUE(font && font->Image) << name;
    EXPECT_EQ(listed_, 7);
    EXPECT_EQ(steps_, 7);
    // Line gaps are the test string's full height, not an average stretched by dividing by one less.
    EXPECT_EQ(FontAccurateHeight, 1);
    EXPECT_EQ(FontAverageHeightMinusOne, 0);
    EXPECT_TRUE(game().DebugFont);
    KillGameFonts();
    EXPECT_FALSE(game().DebugFont);
    EXPECT_FALSE(GameFonts.GUIFont);
}

TEST_F(GameFontsTest, EveryFontHasTheCharactersTheGameCanShow) {
    std::u32string wanted = U"\u2013\u2014\u2018\u2019\u201C\u201D\u2026\u20AC";
    for (char32_t c = 32; c <= 126; ++c) wanted += c;
    for (char32_t c = 160; c <= 255; ++c) wanted += c;
    for (const auto& [name, font] : All()) {
        for (const char32_t c : wanted)
            EXPECT_TRUE(font->Has(c)) << name << " lacks U+" << std::hex << int(c);
    }
}

TEST_F(GameFontsTest, TheCapitalATopsTheLineAndTheTestStringMeasuresTheLineGap) {
    for (const auto& [name, font] : All()) {
        EXPECT_EQ(font->yOffset['A'], 0) << name;
        EXPECT_EQ(font->DrawOffsetY, 0) << name;
        for (const char c : std::string("BCXYZ"))
            EXPECT_EQ(font->height[c], font->height['A']) << name << " " << c;
        EXPECT_EQ(font->GetLineGap(), static_cast<int>(font->height['A'])) << name;
        // Room for a line's ascenders and descenders: more than the capitals' own height.
        EXPECT_GT(font->GetLineGap(), font->height['H'] * 0.75 + 4) << name;
    }
}

TEST_F(GameFontsTest, SizesSuitTheirRoles) {
    // Reading text between the small print and the headers, headers below the titles.
    EXPECT_LT(GameFonts.GUIFontSmall->GetLineGap(), GameFonts.GUIFont->GetLineGap());
    EXPECT_LT(GameFonts.GUIFont->GetLineGap(), GameFonts.DialogHeader->GetLineGap());
    EXPECT_LT(GameFonts.DialogHeader->GetLineGap(), GameFonts.BigText->GetLineGap());
    // The debug display fits its 12-pixel lines.
    EXPECT_GT(GameFonts.GUIFontSmall->GetLineGap(), 0);
}

TEST_F(GameFontsTest, TipBodiesWrapToAtMostFourLinesInTheirBox) {
    const int body = PictureWidth("graphics/Tutorial/TipWithClose.png") - 80;
    ASSERT_GT(body, 100);
    int tips = 0;
    for (const std::string level : {"1",  "1b", "1c", "2",  "2b", "2c", "3", "3b", "3c", "4", "5",
                                    "5c", "6",  "6b", "6c", "7",  "7c", "9", "10", "13", "17"}) {
        const std::string key = "Hint " + level + " Body";
        const std::string tip = text_.FindString(key);
        if (tip.empty()) continue;
        ++tips;
        const auto lines = WrapText(*GameFonts.GUIFont, tip, static_cast<float>(body), 1);
        EXPECT_LE(lines.size(), 4u) << key;
        for (const std::string& line : lines) {
            EXPECT_LE(GameFonts.GUIFont->StringWidth(line), body) << key << ": " << line;
        }
        const std::string header = text_.FindString("Hint " + level + " Header");
        EXPECT_LE(GameFonts.DialogHeader->StringWidth(header), body + 40) << key;
    }
    EXPECT_GT(tips, 10);
}

TEST_F(GameFontsTest, TheEndingWrapsTo700PixelsAndEveryLineFits) {
    const auto label = TLabel::CreateSpecial(
        text_.FindString("End Game Text"), 512, 165, 1,
        *TFont::Create(nullptr, nullptr, nullptr, 0, GameFonts.GUIFont, nullptr, "ending"), 700);
    ASSERT_GT(label->TotalLines, 1);
    EXPECT_LE(label->GetWidestLine(), 700);
    EXPECT_LT(label->CalcWordWrappedHeight(), 768 - 165);
}

TEST_F(GameFontsTest, CaptionsAndLabelsFitTheirPlaces) {
    // The loading screen's continue button: a 320-pixel label.
    EXPECT_LE(GameFonts.Button->StringWidth(text_.FindString("Click Text")), 320);
    // The relaxed-mode label is fitted to 136 pixels; it should not need shrinking much.
    EXPECT_GE(GameFonts.LargeWhite->CalcReducedScale(text_.FindString("Button Relaxed"), 136), 0.8);
    // The level-complete labels shift their columns beyond 181 pixels.
    for (const std::string key : {"Level Score", "Time Taken", "Time Left", "Gold tiles", "Golden Skulls",
                                  "Gold coins", "Gold Bonus", "Total Gold"}) {
        EXPECT_LE(GameFonts.Embossed->StringWidth(text_.FindString(key)), 181) << key;
    }
}

}  // namespace
}  // namespace murkwell::test
