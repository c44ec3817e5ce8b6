// Where the board reaches the level screen: its animations, goal marks, sounds, hint clock, gold and
// charges, and what happens when a level is won.
#include <algorithm>

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/screens/GameFade.h"
#include "framework/sprites/Animation.h"
#include "game/board/BoardEvents.h"
#include "game/board/BoardSound.h"
#include "game/board/GameGrid.h"
#include "game/board/Player.h"
#include "game/screens/GameScreen.h"
#include "game/screens/LevelEvents.h"
#include "game/screens/Tutorial.h"

namespace {

// A unit of charge reaches the power-ups this long after the run that earned it.
constexpr int kChargeFlightMs = 600;

}  // namespace

void TGameScreen::ConnectBoard() {
    ConnectBoardEvents();
    BoardEvents.IntroRunning = [this] { return IntroAnim && IntroAnim->Active; };
    BoardEvents.OutroRunning = [this] { return OutroAnim && OutroAnim->Active; };
    BoardEvents.LevelCompleteActive = [this] { return LevelCompleteUp(); };
    BoardEvents.TimeUpRunning = [this] { return TimeUp != 0; };
    BoardEvents.NoMoreMovesRunning = [this] { return NoMoreCounter > 0; };
    BoardEvents.StartOutroAnim = [this] { return StartOutroAnim() == 1; };
    BoardEvents.StartTimeUpAnim = [this] { StartTimeUpAnim(); };
    BoardEvents.RestartIntroAnim = [this] {
        if (IntroAnim) IntroAnim->Start();
    };
    BoardEvents.GoalDoneEffect = [this](int goal) { GoalDoneEffect(goal); };
    BoardEvents.PlayLowTimeBeep = [this] { PlayBoardSound(SoundLowTimeBeep.get()); };
    BoardEvents.ClearHint = [this] { ClearHint(); };
    BoardEvents.ResetHintShowCounter = [this] { HintShowCounter = 0; };
    BoardEvents.SetGaugeEmpty = [this] { SetGaugeEmpty(); };
    BoardEvents.NoMoreMoves = [this] { Quit(); };
    BoardEvents.NoMoreCounter = [this] { return NoMoreCounter; };
    BoardEvents.PlayGameOverSound = [this] { PlayBoardSound(SoundGameOver.get()); };
    BoardEvents.GoldCounterPoint = [this] { return TBoardEvents::TScreenPoint{GetHUDX() + 48, 189}; };
    BoardEvents.GoldCoinFlying = [this](float ticks) {
        GoldParticleDelay.AddNew(static_cast<int>(ticks * Game->FixedRateLogic.MS));
        if (Player.Level == Player.Unlocked) Player.levelGoldInTransit += 5;
    };
    BoardEvents.ChargeEarned = [this] { GaugeFillDelay.AddNew(kChargeFlightMs); };
    ConnectTutorial();
}

void TGameScreen::ConnectTutorial() {
    BoardEvents.CurrentTip = [] { return Tutorial.CurrentTip; };
    BoardEvents.ShowSwapCompleteTip = [] { Tutorial.ShowSwapCompleteTip(); };
    BoardEvents.ShowNearlyDoneTip = [] { Tutorial.ShowNearlyDoneTip(); };
    BoardEvents.ShowGoalCompleteTip = [] { Tutorial.ShowGoalCompleteTip(); };
    BoardEvents.ShowMagicTip = [] { Tutorial.ShowMagicTip(); };
    BoardEvents.FadeTips = [] { Tutorial.FadeTips(); };
    BoardEvents.DrawBoardOverlay = [] { Tutorial.DrawBoardOverlay(); };
    // A click on a goal of the HUD: what that goal asks, in place of any tip showing.
    BoardEvents.ShowGoalTip = [](int row) {
        Tutorial.ClearTips();
        if (Grid && Tutorial.ShowGoalArrowTip(Grid->GoalAtRow(row), TTutorial::TIP_MS)) {
            LevelEvents.TipShown("Goal Tip");
        }
    };
}
