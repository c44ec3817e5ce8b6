// The quick move search against the slow truth: on random resting boards (holes, empty cells, chains,
// rocks, skulls and bonus items, with and without diagonal moves) it finds a move exactly when some swap
// of two free neighbours makes a run through one of them (or a bonus item stands free), and the cell it
// shows takes part in such a move.
#include <random>
#include <set>
#include <string>
#include <utility>

#include "tests/game/board/PlayTestSupport.h"

namespace {

using murkwell::test::PlayFixture;

class MoveSearchTest : public PlayFixture {
protected:
    // A random board of a random size, resting and without a ready run; empty when none came in a few
    // draws.
    std::string RandomBoard(std::mt19937& random) {
        auto below = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
        const int width = 2 + below(12), height = 2 + below(9), colours = 4 + below(4);
        for (int attempt = 0; attempt < 20; ++attempt) {
            std::string layout;
            for (int y = 0; y < height; ++y) {
                for (int x = 0; x < width; ++x) {
                    const int r = below(100);
                    std::string word = r < 8    ? "#"
                                       : r < 12 ? "."
                                       : r < 14 ? "S"
                                                : std::to_string(1 + below(colours));
                    if (r == 99) word = "b" + std::to_string(15 + below(7));
                    if (word != "#" && word != ".") {
                        const int mark = below(100);
                        if (mark < 6) word += 'l';
                        if (mark >= 6 && mark < 10) word += 'r';
                    }
                    layout += word + ' ';
                }
                layout += '\n';
            }
            Build(layout);
            const bool ready = Grid->CheckMatches(1, 1) > 0;
            Grid->ClearMatches();
            if (!ready) return layout;
        }
        return "";
    }

    static bool Free(const TCell* cell) {
        return cell && cell->active &&
               (!cell->Gem ||
                (!cell->Gem->locked && !cell->Gem->rocked && cell->Gem->GemType != GEM_CLEARED));
    }

    // Every cell that takes part in a move, found by trying each swap with the whole board's check.
    std::set<std::pair<int, int>> CellsInMoves() {
        std::set<std::pair<int, int>> cells;
        for (int y = 0; y < Grid->levelheight; ++y) {
            for (int x = 0; x < Grid->levelwidth; ++x) {
                TCell* a = CellAt(x, y);
                if (!Free(a)) continue;
                if (a->Gem && a->Gem->IsBonus()) cells.insert({x, y});
                for (const auto& [dx, dy] : {std::pair{1, 0}, {0, 1}, {-1, 1}, {1, 1}}) {
                    if (dx != 0 && dy != 0 && !Grid->DiagonalMoves) continue;
                    TCell* b = CellAt(x + dx, y + dy);
                    if (!Free(b)) continue;
                    std::swap(a->Gem, b->Gem);
                    const bool run = Grid->CheckMatches(1, 1) > 0 && (a->match || b->match);
                    Grid->ClearMatches();
                    std::swap(a->Gem, b->Gem);
                    if (run) {
                        cells.insert({x, y});
                        cells.insert({x + dx, y + dy});
                    }
                }
            }
        }
        return cells;
    }
};

TEST_F(MoveSearchTest, AgreesWithTryingEverySwapOnAThousandRandomBoards) {
    std::mt19937 random(2026);
    int boards = 0, withMoves = 0;
    while (boards < 1000) {
        const std::string layout = RandomBoard(random);
        if (layout.empty()) continue;
        ++boards;
        Grid->DiagonalMoves = static_cast<int>(random() % 3 == 0);
        const auto truth = CellsInMoves();
        const int none = Grid->DoNoMoreMoves(0);
        ASSERT_EQ(none, truth.empty() ? 1 : 0) << layout << "diagonal " << Grid->DiagonalMoves;
        if (none) continue;
        ++withMoves;
        EXPECT_TRUE(truth.count({Grid->DebugX, Grid->DebugY}))
            << layout << "shown " << Grid->DebugX << "," << Grid->DebugY;
    }
    // Both kinds of board came up often enough to mean something.
    EXPECT_GT(withMoves, 200);
    EXPECT_GT(boards - withMoves, 100);
}

}  // namespace
