// The level backgrounds beyond the village, where the night grows darker and stranger: the churchyard
// (chapter 4, "bg4"), the whispering woods ("bg6", also behind the credits), the old asylum on the hill
// in a storm ("bg7"), the marsh of will-o'-the-wisps ("bg8") and the witch's tower ("bg9").
// Each is 1024 x 768 with its landmarks kept clear of the board, like the village scenes.

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

// A will-o'-the-wisp or a firefly: a bright core in a wide soft halo.
void Wisp(cairo_t* cr, Point at, double size, Colour colour) {
    sc::Halo(cr, at, size * 6, colour.WithAlpha(0.3));
    sc::Halo(cr, at, size * 2, colour.WithAlpha(0.8));
    sc::Halo(cr, at, size * 0.8, pal::Moonlight);
}

// Eyes shining out of the dark.
void Eyes(cairo_t* cr, Point at, double size, Colour colour) {
    for (int side : {-1, 1}) {
        const Point eye{at.x + side * size * 1.6, at.y};
        sc::Halo(cr, eye, size * 3, colour.WithAlpha(0.35));
        Ellipse(cr, eye.x, eye.y, size, size * 0.55, side * 0.2);
        SetSource(cr, colour);
        cairo_fill(cr);
    }
}

// --- chapter 4: the churchyard --------------------------------------------------------------------

platform::PixelMap Churchyard() {
    Canvas canvas(kW, kH);
    cairo_t* cr = canvas.Cr();
    sc::Sky(canvas, {{0, Hex(0x030812)}, {0.35, Hex(0x0c1a34)}, {0.6, Hex(0x1e3450)}, {0.72, Hex(0x2c4458)}});
    sc::Stars(canvas, 0, 420, 240, 0x4c1);
    sc::Moon(canvas, {900, 118}, 44, 1.2, 0.55);
    sc::Clouds(canvas, 40, 300, 0.5, Hex(0x0e1a30).WithAlpha(0.9), Hex(0x8ab0c8), 0x4c2, 3.5);
    // The church beyond the graves, one window lit.
    const auto church = [](cairo_t* c) {
        cairo_rectangle(c, 700, 300, 110, 200);
        Polygon(c, {{690, 304}, {820, 304}, {755, 160}});
        Polygon(c, {{751, 160}, {759, 160}, {759, 120}, {751, 120}});
        Polygon(c, {{742, 136}, {768, 136}, {768, 142}, {742, 142}});
        cairo_rectangle(c, 800, 380, 230, 120);
        Polygon(c, {{792, 384}, {1040, 384}, {1040, 330}, {830, 330}});
    };
    sc::Silhouette(canvas, church, Mix(pal::NightDeep, Hex(0x1e3040), 0.4), Hex(0x9ac0d0).WithAlpha(0.45),
                   1.5);
    sc::Windows(canvas, {{740, 360, 14, 30}, {880, 420, 12, 24}, {940, 420, 12, 24, false}}, fire::kWarm,
                pal::Ink);
    // The yew by the gate, and the far row of stones.
    sc::Silhouette(
        canvas, [](cairo_t* c) { sc::Hills(c, kW, kH, 510, 16, 400, 0x4c3); }, Hex(0x142030),
        Hex(0x9ac0d0).WithAlpha(0.3));
    const auto farStones = [](cairo_t* c) {
        Random random(0x4c4);
        for (double x = 20; x < kW; x += random.Range(30, 60)) {
            sc::Headstone(c, {x, 514 + random.Range(-4, 4)}, random.Range(14, 20), random.Range(20, 34),
                          static_cast<int>(random.Next() % 3), random.Range(-0.15, 0.15));
        }
    };
    sc::Silhouette(canvas, farStones, Hex(0x1a2836), Hex(0x9ac0d0).WithAlpha(0.45), 1);
    sc::Mist(canvas, 520, 46, Hex(0xa8c8d8), 0.45, 0x4c5);
    const auto near = [](cairo_t* c) {
        Random random(0x4cc);
        sc::Hills(c, kW, kH, 640, 22, 300, 0x4c6);
        sc::Conifer(c, {90, 650}, 380, 150, 0x4c7);
        sc::Conifer(c, {960, 660}, 300, 130, 0x4c8);
        sc::BareTree(c, {250, 650}, 300, 0.1, 0x4c9);
        for (double x = 140; x < kW; x += random.Range(70, 120)) {
            sc::Headstone(c, {x, 650 + random.Range(-4, 8)}, random.Range(26, 40), random.Range(40, 70),
                          static_cast<int>(random.Next() % 3), random.Range(-0.2, 0.2));
        }
        sc::Fence(c, 760, -10, kW + 10, 70, 0x4ca);
    };
    sc::Silhouette(canvas, near, Hex(0x04080e), Hex(0x9ac0d0).WithAlpha(0.5), 1.5);
    // Crows on the branches and a lantern left at a grave.
    Random random(0x4cd);
    for (int i = 0; i < 3; ++i)
        sc::Bat(cr, {random.Range(800, 990), random.Range(200, 300)}, random.Range(18, 24),
                random.Range(-0.5, 1));
    SetSource(cr, pal::Ink);
    cairo_fill(cr);
    sc::Halo(cr, {866, 700}, 90, pal::LanternAmber.WithAlpha(0.35));
    cairo_save(cr);
    cairo_translate(cr, 850, 672);
    cairo_scale(cr, 0.55, 0.55);
    Lantern(canvas, fire::kWarm);
    cairo_restore(cr);
    sc::Mist(canvas, 690, 60, Hex(0xa8c8d8), 0.35, 0x4cb);
    sc::Vignette(canvas, 0.6);
    sc::CalmBehindBoard(canvas, 0.35);
    return canvas.ToPixelMap();
}

