// The level map over the game's data: where a dot takes a click, how far the map may scroll for the
// levels opened, locked dots, the current level by Enter, the open dots by the keyboard's focus, and the
// timed-mode box.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "framework/profile/Profile.h"
#include "framework/screens/GameFade.h"
#include "framework/sprites/Animation.h"
#include "framework/ui/CheckBox.h"
#include "framework/ui/KeyFocus.h"
#include "game/save/ProfileHooks.h"
#include "game/screens/MapScreen.h"
#include "platform/KeyCodes.h"
#include "tests/game/screens/GameScreenFixture.h"

namespace {

class MapTest : public murkwell::test::GameScreenFixture {
protected:
    ~MapTest() override { MapScreen.reset(); }
    TMapScreen& Enter(int level, int unlocked) {
        // The pointer rests in the middle, away from the edges that scroll the map.
        Push(platform::EventType::MouseMove, 0, 0, 512, 384);
        Player.Level = level;
        Player.Unlocked = unlocked;
        GameScreen = std::make_shared<TGameScreen>();
        MapScreen = std::make_shared<TMapScreen>();
        MapScreen->PreStart();
        Frames(250);  // the fade and the slide
        return *MapScreen;
    }
    int ReadLevelFromProfile() {
        auto profile = TProfile::Create(game().CurrentProfile->Name);
        AttachSaveData(*profile);
        profile->LoadAttempt();
        return profile->CurrentLevel;
    }
};

TEST_F(MapTest, ADotTakesClicksFromItsLeftAndTopEdgesButNotItsRightAndBottom) {
    TMapScreen& map = Enter(3, 10);
    struct Case {
        int level;  // 1-based; level 4 has a special dot
        int dx, dy;
        bool hit;
    };
    // Pixels counted from the centre, which a zoom puts between pixels: the first pixel at or past it.
    const Case cases[] = {{2, -17, 0, true}, {2, 16, 0, true},  {2, 17, 0, false}, {2, 0, 17, false},
                          {2, 0, -17, true}, {4, -20, 0, true}, {4, 20, 0, false}, {4, 0, 19, true}};
    // The box is measured on the screen, whatever the map's zoom.
    for (const float scale : {1.0f, 1.5f, 2.0f}) {
        map.Scale = scale;
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << scale << ": " << c.level << " " << c.dx << "," << c.dy);
            const int i = c.level - 1;
            const int x = static_cast<int>(std::ceil(map.DotScreenX(i) + c.dx));
            const int y = static_cast<int>(std::ceil(map.DotScreenY(i) + c.dy));
            EXPECT_EQ(map.DotAt(x, y) == i, c.hit);
        }
    }
    map.Scale = 1;
}

TEST_F(MapTest, TheMapScrollsUpOnlyAsFarAsTheHighestOpenedDot) {
    for (const int unlocked : {1, 30, 100}) {
        SCOPED_TRACE(unlocked);
        TMapScreen& map = Enter(1, unlocked);
        float top = map.Coords[0].Y;
        for (int i = 0; i < unlocked; ++i) top = std::min(top, map.Coords[static_cast<size_t>(i)].Y);
        // The mouse held at the top edge for a long while.
        Push(platform::EventType::MouseMove, 0, 0, 512, 2);
        Frames(2000);
        // No higher than the highest opened dot allows, and never past the map's own edges: with only the
        // first level open the map cannot move up at all.
        const float limit = std::clamp(384 - top + TMapScreen::Y_SCROLL_PAD, 768.0f - map.MapHeight(), 0.0f);
        EXPECT_FLOAT_EQ(map.ScrollY, limit);
    }
}

TEST_F(MapTest, WithEveryLevelOpenTheLastDotIsCurrentAndInView) {
    for (const int level : {100, 101, 0}) {  // a damaged profile's level is brought back onto the map
        SCOPED_TRACE(level);
        TMapScreen& map = Enter(level, 100);
        const int current = std::clamp(level, 1, 100);
        EXPECT_EQ(map.Level, current);
        EXPECT_GT(map.DotScreenY(current - 1), 80);
        EXPECT_LT(map.DotScreenY(current - 1), 640) << "above the bottom panel";
        EXPECT_GE(map.ScrollY, 768 - map.MapHeight());
        EXPECT_LE(map.ScrollY, 0);
    }
}

