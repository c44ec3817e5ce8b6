// The level backgrounds underground: the dungeon (chapter 5, "bg5"), lit by torches, and the crypt at the
// journey's end ("bg10"), where the candles burn with a cold green fire. Both are 1024 x 768 and keep the
// board's middle calm, like the scenes above ground.

#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "tools/assetgen/DataFolder.h"
#include "tools/assetgen/Group.h"
#include "tools/assetgen/Noise.h"
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

// The height of a wall of blocks laid in courses: each block a slightly different face, bevelled into
// the mortar, with a rough surface.
double Masonry(double x, double y, double bw, double bh, uint32_t seed) {
    const double row = std::floor(y / bh);
    const double shift = std::fmod(row, 2) * bw / 2;
    const double col = std::floor((x + shift) / bw);
    const double u = x + shift - col * bw, v = y - row * bh;
    const double edge = std::min({u, bw - u, v, bh - v});
    const double face = Fbm(col * 3.1, row * 5.7, 1, seed) * 2.5;
    return std::min(edge, 3.0) * 1.1 + face + Fbm(x / 7, y / 7, 3, seed + 1) * 1.6;
}

void Wall(Canvas& canvas, const PathFn& area, double bw, double bh, const Tones& tones, uint32_t seed) {
    cairo_t* cr = canvas.Cr();
    area(cr);
    SetSource(cr, Relief(
                      kW, kH, [=](double x, double y) { return Masonry(x, y, bw, bh, seed); }, tones, 0.8));
    cairo_fill(cr);
}

// Light thrown on the walls by a flame, added over them.
void Lit(Canvas& canvas, Point at, double reach, Colour colour) {
    cairo_t* cr = canvas.Cr();
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
    sc::Halo(cr, at, reach, colour);
    cairo_restore(cr);
}

// A torch in an iron sconce on the wall.
void Sconce(Canvas& canvas, Point at, const Fire& fire) {
    cairo_t* cr = canvas.Cr();
    Lit(canvas, at, 300, fire.halo.WithAlpha(0.18));
    const auto iron = [=](cairo_t* c) {
        RoundedRect(c, at.x - 9, at.y + 40, 18, 8, 2);
        Polygon(c,
                {{at.x - 2, at.y + 44}, {at.x + 2, at.y + 44}, {at.x + 4, at.y + 12}, {at.x - 4, at.y + 12}});
        Polygon(c,
                {{at.x - 10, at.y + 6}, {at.x + 10, at.y + 6}, {at.x + 6, at.y + 16}, {at.x - 6, at.y + 16}});
    };
    sc::Silhouette(canvas, iron, pal::Ink, fire.flame.WithAlpha(0.5), 1.2);
    RoundedRect(cr, at.x - 5, at.y - 2, 10, 10, 2);
    SetSource(cr, Hex(0x2a1a10));
    cairo_fill(cr);
    Flame(canvas, {at.x, at.y}, 46, fire, 0.05);
}

// A chain hanging from the ceiling.
void HangingChain(Canvas& canvas, double x, double bottom, uint32_t seed) {
    cairo_t* cr = canvas.Cr();
    Random random(seed);
    for (double y = -6; y < bottom; y += 11) {
        const bool flat = static_cast<int>(y / 11) % 2 == 0;
        const double sway = std::sin(y / 90 + random.Range(0, 0.2)) * 3;
        if (flat) {
            RoundedRect(cr, x - 5 + sway, y, 10, 14, 5);
            RoundedRect(cr, x - 2 + sway, y + 3, 4, 8, 2);
            cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
        } else {
            RoundedRect(cr, x - 1.6 + sway, y, 3.2, 14, 1.6);
        }
        SetSource(cr, LinearGradient(x - 5, 0, x + 5, 0, {{0, Hex(0x6a6478)}, {1, Hex(0x141018)}}));
        cairo_fill(cr);
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    }
}

// --- chapter 5: the dungeon ----------------------------------------------------------------------------

