#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "framework/screens/Screen.h"
#include "framework/sprites/SineCounter.h"

class TAnimation;
class TBitmapFont;
class TGameImage;

// How to play, on one page: four panels in a two-by-two grid, each with a small moving example (a match
// made, a rock and a tile, a chain and a skull, a bomb in its ring) beside its explanation. OK or Escape
// returns to the screen that opened it.
class TInstructionsScreen : public TScreen {
public:
    // The panels' top-left corners.
    static constexpr int col1x = 113, row1y = 160, col2x = 570, row2y = 410;
    static constexpr int kPanels = 4;

    std::shared_ptr<TAnimation> Anim1;  // the examples' repeating beat
    TSineCounter glow1, glow2, glow3, glow4;
    std::shared_ptr<TBitmapFont> InstructionsFont;
    float MagicRotation = 0;  // degrees, the bomb's ring
    int ox = 0, oy = 0;       // the whole page's offset
    int PageWidth = 0;        // the explanations' wrap width
    int TotalLines = 0;       // of the wrapped explanations
    std::vector<std::string> Text;  // the four explanations: a title line, then the body
    int FromMap = 0;
    int Leaving = 0;

    TInstructionsScreen();

    int Load() override;
    int Start() override;
    int Kill() override;
    int Logic() override;
    int Draw() override;

    // The panel's corner.
    static int PanelX(int panel);
    static int PanelY(int panel);

private:
    std::array<std::shared_ptr<TGameImage>, 8> pictures_;
    std::array<std::vector<std::string>, kPanels> bodies_;
    std::array<std::string, kPanels> titles_;
    float bodyScale_ = 1;

    void DrawExample(int panel, float cx, float cy);
    void DrawGlow(float x, float y, const TSineCounter& glow);
};

extern std::shared_ptr<TInstructionsScreen> InstructionsScreen;
