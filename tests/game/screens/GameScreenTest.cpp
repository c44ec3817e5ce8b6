// The level screen on the null platform with the game's data: what a level is drawn and played with,
// the sounds of chained bombs, and how a level ends, lost or won.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "framework/core/ChannelArray.h"
#include "framework/core/GameChannel.h"
#include "framework/core/SoundBank.h"
#include "framework/gfx/GameFonts.h"
#include "framework/gfx/ImageBank.h"
#include "framework/profile/Profile.h"
#include "framework/screens/GameFade.h"
#include "framework/sprites/Animation.h"
#include "framework/sprites/Particle.h"
#include "game/board/Board.h"
#include "game/board/BoardEvents.h"
#include "game/board/Cell.h"
#include "game/board/GameGrid.h"
#include "game/board/Gem.h"
#include "game/board/GemList.h"
#include "game/board/HUDPowerup.h"
#include "game/board/Player.h"
#include "game/save/SaveData.h"
#include "game/screens/GameScreen.h"
#include "game/screens/GameScreenEffects.h"
#include "game/screens/LevelEvents.h"
#include "game/screens/PlaySession.h"
#include "tests/game/screens/GameScreenFixture.h"

namespace {

using GameScreenTest = murkwell::test::GameScreenFixture;

TEST_F(GameScreenTest, ChaptersMusicAndBackgroundsFollowTheLevel) {
    struct Case {
        int level, chapter, subLevel, background;
    };
    const Case cases[] = {{1, 1, 1, 1},  {5, 1, 5, 2},  {6, 2, 1, 2},
                          {26, 6, 1, 4}, {27, 6, 2, 5}, {100, 20, 5, 10}};
    for (const Case& c : cases) {
        Enter(c.level);
        EXPECT_EQ(GameScreen->GetChapter(), c.chapter) << c.level;
        EXPECT_EQ(GameScreen->GetSubLevel(), c.subLevel) << c.level;
        EXPECT_EQ(GameScreen->BackgroundFileName, "Backgrounds/bg" + std::to_string(c.background) + ".jpg");
        EXPECT_EQ(game().MusicFileName, "level" + std::to_string(c.subLevel) + ".ogg");
        EXPECT_EQ(Grid->LevelName.empty(), false) << "the level's own board";
    }
}

TEST_F(GameScreenTest, ChainedBombsSoundSofterButNeverBelowSixTenths) {
    Enter(1);
    PlayingVolumes();
    struct Case {
        int chained;
        std::vector<float> volumes;  // "Bomb" at half, "Pumpkin" in full, both scaled by the chain
    };
    // One over the chain's length, never below 0.6: a chain of two is already at the floor.
    const Case cases[] = {{1, {0.5f, 1.0f}}, {2, {0.3f, 0.6f}}, {10, {0.3f, 0.6f}}};
    for (const Case& c : cases) {
        Grid->ChainedBonuses = c.chained;
        BoardEvents.TriggerBomb = 1;
        GameScreen->ProcessSoundTriggers();
        const auto volumes = PlayingVolumes();
        ASSERT_EQ(volumes.size(), 2u) << c.chained;
        for (size_t i = 0; i < 2; ++i) EXPECT_NEAR(volumes[i], c.volumes[i], 1e-5) << c.chained;
        BoardEvents.ClearTriggers();
    }
}

TEST_F(GameScreenTest, ALevelWithoutMovesEndsAndStartsAgainFreshKeepingTheUnlockedLevels) {
    Enter(3);
    Player.Unlocked = 7;
    Ticks(1000);  // the fade and the intro
    ASSERT_FALSE(GameScreen->IntroAnim->Active);
    Player.LevelScore = 500;
    ASSERT_EQ(GameScreen->Quit(), 1);
    EXPECT_EQ(GameScreen->NoMore, 1);
    Ticks(static_cast<int>(game().CalcAnimLength(TGameScreen::END_MS)) + 2);
    EXPECT_EQ(ends, std::vector<std::string>{"no_moves"});
    // The lost board faded and flew apart; the new one stands whole.
    EXPECT_EQ(Grid->Exploded, 0);
    EXPECT_FLOAT_EQ(Grid->alpha, 1.0f);
    EXPECT_GT(Gems->Count(), 0);
    EXPECT_EQ(GameScreen->NoMore, 0);
    EXPECT_EQ(Player.LevelScore, 0);
    EXPECT_EQ(Player.Alive, 1);
    EXPECT_EQ(Player.Level, 3);
    EXPECT_EQ(Player.Unlocked, 7);
    EXPECT_TRUE(GameScreen->IntroAnim->Active) << "the level starts over with its intro";
}

TEST_F(GameScreenTest, AWonLevelEndsWithTheOutroAndOpensTheLevelCompletePanelOverTheHiddenHud) {
    Enter(8);
    Ticks(1000);
    ASSERT_EQ(GameScreen->StartOutroAnim(), 1);
    EXPECT_EQ(GameScreen->StartOutroAnim(), 0) << "once";
    Ticks(static_cast<int>(game().CalcAnimLength(TGameScreen::OUTRO_MS)) + 2);
    EXPECT_EQ(ends, std::vector<std::string>{"won"});
    EXPECT_EQ(LevelCompleteScreen->Active, 1);
    EXPECT_TRUE(BoardEvents.LevelCompleteActive()) << "the board takes no input under the panel";
    EXPECT_FLOAT_EQ(GameScreen->GetIntroRatio(), 1.0f) << "the HUD is away";
    EXPECT_EQ(game().CurrentTScreen, GameScreen.get()) << "the panel is no screen of its own";
    EXPECT_EQ(game().MusicFileName, "levelend.ogg");
}

TEST_F(GameScreenTest, AMetGoalLightsItsOwnRowOfThePanel) {
    Enter(1);
    // Armour and rocks only: the rocks are the second row.
    Grid->GoalMatches = Grid->GoalCollect = 0;
    Grid->GoalArmour = Grid->GoalRock = 1;
    HudEffects.Clear();
    GameScreen->GoalDoneEffect(4);
    ASSERT_GT(HudEffects.Count(), 0);
    HudEffects.ForEach([](TParticle& p) { EXPECT_NEAR(p.y, 377 + 60 * 2, 4.0f); });
    EXPECT_EQ(GameScreen->Goal4Done, 1);
}

TEST_F(GameScreenTest, TheStillBoardsFrameAndTilesAreDrawnOnceAndCopiedUntilATileBreaks) {
    Enter(7);  // a level with gold tiles
    Ticks(1000);
    auto& graphics = platform().TestGraphics();
    auto drawn = [&] {
        graphics.ResetCounts();
        GameScreen->Draw();
        return graphics.Drawn().images;
    };
    const int first = drawn(), again = drawn();
    // Every active cell's tile and every piece of the frame (twice, with its shadow) make way for one copy.
    EXPECT_LE(again, first - 60);
    EXPECT_EQ(drawn(), again);
    int x = 0, y = 0;
    while (!Cells[x][y] || !Cells[x][y]->armour1 || (Cells[x][y]->Gem && Cells[x][y]->Gem->locked)) {
        if (++x == Grid->levelwidth) x = 0, ++y;
    }
    ASSERT_EQ(Grid->RemoveArmour(x, y, 0), 1);
    // (The tile's pieces fly in both frames that follow.)
    const int broken = drawn(), copied = drawn();
    EXPECT_EQ(broken - copied, first - again) << "the tile broke: all drawn again, then copied";
    Grid->alpha = 0.5f;
    EXPECT_EQ(drawn() - drawn(), 0) << "a fading board is drawn as it fades, every frame";
    EXPECT_GE(drawn(), copied + (first - again) - 2);
}

}  // namespace
