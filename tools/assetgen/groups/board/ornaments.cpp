// A level may hang decorations on its frame. Sizes are free; each is placed from a cell corner by the
// board, so the shapes below are drawn to meet the frame where the board puts them.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/assetgen/Pictures.h"
#include "tools/assetgen/Props.h"
#include "tools/assetgen/Random.h"
#include "tools/assetgen/Shading.h"
#include "tools/assetgen/Shapes.h"
#include "tools/assetgen/StyleKit.h"
#include "tools/assetgen/groups/board/parts.h"

namespace assetgen::board {
namespace {

namespace pal = palette;
constexpr double kPi = std::numbers::pi;

// Iron railing spikes standing on a top piece.
platform::PixelMap Spikes(bool upwards) {
    Canvas canvas(kCell, 16);
    cairo_t* cr = canvas.Cr();
    if (!upwards) {
        cairo_translate(cr, 0, 16);
        cairo_scale(cr, 1, -1);
    }
    const auto spikes = [](cairo_t* c) {
        for (int i = 0; i < 3; ++i) {
            const double x = 11 + i * 22;
            Polygon(c,
                    {{x - 2, 16}, {x - 2, 8}, {x - 4.5, 8}, {x, 1}, {x + 4.5, 8}, {x + 2, 8}, {x + 2, 16}});
        }
        cairo_rectangle(c, 0, 13, kCell, 3);
    };
    RoundedBody(canvas, spikes, kIron, 0.3, 0.4);
    spikes(cr);
    Outline(cr, 1.2, pal::Ink.WithAlpha(0.9));
    cairo_new_path(cr);
    return canvas.ToPixelMap();
}

// Ivy along a piece of the frame: a wandering stem with leaves either side, running down a side piece or
// along under a bottom one.
platform::PixelMap Ivy(int width, int height, uint32_t seed, bool mirrored) {
    Canvas canvas(width, height);
    cairo_t* cr = canvas.Cr();
    const bool across = width > height;
    const double length = across ? width : height, breadth = across ? height : width;
    // Drawn running down a strip breadth wide, then turned to lie across when the piece is wide.
    if (across) {
        cairo_translate(cr, 0, height);
        cairo_rotate(cr, -kPi / 2);
    }
    if (mirrored) {
        cairo_translate(cr, breadth, 0);
        cairo_scale(cr, -1, 1);
    }
    Random random(seed);
    const auto along = [&](double t) { return breadth * 0.5 + std::sin(t / 9 + seed) * breadth * 0.12; };
    cairo_move_to(cr, along(0), 0);
    for (double t = 2; t <= length; t += 2) cairo_line_to(cr, along(t), t);
    cairo_set_line_width(cr, 1.5);
    SetSource(cr, Mix(pal::Moss, pal::Ink, 0.55));
    cairo_stroke(cr);
    const Tones leaf{Mix(pal::Moss, pal::CandleGold, 0.45), pal::Moss, Mix(pal::Moss, pal::Ink, 0.7)};
    int k = 0;
    for (double t = 5; t < length - 4; t += random.Range(6, 8.5), ++k) {
        const double side = k % 2 ? -1 : 1;
        const double x = along(t) + side * 2.6, s = std::min(breadth * 0.26, random.Range(3.4, 4.4));
        const double turn = side * random.Range(0.5, 1.1);
        const auto shape = [&](cairo_t* c) {
            cairo_save(c);
            cairo_translate(c, x, t);
            cairo_rotate(c, turn);
            // An ivy leaf: three points, the middle one longest.
            cairo_move_to(c, 0, s * 0.9);
            cairo_curve_to(c, -s * 1.3, s * 0.6, -s * 1.4, -s * 0.2, -s * 0.55, -s * 0.25);
            cairo_line_to(c, 0, -s * 1.3);
            cairo_line_to(c, s * 0.55, -s * 0.25);
            cairo_curve_to(c, s * 1.4, -s * 0.2, s * 1.3, s * 0.6, 0, s * 0.9);
            cairo_close_path(c);
            cairo_restore(c);
        };
        RoundedBody(canvas, shape, leaf, 0.35, 0.3);
        shape(cr);
        Outline(cr, 0.9, pal::Ink.WithAlpha(0.8));
        cairo_new_path(cr);
    }
    return canvas.ToPixelMap();
}

// A gilt scroll curling out of a corner of the frame, with a little moon in its curl.
platform::PixelMap Scroll(bool flipX, bool flipY) {
    constexpr int kSize = 44;
    Canvas canvas(kSize, kSize);
    cairo_t* cr = canvas.Cr();
    cairo_translate(cr, flipX ? kSize : 0, flipY ? kSize : 0);
    cairo_scale(cr, flipX ? -1 : 1, flipY ? -1 : 1);
    const auto scroll = [](cairo_t* c) {
        cairo_move_to(c, 4, 40);
        cairo_curve_to(c, 4, 20, 16, 6, 34, 6);
        cairo_curve_to(c, 42, 6, 42, 18, 34, 18);
        cairo_curve_to(c, 28, 18, 28, 12, 32, 11);
    };
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    scroll(cr);
    cairo_set_line_width(cr, 5.4);
    SetSource(cr, pal::Ink);
    cairo_stroke(cr);
    scroll(cr);
    cairo_set_line_width(cr, 3);
    SetSource(cr, LinearGradient(4, 6, 40, 40, {{0, kGilt.light}, {0.5, kGilt.mid}, {1, kGilt.dark}}));
    cairo_stroke(cr);
    return canvas.ToPixelMap();
}

// A black cat sitting on the top of the frame, its eyes catching the lantern light.
platform::PixelMap Cat(bool mirrored) {
    Canvas canvas(64, 52);
    cairo_t* cr = canvas.Cr();
    if (mirrored) {
        cairo_translate(cr, 64, 0);
        cairo_scale(cr, -1, 1);
    }
    const auto cat = [](cairo_t* c) {
        // Body seen from the side, sitting; head turned to us; tail curling along the frame.
        cairo_move_to(c, 18, 52);
        cairo_curve_to(c, 14, 40, 20, 28, 28, 24);
        cairo_line_to(c, 27, 14);
        cairo_line_to(c, 30, 7);
        cairo_line_to(c, 34, 12);
        cairo_curve_to(c, 37, 11, 40, 11, 42, 12);
        cairo_line_to(c, 46, 6);
        cairo_line_to(c, 48, 14);
        cairo_curve_to(c, 50, 18, 49, 23, 45, 26);
        cairo_curve_to(c, 50, 33, 50, 44, 46, 52);
        cairo_close_path(c);
        cairo_move_to(c, 18, 52);
        cairo_curve_to(c, 8, 52, 3, 48, 4, 42);
        cairo_curve_to(c, 5, 38, 9, 39, 8, 42);
        cairo_curve_to(c, 8, 46, 12, 48, 19, 48);
        cairo_close_path(c);
    };
    SoftGlow(canvas, cat, 2, pal::Violet.WithAlpha(0.6));
    cat(cr);
    SetSource(cr, pal::Ink);
    cairo_fill(cr);
    RimLight(canvas, cat, light::kMoonX, light::kMoonY, 1.2, pal::Mist.WithAlpha(0.7));
    for (double x : {33.5, 42.5}) {
        Ellipse(cr, x, 18, 2, 1.5, 0.15 * (x < 38 ? 1 : -1));
        SetSource(cr, Mix(pal::CandleGold, pal::Moss, 0.25));
        cairo_fill(cr);
        cairo_rectangle(cr, x - 0.35, 16.8, 0.7, 2.4);
        SetSource(cr, pal::Ink);
        cairo_fill(cr);
    }
    return canvas.ToPixelMap();
}

// A pumpkin resting on the frame.
platform::PixelMap FramePumpkin() {
    Canvas canvas(48, 44);
    cairo_t* cr = canvas.Cr();
    cairo_translate(cr, -3, -12 * 0.72);
    cairo_scale(cr, 0.84, 0.84);
    Pumpkin(canvas, fire::kWarm);
    return canvas.ToPixelMap();
}

}  // namespace

std::vector<NamedPicture> FrameOrnaments() {
    return {
        {"ExtraLongBottom", [] { return Ivy(kCell, 18, 0x1e0, false); }},  // under a bottom piece
        {"ExtraLongLeft", [] { return Ivy(16, kCell, 0x1e1, true); }},
        {"ExtraLongRight", [] { return Ivy(16, kCell, 0x1e2, false); }},
        {"ExtraLongTop", [] { return Spikes(true); }},
        {"ExtraBottomLeft", [] { return Scroll(false, true); }},
        {"ExtraBottomRight", [] { return Scroll(true, true); }},
        {"ExtraTopLeft", [] { return Cat(false); }},
        {"ExtraTopRight", [] { return FramePumpkin(); }},
        {"ExtraLeftBottom", [] { return Scroll(true, false); }},
        {"ExtraLeftTop", [] { return Scroll(true, true); }},
        {"ExtraRightBottom", [] { return Scroll(false, false); }},
        {"ExtraRightTop", [] { return Scroll(false, true); }},
    };
}

}  // namespace assetgen::board
