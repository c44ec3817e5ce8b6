// The list of live gems: its order, its tick (explosions, hover) and its drawing passes.
#include <algorithm>
#include <numeric>

#include "framework/core/Random.h"
#include "tests/game/board/GemTestSupport.h"

namespace murkwell::test {
namespace {

using GemListTest = GemFixture;

std::vector<float> Heights(const TGemList& list) {
    std::vector<float> heights;
    for (const auto& gem : list.Items()) heights.push_back(gem->y);
    return heights;
}

bool LowestFirst(const std::vector<float>& heights) {
    return std::is_sorted(heights.begin(), heights.end(), std::greater<float>());
}

TEST_F(GemListTest, InsertedGemsKeepTheLowestFirst) {
    SeedRandom(7);
    for (int i = 0; i < 60; ++i) {
        auto gem = TGem::Make(Rand(0, 7), Rand(0, 7), 1, 0);
        gem->y += static_cast<float>(Rand(-20, 20));
        Gems->InsertGem(gem);
        ASSERT_TRUE(LowestFirst(Heights(*Gems))) << "after " << i + 1;
    }
    EXPECT_EQ(Gems->Count(), 60);
}

TEST_F(GemListTest, AGemJoinsAfterThoseLevelWithIt) {
    auto first = TGem::Make(0, 3, 1, 0), second = TGem::Make(5, 3, 2, 0), lower = TGem::Make(0, 6, 3, 0);
    Gems->InsertGem(first);
    Gems->InsertGem(second);
    Gems->InsertGem(lower);
    EXPECT_EQ(Gems->Items(), (TGemRefs{lower, first, second}));
}

TEST_F(GemListTest, SortingPutsTheLowestFirstAndKeepsTheOrderOfLevelGems) {
    TGemRefs made;
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) made.push_back(Put(x, y, 1 + x % 5));
    }
    Gems->SortAll();
    EXPECT_TRUE(LowestFirst(Heights(*Gems)));
    const TGemRefs& sorted = Gems->Items();
    EXPECT_EQ(sorted.front(), made[56]) << "row 7, first of its row";
    EXPECT_EQ(sorted[1], made[57]);
    EXPECT_EQ(sorted.back(), made[7]);
}

TEST_F(GemListTest, AGemInsertedDuringARunTakesItsPlaceAfterIt) {
    auto top = Put(0, 0, 1);
    auto bottom = Put(0, 7, 1);
    Gems->SortAll();
    auto middle = TGem::Make(0, 4, 2, 0);
    int visited = 0;
    Gems->ForEach([&](TGem&) {
        if (visited++ == 0) Gems->InsertGem(middle);
    });
    EXPECT_EQ(visited, 2) << "not met in the run that inserted it";
    EXPECT_EQ(Gems->Items(), (TGemRefs{bottom, middle, top}));
    EXPECT_EQ(Gems->Count(), 3);
}

TEST_F(GemListTest, AnExplodedGemLeavesItsCellAndTheListWhenItsExplosionEnds) {
    auto gem = Put(2, 2, 3);
    auto neighbour = Put(3, 2, 4);
    gem->Explode(1, 0);
    for (int tick = 0; tick < 59; ++tick) EXPECT_EQ(Gems->Manage(), 1);
    EXPECT_EQ(Cells[2][2]->Gem, gem) << "it keeps its cell while it explodes";
    EXPECT_EQ(Gems->Manage(), 1);
    EXPECT_FALSE(Cells[2][2]->Gem);
    EXPECT_FALSE(Gems->Contains(*gem));
    EXPECT_EQ(Gems->Count(), 1);
    EXPECT_EQ(Cells[3][2]->Gem, neighbour);
    EXPECT_EQ(Gems->Manage(), 0) << "nothing explodes any more";
}

TEST_F(GemListTest, AnExplodedGemLeavesTheItemBornInItsCellThere) {
    auto gem = Put(2, 2, 3);
    gem->Explode(1, 0);
    auto item = TGem::Make(2, 2, 15, 0);
    Gems->InsertGem(item);
    Cells[2][2]->Gem = item;
    Ticks(60);
    EXPECT_EQ(Cells[2][2]->Gem, item);
    EXPECT_FALSE(Gems->Contains(*gem));
}

TEST_F(GemListTest, AnActivatedItemExplodesASecondTimeBeforeItLeaves) {
    auto item = Put(4, 4, 16);
    item->Activate();
    EXPECT_EQ(item->GemType, GEM_CLEARED);
    Ticks(60);
    EXPECT_TRUE(Gems->Contains(*item));
    EXPECT_EQ(item->AnimActive, 0);
    EXPECT_EQ(item->ExplosionCounter, 60) << "the second explosion";
    EXPECT_EQ(BoardEffects.Count(), 15 + 4);
    Ticks(60);
    EXPECT_FALSE(Gems->Contains(*item));
    EXPECT_FALSE(Cells[4][4]->Gem);
}

TEST_F(GemListTest, AnExplodingItemsGlowFades) {
    auto item = Put(4, 4, 17);
    item->glow = 1.0f;
    item->Explode(0, 0);
    Ticks(10);
    EXPECT_NEAR(item->glow, 0.8f, 1e-5);
}

