// The level backgrounds of the village itself, where the journey starts and where it ends: the pumpkin
// patch at moonrise (chapter 1, "bg1"), the lantern lane ("bg2"), the well square ("bg3"), and the dawn of
// the ending ("bg11").
//
// Every background is 1024 x 768, drawn at (0, 0) behind the board. The board covers the middle and the
// HUD the left edge, so each scene keeps its landmarks to the top, the right and below, and stays calm and
// dark where the board lies.

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

// Cobbles in perspective below the horizon: cell noise on the ground plane, each stone domed and lit.
void Cobbles(Canvas& canvas, double horizon, double top, const Tones& tones, uint32_t seed) {
    cairo_t* cr = canvas.Cr();
    const auto heightAt = [&](double x, double y) {
        const double depth = 260 / std::max(1.0, y - horizon);
        const double u = (x - kW / 2.0) * depth / 15, v = depth * 15;
        const CellSample c = Cells(u, v, seed);
        return std::min(c.second - c.nearest, 0.28) * 10;
    };
    const int from = static_cast<int>(top);
    const Pattern relief = Relief(kW, kH - from, heightAt, tones, 0.7, 0, from);
    cairo_rectangle(cr, 0, top, kW, kH - top);
    SetSource(cr, relief);
    cairo_fill(cr);
    // The far stones melt into the dark.
    cairo_rectangle(cr, 0, top, kW, kH - top);
    SetSource(cr, LinearGradient(0, top, 0, kH,
                                 {{0, pal::NightDeep.WithAlpha(0.85)},
                                  {0.5, pal::NightDeep.WithAlpha(0.5)},
                                  {1, pal::NightDeep.WithAlpha(0.3)}}));
    cairo_fill(cr);
}

// An iron lamp post with a lantern on a bracket and a pool of light on the ground below it.
void LampPost(Canvas& canvas, double x, double ground, double height, const Fire& fire) {
    cairo_t* cr = canvas.Cr();
    sc::Halo(cr, {x + 18, ground}, height * 0.5, fire.flame.WithAlpha(0.2));
    const auto post = [&](cairo_t* c) {
        RoundedRect(c, x - 10, ground - 12, 20, 12, 2);
        RoundedRect(c, x - 6, ground - 26, 12, 16, 2);
        cairo_rectangle(c, x - 2.5, ground - height, 5, height - 20);
        // The bracket curling out to the lantern.
        cairo_rectangle(c, x - 2, ground - height, 34, 4);
        Polygon(c, {{x, ground - height + 30},
                    {x + 2, ground - height + 30},
                    {x + 24, ground - height + 4},
                    {x + 20, ground - height + 4}});
        Polygon(c, {{x - 6, ground - height}, {x + 6, ground - height}, {x, ground - height - 12}});
    };
    sc::Silhouette(canvas, post, pal::Ink, pal::Mist.WithAlpha(0.45), 1.2);
    sc::Halo(cr, {x + 30, ground - height + 28}, 80, fire.halo.WithAlpha(0.32));
    cairo_save(cr);
    cairo_translate(cr, x + 30 - 16, ground - height + 2);
    cairo_scale(cr, 0.5, 0.5);
    Lantern(canvas, fire);
    cairo_restore(cr);
}

// A line of paper lanterns strung across the top of the scene.
void Festoon(Canvas& canvas, Point from, Point to, double sag, uint32_t seed) {
    cairo_t* cr = canvas.Cr();
    const auto at = [&](double t) {
        const Point p = Lerp(from, to, t);
        return Point{p.x, p.y + sag * 4 * t * (1 - t)};
    };
    cairo_move_to(cr, from.x, from.y);
    for (double t = 0.02; t <= 1.001; t += 0.02) cairo_line_to(cr, at(t).x, at(t).y);
    cairo_set_line_width(cr, 1.5);
    SetSource(cr, pal::Ink);
    cairo_stroke(cr);
    Random random(seed);
    const Colour paper[] = {pal::LanternAmber, pal::Pumpkin, pal::CandleGold, Hex(0xd84a3a)};
    for (double t = 0.05; t < 0.97; t += 0.075) {
        const Point p = at(t);
        const Colour c = paper[random.Next() % 4];
        const double r = random.Range(7, 10);
        sc::Halo(cr, {p.x, p.y + r + 4}, r * 3.5, c.WithAlpha(0.35));
        cairo_move_to(cr, p.x, p.y);
        cairo_line_to(cr, p.x, p.y + 4);
        SetSource(cr, pal::Ink);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        Ellipse(cr, p.x, p.y + r + 4, r * 0.85, r);
        SetSource(cr, RadialGradient(p.x, p.y + r + 5, 0, r,
                                     {{0, pal::Moonlight}, {0.4, c}, {1, Mix(c, pal::Ember, 0.6)}}));
        cairo_fill_preserve(cr);
        cairo_set_line_width(cr, 1);
        SetSource(cr, Mix(c, pal::Ink, 0.6));
        cairo_stroke(cr);
        cairo_rectangle(cr, p.x - r * 0.45, p.y + 3, r * 0.9, 2);
        cairo_rectangle(cr, p.x - r * 0.45, p.y + r * 2 + 3, r * 0.9, 2);
        SetSource(cr, pal::Ink);
        cairo_fill(cr);
    }
}

