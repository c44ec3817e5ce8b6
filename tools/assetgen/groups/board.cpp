// The board under the gems: the cell tiles (plain, the gold armour tile and the frosted silver layer over
// it), the frame round the playing field, the selection cursor, the glows under bonus and magic gems and
// the diagonal-drag mask.
//
// The frame is one moulding, an iron band with a gilt bead along the cells, that every piece draws from
// its distance to the playing field: straight pieces, rounded outer corners and mitred inner corners meet
// without a seam however the level is shaped. Straight pieces and corners are 10 pixels thick and lie
// outside the cells, as the board places them.

#include <algorithm>
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
constexpr int kCell = 66;
constexpr int kThick = 10;

std::string PathOf(const std::string& name) {
    return "graphics/Board/" + name + ".png";
}

// --- the frame ------------------------------------------------------------------------------------

const Tones kIron{Hex(0x8d97bd), Hex(0x363d5e), Hex(0x0c0e1a)};
const Tones kGilt{Hex(0xfff1b8), Hex(0xd9a23c), Hex(0x5a3206)};

// Where a point of a piece lies relative to the playing field: its distance from the field's edge and
// the direction pointing away from the field.
struct Reach {
    double d, ux, uy;
};
using ReachFn = std::function<Reach(double x, double y)>;

// The moulding across its width, d = 0 at the cells: a dark seam, the gilt bead, then the iron band
// rounding off to the outside. Returns the height and its slope, and the material.
struct Profile {
    double height, slope;
    bool gilt;
};

Profile ProfileAt(double d) {
    if (d < 1.2) return {0, 0, false};
    if (d < 4.8) {
        const double u = (d - 3) / 1.8, h = std::sqrt(std::max(0.0, 1 - u * u));
        return {2.2 * h, h > 0.02 ? -2.2 * u / (1.8 * h) : 0, true};
    }
    if (d < 8) return {1.6, 0, false};
    const double u = (d - 8) / 2, h = std::sqrt(std::max(0.0, 1 - u * u));
    return {1.6 * h, h > 0.05 ? -1.6 * u / (2 * h) : -3, false};
}

// A rivet on a straight piece: a small gilt dome in the middle of the iron band.
struct Rivet {
    double x, y;
};

platform::PixelMap DrawPiece(int width, int height, const ReachFn& reach,
                             const std::vector<Rivet>& rivets = {}) {
    const double lx = light::kMoonX * 0.65, ly = light::kMoonY * 0.65, lz = 0.76;
    platform::PixelMap out(width, height);
    constexpr int kSamples = 4;
    for (int py = 0; py < height; ++py) {
        for (int px = 0; px < width; ++px) {
            double r = 0, g = 0, b = 0, a = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const double x = px + (sx + 0.5) / kSamples, y = py + (sy + 0.5) / kSamples;
                    const Reach at = reach(x, y);
                    if (at.d < 0 || at.d > kThick) continue;
                    const Profile p = ProfileAt(at.d);
                    double nx = -p.slope * at.ux, ny = -p.slope * at.uy;
                    bool gilt = p.gilt;
                    for (const Rivet& rivet : rivets) {
                        const double dx = x - rivet.x, dy = y - rivet.y, rr = dx * dx + dy * dy;
                        if (rr < 1.8 * 1.8) {
                            const double h = std::sqrt(1.8 * 1.8 - rr);
                            nx = dx / h;
                            ny = dy / h;
                            gilt = true;
                        }
                    }
                    const double lambert = (nx * lx + ny * ly + lz) / std::sqrt(nx * nx + ny * ny + 1);
                    Colour c = (gilt ? kGilt : kIron).At(0.5 + (lambert - lz) * 2.2);
                    if (at.d < 1.2) c = pal::Ink;
                    // A glint where the bead turns straight to the moon.
                    if (gilt && lambert > 0.93) c = Mix(c, pal::Moonlight, (lambert - 0.93) * 8);
                    // The outer lip is inked like every piece's silhouette.
                    if (at.d > 9.1) c = Mix(c, pal::Ink, 0.8);
                    r += c.r;
                    g += c.g;
                    b += c.b;
                    a += 1;
                }
            }
            if (a == 0) continue;
            const double n = kSamples * kSamples;
            const auto byte = [](double v) {
                return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255));
            };
            out.Set(px, py, {byte(r / a), byte(g / a), byte(b / a), byte(a / n)});
        }
    }
    return out;
}

