// The level map and its furniture. The map is one tall painting, 1024 x 1500, scrolled behind the dots: a
// pale moonlit path winds from the pumpkin field at the bottom through every chapter of the journey (the
// lantern lane, the village and its well, Whisperwood, the Keep over the dungeons, Tarnfield, the clock
// tower, Mistmere, the Midnight Fair) up to the crypt on Crypt Hill at the top, passing through every
// level's dot centre. Each stretch of the path is dressed with its chapter's things, kept off the path.
//
// Names the game leaves open, chosen here: the header panel "MapScreen/TopPanel.png", the gold box
// "MapScreen/GoldBox.png", the pointer over the current dot "MapScreen/Cursor.png" and
// "MapScreen/CursorMO.png", the ring under the current dot "MapScreen/CurrentLevel.png", a hovered locked
// dot "MapScreen/LockedMO.png", and the timed-mode check box in "MapScreen/". The dots are bank pictures
// in "Map/".

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "tools/assetgen/Chrome.h"
#include "tools/assetgen/Churchyard.h"
#include "tools/assetgen/DataFolder.h"
#include "tools/assetgen/Group.h"
#include "tools/assetgen/MapDots.h"
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
using namespace mapdots;
constexpr double kPi = std::numbers::pi;
constexpr double kW = kMapWidth, kH = kMapHeight;

std::vector<Point> PathPoints() {
    std::vector<Point> points;
    for (int level = 1; level <= 100; ++level) points.push_back({CentreOf(level).x, CentreOf(level).y});
    return points;
}

// The path leaves the map at the bottom and ends at the crypt's door.
void PathCurve(cairo_t* cr) {
    std::vector<Point> points = PathPoints();
    points.insert(points.begin(), {points.front().x - 40, kH + 30});
    points.insert(points.begin() + 1, {points[1].x - 60, points[1].y + 60});
    cairo_move_to(cr, points.front().x, points.front().y);
    CurveThrough(cr, points);
}

double DistanceToPath(Point p, const std::vector<Point>& samples) {
    double best = 1e9;
    for (const Point& s : samples) best = std::min(best, std::hypot(p.x - s.x, p.y - s.y));
    return best;
}

int NearestChapter(Point p) {
    int level = 1;
    double best = 1e9;
    for (int l = 1; l <= 100; ++l) {
        const double d = std::hypot(p.x - CentreOf(l).x, p.y - CentreOf(l).y);
        if (d < best) best = d, level = l;
    }
    return ChapterOf(level);
}

// The ground: night meadows at the bottom turning to the violet heath of Crypt Hill at the top, with
// washes of moss and shadow so that it reads as land, not as a flat fill.
void Ground(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    sc::Sky(canvas, {{0, Hex(0x0c1030)},
                     {0.08, Hex(0x231f4e)},
                     {0.12, Hex(0x2a2450)},
                     {0.35, Hex(0x1d2440)},
                     {0.65, Hex(0x172a30)},
                     {1, Hex(0x15261c)}});
    Random random(0x3a1);
    for (int i = 0; i < 260; ++i) {
        const Point at{random.Range(-40, kW + 40), random.Range(100, kH + 40)};
        const double r = random.Range(30, 110);
        const Colour c = random.Uniform() < 0.5 ? Mix(pal::Moss, pal::NightBlue, 0.55) : pal::Ink;
        sc::Halo(cr, at, r, c.WithAlpha(random.Range(0.08, 0.22)));
    }
    // The sky behind Crypt Hill, and the hill itself.
    cairo_rectangle(cr, 0, 0, kW, 170);
    SetSource(
        cr, LinearGradient(
                0, 0, 0, 170,
                {{0, Hex(0x080a20)}, {0.7, Hex(0x1c1c4c).WithAlpha(0.9)}, {1, Hex(0x1c1c4c).WithAlpha(0)}}));
    cairo_fill(cr);
    sc::Stars(canvas, 0, 120, 60, 0x3a2, 0.8);
    sc::Moon(canvas, {110, 62}, 34, 1.1);
}

