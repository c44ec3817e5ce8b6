#pragma once

#include <array>
#include <functional>
#include <memory>

#include "framework/screens/Screen.h"
#include "framework/sprites/SineCounter.h"

class TAnimation;
class TCheckBox;
class TDialogOK;
class TGameSound;

// The level map: a painting taller than the screen with a dot for every level along a winding path. The
// mouse at a screen edge scrolls it; an open dot (clicked, or pressed through the keyboard's focus, which
// the map follows) or Play, Enter, Space picks a level, which zooms in and starts; a locked dot refuses. It
// shows the banked gold and the level, and a check box switches the player between timed and relaxed play.
class TMapScreen : public TScreen {
public:
    static constexpr int LEVEL_X_OFFSET = -139, LEVEL_Y = 689, CHECKBOX_X = 614, Y_SCROLL_PAD = 10;
    static constexpr int kLevels = 100;
    static constexpr std::array<int, 11> SPECIAL_LEVELS = {1, 4, 9, 17, 27, 37, 47, 59, 72, 86, 100};

    struct TDot {
        float X = 0, Y = 0;  // the dot's middle on the map
    };

    std::shared_ptr<TGameImage> GoldBox, Cursor, CursorMO, CurrentLevel;
    std::shared_ptr<TGameImage> Locked, LockedMO, LockedSpecial;
    std::shared_ptr<TGameImage> Unlocked, UnlockedMO, UnlockedSpecial, UnlockedSpecialMO;
    std::shared_ptr<TGameImage> BottomPanel, TopPanel, GoldPanel;
    std::shared_ptr<TGameSound> Invalid, ZoomInSound, ZoomOut;
    float Angle = 0;
    int ClickedIndex = -1;
    std::array<TDot, kLevels> Coords{};
    TSineCounter Glow, Glow2;
    int LastMOIndex = -1;
    float LastX = 0, LastY = 0;
    int Level = 0;
    int MOIndex = -1;
    float Scale = 1;
    float ScrollX = 0, ScrollY = 0;
    std::shared_ptr<TCheckBox> TimedCheckBox;
    int YOffset = 0;
    std::shared_ptr<TAnimation> Zoom;
    int ZoomIn = 1;
    std::shared_ptr<TAnimation> SlideIn;
    float SlideInYDist = 0;
    std::shared_ptr<TDialogOK> ReplayDialog;
    int ScrollYMin = 0;

    // Where Back and the shop button lead; unset, Back ends the game and the shop button does nothing.
    std::function<TScreen*()> TitleDestination, ShopDestination;

    TMapScreen();

    int Load() override;
    int Start() override;
    int PostFadeIn() override;
    int Kill() override;
    int Logic() override;
    int Draw() override;
    int SetEscDestination() override;

    float CalcScale(int i) const;
    int CalcScrollCoords();
    // A dot clicked or pressed through the keyboard's focus picks its level; a locked one refuses.
    int CheckLevelDots();
    // The open dots in sight are the keyboard's too: the arrows walk them, the map following the one in
    // focus (given back in focused, else left as it is); the one Enter pressed, or -1.
    int CheckKeyDots(int& focused);
    // Level i + 1 chosen from its dot.
    int PickDot(int i);
    static int CheckSpecialLevel(int i);
    int Close();
    int FillCoords();
    int DrawDot(int i, int onTop);
    int LevelSelected(int level);
    int ClampScrollPosition();
    int SetClampAndPosition();
    int CalcScrollYMin();
    // The map's size in pixels.
    int MapWidth() const;
    int MapHeight() const;
    // The middle of dot i (0-based) on the screen.
    float DotScreenX(int i) const;
    float DotScreenY(int i) const;
    // The dot under a point of the screen, -1 for none.
    int DotAt(int x, int y) const;
    // Half the side of dot i's square, which takes the clicks.
    static float DotRadius(int i);

private:
    void DrawPanels();
    bool Zooming() const;
};

// The one map.
extern std::shared_ptr<TMapScreen> MapScreen;
