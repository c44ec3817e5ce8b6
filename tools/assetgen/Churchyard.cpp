#include "tools/assetgen/Churchyard.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/assetgen/Random.h"
#include "tools/assetgen/Scenery.h"

namespace assetgen::churchyard {

namespace {

namespace pal = palette;
namespace sc = scenery;
constexpr double kPi = std::numbers::pi;

}  // namespace

void Prop(Canvas& canvas, double x, double y, double size, const std::function<void(Canvas&)>& draw) {
    cairo_t* cr = canvas.Cr();
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, size / 64, size / 64);
    draw(canvas);
    cairo_restore(cr);
}

void FootShadow(Canvas& canvas, double cx, double ground, double rx) {
    cairo_t* cr = canvas.Cr();
    cairo_save(cr);
    cairo_translate(cr, cx + rx * 0.15, ground);
    cairo_scale(cr, 1, 0.22);
    SetSource(cr, RadialGradient(0, 0, 0, rx, {{0, pal::Ink.WithAlpha(0.6)}, {1, pal::Ink.WithAlpha(0)}}));
    cairo_arc(cr, 0, 0, rx, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_restore(cr);
}

void Candelabra(Canvas& c, const Fire& fire, double scale) {
    cairo_t* cr = c.Cr();
    const double w = c.Width(), h = c.Height(), mid = w / 2;
    FootShadow(c, mid, h - 6, 24 * scale);
    const auto frame = [=](cairo_t* x) {
        Polygon(x, {{mid - 16 * scale, h - 4},
                    {mid + 16 * scale, h - 4},
                    {mid + 4, h - 16 * scale},
                    {mid - 4, h - 16 * scale}});
        cairo_rectangle(x, mid - 2.5, 56 * scale, 5, h - 60 * scale);
        // The arms: a shallow cup from one outer candle to the other.
        cairo_move_to(x, mid - 26 * scale, 46 * scale);
        cairo_curve_to(x, mid - 26 * scale, 74 * scale, mid + 26 * scale, 74 * scale, mid + 26 * scale,
                       46 * scale);
        cairo_line_to(x, mid + 22 * scale, 46 * scale);
        cairo_curve_to(x, mid + 22 * scale, 68 * scale, mid - 22 * scale, 68 * scale, mid - 22 * scale,
                       46 * scale);
        cairo_close_path(x);
    };
    RoundedBody(c, frame, kBrass, 0.5, 0.3);
    for (int k = -1; k <= 1; ++k) {
        const double cx = mid + k * 24 * scale, top = (k == 0 ? 18 : 24) * scale;
        sc::Halo(cr, {cx, top + 2}, 26 * scale, fire.halo.WithAlpha(0.35));
        Prop(c, cx - 16 * scale, top, 32 * scale, [&](Canvas& x) { Candle(x, fire); });
    }
}

void Cat(Canvas& c, double ox, double oy, double s, const Fire& eyes) {
    cairo_t* cr = c.Cr();
    const auto body = [=](cairo_t* x) {
        cairo_move_to(x, ox + 10 * s, oy + 70 * s);
        cairo_curve_to(x, ox + 4 * s, oy + 50 * s, ox + 14 * s, oy + 34 * s, ox + 20 * s, oy + 28 * s);
        cairo_curve_to(x, ox + 14 * s, oy + 22 * s, ox + 14 * s, oy + 12 * s, ox + 18 * s, oy + 8 * s);
        cairo_line_to(x, ox + 17 * s, oy);
        cairo_line_to(x, ox + 25 * s, oy + 6 * s);
        cairo_curve_to(x, ox + 29 * s, oy + 5 * s, ox + 33 * s, oy + 5 * s, ox + 36 * s, oy + 6 * s);
        cairo_line_to(x, ox + 43 * s, oy);
        cairo_line_to(x, ox + 42 * s, oy + 10 * s);
        cairo_curve_to(x, ox + 46 * s, oy + 16 * s, ox + 44 * s, oy + 24 * s, ox + 38 * s, oy + 28 * s);
        cairo_curve_to(x, ox + 48 * s, oy + 38 * s, ox + 52 * s, oy + 56 * s, ox + 48 * s, oy + 70 * s);
        cairo_close_path(x);
        // The tail, curled round the front.
        cairo_move_to(x, ox + 46 * s, oy + 66 * s);
        cairo_curve_to(x, ox + 64 * s, oy + 66 * s, ox + 62 * s, oy + 48 * s, ox + 56 * s, oy + 44 * s);
        cairo_curve_to(x, ox + 58 * s, oy + 52 * s, ox + 58 * s, oy + 62 * s, ox + 46 * s, oy + 62 * s);
        cairo_close_path(x);
    };
    sc::Silhouette(c, body, Hex(0x0a0a14), pal::Mist.WithAlpha(0.6), 1.4 * s);
    for (double ex : {24.0, 35.0}) {
        sc::Halo(cr, {ox + ex * s, oy + 15 * s}, 6 * s, eyes.halo.WithAlpha(0.7));
        Ellipse(cr, ox + ex * s, oy + 15 * s, 2.6 * s, 1.8 * s, ex < 30 ? 0.3 : -0.3);
        SetSource(cr, eyes.flame);
        cairo_fill(cr);
    }
}

void PumpkinLights(Canvas& c, int count, const Fire& fire) {
    cairo_t* cr = c.Cr();
    const double w = c.Width(), sag = c.Height() * 0.45;
    const auto at = [&](double t) { return Point{10 + (w - 20) * t, 12 + sag * 4 * t * (1 - t)}; };
    cairo_move_to(cr, at(0).x, at(0).y);
    for (double t = 0.02; t <= 1.001; t += 0.02) cairo_line_to(cr, at(t).x, at(t).y);
    cairo_set_line_width(cr, 1.5);
    SetSource(cr, pal::Ink);
    cairo_stroke(cr);
    for (int i = 0; i < count; ++i) {
        const Point p = at((i + 0.5) / count);
        const double size = 22 + (i % 2) * 3;
        sc::Halo(cr, {p.x, p.y + size * 0.6}, size, fire.halo.WithAlpha(0.4));
        Prop(c, p.x - size / 2, p.y, size, [&](Canvas& x) { Pumpkin(x, fire); });
    }
}

void Web(Canvas& c, bool spider) {
    cairo_t* cr = c.Cr();
    const double w = c.Width(), h = c.Height(), cx = w * 0.5, cy = h * 0.45, r = std::min(w, h) * 0.45;
    cairo_set_line_width(cr, 1);
    SetSource(cr, pal::Moonlight.WithAlpha(0.75));
    const int spokes = 12;
    for (int i = 0; i < spokes; ++i) {
        const double a = i * 2 * kPi / spokes;
        cairo_move_to(cr, cx, cy);
        cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    }
    cairo_stroke(cr);
    cairo_set_line_width(cr, 0.8);
    for (double k = 0.15; k < 1; k += 0.12) {
        for (int i = 0; i <= spokes; ++i) {
            const double a = i * 2 * kPi / spokes, rr = r * k;
            const double sagged = rr * (i % 2 ? 0.94 : 1);
            if (i == 0)
                cairo_move_to(cr, cx + sagged * std::cos(a), cy + sagged * std::sin(a));
            else
                cairo_line_to(cr, cx + sagged * std::cos(a), cy + sagged * std::sin(a));
        }
    }
    cairo_stroke(cr);
    if (!spider) return;
    cairo_move_to(cr, cx + r * 0.3, cy);
    cairo_line_to(cr, cx + r * 0.3, h - 16);
    cairo_stroke(cr);
    const auto body = [=](cairo_t* x) {
        Ellipse(x, cx + r * 0.3, h - 12, 6, 7);
        Ellipse(x, cx + r * 0.3, h - 20, 4, 4);
        for (int side : {-1, 1}) {
            for (int k = 0; k < 4; ++k) {
                cairo_move_to(x, cx + r * 0.3, h - 14 + k * 2);
                cairo_line_to(x, cx + r * 0.3 + side * 11, h - 20 + k * 4);
                cairo_line_to(x, cx + r * 0.3 + side * 12, h - 12 + k * 4);
                cairo_line_to(x, cx + r * 0.3 + side * 10, h - 13 + k * 4);
                cairo_close_path(x);
            }
        }
    };
    sc::Silhouette(c, body, pal::Ink, Hex(0x9a5cf0).WithAlpha(0.8), 1.2);
}

void Coffin(Canvas& c, int stage) {
    cairo_t* cr = c.Cr();
    const double w = c.Width(), h = c.Height();
    FootShadow(c, w / 2, h - 10, w * 0.5);
    const double top = h * 0.25, bottom = h - 10;
    const auto box = [=](cairo_t* x) {
        Polygon(x, {{8, top + 10},
                    {w * 0.3, top},
                    {w - 8, top + 6},
                    {w - 8, bottom - 6},
                    {w * 0.3, bottom},
                    {8, bottom - 12}});
    };
    RoundedBody(c, box, kWood, 0.3, 0.4);
    // The lid, slid aside, and what the stage adds: iron bands, then a glowing cross and candles.
    const auto lid = [=](cairo_t* x) {
        Polygon(x, {{14, top - 2},
                    {w * 0.32, top - 14},
                    {w - 14, top - 8},
                    {w - 20, top + 8},
                    {w * 0.32, top + 4},
                    {18, top + 10}});
    };
    RoundedBody(c, lid, {Hex(0xb08a66), Hex(0x5e402c), Hex(0x22140c)}, 0.5, 0.3);
    if (stage >= 2) {
        for (double t : {0.25, 0.7}) {
            cairo_rectangle(cr, w * t, top + 2, 6, bottom - top - 4);
        }
        SetSource(cr, kIron.mid);
        cairo_fill(cr);
    }
    const double crossX = w * 0.55, crossY = (top + bottom) / 2 + 4;
    cairo_rectangle(cr, crossX - 3, crossY - 14, 6, 26);
    cairo_rectangle(cr, crossX - 10, crossY - 8, 20, 6);
    SetSource(cr, stage >= 3 ? fire::kSpirit.core : kBrass.mid);
    cairo_fill(cr);
    if (stage >= 3) {
        sc::Halo(cr, {crossX, crossY}, 28, fire::kSpirit.halo.WithAlpha(0.55));
        for (double x : {20.0, w - 30}) Prop(c, x - 10, 6, 22, [](Canvas& k) { Candle(k, fire::kSpirit); });
    }
}

void Broom(Canvas& c, int stage) {
    cairo_t* cr = c.Cr();
    const double w = c.Width(), h = c.Height();
    cairo_save(cr);
    cairo_translate(cr, w / 2, h / 2);
    cairo_rotate(cr, -0.18);
    const double len = w * 0.42;
    if (stage >= 2) {
        Random random(0x5b0 + stage);
        for (int i = 0; i < 10 * stage; ++i) {
            Glint(cr, {-len - random.Range(0, 40), random.Range(-14, 14)}, random.Range(2, 5),
                  (stage == 3 ? fire::kSpirit.flame : pal::CandleGold).WithAlpha(0.9));
        }
    }
    RoundedBody(
        c, [=](cairo_t* x) { RoundedRect(x, -len * 0.5, -3, len * 1.5, 6, 3); }, kWood, 0.5, 0.3);
    const auto bristles = [=](cairo_t* x) {
        Polygon(x, {{-len * 0.45, -5}, {-len * 0.45, 5}, {-len, 16}, {-len - 6, 2}, {-len, -14}});
    };
    RoundedBody(c, bristles, {Hex(0xe8c878), Hex(0xa07a30), Hex(0x4a3210)}, 0.3, 0.4);
    cairo_rectangle(cr, -len * 0.5, -6, 6, 12);
    SetSource(cr, Hex(0xd84a3a));
    cairo_fill(cr);
    if (stage == 3) sc::Halo(cr, {len * 0.2, -6}, 26, fire::kSpirit.halo.WithAlpha(0.5));
    cairo_restore(cr);
}

void Cage(Canvas& c, int stage) {
    cairo_t* cr = c.Cr();
    const double w = c.Width(), h = c.Height(), cx = w / 2;
    const double top = h * 0.45, bottom = h - 14, half = std::min(w * 0.38, 46.0);
    cairo_rectangle(cr, cx - 1.5, 0, 3, top);
    SetSource(cr, kIron.mid);
    cairo_fill(cr);
    const Colour glow = stage == 1 ? Hex(0x8fb8ff) : stage == 2 ? Hex(0x9a5cf0) : Hex(0xc8a0ff);
    const double ball = half * 0.6;
    sc::Halo(cr, {cx, bottom - ball - 6}, ball * (2.2 + stage * 0.4), glow.WithAlpha(0.45));
    RoundedBody(
        c,
        [=](cairo_t* x) {
            cairo_new_sub_path(x);
            cairo_arc(x, cx, bottom - ball - 6, ball, 0, 2 * kPi);
        },
        {pal::Moonlight, glow, Mix(glow, pal::Ink, 0.6)}, 0.9, 0.3);
    // The bars: a dome of iron in front of the ball.
    const auto bars = [=](cairo_t* x) {
        for (int k = -3; k <= 3; ++k) {
            const double bx = cx + k * half / 3.2;
            cairo_move_to(x, bx - 1.2, bottom);
            cairo_curve_to(x, bx - 1.2, top + 20, cx + k * 3, top, cx - 1, top);
            cairo_line_to(x, cx + 1, top);
            cairo_curve_to(x, cx + k * 3 + 2, top, bx + 1.2, top + 20, bx + 1.2, bottom);
            cairo_close_path(x);
        }
        RoundedRect(x, cx - half - 2, bottom - 2, 2 * half + 4, 8, 3);
        RoundedRect(x, cx - half, top + (bottom - top) * 0.45, 2 * half, 4, 2);
    };
    RoundedBody(c, bars, kIron, 0.5, 0.3);
    if (stage == 3) {
        // The grandest cage hangs with two lanterns either side.
        for (double x : {cx - half - 38, cx + half + 8}) {
            cairo_rectangle(cr, x + 15, 0, 2, top + 30);
            SetSource(cr, kIron.mid);
            cairo_fill(cr);
            Prop(c, x, top + 28, 32, [](Canvas& k) { Lantern(k, fire::kSpirit); });
        }
    }
}

void LightningTree(Canvas& c, int stage) {
    cairo_t* cr = c.Cr();
    const double w = c.Width(), h = c.Height(), trunkX = 226;
    FootShadow(c, trunkX, h - 10, 60);
    const auto tree = [=](cairo_t* x) { sc::BareTree(x, {trunkX, h - 8}, h * 0.92, -0.15, 0x5c0); };
    sc::Silhouette(c, tree, Hex(0x0c0e16), pal::Mist.WithAlpha(0.45), 1.6);
    if (stage >= 2) {
        // A lightning rod lashed up the trunk, its tip above the crown.
        cairo_move_to(cr, trunkX + 12, h * 0.55);
        cairo_line_to(cr, trunkX + 8, 30);
        cairo_set_line_width(cr, 3);
        SetSource(cr, kBrass.mid);
        cairo_stroke(cr);
        for (double y = h * 0.5; y > h * 0.3; y -= 28) cairo_rectangle(cr, trunkX + 4, y, 14, 3);
        cairo_fill(cr);
        sc::Halo(cr, {trunkX + 8, 30}, 20, Hex(0x8fb8ff).WithAlpha(0.7));
    }
    if (stage >= 3) {
        // Forks of lightning caught in the branches.
        Random random(0x5c1);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        for (int bolt = 0; bolt < 3; ++bolt) {
            Point p{trunkX + 8, 30};
            cairo_move_to(cr, p.x, p.y);
            for (int k = 0; k < 8; ++k) {
                p = {p.x + random.Range(-28, 20) + (bolt - 1) * 10, p.y + random.Range(14, 26)};
                cairo_line_to(cr, p.x, p.y);
            }
        }
        cairo_set_line_width(cr, 5);
        SetSource(cr, Hex(0x8fb8ff).WithAlpha(0.4));
        cairo_stroke_preserve(cr);
        cairo_set_line_width(cr, 1.6);
        SetSource(cr, pal::Moonlight);
        cairo_stroke(cr);
        sc::Halo(cr, {w * 0.5, h * 0.3}, 120, Hex(0x8fb8ff).WithAlpha(0.2));
    }
}

void Bough(cairo_t* cr, const std::vector<Point>& points, double w0, double w1) {
    std::vector<Point> left, right;
    for (size_t i = 0; i < points.size(); ++i) {
        const Point a = points[i > 0 ? i - 1 : 0], b = points[std::min(i + 1, points.size() - 1)];
        const double dx = b.x - a.x, dy = b.y - a.y, len = std::max(1e-6, std::hypot(dx, dy));
        const double half = (w0 + (w1 - w0) * i / (points.size() - 1)) / 2;
        left.push_back({points[i].x - dy / len * half, points[i].y + dx / len * half});
        right.push_back({points[i].x + dy / len * half, points[i].y - dx / len * half});
    }
    left.insert(left.end(), right.rbegin(), right.rend());
    double area = 0;
    for (size_t i = 0; i < left.size(); ++i) {
        const Point a = left[i], b = left[(i + 1) % left.size()];
        area += a.x * b.y - b.x * a.y;
    }
    if (area < 0) std::reverse(left.begin(), left.end());
    ClosedCurve(cr, left);
}

void MidRightTree(Canvas& c) {
    const double h = c.Height();
    const auto tree = [=](cairo_t* x) {
        Bough(x, {{118, h - 2}, {128, h - 90}, {112, h - 200}, {122, h - 300}, {110, 120}}, 22, 10);
        Bough(x, {{114, 160}, {76, 132}, {36, 118}, {-4, 114}}, 11, 6);
        Bough(x, {{112, 140}, {150, 84}, {200, 44}, {244, 24}}, 10, 5);
        Bough(x, {{120, h - 6}, {92, h - 2}, {74, h}}, 9, 3);
        Bough(x, {{118, h - 6}, {152, h - 1}, {170, h + 2}}, 9, 3);
        sc::BareTree(x, {110, 126}, 110, -0.05, 0x5d1);
        sc::BareTree(x, {62, 126}, 46, -0.5, 0x5d2);
        sc::BareTree(x, {190, 50}, 40, 0.4, 0x5d3);
    };
    sc::Silhouette(c, tree, Hex(0x0a0c14), pal::Mist.WithAlpha(0.45), 1.5);
}

void Cauldron(Canvas& c) {
    cairo_t* cr = c.Cr();
    const double w = c.Width(), h = c.Height(), cx = w / 2, pot = h - 60;
    Random random(0x5e1);
    for (int i = 0; i < 14; ++i) {
        const double t = i / 13.0;
        sc::Halo(cr, {cx + std::sin(t * 7) * 16 * t, pot - 30 - t * (pot - 60)}, 22 + 18 * t,
                 Hex(0x9fe0a0).WithAlpha(0.28 * (1 - t * 0.7)));
    }
    sc::Halo(cr, {cx, h - 14}, 60, pal::LanternAmber.WithAlpha(0.5));
    Prop(c, cx - 20, h - 44, 40, [](Canvas& k) { Flame(k, {32, 60}, 50, fire::kWarm); });
    const auto body = [=](cairo_t* x) {
        cairo_move_to(x, cx - 50, pot - 22);
        cairo_curve_to(x, cx - 62, pot + 30, cx + 62, pot + 30, cx + 50, pot - 22);
        cairo_close_path(x);
    };
    RoundedBody(c, body, kIron, 0.5, 0.6);
    Ellipse(cr, cx, pot - 22, 50, 9);
    SetSource(cr, RadialGradient(cx, pot - 22, 2, 50, {{0, Hex(0xc8ff9a)}, {1, Hex(0x3a8a3a)}}));
    cairo_fill(cr);
    for (int i = 0; i < 5; ++i) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, cx + random.Range(-36, 36), pot - 22 + random.Range(-4, 3), random.Range(2, 5), 0,
                  2 * kPi);
    }
    SetSource(cr, Hex(0xe8ffd0).WithAlpha(0.8));
    cairo_fill(cr);
    for (int leg : {-1, 1}) {
        cairo_rectangle(cr, cx + leg * 30 - 3, pot + 14, 6, 16);
    }
    SetSource(cr, kIron.dark);
    cairo_fill(cr);
}

