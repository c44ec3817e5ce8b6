// Falling and refilling. Resting gems over an empty cell start to fall one per column every six ticks;
// falling gems speed up by 0.04 pixels per tick every tick up to 2 pixels a tick, keep a cell's height
// apart from the gem falling below them and land on the first gem, hole or bottom they meet. New gems
// enter each column at its entry cells, one at a time: an entry waits until its last gem has passed it.
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "framework/core/ChannelArray.h"
#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/core/Random.h"
#include "game/board/Board.h"
#include "game/board/BoardEvents.h"
#include "game/board/Cell.h"
#include "game/board/GameGrid.h"
#include "game/board/Gem.h"
#include "game/board/GemList.h"
#include "game/board/Player.h"

namespace {

constexpr float kFallStart = 0.04f;  // pixels per tick of a gem that starts to fall
constexpr float kFallGain = 0.04f;   // added every tick
constexpr float kFallMax = 2.0f;
constexpr float kReleaseGap = 6.0f;  // ticks between two gems released in a column
constexpr int kSpawnOutOf = 100000;
constexpr int kMagicOutOf = 10000;
constexpr int kMagicChance = 400;  // out of 10000, per new gem and tick

bool CanStartFalling(const TGem& gem) {
    return !gem.rocked && !gem.locked && gem.dy <= 0 && !gem.Swapping && gem.GemType != GEM_CLEARED;
}

// The entry row a gem passed on its way from row `from` down to row `to`, or -1.
int PassedEntry(int x, int from, int to) {
    int passed = -1;
    for (int k = 0; k < TopCellCount[x]; ++k) {
        if (TopCellY[x][k] > from && TopCellY[x][k] <= to) passed = k;
    }
    return passed;
}

// The gem stops in its row: the bottom, a hole or a resting gem below it.
bool StopsHere(const TGem& gem) {
    if (gem.AtColumnBottom()) return true;
    const TCell* below = CellAt(gem.gx, gem.gy + 1);
    return below->Gem && below->Gem->GemType != GEM_CLEARED;
}

}  // namespace

int TGameGrid::DropGems() {
    if (!DropGemsFlag || BoardEvents.NoMoreMovesRunning() || BoardEvents.OutroRunning()) return 0;
    CheckTopRow();
    if (FallCounter <= 0) ReleaseGems();
    if (FallCounter > 0) FallCounter -= Delta;
    bool moved = false, landed = false;
    MoveFallingGems(moved, landed);
    if (moved) Gems->SortAll();
    if (landed) {
        // Start-up sets the first channel of the pool aside for the landings: one landing sound at a
        // time, never cut off by the sounds of the clearing.
        const auto channel = Game && Game->Channels ? Game->Channels->ChannelByIndex(1) : nullptr;
        if (LandSound && channel && !Game->GetPlatform().GetAudio().IsPlaying(channel->Channel)) {
            Game->Channels->PlayGameSound(*LandSound, channel, 1.0f, 0);
        }
        // Every landing checks the whole board: that is how cascades happen.
        Player.KillsAdd(CheckMatches(0, 0));
    }
    if (moved) BlockInput = 1;
    return 1;
}

void TGameGrid::ReleaseGems() {
    // Downwards, so that the gem just above a gap goes first and the one above it waits for the next
    // release: a column above a gap comes down one gem at a time.
    for (int y = 0; y < levelheight - 1; ++y) {
        for (int x = 0; x < levelwidth; ++x) {
            TCell* cell = CellAt(x, y);
            if (!cell || !cell->Gem || !CanStartFalling(*cell->Gem)) continue;
            if (!CellActive(x, y + 1) || CellAt(x, y + 1)->Gem) continue;
            cell->Gem->dy = kFallStart;
            cell->Gem.reset();
            FallCounter = kReleaseGap;
            if (cx == x && cy == y) ClearCursor();
        }
    }
}

void TGameGrid::MoveFallingGems(bool& moved, bool& landed) {
    // The gems already moved this tick in each column: the list runs from the bottom of the screen up, so
    // a gem only ever has to keep clear of these.
    auto& movedInColumn = fallenThisTick_;
    for (auto& column : movedInColumn) column.clear();
    Gems->ForEach([&](TGem& gem) {
        if (gem.dy <= 0 || gem.Swapping) return;
        moved = true;
        const float previousY = gem.y;
        gem.y += gem.dy * Delta;
        gem.dy = std::min(kFallMax, gem.dy + kFallGain * Delta);
        const int column = std::clamp(gem.gx, 0, kMaxColumns - 1);
        for (const TGem* lower : movedInColumn[column]) {
            if (lower->y > gem.y && std::fabs(lower->x - gem.x) < kCellSize && lower->y - gem.y < kCellSize) {
                gem.y = std::trunc(previousY);
                gem.dy = kFallStart;
                break;
            }
        }
        movedInColumn[column].push_back(&gem);
        const int oldRow = gem.gy;
        gem.gx = ScreenToGridX(static_cast<int>(gem.x - TGem::HALF_CELL));
        gem.gy = ScreenToGridY(static_cast<int>(gem.y - TGem::HALF_CELL));
        if (gem.gx < 0 || gem.gx >= levelwidth || TopCellY[gem.gx][0] < 0 || gem.gy < TopCellY[gem.gx][0])
            return;
        if (gem.gy != oldRow) {
            const int entry = PassedEntry(gem.gx, oldRow, gem.gy);
            if (entry >= 0) TopCellDelay[gem.gx][entry] = std::max(0, TopCellDelay[gem.gx][entry] - 1);
        }
        if (!StopsHere(gem)) return;
        if (gem.GemType == GEM_SKULL && gem.AtColumnBottom()) {
            // It leaves the board now: nothing above has to keep clear of it.
            movedInColumn[column].pop_back();
            CollectEgg(gem);
            return;
        }
        gem.y = static_cast<float>(GridToScreenY(gem.gy) + TGem::HALF_CELL);
        gem.dy = 0;
        CellAt(gem.gx, gem.gy)->Gem = gem.shared_from_this();
        landed = true;
    });
}

int TGameGrid::CheckTopRow() {
    if (!MakeNewGems || BoardEvents.NoMoreMovesRunning()) return 0;
    for (int x = 0; x < levelwidth; ++x) {
        for (int k = 0; k < TopCellCount[x]; ++k) {
            const int entryY = TopCellY[x][k];
            const TCell* entry = CellAt(x, entryY);
            if (!entry || entry->Gem || TopCellDelay[x][k] != 0) continue;
            std::shared_ptr<TGem> gem;
            if (Rand(0, kSpawnOutOf) < getSpawnGoldChance()) {
                gem = TGem::MakeCoin(x, entryY, 1);
            } else if (Rand(0, kSpawnOutOf) < getSpawnBagChance()) {
                gem = TGem::MakeBag(x, entryY, 1);
            } else {
                gem = TGem::Make(x, entryY, TGem::Random(1), 1);
            }
            gem->SetDropInY();
            if (Rand(1, kMagicOutOf) < kMagicChance * Delta && gem->GemType != GEM_SKULL) gem->CreateMagic();
            Gems->InsertGem(gem);
            ++TopCellDelay[x][k];
        }
    }
    return 1;
}
