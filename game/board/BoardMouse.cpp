// The player's hand on the board, and what a press does wherever it comes from. A press is fresh in the tick
// the button goes down (the button was up at the end of the last tick); holding it and moving to a neighbour
// drags the selected gem there.
#include <cmath>
#include <cstdlib>
#include <memory>

#include "framework/core/Game.h"
#include "framework/ui/MousePointer.h"
#include "game/board/Board.h"
#include "game/board/BoardEvents.h"
#include "game/board/BoardSound.h"
#include "game/board/Cell.h"
#include "game/board/GameGrid.h"
#include "game/board/Gem.h"
#include "game/board/GemList.h"

namespace {

// The cell of a screen coordinate along one axis, -1 before the board's first cell.
int CellOf(int point, int origin) {
    return static_cast<int>(std::floor(static_cast<float>(point - origin) / kCellSize));
}

bool IsPickup(const TGem& gem) {
    return gem.GemType == GEM_COIN || gem.GemType == GEM_BAG;
}

// Any power-up whose slot the point is in.
bool OverAPowerup(int x, int y) {
    for (const auto& powerup : HUDPowerups) {
        if (powerup && powerup->PointWithin(x, y)) return true;
    }
    return false;
}

}  // namespace

int TGameGrid::CheckMouse() {
    if (!Game || !Game->Mouse) return 0;
    TMousePointer& mouse = *Game->Mouse;
    const bool held = mouse.GetMb() != 0;
    const bool fresh = held && MouseUpFlag;

    if (HUDPowerupBlockInput) {
        if (fresh && OverAPowerup(mouse.x, mouse.y)) PlayBoardSound(InvalidSound.get());
        return 0;
    }
    if (SwapRunning() || BoardEvents.OutroRunning() || BoardEvents.NoMoreMovesRunning() ||
        BoardEvents.LevelCompleteActive()) {
        return 0;
    }

    mx = CellOf(mouse.x, sx);
    my = CellOf(mouse.y, sy);
    if (mx < 0 || my < 0 || mx >= levelwidth || my >= levelheight) mx = my = -1;

    // The power-ups of the HUD: taking one up, putting it back, dragging it out of its slot.
    if (!held && HUDPowerDragging == -1) HUDPowerDragging = 0;
    if (fresh) {
        if (PointerGemType && PointerGemType->PointWithin(mouse.x, mouse.y)) {
            ClearHUDCursor(1);
            return 1;
        }
        for (const auto& powerup : HUDPowerups) {
            if (powerup && powerup->CheckIsClicked(mouse.x, mouse.y)) {
                mx = my = -1;
                MouseUpFlag = 0;
                Mode = 0;
                HUDPowerDragging = -1;
                return 1;
            }
        }
    }
    if (held && PointerGemType && HUDPowerDragging == -1 && !PointerGemType->PointWithin(mouse.x, mouse.y)) {
        HUDPowerDragging = 1;
    }

    // Off the board or over a hole only a drag of the selection goes on, to the neighbour it points at.
    const bool offBoard = mx < 0;
    if (offBoard || !CellActive(mx, my)) {
        if (!held) {
            if (PointerGemType && HUDPowerDragging == 1) ClearHUDCursor(1);
            return 0;
        }
        if (offBoard && fresh) {
            if (Mode == 1 || PointerGemType) ClearBonus(1);
            return 0;
        }
        if (!offBoard && PointerGemType && HUDPowerDragging != 1) {
            ClearCursor();
            ClearBonus(1);
        }
        if (Mode != 1 || !CheckDrag()) return 0;
    }

    if (!held) {
        // A power-up dragged from the HUD is let go over a cell.
        if (PointerGemType && HUDPowerDragging == 1) {
            HUDPowerDragging = 0;
            const auto powerup = PointerGemType;
            if (powerup->Validate(mx, my)) {
                powerup->Activate(mx, my);
                ClearCursor();
                ClearBonus(1);
            } else {
                PlayBoardSound(FailedSound.get());
            }
        }
        return 0;
    }

    if (Mode == 1 && (mx != cx || my != cy)) {
        if (!CellActive(mx, my)) return 0;
        if (DiagonalMoves && !fresh && !MouseOnDiagonalMask(mx, my)) return 0;
        const int stepX = std::abs(mx - cx), stepY = std::abs(my - cy);
        const bool neighbour = stepX + stepY == 1 || (DiagonalMoves && stepX == 1 && stepY == 1);
        if (!neighbour) {
            if (fresh) {
                // A press on another gem: it is selected instead, below.
                ClearCursor();
            } else if (!CheckDrag()) {
                return 0;
            }
        }
    }

    if (Mode == 1) {
        if (mx != cx || my != cy) return SwapSelectionWith(mx, my);
        return fresh ? PressSelection() : 0;
    }

    if (!fresh) return 0;
    MouseUpFlag = 0;
    return PressCell(mx, my, mouse.x, mouse.y);
}

