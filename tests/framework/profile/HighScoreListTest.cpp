// The high-score table: its order, its file's bytes, and files that are missing, damaged or cut short.
#include <gtest/gtest.h>

#include "framework/core/Messages.h"
#include "framework/profile/HighScoreList.h"
#include "tests/framework/profile/ProfileTestSupport.h"

namespace {

using murkwell::test::ProfileFixture;

class HighScoreListTest : public ::testing::Test, public ProfileFixture {
protected:
    HighScoreListTest() { list.Create(ProfileFolder() + "scores", 10); }
    THighScoreList list;
};

std::vector<std::string> Names(const THighScoreList& list) {
    std::vector<std::string> names;
    for (const THighScore& entry : list.Entries) names.push_back(entry.name);
    return names;
}

TEST_F(HighScoreListTest, InsertPutsANewScoreAboveEqualOnesAndBelowBetterOnes) {
    list.Add("Ada", 900, 3);
    list.Add("Bo", 500, 2);
    list.Add("Cy", 100, 1);
    list.Insert("New", 500, 4);   // equal to Bo: above him
    list.Insert("Top", 1000, 5);  // better than all
    list.Insert("Low", 50, 1);    // worse than all: last
    EXPECT_EQ(Names(list), (std::vector<std::string>{"Top", "Ada", "New", "Bo", "Cy", "Low"}));
    EXPECT_EQ(list.filepath, ProfileFolder() + "scores.dat");
}

TEST_F(HighScoreListTest, TheFileHoldsShiftedNamesEndedByZeroThenScoreAndLevelLittleEndian) {
    list.Add("Ab", 0x01020304, -1);
    ASSERT_EQ(list.Save(), 1);
    // 'A' (65) − 23 = 42, 'b' (98) − 23 = 75.
    EXPECT_EQ(Bytes("scores.dat"), (std::vector<uint8_t>{42, 75, 0, 4, 3, 2, 1, 255, 255, 255, 255}));
    // A character below 23 wraps around.
    EXPECT_EQ(THighScoreList::Encode({{"\x05", 0, 0}})[0], 256 + 5 - 23);

    list.Add("Éva ünd", 7, 8);
    list.Save();
    THighScoreList back;
    back.Create(ProfileFolder() + "scores", 10);
    ASSERT_EQ(back.Load(), 1);
    ASSERT_EQ(back.Entries.size(), 2u);
    EXPECT_EQ(back.Entries[0].score, 0x01020304);
    EXPECT_EQ(back.Entries[0].level, -1);
    EXPECT_EQ(back.Entries[1].name, "Éva ünd");
    EXPECT_EQ(back.Entries[1].score, 7);
    EXPECT_EQ(back.Entries[1].level, 8);
}

TEST_F(HighScoreListTest, AMissingFileGetsTheDefaultTableWrittenOut) {
    ASSERT_EQ(list.Load(), 1);
    ASSERT_EQ(list.Entries.size(), 10u);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(list.Entries[static_cast<size_t>(i)].score, 10000 - 1000 * i);
        EXPECT_EQ(list.Entries[static_cast<size_t>(i)].level, 10 - i);
        EXPECT_FALSE(list.Entries[static_cast<size_t>(i)].name.empty());
    }
    EXPECT_EQ(THighScoreList::Decode(Bytes("scores.dat")).size(), 10u);

    list.Zero(3);
    EXPECT_EQ(Names(list), (std::vector<std::string>{"Empty", "Empty", "Empty"}));
    EXPECT_EQ(THighScoreList::Decode(Bytes("scores.dat")).size(), 3u);
}

TEST_F(HighScoreListTest, ARecordCutShortIsDroppedAndTheWholeOnesBeforeItKept) {
    list.Add("Ada", 900, 3);
    list.Add("Bo", 500, 2);
    const std::vector<uint8_t> whole = THighScoreList::Encode(list.Entries);
    const size_t first = 3 + 1 + 8;
    // Cut inside the second name, before its end mark, inside its score, inside its level.
    for (const size_t length : {first + 1, first + 2, first + 3 + 2, whole.size() - 1}) {
        WriteBytes("scores.dat", std::vector<uint8_t>(whole.begin(), whole.begin() + static_cast<long>(length)));
        ASSERT_EQ(list.Load(), 1) << length;
        EXPECT_EQ(Names(list), (std::vector<std::string>{"Ada"})) << length;
        EXPECT_EQ(Bytes("scores.dat").size(), length) << "a damaged file is left as it is";
    }
    // A file of garbage without a single end mark, and an empty one.
    WriteBytes("scores.dat", std::vector<uint8_t>(100, 0xAB));
    EXPECT_EQ(list.Load(), 1);
    EXPECT_TRUE(list.Entries.empty());
    WriteBytes("scores.dat", {});
    EXPECT_EQ(list.Load(), 1);
    EXPECT_TRUE(list.Entries.empty());
}

TEST_F(HighScoreListTest, AFileThatCannotBeWrittenIsFatal) {
    list.Create(ProfileFolder() + "missing/folder/scores", 10);
    list.Add("Ada", 1, 1);
    EXPECT_THROW(list.Save(), FatalMessage);
    ASSERT_FALSE(Messages().empty());
    const std::string expected = "Failed to save file " + ProfileFolder() + "missing/folder/scores.dat";
    EXPECT_EQ(Messages().back().substr(Messages().back().size() - expected.size()), expected);
}

}  // namespace