struct Piece {
    const char* name;
    int width, height;
    ReachFn reach;
    std::vector<Rivet> rivets;
};

Reach Straight(double d, double ux, double uy) {
    return {d, ux, uy};
}

Reach Round(double x, double y, double cx, double cy) {
    const double d = std::hypot(x - cx, y - cy);
    return {d, d > 0 ? (x - cx) / d : 0, d > 0 ? (y - cy) / d : 0};
}

// The nearer of the two sides of the field that meet at an inside corner (a mitre).
Reach Mitre(Reach a, Reach b) {
    return a.d < b.d ? a : b;
}

const std::vector<Piece> kPieces = {
    // Straight pieces: the field is above a bottom piece, to the right of a left piece, and so on.
    {"BorderBottom", kCell, kThick, [](double, double y) { return Straight(y, 0, 1); }, {{33, 6.4}}},
    {"BorderLeft", kThick, kCell, [](double x, double) { return Straight(kThick - x, -1, 0); }, {{3.6, 33}}},
    {"BorderRight", kThick, kCell, [](double x, double) { return Straight(x, 1, 0); }, {{6.4, 33}}},
    {"BorderTop", kCell, kThick, [](double, double y) { return Straight(kThick - y, 0, -1); }, {{33, 3.6}}},
    // Outer corners turn round the field's corner.
    {"CornerBL", kThick, kThick, [](double x, double y) { return Round(x, y, kThick, 0); }, {}},
    {"CornerBR", kThick, kThick, [](double x, double y) { return Round(x, y, 0, 0); }, {}},
    {"CornerTL", kThick, kThick, [](double x, double y) { return Round(x, y, kThick, kThick); }, {}},
    {"CornerTR", kThick, kThick, [](double x, double y) { return Round(x, y, 0, kThick); }, {}},
    // Inner corners sit in a hole's corner, where two straight pieces overlap.
    {"InnerCornerBL",
     kThick,
     kThick,
     [](double x, double y) { return Mitre(Straight(x, 1, 0), Straight(kThick - y, 0, -1)); },
     {}},
    {"InnerCornerBR",
     kThick,
     kThick,
     [](double x, double y) { return Mitre(Straight(kThick - x, -1, 0), Straight(kThick - y, 0, -1)); },
     {}},
    {"InnerCornerTL",
     kThick,
     kThick,
     [](double x, double y) { return Mitre(Straight(x, 1, 0), Straight(y, 0, 1)); },
     {}},
    {"InnerCornerTR",
     kThick,
     kThick,
     [](double x, double y) { return Mitre(Straight(kThick - x, -1, 0), Straight(y, 0, 1)); },
     {}},
};

// --- the frame's ornaments ------------------------------------------------------------------------------
// A level may hang decorations on its frame. Sizes are free; each is placed from a cell corner by the
// board, so the shapes below are drawn to meet the frame where the board puts them.

// Iron railing spikes standing on a top piece.
platform::PixelMap Spikes(bool upwards) {
    Canvas canvas(kCell, 16);
    cairo_t* cr = canvas.Cr();
    if (!upwards) {
        cairo_translate(cr, 0, 16);
        cairo_scale(cr, 1, -1);
    }
    const auto spikes = [](cairo_t* c) {
        for (int i = 0; i < 3; ++i) {
            const double x = 11 + i * 22;
            Polygon(c,
                    {{x - 2, 16}, {x - 2, 8}, {x - 4.5, 8}, {x, 1}, {x + 4.5, 8}, {x + 2, 8}, {x + 2, 16}});
        }
        cairo_rectangle(c, 0, 13, kCell, 3);
    };
    RoundedBody(canvas, spikes, kIron, 0.3, 0.4);
    spikes(cr);
    Outline(cr, 1.2, pal::Ink.WithAlpha(0.9));
    cairo_new_path(cr);
    return canvas.ToPixelMap();
}