int TGameGrid::SwapSelectionWith(int x, int y) {
    const TCell* target = CellAt(x, y);
    const TGem* gem = target ? target->Gem.get() : nullptr;
    if (!target || !target->active) {
        ClearBonus(1);
    } else if (gem && gem->locked) {
        PlayBoardSound(LockedSound.get());
        ClearCursor();
    } else if (gem && gem->rocked) {
        PlayBoardSound(RockedSound.get());
        ClearCursor();
    } else if (!gem || gem->GemType != GEM_CLEARED) {
        StartSwapTo(x, y);
        return 1;
    }
    return 0;
}

int TGameGrid::PressSelection() {
    // A bonus item pressed twice within a second goes off.
    const std::shared_ptr<TGem> gem = CellAt(cx, cy)->Gem;
    if (cursorTimer < 200 && gem && gem->IsBonus()) {
        ChainedBonuses = 1;
        if (ActivateBonus(*gem, cx, cy)) ClearBonus(0);
    } else {
        ClearBonus(1);
    }
    return 0;
}

int TGameGrid::PressCell(int x, int y, int px, int py) {
    if (PointerGemType) {
        const auto powerup = PointerGemType;
        if (powerup->Validate(x, y)) {
            powerup->Activate(x, y);
            ClearHUDCursor(0);
        } else {
            PlayBoardSound(FailedSound.get());
        }
        return 0;
    }
    const std::shared_ptr<TGem> gem = CellAt(x, y)->Gem;
    if (!gem || gem->GemType == GEM_CLEARED) {
        if (!CollectCoinAt(px, py) && CellActive(x, y)) PlayBoardSound(InvalidSound.get());
    } else if (IsPickup(*gem) && !gem->locked) {
        UseCoin(*gem, gem->x, gem->y);
        DeleteGem(x, y);
        gem->Kill();
        ClearCursor();
    } else if (gem->locked) {
        PlayBoardSound(LockedSound.get());
    } else if (gem->rocked) {
        PlayBoardSound(RockedSound.get());
    } else {
        SetCursor(x, y);
        PlayBoardSound(ClickSound.get());
    }
    return 0;
}

bool TGameGrid::CollectCoinAt(int x, int y) {
    if (!Gems) return false;
    for (const auto& gem : Gems->Items()) {
        // A falling coin has left its cell: the mouse finds it by its picture.
        if (!gem || !IsPickup(*gem) || gem->dy <= 0) continue;
        if (std::fabs(x - gem->x) > TGem::HALF_CELL || std::fabs(y - gem->y) > TGem::HALF_CELL) continue;
        const std::shared_ptr<TGem> keep = gem;
        UseCoin(*keep, keep->x, keep->y);
        Gems->Remove(*keep);
        keep->Kill();
        return true;
    }
    return false;
}

bool TGameGrid::MouseOnDiagonalMask(int x, int y) const {
    const platform::PixelMap& mask = BoardImages.DiagonalMask;
    const int px = Game->Mouse->x - sx - kCellSize * x, py = Game->Mouse->y - sy - kCellSize * y;
    // A drag that left the board points at its cell from outside: the mask speaks only for the cell's own
    // square.
    if (px < 0 || py < 0 || px >= mask.Width() || py >= mask.Height()) return true;
    const platform::Rgba pixel = mask.At(px, py);
    return pixel.r || pixel.g || pixel.b || pixel.a;
}

int TGameGrid::CheckDrag() {
    const int moveX = Game->Mouse->x - selectedX, moveY = Game->Mouse->y - selectedY;
    int x = cx, y = cy;
    if (std::abs(moveY) > std::abs(moveX)) {
        y += moveY >= 0 ? 1 : -1;
    } else {
        x += moveX >= 0 ? 1 : -1;
    }
    if (!CellActive(x, y)) {
        mx = my = -1;
        ClearBonus(1);
        return 0;
    }
    mx = x;
    my = y;
    return 1;
}

int TGameGrid::SetCursor(int x, int y) {
    cursorTimer = 0;
    cx = x;
    cy = y;
    selectedX = Game && Game->Mouse ? Game->Mouse->x : -1;
    selectedY = Game && Game->Mouse ? Game->Mouse->y : -1;
    Mode = 1;
    return 1;
}

int TGameGrid::ClearCursor() {
    cx = cy = selectedX = selectedY = -1;
    Mode = 0;
    return 1;
}

int TGameGrid::ClearBonus(int withSound) {
    if (withSound) PlayBoardSound(ClickReverseSound.get());
    ClearCursor();
    RestorePointer();
    return 1;
}

int TGameGrid::ClearHUDCursor(int withSound) {
    if (!PointerGemType) return 0;
    HUDPowerDragging = 0;
    return ClearBonus(withSound);
}