void Tarnfield(Canvas& c) {
    cairo_t* cr = c.Cr();
    // It stands right of the picture's middle, clear of the first candelabra on its left.
    const double w = c.Width(), h = c.Height(), cx = w * 0.62;
    sc::Halo(cr, {cx, h * 0.6}, w * 0.4, fire::kSpirit.halo.WithAlpha(0.25));
    const auto body = [=](cairo_t* x) {
        cairo_rectangle(x, cx - 60, h - 110, 120, 106);
        Polygon(x, {{cx - 68, h - 108}, {cx + 68, h - 108}, {cx, h - 160}});
        cairo_rectangle(x, cx - 22, h - 200, 44, 100);
        Polygon(x, {{cx - 28, h - 198}, {cx + 28, h - 198}, {cx, h - 246}});
        for (double side : {-1.0, 1.0}) {
            cairo_rectangle(x, cx + side * 74 - 10, h - 130, 20, 126);
            Polygon(
                x,
                {{cx + side * 74 - 13, h - 128}, {cx + side * 74 + 13, h - 128}, {cx + side * 74, h - 156}});
        }
    };
    sc::Silhouette(c, body, Hex(0x1a1c30), pal::Moonlight.WithAlpha(0.5), 1.5);
    std::vector<sc::Window> windows = {{cx - 9, h - 170, 18, 30, true}};
    for (double x : {cx - 46, cx - 22, cx + 8, cx + 32}) windows.push_back({x, h - 90, 14, 34, true});
    for (double side : {-1.0, 1.0}) windows.push_back({cx + side * 74 - 5, h - 100, 10, 24, true});
    sc::Windows(c, windows, fire::kSpirit, pal::Ink);
}

