// The autoplayer's choice on boards built in the test: what the open goals ask for wins over a plain run,
// and a charged power-up goes where it pays.
#include <functional>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "app/autoplay/BoardModel.h"
#include "app/autoplay/BoardPolicy.h"
#include "game/board/HUDPowerupRow.h"
#include "game/save/SaveData.h"
#include "tests/game/board/PlayTestSupport.h"

namespace {

using murkwell::test::PlayFixture;

// A 7 × 6 board of colours 5 to 9 laid so that no swap among them makes a run, with the case's words put
// at their cells.
std::string Laid(std::initializer_list<std::tuple<int, int, const char*>> words) {
    constexpr int kWidth = 7, kHeight = 6;
    std::vector<std::vector<std::string>> cells(kHeight, std::vector<std::string>(kWidth));
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) cells[y][x] = std::to_string(5 + (x + 2 * y) % 5);
    }
    for (const auto& [x, y, word] : words) cells[y][x] = word;
    std::string text;
    for (const auto& row : cells) {
        for (const auto& word : row) text += word + " ";
        text += "\n";
    }
    return text;
}

class BoardPolicyTest : public PlayFixture {
protected:
    BoardPolicyTest() {
        LoadHUDPowerupPictures();
        CreateHUDPowerups();
    }
    ~BoardPolicyTest() override { HUDPowerups = {}; }

    // The choice, the same under every seed: a tie broken at random would show as a mismatch.
    TBoardAction Choose(bool timed = true) {
        TPlayStyle style;
        style.timed = timed;
        std::mt19937 first(1);
        const TBoardAction action = TBoardPolicy(style).Choose(first);
        for (uint32_t seed = 2; seed <= 8; ++seed) {
            std::mt19937 random(seed);
            const TBoardAction again = TBoardPolicy(style).Choose(random);
            EXPECT_TRUE(again.kind == action.kind && again.at == action.at && again.to == action.to)
                << "seed " << seed;
        }
        return action;
    }
};

