#pragma once

#include <functional>
#include <memory>
#include <string>

#include "framework/screens/Screen.h"
#include "framework/sprites/ParticleList.h"
#include "framework/sprites/SineCounter.h"

class TAnimation;
class TDialogOK;
class TBitmapFont;
class TGameImage;
class TGameSound;

// The panel that rolls up over the level when it is won: the level's number, ten rows of statistics, the
// books of the level (totals, unlock, gold banked, profile written), then a Continue button that leads to
// what comes next. It is never a screen of its own: the level screen loads it with itself, runs its Logic
// and Draw every frame and opens it with Show when the outro ends.
class TLevelCompleteScreen : public TScreen {
public:
    static constexpr int kRows = 10;
    static constexpr int kUnrollMs = 1000;
    // Labels wider than this push both columns right.
    static constexpr int kLabelRoom = 181;
    static constexpr int kTitleWidth = 350;

    int allowWallpaper = 0;
    std::shared_ptr<TGameSound> ActivateSound, DeactivateSound;
    int Active = 0;  // 0 hidden; 1 rolling in or showing the table; 2 rolled away, Continue showing
    int Chapter = 0, SubLevel = 0;
    int col1 = 0, col2 = 0;
    int colgap = 25;
    TSineCounter glow;
    int gap = 32;
    int h = 0;
    std::shared_ptr<TBitmapFont> LabelFont, StatFont, TitleFont;
    int lines = 3;
    float MenuY = 0;
    int SetWallpaperCounter = 0;  // 0 idle; 1 asked for; 2 a frame drawn, save now
    float StartY = 0;
    int StatOffsetX = 0;
    std::shared_ptr<TAnimation> Unroll;
    int w = 0;
    int MessageLevel = 0;
    int ShowedLevelEndMessage = 0;
    int ShowShopMessage = 0;
    // The level's found-item message, open over the panel.
    std::shared_ptr<TDialogOK> CurrentMessage;
    std::shared_ptr<TGameImage> Panel, SparkleFull, Sparkle;
    TParticleList Sparkles;

    // Where Continue leads: the next level's way in (the map, the shop once it has something to say) and
    // the ending after the last level. The screens that are not built yet leave these to the level screen.
    std::function<TScreen*()> MapDestination, ShopDestination, GameFinishedDestination;

    TLevelCompleteScreen();

    int Load() override;
    int Start() override;
    int Kill() override;
    int Logic() override;
    int Draw() override;
    int SetEscDestination() override;

    std::string GetStringForIDX(int i) const;
    std::string GetStatsStringForIDX(int i) const;
    int CalcStatOffsetX();
    // "Level XX Complete" for the level just won.
    std::string GetTitle() const;
    // Fades out to what comes next.
    int Close();
    // How far below its place the panel is: from below the screen to 0 as it unrolls.
    float GetTopY() const;
    int Hide();
    int MakeSnowFlakes();
    int MoveSnowFlakes();
    int RollUp();
    // The level's books: the gold banked and the profile written, or after the last level the profile
    // starting over.
    int SaveProfile();
    // Closing the window while the panel rolls in keeps the level's books: 1 when they were kept now.
    int SettleBooks();
    int SetMenuY();
    int SetupColumns();
    int Show();
    // Saves the level's background as a picture in the user's pictures folder and asks the desktop to
    // show it; the notice says whether it did, or where the picture is, or why it could not be saved.
    int SetWallpaper();

    // The notice open over the panel: the wallpaper's, or a profile that could not be written.
    std::shared_ptr<TDialogOK> DialogOK;

    // The last level was passed: Continue leads to the ending.
    static bool GameFinished();

private:
    int ManageRolledIn();
    int ManageRolledAway();
    int PlaceButtons(float top);
    void DrawTable(float top);
    int panelHeight_ = 0;
    bool booksKept_ = false;
};

// The one level complete panel.
extern std::shared_ptr<TLevelCompleteScreen> LevelCompleteScreen;