// --- chapter 6: the whispering woods ------------------------------------------------------------------

platform::PixelMap Woods() {
    Canvas canvas(kW, kH);
    cairo_t* cr = canvas.Cr();
    sc::Sky(canvas, {{0, Hex(0x020a10)}, {0.4, Hex(0x0a2228)}, {0.7, Hex(0x163a3c)}, {1, Hex(0x0a1a1c)}});
    sc::Stars(canvas, 0, 300, 120, 0x6d1, 0.7);
    sc::Moon(canvas, {860, 130}, 50, 1.3);
    // Trees in layers, each paler and mistier with distance.
    const Colour layers[] = {Hex(0x2a4a50), Hex(0x1a3238), Hex(0x0e2024), Hex(0x040a0c)};
    for (int layer = 0; layer < 4; ++layer) {
        const double ground = 520 + layer * 70, scale = 0.45 + layer * 0.3;
        const auto trees = [&](cairo_t* c) {
            Random random(0x6e0 + layer);
            sc::Hills(c, kW, kH, ground, 14, 300, 0x6d3 + layer);
            for (double x = random.Range(-40, 20); x < kW + 40; x += random.Range(70, 150) * scale) {
                if (layer == 3 && x > 250 && x < 820) continue;  // the path through the near trees
                sc::BareTree(c, {x, ground + 6}, random.Range(260, 380) * scale, random.Range(-0.15, 0.15),
                             random.Next());
            }
        };
        sc::Silhouette(canvas, trees, layers[layer], Hex(0x9adcd0).WithAlpha(0.2 + layer * 0.1),
                       1 + layer * 0.3);
        if (layer < 3) sc::Mist(canvas, ground - 10, 50, Hex(0x9adcd0), 0.35 - layer * 0.06, 0x6d7 + layer);
    }
    // Eyes watching from the dark, and fireflies.
    Random random(0x6d2);
    Eyes(cr, {80, 560}, 4, Hex(0xd8f060));
    Eyes(cr, {960, 610}, 5, Hex(0xffc040));
    Eyes(cr, {200, 700}, 3.5, Hex(0xd8f060));
    for (int i = 0; i < 22; ++i)
        Wisp(cr, {random.Range(0, kW), random.Range(300, 740)}, random.Range(1.2, 2.2), Hex(0xd8f070));
    sc::Vignette(canvas, 0.65);
    sc::CalmBehindBoard(canvas, 0.35);
    return canvas.ToPixelMap();
}

