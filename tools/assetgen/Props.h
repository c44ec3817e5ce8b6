#pragma once

#include "tools/assetgen/Shapes.h"
#include "tools/assetgen/StyleKit.h"

// The village's things drawn in more than one picture (a board item and its goal icon, a bomb and the
// scenery it stands in), so that they stay the same thing wherever they appear. Unless said otherwise a
// prop is drawn on a 64-unit square grid through the canvas's current transform: scale and move the
// context to place it.
namespace assetgen {

// The light inside a prop: the everyday warm flame, or the cold spirit fire of the enchanted versions.
struct Fire {
    Colour core, flame, halo;
};
namespace fire {
inline constexpr Fire kWarm{Hex(0xfffbe6), Hex(0xf6b03c), Hex(0xe8661c)};
inline constexpr Fire kSpirit{Hex(0xf4f6ff), Hex(0x8fb8ff), Hex(0x9a5cf0)};
}  // namespace fire

// A flame standing on base, height tall, leaning by lean (a share of its height) to the right.
void Flame(Canvas& canvas, Point base, double height, const Fire& fire, double lean = 0);

// A carved jack-o'-lantern lit from inside.
void Pumpkin(Canvas& canvas, const Fire& fire);
// An iron lantern with glass panes and a candle inside.
void Lantern(Canvas& canvas, const Fire& fire);
// A tall wax candle on a brass dish.
void Candle(Canvas& canvas, const Fire& fire);
// A headstone with a carved cross; with glowing set, the carving shines with the fire.
void Gravestone(Canvas& canvas, const Fire* glowing);
// A torch held slanting from the lower left to the upper right.
void Torch(Canvas& canvas, const Fire& fire);
// A stone well with a little roof; with glowing set, light rises from its water.
void Well(Canvas& canvas, const Fire* glowing);
// A bulb of garlic.
void Garlic(Canvas& canvas);
// A sack of coins tied with cord.
void MoneyBag(Canvas& canvas);
// A gold coin seen turned by angle (radians, 0 face on) about its upright axis, radius units across.
void Coin(Canvas& canvas, Point centre, double radius, double angle);

// The gold skull the player brings down the board, about 50 units tall, centred on at.
void GoldSkull(Canvas& canvas, Point at);

}  // namespace assetgen
