// The first fill of a board and the level checker that runs it.
#include <gtest/gtest.h>

#include "framework/core/Random.h"
#include "game/board/BoardEvents.h"
#include "game/board/Gem.h"
#include "game/board/GemList.h"
#include "game/board/InitialFill.h"
#include "game/board/LevelCheck.h"
#include "tests/game/board/BoardTestSupport.h"

namespace {

std::string Rows(int width, int height, const std::string& value = "1") {
    std::string rows;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) rows += (x ? "," : "") + value;
        rows += "\n";
    }
    return rows;
}

// A level file of width × height with the grids given (rows ending in "\n"); a grid left out is all
// zeros, and a grid given with fewer rows is completed with zero rows.
std::string Level(const std::string& goals, const std::string& palette, int width, int height,
                  const std::string& tiles, const std::string& locks = "", const std::string& rocks = "",
                  const std::string& fixed = "") {
    auto full = [&](const std::string& grid) {
        int rows = 0;
        for (char c : grid) rows += c == '\n' ? 1 : 0;
        return grid + Rows(width, height - rows, "0");
    };
    return "NAME=Test\ntime=120\ngoals=" + goals + "\ncolours=" + palette +
           "\nbonus=0\nsize=" + std::to_string(width) + "," + std::to_string(height) +
           "\noffset=0,0\ntiles=\n" + full(tiles) + "locked=\n" + full(locks) + "rocks=\n" + full(rocks) +
           "shapes=\n" + full(fixed) + "border=\n";
}

class InitialFillTest : public ::testing::Test, public murkwell::test::BoardFixture {
protected:
    void Load(const std::string& text) {
        std::string error;
        ASSERT_TRUE(Grid->ReadLevelFile(WriteLevel(text), error)) << error;
    }
    int Type(int x, int y) { return CellAt(x, y)->Gem ? CellAt(x, y)->Gem->GemType : 0; }
    int MagicCount() {
        int magic = 0;
        Gems->ForEach([&](TGem& gem) { magic += gem.Magic; });
        return magic;
    }
};

TEST_F(InitialFillTest, APlayableFillHasNoReadyRunAndAMove) {
    Load(Level("20,1,0,0,0", "1,2,3,4,5", 9, 8, "1,1,1,0,0,0,1,1,1\n" + Rows(9, 7)));
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        SeedRandom(seed);
        ASSERT_GT(FillGridUntilPlayable(5), 0);
        EXPECT_EQ(Grid->CheckMatches(1, 0), 0) << "seed " << seed;
        Grid->ClearMatches();
        EXPECT_EQ(Grid->DoNoMoreMoves(0), 0) << "seed " << seed;
        EXPECT_EQ(Gems->Count(), 9 * 8 - 3);
        EXPECT_FALSE(CellAt(4, 0)->Gem) << "holes stay empty";
    }
}

TEST_F(InitialFillTest, RandomGemsNeverCompleteARunButFixedOnesStand) {
    Load(Level("20,1,0,0,0", "1,2,3", 5, 3, Rows(5, 3), "", "", "4,4,4,0,0\n0,0,0,0,0\n0,0,0,0,0\n"));
    for (uint32_t seed = 1; seed <= 10; ++seed) {
        SeedRandom(seed);
        FillGrid(5);
        EXPECT_EQ(Type(0, 0), 4);
        EXPECT_EQ(Type(2, 0), 4) << "a fixed type completes its run all the same";
        for (int y = 0; y < 3; ++y) {
            for (int x = 2; x < 5; ++x) {
                if (y == 0 && x == 2) continue;
                EXPECT_FALSE(Type(x, y) == Type(x - 1, y) && Type(x, y) == Type(x - 2, y)) << x << "," << y;
            }
        }
        EXPECT_EQ(Grid->CheckMatches(1, 0), 3) << "only the fixed run";
        Grid->ClearMatches();
    }
    EXPECT_EQ(FillGridUntilPlayable(5, 20), 0) << "fixed gems in a run can never start";
}

TEST_F(InitialFillTest, ChainsRocksAndItemsComeFromTheLevel) {
    Load(Level("20,1,0,0,0", "1,2,3,4,5", 4, 2, Rows(4, 2), "1,0,0,0\n0,0,0,0\n", "0,2,0,0\n0,0,0,1\n",
               "0,0,22,30\n15,0,0,0\n"));
    FillGrid(8);
    EXPECT_TRUE(CellAt(0, 0)->Gem->locked);
    EXPECT_EQ(CellAt(1, 0)->Gem->rocked, 2);
    EXPECT_EQ(CellAt(3, 1)->Gem->rocked, 1);
    EXPECT_EQ(Type(2, 0), 22);
    EXPECT_EQ(Type(3, 0), 30);
    EXPECT_EQ(Type(0, 1), 15);
    EXPECT_FALSE(CellAt(2, 1)->Gem->locked || CellAt(2, 1)->Gem->rocked);
}

