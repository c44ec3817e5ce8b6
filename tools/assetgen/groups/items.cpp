// What else stands in a cell besides the gems: the gold skull, coins and money bags, and the chains and
// rocks that hold a gem fast. All are 66 x 66 pictures in "Gems/", drawn mid-handled at the cell centre.
//
// "Gems/coin.png": one row of cells (as many as the game's gem picture table says), a half turn of the
// coin (it looks the same from both sides), played as a 600 ms loop.

#include <cmath>
#include <numbers>
#include <vector>

#include "game/board/GemPictureLayout.h"
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
constexpr int kSize = 66;
constexpr double kC = 33;

const Strip kCoin{
    "graphics/" + gemlayout::PathOf(gemlayout::kCoinStrip) + ".png",
    {.cellWidth = gemlayout::kCell, .cellHeight = gemlayout::kCell, .frames = gemlayout::kCoinFrames}};
const Tones kIron{Hex(0xb4bedc), Hex(0x4a5274), Hex(0x12141f)};
const Tones kRock{Hex(0xeae4ee), Hex(0x9d96aa), Hex(0x332e40)};

std::string PathOf(const char* name) {
    return std::string("graphics/Gems/") + name + ".png";
}

platform::PixelMap Draw(void (*draw)(Canvas&)) {
    Canvas canvas(kSize, kSize);
    draw(canvas);
    return canvas.ToPixelMap();
}

// --- chains -------------------------------------------------------------------------------------------