TEST_F(GemListTest, TheGemUnderTheMouseSwellsAndShrinksBack) {
    auto gem = Put(1, 1, 2);
    auto item = Put(2, 1, 15);
    auto locked = Put(3, 1, 2);
    locked->locked = 1;
    Grid->mx = 1, Grid->my = 1;
    Ticks(100);
    EXPECT_EQ(gem->MouseOver, 1);
    EXPECT_FLOAT_EQ(gem->ScaleX, 1.1f) << "at most 1.1";
    Grid->mx = 2;
    Ticks(10);
    EXPECT_EQ(item->MouseOver, 1);
    EXPECT_FLOAT_EQ(item->ScaleX, 1.0f) << "items do not swell";
    EXPECT_EQ(gem->MouseOver, 0);
    EXPECT_NEAR(gem->ScaleX, 1.05f, 1e-5) << "shrinking at half the speed";
    Grid->mx = 3;
    Ticks(200);
    EXPECT_EQ(locked->MouseOver, 0);
    EXPECT_FLOAT_EQ(locked->ScaleX, 1.0f);
    EXPECT_FLOAT_EQ(gem->ScaleX, 1.0f);
}

TEST_F(GemListTest, NothingSwellsWhileTheLevelEnds) {
    auto gem = Put(1, 1, 2);
    Grid->mx = 1, Grid->my = 1;
    BoardEvents.OutroRunning = [] { return true; };
    Ticks(20);
    EXPECT_EQ(gem->MouseOver, 0);
    EXPECT_FLOAT_EQ(gem->ScaleX, 1.0f);
}

class GemDrawTest : public GemFixture {
protected:
    GemDrawTest() {
        colour = Put(0, 0, 1);
        skull = Put(1, 0, GEM_SKULL);
        item = Put(2, 0, 15);
        chained = Put(3, 0, 2);
        chained->locked = 1;
        source = Put(4, 0, 3);
        dest = Put(5, 0, 4);
        source->Swapping = dest->Swapping = 1;
        Grid->SwapSource = source;
        Grid->SwapDest = dest;
        graphics().ClearLog();
    }

    // Each picture drawn, by its left-to-right cell (-1 for none) and what it showed.
    std::vector<std::pair<int, const platform::Image*>> Log() {
        std::vector<std::pair<int, const platform::Image*>> log;
        for (const auto& drawn : graphics().Log()) {
            const int column = static_cast<int>(drawn.x - Grid->sx) / kCellSize;
            log.emplace_back(column, drawn.image);
        }
        return log;
    }

    std::shared_ptr<TGem> colour, skull, item, chained, source, dest;
};

TEST_F(GemDrawTest, FourPassesColoursTheSwapItemsAndSkullsThenFreeSkullsOnTop) {
    game().Particles = 0;  // no shadow under the item
    Gems->Draw();
    const auto gems = Picture(GemImages.Gems), skulls = Picture(GemImages.Skull);
    EXPECT_EQ(Log(), (std::vector<std::pair<int, const platform::Image*>>{
                         {0, gems},
                         {3, gems},
                         {3, Picture(chained->MyLockImage)},
                         {5, gems},
                         {4, gems},
                         {1, skulls},
                         {2, Picture(BonusImages[15])},
                         {1, skulls},
                     }));
}

TEST_F(GemDrawTest, WhileTheTarotSpinsTheFreeGemsAreDrawnLast) {
    game().Particles = 0;
    source->Swapping = dest->Swapping = 0;
    Grid->SwapSource = Grid->SwapDest = nullptr;
    BoardEvents.TarotActive = [] { return true; };
    Gems->Draw();
    const auto gems = Picture(GemImages.Gems), skulls = Picture(GemImages.Skull);
    EXPECT_EQ(Log(), (std::vector<std::pair<int, const platform::Image*>>{
                         {3, gems},
                         {3, Picture(chained->MyLockImage)},
                         {1, skulls},
                         {2, Picture(BonusImages[15])},
                         {0, gems},
                         {1, skulls},
                         {4, gems},
                         {5, gems},
                     }));
}

TEST_F(GemDrawTest, ARockHidesItsGemAndAnExplodingGemShowsItsFlash) {
    colour->rocked = 2;
    item->Explode(1, 0);
    Gems->Draw();
    const auto log = Log();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[0], std::make_pair(0, Picture(GemImages.Rock2)));
    EXPECT_EQ(log[1], std::make_pair(2, Picture(GemImages.Flash)));
}

TEST_F(GemDrawTest, TheBoardsSlideAndAlphaCarryToTheGems) {
    Grid->topY = 40;
    Grid->alpha = 0.5f;
    Gems->Draw();
    const auto& first = graphics().Log().front();
    EXPECT_EQ(first.y, colour->y + 40);
    EXPECT_FLOAT_EQ(first.state.alpha, 0.5f);
}

