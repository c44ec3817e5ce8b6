// The player's counters, gold rules, clock and profile book-keeping.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/profile/Profile.h"
#include "game/board/Board.h"
#include "game/board/BoardEvents.h"
#include "game/board/GameGrid.h"
#include "game/board/Player.h"
#include "game/save/SaveData.h"
#include "tests/framework/core/GameTestSupport.h"

namespace {

constexpr int kCat1 = 9, kCat2 = 10, kWeb1 = 22, kWeb2 = 23;

class PlayerTest : public ::testing::Test {
protected:
    PlayerTest() {
        game_.StartUp();
        Delta = 1.0f;
        SaveData = TSaveData{};
        SaveData.Init();
        SaveData.Links.SetAchievement = [this](const std::string& key, int a, int b, int c) {
            reports.push_back(key);
            EXPECT_TRUE(a == b && b == c);
            return 0;
        };
        Player = TPlayer{};
        Player.Level = Player.Unlocked = 12;
        Player.InitNewLevelStats();
        BoardEvents = TBoardEvents{};
        BoardEvents.PlayLowTimeBeep = [this] { ++beeps; };
        BoardEvents.StartTimeUpAnim = [this] { ++timeUps; };
        ResetBoard();
        Grid = std::make_shared<TGameGrid>();
    }
    ~PlayerTest() override {
        ResetBoard();
        BoardEvents = TBoardEvents{};
        Player = TPlayer{};
        SaveData = TSaveData{};
    }

    static void Own(int item) { SaveData.shopPurchases[item] = ShopItem::PURCHASED; }
    float MsPerTick() { return game_.game().FixedRateLogic.MS; }
    // A level of the given length with ms left on its clock.
    void ClockWithMsLeft(float limitMs, float leftMs) {
        Grid->TimeLimit = limitMs / MsPerTick();
        Player.LevelTimeTaken = (limitMs - leftMs) / MsPerTick();
    }
    void Ticks(int n) {
        for (int i = 0; i < n; ++i) Player.Manage();
    }