// A row of houses along a ground line, with their windows.
void Street(Canvas& canvas, double x0, double x1, double ground, double scale, uint32_t seed, Colour body,
            Colour rim, double lit) {
    Random random(seed);
    std::vector<sc::House> houses;
    std::vector<sc::Window> windows;
    for (double x = x0; x < x1;) {
        const double w = random.Range(90, 150) * scale, h = random.Range(110, 170) * scale;
        houses.push_back({.x = x,
                          .ground = ground,
                          .width = w,
                          .height = h,
                          .roof = random.Range(45, 80) * scale,
                          .lean = random.Range(-0.04, 0.04),
                          .chimney = random.Uniform() < 0.7});
        for (int row = 0; row < 2; ++row) {
            for (int k = 0; k < 2; ++k) {
                windows.push_back({x + w * (0.22 + 0.4 * k) + houses.back().lean * h * (0.3 + 0.4 * row),
                                   ground - h * (0.35 + 0.4 * row), w * 0.16, h * 0.15,
                                   random.Uniform() < lit});
            }
        }
        x += w + random.Range(2, 18) * scale;
    }
    sc::Silhouette(
        canvas,
        [&](cairo_t* c) {
            for (const sc::House& h : houses) sc::HousePath(c, h);
        },
        body, rim, 1.4);
    sc::Windows(canvas, windows, fire::kWarm, pal::Ink);
}

// Pumpkin vines along the ground: curling stems and broad leaves, dark with a moonlit edge.
void Vines(Canvas& canvas, double ground, uint32_t seed) {
    std::vector<std::pair<Point, double>> leaves;
    Random random(seed);
    for (double x = -20; x < kW + 20; x += random.Range(28, 46)) {
        leaves.push_back(
            {{x, ground + random.Range(0, 110)}, random.Range(12, 22) * (1 + (ground + 60 < kH ? 0.4 : 0))});
    }
    const auto shapes = [&](cairo_t* c) {
        for (const auto& [at, s] : leaves) {
            // A leaf: five rounded lobes about its stalk.
            std::vector<Point> lobes;
            for (int i = 0; i < 10; ++i) {
                const double a = -kPi * 0.95 + i * kPi * 0.95 / 4.5, r = i % 2 ? s * 0.65 : s;
                lobes.push_back({at.x + r * std::cos(a), at.y + r * std::sin(a) * 0.75});
            }
            lobes.push_back({at.x, at.y + s * 0.2});
            ClosedCurve(c, lobes);
        }
    };
    sc::Silhouette(canvas, shapes, Hex(0x0e1612), Mix(pal::Moss, pal::Mist, 0.5).WithAlpha(0.45), 1.3);
}

// --- chapter 1: the pumpkin patch at moonrise ----------------------------------------------------------

