#include "tools/assetgen/Scenery.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/assetgen/Noise.h"
#include "tools/assetgen/Pictures.h"
#include "tools/assetgen/Random.h"

namespace assetgen::scenery {

namespace {

namespace pal = palette;
constexpr double kPi = std::numbers::pi;

double SignedArea(const std::vector<Point>& p) {
    double area = 0;
    for (size_t i = 0; i < p.size(); ++i) {
        const Point a = p[i], b = p[(i + 1) % p.size()];
        area += a.x * b.y - b.x * a.y;
    }
    return area / 2;
}

// Silhouettes are unions of many parts filled together with the winding rule, so every part is wound
// the way cairo_arc winds a circle; parts wound the other way would cut holes where they overlap.
void Part(cairo_t* cr, std::vector<Point> p) {
    if (SignedArea(p) < 0) std::reverse(p.begin(), p.end());
    Polygon(cr, p);
}

void Disc(cairo_t* cr, Point c, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, c.x, c.y, r, 0, 2 * kPi);
    cairo_close_path(cr);
}

// A tapered limb from a to b, rounded at its tip.
void Limb(cairo_t* cr, Point a, Point b, double w0, double w1) {
    const double dx = b.x - a.x, dy = b.y - a.y, length = std::hypot(dx, dy);
    if (length <= 0) return;
    const double nx = -dy / length, ny = dx / length;
    Part(cr, {{a.x + nx * w0, a.y + ny * w0},
              {b.x + nx * w1, b.y + ny * w1},
              {b.x - nx * w1, b.y - ny * w1},
              {a.x - nx * w0, a.y - ny * w0}});
    Disc(cr, b, w1);
}

void Branch(cairo_t* cr, Point from, double angle, double length, double width, int depth, Random& random) {
    // A branch wanders: two bends on the way to its tip.
    Point at = from;
    double w = width;
    for (int k = 0; k < 3; ++k) {
        angle += random.Range(-0.22, 0.22);
        const Point next{at.x + std::sin(angle) * length / 3, at.y - std::cos(angle) * length / 3};
        const double nextW = std::max(0.5, w * 0.82);
        Limb(cr, at, next, w, nextW);
        at = next;
        w = nextW;
    }
    if (depth == 0) return;
    const int forks = depth > 2 ? 2 : random.Uniform() < 0.6 ? 2 : 3;
    for (int i = 0; i < forks; ++i) {
        const double spread = (i - (forks - 1) / 2.0) * random.Range(0.45, 0.8);
        Branch(cr, at, angle + spread, length * random.Range(0.62, 0.78), w * 0.78, depth - 1, random);
    }
}

template <typename Fn>
void Band(Canvas& canvas, double y0, double y1, const Fn& colourAt) {
    const int top = std::max(0, static_cast<int>(std::floor(y0)));
    const int bottom = std::min(canvas.Height(), static_cast<int>(std::ceil(y1)));
    if (bottom <= top) return;
    const Pattern pattern =
        PixelPattern(canvas.Width(), bottom - top, [&](double x, double y) { return colourAt(x, y + top); });
    cairo_t* cr = canvas.Cr();
    cairo_save(cr);
    cairo_identity_matrix(cr);
    cairo_translate(cr, 0, top);
    cairo_rectangle(cr, 0, 0, canvas.Width(), bottom - top);
    SetSource(cr, pattern);
    cairo_fill(cr);
    cairo_restore(cr);
}

double Smoothstep(double a, double b, double x) {
    const double t = std::clamp((x - a) / (b - a), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

}  // namespace

void Sky(Canvas& canvas, std::initializer_list<Stop> stops) {
    cairo_t* cr = canvas.Cr();
    cairo_save(cr);
    cairo_identity_matrix(cr);
    cairo_rectangle(cr, 0, 0, canvas.Width(), canvas.Height());
    Pattern gradient(cairo_pattern_create_linear(0, 0, 0, canvas.Height()), cairo_pattern_destroy);
    for (const Stop& s : stops) {
        cairo_pattern_add_color_stop_rgba(gradient.get(), s.offset, s.colour.r, s.colour.g, s.colour.b,
                                          s.colour.a);
    }
    SetSource(cr, gradient);
    cairo_fill(cr);
    cairo_restore(cr);
}

void Stars(Canvas& canvas, double top, double bottom, int count, uint32_t seed, double brightness) {
    cairo_t* cr = canvas.Cr();
    Random random(seed);
    for (int i = 0; i < count; ++i) {
        const double x = random.Range(0, canvas.Width()), y = random.Range(top, bottom);
        const double size = random.Range(0.5, 1.5) * (random.Uniform() < 0.08 ? 1.6 : 1);
        const double fade = 1 - (y - top) / (bottom - top) * 0.7;
        const double alpha = std::min(1.0, (0.25 + 0.6 * size) * fade * brightness);
        Halo(cr, {x, y}, size * 2.4, pal::Moonlight.WithAlpha(alpha));
        if (size > 1.6) {
            cairo_set_line_width(cr, 0.6);
            SetSource(cr, pal::Moonlight.WithAlpha(alpha * 0.5));
            cairo_move_to(cr, x - size * 3.5, y);
            cairo_line_to(cr, x + size * 3.5, y);
            cairo_move_to(cr, x, y - size * 3.5);
            cairo_line_to(cr, x, y + size * 3.5);
            cairo_stroke(cr);
        }
    }
}

void Moon(Canvas& canvas, Point c, double r, double halo, double phase) {
    cairo_t* cr = canvas.Cr();
    Halo(cr, c, r * 7, pal::Mist.WithAlpha(0.16 * halo));
    Halo(cr, c, r * 3, pal::Moonlight.WithAlpha(0.3 * halo));
    cairo_push_group(cr);
    Disc(cr, c, r);
    SetSource(cr,
              RadialGradient(c.x - r * 0.3, c.y - r * 0.3, 0, r * 1.45,
                             {{0, pal::Moonlight}, {0.55, pal::Bone}, {1, Mix(pal::Bone, pal::Mist, 0.7)}}));
    cairo_fill(cr);
    // Maria: soft grey patches.
    const Point maria[] = {{-0.25, -0.15}, {0.3, 0.22}, {-0.08, 0.38}, {0.35, -0.3}, {-0.4, 0.25}};
    const double sizes[] = {0.42, 0.34, 0.26, 0.22, 0.18};
    for (int i = 0; i < 5; ++i) {
        Halo(cr, {c.x + maria[i].x * r, c.y + maria[i].y * r}, sizes[i] * r, Hex(0xa9a4b4).WithAlpha(0.38));
    }
    if (phase > 0) {
        cairo_set_operator(cr, CAIRO_OPERATOR_DEST_OUT);
        Disc(cr, {c.x - r * 2.1 * (1 - phase) - r * 0.05, c.y - r * 0.1}, r * 1.02);
        cairo_set_source_rgba(cr, 0, 0, 0, 0.96);
        cairo_fill(cr);
    }
    cairo_pop_group_to_source(cr);
    cairo_paint(cr);
}

void Clouds(Canvas& canvas, double y0, double y1, double cover, Colour body, Colour lit, uint32_t seed,
            double stretch) {
    const auto density = [&](double x, double y) {
        const double n = Fbm(x / (90 * stretch), y / 90, 5, seed);
        const double edge =
            Smoothstep(y0, y0 + (y1 - y0) * 0.3, y) * (1 - Smoothstep(y1 - (y1 - y0) * 0.3, y1, y));
        return Smoothstep(1 - cover, 1 - cover + 0.22, n) * edge;
    };
    Band(canvas, y0, y1, [&](double x, double y) {
        const double d = density(x, y);
        if (d <= 0.001) return Colour{0, 0, 0, 0};
        // Silver linings: the side of a cloud that faces the moon is lit where the cloud thins.
        const double behind = density(x + light::kMoonX * 6, y + light::kMoonY * 6);
        const double glow = std::clamp((d - behind) * 3 + (1 - d) * 0.5, 0.0, 1.0);
        Colour c = Mix(body, lit, glow);
        c.a = d * body.a;
        return c;
    });
}

void Mist(Canvas& canvas, double y, double thickness, Colour colour, double alpha, uint32_t seed) {
    Band(canvas, y - thickness, y + thickness, [&](double x, double py) {
        const double v = (py - y) / thickness;
        const double fall = std::exp(-v * v * 2.5);
        const double n = Fbm(x / 260, py / 38, 4, seed);
        const double a = alpha * fall * Smoothstep(0.3, 0.75, n);
        return colour.WithAlpha(a);
    });
}

void Halo(cairo_t* cr, Point c, double r, Colour colour) {
    SetSource(cr, RadialGradient(
                      c.x, c.y, 0, r,
                      {{0, colour}, {0.35, colour.WithAlpha(colour.a * 0.45)}, {1, colour.WithAlpha(0)}}));
    Disc(cr, c, r);
    cairo_fill(cr);
}

void Vignette(Canvas& canvas, double strength) {
    cairo_t* cr = canvas.Cr();
    const double w = canvas.Width(), h = canvas.Height();
    cairo_save(cr);
    cairo_identity_matrix(cr);
    cairo_translate(cr, w / 2, h / 2);
    cairo_scale(cr, w / h, 1);
    cairo_rectangle(cr, -h, -h / 2, 2 * h, h);
    SetSource(cr, RadialGradient(0, 0, h * 0.42, h * 0.78,
                                 {{0, pal::Ink.WithAlpha(0)}, {1, pal::Ink.WithAlpha(strength)}}));
    cairo_fill(cr);
    cairo_restore(cr);
}

void CalmBehindBoard(Canvas& canvas, double strength) {
    cairo_t* cr = canvas.Cr();
    cairo_save(cr);
    cairo_identity_matrix(cr);
    // The board sits right of the middle, a little high; the HUD has the left edge.
    cairo_translate(cr, 590, 336);
    cairo_scale(cr, 1.3, 1);
    cairo_rectangle(cr, -600, -400, 1200, 800);
    SetSource(cr, RadialGradient(0, 0, 80, 360,
                                 {{0, pal::NightDeep.WithAlpha(strength)},
                                  {0.6, pal::NightDeep.WithAlpha(strength * 0.7)},
                                  {1, pal::NightDeep.WithAlpha(0)}}));
    cairo_fill(cr);
    cairo_restore(cr);
}

void InTheDark(Canvas& canvas, double darkness, const std::function<void()>& draw) {
    cairo_t* cr = canvas.Cr();
    cairo_push_group(cr);
    draw();
    Pattern prop(cairo_pop_group(cr), cairo_pattern_destroy);
    SetSource(cr, prop);
    cairo_paint(cr);
    SetSource(cr, pal::NightDeep.WithAlpha(darkness));
    cairo_mask(cr, prop.get());
}

void Silhouette(Canvas& canvas, const PathFn& path, Colour colour, Colour rim, double rimWidth) {
    cairo_t* cr = canvas.Cr();
    path(cr);
    SetSource(cr, colour);
    cairo_fill(cr);
    if (rim.a > 0) RimLight(canvas, path, light::kMoonX, light::kMoonY, rimWidth, rim);
}

void Hills(cairo_t* cr, double width, double height, double baseY, double amplitude, double wavelength,
           uint32_t seed) {
    std::vector<Point> ridge;
    const int steps = static_cast<int>(std::ceil((width + 40) / (wavelength / 6)));
    for (int i = 0; i <= steps; ++i) {
        const double x = -20 + (width + 40) * i / steps;
        ridge.push_back({x, baseY - amplitude * (Fbm(x / wavelength, 0.5, 3, seed) - 0.5) * 2.2});
    }
    cairo_new_sub_path(cr);
    cairo_move_to(cr, -20, height + 10);
    CurveThrough(cr, ridge);
    cairo_line_to(cr, width + 20, height + 10);
    cairo_close_path(cr);
}

void BareTree(cairo_t* cr, Point base, double height, double lean, uint32_t seed) {
    Random random(seed);
    const double width = height * 0.045;
    // Roots flare into the ground.
    Part(cr, {{base.x - width * 2.2, base.y + 2},
              {base.x - width * 0.8, base.y - height * 0.08},
              {base.x + width * 0.8, base.y - height * 0.08},
              {base.x + width * 2.4, base.y + 2}});
    Branch(cr, base, lean, height * 0.42, width, 5, random);
}

void Conifer(cairo_t* cr, Point base, double height, double width, uint32_t seed) {
    Random random(seed);
    std::vector<Point> right, left;
    const int tiers = 9;
    for (int i = 0; i <= tiers; ++i) {
        const double t = static_cast<double>(i) / tiers;
        const double y = base.y - height * 0.08 - (1 - t) * height * 0.92;
        const double half = width / 2 * (0.08 + 0.92 * std::pow(t, 0.85));
        right.push_back({base.x + half * random.Range(0.9, 1.1), y});
        right.push_back({base.x + half * 0.7, y + height * 0.04});
        left.push_back({base.x - half * random.Range(0.9, 1.1), y});
        left.push_back({base.x - half * 0.7, y + height * 0.04});
    }
    std::vector<Point> outline{{base.x, base.y - height}};
    outline.insert(outline.end(), right.begin(), right.end());
    outline.push_back({base.x + width * 0.06, base.y});
    outline.push_back({base.x - width * 0.06, base.y});
    outline.insert(outline.end(), left.rbegin(), left.rend());
    Part(cr, outline);
}

void Grass(cairo_t* cr, double y, double x0, double x1, double height, uint32_t seed) {
    Random random(seed);
    Part(cr, {{x0, y}, {x1, y}, {x1, y + 6}, {x0, y + 6}});
    for (double x = x0; x < x1; x += random.Range(1.5, 4)) {
        const double h = height * random.Range(0.4, 1.1), bend = random.Range(-0.5, 0.5) * h;
        Part(cr, {{x - 1.4, y + 1}, {x + bend, y - h}, {x + 1.4, y + 1}});
    }
}

void Fence(cairo_t* cr, double y, double x0, double x1, double height, uint32_t seed) {
    Random random(seed);
    const double w = height * 0.09;
    // Two rails, sagging a little between the posts.
    for (double level : {0.28, 0.7}) {
        Part(cr, {{x0, y - height * level},
                  {x1, y - height * level + random.Range(-4, 4)},
                  {x1, y - height * (level - 0.08)},
                  {x0, y - height * (level - 0.08)}});
    }
    // Old pickets: uneven, some leaning, now and then one missing.
    for (double x = x0 + height * 0.15; x < x1; x += height * random.Range(0.26, 0.36)) {
        if (random.Uniform() < 0.08) continue;
        const double h = height * random.Range(0.8, 1.08), tilt = random.Range(-0.08, 0.08) * height;
        Part(cr, {{x - w, y},
                  {x + w, y},
                  {x + w + tilt, y - h + w},
                  {x + tilt, y - h - w * 0.6},
                  {x - w + tilt, y - h + w}});
    }
}

void Headstone(cairo_t* cr, Point b, double w, double h, int kind, double tilt) {
    cairo_save(cr);
    cairo_translate(cr, b.x, b.y);
    cairo_rotate(cr, tilt);
    if (kind == 1) {
        Part(cr, {{-w * 0.13, 0}, {w * 0.13, 0}, {w * 0.13, -h}, {-w * 0.13, -h}});
        Part(cr,
             {{-w * 0.45, -h * 0.72}, {w * 0.45, -h * 0.72}, {w * 0.45, -h * 0.58}, {-w * 0.45, -h * 0.58}});
    } else if (kind == 2) {
        Part(cr, {{-w * 0.3, 0}, {w * 0.3, 0}, {w * 0.2, -h * 0.85}, {0, -h}, {-w * 0.2, -h * 0.85}});
    } else {
        cairo_new_sub_path(cr);
        cairo_move_to(cr, -w / 2, 0);
        cairo_line_to(cr, -w / 2, -h + w / 2);
        cairo_arc(cr, 0, -h + w / 2, w / 2, kPi, 2 * kPi);
        cairo_line_to(cr, w / 2, 0);
        cairo_close_path(cr);
    }
    cairo_restore(cr);
}

void Bat(cairo_t* cr, Point c, double s, double flap) {
    const double up = flap * s * 0.3;
    std::vector<Point> wing{{0, -s * 0.05},
                            {s * 0.18, -s * 0.14 - up * 0.5},
                            {s * 0.5, -s * 0.2 - up},
                            {s * 0.42, s * 0.02},
                            {s * 0.34, -s * 0.04},
                            {s * 0.26, s * 0.06},
                            {s * 0.17, -s * 0.01},
                            {s * 0.08, s * 0.08},
                            {0, s * 0.06}};
    std::vector<Point> left, right;
    for (const Point& p : wing) {
        right.push_back({c.x + p.x, c.y + p.y});
        left.push_back({c.x - p.x, c.y + p.y});
    }
    Part(cr, right);
    Part(cr, left);
    Disc(cr, {c.x, c.y}, s * 0.07);
    Part(cr, {{c.x - s * 0.06, c.y - s * 0.04},
              {c.x - s * 0.05, c.y - s * 0.13},
              {c.x - s * 0.01, c.y - s * 0.06}});
    Part(cr, {{c.x + s * 0.06, c.y - s * 0.04},
              {c.x + s * 0.05, c.y - s * 0.13},
              {c.x + s * 0.01, c.y - s * 0.06}});
}

void HousePath(cairo_t* cr, const House& h) {
    const double top = h.ground - h.height, shift = h.lean * h.height;
    Part(cr, {{h.x, h.ground}, {h.x + h.width, h.ground}, {h.x + h.width + shift, top}, {h.x + shift, top}});
    const double overhang = h.width * 0.08;
    Part(cr, {{h.x + shift - overhang, top + 2},
              {h.x + h.width + shift + overhang, top + 2},
              {h.x + h.width / 2 + shift * 1.3, top - h.roof}});
    if (h.chimney) {
        const double cx = h.x + h.width * 0.7 + shift * 1.1, cw = h.width * 0.11;
        Part(cr, {{cx, top - h.roof * 0.2},
                  {cx + cw, top - h.roof * 0.3},
                  {cx + cw, top - h.roof * 0.85},
                  {cx, top - h.roof * 0.85}});
    }
}

void Windows(Canvas& canvas, const std::vector<Window>& windows, const Fire& fire, Colour frame) {
    cairo_t* cr = canvas.Cr();
    for (const Window& w : windows) {
        if (w.lit)
            Halo(cr, {w.x + w.w / 2, w.y + w.h / 2}, std::max(w.w, w.h) * 2.2, fire.halo.WithAlpha(0.35));
    }
    for (const Window& w : windows) {
        cairo_rectangle(cr, w.x, w.y, w.w, w.h);
        if (w.lit) {
            SetSource(cr, RadialGradient(
                              w.x + w.w * 0.5, w.y + w.h * 0.6, 0, std::max(w.w, w.h),
                              {{0, fire.core}, {0.5, fire.flame}, {1, Mix(fire.flame, fire.halo, 0.7)}}));
        } else {
            SetSource(cr, Mix(pal::Ink, pal::NightBlue, 0.35));
        }
        cairo_fill(cr);
        // Glazing bars.
        const double bar = std::max(0.8, w.w * 0.1);
        cairo_rectangle(cr, w.x + w.w / 2 - bar / 2, w.y, bar, w.h);
        cairo_rectangle(cr, w.x, w.y + w.h * 0.45 - bar / 2, w.w, bar);
        SetSource(cr, frame);
        cairo_fill(cr);
    }
}

Group BackdropGroup(const std::string& name, std::vector<Backdrop> backdrops) {
    std::vector<std::string> required;
    for (const Backdrop& b : backdrops) required.push_back(b.path);
    return Group{.name = name,
                 .required = std::move(required),
                 .make = [backdrops = std::move(backdrops)](DataFolder& out) {
                     for (const Backdrop& b : backdrops) WritePicture(out, b.path, b.draw());
                 }};
}

}  // namespace assetgen::scenery
