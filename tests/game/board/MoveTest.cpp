// The player's hand on the board, through the mouse as the game receives it: selecting, swapping by drag
// and by clicks, failed swaps, bonus items clicked twice or swapped, coins, the hint, the end of moves, and
// power-ups carried from the HUD.
#include <memory>
#include <string>
#include <vector>

#include "framework/core/ChannelArray.h"
#include "framework/ui/MousePointer.h"
#include "game/board/HUDPowerup.h"
#include "tests/game/board/PlayTestSupport.h"
#include "tests/game/board/PowerupTestSupport.h"

namespace {

using murkwell::test::PlayFixture;
using murkwell::test::TestPowerup;

class MoveTest : public PlayFixture {
protected:
    ~MoveTest() override { HUDPowerups = {}; }

    // Sounds started on the game's channels since the last call.
    int SoundsPlayed() {
        const int now = game().Channels->CountPlaying();
        const int played = now - sounds_;
        sounds_ = now;
        return played;
    }
    std::shared_ptr<TestPowerup> AddPowerup() {
        auto powerup = TestPowerup::Make(335);
        HUDPowerups[0] = powerup;
        SaveData.shopPurchases[24] = ShopItem::PURCHASED;
        return powerup;
    }
    std::string Selected() const {
        return Grid->Mode ? std::to_string(Grid->cx) + "," + std::to_string(Grid->cy) : "none";
    }

private:
    int sounds_ = 0;
};

TEST_F(MoveTest, AClickSelectsAndAClickOnAnotherGemThatIsNoNeighbourSelectsThatOne) {
    Build(R"(
        1 2 3 4
        2 3 4 1
        3 4 1 2)");
    Click(0, 0);
    EXPECT_EQ(Selected(), "0,0");
    PointAt(2, 2);
    Press();
    EXPECT_EQ(Selected(), "2,2") << "in the same tick";
    EXPECT_FALSE(Grid->SwapRunning());
    Release();
    Click(2, 2);
    EXPECT_EQ(Selected(), "none") << "a second click on the selection drops it";
}

TEST_F(MoveTest, ASwapByTwoClicksOrByADragMakesTheRunAndTheBoardFallsIntoPlace) {
    const char* layout = R"(
        1 2 3 4
        2 1 4 3
        1 3 2 4)";
    // Dragged: the run of ones in the first column.
    Build(layout);
    Swap(1, 1, 0, 1);
    EXPECT_EQ(Board(), ". 2 3 4\n. 2 4 3\n. 3 2 4\n");
    // Clicked twice.
    Build(layout);
    Click(1, 1);
    Click(0, 1);
    EXPECT_TRUE(Grid->SwapRunning());
    FinishSwap();
    Settle();
    EXPECT_EQ(Board(), ". 2 3 4\n. 2 4 3\n. 3 2 4\n");
    EXPECT_GT(Player.LevelScore, 0);
}

TEST_F(MoveTest, ASwapThatMakesNoRunGlidesBackAndLeavesTheBoardAsItWas) {
    Build(R"(
        1 2 3 4
        2 3 4 1)");
    const std::string before = Board();
    const auto gem = Cells[0][0]->Gem;
    const float x = gem->x, y = gem->y;
    PointAt(0, 0);
    Press();
    SoundsPlayed();
    PointAt(1, 0);
    Release();
    int ticks = 0;
    while (Grid->SwapRunning() && ticks < 1000) {
        Tick();
        ++ticks;
    }
    EXPECT_EQ(ticks, 2 * static_cast<int>(game().CalcAnimLength(200)) - 2) << "there and back";
    EXPECT_GE(SoundsPlayed(), 1) << "the failed sound";
    EXPECT_EQ(Board(), before);
    EXPECT_FLOAT_EQ(gem->x, x);
    EXPECT_FLOAT_EQ(gem->y, y);
    EXPECT_EQ(gem->Swapping, 0);
    EXPECT_EQ(Selected(), "none");
}

TEST_F(MoveTest, ADiagonalDragPicksTheSideNeighbourAndADragOffTheBoardPicksByDirection) {
    Build(R"(
        1 2 3
        2 3 1
        3 1 2)");
    PointAt(1, 1);
    Press();
    // Exactly diagonal, onto a cell that is no neighbour: sideways wins.
    PointAt(2, 2);
    ASSERT_TRUE(Grid->SwapRunning());
    EXPECT_EQ(Grid->dx, 2);
    EXPECT_EQ(Grid->dy, 1);
    Release();
    FinishSwap();
    // Held on a gem of the bottom row and dragged down off the board, a little sideways: upwards is the
    // only way on the board, so the selection drops.
    PointAt(1, 2);
    Press();
    MoveTo(GridToScreenX(1) + 40, GridToScreenY(3) + 30);
    EXPECT_FALSE(Grid->SwapRunning());
    EXPECT_EQ(Selected(), "none");
    Release();
}