// Ivy along a piece of the frame: a wandering stem with leaves either side, running down a side piece or
// along under a bottom one.
platform::PixelMap Ivy(int width, int height, uint32_t seed, bool mirrored) {
    Canvas canvas(width, height);
    cairo_t* cr = canvas.Cr();
    const bool across = width > height;
    const double length = across ? width : height, breadth = across ? height : width;
    // Drawn running down a strip breadth wide, then turned to lie across when the piece is wide.
    if (across) {
        cairo_translate(cr, 0, height);
        cairo_rotate(cr, -kPi / 2);
    }
    if (mirrored) {
        cairo_translate(cr, breadth, 0);
        cairo_scale(cr, -1, 1);
    }
    Random random(seed);
    const auto along = [&](double t) { return breadth * 0.5 + std::sin(t / 9 + seed) * breadth * 0.12; };
    cairo_move_to(cr, along(0), 0);
    for (double t = 2; t <= length; t += 2) cairo_line_to(cr, along(t), t);
    cairo_set_line_width(cr, 1.5);
    SetSource(cr, Mix(pal::Moss, pal::Ink, 0.55));
    cairo_stroke(cr);
    const Tones leaf{Mix(pal::Moss, pal::CandleGold, 0.45), pal::Moss, Mix(pal::Moss, pal::Ink, 0.7)};
    int k = 0;
    for (double t = 5; t < length - 4; t += random.Range(6, 8.5), ++k) {
        const double side = k % 2 ? -1 : 1;
        const double x = along(t) + side * 2.6, s = std::min(breadth * 0.26, random.Range(3.4, 4.4));
        const double turn = side * random.Range(0.5, 1.1);
        const auto shape = [&](cairo_t* c) {
            cairo_save(c);
            cairo_translate(c, x, t);
            cairo_rotate(c, turn);
            // An ivy leaf: three points, the middle one longest.
            cairo_move_to(c, 0, s * 0.9);
            cairo_curve_to(c, -s * 1.3, s * 0.6, -s * 1.4, -s * 0.2, -s * 0.55, -s * 0.25);
            cairo_line_to(c, 0, -s * 1.3);
            cairo_line_to(c, s * 0.55, -s * 0.25);
            cairo_curve_to(c, s * 1.4, -s * 0.2, s * 1.3, s * 0.6, 0, s * 0.9);
            cairo_close_path(c);
            cairo_restore(c);
        };
        RoundedBody(canvas, shape, leaf, 0.35, 0.3);
        shape(cr);
        Outline(cr, 0.9, pal::Ink.WithAlpha(0.8));
        cairo_new_path(cr);
    }
    return canvas.ToPixelMap();
}

// A gilt scroll curling out of a corner of the frame, with a little moon in its curl.
platform::PixelMap Scroll(bool flipX, bool flipY) {
    constexpr int kSize = 44;
    Canvas canvas(kSize, kSize);
    cairo_t* cr = canvas.Cr();
    cairo_translate(cr, flipX ? kSize : 0, flipY ? kSize : 0);
    cairo_scale(cr, flipX ? -1 : 1, flipY ? -1 : 1);
    const auto scroll = [](cairo_t* c) {
        cairo_move_to(c, 4, 40);
        cairo_curve_to(c, 4, 20, 16, 6, 34, 6);
        cairo_curve_to(c, 42, 6, 42, 18, 34, 18);
        cairo_curve_to(c, 28, 18, 28, 12, 32, 11);
    };
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    scroll(cr);
    cairo_set_line_width(cr, 5.4);
    SetSource(cr, pal::Ink);
    cairo_stroke(cr);
    scroll(cr);
    cairo_set_line_width(cr, 3);
    SetSource(cr, LinearGradient(4, 6, 40, 40, {{0, kGilt.light}, {0.5, kGilt.mid}, {1, kGilt.dark}}));
    cairo_stroke(cr);
    return canvas.ToPixelMap();
}

