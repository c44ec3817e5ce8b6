#pragma once

#include <memory>

class TScreen;

// The seven fonts of the game on one page, a band each, from the biggest titles down to the small print:
// each band's name in small grey letters over texts of the kind that font draws in play, taken from the
// game's text table where the table has them, with accented letters in the header and reading fonts, a
// tip wrapped and centred, and button captions tinted on their buttons.
std::unique_ptr<TScreen> MakeFontShowcase();

// Where each font's band begins and ends on the page, so that a test can look for its letters there.
struct FontShowcaseBand {
    const char* font;
    int top, bottom;
};
inline constexpr FontShowcaseBand kFontShowcaseBands[] = {
    {"BigText", 8, 92},    {"DialogHeader", 92, 160},  {"Button", 160, 246},  {"LargeWhite", 246, 310},
    {"GUIFont", 310, 444}, {"GUIFontSmall", 444, 500}, {"Embossed", 500, 648}};