TEST_F(MoveTest, ChainedAndRockedTargetsRefuseTheSwapAndAnEmptyCellTakesAGemThatMakesARun) {
    Build(R"(
        2 3l 4
        3 1 5r
        4 5 6)");
    Click(0, 0);
    Click(1, 0);
    EXPECT_FALSE(Grid->SwapRunning());
    EXPECT_EQ(Selected(), "none");
    Click(1, 1);
    Click(2, 1);
    EXPECT_FALSE(Grid->SwapRunning());
    EXPECT_EQ(Selected(), "none");

    Build(R"(
        1 1 .
        2 3 1
        3 2 4)");
    Swap(2, 1, 2, 0);
    EXPECT_EQ(Board(), ". . .\n2 3 .\n3 2 4\n");
}

TEST_F(MoveTest, ABonusItemSwappedWithAnyGemGoesOffInItsNewCell) {
    Build(R"(
        1 2 3 4
        2 b15 4 1
        3 4 1 2
        4 1 2 3)");
    Swap(1, 1, 2, 1);
    // The pumpkin went off at (2, 1): its square is empty and refilling is off.
    EXPECT_EQ(Board(), "1 . . .\n2 . . .\n3 . . .\n4 1 2 3\n");
    EXPECT_EQ(Player.levelBonusesUsed, 1);
    EXPECT_EQ(BoardEvents.TriggerBomb, 1);
}

TEST_F(MoveTest, ABonusItemClickedTwiceWithinASecondGoesOffLaterItIsOnlyDropped) {
    const char* layout = R"(
        1 2 3
        2 b16 1
        3 1 2)";
    Build(layout);
    Click(1, 1);
    for (int i = 0; i < 150; ++i) Tick();
    Click(1, 1);
    EXPECT_EQ(BoardEvents.TriggerHorizontalBomb, 1);
    Settle();
    EXPECT_EQ(Board(), ". . .\n1 2 3\n3 1 2\n");

    Build(layout);
    BoardEvents.TriggerHorizontalBomb = 0;
    Click(1, 1);
    for (int i = 0; i < 200; ++i) Tick();
    Click(1, 1);
    EXPECT_EQ(BoardEvents.TriggerHorizontalBomb, 0);
    EXPECT_EQ(Selected(), "none");
    EXPECT_EQ(Board(), "1 2 3\n2 b16 1\n3 1 2\n");
}

TEST_F(MoveTest, CoinsAndBagsAreCollectedByAClickEvenWhileTheyFall) {
    Player.Level = Player.Unlocked = 10;
    Build(R"(
        c 2 $
        . 3 1
        . 1 2)");
    Click(0, 0);
    EXPECT_EQ(Player.levelCoinsCollected, 1);
    EXPECT_FALSE(Cells[0][0]->Gem);
    // The bag starts to fall into the gap below it once refilling sees the hole: here it is set falling
    // by hand, out of its cell, and caught in the air.
    Build(R"(
        2 $ 3
        1 . 2
        3 . 1)");
    const auto bag = Cells[1][0]->Gem;
    for (int i = 0; i < 30; ++i) Tick();
    ASSERT_GT(bag->dy, 0) << "falling";
    ASSERT_FALSE(Cells[1][0]->Gem);
    MoveTo(static_cast<int>(bag->x), static_cast<int>(bag->y));
    Press();
    EXPECT_EQ(Player.levelBagsCollected, 1);
    EXPECT_EQ(Player.levelCoinsCollected, 1 + 3) << "a bag holds three coins";
    EXPECT_FALSE(Gems->Contains(*bag));
    EXPECT_EQ(BoardEvents.TriggerGoldBag, 1);
}

TEST_F(MoveTest, EachHintShowsTheNextMoveAndTheCycleStartsAgain) {
    Build(R"(
        1 2 1 5
        5 1 6 3
        6 4 3 5
        2 4 5 3)");
    std::vector<std::string> hinted;
    for (int i = 0; i < 4; ++i) {
        ASSERT_EQ(Grid->StartHint(), 1);
        hinted.push_back(std::to_string(Grid->HintX) + "," + std::to_string(Grid->HintY));
        EXPECT_EQ(Cells[Grid->HintX][Grid->HintY]->Gem->HintWobble, 1);
        EXPECT_EQ(Grid->StartHint(), 0) << "one at a time";
        for (int t = 0; t < 2000 && Grid->HintCounter > 0; ++t) Grid->ManageHint();
        EXPECT_EQ(Cells[Grid->HintX][Grid->HintY]->Gem->HintWobble, 0) << "stops after two seconds";
    }
    // Two moves on the board: a one up into the first row, a three right into the last column. The
    // hint shows the gem to move, or where the gem moves when that one completes the run.
    EXPECT_EQ(hinted, (std::vector<std::string>{"1,1", "2,2", "1,1", "2,2"}));
}