// A black cat sitting on the top of the frame, its eyes catching the lantern light.
platform::PixelMap Cat(bool mirrored) {
    Canvas canvas(64, 52);
    cairo_t* cr = canvas.Cr();
    if (mirrored) {
        cairo_translate(cr, 64, 0);
        cairo_scale(cr, -1, 1);
    }
    const auto cat = [](cairo_t* c) {
        // Body seen from the side, sitting; head turned to us; tail curling along the frame.
        cairo_move_to(c, 18, 52);
        cairo_curve_to(c, 14, 40, 20, 28, 28, 24);
        cairo_line_to(c, 27, 14);
        cairo_line_to(c, 30, 7);
        cairo_line_to(c, 34, 12);
        cairo_curve_to(c, 37, 11, 40, 11, 42, 12);
        cairo_line_to(c, 46, 6);
        cairo_line_to(c, 48, 14);
        cairo_curve_to(c, 50, 18, 49, 23, 45, 26);
        cairo_curve_to(c, 50, 33, 50, 44, 46, 52);
        cairo_close_path(c);
        cairo_move_to(c, 18, 52);
        cairo_curve_to(c, 8, 52, 3, 48, 4, 42);
        cairo_curve_to(c, 5, 38, 9, 39, 8, 42);
        cairo_curve_to(c, 8, 46, 12, 48, 19, 48);
        cairo_close_path(c);
    };
    SoftGlow(canvas, cat, 2, pal::Violet.WithAlpha(0.6));
    cat(cr);
    SetSource(cr, pal::Ink);
    cairo_fill(cr);
    RimLight(canvas, cat, light::kMoonX, light::kMoonY, 1.2, pal::Mist.WithAlpha(0.7));
    for (double x : {33.5, 42.5}) {
        Ellipse(cr, x, 18, 2, 1.5, 0.15 * (x < 38 ? 1 : -1));
        SetSource(cr, Mix(pal::CandleGold, pal::Moss, 0.25));
        cairo_fill(cr);
        cairo_rectangle(cr, x - 0.35, 16.8, 0.7, 2.4);
        SetSource(cr, pal::Ink);
        cairo_fill(cr);
    }
    return canvas.ToPixelMap();
}

// A pumpkin resting on the frame.
platform::PixelMap FramePumpkin() {
    Canvas canvas(48, 44);
    cairo_t* cr = canvas.Cr();
    cairo_translate(cr, -3, -12 * 0.72);
    cairo_scale(cr, 0.84, 0.84);
    Pumpkin(canvas, fire::kWarm);
    return canvas.ToPixelMap();
}

struct Ornament {
    const char* name;
    std::function<platform::PixelMap()> draw;
};

const std::vector<Ornament> kOrnaments = {
    {"ExtraLongBottom", [] { return Ivy(kCell, 18, 0x1e0, false); }},  // under a bottom piece
    {"ExtraLongLeft", [] { return Ivy(16, kCell, 0x1e1, true); }},
    {"ExtraLongRight", [] { return Ivy(16, kCell, 0x1e2, false); }},
    {"ExtraLongTop", [] { return Spikes(true); }},
    {"ExtraBottomLeft", [] { return Scroll(false, true); }},
    {"ExtraBottomRight", [] { return Scroll(true, true); }},
    {"ExtraTopLeft", [] { return Cat(false); }},
    {"ExtraTopRight", [] { return FramePumpkin(); }},
    {"ExtraLeftBottom", [] { return Scroll(true, false); }},
    {"ExtraLeftTop", [] { return Scroll(true, true); }},
    {"ExtraRightBottom", [] { return Scroll(false, false); }},
    {"ExtraRightTop", [] { return Scroll(false, true); }},
};

