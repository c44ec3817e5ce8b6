#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/gfx/Font.h"

// Splits text into lines at its line breaks ("\n", a "\r" before it dropped) and wraps each line to width
// pixels: runs of spaces count as one, and words join a line while the line, a space and the word, times
// scale, still fit. An empty line stays empty; a word wider than width gets a line of its own, unbroken.
std::vector<std::string> WrapText(const TBitmapFont& font, const std::string& text, float width, float scale);

// A positioned block of text: word-wrapped to a width, each line aligned, drawn with its font's colour and
// shadow at its own alpha, scale, rotation and bend.
class TLabel : public TFont {
public:
    float Alpha = 1;
    int CentreVertically = 0;
    int LineGap = 0;  // pixels from one line to the next; the font's line gap when 0
    float Rotation = 0;
    float Scale = 1;
    float X = 0, Y = 0;
    int RoundCoords = 0, RoundXCoord = 0, RoundYCoord = 0;
    int Visible = 1;
    float W = 0;  // the unscaled width of Text as one line
    // 0 left, 1 centred, 2 right-aligned, 3 centred both ways, 4 left and centred vertically; any other
    // value draws nothing.
    int Alignment = 0;
    float BitmapFontHandleX = 0, BitmapFontHandleY = 0;  // the point a rotated label turns about
    float CurvatureHeight = 0, CurvatureWidth = 0;
    std::string Text;
    std::vector<std::string> TextArray;  // the wrapped lines
    int TotalLines = 0;
    int WordWrap = 0;  // wrap width in pixels; 0 or less keeps the text on one line

    // A label of the font's parts showing text at x, y, wrapped and measured.
    static std::shared_ptr<TLabel> CreateSpecial(const std::string& text, float x, float y, int alignment,
                                                 const TFont& font, int wordWrap = 0, float scale = 1);

    // Shrinks Scale so the text fits maxWidth as one line; never enlarges it.
    int AutoScale(float maxWidth);
    int CalcSize();
    // W, and the drawn width W × Scale.
    float CalcWidth();
    // H = the height of one line; returns the drawn height H × Scale.
    float CalcHeight() override;
    // LineGap, taken from the font when it is 0.
    int CalcLineGap();
    // The drawn height of the wrapped block, from the top of its first line to the foot of its last.
    float CalcWordWrappedHeight();
    // The drawn width of the widest wrapped line.
    float GetWidestLine() const;
    int PreCalcWordWrap();
    // Every line, one under another, with the drawing state put back afterwards; nothing unless Visible.
    int Draw(float dx = 0, float dy = 0, int shadow = 1);
    int DrawTextLine(const std::string& text, float x, float y, int shadow);
    int SetBitmapFontHandle(float x, float y);
    int SetCurvature(float curveWidth, float curveHeight);
    int SetLineGap(int gap);
};
