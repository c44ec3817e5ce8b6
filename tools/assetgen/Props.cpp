// The props that burn: flames, the jack-o'-lantern, lantern, candle and torch.
#include "tools/assetgen/Props.h"

#include <cmath>
#include <numbers>

#include "tools/assetgen/PropsKit.h"
#include "tools/assetgen/Random.h"
#include "tools/assetgen/Shading.h"

namespace assetgen {

using namespace propkit;

namespace {

void FlamePath(cairo_t* cr, Point base, double h, double lean) {
    const double w = h * 0.44;
    const Point tip{base.x + lean * h, base.y - h};
    cairo_move_to(cr, tip.x, tip.y);
    cairo_curve_to(cr, tip.x + w * 0.15, tip.y + h * 0.35, base.x + w * 0.62, base.y - h * 0.45,
                   base.x + w * 0.5, base.y - w * 0.42);
    cairo_curve_to(cr, base.x + w * 0.42, base.y - w * 0.05, base.x + w * 0.2, base.y, base.x, base.y);
    cairo_curve_to(cr, base.x - w * 0.2, base.y, base.x - w * 0.42, base.y - w * 0.05, base.x - w * 0.5,
                   base.y - w * 0.42);
    cairo_curve_to(cr, base.x - w * 0.62, base.y - h * 0.45, tip.x - w * 0.25, tip.y + h * 0.3, tip.x, tip.y);
    cairo_close_path(cr);
}

// --- the pumpkin -------------------------------------------------------------------------------------

struct Lobe {
    double cx, rx;
};
// Back to front: the outer lobes first, the middle one last.
constexpr Lobe kLobes[] = {{18.5, 13}, {45.5, 13}, {25, 13}, {39, 13}, {32, 11.5}};
constexpr double kBodyY = 38, kBodyRy = 20;

void LobePath(cairo_t* cr, const Lobe& lobe, double grow = 0) {
    cairo_save(cr);
    cairo_translate(cr, lobe.cx, kBodyY);
    cairo_scale(cr, lobe.rx + grow, kBodyRy + grow - std::abs(lobe.cx - 32) * 0.12);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
}

void PumpkinBody(cairo_t* cr, double grow) {
    for (const Lobe& lobe : kLobes) LobePath(cr, lobe, grow);
}

void PumpkinStem(cairo_t* cr) {
    cairo_move_to(cr, 29, 21);
    cairo_curve_to(cr, 29, 15, 31, 10, 36, 6.5);
    cairo_curve_to(cr, 37.5, 7.5, 38.5, 9, 38.5, 10);
    cairo_curve_to(cr, 35, 12.5, 34.5, 16, 35, 21);
    cairo_close_path(cr);
}

void PumpkinFace(cairo_t* cr) {
    // Eyes: triangles leaning in, a small nose, a grin with two teeth.
    Polygon(cr, {{17.5, 38}, {24, 27.5}, {29, 38}});
    Polygon(cr, {{46.5, 38}, {40, 27.5}, {35, 38}});
    Polygon(cr, {{32, 38}, {34.8, 42.5}, {29.2, 42.5}});
    cairo_move_to(cr, 16.5, 43.5);
    cairo_curve_to(cr, 22, 46, 42, 46, 47.5, 43.5);
    cairo_curve_to(cr, 45, 51, 40, 54.5, 32, 54.5);
    cairo_curve_to(cr, 24, 54.5, 19, 51, 16.5, 43.5);
    cairo_close_path(cr);
}

}  // namespace

void Flame(Canvas& canvas, Point base, double height, const Fire& fire, double lean) {
    cairo_t* cr = canvas.Cr();
    const auto outer = [&](cairo_t* c) { FlamePath(c, base, height, lean); };
    SoftGlow(canvas, outer, height * 0.22, fire.halo.WithAlpha(0.75));
    outer(cr);
    SetSource(cr, FireLight({base.x + lean * height * 0.3, base.y - height * 0.3}, height * 0.75, fire));
    cairo_fill(cr);
    const Point inner{base.x, base.y - height * 0.04};
    FlamePath(cr, inner, height * 0.55, lean * 0.8);
    SetSource(cr, fire.core);
    cairo_fill(cr);
}

void Pumpkin(Canvas& canvas, const Fire& fire) {
    cairo_t* cr = canvas.Cr();
    // Candlelight spilling round the pumpkin, then a dark outline that keeps the silhouette crisp.
    SoftGlow(
        canvas, [](cairo_t* c) { PumpkinBody(c, 1); }, 1.8, fire.flame.WithAlpha(0.75));
    PumpkinBody(cr, 1.6);
    SetSource(cr, pal::Ink);
    cairo_fill(cr);
    PumpkinStem(cr);
    Outline(cr, 3.2, pal::Ink);
    cairo_new_path(cr);

    for (const Lobe& lobe : kLobes) {
        LobePath(cr, lobe);
        // The moon lights each lobe's upper left; the far side falls into ember shade.
        SetSource(
            cr, RadialGradient(lobe.cx - lobe.rx * 0.35, kBodyY - 9, 0, lobe.rx * 1.9,
                               {{0, kPumpkinSkin.light}, {0.45, kPumpkinSkin.mid}, {1, kPumpkinSkin.dark}}));
        cairo_fill_preserve(cr);
        Outline(cr, 0.8, Mix(pal::Ember, pal::Pumpkin, 0.25));
        cairo_new_path(cr);
    }

    // Lantern light from below right warms the body's far edge; the stem shades the top.
    RimLight(
        canvas, [](cairo_t* c) { PumpkinBody(c, 0); }, -light::kMoonX, -light::kMoonY, 1.6,
        light::kRim.WithAlpha(0.6));
    DropShadow(canvas, PumpkinStem, 1.5, 1, pal::Ink.WithAlpha(0.55));
    PumpkinStem(cr);
    SetSource(cr, LinearGradient(
                      29, 0, 38, 0,
                      {{0, Mix(pal::Moss, pal::CandleGold, 0.35)}, {1, Mix(pal::Moss, pal::Ink, 0.45)}}));
    cairo_fill(cr);

    // The carved face: a dark cut edge on top, then the candle's light filling the openings, brightest
    // at their heart.
    PumpkinFace(cr);
    SetSource(cr, Mix(pal::Ember, pal::Ink, 0.6));
    cairo_fill(cr);
    cairo_save(cr);
    PumpkinFace(cr);
    cairo_clip(cr);
    cairo_translate(cr, 0.4, 1.5);
    PumpkinFace(cr);
    SetSource(cr, RadialGradient(32, 42, 0, 22,
                                 {{0, Mix(fire.core, fire.flame, 0.2)},
                                  {0.5, Mix(fire.core, fire.flame, 0.6)},
                                  {1, Mix(fire.flame, fire.halo, 0.5)}}));
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_rectangle(cr, 25, 45, 4, 3.5);
    cairo_rectangle(cr, 35, 45, 4, 3.5);
    SetSource(cr, pal::Pumpkin);
    cairo_fill(cr);

    // A glint of moonlight on the upper-left lobe gives the skin its gloss.
    Ellipse(cr, 16.5, 28, 2.2, 5, -0.5);
    SetSource(cr, pal::Moonlight.WithAlpha(0.55));
    cairo_fill(cr);
}

void Lantern(Canvas& canvas, const Fire& fire) {
    cairo_t* cr = canvas.Cr();
    const auto glass = [](cairo_t* c) { cairo_rectangle(c, 19, 22, 26, 25); };
    SoftGlow(canvas, glass, 7, fire.halo.WithAlpha(0.8));

    // The carrying ring.
    cairo_new_sub_path(cr);
    cairo_arc(cr, 32, 9.5, 5, 0, 2 * kPi);
    cairo_set_line_width(cr, 4.6);
    SetSource(cr, pal::Ink);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 2.2);
    SetSource(cr, LinearGradient(27, 4, 37, 15, {{0, kIron.light}, {1, kIron.dark}}));
    cairo_stroke(cr);