// --- chapter 7: the old asylum on the hill ---------------------------------------------------------

void LightningBolt(cairo_t* cr, Point from, Point to, uint32_t seed) {
    Random random(seed);
    std::vector<Point> line{from};
    for (int i = 1; i < 12; ++i) {
        const Point p = Lerp(from, to, i / 12.0);
        line.push_back({p.x + random.Range(-22, 22), p.y});
    }
    line.push_back(to);
    for (double width : {10.0, 4.0, 1.8}) {
        cairo_move_to(cr, from.x, from.y);
        for (const Point& p : line) cairo_line_to(cr, p.x, p.y);
        cairo_set_line_width(cr, width);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        SetSource(cr, width > 5   ? pal::Heather.WithAlpha(0.25)
                      : width > 2 ? Hex(0xd8d0ff).WithAlpha(0.6)
                                  : pal::Moonlight);
        cairo_stroke(cr);
    }
}

platform::PixelMap Asylum() {
    Canvas canvas(kW, kH);
    cairo_t* cr = canvas.Cr();
    sc::Sky(canvas, {{0, Hex(0x0a0612)}, {0.35, Hex(0x2a1838)}, {0.6, Hex(0x4a2c58)}, {0.75, Hex(0x3a2444)}});
    sc::Clouds(canvas, 0, 420, 0.7, Hex(0x1a1024).WithAlpha(0.95), Hex(0xc8a8e8), 0x7e1, 2.5);
    // A flash behind the clouds and the bolt that made it.
    sc::Halo(cr, {930, 200}, 260, Hex(0xc8b8ff).WithAlpha(0.3));
    LightningBolt(cr, {960, 0}, {900, 420}, 0x7e2);
    // The hill and the asylum on it: a long wing, towers, a few sickly lit windows.
    const auto hill = [](cairo_t* c) { sc::Hills(c, kW, kH, 470, 60, 600, 0x7e3); };
    sc::Silhouette(canvas, hill, Hex(0x120a18), Hex(0xc8a8e8).WithAlpha(0.4), 1.2);
    const auto asylum = [](cairo_t* c) {
        cairo_rectangle(c, 560, 300, 420, 150);
        for (double x : {560.0, 700.0, 840.0}) Polygon(c, {{x - 6, 304}, {x + 146, 304}, {x + 70, 262}});
        cairo_rectangle(c, 620, 200, 70, 110);
        Polygon(c, {{612, 204}, {698, 204}, {655, 120}});
        cairo_rectangle(c, 900, 230, 60, 80);
        Polygon(c, {{894, 234}, {966, 234}, {930, 170}});
        cairo_rectangle(c, 760, 250, 14, 60);
    };
    sc::Silhouette(canvas, asylum, Hex(0x0c0612), Hex(0xc8a8e8).WithAlpha(0.55), 1.4);
    std::vector<sc::Window> windows;
    Random random(0x7e4);
    for (int row = 0; row < 2; ++row) {
        for (double x = 580; x < 960; x += 32)
            windows.push_back({x, 330.0 + row * 50, 12, 22, random.Uniform() < 0.18});
    }
    windows.push_back({645, 230, 16, 26, true});
    const Fire sickly{Hex(0xf8ffd8), Hex(0xc8e060), Hex(0x6a8a20)};
    sc::Windows(canvas, windows, sickly, pal::Ink);
    // Dead trees and the gate in front; rain over everything.
    const auto near = [](cairo_t* c) {
        sc::Hills(c, kW, kH, 660, 24, 300, 0x7e5);
        sc::BareTree(c, {110, 670}, 420, 0.12, 0x7e6);
        sc::BareTree(c, {990, 680}, 300, -0.15, 0x7e7);
        sc::Fence(c, 690, 380, kW + 10, 90, 0x7e8);
    };
    sc::Silhouette(canvas, near, Hex(0x050308), Hex(0xc8a8e8).WithAlpha(0.45), 1.5);
    cairo_set_line_width(cr, 1);
    for (int i = 0; i < 420; ++i) {
        const double x = random.Range(-100, kW), y = random.Range(-40, kH), length = random.Range(14, 30);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + length * 0.3, y + length);
        SetSource(cr, Hex(0xc8c0e8).WithAlpha(random.Range(0.08, 0.22)));
        cairo_stroke(cr);
    }
    sc::Vignette(canvas, 0.65);
    sc::CalmBehindBoard(canvas, 0.35);
    return canvas.ToPixelMap();
}