platform::PixelMap PumpkinPatch() {
    Canvas canvas(kW, kH);
    cairo_t* cr = canvas.Cr();
    sc::Sky(canvas, {{0, Hex(0x0a0d2c)},
                     {0.3, Hex(0x1e2258)},
                     {0.55, Hex(0x4a3a7c)},
                     {0.72, Hex(0x9a6690)},
                     {1, Hex(0x4a3050)}});
    sc::Stars(canvas, 0, 380, 140, 0x1a1, 0.8);
    sc::Moon(canvas, {905, 150}, 62, 1.3);
    sc::Clouds(canvas, 120, 360, 0.35, Hex(0x2a2a62).WithAlpha(0.75), Hex(0xf0c8c0), 0x1a2, 4);
    // The far hills with a farm and its windmill; nearer, the field.
    sc::Silhouette(
        canvas, [](cairo_t* c) { sc::Hills(c, kW, kH, 520, 50, 500, 0x1a3); },
        Mix(pal::Dusk, Hex(0x7a5a8a), 0.35), Hex(0xe8b0b0).WithAlpha(0.4), 1.2);
    const auto farm = [](cairo_t* c) {
        sc::HousePath(c, {.x = 150, .ground = 508, .width = 80, .height = 46, .roof = 34, .chimney = true});
        cairo_rectangle(c, 256, 430, 10, 80);
        Polygon(c, {{250, 432}, {272, 432}, {261, 418}});
        for (int i = 0; i < 4; ++i) {
            cairo_save(c);
            cairo_translate(c, 261, 432);
            cairo_rotate(c, i * kPi / 2 + 0.3);
            RoundedRect(c, -3, -46, 6, 44, 1);
            cairo_restore(c);
        }
    };
    sc::Silhouette(canvas, farm, Mix(pal::NightDeep, pal::Dusk, 0.4), Hex(0xe8b0b0).WithAlpha(0.4), 1);
    sc::Windows(canvas, {{168, 482, 10, 10}, {200, 482, 10, 10}}, fire::kWarm, pal::Ink);
    sc::Mist(canvas, 530, 40, Hex(0xd0a8c8), 0.35, 0x1a4);
    sc::Silhouette(
        canvas, [](cairo_t* c) { sc::Hills(c, kW, kH, 590, 28, 380, 0x1a5); },
        Mix(pal::Ink, Hex(0x2a1c3c), 0.6), pal::Mist.WithAlpha(0.35), 1.3);
    // The fence along the field and a scarecrow keeping watch on the right.
    sc::Silhouette(
        canvas, [](cairo_t* c) { sc::Fence(c, 600, -10, kW + 10, 46, 0x1a6); }, pal::Ink,
        pal::Mist.WithAlpha(0.35));
    const auto scarecrow = [](cairo_t* c) {
        cairo_rectangle(c, 935, 440, 6, 190);
        RoundedPolygon(c, {{892, 482}, {986, 478}, {984, 488}, {894, 492}}, 2);
        RoundedPolygon(c, {{912, 488}, {964, 486}, {972, 560}, {906, 562}}, 4);
        cairo_new_sub_path(c);
        cairo_arc(c, 938, 462, 15, 0, 2 * kPi);
        RoundedPolygon(c, {{912, 452}, {966, 450}, {950, 444}, {946, 422}, {930, 424}, {926, 446}}, 2);
    };
    sc::Silhouette(canvas, scarecrow, Mix(pal::Ink, Hex(0x2a1c3c), 0.5), pal::Mist.WithAlpha(0.5), 1.4);
    // A gnarled tree in the gap between the HUD and the board.
    sc::Silhouette(
        canvas,
        [](cairo_t* c) {
            sc::BareTree(c, {128, 640}, 400, 0.16, 0x1b0);
        },
        Hex(0x0c0814), pal::Mist.WithAlpha(0.4), 1.4);
    // The patch: pumpkins among their vines and leaves, some carved and lit, the nearest large at the
    // bottom corners.
    sc::Silhouette(
        canvas, [](cairo_t* c) { sc::Hills(c, kW, kH, 650, 16, 260, 0x1a8); }, Hex(0x120c1c),
        pal::Mist.WithAlpha(0.3));
    Vines(canvas, 640, 0x1b1);
    struct Spot {
        double x, y, size;
        bool lit;
    };
    const Spot spots[] = {{250, 652, 0.55, false}, {720, 650, 0.5, false}, {990, 640, 0.6, true},
                          {560, 690, 0.6, false},  {400, 700, 0.55, true}, {170, 740, 1.35, true},
                          {60, 700, 0.9, false},   {880, 745, 1.45, true}, {990, 710, 0.8, false}};
    const Fire unlit{Mix(pal::Ember, pal::Ink, 0.3), Mix(pal::Ember, pal::Ink, 0.5),
                     Mix(pal::Ember, pal::Ink, 0.7)};
    for (const Spot& s : spots) {
        if (s.lit) sc::Halo(cr, {s.x, s.y}, 70 * s.size, pal::LanternAmber.WithAlpha(0.3));
        sc::InTheDark(canvas, s.lit ? 0.2 : 0.6, [&] {
            cairo_save(cr);
            cairo_translate(cr, s.x - 32 * s.size, s.y - 40 * s.size);
            cairo_scale(cr, s.size, s.size);
            Pumpkin(canvas, s.lit ? fire::kWarm : unlit);
            cairo_restore(cr);
        });
    }
    sc::Mist(canvas, 700, 50, pal::Mist, 0.22, 0x1a9);
    sc::Vignette(canvas, 0.5);
    sc::CalmBehindBoard(canvas, 0.3);
    return canvas.ToPixelMap();
}

