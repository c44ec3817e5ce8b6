#pragma once

#include <functional>
#include <vector>

#include "tools/assetgen/Props.h"
#include "tools/assetgen/Shading.h"
#include "tools/assetgen/Shapes.h"
#include "tools/assetgen/StyleKit.h"

// The things of the player's churchyard, drawn in the shop's scene and again in the story pictures that
// tell where they were found. Each draws itself to fill the canvas it is given, standing on the canvas's
// bottom edge, unless said otherwise.
namespace assetgen::churchyard {

inline const Tones kStone{Hex(0xb4b6c8), Hex(0x5e6078), Hex(0x1e2034)};
inline const Tones kWood{Hex(0x9a7656), Hex(0x4e3424), Hex(0x1a0f0a)};
inline const Tones kIron{Hex(0x8a8ea8), Hex(0x34384e), Hex(0x0c0d18)};
inline const Tones kBrass{Hex(0xfff1b8), Hex(0xc08a30), Hex(0x4a2806)};

// A 64-unit prop of the kit drawn size pixels wide with its top-left at (x, y).
void Prop(Canvas& canvas, double x, double y, double size, const std::function<void(Canvas&)>& draw);
// The soft dark a thing standing on the ground casts under itself.
void FootShadow(Canvas& canvas, double cx, double ground, double rx);
// A standing candelabra of brass with three candles.
void Candelabra(Canvas& c, const Fire& fire, double scale);
// A black cat sitting, its tail curled round, eyes glowing: about 64 x 70 times s, top-left at (ox, oy).
void Cat(Canvas& c, double ox, double oy, double s, const Fire& eyes);
// A string of little lit pumpkins hanging from two posts.
void PumpkinLights(Canvas& c, int count, const Fire& fire);
// A spider's web strung in a corner of branches; the bigger one has its spider.
void Web(Canvas& c, bool spider);
// A coffin lying on the grass, its lid slid aside; stage 2 adds iron bands, stage 3 a glowing cross and
// candles.
void Coffin(Canvas& c, int stage);
// A witch's broom in flight, bristles trailing; later stages fly with sparks, then with a ghostly rider's
// glow.
void Broom(Canvas& c, int stage);
// A hanging iron cage with a crystal ball, on a chain from the top of the picture.
void Cage(Canvas& c, int stage);
// A gnarled dead tree; later stages carry a lightning rod and then the storm's blue fire in the crown.
void LightningTree(Canvas& c, int stage);
// A tapered limb through the points, width w0 at the first and w1 at the last, as one polygon wound like
// cairo's circles, so that limbs filled together never cut holes where they cross.
void Bough(cairo_t* cr, const std::vector<Point>& points, double w0, double w1);
// The tree that leans over the scene from the right: its trunk rises behind the cauldron, a bough reaches
// left to the cat's perch (y 114 at the picture's left edge) and another right, where the cages hang.
void MidRightTree(Canvas& c);
// The cauldron bubbling on its fire, a column of green steam rising from it.
void Cauldron(Canvas& c);
// Tarnfield: the ghosts' pavilion on the far hill, its windows lit with spirit fire.
void Tarnfield(Canvas& c);
// A grave freshly made up like a bed: a stone pillow, a quilt of flowers and a tarot card on it.
void Gravebed(Canvas& c);
// The cross-topped headstones: a plain one, then a taller one with the carving aglow.
void CrossStone(Canvas& c, bool grand);
// A round-topped headstone: plain, then grown with moss, then pale marble with a glint of spirit light.
void CurvedStone(Canvas& c, int stage);
// A well: the kit's well, bigger, with its winding post; the second stage's water shines.
void BigWell(Canvas& c, bool glowing);
// A lantern on an iron crook post.
void LanternPost(Canvas& c, const Fire& fire);
// A torch thrust into the ground, flaring.
void GroundTorch(Canvas& c, const Fire& fire);
// A doorway standing on base, half its width either side, height tall to the top of its arch, filled
// with light that runs from top at the arch to bottom at the sill.
void LitDoorway(cairo_t* cr, Point base, double halfWidth, double height, Colour top, Colour bottom);
// The crypt on Crypt Hill, width wide and standing on base: a stone house with a pitched roof and a cross,
// its arched door ajar and golden light spilling down the ground before it.
void Crypt(Canvas& canvas, Point base, double width, Colour stone, Colour rim);

}  // namespace assetgen::churchyard
