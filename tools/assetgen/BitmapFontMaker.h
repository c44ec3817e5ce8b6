#pragma once

#include <string>

#include "platform/PixelMap.h"
#include "tools/assetgen/Shading.h"
#include "tools/assetgen/StyleKit.h"

// The game's bitmap fonts: a Debian font's letters drawn one by one with the kit's glows, shadows, inks
// and gradients, packed on one page, and described by a ".fnt" glyph file that the game's reader accepts.
namespace assetgen {

// How a font's letters look, drawn in this order: glow, drop shadow, ink outline, gradient fill, then the
// emboss (light on the edges facing the moon, shade on the far ones, as on raised metal letters).
struct GlyphLook {
    double size = 24;  // pixels per em
    // The fill from the top of the capitals (light) through the middle to the baseline (dark), the same
    // for every letter so that words are lit alike.
    Tones fill{Hex(0xffffff), Hex(0xffffff), Hex(0xffffff)};
    double ink = 0;  // width of the dark outline round the letters
    Colour inkColour = palette::Ink;
    Colour glow{0, 0, 0, 0};  // alpha 0 for none
    double glowSigma = 0;
    double shadow = 0;  // distance of a soft drop shadow away from the moon; 0 for none
    double shadowSigma = 1;
    Colour shadowColour = palette::Ink.WithAlpha(0.6);
    double emboss = 0;      // width of the lit and shaded edges; 0 for none
    double tracking = 0;    // extra advance after every letter, in pixels
    double lineGap = 1.25;  // pixels from one line to the next, in ems
};

struct FontRecipe {
    std::string name;      // the file name in the font folder, without extension
    std::string faceFile;  // the Debian font drawn from
    GlyphLook look;
    // Draws the few characters the face lacks, when it lacks any (a missing no-break space is a space).
    std::string fallbackFile = {};
};

struct MadeFont {
    platform::PixelMap page;
    std::string glyphFile;  // the ".fnt" text
};

// The characters every font of the game holds: 32-126, 160-255, the typographic quotes, the dashes, the
// ellipsis and the euro sign.
std::u32string FontCharacters();

// Draws and packs the font. Every letter's box spans at least the line band: the capitals' height with
// equal room above and below, so the capital A's box starts at the top of the line (its y offset is 0) and
// the box height of "ABCXYZ" is the line gap. Throws std::runtime_error naming the font when its face
// lacks a character or a value does not fit the glyph file.
MadeFont MakeBitmapFont(const FontRecipe& recipe);

}  // namespace assetgen
