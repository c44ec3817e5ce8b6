// The title screen's night scene in layers, back to front as the screen draws them:
//   "background.png"  1024 x 768, opaque, at (0, 0): the sky, the moon, the hills with Murkwell Keep;
//   "clouds.png"      1024 x 300 at (cloudsX, 0) and (cloudsX - 1024, 0): tiles seamlessly side by side;
//   "lightning.png"   200 x 470, top-left at (x, 0); the first strike at x 412 falls on the Keep's hill;
//   "trTree.png"      420 x 620, pivot at its foot (210, 612), drawn with the foot at (870, 716); it sways
//                     a few degrees either way;
//   "hand.png"        110 x 170, pivot at the wrist (55, 164), drawn with the wrist at (262, 716) behind
//                     the grave mound of the foreground, swinging about ±12 degrees;
//   "foreground.png"  1024 x 768 at (0, 0): the churchyard's ground, a grave mound, the fence and a post
//                     for the crow, leaving the middle free for the logo and the menu;
//   "crow_right.png", "crow_left.png", "crow_blink.png", "crow_caw.png"  96 x 96, top-left at (108, 418),
//                     perched on the post: looking right, left, blinking, cawing;
//   "redeyeblink.png" 64 x 28, top-left at (934, 606): a pair of red eyes in the bushes, shown while they
//                     blink open;
//   "logo.png"        640 x 230, top-left at (192, 24): the game's name.
// The menu's four buttons stand in a column in the middle, from y 300.

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "tools/assetgen/Chrome.h"
#include "tools/assetgen/DataFolder.h"
#include "tools/assetgen/Group.h"
#include "tools/assetgen/Lettering.h"
#include "tools/assetgen/Pictures.h"
#include "tools/assetgen/Props.h"
#include "tools/assetgen/Random.h"
#include "tools/assetgen/Scenery.h"
#include "tools/assetgen/Shading.h"
#include "tools/assetgen/StyleKit.h"

