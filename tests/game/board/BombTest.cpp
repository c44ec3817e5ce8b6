// Bombs and bonus items: which cells each bomb hits at both levels, chains, what a blast spares, the birth
// of bonus items from the shop's items and chances, and the areas and hits of the three dragged power-ups.
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

#include "game/board/HUDPowerup.h"
#include "tests/game/board/PlayTestSupport.h"

namespace {

using murkwell::test::PlayFixture;

class BombTest : public PlayFixture {
protected:
    // What happened to each cell, row by row: x exploded, c rock cracked, o untouched, # a hole.
    std::string Hits(const std::vector<std::string>& before) const {
        std::string hits;
        for (int y = 0; y < Grid->levelheight; ++y) {
            if (y) hits += ' ';
            for (int x = 0; x < Grid->levelwidth; ++x) {
                const TCell& cell = *Cells[x][y];
                const TGem* gem = cell.Gem.get();
                const std::string& was = before[y * Grid->levelwidth + x];
                hits += !cell.active                                            ? '#'
                        : gem && gem->GemType == GEM_CLEARED                    ? 'x'
                        : was.find('R') != std::string::npos && gem->rocked < 2 ? 'c'
                                                                                : 'o';
            }
        }
        return hits;
    }
    static std::vector<std::string> Words(const std::string& layout) {
        std::vector<std::string> words;
        std::istringstream in(layout);
        for (std::string word; in >> word;) words.push_back(word);
        return words;
    }
    static void Own(std::initializer_list<int> items) {
        for (const int item : items) SaveData.shopPurchases[item] = ShopItem::PURCHASED;
    }
    // The types of count bonus items born at (0, 0) from runs of the kind.
    std::vector<int> Births(int kind, int count) {
        std::vector<int> types;
        for (int i = 0; i < count; ++i) {
            Player.levelCoinsSpawned = Player.levelBagsSpawned = 0;
            Grid->CreateBonus(0, 0, kind);
            types.push_back(Cells[0][0]->Gem->GemType);
            Gems->Clear();
        }
        return types;
    }
};

TEST_F(BombTest, EachBombHitsItsShapeAtBothLevelsAroundHolesChainsAndRocks) {
    // Stripes of five colours (no run anywhere), a hole in the middle row, a chained gem above the centre
    // (a blast explodes it, chain and all) and a strong rock down-left of it (a blast cracks it); the bomb
    // stands in the centre.
    const std::string board =
        "1 2 3 4 5 1 2\n3 4 5 1l 2 3 4\n5 1 2 3 4 5 1\n2 3 4 B 1 2 #\n4 5 1 2 3 4 5\n1 2R 3 4 5 1 2\n"
        "3 4 5 1 2 3 4\n";
    struct Case {
        int type;
        const char* hits;
    };
    const Case cases[] = {
        {15, "ooooooo ooooooo ooxxxoo ooxxxo# ooxxxoo ooooooo ooooooo"},
        {23, "ooooooo ooxxxoo oxxxxxo oxxxxx# oxxxxxo ooxxxoo ooooooo"},
        {16, "ooooooo ooooooo ooooooo xxxxxx# ooooooo ooooooo ooooooo"},
        {24, "ooooooo ooooooo xxxxxxx xxxxxx# xxxxxxx ooooooo ooooooo"},
        {17, "oooxooo oooxooo oooxooo oooxoo# oooxooo oooxooo oooxooo"},
        {25, "ooxxxoo ooxxxoo ooxxxoo ooxxxo# ooxxxoo ooxxxoo ooxxxoo"},
        {18, "ooooooo oooxooo oooxooo oxxxxx# oooxooo oooxooo ooooooo"},
        {26, "oooxooo oooxooo oooxooo xxxxxx# oooxooo oooxooo oooxooo"},
        {19, "ooooooo oxoooxo ooxoxoo oooxoo# ooxoxoo ocoooxo ooooooo"},
        {27, "xooooox oxoooxo ooxoxoo oooxoo# ooxoxoo ocoooxo xooooox"},
        {20, "ooooooo oxoxoxo ooxxxoo oxxxxx# ooxxxoo ocoxoxo ooooooo"},
        {28, "xooxoox oxoxoxo ooxxxoo xxxxxx# ooxxxoo ocoxoxo xooxoox"},
        {21, "ooxxxoo oxxxxxo xxxxxxx xxxxxx# xxxxxxx ocxxxxo ooxxxoo"},
        {29, "ooxxxoo oxxxxxo xxxxxxx xxxxxx# xxxxxxx ocxxxxo ooxxxoo"},
    };
    for (const Case& c : cases) {
        std::string layout = board;
        layout.replace(layout.find('B'), 1, "b" + std::to_string(c.type));
        Build(layout);
        const int used = Player.levelBonusesUsed;
        ASSERT_EQ(Grid->ActivateBonus(*Cells[3][3]->Gem, 3, 3), 1);
        EXPECT_EQ(Hits(Words(layout)), c.hits) << "bomb " << c.type;
        // The well counts itself and its cross and diagonal parts.
        EXPECT_EQ(Player.levelBonusesUsed - used, c.type % 8 == 4 ? 3 : 1) << "bomb " << c.type;
        EXPECT_EQ(Grid->BonusPower, c.type > GEM_COIN || c.type % 8 == 5 ? 2 : 1) << "bomb " << c.type;
        Grid->BonusPower = 1;
    }
}

TEST_F(BombTest, TheUpgradedLanternOnTheTopRowTakesTheTwoRowsThereAre) {
    Build("1 2 b24 4\n3 4 5 1\n5 1 2 3\n2 3 4 5");
    Grid->ActivateBonus(*Cells[2][0]->Gem, 2, 0);
    EXPECT_EQ(Hits(Words(Board())), "xxxx xxxx oooo oooo");
}

TEST_F(BombTest, ABombInABlastGoesOffAtOnceAndEachChainedBombCountsOnce) {
    // The pumpkin at (1, 1) reaches the lantern at (2, 2), whose row goes too; the second pumpkin beside
    // the first goes off and its blast finds the first already gone.
    Build(R"(
        1 2 3 4 5
        3 b15 b15 1 2
        5 1 b16 3 4
        2 3 4 5 1)");
    Grid->ChainedBonuses = 1;
    Grid->ActivateBonus(*Cells[1][1]->Gem, 1, 1);
    EXPECT_EQ(Hits(Words(Board())), "xxxxo xxxxo xxxxx ooooo");
    EXPECT_EQ(Grid->ChainedBonuses, 3);
    EXPECT_EQ(Player.levelBonusesUsed, 3);
    EXPECT_EQ(Grid->BonusPower, 2) << "the rest of the tick's blasts are thinned out";
}

TEST_F(BombTest, BlastsSpareTheArmourUnderChainsAndRocksAndLeaveSkullsCoinsAndBags) {
    Build(R"(
        1g 2lg 3
        S b21 c
        4Rg $ 5G)");
    Grid->ActivateBonus(*Cells[1][1]->Gem, 1, 1);
    Settle();
    // The chained gem went with its chain but its tile stayed; the rock cracked over its tile; the upper
    // layer of the last cell broke and the coin fell onto the gold tile under it.
    EXPECT_EQ(Board(), ". .g .\nS . .\n4rg $ cg\n");
}

TEST_F(BombTest, LongRunsAndCrossingsBringTheBombsTheShopAllows) {
    Player.Level = Player.Unlocked = 5;  // no gold before level 8
    Build("1 2\n2 1");
    // The pumpkin and the garlic: a run of four never makes the garlic without the upgrade item.
    Own({1, 17});
    for (const int type : Births(1, 200)) EXPECT_EQ(type, 15);
    int garlic = 0;
    for (const int type : Births(2, 200)) garlic += type == 21 ? 1 : 0;
    EXPECT_GT(garlic, 20);
    Own({16});
    garlic = 0;
    for (const int type : Births(1, 200)) garlic += type == 21 ? 1 : 0;
    EXPECT_GT(garlic, 20) << "with the upgrade item a run of four may";
    // Upgraded bombs: the pumpkin's upgrade and a long run, or a run of four with item 16.
    SaveData.Init();
    Own({1, 2});
    for (const int type : Births(1, 50)) EXPECT_EQ(type, 15);
    for (const int type : Births(2, 50)) EXPECT_EQ(type, 23);
    // Nothing owned at all: the pumpkin after fifty tries.
    SaveData.Init();
    for (const int type : Births(1, 20)) EXPECT_EQ(type, 15);
    EXPECT_EQ(BoardEvents.TriggerBonusAppears, 1);
}

TEST_F(BombTest, OnTheFrontierAboutOneBonusItemInTenIsACoinWithTheBestCat) {
    Build("1 2\n2 1");
    Own({1, 9, 10});
    int coins = 0, bags = 0;
    for (const int type : Births(2, 3000)) {
        coins += type == GEM_COIN ? 1 : 0;
        bags += type == GEM_BAG ? 1 : 0;
    }
    // 1000 and then 500 in 10000.
    EXPECT_NEAR(coins / 3000.0, 0.10, 0.02);
    EXPECT_NEAR(bags / 3000.0, 0.045, 0.015);
    Player.Level = 9;  // a replay earns no gold
    for (const int type : Births(2, 300)) EXPECT_TRUE(type != GEM_COIN && type != GEM_BAG);
}

TEST_F(BombTest, TheDraggedPowerUpsActOnTheirShapeClippedToTheBoard) {
    Build(R"(
        1r 2l 3
        .g #  4R
        5  6  7l)");
    auto list = [](const THUDPowerInfoList& points) {
        std::string text;
        for (const THUDPowerInfo& p : points) {
            text += std::to_string(p.pos.x) + std::to_string(p.pos.y) + (p.valid ? "+ " : "- ");
        }
        return text;
    };
    struct Case {
        THUDPowerInfoList points;
        const char* expected;
    };
    const Case cases[] = {
        {Grid->GetStakePoints(1, 0, 2), "00- 10- 20+ 01+ 21- "},
        {Grid->GetStakePoints(2, 0, 0), "20+ "},
        {Grid->GetHammerPoints(0, 0, 1), "00+ 10- 01- "},
        {Grid->GetHammerPoints(2, 1, 1), "20- 21+ 22- "},
        {Grid->GetBroomPoints(1, 0, 0), "10+ "},
        {Grid->GetBroomPoints(1, 1, 2), "00- 10+ 20- 01- 21- 02- 12- 22+ "},
        {Grid->GetBombPoints(0, 0, 3), ""},
    };
    for (const Case& c : cases) EXPECT_EQ(list(c.points), c.expected);
    // The garlic's area is clipped like the others, and keeps holes as points it does not act on.
    EXPECT_EQ(list(Grid->GetMegaPoints(3, 3)), "20+ 11- 21+ 02+ 12+ 22+ ") << "the corner cut off";
}

TEST_F(BombTest, TheHammerBreaksItsCentreTheBroomUnchainsAndTheStakeClearsTileAndGem) {
    Build(R"(
        1R 2r 3
        4l 5l 6g
        7 8 9)");
    const int rocks = Grid->Rocks;
    Grid->UseHammer(0, 0, 1);
    EXPECT_EQ(Grid->Rocks, rocks - 2) << "the strong rock in the centre breaks at once";
    Grid->UseBroom(0, 1, 1);
    EXPECT_EQ(BoardEvents.TriggerUnlock, 1);
    Grid->UseStake(2, 1, 0);
    EXPECT_EQ(Grid->Gold, 0);
    Settle();
    EXPECT_EQ(Board(), "1 2 .\n4 5 3\n7 8 9\n");
}

}  // namespace
