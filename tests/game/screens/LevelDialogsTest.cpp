// The story around the levels: the table of messages and their pictures, a chapter's story every time
// and a found-item or shop message once per player (remembered in the profile across a save and a
// reload), the story holding a level's intro until it is read, and the shop keeper's word with the
// pumpkin's arrow after it.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "framework/gfx/GameText.h"
#include "framework/gfx/ImageBank.h"
#include "framework/gfx/Label.h"
#include "framework/profile/Profile.h"
#include "framework/sprites/Animation.h"
#include "game/save/ProfileHooks.h"
#include "game/save/ShopItem.h"
#include "game/screens/LevelDialogs.h"
#include "game/screens/PurchaseDialog.h"
#include "game/screens/ShopScreen.h"
#include "game/screens/TipArrow.h"
#include "game/screens/Tutorial.h"
#include "tests/game/screens/GameScreenFixture.h"

namespace {

class LevelDialogsTest : public murkwell::test::GameScreenFixture {
protected:
    LevelDialogsTest() {
        LevelEvents.StoryShown = [this](const std::string& key) { stories.push_back(key); };
    }
    ~LevelDialogsTest() override { ShopScreen.reset(); }
    // The named player's profile, read from its file, made the current one.
    void UsePlayer(const std::string& name) {
        auto profile = TProfile::Create(name);
        AttachSaveData(*profile);
        profile->Load();
        game().CurrentProfile = profile;
    }
    int Anim(int ms) { return static_cast<int>(game().CalcAnimLength(static_cast<float>(ms))); }

    std::vector<std::string> stories;
};

TEST_F(LevelDialogsTest, EveryMessageHasItsTextsAndPicture) {
    const int counts[] = {11, 13, 19};
    int seen[3] = {};
    std::set<int> hints;
    for (const LevelDialogInfo& entry : LevelDialogs::Entries()) {
        SCOPED_TRACE(entry.text);
        ASSERT_TRUE(entry.DialogTiming >= 0 && entry.DialogTiming <= 2);
        ++seen[entry.DialogTiming];
        EXPECT_FALSE(GameText.FindString(entry.text).empty());
        const bool shop = entry.DialogTiming == LevelDialogs::SHOP_SCREEN;
        EXPECT_EQ(entry.title.empty(), shop);
        EXPECT_EQ(entry.PictureFile.empty(), shop);
        EXPECT_EQ(entry.HintID == -1, entry.DialogTiming == LevelDialogs::PRE_LEVEL);
        if (!shop) {
            EXPECT_FALSE(GameText.FindString(entry.title).empty());
            EXPECT_NE(ImageBank.Find(entry.PictureFile, 1), nullptr);
        }
        if (entry.HintID != -1) {
            EXPECT_TRUE(hints.insert(entry.HintID).second) << "a hint flag of its own";
        }
    }
    for (int t = 0; t < 3; ++t) EXPECT_EQ(seen[t], counts[t]) << t;
    // The chapters' stories open where the backgrounds change, and at the last level.
    for (const int level : {4, 9, 17, 27, 37, 47, 59, 72, 86}) {
        EXPECT_NE(TGameScreen::BackgroundFor(level), TGameScreen::BackgroundFor(level - 1)) << level;
    }
    EXPECT_NE(LevelDialogs::GetPreLevelDialog(100), nullptr);
}

TEST_F(LevelDialogsTest, AChaptersStoryShowsEveryTimeAndAFoundItemOncePerPlayerAcrossAReload) {
    const std::string me = game().CurrentProfile->Name;
    for (int i = 0; i < 2; ++i) EXPECT_NE(LevelDialogs::GetPreLevelDialog(1), nullptr) << "every time";
    EXPECT_NE(LevelDialogs::GetPostLevelDialog(1), nullptr);
    EXPECT_EQ(LevelDialogs::GetPostLevelDialog(1), nullptr) << "once";
    EXPECT_EQ(LevelDialogs::GetPostLevelDialog(3), nullptr) << "level 3 has none";
    UsePlayer(me);
    EXPECT_EQ(LevelDialogs::GetPostLevelDialog(1), nullptr) << "remembered in the saved profile";
    EXPECT_NE(LevelDialogs::GetPostLevelDialog(2), nullptr) << "another level's is its own";
    UsePlayer("Another");
    EXPECT_NE(LevelDialogs::GetPostLevelDialog(1), nullptr) << "another player reads it too";
    UsePlayer(me);
    game().CurrentProfile->ClearHints();
    EXPECT_NE(LevelDialogs::GetPostLevelDialog(1), nullptr) << "hints cleared, told again";
    EXPECT_EQ(stories, (std::vector<std::string>{"StoryMessageText1", "StoryMessageText1",
                                                 "FoundItemMessageText1", "FoundItemMessageText2",
                                                 "FoundItemMessageText1", "FoundItemMessageText1"}));
}

TEST_F(LevelDialogsTest, TheShopsWordIsAskedForOnceButShownWhenTheShopForcesIt) {
    EXPECT_EQ(LevelDialogs::HasShopLevelDialog(3), 0);
    EXPECT_EQ(LevelDialogs::HasShopLevelDialog(2), 1);
    EXPECT_EQ(LevelDialogs::HasShopLevelDialog(2), 0) << "asking marks it said";
    EXPECT_EQ(LevelDialogs::GetShopLevelDialog(2, 0), nullptr);
    const auto dialog = LevelDialogs::GetShopLevelDialog(2, 1);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->Caption->Text, GameText.FindString("ShopMessage0"));
    EXPECT_EQ(dialog->TextHeader->Text, GameText.FindString("Shop Keeper")) << "her own name heads her word";
    EXPECT_EQ(dialog->Picture, nullptr);
}