// --- chapter 8: the marsh ----------------------------------------------------------------------

platform::PixelMap Marsh() {
    Canvas canvas(kW, kH);
    cairo_t* cr = canvas.Cr();
    constexpr double water = 500;
    // Everything above the water is drawn, then mirrored into it darker and rippled.
    const auto above = [&](Canvas& c) {
        sc::Sky(c, {{0, Hex(0x040c0c)},
                    {0.4, Hex(0x10262a)},
                    {0.64, Hex(0x2a4a40)},
                    {0.66, Hex(0x2a4a40)},
                    {1, Hex(0x0a1a18)}});
        sc::Stars(c, 0, 380, 160, 0x8f1, 0.7);
        sc::Moon(c, {880, 150}, 40, 1.2);
        cairo_t* x = c.Cr();
        sc::Halo(x, {880, 150}, 50, Hex(0xc8f0b0).WithAlpha(0.25));
        sc::Clouds(c, 80, 300, 0.4, Hex(0x0e2220).WithAlpha(0.85), Hex(0xa8d8b8), 0x8f2, 4);
        const auto far = [](cairo_t* d) {
            sc::Hills(d, kW, kH, water - 6, 8, 260, 0x8f3);
            Random r(0x8f4);
            for (double px = 30; px < kW; px += r.Range(80, 200))
                sc::BareTree(d, {px, water - 4}, r.Range(90, 170), r.Range(-0.2, 0.2), r.Next());
        };
        sc::Silhouette(c, far, Hex(0x142a26), Hex(0xa8d8b8).WithAlpha(0.3), 1);
    };
    above(canvas);
    cairo_save(cr);
    cairo_rectangle(cr, 0, water, kW, kH - water);
    cairo_clip(cr);
    {
        Canvas mirror(kW, kH);
        above(mirror);
        const Surface reflection = ToSurface(mirror.ToPixelMap());
        // Each row of the water shows the row as far above the waterline, shifted by a ripple.
        for (int y = static_cast<int>(water); y < kH; ++y) {
            const double source = 2 * water - y;
            const double shift =
                std::sin(y * 0.35) * (y - water) * 0.02 + (Fbm(0, y / 6.0, 2, 0x8f5) - 0.5) * 6;
            cairo_save(cr);
            cairo_rectangle(cr, 0, y, kW, 1);
            cairo_clip(cr);
            cairo_set_source_surface(cr, reflection.get(), shift, y - source);
            cairo_paint_with_alpha(cr, 0.55);
            cairo_restore(cr);
        }
    }
    cairo_rectangle(cr, 0, water, kW, kH - water);
    SetSource(cr, LinearGradient(0, water, 0, kH,
                                 {{0, Hex(0x0a1a18).WithAlpha(0.35)}, {1, Hex(0x020806).WithAlpha(0.8)}}));
    cairo_fill(cr);
    cairo_restore(cr);
    sc::Mist(canvas, water, 50, Hex(0xb8e0c8), 0.5, 0x8f6);
    // Reeds and dead trees on the near banks, hung with moss.
    Random random(0x8f7);
    const auto near = [](cairo_t* c) {
        Polygon(c, {{-10, 640}, {260, 660}, {340, 700}, {360, kH + 10}, {-10, kH + 10}});
        Polygon(c, {{kW + 10, 600}, {860, 630}, {760, 700}, {700, kH + 10}, {kW + 10, kH + 10}});
        sc::BareTree(c, {120, 660}, 400, 0.15, 0x8f8);
        sc::BareTree(c, {930, 620}, 360, -0.1, 0x8f9);
        sc::Grass(c, 660, -10, 330, 60, 0x8fa);
        sc::Grass(c, 640, 720, kW + 10, 70, 0x8fb);
    };
    sc::Silhouette(canvas, near, Hex(0x020806), Hex(0xa8d8b8).WithAlpha(0.4), 1.4);
    // Will-o'-the-wisps over the water, each with its reflection.
    const Colour wisp = Hex(0x7af0d0);
    for (int i = 0; i < 9; ++i) {
        const Point at{random.Range(180, 980), random.Range(420, 560)};
        Wisp(cr, at, random.Range(2.5, 4), wisp);
        if (at.y < water) sc::Halo(cr, {at.x, 2 * water - at.y}, 10, wisp.WithAlpha(0.35));
    }
    sc::Vignette(canvas, 0.65);
    sc::CalmBehindBoard(canvas, 0.35);
    return canvas.ToPixelMap();
}

