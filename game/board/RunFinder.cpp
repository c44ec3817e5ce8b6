// Finding runs of three or more: rows top to bottom, then columns left to right. A gem starts a run when
// it can match (a colour, not rocked, not swapping unless asked); the run grows over gems of its type that
// are not rocked. Each run marks its cells and, for a real match, the cell where its bonus item is born.
#include "framework/core/Random.h"
#include "game/board/Board.h"
#include "game/board/BoardEvents.h"
#include "game/board/Cell.h"
#include "game/board/GameGrid.h"
#include "game/board/Gem.h"
#include "game/board/Player.h"

namespace {

const TGem* GemAt(int x, int y) {
    const TCell* cell = CellAt(x, y);
    return cell ? cell->Gem.get() : nullptr;
}

bool StartsRun(const TGem* gem, int includeSwapping) {
    return gem && gem->GemType != GEM_CLEARED && gem->GemType < GEM_SKULL && !gem->rocked &&
           (includeSwapping || !gem->Swapping);
}

bool Extends(const TGem* gem, int type, int includeSwapping) {
    return gem && gem->GemType == type && !gem->rocked && (includeSwapping || !gem->Swapping);
}

// Where in a run its bonus item is born (0-based), or -1 for none: the second or third gem of four, the
// middle of five, and one further along for every two gems more. The tutorial's first tip on level 2
// points at the second gem of its run of four, so there the choice is fixed.
int BonusPosition(int length, bool tutorialRun) {
    if (length == 4) return tutorialRun ? 1 : Rand(1, 2);
    if (length >= 5) return 2 + (length - 5) / 2;
    return -1;
}

int BonusKind(int length) {
    return length >= 5 ? 2 : 1;
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

int TGameGrid::CheckMatches(int countOnly, int includeSwapping) {
    TotalMatchesCount = 0;
    struct Rows {
        TGameGrid& grid;
        int noBonus;
        const TGem* Gem(int along, int line) const { return GemAt(along, line); }
        void Run(int from, int to, int line) const {
            grid.MarkMatchesHoriz(from, to, line, to - from, noBonus);
        }
    };
    struct Columns {
        TGameGrid& grid;
        int noBonus;
        const TGem* Gem(int along, int line) const { return GemAt(line, along); }
        void Run(int from, int to, int line) const {
            grid.MarkMatchesVert(from, to, line, to - from, noBonus);
        }
    };
    FindRuns(includeSwapping, levelheight, levelwidth, Rows{*this, countOnly});
    FindRuns(includeSwapping, levelwidth, levelheight, Columns{*this, countOnly});
    return ProcessMatches(countOnly, 1);
}

int TGameGrid::MarkMatchesHoriz(int x1, int x2, int y, int length, int noBonus) {
    int bonusAt = -1;
    if (!noBonus) {
        Player.LogMatches(length);
        bonusAt = BonusPosition(length, Player.Level == 2 && BoardEvents.CurrentTip() == 1);
    }
    for (int x = x1; x < x2; ++x) {
        TCell* cell = CellAt(x, y);
        if (!cell) continue;
        cell->match = 1;
        if (x - x1 == bonusAt) cell->createBonus = BonusKind(length);
    }
    TotalMatchesCount += length;
    return 1;
}

int TGameGrid::MarkMatchesVert(int y1, int y2, int x, int length, int noBonus) {
    int bonusAt = -1;
    if (!noBonus) {
        Player.LogMatches(length);
        bonusAt = BonusPosition(length, false);
    }
    for (int y = y1; y < y2; ++y) {
        TCell* cell = CellAt(x, y);
        if (!cell) continue;
        // The crossing of an L, T or + shape: a run of three that meets a row's run makes the big bonus
        // where they cross.
        if (!noBonus && length == 3 && cell->match == 1) cell->createBonus = 2;
        cell->match = 1;
        if (y - y1 == bonusAt) cell->createBonus = BonusKind(length);
    }
    TotalMatchesCount += length;
    return 1;
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
