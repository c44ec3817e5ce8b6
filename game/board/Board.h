#pragma once

#include <array>
#include <memory>

// The board of the level being played, shared by the grid, the gems, matching, moves, bombs, power-ups and
// the game screen. Cells are indexed [x][y]: column 0..12 from the left, row 0..9 from the top; only
// x < Grid->levelwidth and y < Grid->levelheight are in use.

class TCell;
class TGameGrid;
class TGemList;

inline constexpr int kMaxColumns = 13;
inline constexpr int kMaxRows = 10;
inline constexpr int kCellSize = 66;
inline constexpr int kMaxTopCells = 5;       // entry cells per column
inline constexpr int kMaxBorders = 1040;     // computed frame pieces
inline constexpr int kMaxExtraBorders = 20;  // decorative pieces a level file lists
inline constexpr int kMaxGemColours = 15;
inline constexpr int kBonusTypeCount = 7;  // bonus items 15..21; the level file's list is not read

// One piece of the board's frame: a picture of the border set at a screen position (before the board's
// vertical slide offset).
struct TBorder {
    float x = 0, y = 0;
    int index = 0;  // into the border pictures, see BorderImageNames
};

extern std::shared_ptr<TGameGrid> Grid;
extern std::array<std::array<std::shared_ptr<TCell>, kMaxRows>, kMaxColumns> Cells;
extern std::shared_ptr<TGemList> Gems;

// The gem types random gems are drawn from in this level.
extern std::array<int, kMaxGemColours> GemColours;
extern int GemColourCount;
extern std::array<int, kMaxGemColours> BonusTypes;
extern int BonusTypeCount;

// Per column, the rows where new gems enter (an active cell under a hole or the top edge), top first;
// TopCellY[x][0] is -1 for a column without active cells. TopCellDelay is the refill's spawn counter.
extern std::array<std::array<int, kMaxTopCells>, kMaxColumns> TopCellY;
extern std::array<int, kMaxColumns> TopCellCount;
extern std::array<std::array<int, kMaxTopCells>, kMaxColumns> TopCellDelay;

extern std::array<TBorder, kMaxBorders> Borders;
extern int BorderCount;
extern std::array<TBorder, kMaxExtraBorders> ExtraBorders;
extern int ExtraBorderCount;

// Each empties one part of the board's globals (the grid's Clear operations use them): every cell, every
// frame piece with both counts, and the entry rows with their spawn counters.
void ClearCells();
void ClearBorderPieces();
void ClearTopCells();
// Empties every global of the board: no grid, cells or gems, empty level lists, no entry rows or frame
// pieces, no effects over the board. The game screen does it between levels; tests, benchmarks and the
// showcase start and end with it. The pictures, loaded once at start-up, stay.
void ResetBoard();

// Screen mapping in whole pixels: the top-left corner of a cell, before the slide offset.
int GridToScreenX(int x);
int GridToScreenY(int y);
// -1 above the board; integer division otherwise.
int ScreenToGridY(int py);
// Truncates toward zero: callers pass points over the board only.
int ScreenToGridX(int px);

// The cell at x, y, or null outside the board in use or where no cell was made.
TCell* CellAt(int x, int y);
// 1 for an active cell inside the board in use; everything outside counts as not active.
bool CellActive(int x, int y);
