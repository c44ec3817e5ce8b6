// Finding runs of three or more: rows top to bottom, then columns left to right. A gem starts a run when
// it can match (a colour, not rocked, not swapping unless asked); the run grows over gems of its type that
// are not rocked.
#include "game/board/Board.h"
#include "game/board/Cell.h"
#include "game/board/GameGrid.h"
#include "game/board/Gem.h"

namespace {

const TGem* GemAt(int x, int y) {
    const TCell* cell = CellAt(x, y);
    return cell ? cell->Gem.get() : nullptr;
}

bool StartsRun(const TGem* gem, int includeSwapping) {
    return gem && gem->GemType != -1 && gem->GemType < 14 && !gem->rocked &&
           (includeSwapping || !gem->Swapping);
}

bool Extends(const TGem* gem, int type, int includeSwapping) {
    return gem && gem->GemType == type && !gem->rocked && (includeSwapping || !gem->Swapping);
}

}  // namespace

template <typename Mark>
void TGameGrid::FindRuns(int includeSwapping, int lines, int length, Mark mark) {
    for (int line = 0; line < lines; ++line) {
        int at = 0;
        while (at <= length - 3) {
            const TGem* first = mark.Gem(at, line);
            if (!StartsRun(first, includeSwapping)) {
                ++at;
                continue;
            }
            int end = at + 1;
            while (end < length && Extends(mark.Gem(end, line), first->GemType, includeSwapping)) ++end;
            if (end - at >= 3) {
                mark.Run(at, end, line);
                at = end;
            } else {
                ++at;
            }
        }
    }
}

int TGameGrid::CountMatches(int includeSwapping) {
    TotalMatchesCount = 0;
    struct Rows {
        TGameGrid& grid;
        const TGem* Gem(int along, int line) const { return GemAt(along, line); }
        void Run(int from, int to, int line) const { grid.MarkRun(from, to, line, true); }
    };
    struct Columns {
        TGameGrid& grid;
        const TGem* Gem(int along, int line) const { return GemAt(line, along); }
        void Run(int from, int to, int line) const { grid.MarkRun(from, to, line, false); }
    };
    FindRuns(includeSwapping, levelheight, levelwidth, Rows{*this});
    FindRuns(includeSwapping, levelwidth, levelheight, Columns{*this});
    int marked = 0;
    for (int x = 0; x < levelwidth; ++x) {
        for (int y = 0; y < levelheight; ++y) {
            if (Cells[x][y] && Cells[x][y]->match == 1) ++marked;
        }
    }
    return marked;
}

void TGameGrid::MarkRun(int from, int to, int line, bool horizontal) {
    for (int along = from; along < to; ++along) {
        TCell* cell = horizontal ? CellAt(along, line) : CellAt(line, along);
        if (cell) cell->match = 1;
    }
    TotalMatchesCount += to - from;
}

int TGameGrid::ClearMatches() {
    for (int x = 0; x < levelwidth; ++x) {
        for (int y = 0; y < levelheight; ++y) {
            if (!Cells[x][y]) continue;
            Cells[x][y]->match = 0;
            Cells[x][y]->createBonus = 0;
        }
    }
    return 1;
}
