// Gold coins on the board: their life in timed mode and their quickening spin.
#include "tests/game/board/GemTestSupport.h"

namespace murkwell::test {
namespace {

using CoinTest = GemFixture;

TEST_F(CoinTest, ACoinInRelaxedModeNeverExpires) {
    auto coin = Put(3, 3, GEM_COIN);
    Ticks(20000);
    EXPECT_EQ(coin->GemType, GEM_COIN);
    EXPECT_EQ(coin->LifeCounter, 2000);
    EXPECT_EQ(coin->AnimLength, 120) << "the spin keeps its speed";
    EXPECT_EQ(BoardEvents.TriggerCoinDisappears, 0);
}

TEST_F(CoinTest, ACoinInTimedModeExpiresAfterItsLife) {
    SaveData.timer = 1;
    auto coin = Put(3, 3, GEM_COIN);
    Ticks(1999);
    EXPECT_EQ(coin->GemType, GEM_COIN);
    Ticks(1);
    EXPECT_EQ(coin->GemType, GEM_CLEARED) << "ten seconds";
    EXPECT_EQ(BoardEvents.TriggerCoinDisappears, 1);
    Ticks(60);
    EXPECT_FALSE(Gems->Contains(*coin));
    EXPECT_FALSE(Cells[3][3]->Gem);
}

TEST_F(CoinTest, ACoinLivesItsTimeWhateverTheFrameRate) {
    SaveData.timer = 1;
    auto coin = Put(3, 3, GEM_COIN);
    // Ten seconds at 60 frames a second: three whole ticks and a third of one per frame.
    for (int frame = 0; frame < 599; ++frame) {
        for (float delta : {1.0f, 1.0f, 1.0f, 1.0f / 3}) {
            Delta = delta;
            Gems->Manage();
        }
    }
    Delta = 1.0f;
    EXPECT_EQ(coin->GemType, GEM_COIN) << "a frame before the end";
}

TEST_F(CoinTest, ACoinOutlivesItsTimeWhileTheLevelEnds) {
    SaveData.timer = 1;
    bool timeUp = true, noMoves = false, outro = false;
    BoardEvents.TimeUpRunning = [&] { return timeUp; };
    BoardEvents.NoMoreMovesRunning = [&] { return noMoves; };
    BoardEvents.OutroRunning = [&] { return outro; };
    auto coin = Put(3, 3, GEM_COIN);
    Ticks(2100);
    timeUp = false, noMoves = true;
    Ticks(10);
    timeUp = false, noMoves = false, outro = true;
    Ticks(10);
    EXPECT_EQ(coin->GemType, GEM_COIN);
    outro = false;
    Ticks(1);
    EXPECT_EQ(coin->GemType, GEM_CLEARED);
}

TEST_F(CoinTest, ALockedCoinNeitherSpinsNorAges) {
    SaveData.timer = 1;
    auto coin = Put(3, 3, GEM_COIN);
    coin->locked = 1;
    Ticks(3000);
    EXPECT_EQ(coin->GemType, GEM_COIN);
    EXPECT_EQ(coin->LifeCounter, 2000);
}

TEST_F(CoinTest, InTimedModeEachTurnOfTheCoinIsQuickerDownToFiveTicks) {
    SaveData.timer = 1;
    auto coin = Put(3, 3, GEM_COIN);
    coin->AnimCounter = 100;
    coin->SpinCoin(1);
    EXPECT_EQ(coin->AnimLength, 114);
    EXPECT_DOUBLE_EQ(coin->AnimCounter, 95);
    coin->SpinCoin(0);
    EXPECT_EQ(coin->AnimLength, 114) << "only at the end of a turn";
    for (int turn = 0; turn < 200; ++turn) coin->SpinCoin(1);
    EXPECT_EQ(coin->AnimLength, 5);
    EXPECT_DOUBLE_EQ(coin->AnimCounter, 5.0);

    SaveData.timer = 0;
    auto relaxed = Put(4, 3, GEM_COIN);
    relaxed->SpinCoin(1);
    EXPECT_EQ(relaxed->AnimLength, 120);
}

TEST_F(CoinTest, TheSpinQuickensAsTheCoinTurnsOnTheBoard) {
    SaveData.timer = 1;
    auto coin = Put(3, 3, GEM_COIN);
    Ticks(120);
    EXPECT_EQ(coin->AnimLength, 114) << "one turn of 600 ms";
}

}  // namespace
}  // namespace murkwell::test
