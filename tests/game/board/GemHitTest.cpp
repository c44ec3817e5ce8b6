// What a hit by a bomb or power-up does to each kind of gem, and what explosions, chains and rocks report.
#include "tests/game/board/GemTestSupport.h"

namespace murkwell::test {
namespace {

using GemHitTest = GemFixture;

TEST_F(GemHitTest, ASkullHitByABombStaysAndOnlyAForcedExplosionRemovesIt) {
    auto skull = Put(2, 2, GEM_SKULL);
    EXPECT_EQ(Grid->EggCount, 1);

    EXPECT_EQ(skull->Destroy(), 0);
    EXPECT_EQ(skull->Explode(1, 0), 0);
    EXPECT_EQ(skull->GemType, GEM_SKULL);
    EXPECT_EQ(skull->ExplosionCounter, 0);
    EXPECT_TRUE(awards.empty());

    EXPECT_EQ(skull->Explode(0, 1), 1);
    EXPECT_EQ(skull->GemType, GEM_CLEARED);
    EXPECT_GT(skull->ExplosionCounter, 0);
}

TEST_F(GemHitTest, CoinsAndBagsSurviveEveryHit) {
    auto coin = Put(1, 1, GEM_COIN);
    auto bag = Put(2, 1, GEM_BAG);
    EXPECT_EQ(coin->Destroy(), 0);
    EXPECT_EQ(bag->Destroy(), 0);
    EXPECT_EQ(coin->GemType, GEM_COIN);
    EXPECT_EQ(bag->GemType, GEM_BAG);
    EXPECT_TRUE(awards.empty());
    EXPECT_TRUE(activated.empty());
}

TEST_F(GemHitTest, ALockedBonusItemIsUnlockedNotSetOff) {
    auto item = Put(3, 3, 15);
    item->locked = 1;
    Grid->Locked = 1;

    EXPECT_EQ(item->Destroy(), 1) << "the hit is spent on the chain";
    EXPECT_EQ(item->locked, 0);
    EXPECT_EQ(Grid->Locked, 0);
    EXPECT_EQ(item->GemType, 15);
    EXPECT_TRUE(activated.empty());
    EXPECT_EQ(awards, (std::vector<Award>{{3, 3, 1, 0, 1}}));

    EXPECT_EQ(item->Destroy(), 0);
    EXPECT_EQ(activated, std::vector<TGem*>{item.get()}) << "the next hit sets it off";
    EXPECT_EQ(Grid->BonusPower, 2);
    EXPECT_EQ(Grid->ChainedBonuses, 1);
}

TEST_F(GemHitTest, ALockedColourExplodesWithItsChainAndScoresForTheGoal) {
    auto gem = Put(4, 2, 5);
    gem->locked = 1;
    Grid->Locked = 1;

    EXPECT_EQ(gem->Destroy(), 1);
    EXPECT_EQ(gem->locked, 0);
    EXPECT_EQ(Grid->Locked, 0);
    EXPECT_EQ(gem->GemType, GEM_CLEARED);
    EXPECT_GT(gem->ExplosionCounter, 0);
    EXPECT_EQ(awards, (std::vector<Award>{{4, 2, 1, 0, 1}}));
}

TEST_F(GemHitTest, ABombSetOffByABlastGoesOffInItsOwnBlast) {
    auto bomb = Put(1, 5, 18);
    BoardEvents.ActivateBonus = [&](TGem& item, int, int) {
        item.BonusActivated = 1;
        // The bomb's own cell lies in its blast.
        item.Destroy();
    };
    EXPECT_EQ(bomb->Destroy(), 0);
    EXPECT_EQ(bomb->GemType, GEM_CLEARED);
    EXPECT_EQ(awards.size(), 1u);
    EXPECT_EQ(Grid->ChainedBonuses, 1);
}

TEST_F(GemHitTest, AStrengthTwoRockNeedsTwoHitsTheFirstCracksItForTheSmallAward) {
    auto gem = Put(2, 4, 3);
    gem->rocked = 2;
    Grid->Rocks = 1;

    EXPECT_EQ(gem->Destroy(), 0);
    EXPECT_EQ(gem->rocked, 1);
    EXPECT_EQ(Grid->Rocks, 1);
    EXPECT_EQ(BoardEvents.TriggerUnrock2, 1);
    EXPECT_EQ(BoardEvents.TriggerUnrock1, 0);
    EXPECT_EQ(BoardEffects.Count(), 20 + 4) << "twenty chips and a few sparkles";
    EXPECT_EQ(targetChecks, 0);
    EXPECT_EQ(awards, (std::vector<Award>{{2, 4, 1, 0, 0}}));

    EXPECT_EQ(gem->Destroy(), 0);
    EXPECT_EQ(gem->rocked, 0);
    EXPECT_EQ(Grid->Rocks, 0);
    EXPECT_EQ(BoardEvents.TriggerUnrock1, 1);
    EXPECT_EQ(targetChecks, 1);
    EXPECT_EQ(awards.back(), (Award{2, 4, 1, 0, 1}));
    EXPECT_EQ(gem->GemType, 3) << "breaking the rock leaves the gem";

    gem->Destroy();
    EXPECT_EQ(gem->GemType, GEM_CLEARED) << "only now does a hit clear it";
}

TEST_F(GemHitTest, ASkullFreedOnTheBottomOfItsColumnIsCollected) {
    Cells[5][3]->active = 0;  // a hole under (5, 2)
    auto overHole = Put(5, 2, GEM_SKULL);
    auto onBottom = Put(6, 7, GEM_SKULL);
    auto midBoard = Put(1, 1, GEM_SKULL);
    for (auto* skull : {overHole.get(), onBottom.get()}) skull->rocked = 1;
    midBoard->locked = 1;
    Grid->Rocks = 2;
    Grid->Locked = 1;

    overHole->UnRock(0);
    onBottom->UnRock(0);
    midBoard->Unlock();
    EXPECT_EQ(collected, (std::vector<TGem*>{overHole.get(), onBottom.get()}));
    EXPECT_EQ(Grid->Locked, 0);
}

TEST_F(GemHitTest, AHitColourScoresWithTheGoalOfItsCellAndCountsForTheMatchesGoal) {
    Grid->GoalMatches = 10;
    Grid->GoalMatchesType = 4;
    int counted = 0, tips = 0, left = 3;
    BoardEvents.CountGoalMatch = [&] { ++counted; };
    BoardEvents.MatchesToGo = [&] { return left; };
    BoardEvents.ShowNearlyDoneTip = [&] { ++tips; };
    auto goalGem = Put(0, 0, 4);
    auto other = Put(1, 0, 5);

    goalGem->Destroy();
    other->Destroy();
    EXPECT_EQ(awards, (std::vector<Award>{{0, 0, 1, 0, 1}, {1, 0, 1, 0, 0}}));
    EXPECT_EQ(counted, 1);
    EXPECT_EQ(targetChecks, 1);
    EXPECT_EQ(tips, 1) << "three to go";

    left = 5;
    Put(2, 0, 4)->Explode(1, 0);
    EXPECT_EQ(counted, 2);
    EXPECT_EQ(tips, 1) << "five to go is not nearly done";
}

TEST_F(GemHitTest, NothingCountsForTheGoalOnceTheOutroRuns) {
    Grid->GoalMatchesType = 4;
    int counted = 0;
    BoardEvents.CountGoalMatch = [&] { ++counted; };
    BoardEvents.OutroRunning = [] { return true; };
    Put(0, 0, 4)->Explode(0, 1);
    EXPECT_EQ(counted, 0);
}

TEST_F(GemHitTest, AnExplosionStartsOnceAndSetsOffItsEffects) {
    auto gem = Put(3, 3, 2);
    EXPECT_EQ(gem->Explode(1, 0), 1);
    const float counter = gem->ExplosionCounter;
    EXPECT_EQ(counter, 60) << "300 ms";
    EXPECT_EQ(BoardEffects.Count(), 15 + 4);

    EXPECT_EQ(gem->Explode(1, 0), 1) << "already exploding";
    EXPECT_EQ(BoardEffects.Count(), 15 + 4);
    EXPECT_EQ(gem->ExplosionCounter, counter);
}

TEST_F(GemHitTest, AMagicGemReleasesItsMagicWhenCleared) {
    int freed = 0, tips = 0;
    BoardEvents.MagicFreed = [&] { ++freed; };
    BoardEvents.ShowMagicTip = [&] { ++tips; };
    auto gem = Put(3, 3, 2);
    gem->Magic = 1;
    gem->Explode(0, 0);
    EXPECT_EQ(BoardEvents.TriggerMagic, 1);
    EXPECT_EQ(freed, 1);
    EXPECT_EQ(tips, 1);
}

}  // namespace
}  // namespace murkwell::test
