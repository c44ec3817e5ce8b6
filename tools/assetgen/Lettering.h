#pragma once

#include <string_view>

#include "tools/assetgen/FontOutline.h"
#include "tools/assetgen/Shading.h"
#include "tools/assetgen/StyleKit.h"

// Words drawn as pictures (the big texts, the points, titles): a Debian font's outlines filled with a
// gradient, inked round, bevelled by the moon and glowing, like every other shape of the game.
namespace assetgen {

namespace fonts {
inline constexpr const char* kStorybook = "/usr/share/fonts/truetype/ebgaramond/EBGaramond12-Bold.ttf";
inline constexpr const char* kStorybookItalic =
    "/usr/share/fonts/truetype/ebgaramond/EBGaramond12-Italic.ttf";
inline constexpr const char* kFigures = "/usr/share/fonts/opentype/cabin/Cabin-Bold.otf";
inline constexpr const char* kLabels = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
}  // namespace fonts

struct LetterStyle {
    double size = 48;     // pixels per em
    double tracking = 0;  // extra space between letters, in ems
    Tones fill;           // top of the letters (light) through mid to their foot (dark)
    double ink = 3;       // width of the dark outline round the letters
    Colour glow;          // a soft glow behind them; alpha 0 for none
    double glowSigma = 6;
};

// The width of the text as Letters draws it.
double LettersWidth(const OutlineFont& font, std::u32string_view text, const LetterStyle& style);
// Draws the text centred on centreX with its baseline at baseline.
void Letters(Canvas& canvas, const OutlineFont& font, std::u32string_view text, double centreX,
             double baseline, const LetterStyle& style);

// The game's name as it stands on the loading and title screens: gilt letters 150 pixels to the em with a
// lantern glow, centred on centreX.
void GameName(Canvas& canvas, double centreX, double baseline);

}  // namespace assetgen
