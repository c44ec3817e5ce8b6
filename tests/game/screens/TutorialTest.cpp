// The tips of the first levels: which one shows on which level, the ones the tips setting switches off and
// the ones it does not, the once-tips that never come twice in a level, the first swap's tip, a tip closed
// by a click that the board under it never hears of, the goals of the HUD, and the limit of five.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/sprites/Animation.h"
#include "framework/sprites/Sprite.h"
#include "game/save/ShopItem.h"
#include "game/screens/DynamicTip.h"
#include "game/screens/TipArrow.h"
#include "game/screens/Tutorial.h"
#include "tests/game/screens/GameScreenFixture.h"

namespace {

class TutorialTest : public murkwell::test::GameScreenFixture {
protected:
    TutorialTest() {
        LevelEvents.TipShown = [this](const std::string& key) { tips.push_back(key); };
    }
    // The level entered and its intro played to the end, its story read.
    void PlayIntro(int level) {
        Enter(level);
        RunIntro();
    }
    void RunIntro() {
        for (int i = 0; i < 3000 && GameScreen->IntroAnim->Active; ++i) {
            if (GameScreen->MessageDialog) CloseStory(GameScreen->MessageDialog);
            Ticks(1);
        }
        ASSERT_FALSE(GameScreen->IntroAnim->Active);
        Ticks(10);
    }
    int Anim(int ms) { return static_cast<int>(game().CalcAnimLength(static_cast<float>(ms))); }
    static const TDynamicTip* Box(int i = 0) { return Tutorial.Tips[static_cast<size_t>(i)].get(); }
    static int GoalRowY(int row) { return TTutorial::GOAL_ROWS_Y + TTutorial::GOAL_ROW_STEP * row; }

