// Looking for a possible move: every swap of a free gem with the cell below, to its right and, while the
// diagonal ability lasts, below-left and below-right, tried in the cells only (nothing moves on screen),
// with a quick look for a run of three around it. Bonus items are moves by themselves.
#include <algorithm>

#include "game/board/Board.h"
#include "game/board/BoardEvents.h"
#include "game/board/Cell.h"
#include "game/board/GameGrid.h"
#include "game/board/Gem.h"

namespace {

// A gem that can take part in a move: none (an empty cell), or one neither locked nor rocked.
bool Free(const TCell& cell) {
    return !cell.Gem || (!cell.Gem->locked && !cell.Gem->rocked);
}

// The type a cell shows to the quick search: rocked gems and empty cells count as none.
int QuickType(int x, int y) {
    const TCell* cell = CellAt(x, y);
    if (!cell || !cell->Gem || cell->Gem->rocked) return 0;
    return cell->Gem->GemType;
}

bool Matchable(int type) {
    return type >= 1 && type <= 13;
}

}  // namespace

int TGameGrid::DoQuickMatchHoriz(int x, int y, int kind) {
    for (int row = y; row <= std::min(y + 1, levelheight - 1); ++row) {
        // On the second row a diagonal swap reaches one column further each way.
        const int widen = kind != 0 && row == y + 1 ? 1 : 0;
        const int first = std::max(0, x - 2 - widen), last = std::min(x + 3 + widen, levelwidth - 1);
        for (int column = first; column + 2 <= last; ++column) {
            const int type = QuickType(column, row);
            if (Matchable(type) && QuickType(column + 1, row) == type && QuickType(column + 2, row) == type) {
                HintGemType = type;
                return 1;
            }
        }
    }
    return 0;
}

int TGameGrid::DoQuickMatchVert(int x, int y, int kind) {
    const int firstColumn = std::max(0, x - (kind == 1 ? 1 : 0));
    const int lastColumn = std::min(x + (kind == 1 ? 0 : 1), levelwidth - 1);
    for (int column = firstColumn; column <= lastColumn; ++column) {
        // On the last column a diagonal swap reaches one row further each way.
        const int widen = kind != 0 && column == lastColumn ? 1 : 0;
        const int first = std::max(0, y - 2 - widen), last = std::min(y + 3 + widen, levelheight - 1);
        for (int row = first; row + 2 <= last; ++row) {
            const int type = QuickType(column, row);
            if (Matchable(type) && QuickType(column, row + 1) == type && QuickType(column, row + 2) == type) {
                HintGemType = type;
                return 1;
            }
        }
    }
    return 0;
}

int TGameGrid::CheckMove(int x, int y, int tx, int ty, int kind) {
    TCell* from = CellAt(x, y);
    TCell* to = CellAt(tx, ty);
    if (!from || !to || !to->active || !Free(*to)) return 0;
    if (to->Gem && to->Gem->GemType == -1) return 0;
    std::swap(from->Gem, to->Gem);
    const int found = DoQuickMatchHoriz(x, y, kind) || DoQuickMatchVert(x, y, kind) ? 1 : 0;
    std::swap(from->Gem, to->Gem);
    return found;
}

int TGameGrid::DoNoMoreMoves(int n) {
    int counted = 0;
    auto found = [&](int gemX, int gemY, int targetX, int targetY, bool firstIsTheMove) {
        DebugX = firstIsTheMove ? gemX : targetX;
        DebugY = firstIsTheMove ? gemY : targetY;
        return 0;
    };
    for (int y = 0; y < levelheight; ++y) {
        for (int x = 0; x < levelwidth; ++x) {
            const TCell* cell = CellAt(x, y);
            if (!cell || !cell->active || !Free(*cell)) continue;
            const int type = cell->Gem ? cell->Gem->GemType : 0;
            if (type > 14) {
                if (n == 0 || ++counted == n) return found(x, y, -1, -1, true);
                continue;
            }
            if (type == -1) continue;
            struct Try {
                int dx, dy, kind;
                bool allowed;
            };
            const Try tries[] = {
                {0, 1, 0, y < levelheight - 1},
                {1, 0, 0, x < levelwidth - 1},
                {-1, 1, 1, DiagonalMoves != 0},
                {1, 1, 2, DiagonalMoves != 0},
            };
            for (const Try& t : tries) {
                if (!t.allowed || !CheckMove(x, y, x + t.dx, y + t.dy, t.kind)) continue;
                if (n == 0 || ++counted == n) return found(x, y, x + t.dx, y + t.dy, type == HintGemType);
            }
        }
    }
    if (n >= 1 && counted > 0) HintCurrent = 1;
    DebugX = DebugY = -1;
    return 1;
}

int TGameGrid::CheckNoMoreMoves() {
    if (BoardEvents.NoMoreMovesRunning() || BlockInput || SwapRunning()) return 0;
    for (const auto& powerup : HUDPowerups) {
        if (powerup && powerup->HasValidMove()) return 0;
    }
    if (!DoNoMoreMoves(0)) return 0;
    BoardEvents.NoMoreMoves();
    return 1;
}
