#include <gtest/gtest.h>

#include "platform/text/Utf8.h"

namespace platform {
namespace {

TEST(Utf8, RoundTripsEveryPlane) {
    const std::u32string text = U"aé€😀\u07FF\uFFFD";
    EXPECT_EQ(DecodeUtf8(EncodeUtf8(text)), text);
    EXPECT_EQ(EncodeUtf8(U'é'), "\xC3\xA9");
}

TEST(Utf8, MalformedBytesBecomeReplacementCharactersAndDecodingGoesOn) {
    EXPECT_EQ(DecodeUtf8("a\xFF" "b"), U"a\uFFFDb");
    EXPECT_EQ(DecodeUtf8("\xC3"), U"\uFFFD") << "cut short at the end";
    EXPECT_EQ(DecodeUtf8("\xC3z"), U"\uFFFDz") << "cut short before an ASCII letter, which survives";
    EXPECT_EQ(DecodeUtf8("\xC0\xAF"), U"\uFFFD") << "overlong";
    EXPECT_EQ(DecodeUtf8("\xED\xA0\x80"), U"\uFFFD") << "surrogate";
    EXPECT_EQ(DecodeUtf8("\xF4\x90\x80\x80"), U"\uFFFD") << "above U+10FFFF";
}

TEST(Utf8, UnencodableCodePointsBecomeReplacementCharacters) {
    EXPECT_EQ(EncodeUtf8(char32_t{0xD800}), EncodeUtf8(U'\uFFFD'));
    EXPECT_EQ(EncodeUtf8(char32_t{0x110000}), EncodeUtf8(U'\uFFFD'));
}

}  // namespace
}  // namespace platform