// --- tiles ------------------------------------------------------------------------------------------

// The plain cell: dark night glass, a little lighter at the moon's corner, so neighbouring cells show a
// quiet grid and the gems stand out on it.
platform::PixelMap EmptyTile() {
    Canvas canvas(kCell, kCell);
    cairo_t* cr = canvas.Cr();
    cairo_rectangle(cr, 0, 0, kCell, kCell);
    SetSource(cr, LinearGradient(0, 0, kCell, kCell,
                                 {{0, Hex(0x2a3158).WithAlpha(0.86)}, {1, Hex(0x151a36).WithAlpha(0.9)}}));
    cairo_fill(cr);
    const auto inset = [](cairo_t* c) { RoundedRect(c, 3, 3, kCell - 6, kCell - 6, 4); };
    inset(cr);
    SetSource(cr, RadialGradient(kCell * 0.4, kCell * 0.38, 0, kCell * 0.7,
                                 {{0, Hex(0x36406e).WithAlpha(0.55)}, {1, Hex(0x1b2142).WithAlpha(0.2)}}));
    cairo_fill(cr);
    Bevel(canvas, inset, 1.2, pal::Mist.WithAlpha(0.16), pal::Ink.WithAlpha(0.35));
    cairo_rectangle(cr, 0.5, 0.5, kCell - 1, kCell - 1);
    cairo_set_line_width(cr, 1);
    SetSource(cr, pal::Ink.WithAlpha(0.45));
    cairo_stroke(cr);
    return canvas.ToPixelMap();
}

// An armour plate: a bevelled square with an ornament engraved in it, lit pixel by pixel.
platform::PixelMap ArmourTile(const Tones& tones, const HeightFn& engraving, Colour sheen) {
    Canvas canvas(kCell, kCell);
    cairo_t* cr = canvas.Cr();
    const HeightFn height = [&](double x, double y) {
        const double edge = std::min({x, y, kCell - x, kCell - y});
        const double bevel = std::min(edge, 5.0) * 0.9;
        return bevel + (edge > 7 ? engraving(x, y) : 0);
    };
    cairo_rectangle(cr, 0, 0, kCell, kCell);
    const Pattern relief = Relief(kCell, kCell, height, tones, 0.9);
    SetSource(cr, relief);
    cairo_fill(cr);
    cairo_rectangle(cr, 0, 0, kCell, kCell);
    SetSource(cr, RadialGradient(kCell * 0.3, kCell * 0.25, 0, kCell, {{0, sheen}, {1, sheen.WithAlpha(0)}}));
    cairo_fill(cr);
    cairo_rectangle(cr, 0.5, 0.5, kCell - 1, kCell - 1);
    cairo_set_line_width(cr, 1);
    SetSource(cr, pal::Ink.WithAlpha(0.6));
    cairo_stroke(cr);
    return canvas.ToPixelMap();
}

// Distance from the point to a circle's rim.
double Ring(double x, double y, double cx, double cy, double r) {
    return std::abs(std::hypot(x - cx, y - cy) - r);
}

// The gold tile: a crescent moon and four stars engraved in a ring.
double GoldEngraving(double x, double y) {
    const double c = kCell / 2.0;
    double groove = std::min(Ring(x, y, c, c, 22), Ring(x, y, c, c, 19.5) + 0.8);
    // The crescent: the rim of one disc where it is not inside a second, offset one.
    const double outer = Ring(x, y, c - 2, c, 11);
    const bool cut = std::hypot(x - (c + 4), y - (c - 3)) < 9;
    if (!cut) groove = std::min(groove, outer);
    if (std::hypot(x - (c - 2), y - c) < 11 && !cut) groove = std::min(groove, 0.0);
    for (int i = 0; i < 4; ++i) {
        const double a = kPi / 4 + i * kPi / 2, sx = c + 27 * std::cos(a), sy = c + 27 * std::sin(a);
        groove = std::min(groove, std::max(std::abs(x - sx) * 0.55 + std::abs(y - sy) * 0.55 - 1.6, 0.0));
    }
    return groove < 1.2 ? -(1.2 - groove) * 1.1 : 0;
}

