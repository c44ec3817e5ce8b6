// The mouse pointer over the board: the plain arrow, or a power-up carried from the HUD with its icon
// beside the pointer.
#include <memory>

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/gfx/GameImage.h"
#include "framework/sprites/Shadow.h"
#include "framework/ui/MousePointer.h"
#include "game/board/BoardEvents.h"
#include "game/board/BoardPictures.h"
#include "game/board/GameGrid.h"

namespace {

TMousePointer* Pointer() {
    return Game ? Game->Mouse.get() : nullptr;
}

}  // namespace

int TGameGrid::SetBonusPointer(std::shared_ptr<THUDPowerup> powerup, int restore) {
    if (TMousePointer* mouse = Pointer(); mouse && powerup) mouse->Image = powerup->CursorImage;
    PointerAnimated = 0;
    PointerGemType = std::move(powerup);
    BoardEvents.FadeTips();
    if (restore) {
        PointerAnimCounter = PointerAnimCounterStored;
        if (PointerAnimCounter > 0) SetPointerFrame();
    }
    return 1;
}

int TGameGrid::RestorePointer() {
    if (TMousePointer* mouse = Pointer()) {
        UseArrowPointer();
        mouse->Image2.reset();
        mouse->Image2Shadow.reset();
    }
    PointerAnimated = 0;
    PointerGemType.reset();
    return 1;
}

int TGameGrid::TogglePointer(int kind) {
    if (kind == 2) {
        PointerGemTypeStored = PointerGemType;
        PointerAnimCounterStored = PointerAnimCounter;
        RestorePointer();
    } else if (kind == 3 && PointerGemTypeStored) {
        SetBonusPointer(PointerGemTypeStored, 1);
    }
    return 1;
}

int TGameGrid::SetPointerFrame() {
    TMousePointer* mouse = Pointer();
    if (!mouse || !PointerGemType) return 0;
    mouse->Image2 = PointerGemType->HUDImage;
    mouse->Image2Scale = 0.6f;
    mouse->Image2Shadow = TShadow::Create(1.5f, 1.5f, 0.4f);
    return 1;
}

int TGameGrid::AnimatePointer() {
    if (PointerAnimCounter <= 0) return 0;
    PointerAnimCounter -= Delta;
    if (PointerAnimCounter > 0) {
        SetPointerFrame();
    } else if (PointerAnimated) {
        PointerAnimCounter = static_cast<float>(PointerAnimLength);
    } else {
        PointerAnimCounter = 0;
        RestorePointer();
    }
    return 1;
}

int TGameGrid::DrawHUDPowers() {
    const bool introOrOutro = BoardEvents.IntroRunning() || BoardEvents.OutroRunning();
    const TMousePointer* mouse = Pointer();
    for (const auto& powerup : HUDPowerups) {
        if (!powerup) continue;
        const bool over = mouse && powerup->PointWithin(mouse->x, mouse->y);
        powerup->Draw(over && !introOrOutro ? 1 : 0);
    }
    return 1;
}
