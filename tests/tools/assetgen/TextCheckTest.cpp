// The build's check of the game text table: the reader takes it, the keys the code asks for are in it, and
// the game's fonts have every character it uses.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/tools/assetgen/AssetgenTestSupport.h"

namespace murkwell::test {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::Not;

class TextCheckTest : public AssetgenTest {
protected:
    // The fonts the build made, and a table of the test's own.
    void SetUp() override {
        AssetgenTest::SetUp();
        data_ = folder_ + "data";
        fs::create_directories(data_ + "/text");
        fs::copy(std::string(MURKWELL_DATA_DIR) + "/fonts", data_ + "/fonts", fs::copy_options::recursive);
        WriteText(folder_ + "keys.txt", "# asked for by the test\nGold\n\nbutton ok\n");
    }
    int Check(const std::string& table, std::string& output) {
        WriteText(data_ + "/text/gametext.txt", table);
        return RunAssetgen({"--check", data_, folder_ + "keys.txt"}, output);
    }

    std::string data_;
};

TEST_F(TextCheckTest, ASoundTablePasses) {
    std::string output;
    // The folder holds only the fonts, so the check fails for the rest; the table itself is sound.
    Check("[TEXT]\nGold\nGold\n[TEXT]\nButton OK\nOK\n[TEXT]\nQuote\n“Café” — 5€…\n", output);
    EXPECT_THAT(output, Not(HasSubstr("text table")));
}

TEST_F(TextCheckTest, AKeyTheCodeAsksForMustBeThere) {
    std::string output;
    EXPECT_NE(Check("[TEXT]\nGold\nGold\n", output), 0);
    EXPECT_THAT(output,
                HasSubstr("'button ok' (listed in " + folder_ + "keys.txt) is not in text/gametext.txt"));
}

TEST_F(TextCheckTest, ACharacterAFontLacksIsNamedWithItsKeyAndFont) {
    std::string output;
    EXPECT_NE(Check("[TEXT]\nGold\nGold ☃\n[TEXT]\nButton OK\nOK\n", output), 0);
    EXPECT_THAT(output, HasSubstr("line 1: the text of 'Gold' uses"));
    EXPECT_THAT(output, HasSubstr("(U+2603), which the font BigText lacks"));
    EXPECT_THAT(output, HasSubstr("which the font GUIFontSmall lacks"));
}

TEST_F(TextCheckTest, BlocksTheReaderWouldMisreadAreNamedByLine) {
    std::string output;
    EXPECT_NE(Check("[TEXT]\nGold\nGold\n\n[TEXT]\n[TEXT]\nbutton OK\nOK\n[TEXT]\nGOLD\nMore gold\n[TEXT]\n"
                    " Padded\nx\n",
                    output),
              0);
    EXPECT_THAT(output, HasSubstr("line 1: the text of 'Gold' ends in a blank line"));
    EXPECT_THAT(output, HasSubstr("line 5: a header with no key after it"));
    EXPECT_THAT(output, HasSubstr("line 9: the key 'GOLD' again (first at line 1)"));
    EXPECT_THAT(output, HasSubstr("line 12: the key ' Padded' has blanks round it"));
}

TEST_F(TextCheckTest, ATableTheGameWouldStopAtFails) {
    std::string output;
    EXPECT_NE(Check("[TEXT]\nGold\n[Gold]\n", output), 0);
    EXPECT_THAT(output, HasSubstr("line 3: the game stops here with \"[TEXT] header hot found\""));
}

TEST_F(TextCheckTest, OnlyUtf8IsShipped) {
    std::string output;
    EXPECT_NE(Check("[TEXT]\nGold\nCaf\xE9\n[TEXT]\nButton OK\nOK\n", output), 0);
    EXPECT_THAT(output, HasSubstr("is not UTF-8"));
    std::string wide = "\xFF\xFE";
    for (char c : std::string("[TEXT]\nGold\nGold\n")) wide += std::string{c, '\0'};
    EXPECT_NE(Check(wide, output), 0);
    EXPECT_THAT(output, HasSubstr("UTF-16"));
}

TEST_F(TextCheckTest, AMissingTableAndAMissingListFail) {
    std::string output;
    EXPECT_NE(RunAssetgen({"--check", data_}, output), 0);
    EXPECT_THAT(output, HasSubstr("text/gametext.txt is missing"));
    WriteText(data_ + "/text/gametext.txt", "[TEXT]\nGold\nGold\n");
    EXPECT_NE(RunAssetgen({"--check", data_, folder_ + "nothing.txt"}, output), 0);
    EXPECT_THAT(output, HasSubstr("the key list " + folder_ + "nothing.txt cannot be read"));
}

TEST_F(TextCheckTest, TheGamesOwnTableHasEveryKeyTheCodeAsksFor) {
    std::string output;
    EXPECT_EQ(RunAssetgen(
                  {"--check", MURKWELL_DATA_DIR, std::string(MURKWELL_SOURCE_DIR) + "/framework/TextKeys.txt",
                   std::string(MURKWELL_SOURCE_DIR) + "/game/TextKeys.txt"},
                  output),
              0)
        << output;
}

}  // namespace
}  // namespace murkwell::test
