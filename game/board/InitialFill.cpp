#include "game/board/InitialFill.h"

#include <memory>

#include "framework/core/Random.h"
#include "game/board/Board.h"
#include "game/board/Cell.h"
#include "game/board/GameGrid.h"
#include "game/board/Gem.h"
#include "game/board/GemList.h"

namespace {

constexpr int kMaxDraws = 100;

int TypeAt(int x, int y) {
    const TCell* cell = CellAt(x, y);
    return cell && cell->Gem ? cell->Gem->GemType : 0;
}

// Whether a gem of this type at x, y would finish a run with the two gems to its left or above it.
bool CompletesRun(int x, int y, int type) {
    return (x >= 2 && TypeAt(x - 1, y) == type && TypeAt(x - 2, y) == type) ||
           (y >= 2 && TypeAt(x, y - 1) == type && TypeAt(x, y - 2) == type);
}

std::shared_ptr<TGem> MakeFor(int x, int y, int type) {
    if (type == 30) return TGem::MakeBag(x, y, 0);
    if (type == 22) return TGem::MakeCoin(x, y, 0);
    return TGem::Make(x, y, type, 0);
}

void SprinkleMagic(int level) {
    int colours = 0;
    Gems->ForEach([&](TGem& gem) { colours += gem.GemType < 15 ? 1 : 0; });
    const int count = static_cast<int>(0.04 * colours);
    for (int i = 0; i < count; ++i) {
        for (int attempt = 0; attempt < 11; ++attempt) {
            const int x = Rand(0, Grid->levelwidth - 1), y = Rand(0, Grid->levelheight - 1);
            TCell* cell = CellAt(x, y);
            if (!cell || !cell->Gem || cell->Gem->GemType >= 14 || cell->Gem->Magic) continue;
            // Level 3 keeps the top middle of its board plain for its tip.
            if (level != 3 || y > 3 || x < 3 || x > 8) cell->Gem->CreateMagic();
            break;
        }
    }
    if (level == 4) {
        if (TCell* cell = CellAt(5, 1); cell && cell->Gem) cell->Gem->CreateMagic();
    }
}

}  // namespace

int FillGrid(int level) {
    Gems = std::make_shared<TGemList>();
    // The skulls of an earlier fill are gone with their list.
    Grid->EggCount = 0;
    for (int y = 0; y < Grid->levelheight; ++y) {
        for (int x = 0; x < Grid->levelwidth; ++x) {
            TCell* cell = CellAt(x, y);
            if (!cell || !cell->active) continue;
            cell->Gem.reset();
            int type = cell->fixedGem;
            if (type <= 0) {
                // A palette of one or two colours can leave no type that fits; after enough draws the
                // last one stands and the ready-made run sends the board back for another fill.
                int draws = 0;
                do {
                    type = TGem::Random(0);
                } while (CompletesRun(x, y, type) && ++draws < kMaxDraws);
            }
            std::shared_ptr<TGem> gem = MakeFor(x, y, type);
            gem->locked = cell->gemlocked;
            gem->rocked = cell->GemRock;
            Gems->Append(gem);
            cell->Gem = gem;
        }
    }
    SprinkleMagic(level);
    return 1;
}

int FillGridUntilPlayable(int level, int maxFills) {
    for (int fills = 1; fills <= maxFills; ++fills) {
        FillGrid(level);
        if (Grid->DoNoMoreMoves(0)) continue;
        const int ready = Grid->CheckMatches(1, 0);
        Grid->ClearMatches();
        if (ready == 0) return fills;
    }
    return 0;
}
