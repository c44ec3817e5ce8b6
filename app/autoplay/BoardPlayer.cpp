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
    : sink_(std::move(sink)), pace_(pace), random_(seed), think_(static_cast<float>(pace.thinkTicks)) {}

int TBoardPlayer::Below(int n) {
    return static_cast<int>(random_() % static_cast<uint32_t>(n));
}

void TBoardPlayer::Emit(platform::EventType type) {
    platform::Event e;
    e.type = type;
    e.button = 1;
    e.x = static_cast<int>(std::lround(pointerX_));
    e.y = static_cast<int>(std::lround(pointerY_));
    sink_(e);
}

void TBoardPlayer::Tick() {
    if (!Grid || !Gems) return;
    if (steps_.empty()) {
        rest_ = BoardAtRest() || !pace_.waitForRest ? rest_ + Delta : 0;
        if (rest_ < think_ || !Plan()) return;
        rest_ = 0;
        think_ =
            static_cast<float>(pace_.thinkTicks + (pace_.thinkJitter > 0 ? Below(pace_.thinkJitter + 1) : 0));
        ++moves_;
    }
    TStep& step = steps_.front();
    switch (step.kind) {
        case TStep::Kind::MoveTo: {
            const float toX = static_cast<float>(step.x) - pointerX_,
                        toY = static_cast<float>(step.y) - pointerY_;
            const float distance = std::hypot(toX, toY);
            const float travel = pace_.pointerSpeed * Delta;
            if (distance <= travel) {
                pointerX_ = static_cast<float>(step.x);
                pointerY_ = static_cast<float>(step.y);
                steps_.pop_front();
            } else {
                pointerX_ += toX / distance * travel;
                pointerY_ += toY / distance * travel;
            }
            Emit(platform::EventType::MouseMove);
            return;
        }
        case TStep::Kind::Press:
            Emit(platform::EventType::MouseDown);
            break;
        case TStep::Kind::Release:
            Emit(platform::EventType::MouseUp);
            break;
        case TStep::Kind::Wait:
            if (--step.x > 0) return;
            break;
    }
    steps_.pop_front();
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
    using Kind = TStep::Kind;
    for (const auto& powerup : HUDPowerups) {
        if (!powerup || !powerup->HasValidMove()) continue;
        const TPoint slot{powerup->HUDLocation.x, powerup->HUDLocation.y};
        if (!powerup->CursorImage) {
            steps_.push_back({Kind::MoveTo, slot.x, slot.y});
            steps_.push_back({Kind::Press});
            steps_.push_back({Kind::Wait, pace_.holdTicks});
            steps_.push_back({Kind::Release});
            steps_.push_back({Kind::Wait, pace_.holdTicks});
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
        steps_.push_back({Kind::MoveTo, slot.x, slot.y});
        steps_.push_back({Kind::Press});
        steps_.push_back({Kind::Wait, pace_.holdTicks});
        steps_.push_back({Kind::MoveTo, CellCentreX(target.x), CellCentreY(target.y)});
        steps_.push_back({Kind::Wait, pace_.holdTicks});
        steps_.push_back({Kind::Release});
        steps_.push_back({Kind::Wait, pace_.holdTicks});
        return true;
    }
    return false;
}

void TBoardPlayer::PlanSwap(int fromX, int fromY, int toX, int toY) {
    using Kind = TStep::Kind;
    steps_.push_back({Kind::MoveTo, CellCentreX(fromX), CellCentreY(fromY)});
    steps_.push_back({Kind::Press});
    steps_.push_back({Kind::Wait, pace_.holdTicks});
    if (Below(2)) {
        // Dragged to the neighbour...
        steps_.push_back({Kind::MoveTo, CellCentreX(toX), CellCentreY(toY)});
        steps_.push_back({Kind::Release});
    } else {
        // ...or clicked, then the neighbour clicked.
        steps_.push_back({Kind::Release});
        steps_.push_back({Kind::MoveTo, CellCentreX(toX), CellCentreY(toY)});
        steps_.push_back({Kind::Press});
        steps_.push_back({Kind::Wait, pace_.holdTicks});
        steps_.push_back({Kind::Release});
    }
    steps_.push_back({Kind::Wait, pace_.holdTicks});
}

void TBoardPlayer::PlanClick(int x, int y, int clicks) {
    using Kind = TStep::Kind;
    steps_.push_back({Kind::MoveTo, CellCentreX(x), CellCentreY(y)});
    for (int i = 0; i < clicks; ++i) {
        steps_.push_back({Kind::Press});
        steps_.push_back({Kind::Wait, pace_.holdTicks});
        steps_.push_back({Kind::Release});
        steps_.push_back({Kind::Wait, pace_.holdTicks});
    }
}
