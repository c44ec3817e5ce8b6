// The level complete panel over a won level: its table, the books it keeps (gold banked with the shop's
// bonus, the profile written and read back), the last level, a profile that cannot be written, and the
// way the player's clicks take it from the table to what comes next.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "framework/gfx/GameText.h"
#include "framework/gfx/Label.h"
#include "framework/profile/Profile.h"
#include "framework/profile/ProfileFiles.h"
#include "framework/sprites/Animation.h"
#include "framework/ui/Button.h"
#include "framework/ui/DialogOK.h"
#include "framework/ui/Menu.h"
#include "game/save/ProfileHooks.h"
#include "game/save/ShopItem.h"
#include "tests/game/screens/GameScreenFixture.h"

namespace {

constexpr int kWeb1 = 22, kWeb2 = 23;

class LevelCompleteTest : public murkwell::test::GameScreenFixture {
protected:
    // Level `level` played and won with `gold` picked up, until the panel has unrolled.
    void Win(int level, int unlocked, int gold) {
        Enter(level);
        Player.Unlocked = unlocked;
        Ticks(1000);  // the fade and the intro, up to a chapter's story
        CloseStory(GameScreen->MessageDialog);
        Ticks(1000);
        Player.LogGoldCollected(gold);
        ASSERT_EQ(GameScreen->StartOutroAnim(), 1);
        Ticks(Anim(TGameScreen::OUTRO_MS) + 2);
        ASSERT_EQ(LevelCompleteScreen->Active, 1);
    }
    // The panel unrolled and the level's found-item message, if any, read.
    void Unroll() {
        Ticks(Anim(TLevelCompleteScreen::kUnrollMs) + 2);
        CloseStory(LevelCompleteScreen->CurrentMessage);
    }
    int Anim(int ms) { return static_cast<int>(game().CalcAnimLength(ms)); }
    // Frames of the running game (input read, current screen's logic and drawing).
    void ClickButton(const std::string& name) {
        const auto button = LevelCompleteScreen->Menu->FindButton(name);
        ASSERT_TRUE(button && button->Active) << name;
        GameScreenFixture::ClickButton(*LevelCompleteScreen->Menu, name);
    }
    // What the player's file says now, read afresh.
    // (The save data is read with it.)
    TProfile ReadBack() {
        const auto profile = TProfile::Create(game().CurrentProfile->Name);
        AttachSaveData(*profile);
        EXPECT_EQ(profile->LoadAttempt(), 1);
        return *profile;
    }
};

TEST_F(LevelCompleteTest, AWonLevelBanksItsGoldWithTheShopsBonusAndWritesTheProfile) {
    struct Case {
        int web;  // the gold upgrade owned: 0 none, else its shop item
        int gold, bonus;
    };
    const Case cases[] = {{0, 40, 0}, {kWeb1, 40, 4}, {kWeb2, 40, 8}, {kWeb2, 3, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.web);
        SaveData.shopPurchases[kWeb1] = SaveData.shopPurchases[kWeb2] = 0;
        if (c.web) SaveData.shopPurchases[c.web] = ShopItem::PURCHASED;
        const int banked = SaveData.GoldAvailable();
        Win(8, 8, c.gold);
        EXPECT_EQ(SaveData.GoldAvailable(), banked) << "nothing is banked while the panel rolls in";
        EXPECT_EQ(LevelCompleteScreen->GetStatsStringForIDX(8), std::to_string(c.bonus));
        EXPECT_EQ(LevelCompleteScreen->GetStatsStringForIDX(9), std::to_string(c.gold + c.bonus));
        Unroll();
        EXPECT_EQ(SaveData.GoldAvailable(), banked + c.gold + c.bonus) << "the total shown is the total banked";
        const TProfile written = ReadBack();
        EXPECT_EQ(written.CurrentLevel, 9);
        EXPECT_EQ(written.LockedLevel, 10) << "level 9 is open";
        EXPECT_EQ(SaveData.GoldAvailable(), banked + c.gold + c.bonus) << "and so says the file";
    }
}

TEST_F(LevelCompleteTest, AReplayedLevelEarnsNoGoldAndShowsNoTilesUnlessItMovedTheFrontier) {
    struct Case {
        int level, unlocked;
        const char* tiles;
        int gold;
    };
    // Only the level at the frontier pays; the one just below it shows its tiles (it reaches the
    // frontier as the level moves on) but, played below the frontier, it earned nothing.
    const Case cases[] = {{8, 8, "3", 40}, {7, 8, "3", 0}, {5, 8, "0", 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.level);
        const int banked = SaveData.GoldAvailable();
        Enter(c.level);
        Player.Unlocked = c.unlocked;
        Ticks(1000);
        Player.levelTilesCollected = 3;
        Player.LogCoinCollected(8);
        ASSERT_EQ(GameScreen->StartOutroAnim(), 1);
        Ticks(Anim(TGameScreen::OUTRO_MS) + 2);
        EXPECT_EQ(LevelCompleteScreen->GetStatsStringForIDX(4), c.tiles);
        EXPECT_EQ(LevelCompleteScreen->GetStatsStringForIDX(6), std::to_string(c.gold));
        Unroll();
        EXPECT_EQ(SaveData.GoldAvailable(), banked + c.gold);
        EXPECT_EQ(Player.Unlocked, std::max(c.unlocked, c.level + 1));
        EXPECT_EQ(ReadBack().CurrentLevel, c.level + 1);
    }
}

TEST_F(LevelCompleteTest, ThePanelWaitsForThePlayerWhileTheWonBoardStandsStill) {
    const int banked = SaveData.GoldAvailable();
    Win(5, 5, 10);
    const float boardY = Grid->topY;
    Ticks(Anim(30000));
    EXPECT_EQ(LevelCompleteScreen->Active, 1);
    EXPECT_EQ(Player.Level, 6) << "the level moved on once";
    EXPECT_EQ(SaveData.GoldAvailable(), banked + 10) << "banked once";
    EXPECT_EQ(ends, std::vector<std::string>{"won"});
    EXPECT_FLOAT_EQ(Grid->topY, boardY) << "the board is not run under the panel";
}

TEST_F(LevelCompleteTest, TheTableNamesTheLevelJustWonAndShowsTimesAsMinutesAndSeconds) {
    Win(12, 12, 0);
    Player.LevelTimeLeft = 0;
    Player.TimeBonus = 0;
    Player.LevelTimeTaken = static_cast<float>(Anim(125000));
    EXPECT_EQ(LevelCompleteScreen->GetStatsStringForIDX(1), "2:05");
    EXPECT_EQ(LevelCompleteScreen->GetStatsStringForIDX(2), "0:00 (+0)");
    EXPECT_EQ(LevelCompleteScreen->GetStringForIDX(3), "");
    EXPECT_EQ(LevelCompleteScreen->GetStatsStringForIDX(3), "");
    EXPECT_EQ(Player.Level, 13);
    EXPECT_NE(LevelCompleteScreen->GetTitle().find("12"), std::string::npos) << LevelCompleteScreen->GetTitle();
    EXPECT_EQ(LevelCompleteScreen->GetTitle().find("13"), std::string::npos);
    for (int i : {0, 1, 2, 4, 5, 6, 8, 9}) EXPECT_FALSE(LevelCompleteScreen->GetStringForIDX(i).empty()) << i;
}

TEST_F(LevelCompleteTest, TheLastLevelStartsTheProgressOverWithoutBankingAndPlaysOnFromTheFirst) {
    const int banked = SaveData.GoldAvailable();
    Win(100, 100, 40);
    Unroll();
    EXPECT_TRUE(TLevelCompleteScreen::GameFinished());
    EXPECT_EQ(SaveData.GoldAvailable(), banked);
    const TProfile written = ReadBack();
    EXPECT_EQ(written.CurrentLevel, 1);
    EXPECT_EQ(written.Score, 0);
    LevelCompleteScreen->Close();
    EXPECT_EQ(game().DestinationTScreen, GameScreen.get()) << "until the ending is built";
    EXPECT_EQ(Player.Level, 1);
}

TEST_F(LevelCompleteTest, AProfileThatCannotBeWrittenIsReportedNotPassedOver) {
    Win(4, 4, 0);
    // A folder where the file belongs: the new file cannot be renamed over it.
    const std::string path = game().CurrentProfile->FilePath(ProfileExtension);
    std::filesystem::remove(path);
    std::filesystem::create_directories(path + "/blocked");
    Unroll();
    EXPECT_TRUE(std::filesystem::is_directory(path));
    ASSERT_NE(LevelCompleteScreen->DialogOK, nullptr) << "the player is told";
    const std::string told = LevelCompleteScreen->DialogOK->Caption->Text;
    EXPECT_NE(told.find(path), std::string::npos) << told;
    EXPECT_EQ(LevelCompleteScreen->DialogOK->TextHeader->Text, GameText.FindString("Error"));
}

TEST_F(LevelCompleteTest, ClicksWaitForThePanelThenRollItAwayAndContinueToTheNextLevel) {
    Win(3, 3, 0);
    ClickAt(512, 400);
    EXPECT_EQ(LevelCompleteScreen->Unroll->Reverse, 1) << "a click while it rolls in does nothing";
    Frames(Anim(TLevelCompleteScreen::kUnrollMs));
    ASSERT_TRUE(LevelCompleteScreen->Unroll->Finished);
    ClickButton("OK");
    EXPECT_EQ(LevelCompleteScreen->Unroll->Reverse, 0) << "rolling away";
    Frames(Anim(TLevelCompleteScreen::kUnrollMs) + 2);
    ASSERT_EQ(LevelCompleteScreen->Active, 2);
    EXPECT_FALSE(LevelCompleteScreen->Menu->FindButton("OK")->Active);
    ClickButton("Continue");
    EXPECT_EQ(game().DestinationTScreen, GameScreen.get()) << "the next level, until the map is built";
    EXPECT_TRUE(game().GameFade->Active && game().GameFade->Out);
}

TEST_F(LevelCompleteTest, AFoundItemLeadsToTheShopWhereTheKeeperHasHerSayForTheNextLevel) {
    TScreen shop, map;
    std::vector<std::string> stories;
    LevelEvents.StoryShown = [&](const std::string& key) { stories.push_back(key); };
    Win(1, 1, 0);
    LevelCompleteScreen->ShopDestination = [&] { return &shop; };
    LevelCompleteScreen->MapDestination = [&] { return &map; };
    Ticks(Anim(TLevelCompleteScreen::kUnrollMs) + 2);
    ASSERT_NE(LevelCompleteScreen->CurrentMessage, nullptr);
    EXPECT_FALSE(LevelCompleteScreen->Menu->FindButton("OK")->Clicked) << "the message takes the clicks";
    CloseStory(LevelCompleteScreen->CurrentMessage);
    EXPECT_EQ(LevelCompleteScreen->ShowedLevelEndMessage, 1);
    ClickButton("OK");
    Frames(Anim(TLevelCompleteScreen::kUnrollMs) + 2);
    ClickButton("Continue");
    EXPECT_EQ(game().DestinationTScreen, &shop);
    // Asked for even though the found item leads to the shop already: level 2's word is the first.
    EXPECT_EQ(LevelCompleteScreen->ShowShopMessage, 1);
    EXPECT_EQ(stories, (std::vector<std::string>{"StoryMessageText1", "FoundItemMessageText1"}));
}

TEST_F(LevelCompleteTest, ClosingTheWindowWhileThePanelRollsInKeepsTheBooks) {
    const int banked = SaveData.GoldAvailable();
    Win(6, 6, 25);
    ASSERT_TRUE(game().SaveCurrentProfileFunction);
    game().SaveCurrentProfileFunction();
    EXPECT_EQ(SaveData.GoldAvailable(), banked + 25);
    EXPECT_EQ(ReadBack().CurrentLevel, 7);
    Unroll();
    EXPECT_EQ(SaveData.GoldAvailable(), banked + 25) << "banked once";
}

}  // namespace

