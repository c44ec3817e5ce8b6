#pragma once

#include <vector>

#include "game/board/GameGrid.h"

// What one action did to the board, as far as the gems in sight tell.
struct TOutcome {
    int cleared = 0;      // gems cleared
    int goalGems = 0;     // of them, gems of the colour the level asks for
    int tiles = 0;        // gold layers broken
    int rockHits = 0;     // rock strength taken off
    int rocksBroken = 0;  // rocks gone for good
    int chains = 0;       // chains taken off
    int tiledChains = 0;  // of them, chains over a gold tile
    int skullRows = 0;    // rows the skulls came down
    int skullsHome = 0;   // skulls that reached the bottom of their column
    int bonusItems = 0;   // bonus items the runs leave: one for a run of four, two for five or a crossing
};

// A copy of the board as a player sees it, on which actions are tried without touching the game: each
// cell's gem (a colour, a skull, a bonus item or nothing), its chain and rock, and the gold under it.
// What will come in from above cannot be seen, so cells that empty stay empty: a look ahead counts only
// the cascades the visible gems make.
class TBoardModel {
public:
    static constexpr int kEmpty = -2;  // no gem, or one not yet seen

    struct TSeenCell {
        bool active = false;
        int type = kEmpty;
        bool locked = false;
        int rock = 0;
        int armour = 0;
    };

    // The board in play now.
    static TBoardModel Look();
    TBoardModel(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    TSeenCell& At(int x, int y) { return cells_[static_cast<size_t>(y * width_ + x)]; }
    const TSeenCell& At(int x, int y) const { return cells_[static_cast<size_t>(y * width_ + x)]; }
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    // The colour the level's matches goal counts (none: -1).
    int goalColour = -1;

    // A swap that makes runs: they are cleared, the gems above fall and what the fall lines up clears in
    // turn, up to depth cascades.
    TOutcome Swap(TCellPoint a, TCellPoint b, int depth = 3);
    // A bomb's hits on cells: a rock loses strength, a chain comes off, any other gem but a skull, coin or
    // bag is cleared, and the gold under a free gem breaks; then the fall and its cascades.
    TOutcome Hit(const std::vector<TCellPoint>& cells, int depth = 3);
    // The hammer at a rock: the rock there goes for good, those of the other cells crack.
    TOutcome Hammer(TCellPoint at, const std::vector<TCellPoint>& around, int depth = 3);
    // The broom: the chains of the cells come off.
    TOutcome Unchain(const std::vector<TCellPoint>& cells);
    // The stake: free gems and the tiles of the cells are cleared; then the fall and its cascades.
    TOutcome Clear(const std::vector<TCellPoint>& cells, int depth = 3);

private:
    static bool Colour(int type);
    bool Movable(const TSeenCell& cell) const;
    // Marks the runs of three or more; the count of bonus items they leave goes to bonusItems.
    std::vector<char> Runs(int& bonusItems) const;
    // Clears the marked cells as a match does: a chained gem loses its chain, any other gem goes and
    // breaks a gold layer, and every rock beside them cracks once.
    void ClearRuns(const std::vector<char>& marks, TOutcome& outcome);
    void Crack(int x, int y, TOutcome& outcome);
    // Gems fall into the empty cells below them; a skull that lands on the bottom of its column is taken.
    void Fall(TOutcome& outcome);
    // The fall and up to depth cascades after it.
    void Settle(int depth, TOutcome& outcome);

    int width_, height_;
    std::vector<TSeenCell> cells_;
};
