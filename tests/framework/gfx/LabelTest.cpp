// Labels: word wrapping, measuring and drawing, on a font whose letters all advance 10 pixels.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "framework/gfx/BitmapFont.h"
#include "framework/gfx/Label.h"
#include "framework/sprites/Color.h"
#include "framework/sprites/Shadow.h"
#include "tests/framework/gfx/GfxTestSupport.h"

namespace murkwell::test {
namespace {

using ::testing::ElementsAre;

class LabelTest : public GfxFixture {
protected:
    LabelTest() {
        FontAccurateHeight = 1;  // as the game has it
        std::string text = "common scaleW=256  scaleH=256 \n";
        char line[160];
        std::snprintf(line, sizeof line,
                      "char id=32 x=0 y=0 width=0 height=0 xoffset=0 yoffset=0 xadvance=5\n");
        text += line;
        for (int c = 33; c < 127; ++c) {
            std::snprintf(line, sizeof line,
                          "char id=%d x=%d y=%d width=8 height=20 xoffset=1 yoffset=0 xadvance=10\n", c,
                          (c - 33) % 25 * 10, (c - 33) / 25 * 22);
            text += line;
        }
        WritePicture("Fixed.png", 256, 256);
        Write("Fixed.fnt", text);
        font_ = TBitmapFont::Create(Folder() + "Fixed", -1, 0, 0);
        parts_.BitmapFont = font_;
        parts_.Color = TColor::Create(200, 180, 60, 0.5f);
    }

    ~LabelTest() override {
        FontAccurateHeight = 0;
        TextShadowX = TextShadowY = 1;
        TextShadowAlpha = 0.5f;
        TextAlpha = 1;
    }

    std::vector<std::string> Wrap(const std::string& text, float width, float scale = 1) {
        return WrapText(*font_, text, width, scale);
    }
    const std::vector<DrawnPart>& Drawn() { return Graphics().parts; }

