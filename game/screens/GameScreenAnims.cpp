// The level's timelines: the intro that drops the board in, the outro of a won level, and the ending of
// a lost one (time up or no more moves), which shakes the board, scatters it and starts the level again.
#include <algorithm>
#include <cmath>

#include "framework/core/Game.h"
#include "framework/core/GameSound.h"
#include "framework/core/Globals.h"
#include "framework/core/SoundBank.h"
#include "framework/screens/GameFade.h"
#include "framework/sprites/Animation.h"
#include "framework/sprites/Degrees.h"
#include "game/board/Board.h"
#include "game/board/BoardEvents.h"
#include "game/board/BoardSound.h"
#include "game/board/GameGrid.h"
#include "game/board/Gem.h"
#include "game/board/GemList.h"
#include "game/board/HUDPowerup.h"
#include "game/board/Player.h"
#include "game/screens/GameScreen.h"
#include "game/screens/LevelCompleteScreen.h"
#include "game/screens/LevelDialogs.h"
#include "game/screens/Tutorial.h"

namespace {

float Ticks(int ms) {
    return Game->CalcAnimLength(static_cast<float>(ms));
}

// Eases x in 0..1 in and out: 1 − sin(90° × sin(90° × x)).
float Ease(float x) {
    return 1.0f - static_cast<float>(SinDeg(90.0 * SinDeg(90.0 * x)));
}

// The pieces of the board fall with the outro.
constexpr float kFallAcceleration = 0.04f;

}  // namespace

int TGameScreen::ManageIntroAnim() {
    for (const auto& powerup : HUDPowerups) {
        if (powerup) powerup->SetIntroY(GetIntroY());
    }
    if (!IntroAnim || !IntroAnim->Active) return 0;
    if (FadingIn) return 0;
    if (IntroAnim->Manage()) {
        PlaceBoard(0);
        return StopIntroAnim();
    }
    const float left = static_cast<float>(IntroAnim->Counter);
    float drop = 1.0f;
    if (left <= Ticks(1000)) {
        drop = 0;
    } else if (left <= Ticks(2500)) {
        if (!GridSlideInSoundPlayed) {
            PlayBankSound("SlideInReverb");
            GridSlideInSoundPlayed = 1;
        }
        drop = Ease(1.0f - (left - Ticks(1000)) / (Ticks(2500) - Ticks(1000)));
    }
    PlaceBoard(-(768.0f + 50.0f) * drop);
    if (left <= Ticks(1150) && !ShownMessage) {
        ShownMessage = 1;
        MessageDialog = LevelDialogs::GetPreLevelDialog(Player.Level);
    }
    return 1;
}

void TGameScreen::PlaceBoard(float offset) {
    BoardOffset = offset;
    if (!Grid) return;
    Grid->topY = offset;
    // The gems come down with their cells.
    if (!Gems) return;
    for (const auto& gem : Gems->Items()) {
        gem->SetIntroOffset(0, static_cast<int>(offset));
        gem->CalcCoords(gem->gx, gem->gy);
    }
}

int TGameScreen::StopIntroAnim() {
    if (Grid) Grid->StartIntroFlash();
    Tutorial.ShowLevelStartTip();
    if (SandAnim) SandAnim->Start();
    ShownMessage = 0;
    return 1;
}

int TGameScreen::StartOutroAnim() {
    const bool running = (IntroAnim && IntroAnim->Active) || (OutroAnim && OutroAnim->Active);
    if (Player.Alive != 1 || running) return 0;
    OutroAnim->Start();
    Player.NoChecks = 1;
    PlayBankSound("LevelEnd");
    return 1;
}

int TGameScreen::ManageOutroAnim() {
    if (!OutroAnim || !OutroAnim->Active || Game->Paused) return 0;
    const bool finished = OutroAnim->Manage();
    const float left = static_cast<float>(OutroAnim->Counter);
    if (left >= Ticks(OUTRO_MS - 1000) && Game->MusicFadeOutCounter <= 0) Game->MusicFadeOutSet(1000);
    if (left < Ticks(2500) && Grid) {
        if (!GridSlideOutSoundPlayed) {
            if (const auto sound = SoundBank.Find("SlideInReverb")) {
                TGameSound reverb(*sound);
                reverb.pitch = 0.8f;
                PlayBoardSound(&reverb);
            }
            GridSlideOutSoundPlayed = 1;
        }
        Grid->yacc += kFallAcceleration * Delta;
        Grid->topY += Grid->yacc * Delta;
    }
    for (const auto& powerup : HUDPowerups) {
        if (powerup) powerup->SetIntroY(GetIntroY());
    }
    if (finished) return StopOutroAnim();
    return 1;
}

int TGameScreen::StopOutroAnim() {
    EndLevel("won");
    return LevelCompleteScreen->Show();
}

int TGameScreen::StartTimeUpAnim() {
    return StartEndAnim(TimeUp, SoundTimeUp);
}

int TGameScreen::StartNoMoreMovesAnim() {
    return StartEndAnim(NoMore, SoundNoMore);
}

int TGameScreen::StartEndAnim(int& flag, const std::shared_ptr<TGameSound>& sound) {
    if (Grid) {
        Grid->RestorePointer();
        if (!Grid->SwapRunning()) Grid->ClearCursor();
        Grid->StopHint();
        Grid->BlockInput = 1;
        Grid->JiggleDirection = 1;
    }
    flag = 1;
    NoMoreCounter = Ticks(END_MS);
    PlayBoardSound(sound.get());
    BoardEvents.FadeTips();
    return 1;
}

int TGameScreen::ManageNoMoreMovesAnim() {
    if ((OutroAnim && OutroAnim->Active) || NoMoreCounter <= 0) return 0;
    const float shakeUntil = Ticks(END_MS - 1000);
    // The first second: the music and the board fade away.
    if (NoMoreCounter > shakeUntil) {
        if (Game->MusicFadeOutCounter <= 0) Game->MusicFadeOutSet(1000);
        if (Grid) Grid->alpha = std::clamp((NoMoreCounter - shakeUntil) / Ticks(1000), 0.0f, 1.0f);
    }
    NoMoreCounter -= Delta;
    if (Grid) Grid->ManageJiggle(shakeUntil);
    if (NoMoreCounter > 0) return 1;
    EndLevel(TimeUp ? "time_up" : "no_moves");
    NoMoreCounter = 0;
    RestartLevel();
    Game->MusicPlay(1, 0, 0);
    NoMore = 0;
    TimeUp = 0;
    return 1;
}

float TGameScreen::GetIntroRatio() {
    float r = 0;
    HUDSliding = 1;
    if (OutroAnim && OutroAnim->Active && OutroAnim->Counter < Ticks(1000)) {
        r = Ease(static_cast<float>(OutroAnim->Counter) / Ticks(1000));
    } else if (IntroAnim && IntroAnim->Active && IntroAnim->Counter > Ticks(2500)) {
        const float x = 1.0f - static_cast<float>(IntroAnim->Counter - Ticks(2500)) / Ticks(1000);
        r = 1.0f - Ease(Ease(x));
    } else if (FadingIn || LevelCompleteUp()) {
        r = 1;
    } else {
        HUDSliding = 0;
    }
    return r;
}

float TGameScreen::GetHUDX() {
    // The panel slides out to the left.
    const float width = PanelImage ? static_cast<float>(PanelImage->w) : 104.0f;
    return static_cast<float>(HeaderDefaultX + 10) - (width + 10) * GetIntroRatio();
}

float TGameScreen::GetIntroY() {
    return (768.0f - 724.0f) * 4.0f * GetIntroRatio();
}