// The silver layer: rime grown in frost ferns over the plate.
double FrostEngraving(double x, double y) {
    const CellSample cell = Cells(x / 9, y / 9, 0xf705);
    const double seam = cell.second - cell.nearest;
    const double fern = Fbm(x / 4, y / 4, 3, 0xf71) * 1.4;
    return (seam < 0.12 ? -(0.12 - seam) * 9 : 0) + fern;
}

// --- cursor and glows ---------------------------------------------------------------------------------

// The selection: four gilt corner brackets just outside the cell with a warm glow, drawn again as
// light by the board so it pulses.
platform::PixelMap Cursor() {
    constexpr int kSize = 82;
    Canvas canvas(kSize, kSize);
    cairo_t* cr = canvas.Cr();
    const double a = 5, b = kSize - 5, arm = 21, t = 4.5;
    const auto brackets = [&](cairo_t* c) {
        for (int i = 0; i < 4; ++i) {
            const double sx = i % 2 ? -1 : 1, sy = i / 2 ? -1 : 1;
            const double x = i % 2 ? b : a, y = i / 2 ? b : a;
            const auto p = [&](double u, double v) { return Point{x + sx * u, y + sy * v}; };
            RoundedPolygon(c,
                           {p(-t / 2, -t / 2), p(arm, -t / 2), p(arm, t / 2), p(t / 2, t / 2), p(t / 2, arm),
                            p(-t / 2, arm)},
                           1.5);
        }
    };
    SoftGlow(canvas, brackets, 3, pal::LanternAmber.WithAlpha(0.9));
    // A thin ring of light round the whole cell joins the brackets.
    RoundedRect(cr, 6.5, 6.5, kSize - 13, kSize - 13, 8);
    cairo_set_line_width(cr, 1.4);
    SetSource(cr, pal::CandleGold.WithAlpha(0.55));
    cairo_stroke(cr);
    brackets(cr);
    Outline(cr, 1.6, pal::Ink);
    SetSource(
        cr, LinearGradient(0, 0, kSize, kSize, {{0, kGilt.light}, {0.5, kGilt.mid}, {1, pal::LanternAmber}}));
    cairo_fill(cr);
    for (int i = 0; i < 4; ++i) Glint(cr, {i % 2 ? b : a, i / 2 ? b : a}, 6, pal::Moonlight);
    return canvas.ToPixelMap();
}

// Warm light pooled under a bonus item.
platform::PixelMap BonusHighlight() {
    constexpr int kSize = 80;
    Canvas canvas(kSize, kSize);
    cairo_t* cr = canvas.Cr();
    const double c = kSize / 2.0;
    cairo_save(cr);
    cairo_translate(cr, c, c);
    for (int i = 0; i < 12; ++i) {
        cairo_rotate(cr, kPi / 6);
        cairo_move_to(cr, 0, 0);
        cairo_line_to(cr, -2.5, -c + 4);
        cairo_line_to(cr, 2.5, -c + 4);
        cairo_close_path(cr);
    }
    cairo_restore(cr);
    SetSource(cr,
              RadialGradient(c, c, 8, c - 4,
                             {{0, pal::CandleGold.WithAlpha(0.35)}, {1, pal::LanternAmber.WithAlpha(0)}}));
    cairo_fill(cr);
    cairo_arc(cr, c, c, c, 0, 2 * kPi);
    SetSource(cr, RadialGradient(c, c, 0, c,
                                 {{0, pal::CandleGold.WithAlpha(0.75)},
                                  {0.4, pal::LanternAmber.WithAlpha(0.38)},
                                  {1, pal::LanternAmber.WithAlpha(0)}}));
    cairo_fill(cr);
    return canvas.ToPixelMap();
}

