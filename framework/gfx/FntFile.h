#pragma once

#include <string>
#include <string_view>
#include <vector>

// One glyph of a bitmap font: where it lies on the page, where it is drawn relative to the pen and how far
// the pen then moves.
struct FntGlyph {
    int id = 0;  // the character's code point
    int x = 0, y = 0, width = 0, height = 0;
    int xOffset = 0, yOffset = 0, xAdvance = 0;
};

// What a ".fnt" glyph file (the text layout of AngelCode's bitmap font tool) says, as far as the game
// reads it: one page, no kerning.
struct FntFile {
    double scale = 1.0;  // the optional first line "scaleF=…"
    int textureW = 0, textureH = 0;
    std::vector<FntGlyph> glyphs;  // in file order; lines with an id of 0 or less are left out
};

// Numbers sit in fixed-width fields: each is read from the given number of characters after its key
// ("x=" then 4), so the writer must pad every number to its field and keep it within.
// Reads whole lines of any length. Returns false with a one-line reason that names the line when the text
// is damaged: a field missing or not a number, a number longer than its field, a negative size, a file
// that ends before its common line or before the characters its "chars count=" line announces.
bool ParseFnt(std::string_view text, FntFile& out, std::string& error);

// The other direction, for the tool that makes the game's fonts: an info, common, page and chars line,
// then one padded character line per glyph. Returns false with the reason when a value does not fit its
// field.
bool FormatFnt(const FntFile& font, const std::string& face, int size, int lineHeight, int base,
               const std::string& pageFile, std::string& text, std::string& error);