TEST_F(InitialFillTest, MagicGemsFromLevelFourOnAtOneInTwentyFive) {
    Load(Level("20,1,0,0,0", "1,2,3,4,5", 10, 10, Rows(10, 10)));
    SeedRandom(7);
    BoardEvents.PlayerLevel = [] { return 3; };
    FillGrid(3);
    EXPECT_EQ(MagicCount(), 0) << "no magic before level 4";
    BoardEvents.PlayerLevel = [] { return 9; };
    FillGrid(9);
    // 100 gems: 4 tries, each of up to 11 cells, nearly always land.
    EXPECT_GE(MagicCount(), 3);
    EXPECT_LE(MagicCount(), 4);
    BoardEvents.PlayerLevel = [] { return 4; };
    FillGrid(4);
    BoardEvents.PlayerLevel = [] { return 1; };
    EXPECT_TRUE(CellAt(5, 1)->Gem->Magic) << "level 4 shows a magic gem where its tip points";
}

TEST(LevelCheck, AGoodLevelPassesWithItsSummary) {
    murkwell::test::BoardFixture board;
    const std::string path =
        board.WriteLevel(Level("20,2,1,0,0", "1,2,3,4,5", 6, 5, "2,2,1,1,1,1\n" + Rows(6, 4)), "31.txt");
    const LevelReport report = CheckLevel(path, 31);
    EXPECT_TRUE(report.problems.empty()) << report.problems.front();
    EXPECT_NE(report.summary.find("31.txt  \"Test\"  6x5  cells 30"), std::string::npos) << report.summary;
    EXPECT_NE(report.summary.find("armour 1 (2 tiles)"), std::string::npos) << report.summary;
    EXPECT_NE(report.summary.find("time 120 s"), std::string::npos) << report.summary;
    EXPECT_GE(report.maxFills, 1);
}

TEST(LevelCheck, BrokenRulesAreNamed) {
    murkwell::test::BoardFixture board;
    struct Case {
        std::string text;
        int level;
        std::string problem;
    };
    const std::string tiles = Rows(6, 6);
    const Case cases[] = {
        {Level("0,0,0,0,0", "1,2,3,4", 6, 6, tiles), 30, "no goal"},
        {Level("0,0,1,0,0", "1,2,3,4", 6, 6, tiles), 30, "an armour goal without armour tiles"},
        {Level("0,0,0,0,1", "1,2,3,4", 6, 6, tiles), 30, "a rock goal without rocks"},
        {Level("10,6,0,0,0", "1,2,3,4", 6, 6, tiles), 30,
         "the matches goal's colour 6 is not in the palette"},
        {Level("10,1,0,0,0", "1,2,3,4", 2, 1, "1,0\n", "0,1\n"), 30,
         "a lock, rock or fixed gem in a hole at 1,0"},
        {Level("10,1,0,0,0", "1,2,3,4", 6, 6, tiles, "", "", "0,3\n0,3\n0,3\n"), 30,
         "fixed gems make a run of three at 1,0"},
        {Level("10,1,0,0,0", "1,2,3,4", 6, 6, "1,1,1,1,1,1\n" + Rows(6, 5, "0")), 1,
         "the tutorial's arrow points at cell 3,4"},
        {Level("0,0,1,0,0", "1,2,3,4", 6, 6, "2,1,1,1,1,1\n" + Rows(6, 5)), 1,
         "the tutorial's tips need a matches goal"},
        {Level("10,1,0,0,0", "1,2,3,4", 6, 6, tiles, "", "0,0,0,0,0,0\n0,0,0,0,0,1\n"), 4,
         "level 4 makes the gem at 5,1"},
        {Level("10,1,0,0,0", "1,2,3,4", 3, 1, "1,1,1\n", "", "", "1,2,3\n"), 30, "no playable first fill"},
        {Level("10,1,0,0,0", "1,2,3,4", 6, 6, "1,1\n" + Rows(6, 5)), 30, "2 values on a row of the tiles"},
    };
    for (const Case& c : cases) {
        const LevelReport report = CheckLevel(board.WriteLevel(c.text), c.level, 2);
        bool found = false;
        for (const std::string& problem : report.problems)
            found |= problem.find(c.problem) != std::string::npos;
        EXPECT_TRUE(found) << "expected \"" << c.problem << "\" in:\n"
                           << (report.problems.empty() ? "(no problem)" : report.problems.front());
    }
}

}  // namespace