// A star of violet light that the board turns and scales under a magic gem, added to what is below: it
// has to be strong to show through the gem's glow on a gold tile.
platform::PixelMap MagicHighlight() {
    constexpr int kSize = 64;
    Canvas canvas(kSize, kSize);
    cairo_t* cr = canvas.Cr();
    const double c = kSize / 2.0;
    cairo_arc(cr, c, c, c - 2, 0, 2 * kPi);
    SetSource(cr, RadialGradient(c, c, 0, c - 2,
                                 {{0, pal::Heather.WithAlpha(0.9)},
                                  {0.55, pal::Violet.WithAlpha(0.55)},
                                  {1, pal::Violet.WithAlpha(0)}}));
    cairo_fill(cr);
    for (int i = 0; i < 8; ++i) {
        const double length = i % 2 ? c * 0.62 : c - 2, width = i % 2 ? 3.5 : 5;
        cairo_save(cr);
        cairo_translate(cr, c, c);
        cairo_rotate(cr, i * kPi / 4);
        cairo_move_to(cr, 0, -length);
        cairo_curve_to(cr, width * 0.4, -length * 0.5, width, -width, 0, 0);
        cairo_curve_to(cr, -width, -width, -width * 0.4, -length * 0.5, 0, -length);
        cairo_restore(cr);
    }
    SetSource(cr,
              RadialGradient(c, c, 0, c - 2,
                             {{0, pal::Moonlight}, {0.45, Hex(0xe0c8ff)}, {1, pal::Heather.WithAlpha(0)}}));
    cairo_fill(cr);
    return canvas.ToPixelMap();
}

// Read as pixels by the board (any pixel not 0 accepts a diagonal drag): the middle of the cell, so that
// a drag passing a corner on its way elsewhere is not taken for a diagonal move.
platform::PixelMap DiagonalMask() {
    Canvas canvas(kCell, kCell);
    cairo_t* cr = canvas.Cr();
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_arc(cr, kCell / 2.0, kCell / 2.0, 24, 0, 2 * kPi);
    SetSource(cr, pal::Moonlight);
    cairo_fill(cr);
    return canvas.ToPixelMap();
}

// An old, darkened gold, so that the gold things standing on it (skulls, coins) still stand out.
const Tones kGoldTile{Hex(0xf0cc80), Hex(0x94681f), Hex(0x2c1a04)};
const Tones kSilverTile{Hex(0xf2f7ff), Hex(0x93a3c0), Hex(0x2a3350)};

struct Picture {
    std::string path;
    std::function<platform::PixelMap()> draw;
};

std::vector<Picture> Pictures() {
    std::vector<Picture> pictures = {
        {PathOf("EmptyTile"), EmptyTile},
        {PathOf("IceTile"),
         [] { return ArmourTile(kGoldTile, GoldEngraving, pal::CandleGold.WithAlpha(0.18)); }},
        {PathOf("SnowTile"),
         [] { return ArmourTile(kSilverTile, FrostEngraving, pal::Moonlight.WithAlpha(0.3)); }},
        {PathOf("cursor"), Cursor},
        {PathOf("BonusHighlight"), BonusHighlight},
        {PathOf("MagicHighlight"), MagicHighlight},
        {"graphics/diagonalmask.png", DiagonalMask},
    };
    for (const Piece& piece : kPieces) {
        pictures.push_back({PathOf(piece.name), [&piece] {
                                return DrawPiece(piece.width, piece.height, piece.reach, piece.rivets);
                            }});
    }
    for (const Ornament& ornament : kOrnaments) pictures.push_back({PathOf(ornament.name), ornament.draw});
    return pictures;
}

std::vector<std::string> Required() {
    std::vector<std::string> paths;
    for (const Picture& picture : Pictures()) paths.push_back(picture.path);
    return paths;
}

const GroupRegistration kBoard({
    .name = "board",
    .required = Required(),
    .make =
        [](DataFolder& out) {
            for (const Picture& picture : Pictures()) WritePicture(out, picture.path, picture.draw());
        },
});

}  // namespace
}  // namespace assetgen
