// The particles of the board's effects, all in "Particles/" and drawn mid-handled (turned and scaled about
// their middle). Lights are bright in the middle and fade to nothing at their edges, so that they work
// drawn plainly or added as light.
//
// Strips: "fireballanim" and "blurefireanim" are 8 cells of 64 x 64 in one row, a flickering loop.
// Effects the game does not name a picture for, and what they use (new names chosen here):
//   rock crack, small stone pieces: "stonechip1", "stonechip2" (with "Sparkle");
//   goal done: "goalstar";  a power-up charged: "chargeburst" (a ring of sparks);
//   the crystal's burst: "crystalshard";  the shop's purchase sparkle: "ClauSparkleFull";
//   the lightning power-up's strike: "lightningstrike", 96 x 416, its handle at the strike point (48, 400);
//   the gauge's gold sparkle: "sparklegold".

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
#include "tools/assetgen/Shading.h"
#include "tools/assetgen/Shapes.h"
#include "tools/assetgen/StyleKit.h"

namespace assetgen {
namespace {

namespace pal = palette;
constexpr double kPi = std::numbers::pi;

const Strip kFireAnim{"graphics/Particles/fireballanim.png",
                      {.cellWidth = 64, .cellHeight = 64, .frames = 8}};
const Strip kBlueFireAnim{"graphics/Particles/blurefireanim.png",
                          {.cellWidth = 64, .cellHeight = 64, .frames = 8}};

const Tones kRock{Hex(0xeae4ee), Hex(0x9d96aa), Hex(0x332e40)};
const Fire kEmber{Hex(0xfff4c8), Hex(0xff7a24), Hex(0xb01c08)};

std::string PathOf(const std::string& name) {
    return "graphics/Particles/" + name + ".png";
}

Point Middle(const Canvas& canvas) {
    return {canvas.Width() / 2.0, canvas.Height() / 2.0};
}

void Disc(cairo_t* cr, Point c, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, c.x, c.y, r, 0, 2 * kPi);
}

// A soft round light: colour at the middle, gone at the radius.
void Glow(cairo_t* cr, Point c, double r, Colour inner, Colour outer) {
    Disc(cr, c, r);
    SetSource(cr, RadialGradient(c.x, c.y, 0, r, {{0, inner}, {0.4, outer}, {1, outer.WithAlpha(0)}}));
    cairo_fill(cr);
}

// A star of thin rays with a bright core: the sparkles.
void Sparkle(Canvas& canvas, int rays, Colour core, Colour tint, double rayLength, double rayWidth) {
    cairo_t* cr = canvas.Cr();
    const Point c = Middle(canvas);
    Glow(cr, c, rayLength * 0.6, tint.WithAlpha(0.7), tint.WithAlpha(0.25));
    for (int i = 0; i < rays; ++i) {
        const double a = i * 2 * kPi / rays, length = i % 2 && rays > 4 ? rayLength * 0.6 : rayLength;
        cairo_save(cr);
        cairo_translate(cr, c.x, c.y);
        cairo_rotate(cr, a);
        cairo_move_to(cr, 0, -length);
        cairo_curve_to(cr, rayWidth * 0.3, -length * 0.3, rayWidth, -rayWidth, 0, 0);
        cairo_curve_to(cr, -rayWidth, -rayWidth, -rayWidth * 0.3, -length * 0.3, 0, -length);
        cairo_restore(cr);
        SetSource(cr, RadialGradient(c.x, c.y, 0, length, {{0, core}, {0.5, tint}, {1, tint.WithAlpha(0)}}));
        cairo_fill(cr);
    }
    Glow(cr, c, rayLength * 0.25, core, core.WithAlpha(0.8));
}

// A ring of light of the picture's size.
void LightRing(Canvas& canvas, Colour colour, double thickness) {
    cairo_t* cr = canvas.Cr();
    const Point c = Middle(canvas);
    const double outer = c.x - 2, r = outer - thickness * 1.6;
    Disc(cr, c, outer);
    SetSource(cr, RadialGradient(c.x, c.y, 0, outer,
                                 {{0, colour.WithAlpha(0)},
                                  {(r - thickness * 1.5) / outer, colour.WithAlpha(0.08)},
                                  {(r - thickness * 0.3) / outer, colour.WithAlpha(0.75)},
                                  {r / outer, pal::Moonlight.WithAlpha(0.95)},
                                  {(r + thickness * 0.4) / outer, colour.WithAlpha(0.7)},
                                  {1, colour.WithAlpha(0)}}));
    cairo_fill(cr);
}

// A chunk of broken stone or tile: an irregular facet-cut shard.
void Shard(Canvas& canvas, uint32_t seed, const Tones& tones, int corners) {
    Random random(seed);
    const Point c = Middle(canvas);
    const double r = c.x * 0.8;
    std::vector<Point> outline;
    for (int i = 0; i < corners; ++i) {
        const double a = 2 * kPi * i / corners + random.Range(-0.3, 0.3);
        const double d = r * random.Range(0.65, 1);
        outline.push_back({c.x + d * std::sin(a), c.y - d * std::cos(a)});
    }
    const Point table{c.x + random.Range(-1.5, 1.5), c.y + random.Range(-1.5, 1.5)};
    FacetedStone(
        canvas,
        {.outline = outline, .silhouette = {}, .centre = table, .table = 0.35, .slope = 1.2, .sparkle = seed},
        tones);
}

// Dust: a few soft lumps of cloud.
void Dust(Canvas& canvas, uint32_t seed) {
    cairo_t* cr = canvas.Cr();
    const Point c = Middle(canvas);
    Random random(seed);
    for (int i = 0; i < 7; ++i) {
        const Point at{c.x + random.Range(-0.3, 0.3) * c.x, c.y + random.Range(-0.3, 0.3) * c.y};
        const double r = c.x * random.Range(0.35, 0.6);
        Glow(cr, at, r, Hex(0xcfc6d8).WithAlpha(0.45), Hex(0x8a8098).WithAlpha(0.35));
    }
}

// A fireball: a hot core wrapped in seven tongues of flame that swirl about it. turn 0 … 1 carries each
// tongue to where the next one was, and their flicker follows where they point, so the turn loops.
void Fireball(Canvas& canvas, const Fire& fire, double turn, double size) {
    cairo_t* cr = canvas.Cr();
    const Point c = Middle(canvas);
    const double r = size;
    Glow(cr, c, r * 1.75, fire.halo.WithAlpha(0.5), fire.halo.WithAlpha(0.22));
    for (int layer = 0; layer < 2; ++layer) {
        for (int i = 0; i < 7; ++i) {
            const double a = (i + turn + layer * 0.5) * 2 * kPi / 7;
            const double length =
                r * (layer ? 1.05 : 1.4) * (1 + 0.15 * std::sin(3 * a) + 0.08 * std::sin(4 * kPi * turn));
            const double width = r * (layer ? 0.38 : 0.5);
            cairo_save(cr);
            cairo_translate(cr, c.x, c.y);
            cairo_rotate(cr, a);
            // A tongue leaves the core, bends with the spin and narrows to a curled tip.
            cairo_move_to(cr, -width, 0);
            cairo_curve_to(cr, -width * 0.9, -length * 0.5, length * 0.1, -length * 0.75, length * 0.35,
                           -length);
            cairo_curve_to(cr, length * 0.15, -length * 0.5, width * 0.8, -length * 0.3, width, 0);
            cairo_close_path(cr);
            cairo_restore(cr);
            SetSource(cr, RadialGradient(c.x, c.y, 0, length * 1.05,
                                         {{0, layer ? fire.core : fire.flame},
                                          {0.55, layer ? fire.flame : fire.halo},
                                          {1, fire.halo.WithAlpha(0)}}));
            cairo_fill(cr);
        }
    }
    Glow(cr, c, r * 0.55, fire.core, fire.core.WithAlpha(0.8));
}

// A crooked bolt of lightning down the picture, from its top to the strike point.
void Bolt(Canvas& canvas, Point from, Point to, uint32_t seed, double width, int forks) {
    cairo_t* cr = canvas.Cr();
    Random random(seed);
    std::vector<Point> line{from};
    const int steps = 14;
    for (int i = 1; i < steps; ++i) {
        const Point p = Lerp(from, to, static_cast<double>(i) / steps);
        line.push_back({p.x + random.Range(-1, 1) * width * 4, p.y});
    }
    line.push_back(to);
    const auto stroke = [&](double w, Colour colour) {
        cairo_move_to(cr, line[0].x, line[0].y);
        for (const Point& p : line) cairo_line_to(cr, p.x, p.y);
        cairo_set_line_width(cr, w);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        SetSource(cr, colour);
        cairo_stroke(cr);
    };
    stroke(width * 5, pal::Violet.WithAlpha(0.25));
    stroke(width * 2.5, pal::Heather.WithAlpha(0.55));
    stroke(width, pal::Moonlight);
    // Forks off the main bolt.
    for (int k = 0; k < forks; ++k) {
        const Point start = line[3 + k * 3];
        Point at = start;
        cairo_move_to(cr, at.x, at.y);
        for (int i = 0; i < 3; ++i) {
            at = {at.x + random.Range(-1, 1) * width * 6, at.y + random.Range(4, 9) * width};
            cairo_line_to(cr, at.x, at.y);
        }
        cairo_set_line_width(cr, width * 0.6);
        SetSource(cr, pal::Moonlight.WithAlpha(0.7));
        cairo_stroke(cr);
    }
}

struct Particle {
    const char* name;
    int width, height;
    std::function<void(Canvas&)> draw;
};

const Fire kSpiritBlue{Hex(0xf0fbff), Hex(0x6ab8ff), Hex(0x3a4cf0)};

const std::vector<Particle> kParticles = {
    {"ClauSparkle", 32, 32, [](Canvas& c) { Sparkle(c, 4, pal::Moonlight, Hex(0xb8d4ff), 15, 2.6); }},
    {"Sparkle", 24, 24, [](Canvas& c) { Sparkle(c, 6, pal::Moonlight, pal::Mist, 11, 1.8); }},
    {"sparklegold", 32, 32, [](Canvas& c) { Sparkle(c, 4, Hex(0xfffbe0), pal::CandleGold, 15, 2.6); }},
    {"ClauSparkleFull", 48, 48, [](Canvas& c) { Sparkle(c, 8, pal::Moonlight, Hex(0xc8b0ff), 23, 3); }},
    {"RedBall", 20, 20,
     [](Canvas& c) {
         Glow(c.Cr(), {10, 10}, 8, kEmber.core, kEmber.halo);
     }},
    {"particlering", 96, 96,
     [](Canvas& c) {
         Glow(c.Cr(), {48, 48}, 44, pal::Moonlight.WithAlpha(0.5), pal::CandleGold.WithAlpha(0.25));
         LightRing(c, pal::CandleGold, 5);
     }},
    {"dust2", 48, 48, [](Canvas& c) { Dust(c, 0xd02); }},
    {"dust3", 40, 40, [](Canvas& c) { Dust(c, 0xd03); }},
    {"stonechunkbig1", 32, 32, [](Canvas& c) { Shard(c, 0x5c1, kRock, 6); }},
    {"stonechunkbig2", 30, 30, [](Canvas& c) { Shard(c, 0x5c2, kRock, 5); }},
    {"stonechunkbig3", 34, 34, [](Canvas& c) { Shard(c, 0x5c3, kRock, 7); }},
    {"stonechunkbig4", 28, 28, [](Canvas& c) { Shard(c, 0x5c4, kRock, 5); }},
    {"stonechip1", 14, 14, [](Canvas& c) { Shard(c, 0x5d1, kRock, 5); }},
    {"stonechip2", 12, 12, [](Canvas& c) { Shard(c, 0x5d2, kRock, 4); }},
    {"Lightning", 32, 32,
     [](Canvas& c) {
         Glow(c.Cr(), {16, 16}, 14, pal::Heather.WithAlpha(0.7), pal::Violet.WithAlpha(0.35));
         Bolt(c, {12, 8}, {20, 24}, 0x1e1, 0.6, 0);
         Glow(c.Cr(), {16, 16}, 5, pal::Moonlight, pal::Moonlight.WithAlpha(0.6));
     }},
    {"lightningstrike", 96, 416,
     [](Canvas& c) {
         Bolt(c, {52, 0}, {48, 400}, 0x1e2, 2.4, 3);
         Glow(c.Cr(), {48, 400}, 16, pal::Moonlight, pal::Heather.WithAlpha(0.6));
     }},
    {"SilverTileParticle", 20, 20,
     [](Canvas& c) {
         Shard(c, 0x511, {Hex(0xffffff), Hex(0x9fb0cc), Hex(0x2a3350)}, 3);
     }},
    {"GoldTileParticle", 20, 20,
     [](Canvas& c) {
         Shard(c, 0x601, {Hex(0xffe9a8), Hex(0xd09a30), Hex(0x4a2c06)}, 3);
     }},
    {"ParticleRingOrange", 128, 128, [](Canvas& c) { LightRing(c, pal::LanternAmber, 5); }},
    {"ParticleRingWhite", 128, 128, [](Canvas& c) { LightRing(c, pal::Mist, 6); }},
    {"lightbeam thin", 256, 24,
     [](Canvas& c) {
         cairo_t* cr = c.Cr();
         cairo_rectangle(cr, 0, 0, 256, 24);
         SetSource(cr, LinearGradient(0, 0, 0, 24,
                                      {{0, pal::CandleGold.WithAlpha(0)},
                                       {0.5, pal::Moonlight},
                                       {1, pal::CandleGold.WithAlpha(0)}}));
         cairo_fill(cr);
     }},
    {"lightbeam thick", 256, 56,
     [](Canvas& c) {
         cairo_t* cr = c.Cr();
         cairo_rectangle(cr, 0, 0, 256, 56);
         SetSource(cr, LinearGradient(0, 0, 0, 56,
                                      {{0, pal::LanternAmber.WithAlpha(0)},
                                       {0.35, pal::CandleGold.WithAlpha(0.6)},
                                       {0.5, pal::Moonlight},
                                       {0.65, pal::CandleGold.WithAlpha(0.6)},
                                       {1, pal::LanternAmber.WithAlpha(0)}}));
         cairo_fill(cr);
     }},
    {"fireball", 56, 56, [](Canvas& c) { Fireball(c, kEmber, 0, 12); }},
    {"silverbulletparticle", 20, 72,
     [](Canvas& c) {
         cairo_t* cr = c.Cr();
         cairo_move_to(cr, 10, 4);
         cairo_curve_to(cr, 15, 10, 12, 40, 10, 70);
         cairo_curve_to(cr, 8, 40, 5, 10, 10, 4);
         SetSource(cr,
                   LinearGradient(
                       0, 4, 0, 70,
                       {{0, pal::Moonlight}, {0.3, pal::Mist.WithAlpha(0.7)}, {1, pal::Mist.WithAlpha(0)}}));
         cairo_fill(cr);
         Glow(cr, {10, 9}, 8, pal::Moonlight, Hex(0xb8d4ff).WithAlpha(0.6));
     }},
    {"goalstar", 28, 28,
     [](Canvas& c) {
         const auto star = [](cairo_t* x) { RoundedPolygon(x, Star({14, 15}, 12, 5.2, 5), 1.2); };
         SoftGlow(c, star, 2, pal::LanternAmber.WithAlpha(0.8));
         RoundedBody(c, star, {Hex(0xfff6c8), pal::CandleGold, Hex(0x9a5a08)}, 0.7, 0.3);
     }},
    {"chargeburst", 96, 96,
     [](Canvas& c) {
         LightRing(c, pal::Heather, 3);
         Random random(0xc4a);
         for (int i = 0; i < 12; ++i) {
             const double a = i * kPi / 6 + random.Range(-0.1, 0.1);
             Glint(c.Cr(), {48 + 34 * std::cos(a), 48 + 34 * std::sin(a)}, random.Range(3, 5),
                   pal::Moonlight);
         }
     }},
    {"crystalshard", 20, 20,
     [](Canvas& c) {
         Shard(c, 0xc51, {Hex(0xf4e6ff), Hex(0xa060f0), Hex(0x2a0a5a)}, 4);
     }},
};

void DrawFire(Canvas& canvas, int frame, const Fire& fire) {
    Fireball(canvas, fire, frame / 8.0, 13);
}

std::vector<std::string> Required() {
    std::vector<std::string> paths{kFireAnim.path, kBlueFireAnim.path};
    for (const Particle& p : kParticles) paths.push_back(PathOf(p.name));
    return paths;
}

const GroupRegistration kParticlesGroup({
    .name = "particles",
    .required = Required(),
    .make =
        [](DataFolder& out) {
            for (const Particle& p : kParticles) {
                Canvas canvas(p.width, p.height);
                p.draw(canvas);
                WritePicture(out, PathOf(p.name), canvas.ToPixelMap());
            }
            WritePicture(out, kFireAnim.path,
                         DrawStrip(kFireAnim.layout, [](Canvas& c, int f) { DrawFire(c, f, kEmber); }));
            WritePicture(out, kBlueFireAnim.path, DrawStrip(kBlueFireAnim.layout, [](Canvas& c, int f) {
                             DrawFire(c, f, kSpiritBlue);
                         }));
        },
    .strips = {kFireAnim, kBlueFireAnim},
});

}  // namespace
}  // namespace assetgen