    murkwell::test::GameFixture game_;
    std::vector<std::string> reports;
    int beeps = 0, timeUps = 0;
};

TEST_F(PlayerTest, ACoinOnAReplayedLevelCountsNothing) {
    Player.Level = 5;
    Player.LogCoinCollected(1);
    EXPECT_EQ(Player.levelCoinsCollected, 0);
    EXPECT_EQ(Player.levelCoinsOnlyCollected, 0);
    EXPECT_EQ(Player.levelGoldCollected, 0);
    Player.LogGoldenSkullCollected();
    EXPECT_EQ(Player.levelSkullsCollected, 0);
    EXPECT_EQ(Player.levelGoldCollected, 0);
}

TEST_F(PlayerTest, ABagOnAReplayedLevelCountsTheBagButNoGold) {
    Player.Level = 5;
    EXPECT_EQ(Player.LogGoldBagCollected(), 3);
    EXPECT_EQ(Player.levelBagsCollected, 1);
    EXPECT_EQ(Player.levelCoinsCollected, 0);
    EXPECT_EQ(Player.levelGoldCollected, 0);
}

TEST_F(PlayerTest, ABagHoldsThreeCoinsOrFiveWithBothCatUpgrades) {
    EXPECT_EQ(Player.LogGoldBagCollected(), 3);
    EXPECT_EQ(Player.levelGoldCollected, 15);
    Own(kCat1);
    EXPECT_EQ(Player.LogGoldBagCollected(), 4);
    Own(kCat2);
    Player.InitNewLevelStats();
    EXPECT_EQ(Player.LogGoldBagCollected(), 5);
    EXPECT_EQ(Player.levelGoldCollected, 25);
    EXPECT_EQ(Player.levelCoinsCollected, 5);
    EXPECT_EQ(Player.levelCoinsOnlyCollected, 5);
}

TEST_F(PlayerTest, TenCoinsInALevelEarnTheirAchievement) {
    for (int i = 0; i < 9; ++i) Player.LogCoinCollected(1);
    EXPECT_TRUE(reports.empty());
    Player.LogCoinCollected(1);
    EXPECT_EQ(reports, std::vector<std::string>{"Collect10Coins"});
    EXPECT_EQ(Player.levelGoldCollected, 50);
}

TEST_F(PlayerTest, TheWebUpgradesAddATenthOrAFifthOfTheLevelsGoldTruncated) {
    Player.levelGoldCollected = 37;
    EXPECT_EQ(Player.GetBonusGold(), 0);
    Own(kWeb1);
    EXPECT_EQ(Player.GetBonusGold(), 3);
    EXPECT_EQ(Player.GetLevelGold(), 40);
    Own(kWeb2);
    EXPECT_EQ(Player.GetBonusGold(), 7) << "the higher upgrade replaces the lower one";
    SaveData.shopPurchases[kWeb1] = ShopItem::AVAILABLE;
    EXPECT_EQ(Player.GetBonusGold(), 7);
}

TEST_F(PlayerTest, TileAndSkullGoldAndCounts) {
    Player.LogGoldTileCollected();
    Player.LogGoldenSkullCollected();
    EXPECT_EQ(Player.levelTilesCollected, 1);
    EXPECT_EQ(Player.levelSkullsCollected, 1);
    EXPECT_EQ(Player.levelGoldCollected, 21);
}

TEST_F(PlayerTest, TheTimeBonusIsTenPointsForEveryWholeSecondLeftRoundedUp) {
    ClockWithMsLeft(100000, 0);
    Player.CalcLevelTimeLeft();
    Player.CalcTimeBonus();
    EXPECT_EQ(Player.TimeBonus, 0);
    ClockWithMsLeft(100000, 61500);
    Player.CalcLevelTimeLeft();
    EXPECT_FLOAT_EQ(Player.LevelTimeLeft, 62000);
    Player.CalcTimeBonus();
    EXPECT_EQ(Player.TimeBonus, 620);
    EXPECT_EQ(Player.LevelScore, 620);
}

TEST_F(PlayerTest, TheClockNeverGoesBelowZero) {
    ClockWithMsLeft(1000, -5000);
    EXPECT_FLOAT_EQ(TimeLeftMs(), 0);
}

TEST_F(PlayerTest, MinutesAndSecondsSplitTheMagnitudeOfANegativeTime) {
    int minutes = 0, seconds = 0;
    SplitMinutesSeconds(125000, minutes, seconds);
    EXPECT_EQ(minutes, 2);
    EXPECT_EQ(seconds, 5);
    SplitMinutesSeconds(-125000, minutes, seconds);
    EXPECT_EQ(minutes, -2);
    EXPECT_EQ(seconds, -5);
}

TEST_F(PlayerTest, InRelaxedModeTheClockCountsButNeverBeepsWarnsOrEnds) {
    SaveData.timer = 0;
    ClockWithMsLeft(20000, 20000);
    const int ticks = static_cast<int>(30000 / MsPerTick());
    Ticks(ticks);
    EXPECT_FLOAT_EQ(Player.LevelTimeTaken, static_cast<float>(ticks));
    EXPECT_EQ(beeps, 0);
    EXPECT_EQ(BoardEvents.LowTime, 0);
    EXPECT_EQ(timeUps, 0);
    EXPECT_EQ(Player.Alive, 1);
}

TEST_F(PlayerTest, InTimedModeTheLastTenSecondsBeepOncePerSecondAndTheEndStartsTheTimeUp) {
    SaveData.timer = 1;
    ClockWithMsLeft(60000, 35000);
    Ticks(static_cast<int>(4000 / MsPerTick()));
    EXPECT_EQ(BoardEvents.LowTime, 0);
    Ticks(static_cast<int>(2000 / MsPerTick()));
    EXPECT_EQ(BoardEvents.LowTime, 1) << "the last half minute";
    EXPECT_EQ(beeps, 0);
    Ticks(static_cast<int>(40000 / MsPerTick()));
    // 10, 9, … 1 and 0.
    EXPECT_EQ(beeps, 11);
    EXPECT_EQ(timeUps, 1);
    EXPECT_EQ(Player.Alive, 0);
    EXPECT_EQ(Player.NoChecks, 1);
}

TEST_F(PlayerTest, APowerUpAtWorkHoldsTheTimeUpBackUntilItEnds) {
    SaveData.timer = 1;
    ClockWithMsLeft(10000, 0);
    Grid->HUDPowerupBlockInput = 1;
    Ticks(10);
    EXPECT_EQ(timeUps, 0);
    Grid->HUDPowerupBlockInput = 0;
    Ticks(1);
    EXPECT_EQ(timeUps, 1);
}

TEST_F(PlayerTest, TheClockStopsOnceTheGoalsAreMetOrUnderAFade) {
    ClockWithMsLeft(60000, 60000);
    Grid->TargetMet = 1;
    Ticks(5);
    EXPECT_FLOAT_EQ(Player.LevelTimeTaken, 0);
    Grid->TargetMet = 0;
    BoardEvents.OutroRunning = [] { return true; };
    Ticks(5);
    EXPECT_FLOAT_EQ(Player.LevelTimeTaken, 0);
}

TEST_F(PlayerTest, AScorePassingBothMilestonesInOneBoostReportsBothOnce) {
    Player.BoostScore(4000);
    Player.BoostScore(4500);
    EXPECT_EQ(reports, (std::vector<std::string>{"Score5000", "Score8000"}));
    Player.BoostScore(10);
    EXPECT_EQ(reports.size(), 2u);
}

TEST_F(PlayerTest, AnAchievementNewlySetByAMilestoneIsSaved) {
    int saved = 0;
    SaveData.Links.SetAchievement = [](const std::string&, int, int, int) { return 1; };
    SaveData.Links.SaveAchievements = [&] {
        ++saved;
        return 1;
    };
    Player.BoostScore(5000);
    EXPECT_EQ(saved, 1);
}

TEST_F(PlayerTest, EachPowerUpCountsOnceAndAllSixReportOnce) {
    for (int slot = 0; slot < 5; ++slot) {
        Player.UsedPowerup(slot);
        Player.UsedPowerup(slot);
    }
    EXPECT_TRUE(reports.empty());
    Player.UsedPowerup(5);
    Player.UsedPowerup(5);
    Player.UsedPowerup(2);
    EXPECT_EQ(reports, std::vector<std::string>{"AllPowerupsUsed"});
    EXPECT_EQ(Player.UsedPowerup(6), 0) << "no such slot";
    EXPECT_EQ(Player.UsedPowerup(-1), 0);
}

TEST_F(PlayerTest, MatchesOfFourAndFiveAreCounted) {
    Player.LogMatches(3);
    Player.LogMatches(4);
    Player.LogMatches(5);
    Player.LogMatches(7);
    EXPECT_EQ(Player.levelMatch4s, 1);
    EXPECT_EQ(Player.levelMatch5s, 2);
    EXPECT_EQ(reports, (std::vector<std::string>{"Match5", "Match5"}));
}

TEST_F(PlayerTest, GoalCountsAndWhatIsLeftNeverGoBelowZero) {
    Grid->GoalMatches = 10;
    Grid->GoalCollect = 2;
    Grid->Rocks = -1;
    EXPECT_EQ(Player.GetGoalCount(), 2);
    Player.LevelGoalMatches = 12;
    Player.SpecialItemsCollected = 3;
    EXPECT_EQ(Player.GetMatchesToGo(), 0);
    EXPECT_EQ(Player.GetSpecialItemsToGo(), 0);
    EXPECT_EQ(Player.GetRocksToGo(), 0);
}

TEST_F(PlayerTest, ANewLevelClearsTheLevelsCountersAndKeepsTheProgress) {
    Player.LevelScore = 900;
    Player.levelGoldCollected = 40;
    Player.UsedPowerupSlot[3] = 1;
    Player.Alive = 0;
    Player.TotalScore = 5000;
    Player.Lives = 2;
    Player.InitNewLevelStats();
    EXPECT_EQ(Player.LevelScore, 0);
    EXPECT_EQ(Player.levelGoldCollected, 0);
    EXPECT_EQ(Player.UsedPowerupSlot[3], 0);
    EXPECT_EQ(Player.Alive, 1);
    EXPECT_EQ(Player.LastTimeTaken, TPlayer::NO_SECONDS);
    EXPECT_EQ(Player.TotalScore, 5000);
    EXPECT_EQ(Player.Lives, 2);
    EXPECT_EQ(Player.Level, 12);
}

TEST_F(PlayerTest, TheLevelEndAddsTheTimeBonusBeforeTheTotalsAndOpensTheNextLevel) {
    ClockWithMsLeft(60000, 10000);
    Player.LevelScore = 1000;
    Player.LevelKills = 30;
    Player.TotalScore = 50;
    Player.UpdateLevelEndData();
    EXPECT_EQ(Player.TimeBonus, 100);
    EXPECT_EQ(Player.TotalScore, 50 + 1100);
    EXPECT_EQ(Player.TotalKills, 30);
    EXPECT_EQ(Player.Level, 13);
    EXPECT_EQ(Player.Unlocked, 13);
    Player.Level = 3;
    Player.UpdateLevelEndData();
    EXPECT_EQ(Player.Level, 4);
    EXPECT_EQ(Player.Unlocked, 13) << "a replay never closes levels";
}

TEST_F(PlayerTest, TheLevelEndIsLoggedForTheDeveloperOnlyWithDebugOutputOn) {
    ::testing::internal::CaptureStderr();
    Player.UpdateLevelEndData();
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    game_.game().Debug = 1;
    Player.LevelScore = 250;
    ::testing::internal::CaptureStderr();
    Player.UpdateLevelEndData();
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("Level 13 complete: score 250"),
              std::string::npos);
}