    std::vector<std::string> tips;
};

TEST_F(TutorialTest, EachTutorialLevelStartsWithItsOwnTipAndOthersWithNone) {
    struct Case {
        int level;
        const char* tip;  // "" for none
        int arrows;
        bool glow;
        int boxX, boxY;  // -1: not checked
    };
    const Case cases[] = {
        {1, "Hint 1", 1, true, 338, 77},
        {2, "Hint 2", 1, true, 484, -6},
        {3, "Hint 3", 1, true, 375, 60},
        {4, "Hint 4", 1, false, -1, -1},
        {5, "Hint 5", 2, false, -1, GoalRowY(1) - 60},
        {6, "Hint 6", 1, true, 372, 290},
        {7, "Hint 7", 2, false, -1, -1},
        {8, "", 0, false, -1, -1},
        {9, "Hint 9", 1, true, 375, 160},
        {10, "Hint 10", 3, false, -1, -1},
        {11, "", 0, false, -1, -1},
        {13, "Hint 13", 1, true, 408, 95},
        {17, "Hint 17", 1, true, 343, 125},
        {18, "", 0, false, -1, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.level);
        tips.clear();
        PlayIntro(c.level);
        const bool any = *c.tip != 0;
        EXPECT_EQ(tips, any ? std::vector<std::string>{c.tip} : std::vector<std::string>{});
        EXPECT_EQ(Tutorial.TipsCount, any ? 1 : 0);
        EXPECT_EQ(Tutorial.TipArrowsCount, c.arrows);
        EXPECT_EQ(Tutorial.TipGlowSprite != nullptr, c.glow);
        EXPECT_EQ(Tutorial.CurrentTip, any ? 1 : 0) << "waiting for the first swap";
        if (!any) continue;
        if (c.boxX >= 0) {
            EXPECT_EQ(Box()->x, c.boxX);
        }
        if (c.boxY != -1) {
            EXPECT_EQ(Box()->y, c.boxY);
        }
        EXPECT_FALSE(Box()->_textWrapped.empty());
    }
}

TEST_F(TutorialTest, TheTipsSettingSilencesEveryTipButThePumpkinAndTheMagicGem) {
    SaveData.showTips = 0;
    PlayIntro(1);
    Tutorial.ShowSwapCompleteTip();
    Tutorial.ShowNearlyDoneTip();
    EXPECT_EQ(Tutorial.ShowGoalArrowTip(1, TTutorial::TIP_MS), 0);
    PlayIntro(5);
    Tutorial.ShowGoalCompleteTip();
    EXPECT_TRUE(tips.empty());
    EXPECT_EQ(Tutorial.TipsCount + Tutorial.TipArrowsCount, 0);
    PlayIntro(4);
    Tutorial.ShowMagicTip();
    Player.Level = 2;
    Tutorial.ShowPumpkinTip();
    EXPECT_EQ(tips, (std::vector<std::string>{"Hint Magic", "Pumpkin Tip"}));
}

TEST_F(TutorialTest, OnceTipsComeOnceALevelAndThePumpkinNeverWhenItIsBought) {
    struct Case {
        int level;
        int (TTutorial::*show)();
        const char* tip;
    };
    const Case cases[] = {
        {1, &TTutorial::ShowNearlyDoneTip, "Hint 1c"},   {3, &TTutorial::ShowNearlyDoneTip, "Hint 3c"},
        {5, &TTutorial::ShowGoalCompleteTip, "Hint 5c"}, {4, &TTutorial::ShowMagicTip, "Hint Magic"},
        {2, &TTutorial::ShowPumpkinTip, "Pumpkin Tip"},  {1, &TTutorial::ShowSwapCompleteTip, "Hint 1b"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tip);
        PlayIntro(c.level);
        tips.clear();
        for (int i = 0; i < 3; ++i) (Tutorial.*c.show)();
        EXPECT_EQ(tips, std::vector<std::string>{c.tip});
        // A new start of the level is a new chance.
        GameScreen->RestartLevel();
        RunIntro();
        tips.clear();
        (Tutorial.*c.show)();
        EXPECT_EQ(tips, std::vector<std::string>{c.tip});
    }
    // Nearly done and goal complete belong to their own levels.
    PlayIntro(8);
    tips.clear();
    Tutorial.ShowNearlyDoneTip();
    Tutorial.ShowGoalCompleteTip();
    Tutorial.ShowMagicTip();
    Tutorial.ShowPumpkinTip();
    EXPECT_TRUE(tips.empty());
    PlayIntro(2);
    SaveData.PurchaseItem(1);
    tips.clear();
    Tutorial.ShowPumpkinTip();
    EXPECT_TRUE(tips.empty()) << "the pumpkin is bought";
}

TEST_F(TutorialTest, TheFirstSwapTurnsTheStartTipIntoTheGoalTip) {
    PlayIntro(1);
    const float startArrowY = Tutorial.TipArrows[0]->y;
    EXPECT_FLOAT_EQ(startArrowY, static_cast<float>(Grid->sy + 259));
    EXPECT_FLOAT_EQ(Tutorial.TipArrows[0]->x, static_cast<float>(Grid->sx + 231));
    Tutorial.ShowSwapCompleteTip();
    EXPECT_EQ(Tutorial.CurrentTip, 0);
    EXPECT_EQ(Tutorial.TipGlowSprite, nullptr);
    EXPECT_TRUE(Box(0)->FadingOut()) << "the start tip goes";
    ASSERT_EQ(Tutorial.TipsCount, 2);
    EXPECT_EQ(Box(1)->tag, "Hint 1b");
    EXPECT_EQ(Box(1)->y, GoalRowY(1) - 88);
    ASSERT_EQ(Tutorial.TipArrowsCount, 2);
    EXPECT_EQ(Tutorial.TipArrows[1]->y, GoalRowY(1)) << "at the goal's row";
    EXPECT_EQ(Tutorial.TipArrows[1]->_bounceDirectionX, -1);
    // Both go by themselves after five seconds.
    Ticks(Anim(TTutorial::TIP_MS) + Anim(1000));
    EXPECT_EQ(Tutorial.TipsCount + Tutorial.TipArrowsCount, 0);
}

TEST_F(TutorialTest, AClickInsideATipClosesItAndNeverReachesTheBoardUnderIt) {
    PlayIntro(1);
    ClickAt(200, 700);
    EXPECT_FALSE(Box()->FadingOut()) << "a click elsewhere leaves it";
    // Inside the box, over the board's top-left gem.
    const float x = Box()->x + 40, y = Box()->y + 200;
    ASSERT_GE(x, Grid->sx);
    ASSERT_GE(y, Grid->sy);
    ClickAt(x, y);
    EXPECT_EQ(Tutorial.TipsCount == 0 || Box()->FadingOut(), true);
    EXPECT_EQ(Grid->cx, -1) << "no gem selected";
    Ticks(Anim(1000));
    EXPECT_EQ(Tutorial.TipsCount, 0);
    EXPECT_EQ(Tutorial.TipArrowsCount, 0) << "its arrow went with it";
    ClickAt(x, y);
    EXPECT_NE(Grid->cx, -1) << "with the tip gone the board takes the click";
}

TEST_F(TutorialTest, AGoalOfTheHudPointsAtItsOwnRowAndAnEmptyRowShowsNothing) {
    PlayIntro(3);  // the gold tiles are the level's only goal, listed first
    ClickAt(50, static_cast<float>(GoalRowY(2)));
    EXPECT_EQ(tips, std::vector<std::string>{"Hint 3"}) << "an empty row shows nothing";
    EXPECT_EQ(Tutorial.TipsCount + Tutorial.TipArrowsCount, 0) << "the tips showing made way";
    ClickAt(50, static_cast<float>(GoalRowY(1)));
    EXPECT_EQ(tips.back(), "Goal Tip");
    ASSERT_EQ(Tutorial.TipArrowsCount, 1);
    EXPECT_EQ(Tutorial.TipArrows[0]->y, GoalRowY(1));
    // A goal met has nothing more to say.
    BoardEvents.Goal2Done = 1;
    EXPECT_EQ(Tutorial.ShowGoalArrowTip(2, TTutorial::TIP_MS), 0);
}

TEST_F(TutorialTest, ASixthBoxOrArrowIsRefused) {
    PlayIntro(8);
    for (int i = 0; i < TTutorial::MAX_TIPS; ++i) {
        EXPECT_NE(Tutorial.CreateDynamicTip("h", "t", 0, 0, 0, 1), nullptr);
        EXPECT_NE(Tutorial.CreateDynamicTipArrow(Tutorial.ArrowImage, 0, 0, 0, "", 0, 1, 0), nullptr);
    }
    EXPECT_EQ(Tutorial.CreateDynamicTip("h", "t", 0, 0, 0, 1), nullptr);
    EXPECT_EQ(Tutorial.CreateDynamicTipArrow(Tutorial.ArrowImage, 0, 0, 0, "", 0, 1, 0), nullptr);
    EXPECT_EQ(Tutorial.TipsCount, TTutorial::MAX_TIPS);
    Tutorial.FadeTips();
    Ticks(Anim(1000));
    EXPECT_EQ(Tutorial.TipsCount + Tutorial.TipArrowsCount, 0);
}

}  // namespace