    // The glass, full of the flame's light, with the candle stub and flame inside.
    glass(cr);
    SetSource(cr, FireLight({32, 36}, 20, fire));
    cairo_fill(cr);
    cairo_rectangle(cr, 29.5, 40, 5, 7);
    SetSource(cr, LinearGradient(29.5, 0, 34.5, 0, {{0, kWax.light}, {1, kWax.dark}}));
    cairo_fill(cr);
    Flame(canvas, {32, 40.5}, 12, fire);
    // Panes catch the moon on their left.
    cairo_rectangle(cr, 21.5, 24, 3, 21);
    SetSource(cr, LinearGradient(0, 24, 0, 45,
                                 {{0, pal::Moonlight.WithAlpha(0.55)}, {1, pal::Moonlight.WithAlpha(0.05)}}));
    cairo_fill(cr);

    // The iron frame: posts, bars and bands.
    const auto frame = [](cairo_t* c) {
        cairo_rectangle(c, 17.5, 21, 4, 27);
        cairo_rectangle(c, 42.5, 21, 4, 27);
        cairo_rectangle(c, 30.8, 22, 2.4, 25);
        cairo_rectangle(c, 19, 33.5, 26, 2);
    };
    Part(canvas, frame, kIron, 0.3, 0.3);
    const auto cap = [](cairo_t* c) { RoundedPolygon(c, {{16, 23}, {48, 23}, {40, 12}, {24, 12}}, 1.5); };
    Part(canvas, cap, kIron, 0.5, 0.5);
    const auto base = [](cairo_t* c) { RoundedPolygon(c, {{15, 46}, {49, 46}, {44, 55}, {20, 55}}, 1.5); };
    Part(canvas, base, kIron, 0.4, 0.6);
    // The flame lights the inside of the cap from below.
    cairo_rectangle(cr, 22, 19.5, 20, 3);
    SetSource(cr, fire.flame.WithAlpha(0.45));
    cairo_fill(cr);
}