TEST_F(MapTest, ALockedDotRefusesAndAnOpenOnePlaysItsLevel) {
    TMapScreen& map = Enter(3, 3);
    ClickAt(map.DotScreenX(5), map.DotScreenY(5));  // level 6, locked
    Frames(150);
    EXPECT_EQ(Player.Level, 3);
    EXPECT_EQ(game().DestinationTScreen, nullptr);
    ClickAt(map.DotScreenX(1), map.DotScreenY(1));  // level 2, played before
    EXPECT_EQ(Player.Level, 2);
    EXPECT_EQ(ReadLevelFromProfile(), 2) << "the choice is written at once";
    // The replay notice, once per profile, then the zoom into the level.
    ASSERT_NE(map.ReplayDialog, nullptr);
    Frames(80);  // it slides in
    Push(platform::EventType::KeyDown, platform::vk::kEscape);
    Push(platform::EventType::KeyUp, platform::vk::kEscape);
    Frames(400);
    EXPECT_EQ(game().CurrentTScreen, GameScreen.get());
}

TEST_F(MapTest, EnterPlaysTheCurrentLevelAndTheBoxSwitchesTheMode) {
    TMapScreen& map = Enter(7, 7);
    SaveData.timer = 1;
    const auto& box = *map.TimedCheckBox;
    ClickAt(box.x + 5, box.y + 5);
    EXPECT_EQ(SaveData.timer, 0) << "relaxed";
    ClickAt(box.x + 5, box.y + 5);
    EXPECT_EQ(SaveData.timer, 1) << "timed again";
    Push(platform::EventType::KeyDown, platform::vk::kEnter);
    Push(platform::EventType::KeyUp, platform::vk::kEnter);
    Frames(200);
    EXPECT_EQ(Player.Level, 7);
    EXPECT_EQ(game().CurrentTScreen, GameScreen.get());
}

TEST_F(MapTest, TheArrowsWalkTheOpenDotsFromTheCurrentOneWithTheMapFollowingAndEnterReplaysOne) {
    KeyFocus.Reset();
    TMapScreen& map = Enter(35, 35);
    const auto key = [this](int code) {
        Push(platform::EventType::KeyDown, code);
        Push(platform::EventType::KeyUp, code);
        Frames(40);
    };
    const auto focusedDot = [&map] {
        for (int i = 0; i < TMapScreen::kLevels; ++i) {
            if (KeyFocus.ShowsOn(&map.Coords[static_cast<size_t>(i)])) return i;
        }
        return -1;
    };
    key(platform::vk::kLeft);
    EXPECT_EQ(focusedDot(), 34) << "the first arrow shows the focus on the current level's dot";
    key(platform::vk::kDown);
    const int chosen = focusedDot();
    ASSERT_GE(chosen, 0) << "the next dot down the path";
    ASSERT_LT(chosen, 34);

    // Scrolled away until the dot in focus stands near the bottom panel or the top, the map brings it back
    // in, as far as the map reaches.
    int followed = 0;
    for (const float at : {600.0f, 40.0f}) {
        map.ScrollY += at - map.DotScreenY(chosen);
        map.ClampScrollPosition();
        if (std::fabs(map.DotScreenY(chosen) - at) > 1) continue;  // the map ends before that
        Frames(200);
        EXPECT_GE(map.DotScreenY(chosen), 139) << at;
        EXPECT_LE(map.DotScreenY(chosen), 648 - 139) << at;
        ++followed;
    }
    EXPECT_GT(followed, 0);
    key(platform::vk::kEnter);
    EXPECT_EQ(Player.Level, chosen + 1) << "Enter on a dot chooses its level";
    EXPECT_NE(map.ReplayDialog, nullptr) << "a level played before: the replay notice";
    KeyFocus.Reset();
}

// With 35 levels open the map scrolls level 9's dot under the Play button: the click is the button's.
TEST_F(MapTest, AClickOnPlayPlaysTheLevelOfferedNotADotBeneathTheButton) {
    TMapScreen& map = Enter(35, 35);
    const auto play = map.Menu->FindButton("play");
    ASSERT_TRUE(play);
    const float x = play->x + play->Width() / 2, y = play->y + play->Height() / 2;
    ASSERT_GE(map.DotAt(static_cast<int>(x), static_cast<int>(y)), 0) << "a dot lies beneath the button";
    ClickAt(x, y);
    Frames(400);
    EXPECT_EQ(Player.Level, 35);
    EXPECT_EQ(map.ReplayDialog, nullptr) << "no replay of the level beneath";
    EXPECT_EQ(game().CurrentTScreen, GameScreen.get());
}

}  // namespace
