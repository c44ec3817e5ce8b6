// The hint, and the shaking of a board without moves.
#include <memory>

#include "framework/core/Globals.h"
#include "game/board/Board.h"
#include "game/board/BoardEvents.h"
#include "game/board/BoardSound.h"
#include "game/board/Cell.h"
#include "game/board/GameGrid.h"
#include "game/board/Gem.h"
#include "game/board/GemList.h"

int TGameGrid::StartHint() {
    if (HintCounter > 0 || BoardEvents.NoMoreMovesRunning() || BoardEvents.OutroRunning() || BlockInput ||
        SwapRunning()) {
        return 0;
    }
    BoardEvents.ResetHintShowCounter();
    HintCounter = HintLength;
    // Each hint shows the next move; after the last the search starts from the first again.
    const int asked = HintCurrent;
    if (DoNoMoreMoves(HintCurrent) && asked != 1 && HintCurrent == 1) DoNoMoreMoves(HintCurrent);
    ++HintCurrent;
    HintX = DebugX;
    HintY = DebugY;
    const TCell* cell = CellAt(HintX, HintY);
    if (cell && cell->Gem) {
        PlayBoardSound(HintSound.get());
        cell->Gem->SetHintWobble(1);
        hintedGem_ = cell->Gem;
        return 1;
    }
    for (const auto& powerup : HUDPowerups) {
        if (powerup && powerup->HasValidMove()) {
            PlayBoardSound(HintSound.get());
            powerup->SetHintWobble(1);
            break;
        }
    }
    return 1;
}

int TGameGrid::ManageHint() {
    if (HintCounter <= 0) return 0;
    HintCounter -= Delta;
    if (HintCounter <= 0) StopHint();
    return 1;
}

int TGameGrid::StopHint() {
    BoardEvents.ClearHint();
    HintCounter = 0;
    if (const auto gem = hintedGem_.lock()) gem->SetHintWobble(0);
    hintedGem_.reset();
    for (const auto& powerup : HUDPowerups) {
        if (powerup) powerup->SetHintWobble(0);
    }
    return 1;
}

int TGameGrid::ManageJiggle(float limit) {
    if (BoardEvents.NoMoreCounter() > limit) {
        // Side to side between the two ends, starting one way.
        JiggleOffset -= static_cast<float>(JiggleDirection) * Delta;
        if (JiggleOffset <= -JiggleMax) {
            JiggleOffset = -JiggleMax;
            JiggleDirection = -1;
        } else if (JiggleOffset >= JiggleMax) {
            JiggleOffset = JiggleMax;
            JiggleDirection = 1;
        }
        return 1;
    }
    if (!Exploded) {
        Exploded = 1;
        JiggleOffset = 0;
        JiggleDirection = 0;
        BoardEvents.PlayGameOverSound();
        if (Gems) Gems->SpreadAll();
    }
    if (Gems) Gems->MoveAll();
    return 1;
}