platform::PixelMap Dungeon() {
    Canvas canvas(kW, kH);
    cairo_t* cr = canvas.Cr();
    const Tones stone{Hex(0x74645a), Hex(0x2c2420), Hex(0x070504)};
    Wall(
        canvas, [](cairo_t* c) { cairo_rectangle(c, 0, 0, kW, kH); }, 84, 42, stone, 0x5a1);
    // The dark passage through the great arch.
    const auto arch = [](cairo_t* c) {
        cairo_move_to(c, 330, kH);
        cairo_line_to(c, 330, 300);
        cairo_arc(c, 600, 300, 270, kPi, 2 * kPi);
        cairo_line_to(c, 870, kH);
        cairo_close_path(c);
    };
    arch(cr);
    SetSource(cr, RadialGradient(600, 420, 10, 420,
                                 {{0, Hex(0x2a1a10)}, {0.5, Hex(0x0c0806)}, {1, Hex(0x040302)}}));
    cairo_fill(cr);
    sc::Halo(cr, {600, 430}, 60, pal::LanternAmber.WithAlpha(0.25));
    // The arch's voussoirs, lit from below by the torches.
    cairo_new_sub_path(cr);
    cairo_arc(cr, 600, 300, 270, kPi, 2 * kPi);
    cairo_arc_negative(cr, 600, 300, 300, 2 * kPi, kPi);
    cairo_close_path(cr);
    SetSource(cr, Relief(
                      620, 320,
                      [](double x, double y) {
                          const double a = std::atan2(y - 300, x - 600);
                          const double block = std::fmod(a * 180 / kPi + 360, 12);
                          return std::min({block, 12 - block, 3.0}) + Fbm(x / 6, y / 6, 2, 0x5a2) * 1.4;
                      },
                      Tones{Hex(0xa89080), Hex(0x4a3e38), Hex(0x100c0a)}, 0.9, 290, 0));
    cairo_fill(cr);
    // A barred window high up, and the moonlight it lets in.
    cairo_rectangle(cr, 900, 70, 70, 90);
    SetSource(cr, Hex(0x1a2a50));
    cairo_fill(cr);
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
    Polygon(cr, {{900, 90}, {970, 90}, {760, kH}, {560, kH}});
    SetSource(
        cr, LinearGradient(935, 90, 660, kH, {{0, pal::Mist.WithAlpha(0.22)}, {1, pal::Mist.WithAlpha(0)}}));
    cairo_fill(cr);
    cairo_restore(cr);
    for (double x = 910; x < 970; x += 15) cairo_rectangle(cr, x, 66, 5, 98);
    cairo_rectangle(cr, 896, 108, 78, 5);
    SetSource(cr, pal::Ink);
    cairo_fill(cr);
    // Torches on the walls, chains from the vault, flagstones underfoot.
    Sconce(canvas, {210, 280}, fire::kWarm);
    Sconce(canvas, {960, 330}, fire::kWarm);
    HangingChain(canvas, 150, 200, 0x5a3);
    HangingChain(canvas, 1000, 170, 0x5a4);
    cairo_rectangle(cr, 0, 660, kW, kH - 660);
    SetSource(cr, Relief(
                      kW, kH - 660,
                      [](double x, double y) {
                          const double depth = 200 / std::max(1.0, y - 560);
                          const CellSample c = Cells((x - 512) * depth / 60, depth * 4, 0x5a5);
                          return std::min(c.second - c.nearest, 0.2) * 14;
                      },
                      Tones{Hex(0x6a5a50), Hex(0x2a221e), Hex(0x080606)}, 0.8, 0, 660));
    cairo_fill(cr);
    cairo_rectangle(cr, 0, 640, kW, kH - 640);
    SetSource(cr, LinearGradient(0, 640, 0, kH,
                                 {{0, Hex(0x040302).WithAlpha(0.9)}, {1, Hex(0x040302).WithAlpha(0.2)}}));
    cairo_fill(cr);
    sc::Vignette(canvas, 0.75);
    sc::CalmBehindBoard(canvas, 0.3);
    return canvas.ToPixelMap();
}

// --- chapter 10: the crypt ------------------------------------------------------------------------

const Fire kGhostFire{Hex(0xf0fff8), Hex(0x70f0c0), Hex(0x108a70)};