// --- chapter 2: the lantern lane -----------------------------------------------------------------

platform::PixelMap LanternLane() {
    Canvas canvas(kW, kH);
    cairo_t* cr = canvas.Cr();
    const Point vanish{600, 410};
    sc::Sky(canvas, {{0, Hex(0x03051a)}, {0.3, Hex(0x0e1640)}, {0.55, Hex(0x232c66)}, {0.62, Hex(0x34306c)}});
    sc::Stars(canvas, 0, 380, 220, 0x2b1);
    sc::Moon(canvas, {620, 230}, 44, 1.1);
    sc::Clouds(canvas, 140, 330, 0.4, Hex(0x161c48).WithAlpha(0.85), Hex(0x9aa4dc), 0x2b2);
    // The far end of the lane, then the houses on both sides stepping nearer.
    Street(canvas, 380, 840, vanish.y + 20, 0.45, 0x2b3, Mix(pal::Dusk, pal::NightBlue, 0.5),
           pal::Heather.WithAlpha(0.3), 0.5);
    Cobbles(canvas, vanish.y, vanish.y + 18, Tones{Hex(0x72708e), Hex(0x2c2c48), Hex(0x08091a)}, 0x2b4);
    for (int k = 5; k >= 0; --k) {
        const double s = 1 / (1 + k * 0.55);
        const double ground = vanish.y + (790 - vanish.y) * s;
        const double h = 450 * s, w = 260 * s;
        for (int side : {-1, 1}) {
            const double edge = vanish.x + side * (380 * s + 40 * s);
            const double x = side < 0 ? edge - w : edge;
            const sc::House house{.x = x,
                                  .ground = ground,
                                  .width = w,
                                  .height = h,
                                  .roof = 120 * s,
                                  .lean = side * 0.02 * (k % 2 ? 1 : -1)};
            const double darkness = 0.35 + 0.1 * (5 - k);
            sc::Silhouette(
                canvas, [&](cairo_t* c) { sc::HousePath(c, house); },
                Mix(Mix(pal::Dusk, pal::NightBlue, 0.5), pal::Ink, std::min(1.0, darkness)),
                pal::Mist.WithAlpha(0.35), 1.5 * s + 0.6);
            sc::Windows(canvas,
                        {{x + w * 0.2, ground - h * 0.72, w * 0.18, h * 0.14, (k + side) % 3 != 0},
                         {x + w * 0.6, ground - h * 0.72, w * 0.18, h * 0.14, (k * 7 + side) % 4 != 1},
                         {x + w * 0.2, ground - h * 0.36, w * 0.18, h * 0.14, k % 2 == 0},
                         {x + w * 0.6, ground - h * 0.36, w * 0.18, h * 0.2, true}},
                        fire::kWarm, pal::Ink);
            // A lantern on a bracket over the lane.
            const double lx = side < 0 ? x + w + 22 * s : x - 22 * s, ly = ground - h * 0.55;
            sc::Halo(cr, {lx, ly + 30 * s}, 90 * s, pal::LanternAmber.WithAlpha(0.3));
            cairo_rectangle(cr, std::min(lx, side < 0 ? x + w : x), ly - 2 * s, 24 * s, 3 * s);
            SetSource(cr, pal::Ink);
            cairo_fill(cr);
            cairo_save(cr);
            cairo_translate(cr, lx - 20 * s, ly - 6 * s);
            cairo_scale(cr, 0.65 * s, 0.65 * s);
            Lantern(canvas, fire::kWarm);
            cairo_restore(cr);
        }
    }
    Festoon(canvas, {-20, 18}, {kW + 20, 30}, 48, 0x2b5);
    sc::Mist(canvas, 640, 60, pal::Mist, 0.18, 0x2b6);
    sc::Vignette(canvas, 0.55);
    sc::CalmBehindBoard(canvas, 0.35);
    return canvas.ToPixelMap();
}

