// Falling, refilling, the gold rules of new gems, the board's rest and the level's end, and whole levels
// played by the autoplayer's hand on the mouse.
#include <string>
#include <vector>

#include "app/autoplay/BoardPlayer.h"
#include "framework/core/ChannelArray.h"
#include "framework/core/GameChannel.h"
#include "game/board/InitialFill.h"
#include "game/board/PlayableMoves.h"
#include "tests/game/board/PlayTestSupport.h"

namespace {

using murkwell::test::PlayFixture;

class RefillTest : public PlayFixture {
protected:
    int CountType(int type) const {
        int n = 0;
        for (const auto& gem : Gems->Items()) n += gem && gem->GemType == type ? 1 : 0;
        return n;
    }
};

TEST_F(RefillTest, AColumnOverAGapComesDownOneGemEverySixTicks) {
    Build(". 1 .\n. 2 .\n. 3 .\n. . .\n. . .\n. . .");
    std::vector<int> started(4, 0);
    for (int tick = 1; tick <= 20; ++tick) {
        Grid->Manage();
        for (const auto& gem : Gems->Items()) {
            if (gem->dy > 0 && !started[gem->GemType]) started[gem->GemType] = tick;
        }
    }
    EXPECT_EQ(started[3], 1);
    EXPECT_EQ(started[2], 7);
    EXPECT_EQ(started[1], 13);
}

TEST_F(RefillTest, AFallingGemSpeedsUpAndTakesFiftySevenTicksForItsFirstCell) {
    Build("1\n.\n.");
    const auto gem = Cells[0][0]->Gem;
    int tick = 0;
    while (gem->gy == 0 && tick < 200) {
        Grid->Manage();
        ++tick;
    }
    // 0.04 pixels in the first tick and 0.04 more in every tick after, up to 2 pixels a tick from the
    // 50th: 49 pixels in 49 ticks, then 2 a tick.
    EXPECT_EQ(tick, 58);
    EXPECT_FLOAT_EQ(gem->dy, 2.0f);
    for (int i = 0; i < 200; ++i) Grid->Manage();
    EXPECT_EQ(Cells[0][2]->Gem, gem);
    EXPECT_EQ(gem->dy, 0);
    EXPECT_FLOAT_EQ(gem->y, static_cast<float>(GridToScreenY(2) + 33));
    EXPECT_FALSE(Cells[0][0]->Gem);
}

TEST_F(RefillTest, FallingGemsKeepACellApartAndLandStacked) {
    Build("1\n2\n.\n.\n.\n.");
    Settle();
    EXPECT_EQ(Board(), ".\n.\n.\n.\n1\n2\n");
}

TEST_F(RefillTest, LandingsSoundOnTheChannelSetAsideForThemOneAtATime) {
    TChannelArray& channels = *game().Channels;
    channels.ChannelByIndex(1)->Reserved = 1;
    const platform::Audio& audio = game().GetPlatform().GetAudio();
    Build("1 2\n. .");
    Settle();
    EXPECT_TRUE(audio.IsPlaying(channels.ChannelByIndex(1)->Channel));
    EXPECT_EQ(channels.CountPlaying(), 1) << "two gems landed in the same tick: one sound";
    Build("3\n.\n.");
    Settle();
    EXPECT_EQ(channels.CountPlaying(), 1) << "a landing while the sound plays adds none";
}

TEST_F(RefillTest, AnEntryWaitsForItsNewGemToPassBeforeMakingTheNext) {
    Build(".\n.\n.");
    Grid->MakeNewGems = 1;
    Grid->Manage();
    ASSERT_EQ(Gems->Count(), 1);
    const auto first = Gems->Items()[0];
    EXPECT_EQ(first->gy, -1) << "it enters from above the board";
    EXPECT_EQ(TopCellDelay[0][0], 1);
    int tick = 1;
    while (first->gy < 0 && tick < 200) {
        Grid->Manage();
        ++tick;
        if (first->gy < 0) {
            ASSERT_EQ(Gems->Count(), 1) << "tick " << tick;
        }
    }
    EXPECT_EQ(TopCellDelay[0][0], 0);
    Grid->Manage();
    EXPECT_EQ(Gems->Count(), 2);
}

TEST_F(RefillTest, AnEmptyBoardFillsUpAndComesToRest) {
    Build(". . . .\n. . . .\n. . . .\n# . # .\n. . . .");
    Grid->MakeNewGems = 1;
    Settle();
    for (int x = 0; x < 4; ++x) {
        for (int y = 0; y < 5; ++y) {
            if (Cells[x][y]->active) {
                EXPECT_TRUE(Cells[x][y]->Gem) << x << "," << y;
            }
        }
    }
    EXPECT_EQ(Grid->CheckMatches(1, 0), 0) << "the cascades have cleared every run";
    Grid->ClearMatches();
}

TEST_F(RefillTest, ALevelWithoutACollectGoalNeverMakesSkulls) {
    Build(". . . . . .\n. . . . . .\n. . . . . .\n. . . . . .");
    Grid->MakeNewGems = 1;
    for (int round = 0; round < 5; ++round) {
        Settle();
        EXPECT_EQ(CountType(GEM_SKULL), 0);
        for (int x = 0; x < 6; ++x) {
            for (int y = 0; y < 4; ++y) Grid->DeleteGem(x, y);
        }
    }
}

TEST_F(RefillTest, ALevelThatWantsSkullsDropsThemIn) {
    Grid->GoalCollect = 5;
    Build(". . . . . .\n. . . . . .\n. . . . . .\n. . . . . .");
    Grid->MakeNewGems = 1;
    Settle();
    EXPECT_GE(Player.SpecialItemsCollected + CountType(GEM_SKULL), 1);
}

TEST_F(RefillTest, NewGemsAreSometimesMagicFromLevelFourOn) {
    auto magicAfterRefills = [&](int level) {
        Player.Level = Player.Unlocked = level;
        Build(". . . . . . . .\n. . . . . . . .\n. . . . . . . .\n. . . . . . . .");
        Grid->MakeNewGems = 1;
        int magic = 0;
        for (int round = 0; round < 10; ++round) {
            Settle();
            for (const auto& gem : Gems->Items()) magic += gem->Magic;
            for (int x = 0; x < 8; ++x) {
                for (int y = 0; y < 4; ++y) Grid->DeleteGem(x, y);
            }
        }
        return magic;
    };
    EXPECT_EQ(magicAfterRefills(3), 0);
    EXPECT_GT(magicAfterRefills(4), 0);
}

TEST_F(RefillTest, CoinsAndBagsComeOnlyOnTheFrontierLevelFromLevelEight) {
    EXPECT_EQ(Grid->getSpawnGoldChance(), 200);
    EXPECT_EQ(Grid->getSpawnBagChance(), 50);
    EXPECT_EQ(Grid->getBonusGoldChance(), 500);
    EXPECT_EQ(Grid->getBonusBagChance(), 250);
    Player.Level = 9;
    EXPECT_EQ(Grid->getSpawnGoldChance(), 0) << "a replay";
    EXPECT_EQ(Grid->getSpawnBagChance(), 0);
    EXPECT_EQ(Grid->getBonusGoldChance(), 0);
    EXPECT_EQ(Grid->getBonusBagChance(), 0);
    Player.Level = Player.Unlocked = 7;
    EXPECT_EQ(Grid->getSpawnGoldChance(), 0) << "too early in the game";
    EXPECT_EQ(Grid->getSpawnBagChance(), 0);
}

TEST_F(RefillTest, TheCatUpgradesRaiseTheCoinLimitAndTheChances) {
    EXPECT_EQ(Grid->getMaxGoldAllowed(), 3);
    SaveData.shopPurchases[9] = ShopItem::PURCHASED;
    EXPECT_EQ(Grid->getMaxGoldAllowed(), 4);
    EXPECT_EQ(Grid->getSpawnGoldChance(), 260);
    EXPECT_EQ(Grid->getSpawnBagChance(), 65);
    EXPECT_EQ(Grid->getBonusGoldChance(), 700);
    EXPECT_EQ(Grid->getBonusBagChance(), 350);
    SaveData.shopPurchases[10] = ShopItem::PURCHASED;
    EXPECT_EQ(Grid->getMaxGoldAllowed(), 5);
    EXPECT_EQ(Grid->getSpawnGoldChance(), 400);
    EXPECT_EQ(Grid->getSpawnBagChance(), 100);
    EXPECT_EQ(Grid->getBonusGoldChance(), 1000);
    EXPECT_EQ(Grid->getBonusBagChance(), 500);
    Player.levelCoinsSpawned = 5;
    EXPECT_EQ(Grid->getSpawnGoldChance(), 0) << "the level's coins are all out";
    EXPECT_EQ(Grid->getBonusGoldChance(), 0);
    Player.levelBagsSpawned = 1;
    EXPECT_EQ(Grid->getSpawnBagChance(), 0) << "one bag a level";
    EXPECT_EQ(Grid->getBonusBagChance(), 0);
}

TEST_F(RefillTest, TheBoardRestsOnlyWhenNothingMovesAndThenLooksForTheEndAndForMoves) {
    int checks = 0;
    BoardEvents.CheckNoMoreMoves = [&] { ++checks; };
    Build("2 3 4\n1 1 1\n3 4 2");
    Player.KillsAdd(Grid->CheckMatches(0, 0));
    Grid->Manage();
    EXPECT_EQ(Grid->BlockInput, 1) << "gems explode";
    const int ticks = Settle();
    EXPECT_GT(ticks, 60) << "exploding and falling take time";
    EXPECT_EQ(checks, 1);
    Grid->Manage();
    EXPECT_EQ(checks, 1) << "only when the board has just come to rest";
}

TEST_F(RefillTest, APowerUpAtWorkHoldsTheFallingBack) {
    Build("1\n.");
    Grid->HUDPowerupBlockInput = 1;
    for (int i = 0; i < 10; ++i) Grid->Manage();
    EXPECT_EQ(Cells[0][0]->Gem->dy, 0);
    Grid->HUDPowerupBlockInput = 0;
    Grid->Manage();
    EXPECT_GT(Gems->Items()[0]->dy, 0);
}

TEST_F(RefillTest, MetGoalsEndTheLevelOnceTheBoardRests) {
    int outros = 0;
    bool outro = false;
    BoardEvents.StartOutroAnim = [&] {
        ++outros;
        return outro = true;
    };
    BoardEvents.OutroRunning = [&] { return outro; };
    Grid->GoalMatches = 3;
    Grid->GoalMatchesType = 1;
    Build("2 3 4\n1 1 1\n3 4 2");
    Player.KillsAdd(Grid->CheckMatches(0, 0));
    EXPECT_EQ(Grid->TargetMet, 1);
    int tick = 0;
    while (!outro && tick < 1000) {
        Grid->Manage();
        ++tick;
        if (!outro) {
            EXPECT_FALSE(Still() && tick > 1) << "the end waits for the board to rest";
        }
    }
    EXPECT_EQ(outros, 1);
    EXPECT_GT(tick, 100);
    EXPECT_EQ(Grid->BlockInput, 1);
    ASSERT_EQ(Gems->Count(), 6);
    for (const auto& gem : Gems->Items()) EXPECT_EQ(gem->GemType, GEM_CLEARED) << "everything explodes";
    for (int i = 0; i < 100; ++i) Grid->Manage();
    EXPECT_EQ(outros, 1);
}

// A level from the game's level folder, filled as the game fills it and played by the autoplayer.
class LevelPlayTest : public PlayFixture {
protected:
    struct TResult {
        std::string board;
        int score, kills, moves, coins;
    };