// A chain along a straight line: links alternately seen flat (an open ring) and edge on (a bar).
void Chain(Canvas& canvas, Point from, Point to) {
    cairo_t* cr = canvas.Cr();
    const double length = std::hypot(to.x - from.x, to.y - from.y);
    const double angle = std::atan2(to.y - from.y, to.x - from.x);
    const double pitch = 8.2;
    const int links = static_cast<int>(length / pitch);
    const double start = (length - links * pitch) / 2;
    cairo_save(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    for (int i = 0; i <= links; ++i) {
        const Point at = Lerp(from, to, (start + i * pitch) / length);
        // A path keeps the transform it was made in, so the link is turned along the chain while its
        // shading below stays in screen space, lit from the moon.
        cairo_save(cr);
        cairo_translate(cr, at.x, at.y);
        cairo_rotate(cr, angle);
        if (i % 2 == 0) {
            RoundedRect(cr, -6, -3.6, 12, 7.2, 3.6);
            RoundedRect(cr, -3.6, -1.3, 7.2, 2.6, 1.3);
        } else {
            RoundedRect(cr, -6, -1.4, 12, 2.8, 1.4);
        }
        cairo_restore(cr);
        Outline(cr, 2.2, pal::Ink.WithAlpha(0.9));
        SetSource(cr, LinearGradient(at.x - 5, at.y - 5, at.x + 5, at.y + 5,
                                     {{0, kIron.light}, {0.5, kIron.mid}, {1, kIron.dark}}));
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void Padlock(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    // The shackle, then the body over its feet.
    cairo_new_sub_path(cr);
    cairo_arc(cr, kC, 31, 6.5, kPi, 2 * kPi);
    cairo_line_to(cr, kC + 6.5, 35);
    cairo_move_to(cr, kC - 6.5, 35);
    cairo_line_to(cr, kC - 6.5, 31);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 5.2);
    SetSource(cr, pal::Ink);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 2.6);
    SetSource(cr, LinearGradient(kC - 7, 24, kC + 7, 36, {{0, kIron.light}, {1, kIron.dark}}));
    cairo_stroke(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    const auto body = [](cairo_t* c) { RoundedRect(c, kC - 10, 33, 20, 16, 3.5); };
    DropShadow(canvas, body, 1.5, 1.2, pal::Ink.WithAlpha(0.6));
    RoundedBody(canvas, body, Tones{Hex(0xfff0b4), Hex(0xcf9a36), Hex(0x553408)}, 0.7, 0.4);
    body(cr);
    Outline(cr, 1.5, pal::Ink.WithAlpha(0.9));
    cairo_new_path(cr);
    // The keyhole.
    cairo_new_sub_path(cr);
    cairo_arc(cr, kC, 39.5, 2.2, 0, 2 * kPi);
    RoundedPolygon(cr, {{kC - 1.1, 40}, {kC + 1.1, 40}, {kC + 2, 45.5}, {kC - 2, 45.5}}, 0.5);
    SetSource(cr, pal::Ink);
    cairo_fill(cr);
}

void Lock1(Canvas& canvas) {
    Chain(canvas, {9, 9}, {57, 57});
    Chain(canvas, {57, 9}, {9, 57});
    Padlock(canvas);
}

void Lock2(Canvas& canvas) {
    Chain(canvas, {6, 22}, {60, 22});
    Chain(canvas, {kC, 6}, {kC, 60});
    Padlock(canvas);
}

// --- rocks ----------------------------------------------------------------------------------------

struct Crack {
    std::vector<Point> line;
};

// A boulder filling the cell: a lumpy dome with a grainy surface, lit by the moon pixel by pixel; cracks
// are grooves cut into the height.
void Boulder(Canvas& canvas, uint32_t seed, const std::vector<Crack>& cracks) {
    cairo_t* cr = canvas.Cr();
    Random random(seed);
    std::vector<Point> corners;
    for (int i = 0; i < 11; ++i) {
        const double a = 2 * kPi * i / 11 + random.Range(-0.12, 0.12);
        const double r = random.Range(29, 31);
        corners.push_back({kC + r * std::sin(a), kC - r * std::cos(a) * 0.96});
    }
    const auto outline = [&](cairo_t* c) { RoundedPolygon(c, corners, 7); };
    const auto distanceToLine = [](Point p, const std::vector<Point>& line) {
        double best = 1e9;
        for (size_t i = 0; i + 1 < line.size(); ++i) {
            const Point a = line[i], b = line[i + 1];
            const double vx = b.x - a.x, vy = b.y - a.y;
            const double t =
                std::clamp(((p.x - a.x) * vx + (p.y - a.y) * vy) / (vx * vx + vy * vy), 0.0, 1.0);
            best = std::min(best, std::hypot(p.x - a.x - vx * t, p.y - a.y - vy * t));
        }
        return best;
    };
    const HeightFn height = [&](double x, double y) {
        const double dx = (x - kC) / 31, dy = (y - kC - 1) / 30;
        const double dome = std::sqrt(std::max(0.05, 1.2 - dx * dx - dy * dy)) * 26;
        // Gentle lumps, worn plates of stone with soft seams between them, and a fine grain.
        const CellSample cell = Cells(x / 15, y / 15, seed);
        double h = dome + Fbm(x / 14, y / 14, 2, seed) * 6 + std::min(cell.second - cell.nearest, 0.35) * 7 +
                   Fbm(x / 2.5, y / 2.5, 2, seed + 5) * 0.5;
        for (const Crack& crack : cracks) {
            const double d = distanceToLine({x, y}, crack.line);
            if (d < 2.2) h -= (2.2 - d) * 2.4;
        }
        return h;
    };
    DropShadow(canvas, outline, 2, 1.6, pal::Ink.WithAlpha(0.6));
    outline(cr);
    const Pattern relief = Relief(kSize, kSize, height, kRock, 0.7);
    SetSource(cr, relief);
    cairo_fill(cr);
    // Moonlight on the upper rim, lantern warmth below, and the dark edge of every piece on the board.
    RimLight(canvas, outline, light::kMoonX, light::kMoonY, 1.8, pal::Mist.WithAlpha(0.5));
    RimLight(canvas, outline, -light::kMoonX, -light::kMoonY, 1.6, light::kRim.WithAlpha(0.3));
    cairo_save(cr);
    outline(cr);
    cairo_clip(cr);
    for (const Crack& crack : cracks) {
        // The depth of a crack is black; its lower lip catches a little light.
        cairo_move_to(cr, crack.line[0].x, crack.line[0].y);
        for (const Point& p : crack.line) cairo_line_to(cr, p.x, p.y);
        cairo_set_line_width(cr, 1.6);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        SetSource(cr, pal::Ink.WithAlpha(0.9));
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    outline(cr);
    Outline(cr, 1.6, pal::Ink.WithAlpha(0.9));
    cairo_new_path(cr);
}

void Rock2(Canvas& canvas) {
    Boulder(canvas, 0x70c2, {});
}

void Rock1Var1(Canvas& canvas) {
    Boulder(canvas, 0x70c2,
            {{{{kC - 2, 5}, {kC + 2, 16}, {kC - 3, 27}, {kC + 3, 38}, {kC - 1, 50}, {kC + 2, 62}}},
             {{{kC - 3, 27}, {20, 31}, {10, 29}, {4, 34}}},
             {{{kC + 3, 38}, {45, 42}, {53, 40}, {62, 45}}}});
}

void Rock1Var2(Canvas& canvas) {
    Boulder(canvas, 0x70c2,
            {{{{6, 16}, {17, 24}, {28, 22}, {38, 31}, {49, 30}, {61, 40}}},
             {{{28, 22}, {26, 12}, {30, 4}}},
             {{{38, 31}, {36, 43}, {41, 52}, {38, 62}}},
             {{{17, 24}, {14, 36}, {6, 44}}}});
}

// --- coins and gold -----------------------------------------------------------------------------------

void DrawCoinFrame(Canvas& canvas, int frame) {
    Coin(canvas, {kC, kC}, 22, kPi * frame / kCoin.layout.frames);
}

void DrawMoneyBag(Canvas& canvas) {
    cairo_translate(canvas.Cr(), 1, 1);
    MoneyBag(canvas);
}

void DrawSkull(Canvas& canvas) {
    GoldSkull(canvas, {kC, kC + 1});
}

struct Item {
    const char* name;
    void (*draw)(Canvas&);
};

const Item kItems[] = {
    {gemlayout::kSkull, DrawSkull},    {gemlayout::kBonusPictures[gemlayout::kBag], DrawMoneyBag},
    {gemlayout::kLocks[0], Lock1},     {gemlayout::kLocks[1], Lock2},
    {gemlayout::kRocks[0], Rock1Var1}, {gemlayout::kRocks[1], Rock1Var2},
    {gemlayout::kStrongRock, Rock2},
};

std::vector<std::string> Required() {
    std::vector<std::string> paths{kCoin.path};
    for (const Item& item : kItems) paths.push_back(PathOf(item.name));
    return paths;
}

const GroupRegistration kItemsGroup({
    .name = "items",
    .required = Required(),
    .make =
        [](DataFolder& out) {
            for (const Item& item : kItems) WritePicture(out, PathOf(item.name), Draw(item.draw));
            WritePicture(out, kCoin.path, DrawStrip(kCoin.layout, DrawCoinFrame));
        },
    .strips = {kCoin},
});

}  // namespace
}  // namespace assetgen
