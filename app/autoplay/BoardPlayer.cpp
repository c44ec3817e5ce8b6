#include "app/autoplay/BoardPlayer.h"

#include <utility>

#include "framework/core/Globals.h"
#include "game/board/Board.h"
#include "game/board/BoardEvents.h"
#include "game/board/GameGrid.h"
#include "game/board/HUDPowerup.h"
#include "game/board/PlayableMoves.h"
#include "game/save/SaveData.h"
#include "platform/KeyCodes.h"

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
        // The board's opening and closing animations take no moves.
        const bool still = BoardAtRest() && !BoardEvents.IntroRunning() && !BoardEvents.OutroRunning();
        rest_ = still || !pace_.waitForRest ? rest_ + Delta : 0;
        if (rest_ < think_ || !Plan()) return;
        rest_ = 0;
        think_ =
            static_cast<float>(pace_.thinkTicks + (pace_.thinkJitter > 0 ? Below(pace_.thinkJitter + 1) : 0));
        ++moves_;
    }
    hand_.Tick();
}

bool TBoardPlayer::Plan() {
    // A hand on the keyboard first lets go of whatever an earlier plan left held.
    if (hand_.Keyboard() && (Grid->Mode == 1 || Grid->PointerGemType)) hand_.Key(platform::vk::kEscape);
    TPlayStyle style;
    style.timed = SaveData.timer != 0;
    style.bombsFirst = pace_.bombsFirst;
    style.powerupsFirst = pace_.powerupsFirst;
    const TBoardAction action = TBoardPolicy(style).Choose(random_);
    switch (action.kind) {
        case TBoardAction::Kind::None:
            return false;
        case TBoardAction::Kind::Pickup:
            PlanClick(action.at.x, action.at.y, 1);
            return true;
        case TBoardAction::Kind::Bomb:
            PlanClick(action.at.x, action.at.y, 2);
            return true;
        case TBoardAction::Kind::Swap:
            // Either gem of the pair may be the one taken.
            if (Below(2)) {
                PlanSwap(action.to.x, action.to.y, action.at.x, action.at.y);
            } else {
                PlanSwap(action.at.x, action.at.y, action.to.x, action.to.y);
            }
            return true;
        case TBoardAction::Kind::Powerup:
            PlanPowerup(action);
            return true;
    }
    return false;
}

void TBoardPlayer::PlanPowerup(const TBoardAction& action) {
    const THUDPowerup& powerup = *HUDPowerups[static_cast<size_t>(action.powerup)];
    if (hand_.Keyboard()) {
        // Its number takes it up (or sets it off); taken up, the cursor shows and Enter puts it down.
        hand_.Key(platform::vk::k0 + TGameGrid::PowerupSlotOf(&powerup));
        if (!action.carried) return;
        WalkCursorTo(action.at.x, action.at.y, true);
        hand_.Key(platform::vk::kEnter);
        return;
    }
    const TPoint slot{powerup.HUDLocation.x, powerup.HUDLocation.y};
    if (!action.carried) {
        hand_.Click(slot.x, slot.y);
        return;
    }
    // Taken from its slot and let go on the cell.
    hand_.MoveTo(slot.x, slot.y);
    hand_.Press();
    hand_.Wait(pace_.holdTicks);
    hand_.MoveTo(CellCentreX(action.at.x), CellCentreY(action.at.y));
    hand_.Wait(pace_.holdTicks);
    hand_.Release();
    hand_.Wait(pace_.holdTicks);
}

void TBoardPlayer::PlanSwap(int fromX, int fromY, int toX, int toY) {
    if (hand_.Keyboard()) {
        // Taken with Enter, sent the neighbour's way with an arrow.
        WalkCursorTo(fromX, fromY, Grid->KeyCursorShown != 0);
        hand_.Key(platform::vk::kEnter);
        hand_.Key(toX < fromX   ? platform::vk::kLeft
                  : toX > fromX ? platform::vk::kRight
                  : toY < fromY ? platform::vk::kUp
                                : platform::vk::kDown);
        return;
    }
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
    if (!hand_.Keyboard()) {
        hand_.Click(CellCentreX(x), CellCentreY(y), clicks);
        return;
    }
    WalkCursorTo(x, y, Grid->KeyCursorShown != 0);
    for (int i = 0; i < clicks; ++i) hand_.Key(platform::vk::kEnter);
}

void TBoardPlayer::WalkCursorTo(int x, int y, bool shown) {
    const TGameGrid& grid = *Grid;
    int atX = grid.KeyCursorX, atY = grid.KeyCursorY;
    // A cursor off the board comes back to its middle.
    if (atX < 0 || atY < 0 || atX >= grid.levelwidth || atY >= grid.levelheight) {
        atX = grid.levelwidth / 2;
        atY = grid.levelheight / 2;
    }
    // The first arrow only shows a hidden cursor where it stands.
    if (!shown) hand_.Key(platform::vk::kRight);
    for (; atX < x; ++atX) hand_.Key(platform::vk::kRight);
    for (; atX > x; --atX) hand_.Key(platform::vk::kLeft);
    for (; atY < y; ++atY) hand_.Key(platform::vk::kDown);
    for (; atY > y; --atY) hand_.Key(platform::vk::kUp);
}