    TResult Play(int level, unsigned seed, int ticks) {
        SeedRandom(seed);
        Player.Level = Player.Unlocked = level;
        Player.InitNewLevelStats();
        Grid = TGameGrid::Create();
        EXPECT_TRUE(Grid->LoadLevelFile(std::string(MURKWELL_DATA_DIR) + "/levels/" + std::to_string(level) +
                                        ".txt"));
        FillGridUntilPlayable(level);
        TBoardPace pace;
        pace.thinkTicks = 10;
        TBoardPlayer hand([this](const platform::Event& e) { PushEvent(e); }, seed, pace);
        for (int tick = 0; tick < ticks; ++tick) {
            hand.Tick();
            Tick();
        }
        return {Board(), Player.LevelScore, Player.LevelKills, hand.Moves(), Player.levelCoinsSpawned};
    }
};

TEST_F(LevelPlayTest, TheSameSeedPlaysALevelExactlyAgain) {
    const TResult first = Play(12, 7, 6000);
    const TResult second = Play(12, 7, 6000);
    EXPECT_GT(first.moves, 5);
    EXPECT_GT(first.score, 0);
    EXPECT_EQ(first.board, second.board);
    EXPECT_EQ(first.score, second.score);
    EXPECT_EQ(first.kills, second.kills);
    const TResult other = Play(12, 8, 6000);
    EXPECT_NE(first.board, other.board) << "the seed matters";
}

TEST_F(LevelPlayTest, LongPlayNeverMakesMoreCoinsThanTheLevelAllows) {
    const TResult result = Play(20, 3, 40000);
    EXPECT_GT(result.moves, 50);
    EXPECT_LE(result.coins, 3);
    EXPECT_LE(Player.levelBagsSpawned, 1);
}

// Every level of the game played for a while: the board's books stay straight whatever its holes, entry
// cells, chains, rocks, tiles and skulls.
TEST_F(LevelPlayTest, EveryLevelPlaysWithItsBoardKeptInOrder) {
    for (int level = 1; level <= 100; ++level) {
        SCOPED_TRACE("level " + std::to_string(level));
        const TResult result = Play(level, static_cast<unsigned>(level), 4000);
        EXPECT_GT(result.moves, 0);
        for (int tick = 0; tick < 2000 && !Still(); ++tick) Grid->Manage();
        ASSERT_TRUE(Still() || Grid->TargetMet);
        int inCells = 0, skulls = 0;
        for (int x = 0; x < Grid->levelwidth; ++x) {
            for (int y = 0; y < Grid->levelheight; ++y) {
                const TCell& cell = *Cells[x][y];
                if (!cell.Gem) continue;
                ++inCells;
                EXPECT_TRUE(cell.active) << x << "," << y << " a gem in a hole";
                EXPECT_EQ(cell.Gem->gx, x);
                EXPECT_EQ(cell.Gem->gy, y);
                EXPECT_TRUE(Gems->Contains(*cell.Gem)) << x << "," << y << " a gem the list lost";
            }
        }
        for (const auto& gem : Gems->Items()) skulls += gem->GemType == GEM_SKULL ? 1 : 0;
        EXPECT_EQ(inCells, Gems->Count()) << "every gem of the list stands in its cell";
        // Once the collect goal is met the skulls left explode and the count no longer matters.
        if (Player.GetSpecialItemsToGo() > 0) {
            EXPECT_EQ(skulls, Grid->EggCount);
        }
        EXPECT_GE(Grid->Rocks, 0);
        EXPECT_GE(Grid->Gold, 0);
        EXPECT_GE(Grid->Armoured, Grid->Gold);
        EXPECT_GE(Grid->Locked, 0);
        for (int x = 0; x < Grid->levelwidth; ++x) {
            for (int k = 0; k < TopCellCount[x]; ++k) EXPECT_EQ(TopCellDelay[x][k], 0) << "column " << x;
        }
    }
}

}  // namespace
