// The glyph file reader against hand-written files: fixed-width fields as the bitmap font tool pads them,
// and the damage a file can carry.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "framework/gfx/FntFile.h"

namespace {

using ::testing::HasSubstr;

constexpr const char* kHead =
    "info face=\"Test\" size=32 bold=0 italic=0 charset=\"\" unicode=1 stretchH=100 smooth=1 aa=1 "
    "padding=0,0,0,0 spacing=1,1\n"
    "common lineHeight=32 base=26 scaleW=256  scaleH=128  pages=1 packed=0\n"
    "page id=0 file=\"Test.png\"\n";

FntFile Parse(const std::string& text) {
    FntFile file;
    std::string error;
    EXPECT_TRUE(ParseFnt(text, file, error)) << error;
    return file;
}

std::string Refused(const std::string& text) {
    FntFile file;
    std::string error;
    EXPECT_FALSE(ParseFnt(text, file, error));
    return error;
}

TEST(FntFile, PaddedFieldsFillTheGlyph) {
    const FntFile file =
        Parse(std::string(kHead) +
              "chars count=1\n"
              "char id=65   x=10    y=20    width=30    height=40    xoffset=-2    yoffset=5     "
              "xadvance=28    page=0  chnl=0\n");
    EXPECT_EQ(file.scale, 1.0);
    EXPECT_EQ(file.textureW, 256);
    EXPECT_EQ(file.textureH, 128);
    ASSERT_EQ(file.glyphs.size(), 1u);
    const FntGlyph& g = file.glyphs[0];
    EXPECT_EQ(g.id, 65);
    EXPECT_EQ(g.x, 10);
    EXPECT_EQ(g.y, 20);
    EXPECT_EQ(g.width, 30);
    EXPECT_EQ(g.height, 40);
    EXPECT_EQ(g.xOffset, -2);
    EXPECT_EQ(g.yOffset, 5);
    EXPECT_EQ(g.xAdvance, 28);
}

TEST(FntFile, NumbersWrittenCloseTogetherStillRead) {
    const FntFile file =
        Parse(std::string(kHead) + "char id=66 x=1 y=2 width=3 height=4 xoffset=-9 yoffset=-1 xadvance=7\n");
    ASSERT_EQ(file.glyphs.size(), 1u);
    EXPECT_EQ(file.glyphs[0].xOffset, -9);
    EXPECT_EQ(file.glyphs[0].yOffset, -1);
    EXPECT_EQ(file.glyphs[0].xAdvance, 7);
}

TEST(FntFile, AScaleLineInAnyCaseSetsTheScale) {
    EXPECT_DOUBLE_EQ(Parse("scaleF=0.50\n" + std::string(kHead)).scale, 0.5);
    EXPECT_DOUBLE_EQ(Parse("ScaleF=2.0 \n" + std::string(kHead)).scale, 2.0);
    EXPECT_DOUBLE_EQ(Parse("SCALEF=1.25\n" + std::string(kHead)).scale, 1.25);
}

TEST(FntFile, TheInfoAndPageLinesMayBeLeftOut) {
    const FntFile file = Parse(
        "common lineHeight=32 base=26 scaleW=64   scaleH=32   pages=1\n"
        "char id=97   x=0    y=0    width=5   height=6   xoffset=0   yoffset=0   xadvance=6   page=0\n");
    EXPECT_EQ(file.textureW, 64);
    ASSERT_EQ(file.glyphs.size(), 1u);
    EXPECT_EQ(file.glyphs[0].id, 97);
}

TEST(FntFile, CodesAbove255KeepTheirCodeAndFileOrder) {
    const FntFile file =
        Parse(std::string(kHead) +
              "char id=8364 x=0    y=0    width=10  height=10  xoffset=0   yoffset=0   xadvance=11\n"
              "char id=65   x=20   y=0    width=10  height=10  xoffset=0   yoffset=0   xadvance=11\n"
              "char id=8230 x=40   y=0    width=10  height=10  xoffset=0   yoffset=0   xadvance=11\n");
    ASSERT_EQ(file.glyphs.size(), 3u);
    EXPECT_EQ(file.glyphs[0].id, 8364);
    EXPECT_EQ(file.glyphs[2].id, 8230);
}

TEST(FntFile, LinesWithoutAPositiveIdAreSkippedAndKerningEndsTheGlyphs) {
    const FntFile file =
        Parse(std::string(kHead) +
              "chars count=3\n"
              "char id=0    x=0    y=0    width=1   height=1   xoffset=0   yoffset=0   xadvance=1\n"
              "char id=-5   x=0    y=0    width=1   height=1   xoffset=0   yoffset=0   xadvance=1\n"
              "char id=65   x=0    y=0    width=1   height=1   xoffset=0   yoffset=0   xadvance=1\n"
              "kernings count=1\n"
              "kerning first=65  second=66  amount=-1\n");
    ASSERT_EQ(file.glyphs.size(), 1u);
    EXPECT_EQ(file.glyphs[0].id, 65);
}

TEST(FntFile, WindowsLineEndsAndLongLinesAreReadWhole) {
    const std::string tail(300, ' ');
    const FntFile file = Parse(
        "info face=\"Test\"\r\ncommon scaleW=64   scaleH=64  \r\n"
        "char id=65   x=1    y=2    width=3   height=4   xoffset=0   yoffset=0   " +
        tail + "xadvance=5  \r\n");
    ASSERT_EQ(file.glyphs.size(), 1u);
    EXPECT_EQ(file.glyphs[0].xAdvance, 5);
}

TEST(FntFile, GarbageWhereANumberBelongsIsRefusedWithItsLine) {
    const std::string error =
        Refused(std::string(kHead) +
                "char id=65   x=ab    y=0    width=1   height=1   xoffset=0   yoffset=0   "
                "xadvance=1\n");
    EXPECT_THAT(error, HasSubstr("line 4"));
    EXPECT_THAT(error, HasSubstr("x="));
}

TEST(FntFile, ANumberLongerThanItsFieldIsRefusedRatherThanMisread) {
    EXPECT_THAT(
        Refused(std::string(kHead) +
                "char id=65   x=12345 y=0    width=1   height=1   xoffset=0   yoffset=0   xadvance=1\n"),
        HasSubstr("longer than its 4-character field"));
}

TEST(FntFile, AMissingFieldIsNamed) {
    EXPECT_THAT(Refused(std::string(kHead) + "char id=65   x=1    y=0    width=1   height=1   xoffset=0\n"),
                HasSubstr("\"yoffset=\""));
}

TEST(FntFile, NegativeSizesAndPositionsAreRefused) {
    EXPECT_THAT(
        Refused(std::string(kHead) +
                "char id=65   x=1    y=0    width=-4  height=1   xoffset=0   yoffset=0   xadvance=1\n"),
        HasSubstr("negative"));
}

TEST(FntFile, AFileCutShortReadsWhatItHoldsUnlessALineIsCut) {
    const std::string whole =
        std::string(kHead) +
        "chars count=2\n"
        "char id=65   x=0    y=0    width=1   height=1   xoffset=0   yoffset=0   xadvance=1\n"
        "char id=66   x=2    y=0    width=1   height=1   xoffset=0   yoffset=0   xadvance=1\n";
    Parse(whole);
    // Cut after a whole line: the count it announced is not held against it.
    EXPECT_EQ(Parse(whole.substr(0, whole.rfind("char id=66"))).glyphs.size(), 1u);
    // Cut inside a line: its last fields are missing.
    EXPECT_THAT(Refused(whole.substr(0, whole.rfind("xoffset"))), HasSubstr("line 6"));
    // Cut before the common line.
    EXPECT_THAT(Refused(whole.substr(0, whole.find("common"))), HasSubstr("common line"));
    EXPECT_THAT(Refused(""), HasSubstr("empty"));
}

TEST(FntFile, ASecondPageIsRefusedAndStrayLinesArePassedOver) {
    EXPECT_THAT(Refused(std::string(kHead) + "page id=1 file=\"Other.png\"\n"), HasSubstr("second page"));
    const FntFile file =
        Parse(std::string(kHead) + "chars count=1\nhello\n\n" +
              "char id=65   x=0    y=0    width=1   height=1   xoffset=0   yoffset=0   xadvance=1\n");
    EXPECT_EQ(file.glyphs.size(), 1u);
}

TEST(FntFile, ACommonLineWithoutThePageSizeReadsItAsNothing) {
    const FntFile file = Parse("common lineHeight=30 base=20\n");
    EXPECT_EQ(file.textureW, 0);
    EXPECT_EQ(file.textureH, 0);
}

TEST(FntFile, WhatIsWrittenReadsBackTheSame) {
    FntFile font;
    font.textureW = 512;
    font.textureH = 256;
    font.glyphs = {{32, 0, 0, 0, 0, 0, 0, 7},
                   {65, 1, 1, 30, 40, -2, 5, 28},
                   {8364, 500, 200, 12, 999, -99, 999, 999},
                   {65533, 9999, 9999, 1, 1, 0, 0, 1}};
    std::string text, error;
    ASSERT_TRUE(FormatFnt(font, "Face", 22, 30, 22, "Test.png", text, error)) << error;
    const FntFile back = Parse(text);
    EXPECT_EQ(back.textureW, 512);
    EXPECT_EQ(back.textureH, 256);
    ASSERT_EQ(back.glyphs.size(), font.glyphs.size());
    for (size_t i = 0; i < font.glyphs.size(); ++i) {
        EXPECT_EQ(back.glyphs[i].id, font.glyphs[i].id);
        EXPECT_EQ(back.glyphs[i].x, font.glyphs[i].x);
        EXPECT_EQ(back.glyphs[i].height, font.glyphs[i].height);
        EXPECT_EQ(back.glyphs[i].xOffset, font.glyphs[i].xOffset);
        EXPECT_EQ(back.glyphs[i].yOffset, font.glyphs[i].yOffset);
        EXPECT_EQ(back.glyphs[i].xAdvance, font.glyphs[i].xAdvance);
    }
}

TEST(FntFile, AValueThatWouldNotFitItsFieldIsNotWritten) {
    FntFile font;
    font.glyphs = {{65, 0, 0, 1000, 1, 0, 0, 1}};
    std::string text, error;
    EXPECT_FALSE(FormatFnt(font, "Face", 22, 30, 22, "Test.png", text, error));
    EXPECT_THAT(error, HasSubstr("width="));
    font.glyphs = {{65, 0, 0, 1, 1, -100, 0, 1}};
    EXPECT_FALSE(FormatFnt(font, "Face", 22, 30, 22, "Test.png", text, error));
    EXPECT_THAT(error, HasSubstr("xoffset="));
}

}  // namespace