// An iron candelabrum of three candles.
void Candelabrum(Canvas& canvas, Point base, double height) {
    cairo_t* cr = canvas.Cr();
    const double arm = height * 0.3, top = base.y - height;
    Lit(canvas, {base.x, top}, height * 1.6, kGhostFire.halo.WithAlpha(0.22));
    const auto iron = [=](cairo_t* c) {
        RoundedPolygon(c,
                       {{base.x - 26, base.y},
                        {base.x + 26, base.y},
                        {base.x + 4, base.y - 14},
                        {base.x - 4, base.y - 14}},
                       2);
        cairo_rectangle(c, base.x - 2.5, top + 24, 5, height - 30);
        // The arms curving up to the outer cups.
        for (int side : {-1, 1}) {
            cairo_new_sub_path(c);
            cairo_arc_negative(c, base.x + side * arm / 2, top + 40, arm / 2, side < 0 ? 0 : kPi,
                               side < 0 ? kPi : 2 * kPi);
            cairo_arc(c, base.x + side * arm / 2, top + 40, arm / 2 - 4, side < 0 ? kPi : 2 * kPi,
                      side < 0 ? 0 : kPi);
            cairo_close_path(c);
        }
        for (int k = -1; k <= 1; ++k)
            RoundedRect(c, base.x + k * arm - 8, top + (k == 0 ? 20 : 36), 16, 5, 2);
    };
    sc::Silhouette(canvas, iron, pal::Ink, kGhostFire.flame.WithAlpha(0.5), 1.2);
    for (int k = -1; k <= 1; ++k) {
        const double cx = base.x + k * arm, cup = top + (k == 0 ? 20 : 36), candle = k == 0 ? 26 : 20;
        cairo_rectangle(cr, cx - 4, cup - candle, 8, candle);
        SetSource(cr, LinearGradient(cx - 4, 0, cx + 4, 0, {{0, Hex(0xe8f0e0)}, {1, Hex(0x6a7a70)}}));
        cairo_fill(cr);
        Flame(canvas, {cx, cup - candle - 1}, 22, kGhostFire, 0.04);
    }
}

// A stone coffin with its lid, seen from the front.
void Sarcophagus(Canvas& canvas, double x, double ground, double width) {
    const double h = width * 0.45;
    const auto body = [=](cairo_t* c) {
        RoundedRect(c, x, ground - h, width, h, 4);
        RoundedPolygon(c,
                       {{x - 8, ground - h + 4},
                        {x + width + 8, ground - h + 4},
                        {x + width - 6, ground - h - 22},
                        {x + 6, ground - h - 22}},
                       4);
    };
    DropShadow(canvas, body, 6, 6, pal::Ink.WithAlpha(0.8));
    cairo_t* cr = canvas.Cr();
    body(cr);
    const int left = static_cast<int>(x) - 10, top = static_cast<int>(ground - h) - 24;
    SetSource(cr, Relief(
                      static_cast<int>(width) + 20, static_cast<int>(h) + 26,
                      [](double px, double py) { return Fbm(px / 5, py / 5, 3, 0xa1) * 2; },
                      Tones{Hex(0x68786e), Hex(0x262e2a), Hex(0x060807)}, 0.8, left, top));
    cairo_fill(cr);
    RimLight(canvas, body, light::kMoonX, light::kMoonY, 1.5, kGhostFire.flame.WithAlpha(0.5));
    // A carved cross on its front.
    cairo_rectangle(cr, x + width / 2 - 4, ground - h + 14, 8, h - 28);
    cairo_rectangle(cr, x + width / 2 - 16, ground - h + 26, 32, 8);
    SetSource(cr, Hex(0x141a18));
    cairo_fill(cr);
}

// Rows of skulls in the niches of an ossuary wall.
void Ossuary(Canvas& canvas, double x0, double x1, double y0, double y1) {
    cairo_t* cr = canvas.Cr();
    for (double y = y0; y + 40 <= y1; y += 52) {
        for (double x = x0; x + 36 <= x1; x += 46) {
            const auto niche = [=](cairo_t* c) {
                cairo_move_to(c, x, y + 44);
                cairo_line_to(c, x, y + 16);
                cairo_arc(c, x + 18, y + 16, 18, kPi, 2 * kPi);
                cairo_line_to(c, x + 36, y + 44);
                cairo_close_path(c);
            };
            niche(cr);
            SetSource(cr, Hex(0x040605));
            cairo_fill(cr);
            cairo_save(cr);
            cairo_translate(cr, x + 18, y + 30);
            cairo_scale(cr, 0.42, 0.42);
            cairo_translate(cr, -(x + 18), -(y + 30));
            sc::InTheDark(canvas, 0.6, [&] { GoldSkull(canvas, {x + 18, y + 30}); });
            cairo_restore(cr);
        }
    }
}