// --- chapter 9: the witch's tower ----------------------------------------------------------------

// A spider's web spanning a corner: spokes from the corner and threads strung between them.
void Web(cairo_t* cr, Point corner, double size, double angle0, double angle1, uint32_t seed) {
    Random random(seed);
    const int spokes = 7;
    std::vector<double> angles;
    for (int i = 0; i < spokes; ++i) angles.push_back(angle0 + (angle1 - angle0) * i / (spokes - 1));
    cairo_set_line_width(cr, 1);
    SetSource(cr, pal::Mist.WithAlpha(0.45));
    for (double a : angles) {
        cairo_move_to(cr, corner.x, corner.y);
        cairo_line_to(cr, corner.x + std::cos(a) * size, corner.y + std::sin(a) * size);
    }
    cairo_stroke(cr);
    for (double r = size * 0.12; r < size; r += size * random.Range(0.08, 0.12)) {
        for (int i = 0; i + 1 < spokes; ++i) {
            const Point a{corner.x + std::cos(angles[i]) * r, corner.y + std::sin(angles[i]) * r};
            const Point b{corner.x + std::cos(angles[i + 1]) * r, corner.y + std::sin(angles[i + 1]) * r};
            const Point mid = Lerp(a, b, 0.5);
            const Point sag{mid.x + (corner.x - mid.x) * 0.08, mid.y + (corner.y - mid.y) * 0.08};
            cairo_move_to(cr, a.x, a.y);
            cairo_curve_to(cr, sag.x, sag.y, sag.x, sag.y, b.x, b.y);
        }
    }
    cairo_set_line_width(cr, 0.8);
    SetSource(cr, pal::Mist.WithAlpha(0.35));
    cairo_stroke(cr);
}

