// Bitmap fonts loaded from hand-written glyph files and drawn on a drawing layer that records every glyph.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>

#include "framework/core/Messages.h"
#include "framework/gfx/BitmapFont.h"
#include "framework/sprites/Color.h"
#include "framework/sprites/Shadow.h"
#include "tests/framework/gfx/GfxTestSupport.h"

namespace murkwell::test {
namespace {

using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

std::string Glyph(int id, int x, int w, int h, int xOff, int yOff, int advance) {
    char line[160];
    std::snprintf(line, sizeof line,
                  "char id=%-5d x=%-4d y=0    width=%-3d height=%-3d xoffset=%-3d yoffset=%-3d xadvance=%-3d "
                  "page=0  chnl=15\n",
                  id, x, w, h, xOff, yOff, advance);
    return line;
}

std::string Header(const std::string& scale = "") {
    return scale +
           "info face=\"Test\" size=20\ncommon lineHeight=30 base=20 scaleW=256  scaleH=64   pages=1\n" +
           "page id=0 file=\"Test.png\"\n";
}

// A small font: A and B as the examples have them, H and i, a space, the euro sign in an extra slot, and
// capitals of the test string whose boxes start where A's does.
std::string TestFont() {
    return Header() + Glyph(32, 0, 0, 0, 0, 0, 8) + Glyph(65, 0, 20, 30, -2, 5, 28) +
           Glyph(66, 30, 20, 24, 1, 7, 25) + Glyph(67, 60, 18, 24, 1, 7, 20) +
           Glyph(88, 80, 18, 24, 0, 7, 20) + Glyph(89, 100, 18, 24, 0, 7, 20) +
           Glyph(90, 120, 18, 24, 0, 7, 20) + Glyph(72, 140, 20, 24, 1, 7, 22) +
           Glyph(105, 160, 6, 26, 1, 5, 8) + Glyph(8364, 170, 16, 24, 0, 7, 18);
}

class BitmapFontTest : public GfxFixture {
protected:
    std::shared_ptr<TBitmapFont> Load(const std::string& text, int yAdjust = 0) {
        WritePicture("Test.png", 256, 64);
        Write("Test.fnt", text);
        return TBitmapFont::Create(Folder() + "Test", -1, 0, yAdjust);
    }
    // The fatal message of loading the font "Test" as the folder holds it.
    std::string FatalOfCreate() {
        try {
            TBitmapFont::Create(Folder() + "Test", -1, 0, 0);
        } catch (const FatalMessage& fatal) {
            return fatal.what();
        }
        ADD_FAILURE() << "no fatal message";
        return "";
    }
    std::string FatalOf(const std::string& text) {
        WritePicture("Test.png", 256, 64);
        Write("Test.fnt", text);
        return FatalOfCreate();
    }
    const std::vector<DrawnPart>& Drawn() { return Graphics().parts; }
};

TEST_F(BitmapFontTest, GlyphsGoToTheSlotsOfTheirCodes) {
    const auto font = Load(TestFont(), 3);
    ASSERT_TRUE(font);
    EXPECT_EQ(font->ID[65], 65);
    EXPECT_EQ(font->xPos[65], 0);
    EXPECT_EQ(font->width[65], 20);
    EXPECT_EQ(font->height[65], 30);
    EXPECT_EQ(font->xOffset[65], -2);
    EXPECT_EQ(font->yOffset[65], 5 + 3);  // with yAdjust
    EXPECT_EQ(font->xAdvance[65], 28);
    EXPECT_EQ(font->NumChars, 10);
    EXPECT_EQ(font->NumExtraChars, 1);
    EXPECT_EQ(font->TextureW, 256);
    EXPECT_EQ(font->TextureH, 64);
}

TEST_F(BitmapFontTest, ACodeAbove255TakesTheFirstExtraSlot) {
    const auto font = Load(TestFont());
    EXPECT_EQ(font->FindChar(8364), 256);
    EXPECT_EQ(font->ID[256], 8364);
    EXPECT_EQ(font->FindChar(8230), 0);
    EXPECT_TRUE(font->Has(U'€'));
    EXPECT_FALSE(font->Has(U'…'));
    EXPECT_DOUBLE_EQ(font->StringWidth("€"), 18);
}

TEST_F(BitmapFontTest, ManyExtraCharactersGrowTheArrays) {
    std::string text = Header();
    for (int i = 0; i < 250; ++i) text += Glyph(1000 + i, 0, 1, 1, 0, 0, i);
    const auto font = Load(text);
    EXPECT_EQ(font->NumExtraChars, 250);
    EXPECT_EQ(font->ArraySize, 506);
    EXPECT_EQ(font->FindChar(1249), 256 + 249);
    EXPECT_EQ(font->xAdvance[font->FindChar(1249)], 249);
}

TEST_F(BitmapFontTest, WidthIsTheAdvancesWithTheGapsBetween) {
    const auto font = Load(TestFont());
    font->CharGap = 2;
    EXPECT_DOUBLE_EQ(font->StringWidth("AB"), 55);
    font->ScaleFactor = 0.5;
    EXPECT_DOUBLE_EQ(font->StringWidth("AB"), 27.5);
    EXPECT_DOUBLE_EQ(font->StringWidth(""), 0);
    // A character the font lacks measures only its gap.
    font->ScaleFactor = 1;
    EXPECT_DOUBLE_EQ(font->StringWidth("A~B"), 57);
}

TEST_F(BitmapFontTest, AScaleLineScalesEverything) {
    const auto font = Load(Header("scaleF=0.50\n") + Glyph(65, 0, 20, 30, -2, 5, 28));
    EXPECT_DOUBLE_EQ(font->ScaleFactor, 0.5);
    EXPECT_DOUBLE_EQ(font->StringWidth("AA"), 28);
    font->Draw("A", 10, 10);
    ASSERT_EQ(Drawn().size(), 1u);
    EXPECT_FLOAT_EQ(Drawn()[0].x, 10 - 1);
    EXPECT_FLOAT_EQ(Drawn()[0].w, 10);
    EXPECT_FLOAT_EQ(Drawn()[0].sw, 20);
}

TEST_F(BitmapFontTest, GlyphsAreDrawnAtTheirOffsetsFromThePen) {
    const auto font = Load(TestFont());
    font->Draw("AB", 100, 50);
    ASSERT_EQ(Drawn().size(), 2u);
    EXPECT_FLOAT_EQ(Drawn()[0].x, 98);
    EXPECT_FLOAT_EQ(Drawn()[0].y, 55);
    EXPECT_FLOAT_EQ(Drawn()[0].sx, 0);
    EXPECT_FLOAT_EQ(Drawn()[0].sw, 20);
    EXPECT_FLOAT_EQ(Drawn()[0].sh, 30);
    EXPECT_FLOAT_EQ(Drawn()[1].x, 100 + 28 + 1);
    EXPECT_FLOAT_EQ(Drawn()[1].y, 57);
    EXPECT_FLOAT_EQ(Drawn()[1].sx, 30);
}

TEST_F(BitmapFontTest, CentredTextStartsHalfItsWidthLeft) {
    const auto font = Load(Header() + Glyph(72, 0, 20, 24, 3, 0, 25) + Glyph(105, 30, 6, 24, 1, 0, 15));
    ASSERT_DOUBLE_EQ(font->StringWidth("Hi"), 40);
    font->DrawAligned("Hi", 100, 0, 1);
    ASSERT_FALSE(Drawn().empty());
    EXPECT_FLOAT_EQ(Drawn()[0].x, 80 + 3);
    Graphics().parts.clear();
    font->DrawAligned("Hi", 100, 0, 2);
    EXPECT_FLOAT_EQ(Drawn()[0].x, 60 + 3);
    Graphics().parts.clear();
    EXPECT_EQ(font->DrawAligned("Hi", 100, 0, 5), 0);
    EXPECT_TRUE(Drawn().empty());
}

TEST_F(BitmapFontTest, VerticalCentringUsesTheTestStringsHeight) {
    const auto font = Load(TestFont());
    FontAccurateHeight = 1;
    font->CalcDrawOffsetY();
    EXPECT_EQ(font->DrawOffsetY, -5);
    // From the top of A's box (y offset 5) to the lowest foot among the capitals: A's own, 5 + 30.
    EXPECT_DOUBLE_EQ(font->StringHeight("ABCXYZ"), 30);
    EXPECT_EQ(font->GetLineGap(), 30);
    font->DrawAligned("i", 0, 100, 4);
    ASSERT_EQ(Drawn().size(), 1u);
    EXPECT_FLOAT_EQ(Drawn()[0].y, 100 - 15 + (5 - 5));
    FontAccurateHeight = 0;
}

TEST_F(BitmapFontTest, TheAverageHeightCountsOnlyGlyphsWithAHeight) {
    const auto font = Load(TestFont());
    FontAverageHeightMinusOne = 0;
    EXPECT_DOUBLE_EQ(font->StringHeight("A B"), (30 + 24) / 2.0);
    FontAverageHeightMinusOne = 1;
    EXPECT_DOUBLE_EQ(font->StringHeight("A B"), 30 + 24);
    // One glyph alone would divide by nothing.
    EXPECT_DOUBLE_EQ(font->StringHeight("A"), 30);
    EXPECT_DOUBLE_EQ(font->StringHeightVertical("A B"), 30 + 8 * 0.75 + 24);
}

TEST_F(BitmapFontTest, ACharacterWithoutAGlyphDrawsNothingAndAdvancesByTheGap) {
    const auto font = Load(TestFont());
    font->CharGap = 3;
    font->Draw("A\tB", 0, 0);
    ASSERT_EQ(Drawn().size(), 2u);
    EXPECT_FLOAT_EQ(Drawn()[1].x, 28 + 3 + 3 + 1);
}

TEST_F(BitmapFontTest, ALongTextDrawsEveryCharacter) {
    const auto font = Load(TestFont());
    font->Draw(std::string(300, 'B'), 0, 0);
    EXPECT_EQ(Drawn().size(), 300u);
    EXPECT_FLOAT_EQ(Drawn().back().x, 299 * 25 + 1);
}

TEST_F(BitmapFontTest, TheDrawingScaleScalesPlacesButNotSizes) {
    const auto font = Load(TestFont());
    Graphics().SetScale(2, 3);
    font->Draw("AB", 10, 10, 1);
    ASSERT_EQ(Drawn().size(), 2u);
    EXPECT_FLOAT_EQ(Drawn()[0].x, 10 - 53 / 2.0f * 2 - 2 * 2);
    EXPECT_FLOAT_EQ(Drawn()[0].y, 10 + 5 * 3);
    EXPECT_FLOAT_EQ(Drawn()[0].w, 20);  // the layer scales the size itself
    EXPECT_FLOAT_EQ(Drawn()[1].x - Drawn()[0].x, (28 + 1 + 2) * 2);
}

TEST_F(BitmapFontTest, TheShadowIsDrawnFirstInBlackThenTheColourReturns) {
    const auto font = Load(TestFont());
    TextShadowX = 3;
    TextShadowY = 4;
    TextShadowAlpha = 0.5f;
    TextAlpha = 0.8f;
    Graphics().SetColor(200, 100, 50);
    font->Draw("A", 10, 10, 0, 0, 0, 0, 1);
    ASSERT_EQ(Drawn().size(), 2u);
    EXPECT_FLOAT_EQ(Drawn()[0].x, 8 + 3);
    EXPECT_FLOAT_EQ(Drawn()[0].y, 15 + 4);
    EXPECT_EQ(Drawn()[0].r + Drawn()[0].g + Drawn()[0].b, 0);
    EXPECT_FLOAT_EQ(Drawn()[0].alpha, 0.4f);
    EXPECT_FLOAT_EQ(Drawn()[1].x, 8);
    EXPECT_EQ(Drawn()[1].r, 200);
    EXPECT_FLOAT_EQ(Drawn()[1].alpha, 0.8f);
    TextShadowX = TextShadowY = 1;
    TextShadowAlpha = 0.5f;
    TextAlpha = 1;
}

TEST_F(BitmapFontTest, EachCharacterTakesTheNextColourInTurn) {
    const auto font = Load(TestFont());
    const TColor colours[] = {{255, 0, 0, 1}, {0, 255, 0, 1}};
    font->Draw("BBB", 0, 0, 0, 0, 0, 0, 0, 0, 0, colours);
    ASSERT_EQ(Drawn().size(), 3u);
    EXPECT_EQ(Drawn()[0].r, 255);
    EXPECT_EQ(Drawn()[1].g, 255);
    EXPECT_EQ(Drawn()[2].r, 255);
}

TEST_F(BitmapFontTest, RoundingSnapsOnlyAtScaleOne) {
    const auto font = Load(TestFont());
    font->Draw("B", 10.4f, 10.6f, 0, 0, 1, 1);
    EXPECT_FLOAT_EQ(Drawn()[0].x, 11);
    EXPECT_FLOAT_EQ(Drawn()[0].y, 18);
    Graphics().SetScale(0.5f, 0.5f);
    font->Draw("B", 10.4f, 10.6f, 0, 0, 1, 1);
    EXPECT_FLOAT_EQ(Drawn()[1].x, 10.9f);
}

TEST_F(BitmapFontTest, VerticalTextStacksDownwards) {
    const auto font = Load(TestFont());
    font->Draw("A B", 50, 0, 0, 0, 0, 0, 0, 0, 1);
    ASSERT_EQ(Drawn().size(), 2u);
    EXPECT_FLOAT_EQ(Drawn()[0].y, 0);
    EXPECT_FLOAT_EQ(Drawn()[1].y, 30 + 8 * 0.75f);
    EXPECT_FLOAT_EQ(Drawn()[1].x, 51);
}

TEST_F(BitmapFontTest, ABendLiftsTheLettersAlongASineArc) {
    const auto font = Load(TestFont());
    font->SetCurvature(106, -20);
    font->Draw("BBBB", 0, 0, 1);
    ASSERT_EQ(Drawn().size(), 4u);
    // The first letter's middle lies 10 along it, and the 100-pixel text starts 3 into the 106-pixel arc.
    EXPECT_NEAR(Drawn()[0].y, 7 - 20 * std::sin(13.0 / 106 * M_PI), 1e-3);
    // The middle letters ride highest.
    EXPECT_LT(Drawn()[1].y, Drawn()[0].y);
    EXPECT_LT(Drawn()[2].y, Drawn()[3].y);
    font->ClearCurvature();
    EXPECT_EQ(font->CurvatureHeight, 0);
}

TEST_F(BitmapFontTest, WithChangeHandleTheTextTurnsAboutTheDrawingPoint) {
    const auto font = Load(TestFont());
    font->ChangeHandle = 1;
    font->HandleX = 10;
    Graphics().SetRotation(90);
    font->Draw("BB", 100, 100);
    ASSERT_EQ(Drawn().size(), 2u);
    // Unturned, the first glyph would lie at (100 - 10 + 1, 100 + 7); a quarter turn clockwise takes the
    // offset (-9, 7) to (-7, -9).
    EXPECT_NEAR(Drawn()[0].x, 100 - 7, 1e-3);
    EXPECT_NEAR(Drawn()[0].y, 100 - 9, 1e-3);
    EXPECT_NEAR(Drawn()[1].y - Drawn()[0].y, 25, 1e-3);
    EXPECT_EQ(font->HandleX, 10 - 25 - 25) << "each character moved the handle along by its advance";
    font->ResetHandle();
    EXPECT_EQ(font->ChangeHandle, 0);
    EXPECT_EQ(font->HandleX, 0);
}

TEST_F(BitmapFontTest, UnderAHandleAlignmentMovesTheHandleStretchedByTheFontsScale) {
    const auto font = Load(TestFont());
    font->ScaleFactor = 0.5;
    font->ChangeHandle = 1;
    font->Draw("BB", 100, 100, 1, 0, 0, 0, 0, 1);  // centred both ways
    ASSERT_EQ(Drawn().size(), 2u);
    // Half of "BB" (50 × 0.5) is 12.5, grown by (1 − 0.5) of itself to 18.75; half the line height
    // grows likewise. Each glyph hangs from the handle less its offsets, at the font's scale.
    const double handleY = font->StringHeight(font->TestString) / 2 * 1.5;
    ASSERT_GT(handleY, 0);
    EXPECT_NEAR(Drawn()[0].x, 100 + (1 - 18.75) * 0.5, 1e-3);
    EXPECT_NEAR(Drawn()[0].y, 100 + (7 - handleY) * 0.5, 1e-3);
    EXPECT_NEAR(Drawn()[1].x, 100 + (1 - 18.75 + 25) * 0.5, 1e-3);
    EXPECT_NEAR(font->HandleX, 18.75 - 50, 1e-9);
    EXPECT_NEAR(font->HandleY, handleY, 1e-9);
}

TEST_F(BitmapFontTest, UnderAHandleTheShadowAndTheTextStartFromTheSameHandle) {
    const auto font = Load(TestFont());
    font->ChangeHandle = 1;
    font->HandleX = 10;
    font->Draw("B", 100, 100, 0, 0, 0, 0, 1);
    ASSERT_EQ(Drawn().size(), 2u);
    EXPECT_NEAR(Drawn()[0].x, 100 + TextShadowX - 9, 1e-3);
    EXPECT_NEAR(Drawn()[1].x, 100 - 9, 1e-3);
    EXPECT_EQ(font->HandleX, 10 - 25);
}

TEST_F(BitmapFontTest, UnderAHandleEachLineOfAnArrayStartsFromNone) {
    const auto font = Load(TestFont());
    font->ChangeHandle = 1;
    font->HandleX = 10;
    font->DrawStringArray({"B", "B"}, 100, 100, 0, 0, 0, 0, 0, 30, 0);
    ASSERT_EQ(Drawn().size(), 2u);
    EXPECT_NEAR(Drawn()[0].x, 100 - 10 + 1, 1e-3);
    EXPECT_NEAR(Drawn()[1].x, 100 + 1, 1e-3) << "the handle was reset after the first line";
    EXPECT_NEAR(Drawn()[1].y, 130 + 7, 1e-3);
    EXPECT_EQ(font->ChangeHandle, 1) << "and kept on";
    EXPECT_EQ(font->HandleX, 0);
}

TEST_F(BitmapFontTest, StringArraysStackByTheLineGapAndCanBeCentred) {
    const auto font = Load(TestFont());
    font->DrawStringArray({"B", "B", "B"}, 0, 100, 0, 0, 0, 0, 0, 30, 1);
    ASSERT_EQ(Drawn().size(), 3u);
    EXPECT_FLOAT_EQ(Drawn()[0].y, 100 - 45 + 7);
    EXPECT_FLOAT_EQ(Drawn()[2].y, 100 - 45 + 60 + 7);
}

TEST_F(BitmapFontTest, MeasuresForFitting) {
    const auto font = Load(TestFont());
    EXPECT_EQ(font->TruncateString("BBBB", 60), "BB");
    EXPECT_EQ(font->TruncateString("BBBB", 1000), "BBBB");
    EXPECT_EQ(font->TruncateString("€€", 20), "€");
    EXPECT_DOUBLE_EQ(font->CalcReducedScale("BBBB", 50), 0.5);
    EXPECT_DOUBLE_EQ(font->CalcReducedScale("B", 50), 1.0);
    EXPECT_EQ(font->CalcVRAM(), 256 * 64 * 4);
}

TEST_F(BitmapFontTest, AMissingPageIsFatal) {
    Write("Test.fnt", TestFont());
    EXPECT_EQ(FatalOfCreate(), "Error loading bitmap " + Folder() + "Test.png");
}

TEST_F(BitmapFontTest, AMissingGlyphFileIsFatal) {
    WritePicture("Test.png", 8, 8);
    EXPECT_EQ(FatalOfCreate(), "Error loading file " + Folder() + "Test.fnt");
}

TEST_F(BitmapFontTest, AGlyphFileThatCannotBeUsedIsFatalWithOneMessageNamingIt) {
    std::string wide = "\xFF\xFE";
    for (char c : TestFont()) wide += std::string{c, '\0'};
    const struct {
        std::string text;
        const char* what;
    } cases[] = {
        {Header() + "char id=65   x=zz   y=0\n", "garbage for a number"},
        {Header() + Glyph(65, 250, 20, 10, 0, 0, 5), "a glyph outside its page"},
        {wide, "UTF-16"},
    };
    for (const auto& c : cases) {
        const size_t before = Messages().size();
        EXPECT_EQ(FatalOf(c.text), "Error loading file " + Folder() + "Test.fnt") << c.what;
        EXPECT_EQ(Messages().size(), before + 1) << c.what;
        EXPECT_THAT(Messages().back(), EndsWith(": Error loading file " + Folder() + "Test.fnt")) << c.what;
    }
}

TEST_F(BitmapFontTest, AGlyphFileThatCanBeUsedLoadsWithoutAWord) {
    // No page size, a count it does not keep, a stray line among the characters.
    const auto font = Load("info face=\"Test\"\ncommon lineHeight=30\nchars count=5\n" +
                           Glyph(65, 0, 20, 30, -2, 5, 28) + "hello\n" + Glyph(66, 30, 20, 24, 1, 7, 25));
    ASSERT_TRUE(font);
    EXPECT_EQ(font->NumChars, 2);
    EXPECT_EQ(font->TextureW, 0);
    EXPECT_THAT(Messages(), IsEmpty());
}

}  // namespace
}  // namespace murkwell::test