void Gravebed(Canvas& c) {
    cairo_t* cr = c.Cr();
    const double w = c.Width(), h = c.Height();
    FootShadow(c, w / 2, h - 12, w * 0.5);
    const auto mound = [=](cairo_t* x) {
        cairo_move_to(x, 10, h - 12);
        cairo_curve_to(x, 20, h - 44, w - 20, h - 44, w - 10, h - 12);
        cairo_close_path(x);
    };
    RoundedBody(c, mound, {Hex(0x6a8a4a), Hex(0x2e4a22), Hex(0x0e1a0c)}, 0.2, 0.3);
    RoundedBody(
        c, [=](cairo_t* x) { RoundedRect(x, w - 44, h - 84, 30, 64, 12); }, kStone, 0.4, 0.3);
    Random random(0x5f1);
    for (int i = 0; i < 26; ++i) {
        const Point p{random.Range(24, w - 56), h - random.Range(16, 36)};
        const Colour colour = i % 3 == 0 ? pal::Heather : i % 3 == 1 ? Hex(0xd84a3a) : pal::CandleGold;
        cairo_new_sub_path(cr);
        cairo_arc(cr, p.x, p.y, random.Range(2, 3.5), 0, 2 * kPi);
        SetSource(cr, colour);
        cairo_fill(cr);
    }
    cairo_save(cr);
    cairo_translate(cr, w * 0.42, h - 40);
    cairo_rotate(cr, -0.25);
    sc::Halo(cr, {0, 0}, 26, fire::kSpirit.halo.WithAlpha(0.5));
    RoundedRect(cr, -11, -17, 22, 34, 2);
    SetSource(cr, pal::Bone);
    cairo_fill_preserve(cr);
    SetSource(cr, kBrass.mid);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    RoundedPolygon(cr, assetgen::Star({0, 0}, 7, 3, 5), 0.5);
    SetSource(cr, Hex(0x6a3aa0));
    cairo_fill(cr);
    cairo_restore(cr);
}

