#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Graphics.h"

class TColor;
struct FntFile;
struct FntGlyph;

// Fonts are uploaded to the display as they load (the game sets this at start-up).
extern int FontPrecache;
// 1: StringHeight measures from the top of the line to the lowest glyph bottom (the game sets this).
extern int FontAccurateHeight;
// 1: the average glyph height is divided by the number of glyphs less one (the game clears this).
extern int FontAverageHeightMinusOne;
// 1: DrawStringArray centres a block on the height of its lines rather than on its line gaps.
extern int FontArrayCentreOnHeight;

// A font drawn from one page of glyph pictures, read from a ".png" page and a ".fnt" glyph file. Text is
// UTF-8; every character is looked up by its code point: codes up to 255 have a slot of their own, higher
// ones are kept in the extra slots from 256 on. A character the font lacks is an empty glyph of size 0.
class TBitmapFont {
public:
    double CharGap = 0;  // extra advance after every character
    // 1: the text is placed by its handle, which alignment and every character drawn move along, and turns
    // about the drawing point. The handle is in the page's pixels and keeps where a draw left it.
    int ChangeHandle = 0;
    float CurvatureAngle = 180.0f;
    int DrawOffsetY = 0;  // added to every glyph's y offset (CalcDrawOffsetY)
    double HandleX = 0, HandleY = 0;
    double ScaleFactor = 1.0;
    std::string TestString = "ABCXYZ";  // its height is the font's line height
    int ArraySize = 406;
    float CurvatureHeight = 0, CurvatureWidth = 0;
    std::vector<int> ID;
    platform::ImagePtr Image;
    int NumChars = 0, NumExtraChars = 0;
    double TextureH = 0, TextureW = 0;
    std::vector<double> width, height, xAdvance, xOffset, yOffset, xPos, yPos;

    TBitmapFont();

    // Loads name + ".png" (flags as for images) and name + ".fnt"; yAdjust is added to every glyph's y
    // offset. A missing page is fatal ("Error loading bitmap " + path), as is a glyph file that is missing
    // or damaged, or that places a glyph outside its page ("Error loading file " + path, with the reason).
    static std::shared_ptr<TBitmapFont> Create(const std::string& name, int flags, int ignored, int yAdjust);

    // Fills the glyph slots from a glyph file's contents, yAdjust added to every y offset.
    int LoadGlyphs(const FntFile& file, int yAdjust);
    // After this the top of the capital A lands on the drawing y.
    int CalcDrawOffsetY();
    double CalcReducedScale(const std::string& text, double maxWidth) const;
    int CalcVRAM() const;
    int ClearCurvature();
    int SetCurvature(float width, float height);
    // Draws text with its first pen position at x, y. centre and right align it on x, vcentre centres the
    // height of TestString on y; vertical stacks the characters downwards. With shadow the text is drawn
    // first in black, moved and faded by the text shadow. With colours, each character takes the next
    // colour of the list in turn.
    int Draw(const std::string& text, float x, float y, int centre = 0, int right = 0, int roundX = 0,
             int roundY = 0, int shadow = 0, int vcentre = 0, int vertical = 0,
             std::span<const TColor> colours = {});
    // align: 0 left, 1 centred, 2 right-aligned, 3 centred both ways, 4 left and centred vertically;
    // other values draw nothing.
    int DrawAligned(const std::string& text, float x, float y, int align, int roundX = 0, int roundY = 0,
                    int shadow = 0, std::span<const TColor> colours = {});
    int DrawAlignedWithShadow(const std::string& text, float x, float y, int align, int roundX = 0,
                              int roundY = 0);
    // Lines one under another, lineGap apart (0: the font's line gap); vcentre centres the block on y.
    int DrawStringArray(const std::vector<std::string>& lines, float x, float y, int centre = 0,
                        int right = 0, int roundX = 0, int roundY = 0, int shadow = 0, int lineGap = 0,
                        int vcentre = 0);
    int ExpandArrays();
    // The extra slot of a character of code 256 or more; 0 when the font lacks it.
    int FindChar(char32_t character) const;
    int GetLineGap() const;
    int Kill();
    int Precache();
    int ResetHandle();
    double StringHeight(const std::string& text) const;
    double StringHeightAccurate(const std::string& text) const;
    double StringHeightVertical(const std::string& text) const;
    double StringWidth(const std::string& text) const;
    // The longest start of text whose width does not exceed maxWidth × ScaleFactor.
    std::string TruncateString(const std::string& text, double maxWidth) const;

    // Whether the font has a glyph for the character (the space counts even without a picture).
    bool Has(char32_t character) const;

private:
    int SlotOf(char32_t character) const;
    double WidthOf(std::u32string_view text) const;
    // The width of characters whose advances and gaps add up to total.
    double WidthOfAdvances(double total) const;
    void DrawText(platform::Graphics& graphics, std::u32string_view text, float x, float y, bool centre,
                  bool right, bool roundX, bool roundY, bool vcentre, bool vertical,
                  std::span<const TColor> colours);
    void AddGlyph(const FntGlyph& glyph, int yAdjust);
};
