// The thirteen gem colours the player matches. Each colour has its own silhouette, so that the board can
// be played by shape alone (colour-blind players, greyscale screenshots): a heart, a hexagon, a star and so
// on. All are cut stones lit by the moon, except the moonstone, a polished cabochon.
//
// "Gems/gems.png": one row of cells, drawn mid-handled at the cell centre, laid out as the game's gem
// picture table says: the colours in type order, then the gold skull for the collect goal's "gem picture".

#include <cmath>
#include <iterator>
#include <numbers>

#include "game/board/GemPictureLayout.h"
#include "tools/assetgen/DataFolder.h"
#include "tools/assetgen/Group.h"
#include "tools/assetgen/Pictures.h"
#include "tools/assetgen/Props.h"
#include "tools/assetgen/Shading.h"
#include "tools/assetgen/Shapes.h"
#include "tools/assetgen/StyleKit.h"

namespace assetgen {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kC = 33;  // the cell's centre
const Strip kGems{
    "graphics/" + gemlayout::PathOf(gemlayout::kStrip) + ".png",
    {.cellWidth = gemlayout::kCell, .cellHeight = gemlayout::kCell, .frames = gemlayout::kStripFrames}};

// A stone: its silhouette, the ring of points its crown facets run from (the corners of a cut polygon, or
// points spaced along a curved edge), and its table.
struct Gem {
    const char* name;
    Tones tones;
    PathFn silhouette;
    std::vector<Point> girdle;  // empty for a smooth cabochon
    Point table;
    double tableSize;
};

void Heart(cairo_t* cr) {
    cairo_move_to(cr, kC, 59);
    cairo_curve_to(cr, 22, 50, 5, 38, 5, 23);
    cairo_curve_to(cr, 5, 13, 12, 7, 20, 7);
    cairo_curve_to(cr, 26, 7, 31, 11, kC, 16);
    cairo_curve_to(cr, 35, 11, 40, 7, 46, 7);
    cairo_curve_to(cr, 54, 7, 61, 13, 61, 23);
    cairo_curve_to(cr, 61, 38, 44, 50, kC, 59);
    cairo_close_path(cr);
}

const std::vector<Point> kHexagon = RegularPolygon({kC, kC}, 31, 6);
const std::vector<Point> kFivePointStar = Star({kC, 35}, 31, 15.5, 5);
const std::vector<Point> kEmeraldCut = {{22, 5},  {44, 5},  {53, 14}, {53, 52},
                                        {44, 61}, {22, 61}, {13, 52}, {13, 14}};
const std::vector<Point> kRhombus = {{kC, 3}, {56, kC}, {kC, 63}, {10, kC}};
const std::vector<Point> kTriangle = {{kC, 5}, {62, 57}, {4, 57}};
const std::vector<Point> kFourPointStar = Star({kC, kC}, 31, 12.5, 4);
const std::vector<Point> kCushion = RegularPolygon({kC, kC}, 30, 4, kPi / 4);

// A cut polygon whose corners are eased by radius.
PathFn Eased(const std::vector<Point>& corners, double radius) {
    return [&corners, radius](cairo_t* cr) { RoundedPolygon(cr, corners, radius); };
}

void Teardrop(cairo_t* cr) {
    cairo_move_to(cr, kC, 4);
    cairo_curve_to(cr, 40, 16, 55, 26, 55, 40);
    cairo_curve_to(cr, 55, 53, 45, 61, kC, 61);
    cairo_curve_to(cr, 21, 61, 11, 53, 11, 40);
    cairo_curve_to(cr, 11, 26, 26, 16, kC, 4);
    cairo_close_path(cr);
}

void Round(cairo_t* cr) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, kC, kC, 24.5, -kPi / 2, 3 * kPi / 2);
    cairo_close_path(cr);
}

void Crescent(cairo_t* cr) {
    // The outer rim of the moon, then the inner edge where the shadow cuts it, both arcs of circles.
    cairo_move_to(cr, 41, 7);
    cairo_curve_to(cr, 20, 3, 5, 18, 6, 35);
    cairo_curve_to(cr, 7, 52, 24, 64, 43, 59);
    cairo_curve_to(cr, 50, 57, 55, 53, 58, 48);
    cairo_curve_to(cr, 40, 54, 22, 44, 22, 30);
    cairo_curve_to(cr, 22, 19, 30, 10, 41, 7);
    cairo_close_path(cr);
}

void Marquise(cairo_t* cr) {
    cairo_move_to(cr, 3, kC);
    cairo_curve_to(cr, 15, 13, 51, 13, 63, kC);
    cairo_curve_to(cr, 51, 53, 15, 53, 3, kC);
    cairo_close_path(cr);
}

void Shield(cairo_t* cr) {
    cairo_move_to(cr, 9, 7);
    cairo_curve_to(cr, 20, 11, 46, 11, 57, 7);
    cairo_line_to(cr, 57, 30);
    cairo_curve_to(cr, 57, 45, 46, 55, kC, 62);
    cairo_curve_to(cr, 20, 55, 9, 45, 9, 30);
    cairo_close_path(cr);
}

