#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "platform/files/Files.h"
#include "tests/support/TempFolder.h"

namespace files = platform::files;
using Lines = std::vector<std::string>;

namespace {

std::string Decode(std::string_view bytes) {
    return files::DecodeText(std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
}

TEST(DecodeText, PassesUtf8Through) {
    EXPECT_EQ(Decode("plain text"), "plain text");
    EXPECT_EQ(Decode("caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x8E\x83"),
              "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x8E\x83");
    EXPECT_EQ(Decode(""), "");
}

TEST(DecodeText, DropsTheByteOrderMark) {
    EXPECT_EQ(Decode("\xEF\xBB\xBFhello"), "hello");
    EXPECT_EQ(Decode("\xEF\xBB\xBF"), "");
    EXPECT_EQ(Decode("\xEF\xBB\xBF"
                     "caf\xE9"),
              "caf\xC3\xA9");
}

TEST(DecodeText, ReadsWhatIsNotUtf8AsWindows1252) {
    EXPECT_EQ(Decode("caf\xE9"), "caf\xC3\xA9");
    EXPECT_EQ(Decode("\x80"), "\xE2\x82\xAC");
    EXPECT_EQ(Decode("\x93quoted\x94 \x85"), "\xE2\x80\x9Cquoted\xE2\x80\x9D \xE2\x80\xA6");
    EXPECT_EQ(Decode("\x9F\xFF"), "\xC5\xB8\xC3\xBF");
}

TEST(DecodeText, GivesTheReplacementCharacterForBytesWindows1252LeavesUndefined) {
    EXPECT_EQ(Decode("a\x81"
                     "b"),
              "a\xEF\xBF\xBD"
              "b");
}

TEST(DecodeText, CountsOverlongSurrogateAndOutOfRangeSequencesAsInvalid) {
    EXPECT_EQ(Decode("\xC0\xAF"), "\xC3\x80\xC2\xAF");                  // "/" spelt in two bytes
    EXPECT_EQ(Decode("\xE0\x80\xAF"), "\xC3\xA0\xE2\x82\xAC\xC2\xAF");  // and in three
    EXPECT_EQ(Decode("\xED\xA0\x80"), "\xC3\xAD\xC2\xA0\xE2\x82\xAC");  // U+D800
    EXPECT_EQ(Decode("\xF4\x90\x80\x80"), "\xC3\xB4\xEF\xBF\xBD\xE2\x82\xAC\xE2\x82\xAC");  // above U+10FFFF
}

TEST(DecodeText, CountsACutOffSequenceAsInvalid) {
    EXPECT_EQ(Decode("ok\xE2\x82"), "ok\xC3\xA2\xE2\x80\x9A");
    EXPECT_EQ(Decode("\xC3"), "\xC3\x83");
}

TEST(SplitLines, SplitsCrLfAndLf) {
    EXPECT_EQ(files::SplitLines("one\r\ntwo\nthree\r\n"), (Lines{"one", "two", "three"}));
}

TEST(SplitLines, KeepsAFinalLineWithoutNewline) {
    EXPECT_EQ(files::SplitLines("one\ntwo"), (Lines{"one", "two"}));
    EXPECT_EQ(files::SplitLines("one\r\ntwo\r"), (Lines{"one", "two"}));
}

TEST(SplitLines, KeepsEmptyLines) {
    EXPECT_EQ(files::SplitLines("a\n\nb\r\n\r\n"), (Lines{"a", "", "b", ""}));
    EXPECT_EQ(files::SplitLines("\n"), (Lines{""}));
    EXPECT_EQ(files::SplitLines(""), Lines{});
}

TEST(SplitLines, RemovesOnlyOneCarriageReturn) {
    EXPECT_EQ(files::SplitLines("a\r\r\nb"), (Lines{"a\r", "b"}));
}

TEST(ReadLines, DecodesAndSplitsAFile) {
    murkwell::test::TempFolder dir;
    ASSERT_TRUE(dir.Ok());
    murkwell::test::WriteText(dir / "text.txt", "\xEF\xBB\xBFTitle\r\n\r\nend");
    Lines lines;
    std::string error;
    ASSERT_TRUE(files::ReadLines(dir / "text.txt", lines, error)) << error;
    EXPECT_EQ(lines, (Lines{"Title", "", "end"}));

    murkwell::test::WriteText(dir / "old.txt", "Caf\xE9\r\n\x80 5\r\n");
    ASSERT_TRUE(files::ReadLines(dir / "old.txt", lines, error)) << error;
    EXPECT_EQ(lines, (Lines{"Caf\xC3\xA9", "\xE2\x82\xAC 5"}));
}

TEST(ReadLines, FailsOnAMissingFileNamingIt) {
    murkwell::test::TempFolder dir;
    ASSERT_TRUE(dir.Ok());
    Lines lines;
    std::string error;
    EXPECT_FALSE(files::ReadLines(dir / "missing.txt", lines, error));
    EXPECT_NE(error.find(dir / "missing.txt"), std::string::npos) << error;
}

}  // namespace
