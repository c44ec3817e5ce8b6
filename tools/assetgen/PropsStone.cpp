// The props of stone: the headstone and the well.
#include "tools/assetgen/Props.h"

#include <cmath>
#include <numbers>

#include "tools/assetgen/PropsKit.h"
#include "tools/assetgen/Random.h"
#include "tools/assetgen/Shading.h"

namespace assetgen {

using namespace propkit;

namespace {

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

}  // namespace assetgen
