// The shapes the bombs and the three dragged power-ups act on, clipped to the board.
#include <cstdlib>

#include "game/board/Board.h"
#include "game/board/Cell.h"
#include "game/board/GameGrid.h"
#include "game/board/Gem.h"

namespace {

// Every cell of the square of the given radius about (x, y) on the board that keep accepts, valid where
// valid says.
template <typename Keep, typename Valid>
THUDPowerInfoList Square(int x, int y, int radius, Keep keep, Valid valid) {
    THUDPowerInfoList points;
    for (int cellY = y - radius; cellY <= y + radius; ++cellY) {
        for (int cellX = x - radius; cellX <= x + radius; ++cellX) {
            const TCell* cell = CellAt(cellX, cellY);
            if (!cell || !keep(std::abs(cellX - x), std::abs(cellY - y), *cell)) continue;
            points.push_back({{cellX, cellY}, valid(*cell) ? 1 : 0});
        }
    }
    return points;
}

// The power-ups' shape: the cell alone, then a plus, then the 3 × 3 square; holes are left out.
template <typename Valid>
THUDPowerInfoList PowerupArea(int x, int y, int level, Valid valid) {
    return Square(
        x, y, level > 0 ? 1 : 0,
        [level](int ox, int oy, const TCell& cell) { return cell.active && (level >= 2 || ox + oy <= 1); },
        valid);
}

}  // namespace

THUDPowerInfoList TGameGrid::GetBombPoints(int x, int y, int level) {
    if (level != 1 && level != 2) return {};
    // The pumpkin's square, holes included; the upgraded one is 5 × 5 without its corners.
    return Square(
        x, y, level, [level](int ox, int oy, const TCell&) { return level == 1 || ox + oy < 4; },
        [](const TCell&) { return true; });
}

THUDPowerInfoList TGameGrid::GetMegaPoints(int x, int y) {
    // 7 × 7 without the three cells of each corner.
    return Square(
        x, y, 3, [](int ox, int oy, const TCell&) { return ox + oy < 5; },
        [](const TCell& cell) { return cell.active != 0; });
}

THUDPowerInfoList TGameGrid::GetStakePoints(int x, int y, int level) {
    return PowerupArea(x, y, level, [](const TCell& cell) {
        if (!cell.Gem) return cell.armour1 || cell.armour2;
        return !cell.Gem->locked && !cell.Gem->rocked;
    });
}

THUDPowerInfoList TGameGrid::GetHammerPoints(int x, int y, int level) {
    return PowerupArea(x, y, level, [](const TCell& cell) { return cell.Gem && cell.Gem->rocked; });
}

THUDPowerInfoList TGameGrid::GetBroomPoints(int x, int y, int level) {
    return PowerupArea(x, y, level,
                       [](const TCell& cell) { return cell.Gem && cell.Gem->locked && !cell.Gem->rocked; });
}