TEST_F(GemListTest, TheSlideInStaggersTheRowsAndSplitsTheBoard) {
    NewBoard(7, 8);
    Grid->topY = 10;
    auto left = Put(3, 5, 1);  // the middle column of an odd board comes from the left
    auto right = Put(6, 5, 1);
    auto low = Put(1, 7, 1);
    Gems->SetIntroPosition(0.75f, 7);
    // A quarter of the way still to go for row 5: f = 0.75 - 5 / 10.
    EXPECT_EQ(left->IntroOffsetX, 382) << "0.25 × 1530, truncated";
    EXPECT_EQ(right->IntroOffsetX, -390);
    EXPECT_EQ(left->IntroOffsetY, -135);
    EXPECT_EQ(left->x, GridToScreenX(3) + 382 + 33);
    EXPECT_EQ(left->y, GridToScreenY(5) - 135 + 33);
    EXPECT_EQ(low->IntroOffsetX, 85) << "0.05 × 1710, truncated";
    Gems->SetIntroPosition(0.5f, 7);
    EXPECT_EQ(low->IntroOffsetX, 0) << "row 7 has landed";
    EXPECT_EQ(low->IntroOffsetY, -10);
}

TEST_F(GemListTest, TheLostBoardFliesApartFromItsCentre) {
    NewBoard(7, 7);
    SeedRandom(3);
    auto centre = Put(3, 3, 1);
    auto east = Put(5, 3, 2);
    auto corner = Put(0, 0, 3);
    Gems->SpreadAll();
    EXPECT_FALSE(Gems->Contains(*centre));
    EXPECT_EQ(Gems->Count(), 2);
    EXPECT_EQ(east->dy, 0);
    EXPECT_GE(east->dx, 132 * 0.00758f);
    EXPECT_LE(east->dx, 132 * 0.01212f);
    EXPECT_EQ(corner->dx, corner->dy);
    EXPECT_LT(corner->dx, 0);
    EXPECT_GE(corner->RotationSpeed, 0.5f);
    EXPECT_LE(corner->RotationSpeed, 1.0f);
    const float x = east->x;
    Gems->MoveAll();
    EXPECT_FLOAT_EQ(east->x, x + east->dx);
    EXPECT_FLOAT_EQ(east->Rotation, east->RotationSpeed);
}

TEST_F(GemListTest, AtTheEndEveryGemExplodesOrFliesAwayFromTheCentre) {
    NewBoard(7, 7);
    auto east = Put(5, 3, 2);
    auto skull = Put(1, 1, GEM_SKULL);
    Gems->ExplodeAll(0);
    EXPECT_EQ(east->GemType, GEM_CLEARED);
    EXPECT_EQ(east->ExplosionShow, 0);
    EXPECT_EQ(east->ExplosionCounter, east->ExplosionLength);
    EXPECT_GE(east->dx, 165 * 0.00758f) << "from the middle cell's corner to the gem's centre";
    EXPECT_LE(east->dx, 165 * 0.01515f);
    EXPECT_EQ(skull->GemType, GEM_CLEARED);

    NewBoard(7, 7);
    auto kept = Put(1, 1, GEM_SKULL);
    Gems->ExplodeAll(1);
    EXPECT_EQ(kept->GemType, GEM_CLEARED) << "skulls go too";
    EXPECT_EQ(kept->ExplosionShow, 0);
    EXPECT_EQ(BoardEffects.Count(), 4 + 2);
}

TEST_F(GemListTest, RemainingSkullsAndMagicGemsCanBeClearedTogether) {
    auto skull = Put(1, 1, GEM_SKULL);
    auto magic = Put(2, 1, 3);
    auto plain = Put(3, 1, 3);
    magic->Magic = 1;
    Gems->ExplodeSpecialItems(GEM_SKULL);
    Gems->ExplodeMagicGems();
    EXPECT_EQ(skull->GemType, GEM_CLEARED);
    EXPECT_EQ(magic->GemType, GEM_CLEARED);
    EXPECT_EQ(plain->GemType, 3);
}

TEST_F(GemListTest, TheTarotSpinsTheFreeGemsColumnByColumnAndPutsThemBack) {
    auto even = Put(2, 2, 1);
    auto odd = Put(3, 2, 1);
    auto chained = Put(4, 2, 1);
    chained->locked = 1;
    const TGemRefs spinnable = Gems->GetSpinnable();
    EXPECT_EQ(spinnable, (TGemRefs{even, odd}));
    // The pivot between the two: one turns a quarter one way, the other the other way, both to above it.
    const float cx = even->x + 33, cy = even->y;
    Gems->SetTarotAngle(90, cx, cy, spinnable, 0.5f);
    EXPECT_NEAR(even->x, cx, 1e-3);
    EXPECT_NEAR(even->y, cy - 16.5f, 1e-3) << "at half the distance";
    EXPECT_NEAR(odd->x, cx, 1e-3);
    EXPECT_NEAR(odd->y, cy - 16.5f, 1e-3);
    Gems->RecalcCoords(spinnable);
    EXPECT_EQ(even->x, GridToScreenX(2) + 33);
    EXPECT_EQ(even->y, GridToScreenY(2) + 33);
}

}  // namespace
}  // namespace murkwell::test