namespace assetgen {
namespace {

namespace pal = palette;
namespace sc = scenery;
constexpr double kPi = std::numbers::pi;
constexpr int kW = 1024, kH = 768;
const Tones kBone{Hex(0xf6efdc), Hex(0xc8bca0), Hex(0x5a5040)};

platform::PixelMap Background() {
    Canvas canvas(kW, kH);
    sc::Sky(canvas, {{0, Hex(0x070920)},
                     {0.35, Hex(0x161c4c)},
                     {0.62, Hex(0x3a2f6c)},
                     {0.78, Hex(0x5a3c72)},
                     {1, Hex(0x1a1430)}});
    sc::Stars(canvas, 0, 420, 200, 0x7a1, 1);
    sc::Moon(canvas, {160, 150}, 70, 1.5);
    sc::Silhouette(
        canvas, [](cairo_t* c) { sc::Hills(c, kW, kH, 520, 40, 520, 0x7a2); }, Hex(0x2a2550),
        Hex(0xc0a8e0).WithAlpha(0.35), 1.2);
    // Murkwell Keep on its hill, where the first lightning strikes.
    const auto keep = [](cairo_t* c) {
        cairo_move_to(c, 330, 560);
        cairo_curve_to(c, 420, 470, 600, 470, 700, 560);
        cairo_close_path(c);
        cairo_rectangle(c, 470, 418, 90, 80);
        cairo_rectangle(c, 452, 396, 28, 100);
        cairo_rectangle(c, 552, 404, 26, 96);
        Polygon(c, {{448, 398}, {484, 398}, {466, 360}});
        Polygon(c, {{548, 406}, {582, 406}, {565, 372}});
        for (int k = 0; k < 5; ++k) cairo_rectangle(c, 472 + k * 18, 410, 10, 10);
    };
    sc::Silhouette(canvas, keep, Hex(0x18183a), Hex(0xd0c0f0).WithAlpha(0.45), 1.3);
    sc::Windows(canvas, {{466, 420, 6, 10, true}, {512, 440, 8, 12, true}, {562, 424, 6, 10, true}},
                fire::kWarm, pal::Ink);
    sc::Silhouette(
        canvas, [](cairo_t* c) { sc::Hills(c, kW, kH, 600, 26, 300, 0x7a3); }, Hex(0x141430),
        Hex(0xb0a0d0).WithAlpha(0.3), 1.1);
    sc::Mist(canvas, 590, 40, pal::Mist, 0.3, 0x7a4);
    sc::Vignette(canvas, 0.45);
    return canvas.ToPixelMap();
}

// Clouds that tile: drawn wider than the picture, then the stretch past its right edge is cross-faded
// into its left edge, so that the last column runs on into the first.
platform::PixelMap Clouds() {
    constexpr int kBlend = 240, kCloudH = 300;
    Canvas wide(kW + kBlend, kCloudH);
    sc::Clouds(wide, 10, kCloudH - 10, 0.42, Hex(0x262a60).WithAlpha(0.85), Hex(0xe0d8f4), 0x7b1, 3.5);
    Canvas out(kW, kCloudH);
    cairo_t* cr = out.Cr();
    cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
    cairo_rectangle(cr, kBlend, 0, kW - kBlend, kCloudH);
    cairo_set_source_surface(cr, wide.Surface(), 0, 0);
    cairo_fill(cr);
    for (int shifted = 0; shifted < 2; ++shifted) {
        cairo_save(cr);
        cairo_rectangle(cr, 0, 0, kBlend, kCloudH);
        cairo_clip(cr);
        cairo_set_source_surface(cr, wide.Surface(), shifted ? -kW : 0, 0);
        const Pattern ramp = LinearGradient(
            0, 0, kBlend, 0, {{0, {0, 0, 0, shifted ? 1.0 : 0.0}}, {1, {0, 0, 0, shifted ? 0.0 : 1.0}}});
        cairo_mask(cr, ramp.get());
        cairo_restore(cr);
    }
    return out.ToPixelMap();
}

// A forked bolt from the top of the picture down to the hill.
platform::PixelMap Lightning() {
    Canvas canvas(200, 470);
    cairo_t* cr = canvas.Cr();
    Random random(0x7c1);
    const auto bolt = [&](Point from, int steps, double spread, double width) {
        cairo_move_to(cr, from.x, from.y);
        Point p = from;
        std::vector<Point> forks;
        for (int k = 0; k < steps; ++k) {
            p = {std::clamp(p.x + random.Range(-spread, spread), 30.0, 170.0), p.y + random.Range(22, 34)};
            cairo_line_to(cr, p.x, p.y);
            if (random.Uniform() < 0.25) forks.push_back(p);
        }
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_set_line_width(cr, width * 5);
        SetSource(cr, Hex(0x9a8cff).WithAlpha(0.25));
        cairo_stroke_preserve(cr);
        cairo_set_line_width(cr, width * 2.2);
        SetSource(cr, Hex(0xc8d8ff).WithAlpha(0.6));
        cairo_stroke_preserve(cr);
        cairo_set_line_width(cr, width);
        SetSource(cr, pal::Moonlight);
        cairo_stroke(cr);
        return forks;
    };
    const std::vector<Point> forks = bolt({100, 0}, 14, 22, 3);
    for (const Point& f : forks) bolt(f, 4, 18, 1.4);
    return canvas.ToPixelMap();
}

// The great tree at the right, its foot at the bottom middle so that it sways about its roots.
platform::PixelMap Tree() {
    Canvas canvas(420, 620);
    sc::Silhouette(
        canvas,
        [](cairo_t* c) {
            sc::BareTree(c, {210, 612}, 590, -0.12, 0x7d1);
            sc::BareTree(c, {200, 380}, 220, -0.6, 0x7d2);
        },
        Hex(0x07080f), Hex(0xc0b0e8).WithAlpha(0.5), 1.8);
    return canvas.ToPixelMap();
}

// A finger of bones from base towards angle (radians, 0 up), in joints of falling length.
void Finger(cairo_t* cr, Point base, double angle, double length, double width, double curl) {
    Point p = base;
    for (int k = 0; k < 3; ++k) {
        const double l = length * (0.42 - k * 0.08);
        const Point next{p.x + std::sin(angle) * l, p.y - std::cos(angle) * l};
        cairo_save(cr);
        cairo_translate(cr, p.x, p.y);
        cairo_rotate(cr, angle);
        RoundedRect(cr, -width / 2, -l - 1, width, l + 2, width / 2);
        cairo_restore(cr);
        cairo_new_sub_path(cr);
        cairo_arc(cr, next.x, next.y, width * 0.62, 0, 2 * kPi);
        p = next;
        angle += curl;
        width *= 0.85;
    }
}

// The skeleton's hand waving from the grave, wrist at the bottom middle.
platform::PixelMap Hand() {
    Canvas canvas(110, 170);
    const auto bones = [](cairo_t* c) {
        RoundedRect(c, 43, 112, 24, 58, 9);
        Ellipse(c, 55, 104, 20, 17);
        // Fingers fanned and crooked, as a hand that beckons.
        Finger(c, {40, 96}, -0.55, 56, 9, -0.22);
        Finger(c, {49, 90}, -0.2, 70, 9, -0.12);
        Finger(c, {60, 90}, 0.12, 66, 9, 0.14);
        Finger(c, {69, 96}, 0.42, 52, 8, 0.24);
        Finger(c, {72, 114}, 1.15, 38, 9, 0.3);
    };
    DropShadow(canvas, bones, 3, 2, pal::Ink.WithAlpha(0.5));
    RoundedBody(canvas, bones, kBone, 0.5, 0.5);
    Outline(canvas.Cr(), 1.2, Mix(kBone.dark, pal::Ink, 0.5));
    cairo_new_path(canvas.Cr());
    return canvas.ToPixelMap();
}

platform::PixelMap Foreground() {
    Canvas canvas(kW, kH);
    cairo_t* cr = canvas.Cr();
    const auto ground = [](cairo_t* c) {
        cairo_move_to(c, 0, 660);
        cairo_curve_to(c, 200, 640, 330, 700, 520, 690);
        cairo_curve_to(c, 700, 680, 860, 650, kW, 670);
        cairo_line_to(c, kW, kH);
        cairo_line_to(c, 0, kH);
        cairo_close_path(c);
        // The grave mound the hand rises from.
        Ellipse(c, 262, 716, 74, 22);
        // The crow's post, and the fence running off to the left.
        cairo_rectangle(c, 140, 500, 26, 190);
        Polygon(c, {{136, 502}, {170, 502}, {153, 488}});
        sc::Fence(c, 690, -10, 140, 70, 0x7e1);
        sc::Grass(c, 700, 0, kW, 30, 0x7e2);
        sc::Headstone(c, {370, 700}, 40, 64, 0, -0.08);
        sc::Headstone(c, {690, 694}, 36, 70, 1, 0.06);
        sc::Headstone(c, {60, 690}, 30, 50, 2, 0.1);
        // Brambles in the bottom right, where the eyes watch from.
        for (int i = 0; i < 7; ++i) Ellipse(c, 900 + i * 20, 640 - (i % 3) * 14, 40, 30);
    };
    sc::Silhouette(canvas, ground, Hex(0x07090c), Hex(0xb8b0e0).WithAlpha(0.45), 1.6);
    cairo_rectangle(cr, 0, 700, kW, 68);
    SetSource(cr, LinearGradient(0, 700, 0, kH, {{0, pal::Ink.WithAlpha(0)}, {1, pal::Ink.WithAlpha(0.7)}}));
    cairo_fill(cr);
    return canvas.ToPixelMap();
}

enum class CrowLook { Right, Left, Blink, Caw };

// The crow on its post, feet at the bottom middle, facing right unless looking left.
platform::PixelMap Crow(CrowLook look) {
    Canvas canvas(96, 96);
    cairo_t* cr = canvas.Cr();
    if (look == CrowLook::Left) {
        cairo_translate(cr, 96, 0);
        cairo_scale(cr, -1, 1);
    }
    const bool caw = look == CrowLook::Caw;
    const auto body = [caw](cairo_t* c) {
        Ellipse(c, 44, 60, 22, 17, -0.35);
        cairo_new_sub_path(c);
        cairo_arc(c, 62, 38, 11, 0, 2 * kPi);
        // The tail, down and back.
        Polygon(c, {{30, 66}, {10, 88}, {22, 90}, {40, 72}});
        // The beak, open when it caws.
        if (caw) {
            Polygon(c, {{70, 33}, {90, 26}, {72, 38}});
            Polygon(c, {{70, 40}, {88, 46}, {70, 44}});
        } else {
            Polygon(c, {{70, 34}, {90, 40}, {70, 43}});
        }
        cairo_rectangle(c, 42, 74, 3, 16);
        cairo_rectangle(c, 50, 74, 3, 16);
        cairo_rectangle(c, 38, 88, 20, 3);
    };
    sc::Silhouette(canvas, body, Hex(0x0a0a12), Hex(0x9a98d8).WithAlpha(0.7), 1.6);
    // The wing's feathers catch the moon.
    cairo_move_to(cr, 30, 56);
    cairo_curve_to(cr, 40, 48, 56, 50, 60, 58);
    cairo_curve_to(cr, 52, 70, 38, 74, 30, 56);
    SetSource(cr, Hex(0x22224a));
    cairo_fill(cr);
    if (look == CrowLook::Blink) {
        cairo_move_to(cr, 61, 36);
        cairo_line_to(cr, 68, 36);
        cairo_set_line_width(cr, 1.5);
        SetSource(cr, Hex(0x5a5890));
        cairo_stroke(cr);
    } else {
        sc::Halo(cr, {65, 35}, 5, pal::CandleGold.WithAlpha(0.6));
        cairo_new_sub_path(cr);
        cairo_arc(cr, 65, 35, 2.2, 0, 2 * kPi);
        SetSource(cr, pal::CandleGold);
        cairo_fill(cr);
    }
    if (caw) {
        cairo_set_line_width(cr, 1.5);
        SetSource(cr, pal::Moonlight.WithAlpha(0.7));
        for (int k = 0; k < 3; ++k) {
            cairo_arc(cr, 90, 36, 4 + k * 3, -0.6, 0.6);
            cairo_stroke(cr);
        }
    }
    return canvas.ToPixelMap();
}

platform::PixelMap RedEyes() {
    Canvas canvas(64, 28);
    cairo_t* cr = canvas.Cr();
    for (double x : {20.0, 44.0}) {
        sc::Halo(cr, {x, 14}, 12, Hex(0xff3020).WithAlpha(0.6));
        Ellipse(cr, x, 14, 5, 2.6, x < 30 ? 0.25 : -0.25);
        SetSource(cr, Hex(0xffd0a0));
        cairo_fill(cr);
    }
    return canvas.ToPixelMap();
}

platform::PixelMap Logo() {
    Canvas canvas(640, 230);
    GameName(canvas, 320, 160);
    chrome::Rule(canvas, {130, 196}, {510, 196});
    return canvas.ToPixelMap();
}

const GroupRegistration kTitleGroup(sc::BackdropGroup(
    "title", {
                 {"graphics/TitleScreen/background.png", Background},
                 {"graphics/TitleScreen/clouds.png", Clouds},
                 {"graphics/TitleScreen/lightning.png", Lightning},
                 {"graphics/TitleScreen/trTree.png", Tree},
                 {"graphics/TitleScreen/hand.png", Hand},
                 {"graphics/TitleScreen/foreground.png", Foreground},
                 {"graphics/TitleScreen/crow_right.png", [] { return Crow(CrowLook::Right); }},
                 {"graphics/TitleScreen/crow_left.png", [] { return Crow(CrowLook::Left); }},
                 {"graphics/TitleScreen/crow_blink.png", [] { return Crow(CrowLook::Blink); }},
                 {"graphics/TitleScreen/crow_caw.png", [] { return Crow(CrowLook::Caw); }},
                 {"graphics/TitleScreen/redeyeblink.png", RedEyes},
                 {"graphics/TitleScreen/logo.png", Logo},
             }));

}  // namespace
}  // namespace assetgen