TEST_F(MoveTest, WithoutAMoveTheLevelEndsUnlessAPowerUpOrABonusItemCanStillAct) {
    int ended = 0;
    BoardEvents.NoMoreMoves = [&] { ++ended; };
    Build(R"(
        1 2 3
        2 3 1
        3 1 2)");
    auto powerup = AddPowerup();
    powerup->validMove = 1;
    EXPECT_EQ(Grid->CheckNoMoreMoves(), 0);
    EXPECT_EQ(Grid->StartHint(), 1);
    EXPECT_EQ(powerup->HintWobble, 1) << "the hint points at the power-up";
    Grid->StopHint();
    powerup->validMove = 0;
    EXPECT_EQ(Grid->CheckNoMoreMoves(), 1);
    EXPECT_EQ(ended, 1);
    Build(R"(
        1 2 3
        2 b17 1
        3 1 2)");
    EXPECT_EQ(Grid->CheckNoMoreMoves(), 0) << "a bomb is a move";
    EXPECT_EQ(ended, 1);
}

TEST_F(MoveTest, ABoardWithoutMovesShakesThenFliesApart) {
    Build("1 2\n2 1");
    float counter = 300;
    BoardEvents.NoMoreCounter = [&] { return counter; };
    int gameOver = 0;
    BoardEvents.PlayGameOverSound = [&] { ++gameOver; };
    Grid->JiggleDirection = 1;
    float low = 0, high = 0;
    for (; counter > 100; --counter) {
        Grid->ManageJiggle(100);
        low = std::min(low, Grid->JiggleOffset);
        high = std::max(high, Grid->JiggleOffset);
    }
    EXPECT_FLOAT_EQ(low, -4.0f);
    EXPECT_FLOAT_EQ(high, 4.0f);
    const float x = Cells[0][0]->Gem->x;
    for (int i = 0; i < 10; ++i) Grid->ManageJiggle(100);
    EXPECT_EQ(gameOver, 1);
    EXPECT_EQ(Grid->JiggleOffset, 0);
    EXPECT_NE(Cells[0][0]->Gem->x, x) << "the gems fly apart";
}

TEST_F(MoveTest, APowerUpIsTakenFromItsSlotAndDraggedOrClickedOntoACell) {
    Build(R"(
        1 2 3
        2 . 1
        3 1 2)");
    auto powerup = AddPowerup();
    // Dragged out of its slot and let go over a gem.
    MoveTo(335, 700);
    Press();
    EXPECT_EQ(Grid->PointerGemType, powerup);
    EXPECT_EQ(Grid->HUDPowerDragging, -1);
    EXPECT_EQ(game().Mouse->Image, powerup->CursorImage);
    PointAt(2, 2);
    EXPECT_EQ(Grid->HUDPowerDragging, 1);
    Release();
    ASSERT_EQ(powerup->used.size(), 1u);
    EXPECT_EQ(powerup->used[0], (TPoint{2, 2}));
    EXPECT_FALSE(Grid->PointerGemType) << "used up";
    // Clicked, then a click on an empty cell fails and a click on a gem uses it.
    MoveTo(335, 700);
    Press();
    Release();
    EXPECT_EQ(Grid->HUDPowerDragging, 0);
    Click(1, 1);
    EXPECT_EQ(powerup->used.size(), 1u) << "refused on an empty cell";
    EXPECT_TRUE(Grid->PointerGemType);
    Click(0, 0);
    EXPECT_EQ(powerup->used.size(), 2u);
    // Clicked and put back by a click on its own slot.
    MoveTo(335, 700);
    Press();
    Release();
    MoveTo(335, 700);
    Press();
    Release();
    EXPECT_FALSE(Grid->PointerGemType);
    // Not charged: refused.
    powerup->CurrentCharge = 0;
    MoveTo(335, 700);
    Press();
    Release();
    EXPECT_FALSE(Grid->PointerGemType);
}

TEST_F(MoveTest, WhileAPowerUpWorksTheBoardTakesNoInput) {
    Build("1 2 3\n2 3 1");
    Grid->HUDPowerupBlockInput = 1;
    Click(0, 0);
    EXPECT_EQ(Selected(), "none");
}

TEST_F(MoveTest, ADiagonalMoveIsAllowedOnceWhileTheAbilityLasts) {
    const char* layout = R"(
        1 2 3 4
        2 3 1 1
        3 4 2 5)";
    Build(layout);
    EXPECT_EQ(Grid->DoNoMoreMoves(0), 1) << "only a diagonal swap makes a run";
    Click(0, 0);
    Click(1, 1);
    EXPECT_FALSE(Grid->SwapRunning());
    EXPECT_EQ(Selected(), "1,1");

    Build(layout);
    SaveData.gaugeLevel = 10;
    Grid->DiagonalMoves = 1;
    EXPECT_EQ(Grid->DoNoMoreMoves(0), 0);
    Click(0, 0);
    Click(1, 1);
    ASSERT_TRUE(Grid->SwapRunning());
    FinishSwap();
    Settle();
    EXPECT_EQ(Board(), "3 . . .\n2 2 3 4\n3 4 2 5\n");
    EXPECT_EQ(Grid->DiagonalMoves, 0);
    EXPECT_EQ(SaveData.gaugeLevel, 0);
}

}  // namespace
