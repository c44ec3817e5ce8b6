// The swap of the selected gem with a neighbour (or into an empty neighbouring cell): both glide for
// SwapTime ticks; then the move stands when it makes a run through one of the two cells or moves a bonus
// item, and glides back otherwise.
#include <algorithm>
#include <memory>
#include <utility>

#include "framework/core/Globals.h"
#include "game/board/Board.h"
#include "game/board/BoardEvents.h"
#include "game/board/BoardSound.h"
#include "game/board/Cell.h"
#include "game/board/GameGrid.h"
#include "game/board/Gem.h"
#include "game/board/GemList.h"
#include "game/board/Player.h"
#include "game/save/SaveData.h"

namespace {

// A swapping gem stands still again.
void Halt(TGem& gem, int swapping) {
    gem.dx = gem.dy = 0;
    gem.Swapping = swapping;
}

}  // namespace

int TGameGrid::StartSwap() {
    return StartSwapTo(mx, my);
}

int TGameGrid::StartSwapTo(int x, int y) {
    TCell* source = CellAt(cx, cy);
    if (!source || !source->Gem || !CellAt(x, y)) return 0;
    dx = x;
    dy = y;
    StopHint();
    const float speed = kCellSize / SwapTime;
    SwapSource = source->Gem;
    SwapDest = CellAt(dx, dy)->Gem;
    SwapSource->dx = static_cast<float>(dx - cx) * speed;
    SwapSource->dy = static_cast<float>(dy - cy) * speed;
    SwapSource->Swapping = 1;
    if (SwapDest) {
        SwapDest->dx = -SwapSource->dx;
        SwapDest->dy = -SwapSource->dy;
        SwapDest->Swapping = 1;
    }
    PlayBoardSound(SwapSound.get(), 0.5f);
    SwapCounter = SwapTime;
    return 1;
}

int TGameGrid::ManageSwap() {
    if (!SwapRunning() || SwapCounter <= 0) return 0;
    // The last step is cut short so that the gems travel exactly one cell.
    const float step = std::min(Delta, SwapCounter);
    for (TGem* gem : {SwapSource.get(), SwapDest.get()}) {
        if (!gem) continue;
        gem->x += gem->dx * step;
        gem->y += gem->dy * step;
    }
    SwapCounter -= step;
    if (SwapCounter <= 0) {
        SwapCounter = 0;
        StopSwap();
    }
    return 1;
}

int TGameGrid::StopSwap() {
    const std::shared_ptr<TGem> source = SwapSource, dest = SwapDest;
    if (!source) return 0;
    if (FailedMove) {
        // Back where they started: nothing changed.
        for (TGem* gem : {source.get(), dest.get()}) {
            if (!gem) continue;
            gem->CalcCoords(gem->gx, gem->gy);
            Halt(*gem, 0);
        }
        FailedMove = 0;
        SwapSource.reset();
        SwapDest.reset();
        ClearCursor();
        Player.KillsAdd(CheckMatches(0, 0));
        return 0;
    }

    const int fromX = source->gx, fromY = source->gy;
    TCell* from = CellAt(fromX, fromY);
    TCell* to = CellAt(dx, dy);
    // A gem that fell into the empty target cell meanwhile takes it: the move cannot happen.
    if (!dest && to->Gem) return ReverseSwap();
    const int bonus = IsBonusSwap();
    if (MoveNeedsMatchFlag && !bonus) {
        std::swap(from->Gem, to->Gem);
        const bool run = CheckMatches(1, 1) > 0 && (from->match || to->match);
        ClearMatches();
        std::swap(from->Gem, to->Gem);
        if (!run) return ReverseSwap();
    }

    if (dest) {
        source->SwapTypes(*dest);
    } else {
        from->Gem.reset();
        to->Gem = source;
        source->gx = dx;
        source->gy = dy;
    }
    if (fromX != dx && fromY != dy) {
        // The diagonal ability lasts for one diagonal move.
        DiagonalMoves = 0;
        SaveData.gaugeLevel = 0;
    }
    const int swapping = BoardEvents.NoMoreMovesRunning() ? 1 : 0;
    for (TGem* gem : {source.get(), dest.get()}) {
        if (!gem) continue;
        gem->CalcCoords(gem->gx, gem->gy);
        Halt(*gem, swapping);
    }
    ClearCursor();
    Gems->SortAll();
    ++Player.levelMoves;
    if (!swapping) Player.KillsAdd(CheckMatches(0, 0));
    for (TGem* gem : {source.get(), dest.get()}) {
        if (gem) gem->CollectIfSkullAtBottom();
    }
    BoardEvents.ShowSwapCompleteTip();
    // Both bonus items of a swap go off; the second may already have gone off in the first one's blast.
    for (TGem* gem : {source.get(), dest.get()}) {
        if (!gem || !gem->IsBonus() || gem->BonusActivated || gem->GemType == GEM_CLEARED) continue;
        ChainedBonuses = 1;
        ActivateBonus(*gem, gem->gx, gem->gy);
    }
    SwapSource.reset();
    SwapDest.reset();
    return 1;
}

int TGameGrid::ReverseSwap() {
    if (!BoardEvents.NoMoreMovesRunning()) PlayBoardSound(FailedSound.get());
    for (TGem* gem : {SwapSource.get(), SwapDest.get()}) {
        if (!gem) continue;
        gem->dx = -gem->dx;
        gem->dy = -gem->dy;
    }
    SwapCounter = SwapTime;
    FailedMove = 1;
    return 0;
}

int TGameGrid::IsBonusSwap() {
    return (SwapSource && SwapSource->IsBonus()) || (SwapDest && SwapDest->IsBonus());
}
