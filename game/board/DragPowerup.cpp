#include "game/board/DragPowerup.h"

#include "game/board/Board.h"
#include "game/board/BoardSound.h"
#include "game/board/Cell.h"
#include "game/board/GameGrid.h"
#include "game/board/Gem.h"

int TDragPowerup::OnClicked() {
    if (Level() <= 0 || !Grid) return 0;
    return Grid->SetBonusPointer(shared_from_this(), 1);
}

int TDragPowerup::Validate(int x, int y) {
    const THUDPowerInfoList cell = AreaAt(x, y, 0);
    return !cell.empty() && cell.front().valid ? 1 : 0;
}

bool TDragPowerup::BoardHolds(bool (*want)(const TGem&)) {
    if (!Grid) return false;
    for (int x = 0; x < Grid->levelwidth; ++x) {
        for (int y = 0; y < Grid->levelheight; ++y) {
            const TCell* cell = CellAt(x, y);
            if (cell && cell->Gem && want(*cell->Gem)) return true;
        }
    }
    return false;
}

THUDPowerInfoList TDragPowerup::GetAreaOfEffect(int x, int y) {
    return AreaAt(x, y, Level() - 1);
}

int TClickPowerup::CheckIsClicked(int x, int y) {
    if (!PointWithin(x, y)) return 0;
    if (Grid && (Grid->SwapCounter != 0 || Grid->BlockInput)) {
        PlayBoardSound(Grid->InvalidSound.get(), 1.0f);
        return 0;
    }
    return THUDPowerup::CheckIsClicked(x, y);
}

int TClickPowerup::HasValidMove() {
    return Level() > 0 && IsCharged();
}
