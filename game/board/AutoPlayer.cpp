#include "game/board/AutoPlayer.h"

#include <utility>

#include "framework/core/Random.h"
#include "game/board/Board.h"
#include "game/board/Cell.h"
#include "game/board/Gem.h"
#include "game/board/GemList.h"
#include "game/board/Player.h"

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

int CommitSwap(const TMove& move) {
    TCell* from = CellAt(move.from.x, move.from.y);
    TCell* to = CellAt(move.to.x, move.to.y);
    if (!Movable(from) || !Movable(to)) return 0;
    const auto first = from->Gem, second = to->Gem;
    first->SwapTypes(*second);
    first->CalcCoords(first->gx, first->gy);
    second->CalcCoords(second->gx, second->gy);
    Gems->SortAll();
    Player.KillsAdd(Grid->CheckMatches(0, 0));
    first->CollectIfSkullAtBottom();
    second->CollectIfSkullAtBottom();
    return 1;
}

bool BoardAtRest() {
    if (Grid->BlockInput) return false;
    for (const auto& gem : Gems->Items()) {
        if (gem && (gem->dy > 0 || gem->ExplosionCounter > 0)) return false;
    }
    return true;
}

int PlayRandomMove() {
    const auto moves = FindMatchingMoves();
    if (moves.empty()) return 0;
    return CommitSwap(moves[Rand(0, static_cast<int>(moves.size()) - 1)]);
}