platform::PixelMap Crypt() {
    Canvas canvas(kW, kH);
    cairo_t* cr = canvas.Cr();
    const Tones stone{Hex(0x5a6a64), Hex(0x1c2422), Hex(0x030504)};
    Wall(
        canvas, [](cairo_t* c) { cairo_rectangle(c, 0, 0, kW, kH); }, 64, 32, stone, 0xa2);
    // The vault: a tunnel of stone ribs marching away into the dark, each nearer one broader.
    cairo_new_sub_path(cr);
    cairo_move_to(cr, 60, kH);
    cairo_line_to(cr, 60, 500);
    cairo_arc(cr, 600, 500, 540, kPi, 2 * kPi);
    cairo_line_to(cr, 1140, kH);
    cairo_close_path(cr);
    SetSource(cr, RadialGradient(600, 420, 40, 560,
                                 {{0, Hex(0x010202)},
                                  {0.7, Hex(0x050808).WithAlpha(0.9)},
                                  {1, Hex(0x0a0e0d).WithAlpha(0.5)}}));
    cairo_fill(cr);
    for (int k = 4; k >= 0; --k) {
        const double s = 1 / (1 + k * 0.55), cx = 600, spring = 420 + 80 * s, half = 540 * s, thick = 44 * s;
        const auto rib = [=](cairo_t* c) {
            cairo_new_sub_path(c);
            cairo_move_to(c, cx - half, kH);
            cairo_line_to(c, cx - half, spring);
            cairo_arc(c, cx, spring, half, kPi, 2 * kPi);
            cairo_line_to(c, cx + half, kH);
            cairo_line_to(c, cx + half - thick, kH);
            cairo_line_to(c, cx + half - thick, spring);
            cairo_arc_negative(c, cx, spring, half - thick, 2 * kPi, kPi);
            cairo_line_to(c, cx - half + thick, kH);
            cairo_close_path(c);
        };
        rib(cr);
        SetSource(cr,
                  Relief(
                      kW, kH,
                      [=](double x, double y) { return Masonry(x * 1.3, y * 1.3, 70 * s, 34 * s, 0xa4 + k); },
                      Tones{Mix(stone.light, stone.dark, k * 0.18), Mix(stone.mid, stone.dark, k * 0.2),
                            stone.dark},
                      0.8));
        cairo_fill(cr);
        RimLight(canvas, rib, light::kMoonX, light::kMoonY, 2 * s + 0.5,
                 kGhostFire.flame.WithAlpha(0.3 - k * 0.05));
        InnerShadow(canvas, rib, 6 * s + 1, pal::Ink.WithAlpha(0.6), 3 * s);
    }
    cairo_rectangle(cr, 0, 0, kW, kH);
    SetSource(cr, LinearGradient(0, 0, 0, kH,
                                 {{0, Hex(0x020303).WithAlpha(0.7)},
                                  {0.5, Hex(0x020303).WithAlpha(0.2)},
                                  {1, Hex(0x020303).WithAlpha(0.4)}}));
    cairo_fill(cr);
    Ossuary(canvas, 130, 290, 80, 440);
    Ossuary(canvas, 884, 1024, 60, 420);
    Candelabrum(canvas, {200, 640}, 200);
    Candelabrum(canvas, {950, 620}, 190);
    Sarcophagus(canvas, 10, 760, 200);
    Sarcophagus(canvas, 820, 770, 210);
    sc::Mist(canvas, 700, 70, Hex(0x70f0c0), 0.3, 0xa3);
    sc::Vignette(canvas, 0.75);
    sc::CalmBehindBoard(canvas, 0.3);
    return canvas.ToPixelMap();
}

const GroupRegistration kVaults(scenery::BackdropGroup("vaults",
                                                       {
                                                           {"graphics/Backgrounds/bg5.jpg", Dungeon},
                                                           {"graphics/Backgrounds/bg10.jpg", Crypt},
                                                       }));

}  // namespace
}  // namespace assetgen
