#pragma once

#include <array>
#include <memory>
#include <string>

class TDynamicTip;
class TGameImage;
class TSprite;
class TTipArrow;

// What one tip is made of: a box with a header and a body (none when the body is empty), an arrow (none
// without a picture), how long it stays and whether a click closes it.
struct TTipData {
    int closeable = 1;
    std::string theHeaderText;
    std::string theText;
    int tipX = 0, tipY = 0;      // the box's top-left
    int arrowX = 0, arrowY = 0;  // where the arrow's tip points
    int arrowDirectionX = 0, arrowDirectionY = 0;
    std::string arrowText;
    std::shared_ptr<TGameImage> arrowType;
    int timeLimit = 0;  // ms; 0 stays until closed or faded
    int tipGlow = 0;    // 1: a glow marks the cell the arrow points at
    std::string tag;    // what the tip is, for whoever listens
};

// The tips of the first levels: which tip shows when (at the level's start, after the first swap, when a
// goal is nearly done or one of two is met, for the pumpkin in the shop, for the first magic gem, when a
// goal of the HUD is clicked), and the boxes, arrows and the glow on the board that make them up. Most
// tips show only while the player's tips setting is on; the pumpkin and magic tips show regardless. Each
// once-tip shows once a level.
class TTutorial {
public:
    static constexpr int MAX_TIPS = 5;
    // Where the goal rows' arrows point: row r of the HUD at y 377 + 60 r, just right of the HUD panel.
    static constexpr int GOAL_ARROW_X = 108, GOAL_ROWS_Y = 377, GOAL_ROW_STEP = 60;
    // The tips that go by themselves stay this long.
    static constexpr int TIP_MS = 5000;

    int CurrentTip = 0;  // 1 while a level-start tip waits for the first swap
    std::array<std::shared_ptr<TDynamicTip>, MAX_TIPS> Tips;
    int TipsCount = 0;
    std::array<std::shared_ptr<TTipArrow>, MAX_TIPS> TipArrows;
    int TipArrowsCount = 0;
    std::shared_ptr<TSprite> TipGlowSprite;
    int PumpkinTipShown = 0, GoalCompleteShown = 0, MagicTipShown = 0, NearlyDoneShown = 0;
    int RainbowTipShown = 0, RainbowTipShownOnLevel3 = 0;
    std::shared_ptr<TGameImage> ArrowImage, ArrowLongImage, ArrowSmallImage, ArrowThinImage,
        TipWithCloseImage, TipGlowImage;

    int Clear();
    int ClearTips();
    // A box; none when MAX_TIPS are up already.
    std::shared_ptr<TDynamicTip> CreateDynamicTip(const std::string& header, const std::string& text, int x,
                                                  int y, int timeLimit, int closeable,
                                                  const std::string& tag = "");
    // An arrow; none when MAX_TIPS are up already.
    std::shared_ptr<TTipArrow> CreateDynamicTipArrow(std::shared_ptr<TGameImage> image, int x, int y,
                                                     int timeLimit, const std::string& text, int dirX,
                                                     int dirY, int glow);
    int CreateDynamicTipWrapper(const TTipData& data);
    int Draw();
    int DrawTipArrows();
    int DrawTips();
    // The glow over the board's cells, drawn with the board.
    int DrawBoardOverlay();
    int FadeTips();
    int Kill();
    int KillTipGlowSprite();
    // One tick. 1 when a click closed a tip (the click is taken).
    int Manage();
    // The first tip a click (or Enter, with the keyboard's focus on it) would close now: up or coming up,
    // not already going; none when there is none.
    std::shared_ptr<TDynamicTip> ClosableTip() const;
    int ManageTipArrows();
    int ManageTips();
    int SetImages();
    int ShowGoalCompleteTip();
    // goal: 1 matches, 2 armour, 3 skulls, 4 rocks.
    int CanShowGoalTip(int goal) const;
    // The arrow at the goal's HUD row; returns its y, 0 when it is not shown.
    int ShowGoalArrowTip(int goal, int ms);
    int ShowLevelStartTip();
    int ShowNearlyDoneTip();
    int ShowPumpkinTip();
    int ShowMagicTip();
    int ShowSwapCompleteTip();
    // A box is up (or going).
    bool Showing() const { return TipsCount > 0; }

private:
    // Where the glow over the target cell stands (screen coordinates with the board in its place).
    float glowX_ = 0, glowY_ = 0;
};

// The one tutorial.
extern TTutorial Tutorial;