class PlayerProfileTest : public PlayerTest {
protected:
    PlayerProfileTest() {
        profile = TProfile::Create("Ada");
        game_.game().CurrentProfile = profile;
    }
    ~PlayerProfileTest() override { game_.game().CurrentProfile.reset(); }
    std::shared_ptr<TProfile> profile;
};

TEST_F(PlayerProfileTest, WritingAndReadingKeepTheUnlockedLevelOneApartInTheFile) {
    Player.Name = "Ada";
    Player.Level = 7;
    Player.Unlocked = 9;
    Player.TotalScore = 12345;
    Player.TotalKills = 321;
    Player.TotalTimeTaken = 4567.5;
    Player.Lives = 2;
    EXPECT_EQ(Player.WriteProfile(profile.get()), 1);
    EXPECT_EQ(profile->LockedLevel, 10);
    Player = TPlayer{};
    ASSERT_EQ(Player.ReadProfile(profile.get(), 1), 1);
    EXPECT_EQ(Player.Name, "Ada");
    EXPECT_EQ(Player.Level, 7);
    EXPECT_EQ(Player.Unlocked, 9);
    EXPECT_EQ(Player.TotalScore, 12345);
    EXPECT_EQ(Player.TotalKills, 321);
    EXPECT_DOUBLE_EQ(Player.TotalTimeTaken, 4567.5);
    EXPECT_EQ(Player.Lives, 2);
}