void PaintPath(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    const auto stroke = [&](double width, Colour colour, double dx = 0, double dy = 0) {
        cairo_save(cr);
        cairo_translate(cr, dx, dy);
        PathCurve(cr);
        cairo_set_line_width(cr, width);
        SetSource(cr, colour);
        cairo_stroke(cr);
        cairo_restore(cr);
    };
    stroke(40, pal::Ink.WithAlpha(0.35), 3, 4);  // the shadow of its banks
    stroke(32, Hex(0x3a3226));                   // trodden edges
    stroke(24, Hex(0x8c7a5c));                   // the moonlit dirt
    stroke(12, Hex(0xb8a47e), -1.5, -1.5);       // worn pale down the middle
    // Pebbles along both banks.
    Random random(0x3a3);
    const std::vector<Point> along = Flatten(PathCurve, 900);
    for (size_t i = 1; i + 1 < along.size(); i += 2) {
        const double dx = along[i + 1].x - along[i - 1].x, dy = along[i + 1].y - along[i - 1].y;
        const double len = std::max(1e-6, std::hypot(dx, dy));
        const double side = random.Uniform() < 0.5 ? -1 : 1, off = side * random.Range(12, 15);
        const Point p{along[i].x - dy / len * off, along[i].y + dx / len * off};
        Ellipse(cr, p.x, p.y, random.Range(1.2, 2.6), random.Range(1, 2));
        SetSource(cr, Mix(Hex(0x6c6458), pal::Mist, random.Uniform() * 0.5));
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

// --- the chapters' things, small, on a 1-pixel grid ------------------------------------------------

void ScaledProp(Canvas& canvas, Point centre, double size, const std::function<void(Canvas&)>& prop) {
    cairo_t* cr = canvas.Cr();
    cairo_save(cr);
    cairo_translate(cr, centre.x - size / 2, centre.y - size / 2);
    cairo_scale(cr, size / 64, size / 64);
    prop(canvas);
    cairo_restore(cr);
}

void SmallPumpkin(Canvas& canvas, Point at, double size) {
    sc::Halo(canvas.Cr(), at, size * 1.3, pal::Pumpkin.WithAlpha(0.22));
    ScaledProp(canvas, at, size, [](Canvas& c) { Pumpkin(c, fire::kWarm); });
}

void Lamp(Canvas& canvas, Point base, double height) {
    cairo_t* cr = canvas.Cr();
    sc::Halo(cr, {base.x, base.y - height}, height * 0.9, pal::LanternAmber.WithAlpha(0.3));
    sc::Silhouette(
        canvas, [&](cairo_t* c) { cairo_rectangle(c, base.x - 1.5, base.y - height, 3, height); }, pal::Ink,
        pal::Mist.WithAlpha(0.4), 1);
    ScaledProp(canvas, {base.x, base.y - height - 6}, 18, [](Canvas& c) { Lantern(c, fire::kWarm); });
}

void Cottage(Canvas& canvas, Point base, double width, uint32_t seed) {
    Random random(seed);
    const double h = width * random.Range(0.7, 0.95);
    const sc::House house{.x = base.x - width / 2,
                          .ground = base.y,
                          .width = width,
                          .height = h,
                          .roof = width * 0.5,
                          .lean = random.Range(-0.05, 0.05),
                          .chimney = true};
    sc::Silhouette(
        canvas, [&](cairo_t* c) { sc::HousePath(c, house); }, Hex(0x141626), pal::Mist.WithAlpha(0.45), 1.2);
    sc::Windows(canvas,
                {{base.x - width * 0.25, base.y - h * 0.6, width * 0.18, h * 0.22, true},
                 {base.x + width * 0.1, base.y - h * 0.6, width * 0.18, h * 0.22, random.Uniform() < 0.7}},
                fire::kWarm, pal::Ink);
}

void Tree(Canvas& canvas, Point base, double height, uint32_t seed, bool fir) {
    const Colour body = Hex(0x0d1418);
    sc::Silhouette(
        canvas,
        [&](cairo_t* c) {
            if (fir)
                sc::Conifer(c, base, height, height * 0.45, seed);
            else
                sc::BareTree(c, base, height, 0, seed);
        },
        body, pal::Mist.WithAlpha(0.35), 1.1);
}

void Grave(Canvas& canvas, Point base, double height, int kind, double tilt) {
    sc::Silhouette(
        canvas, [&](cairo_t* c) { sc::Headstone(c, base, height * 0.6, height, kind, tilt); }, Hex(0x3a3d52),
        pal::Moonlight.WithAlpha(0.55), 1.2);
}

void Rock(Canvas& canvas, Point at, double size, uint32_t seed) {
    Random random(seed);
    std::vector<Point> p;
    for (int i = 0; i < 7; ++i) {
        const double a = i * 2 * kPi / 7, r = size * random.Range(0.7, 1);
        p.push_back({at.x + r * std::cos(a), at.y + r * std::sin(a) * 0.6});
    }
    RoundedBody(
        canvas, [&](cairo_t* c) { ClosedCurve(c, p); }, {Hex(0x8a8aa0), Hex(0x4a4a60), Hex(0x1c1c2a)}, 0.2,
        0.2);
}

void Wisp(Canvas& canvas, Point at) {
    sc::Halo(canvas.Cr(), at, 14, Hex(0x9fe0c8).WithAlpha(0.55));
    sc::Halo(canvas.Cr(), at, 4, pal::Moonlight);
}

void Pennant(Canvas& canvas, Point base, double height, uint32_t seed) {
    Random random(seed);
    const Colour colours[] = {Hex(0xd84a3a), pal::LanternAmber, pal::Heather};
    cairo_t* cr = canvas.Cr();
    cairo_rectangle(cr, base.x - 1, base.y - height, 2, height);
    SetSource(cr, pal::Ink);
    cairo_fill(cr);
    Polygon(cr, {{base.x + 1, base.y - height},
                 {base.x + 16, base.y - height + 5},
                 {base.x + 1, base.y - height + 10}});
    SetSource(cr, colours[random.Next() % 3]);
    cairo_fill(cr);
}

// One small thing of a chapter, standing at base.
void ChapterThing(Canvas& canvas, int chapter, Point base, Random& random) {
    const uint32_t seed = static_cast<uint32_t>(random.Next());
    switch (chapter) {
        case 0:
            SmallPumpkin(canvas, {base.x, base.y - 8}, random.Range(16, 24));
            break;
        case 1:
            if (random.Uniform() < 0.5)
                Lamp(canvas, base, random.Range(26, 34));
            else
                SmallPumpkin(canvas, {base.x, base.y - 7}, 16);
            break;
        case 2:
            Cottage(canvas, base, random.Range(34, 46), seed);
            break;
        case 3:
            Tree(canvas, base, random.Range(40, 64), seed, random.Uniform() < 0.5);
            break;
        case 4:
            Rock(canvas, base, random.Range(8, 14), seed);
            break;
        case 5:
            if (random.Uniform() < 0.6)
                Rock(canvas, base, random.Range(6, 10), seed);
            else
                Wisp(canvas, {base.x, base.y - 14});
            break;
        case 6:
            Grave(canvas, base, random.Range(16, 24), static_cast<int>(random.Next() % 3),
                  random.Range(-0.15, 0.15));
            break;
        case 7:
            Wisp(canvas, {base.x, base.y - random.Range(6, 20)});
            break;
        case 8:
            Pennant(canvas, base, random.Range(20, 30), seed);
            break;
        default:
            Grave(canvas, base, random.Range(16, 26), static_cast<int>(random.Next() % 3),
                  random.Range(-0.2, 0.2));
            break;
    }
}

// --- the landmarks ---------------------------------------------------------------------------------

// Inside the first loop of the path: the village square with its well.
void Village(Canvas& canvas) {
    const double xs[] = {610, 680, 760, 835};
    for (int i = 0; i < 4; ++i) Cottage(canvas, {xs[i], 1135.0 + (i % 2) * 12}, 52, 0x3b0 + i);
    ScaledProp(canvas, {725, 1200}, 52, [](Canvas& c) { Well(c, nullptr); });
    for (int i = 0; i < 3; ++i) Lamp(canvas, {640.0 + i * 90, 1250}, 30);
}

// Murkwell Keep, its dungeon gate glowing with torchlight, inside the loop of Whisperwood.
void Keep(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    const auto walls = [](cairo_t* c) {
        cairo_rectangle(c, 160, 840, 170, 110);
        cairo_rectangle(c, 150, 760, 50, 190);
        cairo_rectangle(c, 290, 770, 48, 180);
        cairo_rectangle(c, 215, 730, 62, 120);
        for (double x : {150.0, 290.0}) {
            for (int k = 0; k < 4; ++k) cairo_rectangle(c, x + k * 13, 750 + (x > 200 ? 10 : 0), 8, 12);
        }
        for (int k = 0; k < 4; ++k) cairo_rectangle(c, 215 + k * 16, 720, 10, 12);
        Polygon(c, {{212, 732}, {280, 732}, {246, 690}});
    };
    sc::Silhouette(canvas, walls, Hex(0x1a1c2e), pal::Mist.WithAlpha(0.5), 1.5);
    sc::Halo(cr, {246, 930}, 50, pal::LanternAmber.WithAlpha(0.4));
    churchyard::LitDoorway(cr, {246, 950}, 16, 46, pal::Ember, pal::LanternAmber);
    sc::Windows(canvas, {{172, 800, 8, 14, true}, {306, 810, 8, 14, true}, {240, 760, 10, 16, true}},
                fire::kWarm, pal::Ink);
}

// Tarnfield's black tarn full of stars, below the path of its chapter.
void Tarn(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    Ellipse(cr, 560, 712, 52, 14);
    SetSource(cr, RadialGradient(560, 712, 4, 54, {{0, Hex(0x141a3a)}, {1, Hex(0x05060f)}}));
    cairo_fill(cr);
    Random random(0x3c1);
    for (int i = 0; i < 18; ++i) {
        const double a = random.Uniform() * 2 * kPi, r = std::sqrt(random.Uniform());
        Glint(cr, {560 + 46 * r * std::cos(a), 712 + 11 * r * std::sin(a)}, random.Range(1.5, 3.5),
              pal::Moonlight.WithAlpha(0.8));
    }
}

// The village clock, stopped at a minute to dawn.
void ClockTower(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    const auto tower = [](cairo_t* c) {
        cairo_rectangle(c, 838, 540, 44, 110);
        Polygon(c, {{832, 542}, {888, 542}, {860, 496}});
    };
    sc::Silhouette(canvas, tower, Hex(0x1a1c2e), pal::Mist.WithAlpha(0.5), 1.5);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 860, 570, 14, 0, 2 * kPi);
    SetSource(cr, pal::CandleGold);
    cairo_fill_preserve(cr);
    SetSource(cr, pal::Ink);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    cairo_move_to(cr, 860, 570);
    cairo_line_to(cr, 860 - 1, 558);
    cairo_move_to(cr, 860, 570);
    cairo_line_to(cr, 868, 566);
    cairo_stroke(cr);
}

// Mistmere: the lake, with the ghosts' lanterns bobbing over it.
void Mistmere(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    Ellipse(cr, 380, 460, 190, 42);
    SetSource(cr, RadialGradient(380, 460, 10, 190, {{0, Hex(0x2a3a5a)}, {1, Hex(0x101830)}}));
    cairo_fill(cr);
    for (int i = 0; i < 5; ++i) {
        const Point p{250.0 + i * 62, 450.0 + (i % 2) * 16};
        sc::Halo(cr, p, 16, pal::LanternAmber.WithAlpha(0.45));
        ScaledProp(canvas, p, 12, [](Canvas& c) { Lantern(c, fire::kSpirit); });
    }
}

// The Midnight Fair on the chapel green: a carousel and striped tents.
void Fair(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    const auto tent = [&](double x, double base, double w, Colour stripe) {
        Polygon(cr, {{x - w / 2, base},
                     {x + w / 2, base},
                     {x + w / 2, base - w * 0.5},
                     {x, base - w},
                     {x - w / 2, base - w * 0.5}});
        SetSource(cr, Hex(0x2a2040));
        cairo_fill(cr);
        for (int k = -2; k <= 2; k += 2) {
            Polygon(cr, {{x + k * w / 10, base}, {x + (k + 1) * w / 10, base}, {x, base - w}});
            SetSource(cr, stripe.WithAlpha(0.8));
            cairo_fill(cr);
        }
    };
    sc::Halo(cr, {450, 250}, 120, pal::LanternAmber.WithAlpha(0.22));
    tent(360, 300, 46, Hex(0xd84a3a));
    tent(540, 290, 40, pal::Heather);
    // The carousel: a round canopy on a post, lights round its brim.
    Polygon(cr, {{405, 236}, {495, 236}, {450, 200}});
    SetSource(cr, Hex(0xd84a3a));
    cairo_fill(cr);
    cairo_rectangle(cr, 410, 236, 80, 40);
    SetSource(cr, Hex(0x1a1428));
    cairo_fill(cr);
    for (int k = 0; k < 9; ++k) sc::Halo(cr, {406.0 + k * 11, 238}, 5, pal::CandleGold);
    cairo_rectangle(cr, 447, 236, 6, 44);
    SetSource(cr, pal::CandleGold);
    cairo_fill(cr);
}

// The crypt at the top of Crypt Hill, inside the last turn of the path.
void Crypt(Canvas& canvas) {
    churchyard::Crypt(canvas, {840, 350}, 90, Hex(0x2a2c44), pal::Moonlight.WithAlpha(0.6));
}

// Circles kept free of small things: the landmarks.
struct Clearing {
    Point centre;
    double radius;
};
const std::vector<Clearing> kLandmarks = {{{725, 1175}, 130}, {{245, 840}, 110}, {{560, 712}, 60},
                                          {{860, 590}, 60},   {{380, 460}, 200}, {{450, 255}, 110},
                                          {{840, 310}, 70}};

platform::PixelMap MapBackground() {
    Canvas canvas(kMapWidth, kMapHeight);
    Ground(canvas);
    sc::Mist(canvas, 470, 60, pal::Mist, 0.35, 0x3d1);
    Village(canvas);
    Keep(canvas);
    Tarn(canvas);
    ClockTower(canvas);
    Mistmere(canvas);
    Fair(canvas);
    Crypt(canvas);
    // Small things, scattered by chapter on a jittered grid, clear of the path and the landmarks; drawn
    // from the top down so that nearer (lower) things overlap farther ones.
    const std::vector<Point> samples = Flatten(PathCurve, 1600);
    Random random(0x3e1);
    for (double y = 150; y < kH; y += 44) {
        for (double x = 10; x < kW; x += 48) {
            const Point p{x + random.Range(-16, 16), y + random.Range(-14, 14)};
            const bool free = std::none_of(kLandmarks.begin(), kLandmarks.end(), [&](const Clearing& c) {
                return std::hypot(p.x - c.centre.x, p.y - c.centre.y) < c.radius;
            });
            if (!free || DistanceToPath(p, samples) < 34 || random.Uniform() < 0.35) continue;
            ChapterThing(canvas, NearestChapter(p), p, random);
        }
    }
    PaintPath(canvas);
    sc::Vignette(canvas, 0.35);
    return canvas.ToPixelMap();
}

// --- dots ------------------------------------------------------------------------------------------

enum class DotLook { Locked, LockedHover, Open, Hover };

// A round stepping stone set in the path: lit with lantern gold when open, cold grey stone when locked.
void Dot(Canvas& canvas, DotLook look, bool special) {
    const double c = canvas.Width() / 2.0, r = special ? 17 : 12;
    const auto disc = [=](cairo_t* x) {
        cairo_new_sub_path(x);
        cairo_arc(x, c, c, r, 0, 2 * kPi);
    };
    const bool open = look == DotLook::Open || look == DotLook::Hover;
    const bool hover = look == DotLook::Hover || look == DotLook::LockedHover;
    if (open)
        SoftGlow(canvas, disc, hover ? 4 : 2.5, pal::LanternAmber.WithAlpha(hover ? 0.95 : 0.6));
    else if (hover)
        SoftGlow(canvas, disc, 3, pal::Mist.WithAlpha(0.6));
    const Tones tones = open ? Tones{pal::Moonlight, hover ? pal::CandleGold : pal::LanternAmber, pal::Ember}
                             : Tones{Hex(0xa0a4b8), Hex(0x5a5e74), Hex(0x22243a)};
    chrome::Panel(canvas, disc, {.rim = 2.5, .shadow = 0, .enamel = tones});
    cairo_t* cr = canvas.Cr();
    if (special) {
        // The chapter stones carry a star.
        RoundedPolygon(cr, assetgen::Star({c, c}, r * 0.7, r * 0.3, 5), 0.8);
        SetSource(cr, open ? pal::Moonlight : Hex(0x8a8ea4));
        cairo_fill(cr);
    } else if (!open) {
        // A keyhole.
        cairo_new_sub_path(cr);
        cairo_arc(cr, c, c - 2, 2.6, 0, 2 * kPi);
        Polygon(cr, {{c - 1.6, c - 1}, {c + 1.6, c - 1}, {c + 2.4, c + 5}, {c - 2.4, c + 5}});
        SetSource(cr, pal::Ink.WithAlpha(0.85));
        cairo_fill(cr);
    }
    Gloss(
        canvas,
        [=](cairo_t* x) {
            cairo_new_sub_path(x);
            cairo_arc(x, c, c, r - 3, 0, 2 * kPi);
        },
        open ? 0.35 : 0.15, 0.5);
}

platform::PixelMap DotPicture(DotLook look, bool special) {
    const int size = special ? kSpecialDotSize : kDotSize;
    Canvas canvas(size, size);
    Dot(canvas, look, special);
    return canvas.ToPixelMap();
}

// The ring that pulses under the current level's dot.
platform::PixelMap CurrentLevelRing() {
    Canvas canvas(72, 72);
    const auto ring = [](cairo_t* c) {
        cairo_new_sub_path(c);
        cairo_arc(c, 36, 36, 24, 0, 2 * kPi);
        cairo_new_sub_path(c);
        cairo_arc_negative(c, 36, 36, 19, 2 * kPi, 0);
    };
    SoftGlow(canvas, ring, 4, pal::CandleGold.WithAlpha(0.9));
    ring(canvas.Cr());
    SetSource(canvas.Cr(), pal::CandleGold.WithAlpha(0.85));
    cairo_fill(canvas.Cr());
    return canvas.ToPixelMap();
}

// A pointing hand of gilt that bobs over the current dot: its tip at the bottom middle.
platform::PixelMap Pointer(bool hover) {
    Canvas canvas(40, 52);
    const auto arrow = [](cairo_t* c) {
        RoundedPolygon(c, {{12, 6}, {28, 6}, {28, 26}, {36, 26}, {20, 46}, {4, 26}, {12, 26}}, 3);
    };
    if (hover) SoftGlow(canvas, arrow, 3, pal::LanternAmber.WithAlpha(0.9));
    chrome::Panel(canvas, arrow, {.rim = 0, .shadow = 2, .enamel = chrome::kGilt});
    return canvas.ToPixelMap();
}

// A long bar of enamel with the panels' gilt rim: the header, the bottom bar.
platform::PixelMap Bar(int width, int height, const std::function<void(Canvas&)>& furnish) {
    Canvas canvas(width, height);
    const auto shape = [=](cairo_t* c) { RoundedRect(c, 6, 6, width - 12, height - 14, 14); };
    chrome::Panel(canvas, shape, {.rim = 4, .shadow = 4});
    furnish(canvas);
    return canvas.ToPixelMap();
}

// The header: a banner for "Map Header" with scrolls at its ends.
platform::PixelMap TopPanel() {
    return Bar(520, 78, [](Canvas& c) {
        chrome::Recess(c, [](cairo_t* x) { RoundedRect(x, 46, 16, 428, 42, 10); });
        chrome::Star(c, {26, 37}, 8);
        chrome::Star(c, {494, 37}, 8);
    });
}

// The bottom bar, drawn at (0, 648): the level number's well left of the middle (the level text starts at
// x 373, y 689), the timed-mode check box's corner at x 614, and room at both ends for the buttons.
platform::PixelMap BottomPanel() {
    return Bar(1024, 120, [](Canvas& c) {
        chrome::Recess(c, [](cairo_t* x) { RoundedRect(x, 356, 22, 200, 46, 10); });
        chrome::Recess(c, [](cairo_t* x) { RoundedRect(x, 596, 22, 230, 46, 10); });
        chrome::Rule(c, {250, 90}, {774, 90});
    });
}

// The banked gold: a coin beside a well for five digits.
platform::PixelMap GoldPanel() {
    return Bar(240, 70, [](Canvas& c) {
        chrome::Recess(c, [](cairo_t* x) { RoundedRect(x, 62, 14, 164, 38, 9); });
        Coin(c, {34, 32}, 18, 0);
    });
}

platform::PixelMap GoldBox() {
    Canvas canvas(140, 44);
    chrome::Recess(canvas, [](cairo_t* x) { RoundedRect(x, 2, 2, 136, 40, 9); });
    return canvas.ToPixelMap();
}

const GroupRegistration kMapGroup(scenery::BackdropGroup(
    "map", {
               {"graphics/Backgrounds/MapBackground.jpg", MapBackground},
               {"graphics/Map/MapDot.png", [] { return DotPicture(DotLook::Open, false); }},
               {"graphics/Map/MapDotMO.png", [] { return DotPicture(DotLook::Hover, false); }},
               {"graphics/Map/MapDotInactive.png", [] { return DotPicture(DotLook::Locked, false); }},
               {"graphics/Map/MapDotSpecial.png", [] { return DotPicture(DotLook::Open, true); }},
               {"graphics/Map/MapDotSpecialMO.png", [] { return DotPicture(DotLook::Hover, true); }},
               {"graphics/Map/MapDotSpecialInactive.png", [] { return DotPicture(DotLook::Locked, true); }},
               {"graphics/MapScreen/LockedMO.png", [] { return DotPicture(DotLook::LockedHover, false); }},
               {"graphics/MapScreen/CurrentLevel.png", CurrentLevelRing},
               {"graphics/MapScreen/Cursor.png", [] { return Pointer(false); }},
               {"graphics/MapScreen/CursorMO.png", [] { return Pointer(true); }},
               {"graphics/MapScreen/TopPanel.png", TopPanel},
               {"graphics/MapScreen/BottomPanel.png", BottomPanel},
               {"graphics/MapScreen/GoldBox.png", GoldBox},
               {"graphics/ShopScreen/GoldPanel.png", GoldPanel},
               {"graphics/MapScreen/CheckBox.png", [] { return chrome::CheckBoxPicture(false); }},
               {"graphics/MapScreen/CheckBoxMO.png", [] { return chrome::CheckBoxPicture(true); }},
               {"graphics/MapScreen/CheckMark.png", chrome::CheckMarkPicture},
           }));

}  // namespace
}  // namespace assetgen