    std::shared_ptr<TBitmapFont> font_;
    TFont parts_;
};

TEST_F(LabelTest, WordsJoinALineWhileTheyFit) {
    EXPECT_THAT(Wrap("one two three", 60), ElementsAre("one", "two", "three"));
    EXPECT_THAT(Wrap("one two three", 65), ElementsAre("one two", "three"));
    EXPECT_THAT(Wrap("one two three", 1000), ElementsAre("one two three"));
}

TEST_F(LabelTest, TheLabelsScaleCountsAgainstTheWidth) {
    EXPECT_THAT(Wrap("one two", 130, 2), ElementsAre("one two"));
    EXPECT_THAT(Wrap("one two", 129, 2), ElementsAre("one", "two"));
}

TEST_F(LabelTest, ADoubleSpaceWrapsLikeASingleOne) {
    EXPECT_EQ(Wrap("one  two   three", 65), Wrap("one two three", 65));
    EXPECT_THAT(Wrap("  one two  ", 1000), ElementsAre("one two"));
}

TEST_F(LabelTest, LineBreaksAreKeptAndAnEmptyLineStaysEmpty) {
    EXPECT_THAT(Wrap("one\r\n\r\ntwo\nthree", 1000), ElementsAre("one", "", "two", "three"));
    EXPECT_THAT(Wrap("", 1000), ElementsAre());
}

TEST_F(LabelTest, AWordWiderThanTheWidthStandsAloneUnbroken) {
    EXPECT_THAT(Wrap("a unbreakable b", 50), ElementsAre("a", "unbreakable", "b"));
}

TEST_F(LabelTest, CreateSpecialWrapsAndMeasures) {
    const auto label = TLabel::CreateSpecial("one two three", 100, 50, 1, parts_, 65);
    EXPECT_THAT(label->TextArray, ElementsAre("one two", "three"));
    EXPECT_EQ(label->TotalLines, 2);
    EXPECT_FLOAT_EQ(label->W, 120);
    EXPECT_EQ(label->LineGap, 20);
    EXPECT_FLOAT_EQ(label->GetWidestLine(), 65);
    EXPECT_FLOAT_EQ(label->CalcWordWrappedHeight(), 20 + 20);
    EXPECT_EQ(label->BitmapFont, font_);
    EXPECT_EQ(label->Color->r, 200);
}

TEST_F(LabelTest, WithoutWrappingTheTextIsOneLine) {
    const auto label = TLabel::CreateSpecial("one two three", 0, 0, 0, parts_);
    EXPECT_THAT(label->TextArray, ElementsAre("one two three"));
    EXPECT_THAT(TLabel::CreateSpecial("", 0, 0, 0, parts_)->TextArray, ElementsAre());
}

TEST_F(LabelTest, AutoScaleOnlyEverShrinks) {
    const auto label = TLabel::CreateSpecial("abcdefghij", 0, 0, 0, parts_);
    label->AutoScale(200);
    EXPECT_FLOAT_EQ(label->Scale, 1);
    label->AutoScale(50);
    EXPECT_FLOAT_EQ(label->Scale, 0.5f);
    EXPECT_FLOAT_EQ(label->CalcWidth(), 50);
}

TEST_F(LabelTest, EachLineIsAlignedAndTheNextOneLineGapLower) {
    const auto label = TLabel::CreateSpecial("ab cdef", 100, 50, 1, parts_, 30);
    label->SetLineGap(24);
    ASSERT_EQ(label->Draw(), 1);
    ASSERT_EQ(Drawn().size(), 6u);
    EXPECT_FLOAT_EQ(Drawn()[0].x, 100 - 10 + 1);
    EXPECT_FLOAT_EQ(Drawn()[0].y, 50);
    EXPECT_FLOAT_EQ(Drawn()[2].x, 100 - 20 + 1);
    EXPECT_FLOAT_EQ(Drawn()[2].y, 74);
}

TEST_F(LabelTest, DrawingUsesTheLabelsColourAlphaAndScaleThenPutsTheStateBack) {
    auto& graphics = Graphics();
    graphics.SetColor(1, 2, 3);
    graphics.SetAlpha(0.9f);
    graphics.SetScale(1, 1);
    const auto label = TLabel::CreateSpecial("ab", 10, 10, 0, parts_);
    label->Scale = 2;
    label->Alpha = 0.8f;
    label->Draw(5, 6);
    ASSERT_EQ(Drawn().size(), 2u);
    EXPECT_EQ(Drawn()[0].r, 200);
    EXPECT_FLOAT_EQ(Drawn()[0].alpha, 0.4f);
    EXPECT_FLOAT_EQ(Drawn()[0].scaleX, 2);
    EXPECT_FLOAT_EQ(Drawn()[0].x, 15 + 2);
    EXPECT_FLOAT_EQ(Drawn()[1].x, 15 + 20 + 2);
    int r, g, b;
    graphics.GetColor(r, g, b);
    EXPECT_EQ(r + g + b, 6);
    EXPECT_FLOAT_EQ(graphics.Alpha(), 0.9f);
    EXPECT_FLOAT_EQ(graphics.ScaleX(), 1);
}

TEST_F(LabelTest, AFontWithAShadowDrawsItUnderEveryLine) {
    parts_.Shadow = TShadow::Create(2, 3, 0.5f);
    const auto label = TLabel::CreateSpecial("a", 10, 10, 0, parts_);
    label->Draw();
    ASSERT_EQ(Drawn().size(), 2u);
    EXPECT_FLOAT_EQ(Drawn()[0].x, 13);
    EXPECT_FLOAT_EQ(Drawn()[0].y, 13);
    EXPECT_EQ(Drawn()[0].r, 0);
    EXPECT_FLOAT_EQ(Drawn()[0].alpha, 0.25f);
    Graphics().parts.clear();
    label->Draw(0, 0, 0);
    EXPECT_EQ(Drawn().size(), 1u);
}

TEST_F(LabelTest, CentredVerticallyTheBlockMovesUpByHalfItsHeight) {
    const auto label = TLabel::CreateSpecial("ab cd", 0, 100, 0, parts_, 20);
    label->CentreVertically = 1;
    label->Draw();
    ASSERT_EQ(Drawn().size(), 4u);
    EXPECT_FLOAT_EQ(Drawn()[0].y, 100 - 20);
    EXPECT_FLOAT_EQ(Drawn()[2].y, 100);
}

TEST_F(LabelTest, ARotatedLabelTurnsAboutItsHandleAndLeavesTheFontAsItWas) {
    const auto label = TLabel::CreateSpecial("ab", 100, 100, 0, parts_);
    label->Rotation = 180;
    label->SetBitmapFontHandle(10, 10);
    label->Draw();
    ASSERT_EQ(Drawn().size(), 2u);
    // Unturned the first glyph's corner is 9 left of and 10 above the turning point.
    EXPECT_NEAR(Drawn()[0].x, 100 + 9, 1e-3);
    EXPECT_NEAR(Drawn()[0].y, 100 + 10, 1e-3);
    EXPECT_FLOAT_EQ(Drawn()[0].rotation, 180);
    EXPECT_EQ(font_->ChangeHandle, 0);
    EXPECT_FLOAT_EQ(Graphics().Rotation(), 0);
}

TEST_F(LabelTest, ABentLabelBendsItsLinesOnly) {
    const auto label = TLabel::CreateSpecial("abc", 0, 0, 0, parts_);
    label->SetCurvature(30, 10);
    label->Draw();
    ASSERT_EQ(Drawn().size(), 3u);
    EXPECT_GT(Drawn()[1].y, Drawn()[0].y);
    EXPECT_EQ(font_->CurvatureHeight, 0);
}

TEST_F(LabelTest, AnInvisibleLabelDrawsNothing) {
    const auto label = TLabel::CreateSpecial("ab", 10, 10, 0, parts_);
    label->Visible = 0;
    EXPECT_EQ(label->Draw(), 0);
    EXPECT_TRUE(Drawn().empty());
}

TEST_F(LabelTest, AnAlignmentOutsideTheFiveDrawsNothing) {
    const auto label = TLabel::CreateSpecial("ab", 10, 10, 7, parts_);
    label->Draw();
    EXPECT_TRUE(Drawn().empty());
}

}  // namespace
}  // namespace murkwell::test
