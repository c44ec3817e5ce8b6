// Making gems: where they stand, what they count, the random types of a level and magic gems.
#include <set>

#include "framework/core/Random.h"
#include "tests/game/board/GemTestSupport.h"

namespace murkwell::test {
namespace {

class GemMakeTest : public GemFixture {
protected:
    GemMakeTest() {
        GemColours = {3, 5, 8};
        GemColourCount = 3;
        Grid->GoalCollect = 4;
        BoardEvents.SkullsToGo = [this] { return skullsToGo; };
    }

    // How many of draws random types are skulls; every other type must come from the palette.
    int SkullsIn(int draws, int allowSkull) {
        int skulls = 0;
        for (int i = 0; i < draws; ++i) {
            const int type = TGem::Random(allowSkull);
            if (type == GEM_SKULL) {
                ++skulls;
            } else {
                EXPECT_TRUE(type == 3 || type == 5 || type == 8) << type;
            }
        }
        return skulls;
    }

    int skullsToGo = 4;
};

TEST_F(GemMakeTest, AGemStandsAtTheCentreOfItsCell) {
    auto gem = TGem::Make(2, 3, 7, 0);
    EXPECT_EQ(gem->gx, 2);
    EXPECT_EQ(gem->gy, 3);
    EXPECT_EQ(gem->x, GridToScreenX(2) + 33);
    EXPECT_EQ(gem->y, GridToScreenY(3) + 33);
    EXPECT_EQ(gem->GemType, 7);
    EXPECT_EQ(gem->OrigGemType, 7);
    EXPECT_EQ(gem->ImageFrame, 6);
    EXPECT_EQ(gem->dy, 0);
    EXPECT_EQ(TGem::Make(0, 0, 1, 1)->dy, 0.04f) << "a falling gem";
    EXPECT_FALSE(Gems->Contains(*gem)) << "the caller places it";
}

TEST_F(GemMakeTest, ANewGemDropsInFromTheCellAboveItsEntry) {
    auto gem = TGem::Make(4, 0, 2, 1);
    gem->SetDropInY();
    EXPECT_EQ(gem->y, GridToScreenY(0) - 33);
    EXPECT_EQ(gem->gy, -1);
    auto lower = TGem::Make(4, 5, 2, 1);
    lower->SetDropInY();
    EXPECT_EQ(lower->gy, 4);
}

TEST_F(GemMakeTest, SkullsCoinsAndBagsAreCounted) {
    int coins = 0, bags = 0;
    BoardEvents.CoinSpawned = [&] { ++coins; };
    BoardEvents.BagSpawned = [&] { ++bags; };
    TGem::Make(0, 0, GEM_SKULL, 0);
    TGem::Make(1, 0, GEM_SKULL, 0);
    auto coin = TGem::MakeCoin(2, 0, 0);
    auto bag = TGem::MakeBag(3, 0, 1);
    EXPECT_EQ(Grid->EggCount, 2);
    EXPECT_EQ(coins, 1);
    EXPECT_EQ(bags, 1);
    EXPECT_EQ(coin->GemType, GEM_COIN);
    EXPECT_EQ(coin->LifeCounter, 2000) << "ten seconds of ticks";
    EXPECT_EQ(coin->FramesTotal, 6);
    EXPECT_EQ(bag->GemType, GEM_BAG);
    EXPECT_EQ(bag->dy, 0.04f);
}

TEST_F(GemMakeTest, TwoGemsSwapCells) {
    auto a = Put(1, 1, 3);
    auto b = Put(2, 1, 4);
    a->SwapTypes(*b);
    EXPECT_EQ(a->gx, 2);
    EXPECT_EQ(b->gx, 1);
    EXPECT_EQ(Cells[2][1]->Gem, a);
    EXPECT_EQ(Cells[1][1]->Gem, b);
}

TEST_F(GemMakeTest, NoSkullWithThreeOnTheBoard) {
    Grid->EggCount = 3;
    EXPECT_EQ(SkullsIn(20000, 1), 0);
}

TEST_F(GemMakeTest, NoSkullOnceTheLevelHasItsSkulls) {
    skullsToGo = 0;
    EXPECT_EQ(SkullsIn(20000, 1), 0);
}

TEST_F(GemMakeTest, NoSkullWhenNotAllowedOrNotAGoal) {
    EXPECT_EQ(SkullsIn(20000, 0), 0);
    Grid->GoalCollect = 0;
    EXPECT_EQ(SkullsIn(20000, 1), 0);
}

TEST_F(GemMakeTest, SkullsComeAtTheirRate) {
    SeedRandom(99);
    // Under 3000 in 10000 while at most one is on the board, under 200 with two.
    Grid->EggCount = 1;
    EXPECT_NEAR(SkullsIn(40000, 1) / 40000.0, 0.2999, 0.01);
    Grid->EggCount = 2;
    EXPECT_NEAR(SkullsIn(40000, 1) / 40000.0, 0.0199, 0.003);
}

TEST_F(GemMakeTest, EveryColourOfThePaletteComes) {
    std::set<int> seen;
    for (int i = 0; i < 200; ++i) seen.insert(TGem::Random(0));
    EXPECT_EQ(seen, (std::set<int>{3, 5, 8}));
}

TEST_F(GemMakeTest, MagicGemsComeFromTheFourthLevelOnAndOnlyForColoursAndSkulls) {
    int level = 3;
    BoardEvents.PlayerLevel = [&] { return level; };
    auto gem = TGem::Make(0, 0, 6, 0);
    EXPECT_EQ(gem->CreateMagic(), 0);
    EXPECT_EQ(gem->Magic, 0);

    level = 4;
    EXPECT_EQ(gem->CreateMagic(), 1);
    EXPECT_EQ(gem->Magic, 1);
    EXPECT_GE(gem->MagicCounter, 0);
    EXPECT_LE(gem->MagicCounter, 1499);
    EXPECT_EQ(TGem::Make(1, 0, GEM_SKULL, 0)->CreateMagic(), 1);
    EXPECT_EQ(TGem::Make(2, 0, 15, 0)->CreateMagic(), 0);
}

TEST_F(GemMakeTest, TheMagicPulseWraps) {
    auto gem = Put(0, 0, 6);
    gem->Magic = 1;
    gem->MagicCounter = 1499.5f;
    Ticks(1);
    EXPECT_FLOAT_EQ(gem->MagicCounter, 0.5f);
}

}  // namespace
}  // namespace murkwell::test
