// The player's numbers as the HUD, the map and the shop draw them.
#include <gtest/gtest.h>

#include <string>

#include "framework/gfx/BitmapFont.h"
#include "framework/gfx/GameFonts.h"
#include "game/board/Board.h"
#include "game/board/GameGrid.h"
#include "game/board/Player.h"
#include "game/save/SaveData.h"
#include "tests/framework/sprites/SpriteTestSupport.h"

namespace {

using murkwell::test::RecordingGraphics;

class PlayerHudTest : public ::testing::Test {
protected:
    PlayerHudTest() {
        GameFonts.LargeWhite =
            TBitmapFont::Create(std::string(MURKWELL_DATA_DIR) + "/fonts/LargeWhite", -1, 0, 0);
        Player = TPlayer{};
        SaveData = TSaveData{};
        ResetBoard();
        Grid = std::make_shared<TGameGrid>();
        graphics().ClearLog();
    }
    ~PlayerHudTest() override {
        GameFonts.LargeWhite.reset();
        ResetBoard();
        Player = TPlayer{};
        SaveData = TSaveData{};
    }

    RecordingGraphics& graphics() { return sprites_.graphics(); }
    void SecondsLeft(float seconds) {
        Grid->TimeLimit = seconds * 1000 / sprites_.game().FixedRateLogic.MS;
        Player.LevelTimeTaken = 0;
    }
    int GlyphsDrawn() { return static_cast<int>(graphics().Parts().size()); }

    murkwell::test::SpriteFixture sprites_;
};

TEST_F(PlayerHudTest, TheScoreHasSixDigitsAndTheGoldFive) {
    Player.LevelScore = 1234;
    Player.DrawScore(500, 40);
    EXPECT_EQ(GlyphsDrawn(), 6);
    graphics().ClearLog();
    Player.levelGoldCollected = 57;
    Player.levelGoldInTransit = 5;
    Player.DrawCoins(500, 40);
    EXPECT_EQ(GlyphsDrawn(), 5);
    graphics().ClearLog();
    SaveData.goldCollected = 123456;
    Player.DrawBankedCoins(500, 40);
    EXPECT_EQ(GlyphsDrawn(), 6) << "a bank past five digits is shown whole";
}

TEST_F(PlayerHudTest, TheClockTurnsRedForItsLastTenSecondsAtThreeQuartersSize) {
    SecondsLeft(125);
    Player.DrawTime(500, 40);
    ASSERT_EQ(GlyphsDrawn(), 4) << "2:05";
    for (const auto& glyph : graphics().Parts()) {
        EXPECT_EQ(glyph.state.r, 255);
        EXPECT_EQ(glyph.state.g, 255);
        EXPECT_FLOAT_EQ(glyph.state.scaleX, 0.75f);
    }
    graphics().ClearLog();
    SecondsLeft(9.5f);
    Player.DrawTime(500, 40);
    ASSERT_EQ(GlyphsDrawn(), 4) << "0:10, rounded up";
    for (const auto& glyph : graphics().Parts()) {
        EXPECT_EQ(glyph.state.r, 255);
        EXPECT_EQ(glyph.state.g, 50);
        EXPECT_EQ(glyph.state.b, 50);
    }
    EXPECT_EQ(graphics().Current().g, 255) << "the colour is put back";
    EXPECT_FLOAT_EQ(graphics().Current().scaleX, 1.0f);
}

TEST_F(PlayerHudTest, TheNumbersAreCentredOnTheirPoint) {
    Player.Level = 7;
    Player.DrawLevel(500, 40);
    ASSERT_EQ(GlyphsDrawn(), 1);
    const auto& glyph = graphics().Parts()[0];
    EXPECT_LT(glyph.x, 500);
    EXPECT_GT(glyph.x, 440);
}

}  // namespace
