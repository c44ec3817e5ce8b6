// What the board draws over its cells: the selection cursor, the glows under bonus and magic gems, and
// the mask that tells a diagonal drag from one passing a corner.
#include <cmath>
#include <numbers>

#include "tools/assetgen/Pictures.h"
#include "tools/assetgen/Shading.h"
#include "tools/assetgen/Shapes.h"
#include "tools/assetgen/StyleKit.h"
#include "tools/assetgen/groups/board/parts.h"

namespace assetgen::board {
namespace {

namespace pal = palette;
constexpr double kPi = std::numbers::pi;

}  // namespace

// The selection: four gilt corner brackets just outside the cell with a warm glow, drawn again as
// light by the board so it pulses.
platform::PixelMap Cursor() {
    constexpr int kSize = 82;
    Canvas canvas(kSize, kSize);
    cairo_t* cr = canvas.Cr();
    const double a = 5, b = kSize - 5, arm = 21, t = 4.5;
    const auto brackets = [&](cairo_t* c) {
        for (int i = 0; i < 4; ++i) {
            const double sx = i % 2 ? -1 : 1, sy = i / 2 ? -1 : 1;
            const double x = i % 2 ? b : a, y = i / 2 ? b : a;
            const auto p = [&](double u, double v) { return Point{x + sx * u, y + sy * v}; };
            RoundedPolygon(c,
                           {p(-t / 2, -t / 2), p(arm, -t / 2), p(arm, t / 2), p(t / 2, t / 2), p(t / 2, arm),
                            p(-t / 2, arm)},
                           1.5);
        }
    };
    SoftGlow(canvas, brackets, 3, pal::LanternAmber.WithAlpha(0.9));
    // A thin ring of light round the whole cell joins the brackets.
    RoundedRect(cr, 6.5, 6.5, kSize - 13, kSize - 13, 8);
    cairo_set_line_width(cr, 1.4);
    SetSource(cr, pal::CandleGold.WithAlpha(0.55));
    cairo_stroke(cr);
    brackets(cr);
    Outline(cr, 1.6, pal::Ink);
    SetSource(
        cr, LinearGradient(0, 0, kSize, kSize, {{0, kGilt.light}, {0.5, kGilt.mid}, {1, pal::LanternAmber}}));
    cairo_fill(cr);
    for (int i = 0; i < 4; ++i) Glint(cr, {i % 2 ? b : a, i / 2 ? b : a}, 6, pal::Moonlight);
    return canvas.ToPixelMap();
}

// Warm light pooled under a bonus item.
platform::PixelMap BonusHighlight() {
    constexpr int kSize = 80;
    Canvas canvas(kSize, kSize);
    cairo_t* cr = canvas.Cr();
    const double c = kSize / 2.0;
    cairo_save(cr);
    cairo_translate(cr, c, c);
    for (int i = 0; i < 12; ++i) {
        cairo_rotate(cr, kPi / 6);
        cairo_move_to(cr, 0, 0);
        cairo_line_to(cr, -2.5, -c + 4);
        cairo_line_to(cr, 2.5, -c + 4);
        cairo_close_path(cr);
    }
    cairo_restore(cr);
    SetSource(cr,
              RadialGradient(c, c, 8, c - 4,
                             {{0, pal::CandleGold.WithAlpha(0.35)}, {1, pal::LanternAmber.WithAlpha(0)}}));
    cairo_fill(cr);
    cairo_arc(cr, c, c, c, 0, 2 * kPi);
    SetSource(cr, RadialGradient(c, c, 0, c,
                                 {{0, pal::CandleGold.WithAlpha(0.75)},
                                  {0.4, pal::LanternAmber.WithAlpha(0.38)},
                                  {1, pal::LanternAmber.WithAlpha(0)}}));
    cairo_fill(cr);
    return canvas.ToPixelMap();
}

// A star of violet light that the board turns and scales under a magic gem, added to what is below: it
// has to be strong to show through the gem's glow on a gold tile.
platform::PixelMap MagicHighlight() {
    constexpr int kSize = 64;
    Canvas canvas(kSize, kSize);
    cairo_t* cr = canvas.Cr();
    const double c = kSize / 2.0;
    cairo_arc(cr, c, c, c - 2, 0, 2 * kPi);
    SetSource(cr, RadialGradient(c, c, 0, c - 2,
                                 {{0, pal::Heather.WithAlpha(0.9)},
                                  {0.55, pal::Violet.WithAlpha(0.55)},
                                  {1, pal::Violet.WithAlpha(0)}}));
    cairo_fill(cr);
    for (int i = 0; i < 8; ++i) {
        const double length = i % 2 ? c * 0.62 : c - 2, width = i % 2 ? 3.5 : 5;
        cairo_save(cr);
        cairo_translate(cr, c, c);
        cairo_rotate(cr, i * kPi / 4);
        cairo_move_to(cr, 0, -length);
        cairo_curve_to(cr, width * 0.4, -length * 0.5, width, -width, 0, 0);
        cairo_curve_to(cr, -width, -width, -width * 0.4, -length * 0.5, 0, -length);
        cairo_restore(cr);
    }
    SetSource(cr,
              RadialGradient(c, c, 0, c - 2,
                             {{0, pal::Moonlight}, {0.45, Hex(0xe0c8ff)}, {1, pal::Heather.WithAlpha(0)}}));
    cairo_fill(cr);
    return canvas.ToPixelMap();
}

// Read as pixels by the board (any pixel not 0 accepts a diagonal drag): the middle of the cell, so that
// a drag passing a corner on its way elsewhere is not taken for a diagonal move.
platform::PixelMap DiagonalMask() {
    Canvas canvas(kCell, kCell);
    cairo_t* cr = canvas.Cr();
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_arc(cr, kCell / 2.0, kCell / 2.0, 24, 0, 2 * kPi);
    SetSource(cr, pal::Moonlight);
    cairo_fill(cr);
    return canvas.ToPixelMap();
}

}  // namespace assetgen::board
