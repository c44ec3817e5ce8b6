// The pause panel over a level: Escape opens and closes it, the level stands still under it, a restart
// waits for the panel to slide away, a visit to the instructions comes back to the same level, and save
// and exit keeps the player's place.
#include <gtest/gtest.h>

#include "framework/profile/Profile.h"
#include "framework/sprites/Animation.h"
#include "game/save/ProfileHooks.h"
#include "game/screens/InGameMenu.h"
#include "game/screens/InstructionsScreen.h"
#include "platform/KeyCodes.h"
#include "tests/game/screens/GameScreenFixture.h"

namespace {

class InGameMenuTest : public murkwell::test::GameScreenFixture {
protected:
    ~InGameMenuTest() override { InstructionsScreen.reset(); }
    void Key(int key) {
        Push(platform::EventType::KeyDown, key);
        Push(platform::EventType::KeyUp, key);
        Frames(2);
    }
    // The level entered, faded in and its board dropped into place.
    TInGameMenu& Playing(int level) {
        Enter(level);
        Frames((TGameScreen::FADE_IN_MS + TGameScreen::INTRO_MS + 200) / 5);
        return *GameScreen->InGameMenu;
    }
    // 5 ms frames until the screen is current; false when not within limitMs.
    bool Reaches(const TScreen& screen, int limitMs) {
        for (int ms = 0; ms <= limitMs; ms += 5, Frame()) {
            if (game().CurrentTScreen == &screen) return true;
        }
        return false;
    }
    TScreen there;
};

TEST_F(InGameMenuTest, EscapeOpensThePanelOverAStillLevelAndASecondEscapeResumes) {
    TInGameMenu& menu = Playing(3);
    Key(platform::vk::kEscape);
    EXPECT_EQ(menu.Active, 1);
    Frames(100);
    const float left = TimeLeftMs();
    Frames(600);
    EXPECT_FLOAT_EQ(TimeLeftMs(), left) << "the clock stops under the panel";
    Key(platform::vk::kEscape);
    EXPECT_EQ(menu.Active, 1) << "still sliding away";
    Frames(100);
    EXPECT_EQ(menu.Active, 0);
    Frames(200);
    EXPECT_LT(TimeLeftMs(), left) << "and runs again after it";
    EXPECT_TRUE(ends.empty());
}

TEST_F(InGameMenuTest, EscapeDuringTheWinningOutroDoesNotOpenThePanel) {
    TInGameMenu& menu = Playing(8);
    ASSERT_EQ(GameScreen->StartOutroAnim(), 1);
    Key(platform::vk::kEscape);
    EXPECT_EQ(menu.Active, 0);
}

TEST_F(InGameMenuTest, TheMenuButtonOpensThePanelAndRestartWaitsForItToSlideAway) {
    TInGameMenu& menu = Playing(3);
    ClickButton(*GameScreen->Menu, "menu");
    ASSERT_EQ(menu.Active, 1);
    Frames(100);
    ClickButton(*menu.Menu, "restart");
    EXPECT_EQ(menu.RestartFlag, 1);
    EXPECT_TRUE(ends.empty()) << "not on the click";
    EXPECT_FALSE(GameScreen->IntroAnim->Active);
    Frames(100);
    EXPECT_EQ(menu.Active, 0);
    EXPECT_EQ(ends, std::vector<std::string>{"left"});
    EXPECT_TRUE(GameScreen->IntroAnim->Active) << "the level begins again";
}

TEST_F(InGameMenuTest, TheInstructionsComeBackToTheSameLevelInTheSameState) {
    TInGameMenu& menu = Playing(3);
    InstructionsScreen = std::make_shared<TInstructionsScreen>();
    menu.InstructionsDestination = [] { return static_cast<TScreen*>(InstructionsScreen.get()); };
    const TGameGrid* grid = Grid.get();
    Key(platform::vk::kEscape);
    Frames(100);
    const float left = TimeLeftMs();
    ClickButton(*menu.Menu, "help");
    ASSERT_TRUE(Reaches(*InstructionsScreen, 1000));
    Frames(100);
    Key(platform::vk::kEscape);
    ASSERT_TRUE(Reaches(*GameScreen, 1000));
    Frames(100);
    EXPECT_EQ(Grid.get(), grid) << "the same board";
    EXPECT_FLOAT_EQ(TimeLeftMs(), left);
    EXPECT_EQ(menu.Active, 1) << "the panel is where it was left";
    EXPECT_TRUE(ends.empty());
    EXPECT_EQ(GameScreen->StopKill, 0) << "a later departure ends the level as usual";
}

TEST_F(InGameMenuTest, SaveAndExitLeavesTheLevelAndKeepsThePlayersPlace) {
    TInGameMenu& menu = Playing(5);
    menu.TitleDestination = [this] { return &there; };
    Key(platform::vk::kEscape);
    Frames(100);
    ClickButton(*menu.Menu, "saveandexit");
    ASSERT_TRUE(Reaches(there, 1000));
    EXPECT_EQ(ends, std::vector<std::string>{"left"});
    auto profile = TProfile::Create(game().CurrentProfile->Name);
    AttachSaveData(*profile);
    ASSERT_TRUE(profile->LoadAttempt());
    EXPECT_EQ(profile->CurrentLevel, 5);
}

}  // namespace
