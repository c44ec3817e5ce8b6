// The things the board gives up: garlic, the money bag, the coin and the golden skull.
#include "tools/assetgen/Props.h"

#include <cmath>
#include <numbers>

#include "tools/assetgen/PropsKit.h"
#include "tools/assetgen/Random.h"
#include "tools/assetgen/Shading.h"

namespace assetgen {

using namespace propkit;

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