const Gem kGemTable[] = {
    {"ruby", {Hex(0xff9a96), Hex(0xe0202e), Hex(0x5e0414)}, Heart, Flatten(Heart, 14), {kC, 28}, 0.5},
    {"amber",
     {Hex(0xffd592), Hex(0xf57a12), Hex(0x6e2604)},
     Eased(kHexagon, 4),
     Subdivide(kHexagon, 2),
     {kC, kC},
     0.56},
    {"citrine",
     {Hex(0xfff8c0), Hex(0xf2c91c), Hex(0x7e5000)},
     Eased(kFivePointStar, 2.5),
     kFivePointStar,
     {kC, 35},
     0.42},
    {"emerald",
     {Hex(0xb2f7a8), Hex(0x1fae48), Hex(0x053e1c)},
     Eased(kEmeraldCut, 1),
     kEmeraldCut,
     {kC, kC},
     0.6},
    {"aquamarine",
     {Hex(0xd6fcff), Hex(0x2ec9e6), Hex(0x064a64)},
     Teardrop,
     Flatten(Teardrop, 18),
     {kC, 40},
     0.5},
    {"sapphire", {Hex(0xaecbff), Hex(0x2a5ef0), Hex(0x0a1a62)}, Round, Flatten(Round, 16), {kC, kC}, 0.52},
    {"amethyst",
     {Hex(0xe6c8ff), Hex(0x9440e8), Hex(0x330c66)},
     Eased(kRhombus, 4),
     Subdivide(kRhombus, 2),
     {kC, kC},
     0.5},
    {"rose quartz",
     {Hex(0xffd8ee), Hex(0xf562a8), Hex(0x701242)},
     Eased(kTriangle, 7),
     Subdivide(kTriangle, 3),
     {kC, 40},
     0.46},
    {"moonstone", {Hex(0xffffff), Hex(0xd9e0f2), Hex(0x6c7698)}, Crescent, {}, {}, 0},
    {"peridot",
     {Hex(0xf2ffb8), Hex(0xa6e022), Hex(0x3a5404)},
     Marquise,
     Flatten(Marquise, 14),
     {kC, kC},
     0.5},
    {"tiger's eye",
     {Hex(0xf6d29a), Hex(0xaa642a), Hex(0x40200c)},
     Shield,
     Flatten(Shield, 14),
     {kC, 31},
     0.52},
    {"tourmaline",
     {Hex(0xffc6f6), Hex(0xdc2cbe), Hex(0x5c0850)},
     Eased(kFourPointStar, 2.5),
     kFourPointStar,
     {kC, kC},
     0.4},
    {"silver",
     {Hex(0xffffff), Hex(0xb0bacb), Hex(0x434c62)},
     Eased(kCushion, 5),
     Subdivide(kCushion, 2),
     {kC, kC},
     0.56},
};

// One stone a colour, in type order: the stone of colour type t is drawn in frame ColourFrame(t).
static_assert(std::size(kGemTable) == gemlayout::kColours);

// The moonstone: a milky cabochon with a blue sheen that drifts across it, as moonstones do.
void Moonstone(Canvas& canvas, const Gem& gem) {
    cairo_t* cr = canvas.Cr();
    RoundedBody(canvas, gem.silhouette, gem.tones, 0.9, 0.35);
    cairo_save(cr);
    gem.silhouette(cr);
    cairo_clip(cr);
    SetSource(cr, RadialGradient(20, 40, 2, 20,
                                 {{0, Hex(0x9fd8ff).WithAlpha(0.55)}, {1, Hex(0x9fd8ff).WithAlpha(0)}}));
    cairo_paint(cr);
    cairo_restore(cr);
    gem.silhouette(cr);
    Outline(cr, 1.5, palette::Ink.WithAlpha(0.85));
    cairo_new_path(cr);
    Glint(cr, {17, 22}, 7, palette::Moonlight);
}

void DrawGem(Canvas& canvas, int index) {
    const Gem& gem = kGemTable[index];
    DropShadow(canvas, gem.silhouette, 2.2, 1.6, palette::Ink.WithAlpha(0.55));
    if (gem.girdle.empty()) {
        Moonstone(canvas, gem);
        return;
    }
    FacetedStone(canvas,
                 {.outline = gem.girdle,
                  .silhouette = gem.silhouette,
                  .centre = gem.table,
                  .table = gem.tableSize,
                  .sparkle = static_cast<uint32_t>(0x6e30 + index)},
                 gem.tones);
}

void DrawFrame(Canvas& canvas, int frame) {
    if (frame != gemlayout::kSkullFrame) {
        DrawGem(canvas, frame);
        return;
    }
    // The skull of the collect goal, a little smaller than on the board so it sits among the gems.
    cairo_t* cr = canvas.Cr();
    cairo_translate(cr, kC, kC);
    cairo_scale(cr, 0.9, 0.9);
    cairo_translate(cr, -kC, -kC);
    GoldSkull(canvas, {kC, kC});
}

const GroupRegistration kGemsGroup({
    .name = "gems",
    .required = {kGems.path},
    .make = [](DataFolder& out) { WritePicture(out, kGems.path, DrawStrip(kGems.layout, DrawFrame)); },
    .strips = {kGems},
});

}  // namespace
}  // namespace assetgen
