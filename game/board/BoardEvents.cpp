#include "game/board/BoardEvents.h"

#include "framework/core/Globals.h"
#include "game/board/Board.h"
#include "game/board/GameGrid.h"
#include "game/board/HUDPowerup.h"
#include "game/board/MatchPoints.h"
#include "game/board/Player.h"

TBoardEvents BoardEvents;

void TBoardEvents::ClearTriggers() {
    for (int* trigger : {&TriggerUnrock1,
                         &TriggerUnrock2,
                         &TriggerMagic,
                         &TriggerCoinDisappears,
                         &TriggerUnlock,
                         &TriggerMatchOverArmour1,
                         &TriggerMatchOverArmour2,
                         &TriggerEggDrop,
                         &TriggerBomb,
                         &TriggerBomb2,
                         &TriggerMegaBomb,
                         &TriggerCrossDiagBomb,
                         &TriggerCrossDiagBomb2,
                         &TriggerCrossBomb,
                         &TriggerCrossBomb2,
                         &TriggerDiagBomb,
                         &TriggerDiagBomb2,
                         &TriggerHorizontalBomb,
                         &TriggerHorizontalBomb2,
                         &TriggerVerticalBomb,
                         &TriggerVerticalBomb2,
                         &TriggerBonusAppears,
                         &TriggerGoldBag,
                         &TriggerGoldCoin,
                         &TriggerHUDCharged}) {
        *trigger = 0;
    }
}

namespace {

// The tarot's place in the row.
constexpr int kTarot = 4;

// An event that runs one of the board's own steps on the board in play.
std::function<void()> OnGrid(int (TGameGrid::*step)()) {
    return [step] {
        if (Grid) (Grid.get()->*step)();
    };
}

}  // namespace

void ConnectBoardEvents() {
    BoardEvents.AwardMatchPoints = AwardMatchPoints;
    BoardEvents.CountGoalMatch = [] { ++Player.LevelGoalMatches; };
    BoardEvents.MatchesToGo = [] { return Player.GetMatchesToGo(); };
    BoardEvents.SkullsToGo = [] { return Player.GetSpecialItemsToGo(); };
    BoardEvents.PlayerLevel = [] { return Player.Level; };
    BoardEvents.CoinSpawned = [] { ++Player.levelCoinsSpawned; };
    BoardEvents.BagSpawned = [] { ++Player.levelBagsSpawned; };
    BoardEvents.MagicFreed = [] { ++Player.MagicFreed; };
    BoardEvents.CheckTarget = OnGrid(&TGameGrid::CheckTarget);
    BoardEvents.CollectEgg = [](TGem& skull) {
        if (Grid) Grid->CollectEgg(skull);
    };
    BoardEvents.ActivateBonus = [](TGem& item, int x, int y) {
        if (Grid) Grid->ActivateBonus(item, x, y);
    };
    BoardEvents.CreateBonus = [](int x, int y, int kind) {
        if (Grid) Grid->CreateBonus(x, y, kind);
    };
    BoardEvents.CheckMouse = OnGrid(&TGameGrid::CheckMouse);
    BoardEvents.CheckKeys = OnGrid(&TGameGrid::CheckKeys);
    BoardEvents.ManageHint = OnGrid(&TGameGrid::ManageHint);
    BoardEvents.StopHint = OnGrid(&TGameGrid::StopHint);
    BoardEvents.ManageSwap = OnGrid(&TGameGrid::ManageSwap);
    BoardEvents.CheckNoMoreMoves = OnGrid(&TGameGrid::CheckNoMoreMoves);
    BoardEvents.AnimatePointer = OnGrid(&TGameGrid::AnimatePointer);
    BoardEvents.RestorePointer = OnGrid(&TGameGrid::RestorePointer);
    BoardEvents.UpdatePowerups = [] {
        for (const auto& powerup : HUDPowerups) {
            if (powerup) powerup->Update(Delta);
        }
    };
    BoardEvents.TarotActive = [] {
        const auto& tarot = HUDPowerups[kTarot];
        return tarot && tarot->isActive;
    };
    // The beams of a freed magic gem go to the power-ups that take charge.
    BoardEvents.ChargeTargets = [] {
        std::vector<TBoardEvents::TScreenPoint> targets;
        for (const auto& powerup : HUDPowerups) {
            if (!powerup || !powerup->IsAvailable()) continue;
            targets.push_back({static_cast<float>(powerup->HUDLocation.x),
                               static_cast<float>(powerup->HUDLocation.y + powerup->offsetY)});
        }
        return targets;
    };
}
