// The parts of the board group (groups/board.cpp), each a job of its own: the frame's moulding, the
// ornaments a level hangs on it, the cell tiles, and the lights and masks the board draws over the cells.
#pragma once

#include <functional>
#include <vector>

#include "platform/PixelMap.h"
#include "tools/assetgen/Shading.h"

namespace assetgen::board {

inline constexpr int kCell = 66;
inline constexpr int kThick = 10;  // the frame's width, outside the cells

// The frame's two materials, which the ornaments and the cursor take up.
extern const Tones kIron;
extern const Tones kGilt;

// A picture of the board's folder by its name.
struct NamedPicture {
    const char* name;
    std::function<platform::PixelMap()> draw;
};

// frame.cpp: the straight pieces and the outer and inner corners.
std::vector<NamedPicture> FramePieces();
// ornaments.cpp: the decorations a level file may hang on the frame.
std::vector<NamedPicture> FrameOrnaments();
// tiles.cpp: the plain cell, the gold armour tile and the frosted silver layer over it.
platform::PixelMap EmptyTile();
platform::PixelMap GoldTile();
platform::PixelMap SilverTile();
// lights.cpp: the selection cursor, the glows under bonus and magic gems, the diagonal-drag mask.
platform::PixelMap Cursor();
platform::PixelMap BonusHighlight();
platform::PixelMap MagicHighlight();
platform::PixelMap DiagonalMask();

}  // namespace assetgen::board
