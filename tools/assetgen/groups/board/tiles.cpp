// The cell tiles: the plain cell of night glass, and the armour plates over it, the gold tile and the
// frosted silver layer, each an engraved relief lit pixel by pixel.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/assetgen/Noise.h"
#include "tools/assetgen/Pictures.h"
#include "tools/assetgen/Shading.h"
#include "tools/assetgen/Shapes.h"
#include "tools/assetgen/StyleKit.h"
#include "tools/assetgen/groups/board/parts.h"

namespace assetgen::board {
namespace {

namespace pal = palette;
constexpr double kPi = std::numbers::pi;

// An old, darkened gold, so that the gold things standing on it (skulls, coins) still stand out.
const Tones kGoldTile{Hex(0xf0cc80), Hex(0x94681f), Hex(0x2c1a04)};
const Tones kSilverTile{Hex(0xf2f7ff), Hex(0x93a3c0), Hex(0x2a3350)};

// An armour plate: a bevelled square with an ornament engraved in it, lit pixel by pixel.
platform::PixelMap ArmourTile(const Tones& tones, const HeightFn& engraving, Colour sheen) {
    Canvas canvas(kCell, kCell);
    cairo_t* cr = canvas.Cr();
    const HeightFn height = [&](double x, double y) {
        const double edge = std::min({x, y, kCell - x, kCell - y});
        const double bevel = std::min(edge, 5.0) * 0.9;
        return bevel + (edge > 7 ? engraving(x, y) : 0);
    };
    cairo_rectangle(cr, 0, 0, kCell, kCell);
    const Pattern relief = Relief(kCell, kCell, height, tones, 0.9);
    SetSource(cr, relief);
    cairo_fill(cr);
    cairo_rectangle(cr, 0, 0, kCell, kCell);
    SetSource(cr, RadialGradient(kCell * 0.3, kCell * 0.25, 0, kCell, {{0, sheen}, {1, sheen.WithAlpha(0)}}));
    cairo_fill(cr);
    cairo_rectangle(cr, 0.5, 0.5, kCell - 1, kCell - 1);
    cairo_set_line_width(cr, 1);
    SetSource(cr, pal::Ink.WithAlpha(0.6));
    cairo_stroke(cr);
    return canvas.ToPixelMap();
}

// Distance from the point to a circle's rim.
double Ring(double x, double y, double cx, double cy, double r) {
    return std::abs(std::hypot(x - cx, y - cy) - r);
}

// The gold tile: a crescent moon and four stars engraved in a ring.
double GoldEngraving(double x, double y) {
    const double c = kCell / 2.0;
    double groove = std::min(Ring(x, y, c, c, 22), Ring(x, y, c, c, 19.5) + 0.8);
    // The crescent: the rim of one disc where it is not inside a second, offset one.
    const double outer = Ring(x, y, c - 2, c, 11);
    const bool cut = std::hypot(x - (c + 4), y - (c - 3)) < 9;
    if (!cut) groove = std::min(groove, outer);
    if (std::hypot(x - (c - 2), y - c) < 11 && !cut) groove = std::min(groove, 0.0);
    for (int i = 0; i < 4; ++i) {
        const double a = kPi / 4 + i * kPi / 2, sx = c + 27 * std::cos(a), sy = c + 27 * std::sin(a);
        groove = std::min(groove, std::max(std::abs(x - sx) * 0.55 + std::abs(y - sy) * 0.55 - 1.6, 0.0));
    }
    return groove < 1.2 ? -(1.2 - groove) * 1.1 : 0;
}

// The silver layer: rime grown in frost ferns over the plate.
double FrostEngraving(double x, double y) {
    const CellSample cell = Cells(x / 9, y / 9, 0xf705);
    const double seam = cell.second - cell.nearest;
    const double fern = Fbm(x / 4, y / 4, 3, 0xf71) * 1.4;
    return (seam < 0.12 ? -(0.12 - seam) * 9 : 0) + fern;
}

}  // namespace

// The plain cell: dark night glass, a little lighter at the moon's corner, so neighbouring cells show a
// quiet grid and the gems stand out on it.
platform::PixelMap EmptyTile() {
    Canvas canvas(kCell, kCell);
    cairo_t* cr = canvas.Cr();
    cairo_rectangle(cr, 0, 0, kCell, kCell);
    SetSource(cr, LinearGradient(0, 0, kCell, kCell,
                                 {{0, Hex(0x2a3158).WithAlpha(0.86)}, {1, Hex(0x151a36).WithAlpha(0.9)}}));
    cairo_fill(cr);
    const auto inset = [](cairo_t* c) { RoundedRect(c, 3, 3, kCell - 6, kCell - 6, 4); };
    inset(cr);
    SetSource(cr, RadialGradient(kCell * 0.4, kCell * 0.38, 0, kCell * 0.7,
                                 {{0, Hex(0x36406e).WithAlpha(0.55)}, {1, Hex(0x1b2142).WithAlpha(0.2)}}));
    cairo_fill(cr);
    Bevel(canvas, inset, 1.2, pal::Mist.WithAlpha(0.16), pal::Ink.WithAlpha(0.35));
    cairo_rectangle(cr, 0.5, 0.5, kCell - 1, kCell - 1);
    cairo_set_line_width(cr, 1);
    SetSource(cr, pal::Ink.WithAlpha(0.45));
    cairo_stroke(cr);
    return canvas.ToPixelMap();
}

platform::PixelMap GoldTile() {
    return ArmourTile(kGoldTile, GoldEngraving, pal::CandleGold.WithAlpha(0.18));
}

platform::PixelMap SilverTile() {
    return ArmourTile(kSilverTile, FrostEngraving, pal::Moonlight.WithAlpha(0.3));
}

}  // namespace assetgen::board
