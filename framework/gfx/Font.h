#pragma once

#include <memory>
#include <string>

class TBitmapFont;
class TColor;
class TShadow;

// A font with its colours and shadow: what a widget draws its text with.
class TFont {
public:
    std::shared_ptr<TBitmapFont> BitmapFont;
    std::shared_ptr<TColor> Color;
    int FixedWidth = 0;
    // The platform draws no text of its own, so a bitmap font stands in for its image font: the one used
    // when there is no BitmapFont.
    std::shared_ptr<TBitmapFont> ImageFont;
    std::shared_ptr<TColor> InverseColor;
    std::string Name;
    std::shared_ptr<TShadow> Shadow;
    float H = 0;
    double OldScale = 1.0;

    TFont() = default;
    TFont(const TFont&) = default;
    TFont& operator=(const TFont&) = default;
    virtual ~TFont() = default;

    static std::shared_ptr<TFont> Create(std::shared_ptr<TBitmapFont> imageFont,
                                         std::shared_ptr<TColor> colour, std::shared_ptr<TShadow> shadow,
                                         int fixedWidth, std::shared_ptr<TBitmapFont> bitmapFont,
                                         std::shared_ptr<TColor> inverseColour, const std::string& name);
    int Init(std::shared_ptr<TBitmapFont> imageFont, std::shared_ptr<TColor> colour,
             std::shared_ptr<TShadow> shadow, int fixedWidth, std::shared_ptr<TBitmapFont> bitmapFont,
             std::shared_ptr<TColor> inverseColour, const std::string& name);
    // Makes the colour (white when there is none) the drawing colour and alpha, the shadow the shadow of
    // text, and the colour's alpha that of the text.
    int Apply();
    int ApplyCustomColor(const TColor& colour);
    int ApplyInverse();
    // Draws at scale s until RestoreScale: the bitmap font's own scale, or the drawing scale without one.
    int ApplyScale(double s);
    int RestoreScale();
    // H = the height of the font's test string; returns H.
    virtual float CalcHeight();
    int Kill();

    // The font that draws: the bitmap font, else the one standing in for the image font (may be null).
    TBitmapFont* Face() const;
};