platform::PixelMap Tower() {
    Canvas canvas(kW, kH);
    cairo_t* cr = canvas.Cr();
    sc::Sky(canvas, {{0, Hex(0x10041a)}, {0.35, Hex(0x30104a)}, {0.6, Hex(0x5a1c6a)}, {0.75, Hex(0x6a2a5a)}});
    // A sky that swirls about the tower's top.
    cairo_rectangle(cr, 0, 0, kW, 520);
    SetSource(cr, PixelPattern(kW, 520, [](double x, double y) {
                  const double dx = x - 860, dy = y - 120, r = std::hypot(dx, dy), a = std::atan2(dy, dx);
                  const double swirl = Fbm(r / 90 + std::cos(a + r / 120) * 0.8, a * 1.5 + r / 200, 3, 0x9a1);
                  return Hex(0xd878d0).WithAlpha(std::max(0.0, swirl - 0.55) * 0.9 * std::exp(-r / 700));
              }));
    cairo_fill(cr);
    sc::Stars(canvas, 0, 460, 200, 0x9a2);
    sc::Moon(canvas, {180, 110}, 30, 0.9, 0.7);
    // The crag and the crooked tower on it.
    const auto crag = [](cairo_t* c) {
        Polygon(c, {{700, kH + 10},
                    {740, 560},
                    {780, 500},
                    {830, 470},
                    {930, 460},
                    {980, 500},
                    {1000, 560},
                    {kW + 10, 600},
                    {kW + 10, kH + 10}});
        // The tower leans, narrowing upwards, with a pointed hat of a roof.
        Polygon(c, {{812, 476}, {904, 476}, {896, 250}, {878, 160}, {832, 162}, {820, 250}});
        Polygon(c, {{812, 170}, {900, 166}, {874, 120}, {862, 60}, {880, 30}, {846, 70}, {838, 120}});
        Polygon(c, {{896, 330}, {950, 320}, {946, 340}, {896, 352}});
    };
    sc::Silhouette(canvas, crag, Hex(0x0a0410), Hex(0xe898e0).WithAlpha(0.5), 1.5);
    const Fire magenta{Hex(0xfff0ff), Hex(0xff70e0), Hex(0xa020c0)};
    sc::Windows(canvas, {{846, 200, 16, 26}, {852, 300, 14, 22}, {838, 390, 14, 22, false}}, magenta,
                pal::Ink);
    // The cauldron bubbling green at the tower's foot.
    sc::Halo(cr, {760, 600}, 120, Hex(0x80ff80).WithAlpha(0.3));
    const auto cauldron = [](cairo_t* c) {
        cairo_move_to(c, 718, 580);
        cairo_curve_to(c, 712, 630, 808, 630, 802, 580);
        cairo_close_path(c);
        RoundedRect(c, 712, 574, 96, 10, 4);
        Polygon(c, {{724, 618}, {732, 618}, {726, 640}});
        Polygon(c, {{788, 618}, {796, 618}, {794, 640}});
    };
    sc::Silhouette(canvas, cauldron, pal::Ink, Hex(0x80ff80).WithAlpha(0.5), 1.5);
    Ellipse(cr, 760, 578, 42, 5);
    SetSource(cr, RadialGradient(760, 578, 0, 42, {{0, Hex(0xe8ffd8)}, {1, Hex(0x40c040)}}));
    cairo_fill(cr);
    Random random(0x9a3);
    for (int i = 0; i < 8; ++i) {
        const Point b{760 + random.Range(-30, 30), 570 - random.Range(0, 60)};
        cairo_arc(cr, b.x, b.y, random.Range(2, 5), 0, 2 * kPi);
        SetSource(cr, Hex(0xb8ffb0).WithAlpha(random.Range(0.3, 0.7)));
        cairo_fill(cr);
    }
    // The near ground, gnarled trees, and webs in the top corners.
    const auto near = [](cairo_t* c) {
        sc::Hills(c, kW, kH, 690, 24, 280, 0x9a4);
        sc::BareTree(c, {80, 700}, 440, 0.18, 0x9a5);
    };
    sc::Silhouette(canvas, near, Hex(0x06020a), Hex(0xe898e0).WithAlpha(0.4), 1.5);
    Web(cr, {0, 0}, 230, 0, kPi / 2, 0x9a6);
    Web(cr, {kW, 0}, 180, kPi / 2, kPi, 0x9a7);
    for (int i = 0; i < 6; ++i)
        sc::Bat(cr, {random.Range(620, 1000), random.Range(60, 260)}, random.Range(14, 24),
                random.Range(-1, 1));
    SetSource(cr, pal::Ink);
    cairo_fill(cr);
    sc::Vignette(canvas, 0.65);
    sc::CalmBehindBoard(canvas, 0.38);
    return canvas.ToPixelMap();
}

const GroupRegistration kWilds(scenery::BackdropGroup("wilds",
                                                      {
                                                          {"graphics/Backgrounds/bg4.jpg", Churchyard},
                                                          {"graphics/Backgrounds/bg6.jpg", Woods},
                                                          {"graphics/Backgrounds/bg7.jpg", Asylum},
                                                          {"graphics/Backgrounds/bg8.jpg", Marsh},
                                                          {"graphics/Backgrounds/bg9.jpg", Tower},
                                                      }));

}  // namespace
}  // namespace assetgen
