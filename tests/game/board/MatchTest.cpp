// Matching and clearing, played out on small boards: the board before a move and after it has come to
// rest, with the score and the counters the move left.
#include <tuple>
#include <vector>

#include "game/board/MatchPoints.h"
#include "game/board/PlayableMoves.h"
#include "tests/game/board/PlayTestSupport.h"

namespace {

using murkwell::test::PlayFixture;

class MatchTest : public PlayFixture {
protected:
    MatchTest() {
        BoardEvents.CreateBonus = [this](int x, int y, int kind) { bonuses.emplace_back(x, y, kind); };
    }

    static void OwnBonusItems() { SaveData.shopPurchases[1] = ShopItem::PURCHASED; }

    std::vector<std::tuple<int, int, int>> bonuses;  // cell and kind
};

TEST_F(MatchTest, ALevelFromItsFileWithAGivenLayoutPlaysOneSwapToItsGoal) {
    BuildFromLevel(R"(NAME=Test
time=120
goals=6,2,1,0,0
colours=1,2,3,4,5
bonus=0
size=4,4
offset=0,0
tiles=
1,1,1,1
1,1,1,1
2,2,3,1
0,1,1,1
locked=
0,0,0,0
0,0,0,0
0,0,0,0
0,0,1,0
rocks=
0,0,0,0
0,0,0,0
0,0,0,0
0,0,0,0
shapes=
0,0,0,0
0,0,0,0
0,0,0,0
0,0,0,0
)",
                   R"(
        1 3 4 5
        4 5 2 1
        2 2 3 2
        # 3 1 4)");
    ASSERT_EQ(Grid->Gold, 3);
    ASSERT_EQ(Cells[2][3]->Gem->locked, 1);
    // The two moves down into the row of twos: the tiles under the run lose a layer each, the double
    // tile keeps its gold; the chained gem on the bottom row holds.
    Swap(2, 1, 2, 2);
    EXPECT_EQ(Board(),
              ". . . .\n"
              "1 3 4 5\n"
              "4 5 3g 1\n"
              "# 3 1l 4\n");
    EXPECT_EQ(Player.LevelScore, 4 * 20) << "goal gems of a run of four";
    EXPECT_EQ(Player.LevelGoalMatches, 4);
    EXPECT_EQ(Player.levelMatch4s, 1);
    EXPECT_EQ(Player.levelTilesCollected, 2);
    EXPECT_EQ(Grid->Gold, 1);
    EXPECT_EQ(Grid->Armoured, 1);
    EXPECT_EQ(Grid->TargetMet, 0);
}

TEST_F(MatchTest, AnLShapedCrossingMakesOneBigBonusWhereTheRunsMeetAndClearsThatCellOnce) {
    OwnBonusItems();
    Build(R"(
        1 2 3 4 5
        1 3 4 5 6
        4 1 1 2 3
        1 5 6 3 4
        2 3 4 5 6)");
    Swap(0, 2, 0, 3);
    EXPECT_EQ(bonuses, (std::vector<std::tuple<int, int, int>>{{0, 2, 2}}));
    EXPECT_EQ(Board(),
              ". . . 4 5\n"
              ". 2 3 5 6\n"
              ". 3 4 2 3\n"
              "4 5 6 3 4\n"
              "2 3 4 5 6\n");
    // Five cells cleared by one check that found six gems in runs: four points each.
    EXPECT_EQ(Player.LevelScore, 20);
    EXPECT_EQ(Player.LevelKills, 5);
    EXPECT_EQ(Player.levelMatch4s + Player.levelMatch5s, 0);
}

TEST_F(MatchTest, ARunOfFiveMakesTheBigBonusAtItsMiddleGem) {
    OwnBonusItems();
    Build(R"(
        2 3 1 4 5
        1 1 4 1 1
        3 4 5 6 2)");
    Swap(2, 0, 2, 1);
    EXPECT_EQ(bonuses, (std::vector<std::tuple<int, int, int>>{{2, 1, 2}}));
    EXPECT_EQ(Board(),
              ". . . . .\n"
              "2 3 4 4 5\n"
              "3 4 5 6 2\n");
    EXPECT_EQ(Player.LevelScore, 15);
    EXPECT_EQ(Player.levelMatch5s, 1);
}

TEST_F(MatchTest, ACascadeScoresEachCheckByItsOwnRunLengths) {
    OwnBonusItems();
    Build(R"(
        3 2 4 5
        4 1 5 6
        5 1 6 4
        2 1 2 2
        6 3 4 5)");
    // The board as a swap left it: the column of ones clears, the two drops three rows and completes a
    // row of four.
    Player.KillsAdd(Grid->CheckMatches(0, 0));
    Settle();
    EXPECT_EQ(Board(),
              ". . . .\n"
              "3 . 4 5\n"
              "4 . 5 6\n"
              "5 . 6 4\n"
              "6 3 4 5\n");
    // One point each for the run of three, two each for the run of four.
    EXPECT_EQ(Player.LevelScore, 3 + 8);
    EXPECT_EQ(Player.LevelKills, 7);
    EXPECT_EQ(Player.levelMatch4s, 1);
    ASSERT_EQ(bonuses.size(), 1u);
    EXPECT_EQ(std::get<1>(bonuses[0]), 3);
    EXPECT_EQ(std::get<2>(bonuses[0]), 1);
    EXPECT_TRUE(std::get<0>(bonuses[0]) == 1 || std::get<0>(bonuses[0]) == 2) << "second or third gem";
}

TEST_F(MatchTest, WithoutTheShopItemNoMatchMakesABonusItem) {
    Build(R"(
        2 3 1 4 5
        1 1 4 1 1
        3 4 5 6 2)");
    Swap(2, 0, 2, 1);
    EXPECT_TRUE(bonuses.empty());
    EXPECT_EQ(Player.levelMatch5s, 1) << "the match is still logged";
    for (int x = 0; x < 5; ++x) EXPECT_EQ(Cells[x][1]->createBonus, 0) << "no mark is left behind";
}

TEST_F(MatchTest, ArmourUnderARunLosesItsTopLayerAndOnlyTheGoldTileCounts) {
    Build(R"(
        1g 1G 1
        2  3  4)");
    Grid->CheckMatches(0, 0);
    Settle();
    EXPECT_EQ(Board(),
              ". .g .\n"
              "2 3 4\n");
    EXPECT_EQ(Grid->Gold, 1);
    EXPECT_EQ(Grid->Armoured, 1);
    EXPECT_EQ(Player.levelTilesCollected, 1);
    EXPECT_EQ(Player.levelGoldCollected, 1);
    EXPECT_EQ(BoardEvents.TriggerMatchOverArmour1, 1);
    EXPECT_EQ(BoardEvents.TriggerMatchOverArmour2, 1);
}

TEST_F(MatchTest, ARockBesideTwoClearedCellsCracksOnceAndHoldsUpTheGemAboveIt) {
    Build(R"(
        1 2  3
        1 4R 5
        1 1  1
        6 2  3)");
    Grid->CheckMatches(0, 0);
    Settle();
    EXPECT_EQ(Board(),
              ". 2 .\n"
              ". 4r 3\n"
              ". . 5\n"
              "6 2 3\n");
    EXPECT_EQ(Grid->Rocks, 1) << "cracked, not broken";
    // Five cells at four points, and a point for the crack (a rock still standing advances no goal).
    EXPECT_EQ(Player.LevelScore, 21);
}

TEST_F(MatchTest, ARockNextToARunBreaksWhenItHadOneStrengthLeft) {
    Grid->GoalRock = 1;
    Build(R"(
        2r 3 4
        1  1 1
        2  3 4)");
    Grid->CheckMatches(0, 0);
    EXPECT_EQ(Grid->Rocks, 0);
    EXPECT_EQ(Cells[0][0]->Gem->rocked, 0);
    EXPECT_EQ(Grid->TargetMet, 1);
    EXPECT_EQ(BoardEvents.Goal4Done, 1);
}

TEST_F(MatchTest, AChainedGemInARunKeepsItsPlaceAndLosesOnlyItsChain) {
    Build(R"(
        4 5 6
        1 1l 1
        2 3 4)");
    Grid->CheckMatches(0, 0);
    Settle();
    EXPECT_EQ(Board(),
              ". 5 .\n"
              "4 1 6\n"
              "2 3 4\n");
    EXPECT_EQ(Grid->Locked, 0);
    EXPECT_EQ(BoardEvents.TriggerUnlock, 1);
}

TEST_F(MatchTest, ASkullReachingTheBottomIsCollectedAndMeetsTheCollectGoal) {
    Grid->GoalCollect = 1;
    int effects = 0;
    BoardEvents.GoalDoneEffect = [&](int goal) {
        EXPECT_EQ(goal, 3);
        ++effects;
    };
    Build(R"(
        S 2 3
        1 4 5
        1 5 6
        1 6 4)");
    Grid->CheckMatches(0, 0);
    Settle();
    EXPECT_EQ(Board(),
              ". 2 3\n"
              ". 4 5\n"
              ". 5 6\n"
              ". 6 4\n");
    EXPECT_EQ(Player.SpecialItemsCollected, 1);
    EXPECT_EQ(Player.levelSkullsCollected, 1);
    EXPECT_EQ(Player.levelGoldCollected, 20);
    EXPECT_EQ(Player.LevelScore, 3 + 100);
    EXPECT_EQ(Grid->EggCount, 0);
    EXPECT_EQ(Gems->Count(), 8) << "twelve gems less three cleared and the skull";
    EXPECT_EQ(BoardEvents.TriggerEggDrop, 1);
    EXPECT_EQ(Grid->TargetMet, 1);
    EXPECT_EQ(effects, 1);
}

TEST_F(MatchTest, ASkullStopsAboveAHoleAndIsCollectedThere) {
    Grid->GoalCollect = 2;
    Build(R"(
        S 2 3
        1 4 5
        1 5 6
        1 6 4
        # 2 3)");
    Grid->CheckMatches(0, 0);
    Settle();
    EXPECT_EQ(Player.SpecialItemsCollected, 1);
    EXPECT_EQ(Grid->TargetMet, 0) << "one skull of two";
    EXPECT_EQ(Board(),
              ". 2 3\n"
              ". 4 5\n"
              ". 5 6\n"
              ". 6 4\n"
              "# 2 3\n");
}

TEST_F(MatchTest, GoalsMetSetTargetMetOnceAndTellTheTutorialOnce) {
    Grid->GoalMatches = 3;
    Grid->GoalMatchesType = 6;
    Grid->GoalArmour = 1;
    int faded = 0, halfway = 0;
    std::vector<int> effects;
    BoardEvents.FadeTips = [&] { ++faded; };
    BoardEvents.ShowGoalCompleteTip = [&] { ++halfway; };
    BoardEvents.GoalDoneEffect = [&](int goal) { effects.push_back(goal); };
    Build(R"(
        2 3 4 5 2
        3 4 1 2 3
        6 6 6G 1 1
        4 5 2 3 4)");
    // The sixes meet the matches goal (one goal of two) and take the tile's upper layer; the one that
    // falls into their row completes a run of ones, which takes the gold tile.
    Grid->CheckMatches(0, 0);
    EXPECT_EQ(effects, std::vector<int>{1});
    EXPECT_EQ(Grid->TargetMet, 0);
    EXPECT_GE(halfway, 1);
    Settle();
    EXPECT_EQ(Grid->TargetMet, 1);
    EXPECT_EQ(effects, (std::vector<int>{1, 2}));
    EXPECT_EQ(faded, 1);
    Grid->CheckTarget();
    EXPECT_EQ(faded, 1) << "met once, never again";
    EXPECT_EQ(effects.size(), 2u);
}

TEST_F(MatchTest, AMatchOverBareCellsMeetsGoalsThatNeedNothingMore) {
    // No goal at all, and an armour goal whose tiles are all gone: the first match wins either level.
    for (const int goalArmour : {0, 1}) {
        Build(R"(
            1 1 2 1
            2 3 4 5)");
        Grid->GoalArmour = goalArmour;
        Grid->TargetMet = 0;
        Swap(2, 0, 3, 0);
        EXPECT_EQ(Grid->TargetMet, 1) << "armour goal " << goalArmour;
    }
}

TEST_F(MatchTest, TheBonusOfARunSitsWhereItsLengthSays) {
    Build(R"(
        1 2 3 4 5 6 1
        2 3 4 5 6 1 2)");
    auto bonusAt = [](int length) {
        Grid->ClearMatches();
        Grid->MarkMatchesHoriz(0, length, 0, length, 0);
        for (int x = 0; x < length; ++x) {
            if (Cells[x][0]->createBonus) return x;
        }
        return -1;
    };
    bool second = false, third = false;
    for (int i = 0; i < 40; ++i) {
        const int at = bonusAt(4);
        EXPECT_TRUE(at == 1 || at == 2) << at;
        second |= at == 1;
        third |= at == 2;
    }
    EXPECT_TRUE(second && third) << "a fair choice between the second and the third gem";
    EXPECT_EQ(bonusAt(3), -1);
    EXPECT_EQ(bonusAt(5), 2);
    EXPECT_EQ(bonusAt(6), 2);
    EXPECT_EQ(bonusAt(7), 3);
    EXPECT_EQ(Cells[3][0]->createBonus, 2);
}

TEST_F(MatchTest, OnLevelTwoTheTutorialRunOfFourAlwaysMakesItsBonusAtTheSecondGem) {
    Player.Level = Player.Unlocked = 2;
    BoardEvents.CurrentTip = [] { return 1; };
    Build(R"(
        1 2 3 4
        2 3 4 5)");
    for (int i = 0; i < 20; ++i) {
        Grid->ClearMatches();
        Grid->MarkMatchesHoriz(0, 4, 0, 4, 0);
        EXPECT_EQ(Cells[1][0]->createBonus, 1);
    }
}

TEST_F(MatchTest, CountingLeavesTheMarksForTheCallerAndClearsNothing) {
    Build(R"(
        1 1 1 2
        2 3 4 5)");
    EXPECT_EQ(Grid->CheckMatches(1, 0), 3);
    EXPECT_EQ(Cells[0][0]->match, 1);
    EXPECT_EQ(Cells[1][0]->createBonus, 0);
    EXPECT_EQ(Player.LevelScore, 0);
    EXPECT_EQ(Player.levelMatch4s + Player.levelMatch5s, 0);
    EXPECT_EQ(Cells[0][0]->Gem->GemType, 1);
    Grid->ClearMatches();
    EXPECT_EQ(Cells[0][0]->match, 0);
}

TEST_F(MatchTest, SwappingGemsCountOnlyWhenAsked) {
    Build(R"(
        1 1 1 2
        2 3 4 5)");
    Cells[1][0]->Gem->Swapping = 1;
    EXPECT_EQ(Grid->CheckMatches(1, 0), 0);
    Grid->ClearMatches();
    EXPECT_EQ(Grid->CheckMatches(1, 1), 3);
}

TEST_F(MatchTest, GoalGemsAndMagicGemsScoreTenfoldAndMagicAddsItsBonus) {
    Grid->GoalMatches = 10;
    Grid->GoalMatchesType = 2;
    Build(R"(
        2 2 2m 4
        1 3 1 3)");
    Grid->CheckMatches(0, 0);
    // Three goal gems at ten points, one of them magic with its hundred.
    EXPECT_EQ(Player.LevelScore, 30 + 100);
    EXPECT_EQ(Player.LevelGoalMatches, 3);
    EXPECT_EQ(Player.GetMatchesToGo(), 7);
}

TEST_F(MatchTest, AGemStopsAboveAHoleAndNeverFallsPastIt) {
    Build(R"(
        2 3 4
        1 1 1
        # 5 6
        . 2 3)");
    Grid->CheckMatches(0, 0);
    Settle();
    EXPECT_EQ(Board(),
              ". . .\n"
              "2 3 4\n"
              "# 5 6\n"
              ". 2 3\n");
}

TEST(MatchPoints, GrowWithTheChecksRunsAndAreTenfoldForGoalsAndMagic) {
    const int plain[] = {1, 1, 1, 1, 2, 3, 4, 5, 6, 7, 8, 8, 8};
    for (int count = 0; count <= 12; ++count) {
        EXPECT_EQ(MatchPoints(count, 0, 0), plain[count]) << count;
        EXPECT_EQ(MatchPoints(count, 0, 1), count == 0 ? 0 : plain[count] * 10) << count;
        EXPECT_EQ(MatchPoints(count, 1, 0), MatchPoints(count, 0, 1)) << count;
    }
}

TEST(MatchPoints, ThePictureShowsTheAwardedFigure) {
    EXPECT_EQ(PointsFrame(10), 0);
    EXPECT_EQ(PointsFrame(80), 7);
    EXPECT_EQ(PointsFrame(100), 8);
    EXPECT_EQ(PointsFrame(1), 9);
    EXPECT_EQ(PointsFrame(8), 16);
}

TEST_F(MatchTest, AMagicGemOffTheGoalAddsTenAndShowsTheSmallestFigure) {
    Build("1 2\n2 1");
    AwardMatchPoints(0, 0, 3, 1, 0);
    EXPECT_EQ(Player.LevelScore, 10 + 10);
    AwardMatchPoints(0, 0, 0, 1, 1);
    EXPECT_EQ(Player.LevelScore, 20 + 100) << "a collected skull";
}

class ArmourShimmerTest : public PlayFixture {
protected:
    std::string Glowing() const {
        std::string lit;
        for (int y = 0; y < Grid->levelheight; ++y) {
            for (int x = 0; x < Grid->levelwidth; ++x) lit += Cells[x][y]->glow > 0 ? '*' : '.';
            lit += '\n';
        }
        return lit;
    }
};

TEST_F(ArmourShimmerTest, ALightSweepsTheGoldTilesOneDiagonalEveryFiftyMilliseconds) {
    Build("1g 2g 3\n2g 3 1g\n3g 1g 2g");
    Grid->StartIntroFlash();
    EXPECT_EQ(Glowing(), "*..\n...\n...\n");
    const int step = static_cast<int>(game().CalcAnimLength(50));
    for (int i = 0; i < step; ++i) Grid->IntroFlash();
    EXPECT_EQ(Glowing(), "**.\n*..\n...\n") << "diagonal 1";
    for (int i = 0; i < step; ++i) Grid->IntroFlash();
    EXPECT_EQ(Glowing(), "**.\n*..\n*..\n") << "diagonal 2 has one gold tile";
    EXPECT_FLOAT_EQ(Cells[0][2]->glow, 0.5f);
    Grid->ManageFlash();
    EXPECT_NEAR(Cells[0][2]->glow, 0.48f, 1e-6) << "0.02 a tick";
    Delta = 0.5f;
    Grid->ManageFlash();
    Delta = 1.0f;
    EXPECT_NEAR(Cells[0][2]->glow, 0.47f, 1e-6) << "in proportion to the tick's length";
    for (int i = 0; i < 23; ++i) Grid->ManageFlash();
    EXPECT_NEAR(Cells[0][2]->glow, 0.01f, 1e-5);
    Grid->ManageFlash();
    EXPECT_EQ(Glowing(), "...\n...\n...\n") << "gone after 25 ticks, never below 0";
}

TEST_F(ArmourShimmerTest, TheSweepComesBackNowAndThen) {
    Build("1g 2g 3\n2g 3 1g");
    int sweeps = 0;
    for (int tick = 0; tick < 200000; ++tick) {
        const int before = Grid->IntroColumn;
        Grid->IntroFlash();
        Grid->RandomFlash();
        if (Grid->IntroColumn == 0 && before != 0) ++sweeps;
    }
    // 15 in 100000 a tick: about thirty in 200000 ticks.
    EXPECT_GT(sweeps, 10);
    EXPECT_LT(sweeps, 60);
}

}  // namespace
