// The shimmer of the gold tiles: a band of light sweeps diagonally over the board, one diagonal every
// 50 ms, when the level starts and now and then after that.
#include <algorithm>

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/core/Random.h"
#include "game/board/Board.h"
#include "game/board/Cell.h"
#include "game/board/GameGrid.h"

namespace {

constexpr float kFlashGlow = 0.5f;
constexpr float kGlowFade = 0.02f;  // per tick: a flashed tile dims again within 25 ticks
constexpr int kRandomOutOf = 100000;
constexpr int kRandomChance = 15;  // per tick

}  // namespace

int TGameGrid::FlashColumn(int d) {
    for (int x = 0; x < levelwidth; ++x) {
        const int y = d - x;
        TCell* cell = CellAt(x, y);
        if (cell && cell->armour1) cell->glow = kFlashGlow;
    }
    return 1;
}

int TGameGrid::StartIntroFlash() {
    IntroLimit = Game ? Game->CalcAnimLength(50) : 10.0f;
    IntroCounter = 0;
    IntroColumn = 0;
    FlashColumn(0);
    return 1;
}

int TGameGrid::IntroFlash() {
    if (IntroColumn >= 2 * levelwidth || IntroLimit <= 0) return 0;
    IntroCounter += Delta;
    while (IntroCounter >= IntroLimit && IntroColumn < 2 * levelwidth) {
        IntroCounter -= IntroLimit;
        ++IntroColumn;
        if (IntroColumn < 2 * levelwidth) FlashColumn(IntroColumn);
    }
    return 1;
}

int TGameGrid::RandomFlash() {
    if (IntroColumn < 2 * levelwidth) return 0;
    if (Rand(1, kRandomOutOf) < kRandomChance * Delta) StartIntroFlash();
    return 1;
}

int TGameGrid::ManageFlash() {
    for (int x = 0; x < levelwidth; ++x) {
        for (int y = 0; y < levelheight; ++y) {
            TCell* cell = Cells[x][y].get();
            if (cell && cell->glow > 0) cell->glow = std::max(0.0f, cell->glow - kGlowFade * Delta);
        }
    }
    return 1;
}
