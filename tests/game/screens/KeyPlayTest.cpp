// A level played from the keyboard: the cursor walks the board, Enter takes a gem and an arrow swaps it,
// number keys and the controller's shoulder buttons take up power-ups that Enter puts down, and Escape lets
// go of what is in hand before it opens the menu; a tip takes the focus by Tab and closes on Enter.
#include <gtest/gtest.h>

#include "framework/ui/KeyFocus.h"
#include "game/board/BroomHUD.h"
#include "game/board/Cell.h"
#include "game/board/Gem.h"
#include "game/board/StakeHUD.h"
#include "game/save/ShopItem.h"
#include "game/screens/InGameMenu.h"
#include "game/screens/Tutorial.h"
#include "platform/KeyCodes.h"
#include "tests/game/screens/GameScreenFixture.h"

namespace {

namespace vk = platform::vk;

class KeyPlayTest : public murkwell::test::GameScreenFixture {
protected:
    KeyPlayTest() { KeyFocus.Reset(); }
    ~KeyPlayTest() override { KeyFocus.Reset(); }

    void Key(int key) {
        Push(platform::EventType::KeyDown, key);
        Push(platform::EventType::KeyUp, key);
        Frames(2);
    }
    // The level entered, faded in and its board dropped into place.
    void Playing(int level) {
        Enter(level);
        Frames((TGameScreen::FADE_IN_MS + TGameScreen::INTRO_MS + 200) / 5);
        ASSERT_TRUE(Grid);
    }
    // The cursor shown and walked to the cell by the arrows.
    void CursorTo(int x, int y) {
        if (!Grid->KeyCursorShown) Key(vk::kRight);
        ASSERT_EQ(Grid->KeyCursorShown, 1) << "the first key shows the cursor";
        for (int i = 0; i < 30 && (Grid->KeyCursorX != x || Grid->KeyCursorY != y); ++i) {
            Key(Grid->KeyCursorX < x   ? vk::kRight
                : Grid->KeyCursorX > x ? vk::kLeft
                : Grid->KeyCursorY < y ? vk::kDown
                                       : vk::kUp);
        }
        ASSERT_EQ(Grid->KeyCursorX, x);
        ASSERT_EQ(Grid->KeyCursorY, y);
    }
    static bool Free(int x, int y) {
        const TCell* cell = CellAt(x, y);
        return cell && cell->active && cell->Gem && cell->Gem->GemType >= 1 && cell->Gem->GemType <= 13 &&
               !cell->Gem->locked && !cell->Gem->rocked;
    }
    // A swap of two free gems, right or down, that makes a run: the first cell and the step.
    bool FindMove(int& x, int& y, int& stepX, int& stepY) {
        for (y = 0; y < Grid->levelheight; ++y) {
            for (x = 0; x < Grid->levelwidth; ++x) {
                for (const auto& [sx, sy] : {std::pair{1, 0}, {0, 1}}) {
                    if (!Free(x, y) || !Free(x + sx, y + sy)) continue;
                    if (Grid->CheckMove(x, y, x + sx, y + sy, 0) ||
                        Grid->CheckMove(x + sx, y + sy, x, y, 0)) {
                        stepX = sx, stepY = sy;
                        return true;
                    }
                }
            }
        }
        return false;
    }
    template <typename Kind>
    static std::shared_ptr<THUDPowerup> Charged(int shopItem) {
        SaveData.shopPurchases[shopItem] = ShopItem::PURCHASED;
        for (const auto& powerup : HUDPowerups) {
            if (!std::dynamic_pointer_cast<Kind>(powerup)) continue;
            powerup->ChargeFully();
            return powerup;
        }
        return nullptr;
    }
};

TEST_F(KeyPlayTest, TheCursorTakesAGemAndTheNextArrowSwapsItIntoARun) {
    Playing(8);
    int x = 0, y = 0, stepX = 0, stepY = 0;
    ASSERT_TRUE(FindMove(x, y, stepX, stepY));
    EXPECT_EQ(Grid->KeyCursorShown, 0) << "no cursor before a key";
    CursorTo(x, y);
    EXPECT_EQ(Grid->Mode, 0) << "arrows only move the cursor";
    Key(vk::kEnter);
    ASSERT_EQ(Grid->Mode, 1) << "taken, as a click takes it";
    EXPECT_EQ(Grid->cx, x);
    EXPECT_EQ(Grid->cy, y);
    Key(stepX ? vk::kRight : vk::kDown);
    EXPECT_TRUE(Grid->SwapRunning());
    EXPECT_EQ(Grid->KeyCursorX, x + stepX) << "the cursor goes with the gem";
    EXPECT_EQ(Grid->KeyCursorY, y + stepY);
    Frames(400);
    EXPECT_EQ(Player.levelMoves, 1);
    // The mouse moving hides the cursor; it comes back at its cell with the next key.
    Push(platform::EventType::MouseMove, 0, 0, 10, 10);
    Frames(2);
    EXPECT_EQ(Grid->KeyCursorShown, 0);
    Key(vk::kSpace);
    EXPECT_EQ(Grid->KeyCursorShown, 1);
    EXPECT_EQ(Grid->Mode, 0) << "the key that shows the cursor takes nothing";
}

TEST_F(KeyPlayTest, EscapeLetsGoOfTheGemInHandBeforeItOpensTheMenu) {
    Playing(8);
    int x = 0, y = 0, stepX = 0, stepY = 0;
    ASSERT_TRUE(FindMove(x, y, stepX, stepY));
    CursorTo(x, y);
    Key(vk::kEnter);
    ASSERT_EQ(Grid->Mode, 1);
    Key(vk::kEscape);
    EXPECT_EQ(Grid->Mode, 0);
    EXPECT_EQ(GameScreen->InGameMenu->Active, 0);
    Key(vk::kEscape);
    EXPECT_EQ(GameScreen->InGameMenu->Active, 1);
}

TEST_F(KeyPlayTest, TabTakesTheFocusToATipAndEnterClosesItWhileTheArrowsAndEscapeStayTheBoards) {
    Playing(8);
    const auto tip = Tutorial.CreateDynamicTip("h", "t", 100, 100, 0, 1);
    Tutorial.CreateDynamicTip("h", "goes by itself", 100, 300, 0, 0);
    Frames(2);
    CursorTo(1, 1);
    CursorTo(2, 1);  // the arrows walked the board's cursor past the tip
    Key(vk::kTab);
    EXPECT_TRUE(KeyFocus.ShowsOn(tip.get())) << "the tip that closes takes the focus";
    CursorTo(3, 1);
    EXPECT_TRUE(KeyFocus.ShowsOn(tip.get())) << "the arrows moved the cursor, not the focus";
    Key(vk::kEnter);
    EXPECT_EQ(Grid->Mode, 0) << "Enter went to the tip, not the gem under the cursor";
    EXPECT_EQ(Tutorial.ClosableTip(), nullptr);
    Frames(300);
    EXPECT_EQ(Tutorial.TipsCount, 1) << "gone after its fade; the other is no key's to close";
    Key(vk::kEnter);
    EXPECT_EQ(Grid->Mode, 1) << "with the tip gone, Enter is the board's again";
    Tutorial.CreateDynamicTip("h", "t", 100, 100, 0, 1);
    Key(vk::kEscape);
    Key(vk::kEscape);
    EXPECT_EQ(GameScreen->InGameMenu->Active, 1)
        << "Escape lets go of the gem, then opens the menu over a tip";
}

TEST_F(KeyPlayTest, NumberKeysAndShouldersTakeUpPowerupsAndEnterPutsThemDownAtTheCursor) {
    Playing(8);
    const auto stake = Charged<TStakeHUD>(24);
    const auto broom = Charged<TBroomHUD>(27);
    ASSERT_TRUE(stake && broom);
    Key(vk::k0 + 3);
    EXPECT_EQ(Grid->PointerGemType, broom) << "3: the third slot from the left";
    Key(vk::k0 + 3);
    EXPECT_EQ(Grid->PointerGemType, nullptr) << "the same key puts it back";
    Key(vk::k0 + 2);
    EXPECT_EQ(Grid->PointerGemType, nullptr) << "the hammer is not bought";
    // The shoulders step through the charged ones only, round the row.
    for (const auto& [key, expected] : {std::pair{vk::kGamepadRightShoulder, stake},
                                        {vk::kGamepadRightShoulder, broom},
                                        {vk::kGamepadRightShoulder, stake},
                                        {vk::kGamepadLeftShoulder, broom}}) {
        Key(key);
        EXPECT_EQ(Grid->PointerGemType, expected) << key;
    }
    Key(vk::kEscape);
    EXPECT_EQ(Grid->PointerGemType, nullptr) << "Escape puts the power-up back";
    EXPECT_EQ(GameScreen->InGameMenu->Active, 0) << "and opens no menu";

    Key(vk::k0 + 1);
    ASSERT_EQ(Grid->PointerGemType, stake);
    int x = 0, y = 0, stepX = 0, stepY = 0;
    ASSERT_TRUE(FindMove(x, y, stepX, stepY));
    CursorTo(x, y);
    EXPECT_EQ(Grid->PointerGemType, stake) << "moving the cursor keeps it in hand";
    Key(vk::kEnter);
    EXPECT_EQ(Grid->PointerGemType, nullptr);
    EXPECT_EQ(stake->CurrentCharge, 0) << "spent on the cell";
    EXPECT_EQ(Player.levelPowerupsUsed, 1);
    EXPECT_EQ(broom->IsCharged(), 1);
}

}  // namespace
