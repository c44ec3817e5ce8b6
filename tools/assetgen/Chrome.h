#pragma once

#include "tools/assetgen/Shading.h"
#include "tools/assetgen/Shapes.h"
#include "tools/assetgen/StyleKit.h"

// The game's furniture: dialog boards, the HUD panel, tip boxes, buttons and bars share one make, night
// enamel in a gilt rim, with dark recesses where text and counters sit.
namespace assetgen::chrome {

inline const Tones kGilt{Hex(0xfff1b8), Hex(0xd9a23c), Hex(0x5a3206)};
inline const Tones kEnamel{Hex(0x3a3f7a), Hex(0x1c2150), Hex(0x0a0c24)};

// A board of night enamel filling shape: a soft shadow under it, a fine grain, a gilt rim rim pixels wide
// (0 for none) and a bevel. glow tints the enamel (a hovered button is warmer).
struct PanelStyle {
    double rim = 4;
    double shadow = 6;  // shadow distance; 0 for none
    Tones enamel = kEnamel;
    Colour glow = {0, 0, 0, 0};
};
void Panel(Canvas& canvas, const PathFn& shape, const PanelStyle& style = {});

// A sunken well in a panel for text or counters: darker, shadowed from its upper rim, edged with a gilt
// hairline.
void Recess(Canvas& canvas, const PathFn& shape);

// A gilt stud, and a gilt four-pointed star with its glint, for corners and dividers.
void Stud(Canvas& canvas, Point at, double radius);
void Star(Canvas& canvas, Point at, double radius);
// A gilt scroll growing from a corner of a panel, turned to the corner: quadrant 0 top-left, 1 top-right,
// 2 bottom-right, 3 bottom-left.
void CornerScroll(Canvas& canvas, Point corner, int quadrant, double size);
// A fine gilt rule from a to b that fades out at both ends, with a star in its middle.
void Rule(Canvas& canvas, Point a, Point b);

// The check boxes of the map and the options screen: a small gilt-rimmed well, lit up under the mouse,
// and the tick drawn over it in lantern gold, overhanging it a little. Both are kCheckSize square.
inline constexpr int kCheckSize = 36;
void CheckBox(Canvas& canvas, bool hover);
void CheckMark(Canvas& canvas);
platform::PixelMap CheckBoxPicture(bool hover);
platform::PixelMap CheckMarkPicture();

}  // namespace assetgen::chrome
