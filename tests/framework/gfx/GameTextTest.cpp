// The game text table: blocks of a header, a key and text lines, read from the text folder.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "framework/core/Messages.h"
#include "framework/gfx/GameText.h"
#include "framework/gfx/TextTable.h"
#include "tests/framework/gfx/GfxTestSupport.h"

namespace murkwell::test {
namespace {

using ::testing::ElementsAre;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

class GameTextTest : public GfxFixture {
protected:
    GameTextTest() { game().TextPath = Folder(); }

    TGameText Read(const std::string& text) {
        Write("gametext.txt", text);
        TGameText table;
        table.Read("gametext.txt");
        return table;
    }
    std::string FatalOf(const std::string& text) {
        Write("gametext.txt", text);
        try {
            TGameText().Read("gametext.txt");
        } catch (const FatalMessage& fatal) {
            return fatal.what();
        }
        ADD_FAILURE() << "no fatal message";
        return "";
    }
};

TEST_F(GameTextTest, AKeyAndOneLineGiveThatLineWhateverTheCaseAskedIn) {
    const TGameText table = Read("[TEXT]\nGold\nGold coins\n");
    EXPECT_EQ(table.FindString("gold"), "Gold coins");
    EXPECT_EQ(table.FindString("GOLD"), "Gold coins");
    EXPECT_EQ(table.FindString("Gold"), "Gold coins");
}

TEST_F(GameTextTest, SeveralLinesAreJoinedWithALineBreak) {
    const TGameText table = Read("[TEXT]\nWelcome\nWelcome back,\nold friend\n[text]\nScore\nScore\n");
    EXPECT_EQ(table.FindString("Welcome"), "Welcome back,\r\nold friend");
    EXPECT_THAT(table.Find("welcome"), ElementsAre("Welcome back,", "old friend"));
    EXPECT_EQ(table.FindString("score"), "Score");
    EXPECT_EQ(table.Count(), 2u);
}

TEST_F(GameTextTest, BlankLinesBelongToTheTextTheyFollow) {
    const TGameText table = Read("[TEXT]\nStory\nOnce upon a time\n\nThe end\n\n[TEXT]\nNext\nNext\n");
    EXPECT_THAT(table.Find("Story"), ElementsAre("Once upon a time", "", "The end", ""));
}

TEST_F(GameTextTest, AKeyWithoutTextIsThereButEmpty) {
    const TGameText table = Read("[TEXT]\nNothing\n[TEXT]\nSomething\nhere\n");
    EXPECT_EQ(table.Count(), 2u);
    EXPECT_EQ(table.FindString("Nothing"), "");
    EXPECT_EQ(table.FindString("Something"), "here");
}

TEST_F(GameTextTest, AMissingKeyGivesAnEmptyTextAndNoMessage) {
    const TGameText table = Read("[TEXT]\nGold\nGold\n");
    EXPECT_EQ(table.FindString("Silver"), "");
    EXPECT_THAT(table.Find("Silver"), IsEmpty());
    EXPECT_THAT(Messages(), IsEmpty());
}

TEST_F(GameTextTest, ALaterBlockOfTheSameKeyReplacesTheEarlier) {
    const TGameText table = Read("[TEXT]\nButton options\nOld\n[TEXT]\nButton Options\nNew\n");
    EXPECT_EQ(table.Count(), 1u);
    EXPECT_EQ(table.FindString("button options"), "New");
}

TEST_F(GameTextTest, AHeaderWithNoKeyAfterItIsPassedOver) {
    const TGameText table = Read("[TEXT]\n[TEXT]\nGold\nGold\n[TEXT]\n");
    EXPECT_EQ(table.Count(), 1u);
    EXPECT_EQ(table.FindString("Gold"), "Gold");
}

TEST_F(GameTextTest, WindowsLineEndsAMarkAndUtf8AreRead) {
    const TGameText table = Read("\xEF\xBB\xBF[TEXT]\r\nCafe\r\nCaf\xC3\xA9 \xE2\x80\x94 ouvert\r\n");
    EXPECT_EQ(table.FindString("Cafe"), "Caf\xC3\xA9 \xE2\x80\x94 ouvert");
}

TEST_F(GameTextTest, OlderWindowsTextIsReadAsWindows1252) {
    const TGameText table = Read("[TEXT]\nCafe\nCaf\xE9 \x85\n");
    EXPECT_EQ(table.FindString("Cafe"), "Caf\xC3\xA9 \xE2\x80\xA6");
}

TEST_F(GameTextTest, PlaceholdersAreReplacedEverywhereTheyStand) {
    const TGameText table = Read(
        "[TEXT]\nLevel XX Complete\nLevel XX Complete!\n[TEXT]\nRequired Purchase\nBuy XXX first. XXX is "
        "needed.\n");
    EXPECT_EQ(table.FindReplaced("Level XX Complete", "XX", "12"), "Level 12 Complete!");
    EXPECT_EQ(table.FindReplaced("Required Purchase", "XXX", "the Cauldron"),
              "Buy the Cauldron first. the Cauldron is needed.");
    // A value holding the placeholder itself is not replaced again.
    EXPECT_EQ(table.FindReplaced("Level XX Complete", "XX", "XXL"), "Level XXL Complete!");
}

TEST_F(GameTextTest, ReadingAgainStartsAfresh) {
    TGameText table = Read("[TEXT]\nOne\n1\n");
    Write("gametext.txt", "[TEXT]\nTwo\n2\n");
    table.Read("gametext.txt");
    EXPECT_EQ(table.FindString("One"), "");
    EXPECT_EQ(table.FindString("Two"), "2");
}

TEST_F(GameTextTest, AFileNotStartingWithTheHeaderIsFatal) {
    EXPECT_EQ(FatalOf("Gold\nGold\n"), "[TEXT] header hot found");
    EXPECT_EQ(FatalOf(""), "[TEXT] header hot found");
    EXPECT_EQ(FatalOf("[TEXTS]\nGold\nGold\n"), "[TEXT] header hot found");
}

TEST_F(GameTextTest, ATextLineStartingWithABracketIsTakenForAHeaderAndIsFatal) {
    EXPECT_EQ(FatalOf("[TEXT]\nGold\n[Gold] coins\n"), "[TEXT] header hot found");
}

TEST_F(GameTextTest, AMissingHeaderShowsOnlyItsOwnMessageOnce) {
    FatalOf("[TEXT]\nGold\nGold\n[TEXT]\nScore\n[Score]\n");
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_THAT(Messages()[0], EndsWith(": [TEXT] header hot found"));
}

TEST_F(GameTextTest, AMissingFileIsFatalAndNamed) {
    try {
        TGameText::Create("missing.txt");
        ADD_FAILURE() << "no fatal message";
    } catch (const FatalMessage& fatal) {
        EXPECT_EQ(std::string(fatal.what()), "Error loading file " + Folder() + "missing.txt");
    }
}

TEST_F(GameTextTest, AFileInUtf16IsFatalAndSaysWhy) {
    std::string wide = "\xFF\xFE";
    for (char c : std::string("[TEXT]\nGold\nGold\n")) wide += std::string{c, '\0'};
    EXPECT_EQ(FatalOf(wide), "Error loading file " + Folder() + "gametext.txt");
    EXPECT_EQ(Messages().size(), 1u);
}

TEST(TextTable, BlocksKeepTheirLineNumbersAndTellAMissingKey) {
    std::vector<TextBlock> blocks;
    int badLine = 0;
    ASSERT_TRUE(ParseTextTable("[TEXT]\nA\none\ntwo\n[TEXT]\n[TEXT]\nB\n", blocks, badLine));
    ASSERT_EQ(blocks.size(), 3u);
    EXPECT_EQ(blocks[0].line, 1);
    EXPECT_EQ(blocks[0].key, "A");
    EXPECT_THAT(blocks[0].lines, ElementsAre("one", "two"));
    EXPECT_FALSE(blocks[1].hasKey);
    EXPECT_EQ(blocks[2].line, 6);
    EXPECT_THAT(blocks[2].lines, IsEmpty());
    EXPECT_FALSE(ParseTextTable("[TEXT]\nA\none\n[Note]\n", blocks, badLine));
    EXPECT_EQ(badLine, 4);
}

}  // namespace
}  // namespace murkwell::test