TEST_F(LevelDialogsTest, TheChaptersStoryHoldsTheIntroUntilItIsReadAndComesBackWithARestart) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        SCOPED_TRACE(attempt);
        if (attempt == 0) {
            Enter(1);
        } else {
            GameScreen->RestartLevel();
        }
        int ticks = 0;
        while (!GameScreen->MessageDialog && GameScreen->IntroAnim->Active && ticks++ < 3000) Ticks(1);
        ASSERT_NE(GameScreen->MessageDialog, nullptr);
        const double left = GameScreen->IntroAnim->Counter;
        EXPECT_LE(left, Anim(1150));
        EXPECT_GT(left, Anim(1150) - 2);
        EXPECT_NE(GameScreen->MessageDialog->Picture, nullptr);
        Ticks(Anim(3000));
        EXPECT_EQ(GameScreen->IntroAnim->Counter, left) << "the intro waits";
        CloseStory(GameScreen->MessageDialog);
        EXPECT_EQ(GameScreen->MessageDialog, nullptr);
        Ticks(Anim(1200));
        EXPECT_FALSE(GameScreen->IntroAnim->Active);
    }
    EXPECT_EQ(stories, (std::vector<std::string>{"StoryMessageText1", "StoryMessageText1"}));
}

TEST_F(LevelDialogsTest, TheShopOpensWithTheKeepersWordAndThenShowsThePumpkin) {
    std::vector<std::string> tips;
    LevelEvents.TipShown = [&](const std::string& key) { tips.push_back(key); };
    Player.Level = Player.Unlocked = 2;
    LevelCompleteScreen = std::make_shared<TLevelCompleteScreen>();
    LevelCompleteScreen->ShowShopMessage = LevelDialogs::HasShopLevelDialog(2);
    ShopScreen = std::make_shared<TShopScreen>();
    ShopScreen->PreStart();
    ASSERT_NE(ShopScreen->MessageDialog, nullptr);
    EXPECT_EQ(LevelCompleteScreen->ShowShopMessage, 0);
    EXPECT_TRUE(tips.empty());
    CloseStory(ShopScreen->MessageDialog);
    EXPECT_EQ(tips, std::vector<std::string>{"Pumpkin Tip"});
    ASSERT_EQ(Tutorial.TipArrowsCount, 1);
    EXPECT_EQ(Tutorial.TipArrows[0]->x, ShopScreen->GetImagePosX(0)) << "over the pumpkin's button";
    // Bought: the arrow has done its work.
    ClickAt(ShopScreen->GetImagePosX(0), TShopScreen::BAR_Y);
    Frames(70);
    ASSERT_NE(ShopScreen->PurchaseDialog, nullptr);
    ClickButton(*ShopScreen->PurchaseDialog->Menu, "Buy");
    Frames(70);
    EXPECT_EQ(SaveData.GetShopItemStatus(1), ShopItem::PURCHASED);
    EXPECT_EQ(Tutorial.TipArrowsCount, 0);
}

}  // namespace
