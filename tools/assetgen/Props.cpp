#include "tools/assetgen/Props.h"

#include <cmath>
#include <numbers>

#include "tools/assetgen/Random.h"
#include "tools/assetgen/Shading.h"

namespace assetgen {

namespace {

namespace pal = palette;
constexpr double kPi = std::numbers::pi;

const Tones kGold{Hex(0xfff3b8), Hex(0xe6b02e), Hex(0x6e4206)};
const Tones kBrass{Hex(0xfff0b4), Hex(0xcf9a36), Hex(0x553408)};
const Tones kIron{Hex(0x9aa4c6), Hex(0x3c4363), Hex(0x11131f)};
const Tones kStone{Hex(0xd4d1e2), Hex(0x827e98), Hex(0x2c2a3c)};
const Tones kWood{Hex(0xc98f58), Hex(0x7a4a26), Hex(0x2a1508)};
const Tones kWax{Hex(0xfffcf2), Hex(0xeee0c0), Hex(0x8e7655)};
const Tones kPumpkinSkin{Mix(pal::Pumpkin, pal::CandleGold, 0.55), pal::Pumpkin, pal::Ember};
const Tones kGarlicSkin{Hex(0xffffff), Hex(0xebe3da), Hex(0x8f8092)};
const Tones kBurlap{Hex(0xe8c68c), Hex(0xad7a42), Hex(0x472810)};

constexpr double kEdge = 1.6;  // the dark outline every prop gets

void InkEdge(cairo_t* cr, const PathFn& path, double width = kEdge) {
    path(cr);
    Outline(cr, width, pal::Ink.WithAlpha(0.9));
    cairo_new_path(cr);
}

// A solid part: shaded as a rounded body, then outlined.
void Part(Canvas& canvas, const PathFn& path, const Tones& tones, double glint = 0.5, double rim = 0.4) {
    RoundedBody(canvas, path, tones, glint, rim);
    InkEdge(canvas.Cr(), path);
}

// The fire's light as a gradient about a point: white-hot core to the flame's colour to its halo.
Pattern FireLight(Point at, double radius, const Fire& fire, double alpha = 1) {
    return RadialGradient(at.x, at.y, 0, radius,
                          {{0, fire.core.WithAlpha(alpha)},
                           {0.35, Mix(fire.core, fire.flame, 0.6).WithAlpha(alpha)},
                           {1, Mix(fire.flame, fire.halo, 0.6).WithAlpha(alpha)}});
}

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

// --- the well ------------------------------------------------------------------------------------

void WellBody(cairo_t* cr) {
    cairo_move_to(cr, 11, 41);
    cairo_line_to(cr, 11, 54);
    cairo_curve_to(cr, 11, 61, 53, 61, 53, 54);
    cairo_line_to(cr, 53, 41);
    cairo_close_path(cr);
}

void WellRim(cairo_t* cr) {
    Ellipse(cr, 32, 41, 22, 6.5);
}

void WellMouth(cairo_t* cr) {
    Ellipse(cr, 32, 41, 16.5, 3.8);
}

void WellRoof(cairo_t* cr) {
    RoundedPolygon(cr, {{5, 21}, {32, 4}, {59, 21}}, 2);
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

void Gravestone(Canvas& canvas, const Fire* glowing) {
    cairo_t* cr = canvas.Cr();
    // Earth and grass at its foot.
    Ellipse(cr, 32, 56, 26, 5);
    SetSource(cr, Mix(pal::Ink, pal::Moss, 0.25));
    cairo_fill(cr);
    const auto stone = [](cairo_t* c) {
        cairo_move_to(c, 14, 57);
        cairo_line_to(c, 14, 24);
        cairo_curve_to(c, 14, 11, 22, 5, 32, 5);
        cairo_curve_to(c, 42, 5, 50, 11, 50, 24);
        cairo_line_to(c, 50, 57);
        cairo_close_path(c);
    };
    RoundedBody(canvas, stone, kStone, 0.25, 0.35);
    // Weathering: a few darker flecks and a crack from the shoulder.
    Random random(0x96a7e);
    for (int i = 0; i < 26; ++i) {
        const double x = random.Range(17, 47), y = random.Range(10, 54);
        Ellipse(cr, x, y, random.Range(0.4, 1.2), random.Range(0.3, 0.8), random.Range(0, kPi));
        SetSource(cr, kStone.dark.WithAlpha(random.Range(0.15, 0.35)));
        cairo_fill(cr);
    }
    cairo_move_to(cr, 46, 13);
    cairo_line_to(cr, 43, 18);
    cairo_line_to(cr, 44.5, 21);
    cairo_line_to(cr, 41, 27);
    cairo_set_line_width(cr, 1);
    SetSource(cr, kStone.dark.WithAlpha(0.8));
    cairo_stroke(cr);

    const auto cross = [](cairo_t* c) {
        cairo_rectangle(c, 29, 14, 6, 31);
        cairo_rectangle(c, 21.5, 21, 21, 6);
    };
    if (glowing) {
        SoftGlow(canvas, cross, 3.5, glowing->halo.WithAlpha(0.9));
        cross(cr);
        SetSource(cr, FireLight({32, 26}, 18, *glowing));
        cairo_fill(cr);
    } else {
        // Carved: in shadow where the cut faces away from the moon, lit on its far walls.
        cross(cr);
        SetSource(cr, Mix(kStone.dark, kStone.mid, 0.35));
        cairo_fill(cr);
        RimLight(canvas, cross, -light::kMoonX, -light::kMoonY, 1.4, kStone.light.WithAlpha(0.85));
    }
    InkEdge(cr, stone);

    // Tufts of grass in front of the stone.
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 14; ++i) {
        const double x = 10 + i * 3.3 + random.Range(-1, 1), h = random.Range(4, 9);
        const double bend = random.Range(-2.5, 2.5);
        cairo_move_to(cr, x, 59);
        cairo_curve_to(cr, x, 59 - h * 0.5, x + bend * 0.5, 59 - h * 0.8, x + bend, 59 - h);
        cairo_set_line_width(cr, 1.6);
        SetSource(cr, Mix(pal::Moss, pal::Ink, random.Range(0.1, 0.5)));
        cairo_stroke(cr);
    }
    cairo_restore(cr);
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

void Well(Canvas& canvas, const Fire* glowing) {
    cairo_t* cr = canvas.Cr();
    if (glowing) SoftGlow(canvas, WellMouth, 5, glowing->halo.WithAlpha(0.9), 0, -4);
    // The posts and the windlass with its rope and bucket.
    const auto posts = [](cairo_t* c) {
        cairo_rectangle(c, 12.5, 17, 4.5, 24);
        cairo_rectangle(c, 47, 17, 4.5, 24);
    };
    Part(canvas, posts, kWood, 0.25);
    const auto axle = [](cairo_t* c) { RoundedRect(c, 14, 24, 36, 4.5, 2); };
    Part(canvas, axle, kWood, 0.4);
    cairo_move_to(cr, 32, 28.5);
    cairo_line_to(cr, 32, 32);
    cairo_set_line_width(cr, 1.2);
    SetSource(cr, Hex(0xc8b48a));
    cairo_stroke(cr);
    const auto bucket = [](cairo_t* c) {
        RoundedPolygon(c, {{27.5, 32}, {36.5, 32}, {35.5, 38.5}, {28.5, 38.5}}, 1);
    };
    Part(canvas, bucket, kWood, 0.3);

    // The stone drum: courses of blocks curving round it.
    Part(canvas, WellBody, kStone, 0.15, 0.4);
    cairo_save(cr);
    WellBody(cr);
    cairo_clip(cr);
    cairo_set_line_width(cr, 0.9);
    SetSource(cr, kStone.dark.WithAlpha(0.75));
    for (int row = 0; row < 3; ++row) {
        const double y = 46.5 + row * 4.8;
        cairo_move_to(cr, 11, y);
        cairo_curve_to(cr, 18, y + 4.5, 46, y + 4.5, 53, y);
        for (int k = 0; k < 5; ++k) {
            const double u = (k + (row % 2 ? 0.5 : 0.0) + 0.5) / 5.5;
            const double x = 32 - 21 * std::cos(u * kPi);
            const double yy = y + 4.5 * std::sin(u * kPi) * 0.75;
            cairo_move_to(cr, x, yy - 4.6);
            cairo_line_to(cr, x, yy);
        }
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    Part(canvas, WellRim, kStone, 0.35, 0.2);
    WellMouth(cr);
    if (glowing) {
        SetSource(cr, FireLight({32, 41}, 17, *glowing));
    } else {
        SetSource(cr, RadialGradient(32, 42, 0, 16, {{0, pal::Ink}, {1, Mix(pal::Ink, kStone.dark, 0.6)}}));
    }
    cairo_fill(cr);

    // The roof, shingled.
    const auto roof = [](cairo_t* c) { WellRoof(c); };
    Part(canvas, roof, Tones{Hex(0xd8806a), Hex(0x8e3a2e), Hex(0x2e0e0c)}, 0.35, 0.3);
    cairo_save(cr);
    WellRoof(cr);
    cairo_clip(cr);
    cairo_set_line_width(cr, 0.9);
    SetSource(cr, pal::Ink.WithAlpha(0.45));
    for (double y : {10.0, 14.0, 18.0}) {
        cairo_move_to(cr, 0, y);
        cairo_line_to(cr, 64, y);
    }
    for (int i = 0; i < 12; ++i) {
        const double y = 10 + (i % 3) * 4, x = 10 + i * 4 + (i % 2) * 2;
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x, y + 4);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    if (glowing) {
        // Motes of light rising from the water.
        Random random(0x3e11);
        for (int i = 0; i < 6; ++i) {
            const Point at{random.Range(24, 40), random.Range(24, 38)};
            Glint(cr, at, random.Range(2, 3.5), glowing->core.WithAlpha(0.9));
        }
    }
}

void Garlic(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    // A bulb of cloves: the neck narrows to the stalk, the base swells into a row of rounded cloves.
    const auto bulb = [](cairo_t* c) {
        cairo_move_to(c, 32, 11);
        cairo_curve_to(c, 35, 19, 52, 25, 54, 38);
        cairo_curve_to(c, 55.5, 47, 52, 53, 46, 55);
        cairo_curve_to(c, 43, 58, 38, 58, 35.5, 56.5);
        cairo_curve_to(c, 33, 58.5, 31, 58.5, 28.5, 56.5);
        cairo_curve_to(c, 26, 58, 21, 58, 18, 55);
        cairo_curve_to(c, 12, 53, 8.5, 47, 10, 38);
        cairo_curve_to(c, 12, 25, 29, 19, 32, 11);
        cairo_close_path(c);
    };
    // The dry stalk and the roots.
    const auto stalk = [](cairo_t* c) {
        RoundedPolygon(c, {{29.5, 15}, {30.5, 4}, {34, 4.5}, {34.5, 15}}, 1);
    };
    Part(canvas, stalk, Tones{Hex(0xf3ead2), Hex(0xc9b58c), Hex(0x6a5634)}, 0.2);
    cairo_save(cr);
    cairo_set_line_width(cr, 1.1);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    SetSource(cr, Hex(0xb09a74));
    for (int i = -3; i <= 3; ++i) {
        cairo_move_to(cr, 32 + i * 1.5, 56);
        cairo_curve_to(cr, 32 + i * 2, 58, 32 + i * 3, 59, 32 + i * 3.6, 61);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    Part(canvas, bulb, kGarlicSkin, 0.7, 0.3);
    // The cloves: seams from the top down, with faint purple streaks between them.
    cairo_save(cr);
    bulb(cr);
    cairo_clip(cr);
    // Each clove seam runs from the neck down to a notch between two cloves.
    const double notches[] = {18, 28.5, 35.5, 46};
    const double bulge[] = {-16, -5, 5, 16};
    for (int i = 0; i < 4; ++i) {
        cairo_move_to(cr, 32, 14);
        cairo_curve_to(cr, 32 + bulge[i] * 0.6, 26, 32 + bulge[i] * 1.25, 44, notches[i], 56);
        cairo_set_line_width(cr, 1.1);
        SetSource(cr, kGarlicSkin.dark.WithAlpha(0.7));
        cairo_stroke(cr);
        cairo_move_to(cr, 32, 17);
        cairo_curve_to(cr, 32 + bulge[i] * 0.75, 29, 32 + bulge[i] * 1.45, 44, notches[i] + bulge[i] * 0.25,
                       54);
        cairo_set_line_width(cr, 2.2);
        SetSource(cr, Mix(pal::Violet, pal::Heather, 0.5).WithAlpha(0.32));
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    InkEdge(cr, bulb);
}

void MoneyBag(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    // Coins showing at the mouth.
    Coin(canvas, {27, 12}, 6.5, 0.6);
    Coin(canvas, {37, 10.5}, 6.5, -0.4);
    const auto neck = [](cairo_t* c) {
        cairo_move_to(c, 23, 28);
        cairo_curve_to(c, 19, 22, 18, 16, 22, 13);
        cairo_line_to(c, 26, 16.5);
        cairo_line_to(c, 29.5, 13);
        cairo_line_to(c, 33, 16);
        cairo_line_to(c, 37, 12.5);
        cairo_line_to(c, 40, 16);
        cairo_line_to(c, 43.5, 13);
        cairo_curve_to(c, 47, 17, 45, 23, 41, 28);
        cairo_close_path(c);
    };
    Part(canvas, neck, kBurlap, 0.2);
    const auto sack = [](cairo_t* c) {
        cairo_move_to(c, 23, 27);
        cairo_curve_to(c, 8, 34, 6, 59, 32, 59);
        cairo_curve_to(c, 58, 59, 56, 34, 41, 27);
        cairo_close_path(c);
    };
    RoundedBody(canvas, sack, kBurlap, 0.3, 0.4);
    // The weave of the cloth.
    cairo_save(cr);
    sack(cr);
    cairo_clip(cr);
    cairo_set_line_width(cr, 0.6);
    SetSource(cr, kBurlap.dark.WithAlpha(0.18));
    for (double d = -30; d < 70; d += 2.6) {
        cairo_move_to(cr, d, 26);
        cairo_line_to(cr, d + 34, 60);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    InkEdge(cr, sack);
    // The cord round the neck, its end hanging down.
    const auto cord = [](cairo_t* c) {
        RoundedRect(c, 20.5, 25, 23, 4.5, 2.2);
        cairo_new_sub_path(c);
        cairo_move_to(c, 40, 28);
        cairo_curve_to(c, 44, 31, 44, 35, 42.5, 38.5);
        cairo_line_to(c, 40.5, 38);
        cairo_curve_to(c, 41.5, 34.5, 41, 32, 38.5, 29.5);
        cairo_close_path(c);
    };
    Part(canvas, cord, Tones{Hex(0xf6e2b0), Hex(0xb8904a), Hex(0x4a3010)}, 0.3);
    // A stamped gold coin on the sack's belly.
    Coin(canvas, {31, 45}, 8, 0);
}

void Coin(Canvas& canvas, Point c, double radius, double angle) {
    cairo_t* cr = canvas.Cr();
    const double face = std::max(0.06, std::abs(std::cos(angle))) * radius;
    const double thick = radius * 0.24 * std::abs(std::sin(angle));
    const double side = std::sin(angle) >= 0 ? 1 : -1;  // which way the edge shows
    // The milled edge, seen as the coin turns: the far half of the back face joined to the near half of
    // the front one.
    const auto edge = [&](cairo_t* x) {
        cairo_save(x);
        cairo_translate(x, c.x, c.y);
        cairo_scale(x, face, radius);
        cairo_new_sub_path(x);
        if (side > 0) {
            cairo_arc(x, thick / face, 0, 1, -kPi / 2, kPi / 2);
            cairo_arc(x, 0, 0, 1, kPi / 2, 3 * kPi / 2);
        } else {
            cairo_arc(x, -thick / face, 0, 1, kPi / 2, 3 * kPi / 2);
            cairo_arc(x, 0, 0, 1, -kPi / 2, kPi / 2);
        }
        cairo_close_path(x);
        cairo_restore(x);
    };
    if (thick > 0.2) {
        edge(cr);
        SetSource(cr, LinearGradient(0, c.y - radius, 0, c.y + radius,
                                     {{0, kGold.light}, {0.35, kGold.mid}, {1, kGold.dark}}));
        cairo_fill(cr);
        // The milling: fine grooves across the edge.
        cairo_save(cr);
        edge(cr);
        cairo_clip(cr);
        cairo_set_line_width(cr, std::max(0.5, radius * 0.035));
        SetSource(cr, kGold.dark.WithAlpha(0.6));
        for (double y = -radius; y < radius; y += radius * 0.14) {
            cairo_move_to(cr, c.x - face - thick, c.y + y);
            cairo_line_to(cr, c.x + face + thick, c.y + y);
        }
        cairo_stroke(cr);
        cairo_restore(cr);
    }
    const auto disc = [&](cairo_t* x) { Ellipse(x, c.x, c.y, face, radius); };
    RoundedBody(canvas, disc, kGold, 0.8, 0.45);
    // A raised rim and the struck emblem: a crescent holding a star, both symmetric so the coin looks the
    // same from either side as it spins.
    cairo_save(cr);
    cairo_translate(cr, c.x, c.y);
    cairo_scale(cr, face / radius, 1);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, radius * 0.78, 0, 2 * kPi);
    cairo_set_line_width(cr, radius * 0.1);
    SetSource(cr, kGold.dark.WithAlpha(0.55));
    cairo_stroke(cr);
    const double s = radius / 20;
    cairo_move_to(cr, -11 * s, -1 * s);
    cairo_curve_to(cr, -10 * s, 9 * s, 10 * s, 9 * s, 11 * s, -1 * s);
    cairo_curve_to(cr, 6 * s, 5 * s, -6 * s, 5 * s, -11 * s, -1 * s);
    cairo_close_path(cr);
    Polygon(cr, Star({0, -4 * s}, 6.5 * s, 2.8 * s, 5));
    SetSource(cr, kGold.dark.WithAlpha(0.8));
    cairo_fill_preserve(cr);
    cairo_translate(cr, -0.6 * s, -0.6 * s);
    SetSource(cr, kGold.light.WithAlpha(0.9));
    cairo_set_line_width(cr, 0.7 * s);
    cairo_stroke(cr);
    cairo_restore(cr);
    InkEdge(
        cr,
        [&](cairo_t* x) {
            if (thick > 0.2) edge(x);
            disc(x);
        },
        std::min(kEdge, radius * 0.12));
}

void GoldSkull(Canvas& canvas, Point c) {
    cairo_t* cr = canvas.Cr();
    const auto head = [c](cairo_t* x) {
        cairo_save(x);
        cairo_translate(x, c.x, c.y);
        cairo_move_to(x, -20, 4);
        cairo_curve_to(x, -25, -9, -20, -25, 0, -25);
        cairo_curve_to(x, 20, -25, 25, -9, 20, 4);
        cairo_curve_to(x, 19, 9, 15, 10, 14, 13);
        cairo_line_to(x, 13, 20);
        cairo_curve_to(x, 13, 24, 10, 25, 7, 25);
        cairo_line_to(x, -7, 25);
        cairo_curve_to(x, -10, 25, -13, 24, -13, 20);
        cairo_line_to(x, -14, 13);
        cairo_curve_to(x, -15, 10, -19, 9, -20, 4);
        cairo_close_path(x);
        cairo_restore(x);
    };
    DropShadow(canvas, head, 2.2, 1.6, pal::Ink.WithAlpha(0.55));
    RoundedBody(canvas, head, kGold, 0.85, 0.5);
    // The sockets are deep: dark at the rim, a faint ember of light far inside.
    const auto holes = [c](cairo_t* x) {
        Ellipse(x, c.x - 8.5, c.y + 1.5, 6.4, 5.4, 0.25);
        Ellipse(x, c.x + 8.5, c.y + 1.5, 6.4, 5.4, -0.25);
        RoundedPolygon(x, {{c.x, c.y + 6.5}, {c.x + 3.6, c.y + 13.5}, {c.x - 3.6, c.y + 13.5}}, 1.2);
    };
    holes(cr);
    SetSource(cr,
              RadialGradient(c.x, c.y + 4, 0, 14,
                             {{0, Mix(pal::Ember, pal::Ink, 0.3)}, {1, Mix(pal::Ember, pal::Ink, 0.75)}}));
    cairo_fill(cr);
    RimLight(canvas, holes, -light::kMoonX, -light::kMoonY, 1.3, kGold.light.WithAlpha(0.8));
    // Teeth: the jaw's gaps as fine dark lines.
    cairo_save(cr);
    cairo_set_line_width(cr, 1.3);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    SetSource(cr, Mix(kGold.dark, pal::Ink, 0.3));
    cairo_move_to(cr, c.x - 10, c.y + 19);
    cairo_curve_to(cr, c.x - 4, c.y + 20.5, c.x + 4, c.y + 20.5, c.x + 10, c.y + 19);
    for (double x : {-6.0, -2.0, 2.0, 6.0}) {
        cairo_move_to(cr, c.x + x, c.y + 16.5);
        cairo_line_to(cr, c.x + x * 1.05, c.y + 24);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    InkEdge(cr, head);
}

}  // namespace assetgen