void CrossStone(Canvas& c, bool grand) {
    const double w = c.Width(), h = c.Height();
    FootShadow(c, w / 2, h - 6, w * 0.45);
    Prop(c, 0, h - w - 2, w, [&](Canvas& k) { Gravestone(k, grand ? &fire::kSpirit : nullptr); });
    if (grand) {
        sc::Silhouette(
            c,
            [=](cairo_t* x) {
                sc::Headstone(x, {w / 2, h - w * 0.75}, w * 0.28, h - w * 0.75, 1, 0);
            },
            kStone.mid, pal::Moonlight.WithAlpha(0.6), 1.4);
    }
}

void CurvedStone(Canvas& c, int stage) {
    cairo_t* cr = c.Cr();
    const double w = c.Width(), h = c.Height();
    FootShadow(c, w / 2, h - 6, w * 0.5);
    const auto stone = [=](cairo_t* x) {
        cairo_move_to(x, 10, h - 6);
        cairo_line_to(x, 10, h * 0.4);
        cairo_arc(x, w / 2, h * 0.4, w / 2 - 10, kPi, 2 * kPi);
        cairo_line_to(x, w - 10, h - 6);
        cairo_close_path(x);
    };
    RoundedBody(c, stone, stage == 3 ? Tones{Hex(0xd8d4e8), Hex(0x8a88a8), Hex(0x2a2a44)} : kStone, 0.4, 0.4);
    InnerShadow(
        c, [=](cairo_t* x) { RoundedRect(x, w / 2 - 14, h * 0.36, 28, 8, 2); }, 1.5, pal::Ink.WithAlpha(0.7));
    cairo_rectangle(cr, w * 0.3, h * 0.55, w * 0.4, 3);
    cairo_rectangle(cr, w * 0.3, h * 0.62, w * 0.32, 3);
    SetSource(cr, pal::Ink.WithAlpha(0.45));
    cairo_fill(cr);
    if (stage >= 2) {
        Random random(0x601);
        for (int i = 0; i < 30; ++i) {
            cairo_new_sub_path(cr);
            cairo_arc(cr, random.Range(12, w - 12), h - random.Range(8, 30), random.Range(2, 5), 0, 2 * kPi);
        }
        SetSource(cr, pal::Moss.WithAlpha(0.8));
        cairo_fill(cr);
    }
    if (stage >= 3) {
        Glint(cr, {w / 2, h * 0.22}, 10, pal::Moonlight);
        sc::Halo(cr, {w / 2, h * 0.22}, 24, fire::kSpirit.halo.WithAlpha(0.5));
    }
}

