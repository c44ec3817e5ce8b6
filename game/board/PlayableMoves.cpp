#include "game/board/PlayableMoves.h"

#include <utility>

#include "game/board/Board.h"
#include "game/board/Cell.h"
#include "game/board/Gem.h"
#include "game/board/GemList.h"

namespace {

// A resting gem the player may move: in place, neither chained, rocked, exploding nor falling.
bool Movable(const TCell* cell) {
    if (!cell || !cell->active || !cell->Gem) return false;
    const TGem& gem = *cell->Gem;
    return !gem.locked && !gem.rocked && gem.GemType != GEM_CLEARED && gem.dy <= 0 && !gem.Swapping;
}

// As a swap is validated: the two gems tried in each other's cells make a run through one of them.
bool MakesRun(TCell& a, TCell& b) {
    std::swap(a.Gem, b.Gem);
    const bool found = Grid->CheckMatches(1, 0) > 0 && (a.match || b.match);
    Grid->ClearMatches();
    std::swap(a.Gem, b.Gem);
    return found;
}

// The cells whose resting, movable gem passes want.
template <typename Want>
std::vector<TCellPoint> FindGems(Want want) {
    std::vector<TCellPoint> cells;
    for (int y = 0; y < Grid->levelheight; ++y) {
        for (int x = 0; x < Grid->levelwidth; ++x) {
            const TCell* cell = CellAt(x, y);
            if (Movable(cell) && want(*cell->Gem)) cells.push_back({x, y});
        }
    }
    return cells;
}

}  // namespace

std::vector<TMove> FindMatchingMoves() {
    std::vector<TMove> moves;
    for (int y = 0; y < Grid->levelheight; ++y) {
        for (int x = 0; x < Grid->levelwidth; ++x) {
            TCell* from = CellAt(x, y);
            if (!Movable(from)) continue;
            for (const TCellPoint to : {TCellPoint{x + 1, y}, TCellPoint{x, y + 1}}) {
                TCell* target = CellAt(to.x, to.y);
                // The quick local search never misses a run the swap makes; the whole check then weeds out
                // the runs it only saw nearby.
                if (Movable(target) && Grid->CheckMove(x, y, to.x, to.y, 0) && MakesRun(*from, *target)) {
                    moves.push_back({{x, y}, to});
                }
            }
        }
    }
    return moves;
}

std::vector<TCellPoint> FindBombs() {
    return FindGems(
        [](const TGem& gem) { return gem.IsBonus() && gem.GemType != GEM_COIN && gem.GemType != GEM_BAG; });
}

std::vector<TCellPoint> FindPickups() {
    return FindGems([](const TGem& gem) { return gem.GemType == GEM_COIN || gem.GemType == GEM_BAG; });
}

bool BoardAtRest() {
    if (Grid->BlockInput || Grid->SwapRunning() || Grid->HUDPowerupBlockInput) return false;
    for (const auto& gem : Gems->Items()) {
        if (gem && (gem->dy > 0 || gem->ExplosionCounter > 0)) return false;
    }
    return true;
}
