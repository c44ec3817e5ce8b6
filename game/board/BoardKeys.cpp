// The player's hand on the board by keyboard, and by a game controller, whose buttons arrive as the same
// keys. The cursor shows from the first key until the mouse moves; a press under it is a click there.
#include <algorithm>
#include <array>
#include <memory>

#include "framework/core/Game.h"
#include "framework/core/Input.h"
#include "framework/ui/KeyFocus.h"
#include "framework/ui/MousePointer.h"
#include "game/board/Board.h"
#include "game/board/BoardEvents.h"
#include "game/board/BoardSound.h"
#include "game/board/GameGrid.h"
#include "platform/KeyCodes.h"

namespace {

namespace vk = platform::vk;

// The power-ups in the order their slots stand on the HUD, left to right.
std::array<THUDPowerup*, HUD_POWERUP_COUNT> SlotsFromLeft() {
    std::array<THUDPowerup*, HUD_POWERUP_COUNT> slots{};
    for (size_t i = 0; i < slots.size(); ++i) slots[i] = HUDPowerups[i].get();
    std::stable_sort(slots.begin(), slots.end(), [](const THUDPowerup* a, const THUDPowerup* b) {
        if (!a || !b) return a != nullptr;
        return a->HUDLocation.x < b->HUDLocation.x;
    });
    return slots;
}

bool Usable(THUDPowerup* powerup) {
    return powerup && powerup->Level() > 0 && powerup->IsCharged();
}

}  // namespace

int TGameGrid::CheckKeys() {
    if (!Game || !Game->Mouse || HUDPowerupBlockInput) return 0;
    if (SwapRunning() || BoardEvents.OutroRunning() || BoardEvents.NoMoreMovesRunning() ||
        BoardEvents.LevelCompleteActive()) {
        return 0;
    }
    const TMousePointer& mouse = *Game->Mouse;
    if (mouse.x != keyMouseX_ || mouse.y != keyMouseY_) {
        KeyCursorShown = 0;
        keyMouseX_ = mouse.x;
        keyMouseY_ = mouse.y;
    }
    if (KeyCursorX < 0 || KeyCursorY < 0 || KeyCursorX >= levelwidth || KeyCursorY >= levelheight) {
        KeyCursorX = levelwidth / 2;
        KeyCursorY = levelheight / 2;
    }

    for (int n = 1; n <= HUD_POWERUP_COUNT; ++n) {
        if (KeyHit(vk::k0 + n)) TakeUpPowerupSlot(n);
    }
    for (const auto& [key, step] :
         {std::pair{vk::kGamepadLeftShoulder, -1}, {vk::kGamepadRightShoulder, 1}}) {
        if (!KeyHit(key)) continue;
        const int slot = NextChargedSlot(step);
        if (slot > 0) {
            TakeUpPowerupSlot(slot);
        } else {
            PlayBoardSound(InvalidSound.get());
        }
    }

    int stepX = 0, stepY = 0;
    if (KeyHit(vk::kLeft)) stepX = -1;
    if (KeyHit(vk::kRight)) stepX = 1;
    if (KeyHit(vk::kUp)) stepY = -1;
    if (KeyHit(vk::kDown)) stepY = 1;
    if (stepX != 0 && stepY != 0) stepY = 0;  // one step at a time, across first
    const bool press = KeyHit(vk::kEnter) + KeyHit(vk::kSpace) > 0;

    if (stepX != 0 || stepY != 0) {
        if (Mode == 1) {
            // A selected gem goes the way of the arrow, as a drag would take it; the cursor follows.
            const int tx = cx + stepX, ty = cy + stepY;
            KeyCursorShown = 1;
            if (tx >= 0 && ty >= 0 && tx < levelwidth && ty < levelheight) {
                KeyCursorX = tx;
                KeyCursorY = ty;
            }
            return SwapSelectionWith(tx, ty);
        }
        // The first key only shows where the cursor is.
        if (KeyCursorShown) {
            KeyCursorX = std::clamp(KeyCursorX + stepX, 0, levelwidth - 1);
            KeyCursorY = std::clamp(KeyCursorY + stepY, 0, levelheight - 1);
        }
        KeyCursorShown = 1;
    }
    if (!press) return 0;
    if (!KeyCursorShown) {
        KeyCursorShown = 1;
        return 0;
    }
    if (Mode == 1 && KeyCursorX == cx && KeyCursorY == cy) return PressSelection();
    if (Mode == 1) ClearCursor();
    return PressCell(KeyCursorX, KeyCursorY, GridToScreenX(KeyCursorX) + kCellSize / 2,
                     GridToScreenY(KeyCursorY) + kCellSize / 2);
}

int TGameGrid::TakeUpPowerupSlot(int n) {
    if (n < 1 || n > HUD_POWERUP_COUNT) return 0;
    THUDPowerup* powerup = SlotsFromLeft()[static_cast<size_t>(n - 1)];
    if (!powerup) return 0;
    if (PointerGemType.get() == powerup) return ClearHUDCursor(1);
    // A press on its slot, as the mouse makes it: a charged one is taken up (or acts at once), any other
    // refuses with the invalid sound.
    if (!powerup->CheckIsClicked(powerup->HUDLocation.x, powerup->HUDLocation.y)) return 0;
    ClearCursor();
    HUDPowerDragging = 0;
    KeyCursorShown = PointerGemType ? 1 : KeyCursorShown;
    return 1;
}

int TGameGrid::PowerupSlotOf(const THUDPowerup* powerup) {
    const auto slots = SlotsFromLeft();
    for (size_t i = 0; i < slots.size(); ++i) {
        if (powerup && slots[i] == powerup) return static_cast<int>(i) + 1;
    }
    return 0;
}

int TGameGrid::NextChargedSlot(int step) const {
    const auto slots = SlotsFromLeft();
    int at = -1;
    for (int i = 0; i < HUD_POWERUP_COUNT; ++i) {
        if (PointerGemType && slots[static_cast<size_t>(i)] == PointerGemType.get()) at = i;
    }
    if (at < 0) at = step > 0 ? -1 : HUD_POWERUP_COUNT;
    for (int i = 1; i <= HUD_POWERUP_COUNT; ++i) {
        const int slot = ((at + step * i) % HUD_POWERUP_COUNT + HUD_POWERUP_COUNT) % HUD_POWERUP_COUNT;
        if (Usable(slots[static_cast<size_t>(slot)])) return slot + 1;
    }
    return 0;
}

void TGameGrid::DrawKeyCursor() const {
    if (!KeyCursorShown || !CellAt(KeyCursorX, KeyCursorY)) return;
    if (BoardEvents.IntroRunning() || BoardEvents.OutroRunning()) return;
    DrawFocusFrame(static_cast<float>(GridToScreenX(KeyCursorX)),
                   static_cast<float>(GridToScreenY(KeyCursorY)) + topY, kCellSize, kCellSize,
                   0.5f + 0.5f * glow1.ratio);
}
