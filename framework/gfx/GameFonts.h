#pragma once

#include <array>
#include <memory>

class TBitmapFont;

// The game's seven fonts, loaded at start-up from the font folder, and the texts each one draws. This is
// the one place that says which font serves which text; tools/assetgen draws them to suit (see its group
// "fonts" for the faces and the looks).
//
//   BigText       Gilt storybook capitals with a dark ink outline and a warm glow: the big titles that
//                 stand alone on a screen: "Level XX Complete", the map, options and ending headers.
//   DialogHeader  Moonlit silver letters with an ink outline: the header of every dialog, tip box and story
//                 message, the player manager's header, and "Paused" in the in-game menu (at 0.75 scale).
//   Button        Bold cream letters with an ink outline and a soft shadow: the caption of every button and
//                 the loading screen's "Click Text".
//   LargeWhite    Large bold white figures with an ink outline: the numbers of the HUD (level, score,
//                 time), both gold counters, the values of the level-complete table, the status texts
//                 "No More Moves" and "Time Up", and the relaxed-mode label in the timer area.
//   GUIFont       The reading face, white with a thin dark edge so that any colour can tint it: dialog and
//                 story texts, tip bodies, the name entry, the list of players, the options labels, the
//                 instructions, the welcome greeting and the credits.
//   GUIFontSmall  The reading face small, white with a dark edge: the HUD's labels ("Level", "Score",
//                 "Gold"), shop descriptions and prices, the goal tip on the arrows, the map's check-box
//                 label and the debug display.
//   Embossed      Raised brass letters lit from the upper left: the row labels of the level-complete
//                 table and the words set on panels ("Level" on the map, "Gold" on the gold panels).
//
// Every font has the characters 32-126 and 160-255 and the typographic quotes, dashes, ellipsis and euro
// sign; the top of its capital A is the top of its line (so DrawOffsetY stays 0) and "ABCXYZ" measures its
// line gap, with the capitals centred in it.
struct TGameFonts {
    std::shared_ptr<TBitmapFont> BigText, Button, LargeWhite, GUIFont, GUIFontSmall, DialogHeader, Embossed;
};
extern TGameFonts GameFonts;

// The file names (without extension) in the font folder, in the order the game loads them.
inline constexpr std::array<const char*, 7> kGameFontNames = {
    "BigText", "Button", "LargeWhite", "GUIFont", "GUIFontSmall", "DialogHeader", "Embossed"};

class TLoadList;

// Sets the font switches as the game has them (fonts precached, line heights measured accurately),
// loads the seven fonts from the game's font folder (a missing or damaged one is fatal), one item each,
// and gives the debug display its font.
void ListGameFonts(TLoadList& list);
// The same at once.
int LoadGameFonts();
// Drops the fonts (and the debug display's font with them).
void KillGameFonts();
