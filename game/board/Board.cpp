#include "game/board/Board.h"

#include "game/board/Cell.h"
#include "game/board/GameGrid.h"
#include "game/board/Gem.h"
#include "game/board/GemEffects.h"
#include "game/board/GemList.h"

std::shared_ptr<TGameGrid> Grid;
std::array<std::array<std::shared_ptr<TCell>, kMaxRows>, kMaxColumns> Cells;
std::shared_ptr<TGemList> Gems;
std::array<int, kMaxGemColours> GemColours{};
int GemColourCount = 0;
std::array<int, kMaxGemColours> BonusTypes{};
int BonusTypeCount = 0;
std::array<std::array<int, kMaxTopCells>, kMaxColumns> TopCellY{};
std::array<int, kMaxColumns> TopCellCount{};
std::array<std::array<int, kMaxTopCells>, kMaxColumns> TopCellDelay{};
std::array<TBorder, kMaxBorders> Borders{};
int BorderCount = 0;
std::array<TBorder, kMaxExtraBorders> ExtraBorders{};
int ExtraBorderCount = 0;

void ClearCells() {
    for (auto& column : Cells) column.fill(nullptr);
}

void ClearBorderPieces() {
    Borders.fill(TBorder{});
    ExtraBorders.fill(TBorder{});
    BorderCount = 0;
    ExtraBorderCount = 0;
}

void ClearTopCells() {
    for (auto& column : TopCellY) column.fill(0);
    for (auto& column : TopCellDelay) column.fill(0);
}

void ResetBoard() {
    Gems.reset();
    ClearCells();
    Grid.reset();
    GemColours.fill(0);
    GemColourCount = 0;
    BonusTypes.fill(0);
    BonusTypeCount = 0;
    ClearTopCells();
    TopCellCount.fill(0);
    ClearBorderPieces();
    BoardEffects.Clear();
    HoverAnimLength = 0;
}

int GridToScreenX(int x) {
    return Grid->sx + kCellSize * x;
}

int GridToScreenY(int y) {
    return Grid->sy + kCellSize * y;
}

int ScreenToGridY(int py) {
    if (py < Grid->sy) return -1;
    return (py - Grid->sy) / kCellSize;
}

int ScreenToGridX(int px) {
    return (px - Grid->sx) / kCellSize;
}

TCell* CellAt(int x, int y) {
    if (!Grid || x < 0 || y < 0 || x >= Grid->levelwidth || y >= Grid->levelheight) return nullptr;
    return Cells[x][y].get();
}

bool CellActive(int x, int y) {
    const TCell* cell = CellAt(x, y);
    return cell && cell->active;
}