TEST_F(PlayerProfileTest, AFreshProfileOpensLevelOne) {
    Player.ReadProfile(profile.get(), 0);
    EXPECT_EQ(Player.Level, 1);
    EXPECT_EQ(Player.Unlocked, 1);
}

TEST_F(PlayerProfileTest, LevelsReadFromADamagedProfileStayOnTheMap) {
    profile->CurrentLevel = 0;
    profile->LockedLevel = 500;
    Player.ReadProfile(profile.get(), 0);
    EXPECT_EQ(Player.Unlocked, 100);
    EXPECT_EQ(Player.Level, 1);
    profile->CurrentLevel = 60;
    profile->LockedLevel = 5;
    Player.ReadProfile(profile.get(), 0);
    EXPECT_EQ(Player.Unlocked, 4);
    EXPECT_EQ(Player.Level, 4) << "never past the levels opened";
}

TEST_F(PlayerProfileTest, NullProfilesAreIgnored) {
    EXPECT_EQ(Player.ReadProfile(nullptr, 1), 0);
    EXPECT_EQ(Player.WriteProfile(nullptr), 0);
    EXPECT_EQ(Player.ProfileGameOver(nullptr, 1), 0);
}

TEST_F(PlayerProfileTest, DyingResetsTheStoredProgressInMemoryButKeepsTheLevel) {
    profile->CurrentLevel = 8;
    profile->Score = 777;
    profile->Lives = 1;
    Player.Die();
    EXPECT_EQ(Player.Alive, 0);
    EXPECT_EQ(profile->CurrentLevel, 8);
    EXPECT_EQ(profile->Score, 0);
    EXPECT_EQ(profile->Lives, 3);
    EXPECT_EQ(Player.DeathAnimLength, static_cast<int>(game_.game().CalcAnimLength(99999)));
    EXPECT_FLOAT_EQ(Player.DeathCounter, static_cast<float>(Player.DeathAnimLength));
}

TEST_F(PlayerProfileTest, TheDeadPeriodEndsInANewLifeUntilTheLivesAreSpent) {
    int intros = 0;
    BoardEvents.RestartIntroAnim = [&] { ++intros; };
    Player.Lives = 1;
    Player.Die();
    EXPECT_EQ(Player.DeathEnd(), 0) << "still dead";
    Player.DeathCounter = 1;
    EXPECT_EQ(Player.Manage(), -1);
    EXPECT_EQ(Player.Alive, 1);
    EXPECT_EQ(Player.Lives, 0);
    EXPECT_EQ(intros, 1);
    Player.LevelScore = 40;
    Player.Die();
    Player.DeathCounter = 0;
    EXPECT_EQ(Player.DeathEnd(), -1) << "game over";
    EXPECT_EQ(Player.TotalScore, 40);
}

TEST(GameState, ANewProfileTakesTheModeChosenForIt) {
    TPlayer::InstallLinks();
    TGameState::SetTimedMode();
    TSaveData data;
    data.Links = SaveData.Links;
    data.Init();
    EXPECT_EQ(data.timer, 1);
    TGameState::SetRelaxedMode();
    data.Init();
    EXPECT_EQ(data.timer, 0);
    SaveData.Links = {};
}

}  // namespace