// Two runs of three to choose from, in different rows, each made by a swap along its row.
TEST_F(BoardPolicyTest, TheOpenGoalDecidesBetweenTwoRunsOfThree) {
    struct Case {
        const char* what;
        std::string board;
        std::function<void()> goals;
        int row;  // the run chosen
    };
    const Case cases[] = {
        {"the goal's colour",
         Laid({{0, 0, "1"}, {1, 0, "1"}, {3, 0, "1"}, {0, 4, "2"}, {1, 4, "2"}, {3, 4, "2"}}),
         [] { Grid->GoalMatches = 10, Grid->GoalMatchesType = 2; }, 4},
        {"the goal's other colour",
         Laid({{0, 0, "1"}, {1, 0, "1"}, {3, 0, "1"}, {0, 4, "2"}, {1, 4, "2"}, {3, 4, "2"}}),
         [] { Grid->GoalMatches = 10, Grid->GoalMatchesType = 1; }, 0},
        {"gold tiles under the run",
         Laid({{0, 0, "1g"}, {1, 0, "1g"}, {3, 0, "1g"}, {0, 4, "2"}, {1, 4, "2"}, {3, 4, "2"}}),
         [] { Grid->GoalArmour = 1; }, 0},
        {"a chained gem over a tile freed",
         Laid({{0, 0, "1"}, {1, 0, "1"}, {3, 0, "1"}, {0, 4, "2lg"}, {1, 4, "2"}, {3, 4, "2"}}),
         [] { Grid->GoalArmour = 1; }, 4},
        {"a rock beside the run",
         Laid({{0, 0, "1"}, {1, 0, "1"}, {3, 0, "1"}, {0, 4, "2"}, {1, 4, "2"}, {3, 4, "2"}, {1, 5, "6r"}}),
         [] { Grid->GoalRock = 1; }, 4},
        {"the skull above the run comes down",
         Laid({{0, 1, "1"}, {1, 1, "1"}, {3, 1, "1"}, {1, 0, "S"}, {3, 4, "2"}, {4, 4, "2"}, {6, 4, "2"}}),
         [] { Grid->GoalCollect = 1; }, 1},
        {"a cascade of the goal's colour after the run",
         Laid({{0, 0, "1"},
               {1, 0, "1"},
               {3, 0, "1"},
               {0, 4, "2"},
               {1, 4, "2"},
               {3, 4, "2"},
               {2, 4, "3"},
               {1, 3, "3"},
               {2, 3, "3"}}),
         [] { Grid->GoalMatches = 10, Grid->GoalMatchesType = 3; }, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Build(c.board);
        Grid->GoalMatches = Grid->GoalArmour = Grid->GoalRock = Grid->GoalCollect = 0;
        c.goals();
        const TBoardAction action = Choose();
        ASSERT_EQ(action.kind, TBoardAction::Kind::Swap);
        EXPECT_EQ(action.at.y, c.row);
        EXPECT_EQ(action.to.y, c.row);
    }
}

TEST_F(BoardPolicyTest, ChargedPowerUpsGoWhereTheyPay) {
    const std::string board = Laid({{0, 0, "1"}, {1, 0, "1"}, {3, 0, "1"}, {5, 4, "8r"}, {2, 2, "6l"}});
    struct Case {
        const char* what;
        int item;  // the power-up bought and charged
        std::function<void()> goals;
        TBoardAction::Kind kind;
        TCellPoint at;
    };
    const Case cases[] = {
        {"the hammer to the rock", 30, [] { Grid->GoalRock = 1; }, TBoardAction::Kind::Powerup, {5, 4}},
        {"the broom to the chain", 27, [] {}, TBoardAction::Kind::Powerup, {2, 2}},
        {"the shuffle kept while a swap is left", 15, [] {}, TBoardAction::Kind::Swap, {2, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Build(board);
        SaveData.Init();
        SaveData.shopPurchases[c.item] = ShopItem::PURCHASED;
        c.goals();
        for (const auto& powerup : HUDPowerups) powerup->ChargeFully();
        const TBoardAction action = Choose();
        ASSERT_EQ(action.kind, c.kind);
        EXPECT_EQ(c.kind == TBoardAction::Kind::Swap ? std::min(action.at.x, action.to.x) : action.at.x,
                  c.at.x);
        EXPECT_EQ(action.at.y, c.at.y);
        EXPECT_EQ(action.carried, c.kind == TBoardAction::Kind::Powerup);
    }
}

TEST_F(BoardPolicyTest, CoinsComeFirstAndABombWaitsUntilItPaysWhenRelaxed) {
    Build(Laid({{0, 0, "1"}, {1, 0, "1"}, {3, 0, "1"}, {4, 4, "c"}}));
    EXPECT_EQ(Choose().kind, TBoardAction::Kind::Pickup);
    EXPECT_EQ(Choose().at, (TCellPoint{4, 4}));
    // A lone small bomb in a corner clears as much as the run of three: against the clock it goes now,
    // relaxed it waits; on tiles it clears more.
    Build(Laid({{0, 0, "1"}, {1, 0, "1"}, {3, 0, "1"}, {6, 5, "b15"}}));
    EXPECT_EQ(Choose(false).kind, TBoardAction::Kind::Swap);
    EXPECT_EQ(Choose(true).kind, TBoardAction::Kind::Bomb);
    Build(Laid(
        {{0, 0, "1"}, {1, 0, "1"}, {3, 0, "1"}, {6, 5, "b15"}, {5, 5, "6g"}, {5, 4, "5g"}, {6, 4, "9g"}}));
    Grid->GoalArmour = 1;
    const TBoardAction bomb = Choose(false);
    EXPECT_EQ(bomb.kind, TBoardAction::Kind::Bomb);
    EXPECT_EQ(bomb.at, (TCellPoint{6, 5}));
}

TEST(BoardPolicyWorth, CountsWhatTheGoalsStillWant) {
    using Goals = TBoardPolicy::TOpenGoals;
    auto worth = [](TOutcome outcome, Goals goals) { return TBoardPolicy::Worth(outcome, goals); };
    TOutcome three, five;
    three.cleared = 3, three.goalGems = 3, three.tiles = 3;
    five.cleared = 5, five.goalGems = 5, five.tiles = 5;
    Goals twoOfColour, manyOfColour, none;
    twoOfColour.colour = 2;
    manyOfColour.colour = 40, manyOfColour.tiles = 40;
    // Past what a goal wants, only the gems count.
    EXPECT_DOUBLE_EQ(worth(five, twoOfColour) - worth(three, twoOfColour), 2.0);
    // A goal met, and with it the level, is worth more than any number of gems towards a goal far off.
    EXPECT_GT(worth(three, twoOfColour), worth(five, manyOfColour));
    // Goals met or not set count nothing.
    EXPECT_DOUBLE_EQ(worth(five, none), 5.0);
}

// The look ahead on a copy: a run cleared, the gems above fall and line up again; skulls come down and
// are taken at the bottom; the game's board is left as it was.
TEST_F(BoardPolicyTest, TheModelClearsFallsAndCascades) {
    Build(
        "5 6 3 7\n"
        "6 S 5 8\n"
        "3 1 3 7\n"
        "1 3g 1 8\n");
    const std::string before = PlayFixture::Board();
    TBoardModel model = TBoardModel::Look();
    model.goalColour = 1;
    // The swap makes a row of 3s and, below it, a row of 1s; the skull falls to the bottom with them gone.
    const TOutcome outcome = model.Swap({1, 2}, {1, 3});
    EXPECT_EQ(outcome.cleared, 6);
    EXPECT_EQ(outcome.goalGems, 3);
    EXPECT_EQ(outcome.tiles, 1);
    EXPECT_EQ(outcome.skullRows, 2);
    EXPECT_EQ(outcome.skullsHome, 1);
    EXPECT_EQ(PlayFixture::Board(), before);
}

}  // namespace
