// Reading level files into the board: the line rules, the counts, and files that do not fit.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

#include "framework/core/Messages.h"
#include "framework/core/Random.h"
#include "game/board/GemEffects.h"
#include "game/board/GemList.h"
#include "game/save/SaveData.h"
#include "game/save/ShopItem.h"
#include "tests/game/board/BoardTestSupport.h"

namespace {

// A 3 × 2 level with the header lines given and plain grids.
std::string Level(const std::string& header, const std::string& tiles = "1,1,1\n1,1,1\n") {
    return header + "size=3,2\noffset=4,5\ntiles=\n" + tiles +
           "locked=\n0,0,0\n0,0,0\nrocks=\n0,0,0\n0,0,0\n" + "shapes=\n0,0,0\n0,0,0\nborder=\n";
}

class LevelFileTest : public ::testing::Test, public murkwell::test::BoardFixture {
protected:
    void SetUp() override { SaveData.Init(); }
    void TearDown() override { SaveData.Init(); }
    bool Read(const std::string& text, std::string& error) {
        return Grid->ReadLevelFile(WriteLevel(text), error);
    }
    void ReadOk(const std::string& text) {
        std::string error;
        ASSERT_TRUE(Read(text, error)) << error;
    }
};

TEST_F(LevelFileTest, TheHeaderLinesFillTheBoard) {
    ReadOk(Level("NAME=The Gate\ntime=150\ngoals=20,3,1,2,1\ncolours=1,2,3,4,5,6\nbonus=0\n"));
    EXPECT_EQ(Grid->LevelName, "The Gate");
    EXPECT_EQ(Grid->TimeLimit, game().CalcAnimLength(150000));
    EXPECT_EQ(Grid->GoalMatches, 20);
    EXPECT_EQ(Grid->GoalMatchesType, 3);
    EXPECT_EQ(Grid->GoalArmour, 1);
    EXPECT_EQ(Grid->GoalCollect, 2);
    EXPECT_EQ(Grid->GoalRock, 1);
    ASSERT_EQ(GemColourCount, 6);
    EXPECT_EQ(GemColours[5], 6);
    EXPECT_EQ(BonusTypeCount, 7);
    EXPECT_EQ(Grid->levelwidth, 3);
    EXPECT_EQ(Grid->levelheight, 2);
    EXPECT_EQ(Grid->LevelOffsetX, 4);
    EXPECT_EQ(Grid->LevelOffsetY, 5);
    // Centred 75 pixels right and 45 up of the middle of the screen.
    EXPECT_EQ(Grid->sx, (1024 - 3 * 66) / 2 + 75);
    EXPECT_EQ(Grid->sy, (768 - 2 * 66) / 2 - 45);
    ASSERT_NE(CellAt(2, 1), nullptr);
    EXPECT_EQ(CellAt(2, 1)->sx, Grid->sx + 132);
    EXPECT_EQ(CellAt(2, 1)->sy, Grid->sy + 66);
}

TEST_F(LevelFileTest, AFirstLineWithAnotherKeyIsTheTimeLine) {
    ReadOk(Level("time=90\ngoals=5,1,0,0,0\ncolours=1,2,3\nbonus=0\n"));
    EXPECT_EQ(Grid->LevelName, "");
    EXPECT_EQ(Grid->TimeLimit, game().CalcAnimLength(90000));
    EXPECT_EQ(Grid->GoalMatches, 5);
    EXPECT_EQ(GemColourCount, 3);
    // Any case of the key names the level.
    ReadOk(Level("name=Small\ntime=90\ngoals=5,1,0,0,0\ncolours=1,2,3\nbonus=0\n"));
    EXPECT_EQ(Grid->LevelName, "Small");
}

TEST_F(LevelFileTest, APaletteOfZeroOrNothingIsFiveDifferentRandomTypes) {
    for (const char* palette : {"colours=0\n", "colours=\n"}) {
        for (uint32_t seed : {1u, 2u, 3u}) {
            SeedRandom(seed);
            ReadOk(Level(std::string("time=60\ngoals=5,1,0,0,0\n") + palette + "bonus=0\n"));
            ASSERT_EQ(GemColourCount, 5) << palette;
            const std::set<int> types(GemColours.begin(), GemColours.begin() + 5);
            EXPECT_EQ(types.size(), 5u) << "all different";
            EXPECT_GE(*types.begin(), 1);
            EXPECT_LE(*types.rbegin(), 14);
        }
    }
}

TEST_F(LevelFileTest, TheHourglassUpgradesLengthenTheTime) {
    const std::string text = Level("time=100\ngoals=5,1,0,0,0\ncolours=1,2,3\nbonus=0\n");
    const float ticks = game().CalcAnimLength(100000);
    SaveData.shopPurchases[11] = ShopItem::PURCHASED;
    ReadOk(text);
    EXPECT_EQ(Grid->TimeLimit, static_cast<float>(static_cast<int>(ticks * 1.1f)));
    SaveData.shopPurchases[12] = ShopItem::PURCHASED;
    ReadOk(text);
    EXPECT_EQ(Grid->TimeLimit, static_cast<float>(static_cast<int>(ticks * 1.2f))) << "the larger one only";
    SaveData.shopPurchases[11] = ShopItem::UNAVAILABLE;
    ReadOk(text);
    EXPECT_EQ(Grid->TimeLimit, static_cast<float>(static_cast<int>(ticks * 1.2f)));
}

TEST_F(LevelFileTest, TheGridsSetCellsAndTheCountsToClear) {
    ReadOk(
        "time=60\ngoals=0,0,1,0,1\ncolours=1,2,3\nbonus=0\nsize=3,2\noffset=0,0\ntiles=\n"
        "0,2,3\n1,1,1\nlocked=\n0,0,1\n1,0,0\nrocks=\n0,1,0\n0,0,2\nshapes=\n0,0,0\n5,0,22\nborder=\n");
    EXPECT_FALSE(CellAt(0, 0)->active) << "a hole";
    EXPECT_TRUE(CellAt(1, 0)->active && CellAt(1, 0)->armour1 && !CellAt(1, 0)->armour2);
    EXPECT_TRUE(CellAt(2, 0)->armour1 && CellAt(2, 0)->armour2);
    EXPECT_EQ(Grid->Gold, 2);
    EXPECT_EQ(Grid->Armoured, 3);
    EXPECT_TRUE(CellAt(2, 0)->gemlocked && CellAt(0, 1)->gemlocked);
    EXPECT_EQ(Grid->Locked, 2);
    EXPECT_EQ(CellAt(1, 0)->GemRock, 1);
    EXPECT_EQ(CellAt(2, 1)->GemRock, 2);
    EXPECT_EQ(Grid->Rocks, 2);
    EXPECT_EQ(CellAt(0, 1)->fixedGem, 5);
    EXPECT_EQ(CellAt(2, 1)->fixedGem, 22);
}

TEST_F(LevelFileTest, ResettingTheBoardLeavesNothingOfALevel) {
    ReadOk(Level("time=90\ngoals=5,1,0,0,0\ncolours=1,2,3\nbonus=4,5\n", "1,0,1\n1,1,1\n") + "B12,0,0\n");
    Gems = std::make_shared<TGemList>();
    TopCellDelay[2][0] = 3;
    ASSERT_GT(SparkleBurst(100, 100, 10), 0);
    ASSERT_GT(BorderCount, 0);
    ASSERT_EQ(ExtraBorderCount, 1);

    ResetBoard();
    EXPECT_FALSE(Grid);
    EXPECT_FALSE(Gems);
    for (const auto& column : Cells) {
        for (const auto& cell : column) EXPECT_FALSE(cell);
    }
    EXPECT_EQ(GemColourCount, 0);
    EXPECT_EQ(BonusTypeCount, 0);
    const auto zero = [](int v) { return v == 0; };
    EXPECT_TRUE(std::all_of(GemColours.begin(), GemColours.end(), zero));
    EXPECT_TRUE(std::all_of(BonusTypes.begin(), BonusTypes.end(), zero));
    EXPECT_TRUE(std::all_of(TopCellCount.begin(), TopCellCount.end(), zero));
    for (int x = 0; x < kMaxColumns; ++x) {
        EXPECT_TRUE(std::all_of(TopCellY[x].begin(), TopCellY[x].end(), zero)) << "column " << x;
        EXPECT_TRUE(std::all_of(TopCellDelay[x].begin(), TopCellDelay[x].end(), zero)) << "column " << x;
    }
    EXPECT_EQ(BorderCount, 0);
    EXPECT_EQ(ExtraBorderCount, 0);
    const auto blank = [](const TBorder& b) { return b.x == 0 && b.y == 0 && b.index == 0; };
    EXPECT_TRUE(std::all_of(Borders.begin(), Borders.end(), blank));
    EXPECT_TRUE(std::all_of(ExtraBorders.begin(), ExtraBorders.end(), blank));
    EXPECT_EQ(BoardEffects.Count(), 0);
}

TEST_F(LevelFileTest, MissingNumbersAndShortRowsReadAsZero) {
    ReadOk("time=60\ngoals=7,2\ncolours=1,2,3\nbonus=0\nsize=3,2\noffset=\ntiles=\n1,1\n1\nlocked=\n");
    EXPECT_EQ(Grid->GoalMatches, 7);
    EXPECT_EQ(Grid->GoalRock, 0);
    EXPECT_TRUE(CellAt(1, 0)->active);
    EXPECT_FALSE(CellAt(2, 0)->active);
    EXPECT_FALSE(CellAt(1, 1)->active);
    EXPECT_EQ(Grid->Locked, 0) << "the file ended: no locks, rocks or fixed gems";
}

TEST_F(LevelFileTest, EntryCellsAreTheActiveCellsUnderAHoleOrTheTop) {
    // Column 0: rows 0-1 and 3-4 are two runs; column 1: only row 4, under holes; column 2: none.
    ReadOk(
        "time=60\ngoals=5,1,0,0,0\ncolours=1,2,3\nbonus=0\nsize=3,5\noffset=0,0\ntiles=\n"
        "1,0,0\n1,0,0\n0,0,0\n1,0,0\n1,1,0\nlocked=\n");
    EXPECT_EQ(TopCellCount[0], 2);
    EXPECT_EQ(TopCellY[0][0], 0);
    EXPECT_EQ(TopCellY[0][1], 3);
    EXPECT_EQ(TopCellCount[1], 1);
    EXPECT_EQ(TopCellY[1][0], 4);
    EXPECT_EQ(TopCellCount[2], 0);
    EXPECT_EQ(TopCellY[2][0], -1);
    EXPECT_EQ(TopCellY[12][0], -1) << "columns past the board have none";
}

TEST_F(LevelFileTest, FilesThatDoNotFitTheBoardAreRefusedWithTheirLine) {
    const std::string head = "time=60\ngoals=5,1,0,0,0\ncolours=1,2,3\nbonus=0\n";
    struct Case {
        std::string text;
        std::string reason;
    };
    const Case cases[] = {
        {head + "size=14,10\n", "line 5: the board must be 1 to 13 cells wide and 1 to 10 high"},
        {head + "size=5,11\n", "line 5:"},
        {head + "size=0,3\n", "line 5:"},
        {head + "size=-3,3\n", "line 5:"},
        {head + "size=2,1\noffset=0,0\ntiles=\n1,1\n1,1\nlocked=\n", "line 9: more rows than the board's 1"},
        {head + "size=2,1\noffset=0,0\ntiles=\n1,1,1\n", "line 8: 3 values on a row of a board 2 wide"},
        {head + "size=2,1\noffset=0,0\ntiles=\n1,1\nlocked=\n0,0\nrocks=\n3,0\n",
         "line 12: a rock's strength"},
        {head + "size=2,1\noffset=0,0\ntiles=\n1,1\nlocked=\nrocks=\nshapes=\n31,0\n",
         "line 12: a fixed gem"},
        {"time=60\ngoals=5,1,0,0,0\ncolours=1,15\nbonus=0\nsize=1,1\n", "line 3: a palette holds gem types"},
        {head + "size=1,1\noffset=0,0\ntiles=\n1\nlocked=\nrocks=\nshapes=\nborder=\nB24,0,0\n",
         "line 13: no frame piece of type 24"},
        {"NAME=x\ntime=60\ngoals=5,14,0,0,0\n", "line 3: the colour of the matches goal is 1 to 13, not 14"},
        {"time=60\ngoals=5,0,0,0,0\n", "line 2: the colour of the matches goal"},
        {"time=60\ngoals=0,-2,1,0,0\n", "line 2: the colour of the matches goal"},
        {"time=2147483647\n", "line 1: the time is 0 to 36000 seconds, not 2147483647"},
        {"NAME=x\ntime=-1\n", "line 2: the time is 0 to 36000 seconds"},
    };
    for (const Case& c : cases) {
        std::string error;
        EXPECT_FALSE(Read(c.text, error)) << c.text;
        EXPECT_NE(error.find("level.txt"), std::string::npos) << error;
        EXPECT_NE(error.find(c.reason), std::string::npos) << error;
    }
    // The 21st decorative piece is one too many.
    std::string many = head + "size=1,1\noffset=0,0\ntiles=\n1\nlocked=\nrocks=\nshapes=\nborder=\n";
    for (int i = 0; i < 21; ++i) many += "B12,0,0\n";
    std::string error;
    EXPECT_FALSE(Read(many, error));
    EXPECT_NE(error.find("line 33: more than 20 frame pieces"), std::string::npos) << error;
    EXPECT_LE(ExtraBorderCount, kMaxExtraBorders);
}

TEST_F(LevelFileTest, LevelsAreReadFromTheLevelFolderAndAMissingOneIsFatal) {
    std::string error;
    EXPECT_FALSE(Grid->ReadLevelFile(Folder() + "/nothing.txt", error));
    EXPECT_EQ(error, "Error loading file " + Folder() + "/nothing.txt");
    game().SetLevelsPath(Folder() + "/levels");
    EXPECT_THROW(Grid->LoadLevel(12), FatalMessage);
    std::filesystem::create_directories(Folder() + "/levels");
    WriteLevel(Level("NAME=Twelve\ntime=60\ngoals=5,1,0,0,0\ncolours=1\nbonus=0\n"), "levels/12.txt");
    Grid->LoadLevel(12);
    EXPECT_EQ(Grid->LevelName, "Twelve");
}

}  // namespace
