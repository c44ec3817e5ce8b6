// The board's tick. Everything that moves, explodes or falls keeps BlockInput set; the tick in which it
// clears is the one moment the level end and the no-more-moves rule are looked at.
#include <memory>

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/ui/MousePointer.h"
#include "game/board/Board.h"
#include "game/board/BoardEvents.h"
#include "game/board/GameGrid.h"
#include "game/board/GemList.h"

namespace {

constexpr float kMagicTurn = 0.05f;  // degrees per tick of the magic highlight

}  // namespace

int TGameGrid::Manage() {
    BonusUsedThisFrame = 0;
    cursorTimer += Delta;
    const bool introOrOutro = BoardEvents.IntroRunning() || BoardEvents.OutroRunning();
    if (!introOrOutro) {
        BoardEvents.CheckMouse();
        BoardEvents.CheckKeys();
        BoardEvents.UpdatePowerups();
    }
    MouseUpFlag = Game && Game->Mouse && Game->Mouse->GetMb() ? 0 : 1;
    BoardEvents.AnimatePointer();
    IntroFlash();
    RandomFlash();
    for (TSineCounter* pulse : {&glow1, &glow2, &glow3, &glow4, &SkullAnim}) pulse->Manage();
    magicRotation += kMagicTurn * Delta;
    if (magicRotation > 360) magicRotation -= 360;
    if (!HUDPowerupBlockInput) BoardEvents.ManageHint();
    BoardEvents.ManageSwap();
    ManageFlash();

    const int wasBlocked = BlockInput;
    const int busy = Gems ? Gems->Manage() : 0;
    if (!BoardEvents.OutroRunning()) BlockInput = busy;
    if (HUDPowerupBlockInput) return 1;
    if (Gems) DropGems();
    if (SwapRunning()) BlockInput = 1;
    if (!BoardEvents.OutroRunning() && wasBlocked && !BlockInput) {
        CheckLevelEnd();
        BoardEvents.CheckNoMoreMoves();
    }
    return 1;
}