void Candle(Canvas& canvas, const Fire& fire) {
    cairo_t* cr = canvas.Cr();
    // The brass dish with its finger ring.
    const auto ring = [](cairo_t* c) {
        cairo_new_sub_path(c);
        cairo_arc(c, 52, 49, 5.5, 0, 2 * kPi);
        cairo_new_sub_path(c);
        cairo_arc_negative(c, 52, 49, 2.8, 2 * kPi, 0);
    };
    Part(canvas, ring, kBrass, 0.3);
    const auto dish = [](cairo_t* c) {
        cairo_move_to(c, 12, 50);
        cairo_curve_to(c, 12, 58, 52, 58, 52, 50);
        cairo_curve_to(c, 52, 46, 12, 46, 12, 50);
        cairo_close_path(c);
    };
    Part(canvas, dish, kBrass, 0.6);
    Ellipse(cr, 32, 49.5, 16, 3.2);
    SetSource(cr, Mix(kBrass.dark, kBrass.mid, 0.4));
    cairo_fill(cr);

    // The wax, with runs of melted wax down its sides.
    const auto wax = [](cairo_t* c) {
        cairo_move_to(c, 24.5, 24);
        cairo_curve_to(c, 28, 22, 36, 22, 39.5, 24);
        cairo_line_to(c, 39.5, 31);
        cairo_curve_to(c, 41.5, 33, 41.5, 37, 39.5, 38);
        cairo_line_to(c, 39.5, 50.5);
        cairo_curve_to(c, 36, 52, 28, 52, 24.5, 50.5);
        cairo_line_to(c, 24.5, 35);
        cairo_curve_to(c, 22.5, 33, 22.5, 29, 24.5, 28);
        cairo_close_path(c);
    };
    Part(canvas, wax, kWax, 0.45, 0.3);
    // The flame warms the top of the wax.
    cairo_save(cr);
    wax(cr);
    cairo_clip(cr);
    SetSource(cr,
              RadialGradient(32, 22, 0, 12, {{0, fire.flame.WithAlpha(0.7)}, {1, fire.flame.WithAlpha(0)}}));
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_move_to(cr, 32, 23.5);
    cairo_line_to(cr, 32.4, 19.5);
    cairo_set_line_width(cr, 1.4);
    SetSource(cr, pal::Ink);
    cairo_stroke(cr);
    Flame(canvas, {32.3, 21}, 15, fire, 0.05);
}

void Torch(Canvas& canvas, const Fire& fire) {
    cairo_t* cr = canvas.Cr();
    // The stick, drawn upright and turned to slant at 40 degrees.
    const double angle = 0.7;
    const Point pivot{28, 44};
    const auto turned = [&](cairo_t* c, const PathFn& path) {
        cairo_save(c);
        cairo_translate(c, pivot.x, pivot.y);
        cairo_rotate(c, angle);
        path(c);
        cairo_restore(c);
    };
    const auto stick = [&](cairo_t* c) {
        turned(c, [](cairo_t* d) {
            RoundedPolygon(d, {{-2.2, -12}, {2.2, -12}, {3.2, 18}, {-3.2, 18}}, 1.5);
        });
    };
    Part(canvas, stick, kWood, 0.3);
    const auto head = [&](cairo_t* c) {
        turned(c, [](cairo_t* d) { RoundedRect(d, -5.5, -23, 11, 12.5, 3); });
    };
    Part(canvas, head, Tones{Hex(0x8a6a50), Hex(0x4a3426), Hex(0x1a100a)}, 0.2, 0.6);
    // Bands of pitch-soaked cloth round the head.
    cairo_save(cr);
    cairo_translate(cr, pivot.x, pivot.y);
    cairo_rotate(cr, angle);
    cairo_set_line_width(cr, 1.1);
    SetSource(cr, pal::Ink.WithAlpha(0.6));
    for (double y : {-19.0, -15.5}) {
        cairo_move_to(cr, -5.5, y + 1.2);
        cairo_line_to(cr, 5.5, y - 1.2);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    // The flame rises upright from the head, whatever the stick's slant.
    const Point top{pivot.x + 21 * std::sin(angle), pivot.y - 21 * std::cos(angle)};
    Flame(canvas, {top.x + 1, top.y + 2}, 21, fire, 0.12);
}

}  // namespace assetgen