// --- chapter 3: the well square ---------------------------------------------------------------------

platform::PixelMap WellSquare() {
    Canvas canvas(kW, kH);
    cairo_t* cr = canvas.Cr();
    const double horizon = 520;
    sc::Sky(canvas, {{0, Hex(0x04061a)}, {0.35, Hex(0x101a42)}, {0.62, Hex(0x2a2a62)}, {0.7, Hex(0x3b3470)}});
    sc::Stars(canvas, 0, horizon - 60, 260, 0x5733);
    sc::Moon(canvas, {930, 92}, 38, 1.1);
    sc::Clouds(canvas, 60, 260, 0.45, Hex(0x1c2250).WithAlpha(0.85), Hex(0x9aa2d8), 0xc10d);
    Street(canvas, -20, kW + 20, horizon + 10, 0.6, 0x3e2, Mix(pal::Dusk, pal::NightBlue, 0.55),
           pal::Heather.WithAlpha(0.3), 0.4);

    // The church on the right, its clock lit.
    const auto church = [horizon](cairo_t* c) {
        cairo_rectangle(c, 860, 250, 86, horizon - 240);
        Polygon(c, {{852, 254}, {954, 254}, {903, 96}});
        cairo_rectangle(c, 780, 380, 170, horizon - 370);
        Polygon(c, {{772, 384}, {958, 384}, {865, 320}});
    };
    sc::Silhouette(canvas, church, Mix(pal::NightDeep, pal::Dusk, 0.35), pal::Mist.WithAlpha(0.45), 1.5);
    sc::Halo(cr, {903, 300}, 46, pal::CandleGold.WithAlpha(0.35));
    cairo_arc(cr, 903, 300, 15, 0, 2 * kPi);
    SetSource(cr, RadialGradient(903, 300, 0, 15, {{0, pal::Moonlight}, {1, pal::CandleGold}}));
    cairo_fill(cr);
    cairo_move_to(cr, 903, 300);
    cairo_line_to(cr, 903, 290);
    cairo_move_to(cr, 903, 300);
    cairo_line_to(cr, 911, 304);
    cairo_set_line_width(cr, 2);
    SetSource(cr, pal::Ink);
    cairo_stroke(cr);
    sc::Windows(canvas, {{815, 420, 12, 22}, {845, 420, 12, 22}, {895, 420, 12, 22}}, fire::kWarm, pal::Ink);

    // Nearer houses round the square, leaving the church in view.
    Street(canvas, -30, 700, horizon + 40, 1, 0x3e5, Mix(pal::Ink, pal::NightDeep, 0.6),
           pal::Mist.WithAlpha(0.35), 0.55);
    Cobbles(canvas, horizon - 20, horizon + 40, Tones{Hex(0x72708e), Hex(0x2c2c48), Hex(0x08091a)}, 0xc0b);
    sc::Mist(canvas, horizon + 50, 40, pal::Mist, 0.3, 0x5e1);

    // The old well in the square, lamp posts about it.
    sc::InTheDark(canvas, 0.45, [&] {
        cairo_save(cr);
        cairo_translate(cr, 872, 596);
        cairo_scale(cr, 2.2, 2.2);
        Well(canvas, nullptr);
        cairo_restore(cr);
    });
    LampPost(canvas, 190, 700, 170, fire::kWarm);
    LampPost(canvas, 790, 680, 160, fire::kWarm);
    sc::Vignette(canvas, 0.55);
    sc::CalmBehindBoard(canvas, 0.35);
    return canvas.ToPixelMap();
}

// --- the ending: dawn over the village --------------------------------------------------------------

