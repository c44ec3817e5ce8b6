#include "app/autoplay/BoardPlayer.h"

#include <cmath>
#include <utility>

#include "framework/core/Globals.h"
#include "game/board/Board.h"
#include "game/board/GameGrid.h"
#include "game/board/HUDPowerup.h"
#include "game/board/PlayableMoves.h"

namespace {

// The middle of a cell on the screen.
int CellCentreX(int x) {
    return GridToScreenX(x) + kCellSize / 2;
}

int CellCentreY(int y) {
    return GridToScreenY(y) + kCellSize / 2;
}

}  // namespace

TBoardPlayer::TBoardPlayer(Sink sink, uint32_t seed, TPace pace)
    : pace_(pace),
      hand_(std::move(sink), pace.pointerSpeed, pace.holdTicks),
      random_(seed),
      think_(static_cast<float>(pace.thinkTicks)) {}

int TBoardPlayer::Below(int n) {
    return static_cast<int>(random_() % static_cast<uint32_t>(n));
}

void TBoardPlayer::Tick() {
    if (!Grid || !Gems) return;
    if (hand_.Idle()) {
        rest_ = BoardAtRest() || !pace_.waitForRest ? rest_ + Delta : 0;
        if (rest_ < think_ || !Plan()) return;
        rest_ = 0;
        think_ =
            static_cast<float>(pace_.thinkTicks + (pace_.thinkJitter > 0 ? Below(pace_.thinkJitter + 1) : 0));
        ++moves_;
    }
    hand_.Tick();
}

bool TBoardPlayer::Plan() {
    // Gold first, as people do; now and then a power-up or a bomb; otherwise a swap that makes a run.
    if (pace_.powerupsFirst && PlanPowerup()) return true;
    if (const auto pickups = FindPickups(); !pickups.empty()) {
        const TCellPoint coin = pickups[Below(static_cast<int>(pickups.size()))];
        PlanClick(coin.x, coin.y, 1);
        return true;
    }
    const auto bombs = FindBombs();
    const auto moves = FindMatchingMoves();
    if (!bombs.empty() && (pace_.bombsFirst || moves.empty() || Below(3) == 0)) {
        const TCellPoint bomb = bombs[Below(static_cast<int>(bombs.size()))];
        PlanClick(bomb.x, bomb.y, 2);
        return true;
    }
    if ((moves.empty() || Below(4) == 0) && PlanPowerup()) return true;
    if (moves.empty()) return false;
    // The move that serves the goals best; among equals, any.
    std::vector<TMove> best;
    int bestValue = -1;
    for (const TMove& m : moves) {
        const int value = MoveValue(m);
        if (value > bestValue) best.clear(), bestValue = value;
        if (value == bestValue) best.push_back(m);
    }
    TMove move = best[Below(static_cast<int>(best.size()))];
    // Either gem of the pair may be the one taken.
    if (Below(2)) std::swap(move.from, move.to);
    PlanSwap(move.from.x, move.from.y, move.to.x, move.to.y);
    return true;
}

bool TBoardPlayer::PlanPowerup() {
    for (const auto& powerup : HUDPowerups) {
        if (!powerup || !powerup->HasValidMove()) continue;
        const TPoint slot{powerup->HUDLocation.x, powerup->HUDLocation.y};
        if (!powerup->CursorImage) {
            hand_.Click(slot.x, slot.y);
            return true;
        }
        // A power-up carried to the board: a cell it works on, chosen at random among them.
        std::vector<TCellPoint> cells;
        for (int y = 0; y < Grid->levelheight; ++y) {
            for (int x = 0; x < Grid->levelwidth; ++x) {
                if (CellActive(x, y) && powerup->Validate(x, y)) cells.push_back({x, y});
            }
        }
        if (cells.empty()) continue;
        const TCellPoint target = cells[Below(static_cast<int>(cells.size()))];
        hand_.MoveTo(slot.x, slot.y);
        hand_.Press();
        hand_.Wait(pace_.holdTicks);
        hand_.MoveTo(CellCentreX(target.x), CellCentreY(target.y));
        hand_.Wait(pace_.holdTicks);
        hand_.Release();
        hand_.Wait(pace_.holdTicks);
        return true;
    }
    return false;
}

void TBoardPlayer::PlanSwap(int fromX, int fromY, int toX, int toY) {
    hand_.MoveTo(CellCentreX(fromX), CellCentreY(fromY));
    hand_.Press();
    hand_.Wait(pace_.holdTicks);
    if (Below(2)) {
        // Dragged to the neighbour...
        hand_.MoveTo(CellCentreX(toX), CellCentreY(toY));
        hand_.Release();
    } else {
        // ...or clicked, then the neighbour clicked.
        hand_.Release();
        hand_.MoveTo(CellCentreX(toX), CellCentreY(toY));
        hand_.Press();
        hand_.Wait(pace_.holdTicks);
        hand_.Release();
    }
    hand_.Wait(pace_.holdTicks);
}

void TBoardPlayer::PlanClick(int x, int y, int clicks) {
    hand_.Click(CellCentreX(x), CellCentreY(y), clicks);
}