void BigWell(Canvas& c, bool glowing) {
    const double w = c.Width(), h = c.Height();
    FootShadow(c, w / 2, h - 10, w * 0.5);
    if (glowing) sc::Halo(c.Cr(), {w / 2, h * 0.5}, w * 0.5, fire::kSpirit.halo.WithAlpha(0.35));
    Prop(c, 0, h - w - 4, w, [&](Canvas& k) { Well(k, glowing ? &fire::kSpirit : nullptr); });
}

void LanternPost(Canvas& c, const Fire& fire) {
    cairo_t* cr = c.Cr();
    const double w = c.Width(), h = c.Height();
    FootShadow(c, w * 0.3, h - 6, 20);
    const auto post = [=](cairo_t* x) {
        cairo_rectangle(x, w * 0.3 - 3, 14, 6, h - 20);
        cairo_rectangle(x, w * 0.3 - 3, 12, w * 0.45, 5);
    };
    RoundedBody(c, post, kIron, 0.4, 0.3);
    sc::Halo(cr, {w * 0.7, 46}, 40, fire.halo.WithAlpha(0.4));
    Prop(c, w * 0.7 - 18, 16, 36, [&](Canvas& k) { Lantern(k, fire); });
}

void GroundTorch(Canvas& c, const Fire& fire) {
    cairo_t* cr = c.Cr();
    const double w = c.Width(), h = c.Height();
    FootShadow(c, w / 2, h - 6, 14);
    sc::Halo(cr, {w / 2, 30}, 26, fire.halo.WithAlpha(0.5));
    RoundedBody(
        c,
        [=](cairo_t* x) {
            Polygon(x, {{w / 2 - 5, 44}, {w / 2 + 5, 44}, {w / 2 + 2.5, h - 6}, {w / 2 - 2.5, h - 6}});
        },
        kWood, 0.4, 0.4);
    RoundedBody(
        c, [=](cairo_t* x) { RoundedRect(x, w / 2 - 8, 36, 16, 12, 3); }, kIron, 0.4, 0.3);
    Flame(c, {w / 2, 40}, 34, fire, 0.05);
}

