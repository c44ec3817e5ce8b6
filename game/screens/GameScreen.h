#pragma once

#include <array>
#include <memory>
#include <string>

#include "framework/screens/Screen.h"
#include "framework/sprites/Color.h"
#include "framework/sprites/CounterList.h"

class TAnimation;
class TBitmapFont;
class TDialogOK;
class TGameImage;
class TInGameMenu;
class TLoadList;
class TGameSound;
class TSprite;

// The level being played: it builds the board for the player's level, slides board and HUD in, runs the
// board, the clock and the power-ups every tick, draws the HUD (panel, level, score, gold, timer, goals,
// power-ups), turns the board's one-shot triggers into sounds, and plays the three endings: won (the
// outro), time up and no more moves, the last two restarting the level with a fresh board.
class TGameScreen : public TScreen {
public:
    static constexpr int GaugeX = 42, GaugeY = 466;  // centre of the power gauge
    static constexpr int BIG_TEXT_OFFSET_X = 60;
    static constexpr int MENU_X = 0;
    // Timelines, in ms.
    static constexpr int INTRO_MS = 3500, OUTRO_MS = 4500, END_MS = 4000, FADE_IN_MS = 300;
    static constexpr int AUTO_HINT_MS = 15000;

    float AutoHintCounter = 0;
    std::string BackgroundFileName;
    int Chapter = 0;
    int FadingIn = 0;
    int Goal1Done = 0, Goal2Done = 0, Goal3Done = 0, Goal4Done = 0;
    int GridSlideInSoundPlayed = 0, GridSlideOutSoundPlayed = 0;
    int HeaderDefaultX = -10;
    float HintShowCounter = 0;
    std::shared_ptr<TBitmapFont> HUDFont;
    int HUDSliding = 0;
    int NoMore = 0;
    float NoMoreCounter = 0;
    int PlayShown = 0;
    int TimeUp = 0;
    float TimeUpCounter = 0;
    std::shared_ptr<TGameImage> PanelImage, HourglassImage, HourglassShadowImage, SandAnimImage;
    float GaugeParticleCounter = 0;
    int GaugeParticleCounterMax = 20;
    TCounterList GaugeFillDelay;
    TCounterList GoldParticleDelay;
    float GaugeMax = 10.0f;
    std::shared_ptr<TSprite> Go, WellDone;
    std::shared_ptr<TAnimation> IntroAnim, OutroAnim, SandAnim;
    int ShownMessage = 0;
    // The chapter's story, open over the level before it starts.
    std::shared_ptr<TDialogOK> MessageDialog;
    std::shared_ptr<TGameSound> SoundGameOver, SoundLowTimeBeep, SoundNoMore, SoundTimeUp;
    // Where the board is: 0 in place, negative above the screen (the intro drops it in).
    float BoardOffset = 0;
    // The pause panel, opened by Escape or the Menu button at the foot of the HUD.
    std::shared_ptr<TInGameMenu> InGameMenu;
    static constexpr int MENU_Y = 692;

    TGameScreen();

    // What every level shares, listed for loading once (the start-up loading takes it; Load does when it
    // has not): the board's, the power-ups' and the HUD's pictures, and the sounds of the level's end.
    void ListSharedResources(TLoadList& list);

    int Load() override;
    int Start() override;
    int CoreStart() override;
    int PostFadeIn() override;
    int Kill() override;
    int Logic() override;
    int Draw() override;
    int SetEscDestination() override;
    int SpecificKeys() override;

    int FillColorArray();
    int ClearAll();
    int ClearCounters();
    int ClearParticles();
    // The board calls it whenever a match is cleared: the auto hint waits 15 s from the last match.
    int ClearHint();
    int ClearSoundTriggers();
    int DrawGaugeParticles();
    int DrawGoals(float x);
    int DrawHUD();
    int DrawStatusText();
    int DrawTimer(float x);
    // The board of the player's level, filled until it is playable.
    int FillGrid();
    int GameStart();
    int GetChapter() const;
    int GetSubLevel() const;
    // The HUD's slide: 0 in place, 1 off the screen.
    float GetIntroRatio();
    float GetHUDX();
    float GetIntroY();
    int GoalDoneEffect(int row);
    int LoadBackground();
    int LoadMusic();
    // The file of the level's music.
    std::string MusicTrack() const;
    int KillGameObjects();
    int MakeTestGem(int x, int y, int type);
    int ManageAutoHint();
    int ManageHUDClicks();
    int ManageHUDEffects();
    int ManageIntroAnim();
    // The Menu button opens the pause panel; 1 when it did.
    int ManageMenuButton();
    int ManageNoMoreMovesAnim();
    int ManageOutroAnim();
    int ProcessSoundTriggers();
    // The level is lost for lack of moves.
    int Quit();
    int RestartLevel();
    int SetGaugeEmpty();
    int SetMenuCoords(int y);
    int StartLevel();
    int StartNoMoreMovesAnim();
    // 1 when the outro started now.
    int StartOutroAnim();
    int StartTimeUpAnim();
    int StopIntroAnim();
    int StopOutroAnim();
    // The level complete panel is showing over the level.
    bool LevelCompleteUp() const;

    // The background number of a level: ten pictures over the hundred levels, the early ones shorter.
    static int BackgroundFor(int level);
    // The seven colours of the goal marks and the big texts: red, orange, yellow, green, cyan, blue, violet.
    static std::array<TColor, 7> Colours;

private:
    // The time-up and no-more-moves endings share their animation.
    int StartEndAnim(int& flag, const std::shared_ptr<TGameSound>& sound);
    void ConnectBoard();
    // The board's moments that the tutorial hears of, and its marks on the board.
    void ConnectTutorial();
    // The board and its gems this far below their place (negative: above).
    void PlaceBoard(float offset);
    void DrawBigTexts();
    // Tells the level's end once: "won", "time_up", "no_moves" or "left".
    void EndLevel(const char* result);
    int levelInPlay_ = 0;
    // The background with the board's frame and tiles: drawn, or copied whole when nothing has changed.
    void DrawBackdrop();
    int resourcesLoaded_ = 0;
    // What the copy of the backdrop shows: the board, its tiles, the background and the frame's shadow.
    struct TBackdropKey {
        int board = 0, tiles = 0;
        const TGameImage* background = nullptr;
        bool shadow = false;
        bool operator==(const TBackdropKey&) const = default;
    };
    std::shared_ptr<TGameImage> backdrop_;
    TBackdropKey backdropKey_;
};

// The one game screen.
extern std::shared_ptr<TGameScreen> GameScreen;