namespace {

class WallpaperTest : public LevelCompleteTest {};

TEST_F(WallpaperTest, TheBackgroundIsSavedInThePicturesFolderAndTheNoticeSaysWhatTheDesktopDid) {
    struct Case {
        bool desktopTakesIt, folderBlocked;
        const char* header;  // the notice's header key
    };
    const Case cases[] = {{true, false, "Wallpaper Done Header"},
                          {false, false, "Wallpaper Saved Header"},
                          {true, true, "Wallpaper Failed Header"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.header);
        auto& system = platform().TestSystem();
        const std::string folder = system.PicturesFolder();
        std::filesystem::remove_all(folder);
        if (c.folderBlocked) {
            std::filesystem::create_directories(std::filesystem::path(folder).parent_path().parent_path());
            std::ofstream(folder.substr(0, folder.size() - 1)) << "a file where the folder belongs";
        }
        system.AcceptWallpaper(c.desktopTakesIt);
        Win(2, 2, 0);
        Unroll();
        ClickButton("OK");
        Frames(Anim(TLevelCompleteScreen::kUnrollMs) + 2);
        ClickButton("Set Wallpaper Button");
        Frames(2);
        const std::string path = folder + "Murkwell.jpg";
        const auto notice = LevelCompleteScreen->DialogOK;
        ASSERT_NE(notice, nullptr);
        EXPECT_EQ(notice->TextHeader->Text, GameText.FindString(c.header));
        EXPECT_EQ(std::filesystem::exists(path), !c.folderBlocked);
        if (!c.folderBlocked) {
            EXPECT_EQ(system.Wallpaper(), path);
            EXPECT_EQ(std::filesystem::file_size(path),
                      std::filesystem::file_size(std::string(MURKWELL_DATA_DIR) + "/graphics/Backgrounds/bg1.jpg"));
        }
        // The notice names the picture unless the desktop shows it already.
        EXPECT_EQ(notice->Caption->Text.find(path) != std::string::npos, !c.desktopTakesIt && !c.folderBlocked)
            << notice->Caption->Text;
        std::filesystem::remove_all(folder.substr(0, folder.size() - 1));
    }
}

TEST_F(WallpaperTest, TheNoticeTakesTheClicksUntilItsOKClosesIt) {
    Win(2, 2, 0);
    Unroll();
    ClickButton("OK");
    Frames(Anim(TLevelCompleteScreen::kUnrollMs) + 2);
    ClickButton("Set Wallpaper Button");
    Frames(Anim(400));
    const auto notice = LevelCompleteScreen->DialogOK;
    ASSERT_NE(notice, nullptr);
    ClickButton("Continue");
    EXPECT_EQ(game().DestinationTScreen, nullptr) << "under the notice";
    GameScreenFixture::ClickButton(*notice->Menu, "OK");
    Frames(Anim(400));
    EXPECT_EQ(LevelCompleteScreen->DialogOK, nullptr) << "slid away";
    EXPECT_EQ(game().IgnoreEscapeKey, 1) << "Escape is still the panel's";
    ClickButton("Continue");
    EXPECT_EQ(game().DestinationTScreen, GameScreen.get());
}

}  // namespace
