// What the board draws for the player's hand: the square under the mouse, the cells a carried power-up
// would act on, and the selection, each in its place among the tiles, the gems and the tutorial's marks.
#include <cmath>

#include "framework/core/SoundBank.h"
#include "framework/gfx/ImageBank.h"
#include "game/board/HUDPowerupRow.h"
#include "game/save/ShopItem.h"
#include "tests/game/board/GemTestSupport.h"
#include "tests/game/board/PowerupTestSupport.h"

namespace {

using murkwell::test::GemFixture;
using murkwell::test::Picture;
using murkwell::test::RecordingGraphics;
using murkwell::test::TestPowerup;

class BoardOverlayTest : public GemFixture {
protected:
    BoardOverlayTest() {
        NewBoard(3, 3);
        Grid->InitImages();
        for (int x = 0; x < 3; ++x) {
            for (int y = 0; y < 3; ++y) Put(x, y, 1 + (x + y) % 3);
        }
        Cells[1][0]->Gem->locked = 1;
        BoardEvents.DrawBoardOverlay = [this] { overlayAt = graphics().Log().size(); };
    }
    std::vector<RecordingGraphics::Rect> Draw() {
        graphics().ClearLog();
        Grid->Draw();
        return graphics().Rects();
    }
    // The square one pixel inside cell (x, y).
    static bool Covers(const RecordingGraphics::Rect& r, int x, int y) {
        return r.x == GridToScreenX(x) + 1 && r.y == GridToScreenY(y) + 1 && r.w == 64 && r.h == 64;
    }

    size_t overlayAt = 0;
};

TEST_F(BoardOverlayTest, TheCellUnderTheMouseIsLitUnlessItsGemIsChained) {
    Grid->mx = Grid->my = 0;
    auto rects = Draw();
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_TRUE(Covers(rects[0], 0, 0));
    EXPECT_FLOAT_EQ(rects[0].state.alpha, 0.4f);
    EXPECT_EQ(rects[0].state.r + rects[0].state.g + rects[0].state.b, 3 * 255);
    EXPECT_EQ(rects[0].picturesBefore, 9u) << "over the nine tiles, under the gems";
    Grid->mx = 1;
    EXPECT_TRUE(Draw().empty()) << "a chained gem";
    Grid->mx = Grid->my = -1;
    EXPECT_TRUE(Draw().empty()) << "off the board";
    Grid->mx = Grid->my = 2;
    Grid->HUDPowerupBlockInput = 1;
    EXPECT_TRUE(Draw().empty()) << "while a power-up works";
}

TEST_F(BoardOverlayTest, ACarriedPowerUpShowsItsAreaGreenWhereItActsAndRedWhereNot) {
    Grid->PointerGemType = TestPowerup::Make(335);
    Grid->mx = Grid->my = 1;
    const auto rects = Draw();
    // The mouse's own square, then the plus of five cells; the chained gem above is not the stake's.
    ASSERT_EQ(rects.size(), 6u);
    int green = 0, red = 0;
    for (size_t i = 1; i < rects.size(); ++i) {
        const auto& s = rects[i].state;
        if (s.r == 100 && s.g == 255 && s.b == 100) ++green;
        if (s.r == 255 && s.g == 50 && s.b == 50) {
            ++red;
            EXPECT_TRUE(Covers(rects[i], 1, 0));
        }
        EXPECT_FLOAT_EQ(s.alpha, 0.4f);
    }
    EXPECT_EQ(green, 4);
    EXPECT_EQ(red, 1);
    const auto& after = graphics().Current();
    EXPECT_EQ(after.r + after.g + after.b, 3 * 255) << "white again afterwards";
}

TEST_F(BoardOverlayTest, TheSelectionIsDrawnLastOverTheTutorialsMarksAndGlowsWithThePulse) {
    Grid->mx = Grid->my = -1;
    Grid->Mode = 1;
    Grid->cx = 2;
    Grid->cy = 1;
    for (int i = 0; i < 30; ++i) Grid->glow1.Manage();
    Draw();
    const auto& log = graphics().Log();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(overlayAt, log.size() - 2) << "the tutorial's marks come just before the selection";
    const platform::Image* cursor = Picture(ImageBank.Find("cursor"));
    for (size_t i = log.size() - 2; i < log.size(); ++i) {
        EXPECT_EQ(log[i].image, cursor);
        EXPECT_EQ(log[i].x, GridToScreenX(2));
        EXPECT_EQ(log[i].y, GridToScreenY(1));
    }
    EXPECT_EQ(log.back().state.blend, platform::BlendMode::Light);
    EXPECT_NEAR(log.back().state.alpha, 0.2f + (1.0f - Grid->glow1.ratio) * 0.8f, 1e-5);
    EXPECT_EQ(graphics().Current().blend, platform::BlendMode::Alpha);
}

TEST_F(BoardOverlayTest, ThePowerUpRowShowsEachSlotUnboughtFillingOrFull) {
    SoundBank.SetPath(std::string(MURKWELL_DATA_DIR) + "/sound/");
    SoundBank.Load("lightning.wav");
    LoadHUDPowerupPictures();
    CreateHUDPowerups();
    THUDPowerup& stake = *HUDPowerups[0];
    stake.offsetY = 0;
    auto drawn = [&](int highlight) {
        graphics().ClearLog();
        stake.Draw(highlight);
        std::vector<const platform::Image*> pictures;
        for (const auto& d : graphics().Log()) pictures.push_back(d.image);
        return pictures;
    };
    auto picture = [](const char* name) { return Picture(ImageBank.Find(name)); };

    EXPECT_EQ(drawn(1), std::vector{picture("unpurchased")}) << "not bought: the empty slot only";

    SaveData.shopPurchases[24] = ShopItem::PURCHASED;
    stake.CurrentCharge = 5;
    EXPECT_EQ(drawn(0),
              (std::vector{picture("powerup1empty"), picture("empty ring1"), picture("powerupLevel1")}));
    ASSERT_EQ(graphics().Parts().size(), 1u) << "the filling, half of it";
    const auto& filling = graphics().Parts()[0];
    EXPECT_EQ(filling.image, picture("powerup1filling"));
    // 68 pixels of vessel between the borders, half full: the filling's top is at the slot's middle.
    EXPECT_FLOAT_EQ(filling.y, 724.0f);
    EXPECT_FLOAT_EQ(graphics().Log().back().x, 335.0f + 30) << "the pin of the first upgrade";

    stake.ChargeFully();
    EXPECT_EQ(drawn(1), (std::vector{picture("powerup1empty"), picture("powerup1full"),
                                     picture("Powerup Slot Mouse Over"), picture("powerupLevel1")}));
    EXPECT_TRUE(graphics().Parts().empty());
    const auto& glow = graphics().Log()[2].state;
    EXPECT_EQ(glow.blend, platform::BlendMode::Light);
    EXPECT_FLOAT_EQ(glow.alpha, 1.0f);
    stake.Update(1);
    EXPECT_NEAR(stake.HUDGlowFactor, 1.0f - 0.045f, 1e-6) << "the glow fades once the mouse leaves";
    HUDPowerups = {};
    SaveData.Links = {};
    SaveData.Init();
    SoundBank.Clear();
}

}  // namespace
