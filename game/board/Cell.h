#pragma once

#include <array>
#include <memory>

#include "platform/PixelMap.h"

namespace platform {
class Graphics;
}
class TGem;
class TGameImage;
class TParticle;

// One square of the board: part of the playing field or a hole, with its armour, what the level file
// asks of the gem first placed there, and the gem standing in it.
class TCell {
public:
    // The codes of the decorative border pieces a level file may list.
    static constexpr int EXTRA_LONG_BOTTOM = 12, EXTRA_LONG_LEFT = 13, EXTRA_LONG_RIGHT = 14,
                         EXTRA_LONG_TOP = 15, EXTRA_BOTTOM_LEFT = 16, EXTRA_BOTTOM_RIGHT = 17,
                         EXTRA_TOP_LEFT = 18, EXTRA_TOP_RIGHT = 19, EXTRA_LEFT_BOTTOM = 20,
                         EXTRA_LEFT_TOP = 21, EXTRA_RIGHT_BOTTOM = 22, EXTRA_RIGHT_TOP = 23;

    int active = 0;   // 0: a hole, where nothing is drawn and no gem stands or passes
    int armour1 = 0;  // the gold tile
    int armour2 = 0;  // a second layer over the first
    int GemRock = 0;  // rock strength for the gem first placed here
    int createBonus = 0;
    int DrawLeft = 0, DrawTop = 0, DrawRight = 0, DrawBottom = 0;  // a straight frame piece on that side
    int DrawCorner = 0, DrawTL = 0, DrawTR = 0, DrawBR = 0, DrawBL = 0;
    int fixedGem = 0;  // the type the first fill places here; 0 for a random one
    std::shared_ptr<TGem> Gem;
    int gemlocked = 0;  // the gem first placed here starts in chains
    float glow = 0;     // flash over the tile, 0..1
    int match = 0;      // the matcher's scratch mark
    std::shared_ptr<TParticle> particle;
    float sx = 0, sy = 0;  // screen position of the top-left corner
    int x = 0, y = 0;

    static std::shared_ptr<TCell> Create(int x, int y);
    // The tile, then the lights over it.
    int Draw(float yOffset);
    // The tile alone: what changes only when its armour breaks.
    int DrawTile(float yOffset);
    // What changes from frame to frame over the tile: the flash of a shimmer and a bonus item's glow.
    int DrawLights(float yOffset);
    // The tile and frame pictures, taken once while the game loads.
    static int Load();
    int SetCoords(int x, int y);

private:
    // The picture of the tile by its armour.
    const std::shared_ptr<TGameImage>& Tile() const;
    // On the game screen, a bonus item's cell is marked by a pulsing highlight under the item.
    void DrawBonusHighlight(platform::Graphics& graphics) const;
};

// The pictures of the board's frame by piece type, and the tiles, as TCell::Load took them.
struct TBoardImages {
    std::array<std::shared_ptr<TGameImage>, 24> Borders;
    std::shared_ptr<TGameImage> IceTile, SnowTile, EmptyTile;
    // A cell-sized picture read for its pixels only: while diagonal moves last, a drag takes the gem to a
    // cell only where the mouse lies on a pixel that is not 0.
    platform::PixelMap DiagonalMask;
};
extern TBoardImages BoardImages;

// The image bank names of the frame pieces, by type.
extern const std::array<const char*, 24> BorderImageNames;