void LitDoorway(cairo_t* cr, Point base, double halfWidth, double height, Colour top, Colour bottom) {
    cairo_move_to(cr, base.x - halfWidth, base.y);
    cairo_line_to(cr, base.x - halfWidth, base.y - height + halfWidth);
    cairo_arc(cr, base.x, base.y - height + halfWidth, halfWidth, kPi, 2 * kPi);
    cairo_line_to(cr, base.x + halfWidth, base.y);
    cairo_close_path(cr);
    SetSource(cr, LinearGradient(0, base.y - height, 0, base.y, {{0, top}, {1, bottom}}));
    cairo_fill(cr);
}

void Crypt(Canvas& canvas, Point base, double w, Colour stone, Colour rim) {
    cairo_t* cr = canvas.Cr();
    const double x = base.x, y = base.y, top = y - 0.7 * w;
    sc::Halo(cr, {x, y - 0.3 * w}, 1.2 * w, pal::CandleGold.WithAlpha(0.25));
    const auto body = [=](cairo_t* c) {
        cairo_rectangle(c, x - w / 2, top, w, 0.7 * w);
        Polygon(c, {{x - 0.6 * w, top + 2}, {x + 0.6 * w, top + 2}, {x, top - 0.45 * w}});
        cairo_rectangle(c, x - 0.055 * w, top - 0.65 * w, 0.11 * w, 0.22 * w);
        cairo_rectangle(c, x - 0.135 * w, top - 0.58 * w, 0.27 * w, 0.07 * w);
    };
    sc::Silhouette(canvas, body, stone, rim, 1.6);
    const double half = 0.16 * w;
    LitDoorway(cr, base, half, 0.5 * w, pal::Moonlight, pal::CandleGold);
    Polygon(cr, {{x - half, y}, {x + half, y}, {x + 0.45 * w, y + 0.25 * w}, {x - 0.45 * w, y + 0.25 * w}});
    SetSource(cr, pal::CandleGold.WithAlpha(0.35));
    cairo_fill(cr);
}

}  // namespace assetgen::churchyard
