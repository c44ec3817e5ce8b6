// The typed line: what it takes, what it refuses, and how Enter and Escape end it.
#include <gtest/gtest.h>

#include <string>

#include "framework/core/Input.h"
#include "framework/ui/TextInput.h"
#include "tests/framework/core/GameTestSupport.h"

namespace murkwell::test {
namespace {

class TextInputTest : public ::testing::Test, public GameFixture {
protected:
    TextInputTest() { input.Init(nullptr, "", 0, 0, nullptr); }
    // Types each character, one a tick; the last tick's answer.
    int Type(const std::u32string& keys) {
        int answer = 0;
        for (const char32_t c : keys) {
            InputCharacter(c);
            answer = input.Manage();
        }
        return answer;
    }
    TTextInput input;
};

TEST_F(TextInputTest, TakesOnlyWhatTheRulesAllow) {
    struct Case {
        const char* name;
        void (*setUp)(TTextInput&);
        std::u32string keys;
        const char* text;
    };
    const Case cases[] = {
        {"ten characters at the most", [](TTextInput&) {}, U"Rosalind Franklin", "Rosalind F"},
        {"backspace takes one back", [](TTextInput&) {}, U"Adx\bam", "Adam"},
        {"backspace on nothing", [](TTextInput&) {}, U"\b\bOk", "Ok"},
        {"control codes never enter", [](TTextInput&) {}, U"A\tB\x7f" U"C\x85" U"D\x1b", "ABCD"},
        {"accents only when allowed", [](TTextInput&) {}, U"Zo\u00eb", "Zo"},
        {"accents allowed", [](TTextInput& t) { t.AllowEuropeanChars = 1; }, U"Zo\u00eb\u0152", "Zo\u00eb"},
        {"extended allowed", [](TTextInput& t) { t.AllowExtendedChars = 1; }, U"\u0152\u20ac\x9c", "\u0152\u20ac"},
        {"file-name safe", [](TTextInput& t) { t.MakeCharsFileNameSafe(); }, U"a/b:c?d", "abcd"},
        {"numbers only", [](TTextInput& t) { t.NumbersOnly = 1; }, U"4x2-0", "420"},
        {"first letter up",
         [](TTextInput& t) {
             t.UppercaseFirstCharAsTyped = 1;
             t.AllowEuropeanChars = 1;
         },
         U"\u00e9mile", "\u00c9mile"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        input = TTextInput{};
        input.Init(nullptr, "", 0, 0, nullptr);
        input.AllowEscToAbort = 0;
        c.setUp(input);
        EXPECT_EQ(Type(c.keys), 0);
        EXPECT_EQ(input.Text, c.text);
        EXPECT_EQ(input.Active, 1);
    }
}

TEST_F(TextInputTest, EnterFinishesUnlessTheTextMayNotBeEmptyAndEscapeGivesUp) {
    struct Case {
        int allowNull;
        std::u32string keys;
        int answer, active;
        const char* text;
    };
    const Case cases[] = {
        {1, U"Tom\r", 1, 0, "Tom"},   {1, U"\r", 1, 0, ""},        {0, U"   \r", 0, 1, "   "},
        {0, U" T \r", 1, 0, " T "},   {1, U"Tom\x1b", -1, 0, "Tom"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.allowNull << " " << c.text);
        input.Init(nullptr, "", 0, 0, nullptr);
        input.AllowNull = c.allowNull;
        EXPECT_EQ(Type(c.keys), c.answer);
        EXPECT_EQ(input.Active, c.active);
        EXPECT_EQ(input.Done, 1 - c.active);
        EXPECT_EQ(input.Text, c.text);
    }
    input.Init(nullptr, "", 0, 0, nullptr);
    input.ClearTextOnEscape = 1;
    EXPECT_EQ(Type(U"Tom\x1b"), -1);
    EXPECT_EQ(input.Text, "");
}

}  // namespace
}  // namespace murkwell::test