platform::PixelMap Dawn() {
    Canvas canvas(kW, kH);
    cairo_t* cr = canvas.Cr();
    sc::Sky(canvas, {{0, Hex(0x1c2a5a)},
                     {0.3, Hex(0x5a5a9a)},
                     {0.48, Hex(0xd88a9a)},
                     {0.6, Hex(0xffc890)},
                     {0.66, Hex(0xffe8b0)}});
    sc::Stars(canvas, 0, 160, 40, 0xd01, 0.5);
    // The sun just clearing the far hills on the right, soft rays fanning up into the sky.
    const Point sun{840, 468};
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, kW, sun.y);
    cairo_clip(cr);
    cairo_translate(cr, sun.x, sun.y);
    for (int i = 0; i < 12; ++i) {
        cairo_save(cr);
        cairo_rotate(cr, -kPi / 2 + (i - 5.5) * kPi / 11);
        cairo_move_to(cr, 0, 0);
        cairo_line_to(cr, 1000, -(i % 2 ? 22 : 40));
        cairo_line_to(cr, 1000, i % 2 ? 22 : 40);
        cairo_close_path(cr);
        cairo_restore(cr);
    }
    cairo_restore(cr);
    SetSource(cr, RadialGradient(sun.x, sun.y, 40, 760,
                                 {{0, Hex(0xfff0c8).WithAlpha(0.16)}, {1, Hex(0xfff0c8).WithAlpha(0)}}));
    cairo_fill(cr);
    sc::Halo(cr, sun, 300, Hex(0xfff4d0).WithAlpha(0.55));
    cairo_arc(cr, sun.x, sun.y, 42, 0, 2 * kPi);
    SetSource(cr, RadialGradient(sun.x, sun.y, 0, 42, {{0, Hex(0xffffff)}, {1, Hex(0xffe6a0)}}));
    cairo_fill(cr);
    sc::Clouds(canvas, 140, 400, 0.35, Hex(0x9a6a9a).WithAlpha(0.7), Hex(0xffe0b0), 0xd02, 4);
    // Hills in layers, paler with distance; the village on the middle ridge, golden mist in the valleys.
    sc::Silhouette(
        canvas, [](cairo_t* c) { sc::Hills(c, kW, kH, 490, 30, 460, 0xd03); }, Hex(0xb88aa0),
        Hex(0xffe0b0).WithAlpha(0.5), 1.5);
    sc::Mist(canvas, 505, 40, Hex(0xffe8c0), 0.5, 0xd04);
    Street(canvas, 520, 780, 536, 0.32, 0xd0c, Hex(0x8a6a8a), Hex(0xffd8a0).WithAlpha(0.4), 0.1);
    Street(canvas, 260, 720, 566, 0.48, 0xd05, Hex(0x6a4a6a), Hex(0xffd8a0).WithAlpha(0.45), 0.15);
    sc::Silhouette(
        canvas, [](cairo_t* c) { sc::Hills(c, kW, kH, 578, 22, 340, 0xd06); }, Hex(0x5a3e5e),
        Hex(0xffd8a0).WithAlpha(0.45), 1.5);
    sc::Mist(canvas, 600, 46, Hex(0xffe8c0), 0.4, 0xd07);
    const auto near = [](cairo_t* c) {
        sc::Hills(c, kW, kH, 690, 30, 300, 0xd08);
        sc::BareTree(c, {150, 700}, 300, 0.1, 0xd09);
        sc::Grass(c, 704, -10, kW + 10, 22, 0xd0a);
    };
    sc::Silhouette(canvas, near, Hex(0x2e1e34), Hex(0xffd8a0).WithAlpha(0.5), 1.6);
    // Birds in the morning sky.
    Random random(0xd0b);
    for (int i = 0; i < 7; ++i) {
        const Point at{random.Range(560, 980), random.Range(120, 300)};
        const double s = random.Range(6, 11);
        cairo_move_to(cr, at.x - s, at.y - s * 0.3);
        cairo_curve_to(cr, at.x - s * 0.5, at.y - s * 0.6, at.x - s * 0.2, at.y - s * 0.3, at.x, at.y);
        cairo_curve_to(cr, at.x + s * 0.2, at.y - s * 0.3, at.x + s * 0.5, at.y - s * 0.6, at.x + s,
                       at.y - s * 0.3);
        cairo_set_line_width(cr, 1.6);
        SetSource(cr, Hex(0x3a2840));
        cairo_stroke(cr);
    }
    sc::Vignette(canvas, 0.35);
    sc::CalmBehindBoard(canvas, 0.2);
    return canvas.ToPixelMap();
}

const GroupRegistration kVillage(scenery::BackdropGroup("village",
                                                        {
                                                            {"graphics/Backgrounds/bg1.jpg", PumpkinPatch},
                                                            {"graphics/Backgrounds/bg2.jpg", LanternLane},
                                                            {"graphics/Backgrounds/bg3.jpg", WellSquare},
                                                            {"graphics/Backgrounds/bg11.jpg", Dawn},
                                                        }));

}  // namespace
}  // namespace assetgen
