#include "tools/assetgen/Shading.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/assetgen/Noise.h"
#include "tools/assetgen/Random.h"

namespace assetgen {

namespace {

constexpr double kPi = std::numbers::pi;

// How much a surface facing the direction (dx, dy) (not necessarily unit) faces the moon: -1 … 1.
double TowardsMoon(double dx, double dy) {
    const double length = std::hypot(dx, dy);
    return length > 0 ? (dx * light::kMoonX + dy * light::kMoonY) / length : 0;
}

}  // namespace

Colour Tones::At(double t) const {
    t = std::clamp(t, 0.0, 1.0);
    return t < 0.5 ? Mix(dark, mid, t * 2) : Mix(mid, light, (t - 0.5) * 2);
}

void FacetedStone(Canvas& canvas, const Facets& f, const Tones& tones) {
    cairo_t* cr = canvas.Cr();
    const size_t n = f.outline.size();
    if (n < 3) return;
    std::vector<Point> table(n);
    for (size_t i = 0; i < n; ++i) table[i] = Lerp(f.centre, f.outline[i], f.table);
    const PathFn girdle = f.silhouette ? f.silhouette : [&](cairo_t* c) { Polygon(c, f.outline); };

    cairo_save(cr);
    girdle(cr);
    cairo_clip(cr);
    girdle(cr);
    SetSource(cr, tones.mid);
    cairo_fill(cr);

    // Crown facets, each a flat plane falling from the table to the girdle.
    Random random(f.sparkle);
    const double contrast = 0.5 * std::min(1.0, f.slope);
    cairo_save(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    for (size_t i = 0; i < n; ++i) {
        const Point a = f.outline[i], b = f.outline[(i + 1) % n];
        const Point ta = table[i], tb = table[(i + 1) % n];
        const Point outer = Lerp(a, b, 0.5), inner = Lerp(ta, tb, 0.5);
        const double t =
            0.5 + contrast * TowardsMoon(outer.x - inner.x, outer.y - inner.y) + random.Range(-0.09, 0.09);
        Polygon(cr, {a, b, tb, ta});
        SetSource(cr, LinearGradient(outer.x, outer.y, inner.x, inner.y,
                                     {{0, tones.At(t - 0.08)}, {1, tones.At(t + 0.08)}}));
        cairo_fill_preserve(cr);
        // The same colour stroked thinly closes the hairline seams between neighbouring facets.
        cairo_set_line_width(cr, 0.6);
        cairo_stroke(cr);
    }
    cairo_restore(cr);

    // The table: lit towards the moon, crossed by the darker reflection that makes a stone look deep.
    const Box box = Extents([&](cairo_t* c) { Polygon(c, table); });
    const double reach = std::max(box.Width(), box.Height()) / 2;
    const Point c = box.Centre();
    Polygon(cr, table);
    SetSource(cr, LinearGradient(c.x + light::kMoonX * reach, c.y + light::kMoonY * reach,
                                 c.x - light::kMoonX * reach, c.y - light::kMoonY * reach,
                                 {{0, tones.At(0.92)}, {0.45, tones.At(0.62)}, {1, tones.At(0.45)}}));
    cairo_fill(cr);
    cairo_save(cr);
    Polygon(cr, table);
    cairo_clip(cr);
    SetSource(cr, LinearGradient(c.x - reach, c.y - reach, c.x + reach, c.y + reach,
                                 {{0.35, tones.dark.WithAlpha(0)},
                                  {0.55, tones.dark.WithAlpha(0.32)},
                                  {0.75, tones.dark.WithAlpha(0)}}));
    cairo_paint(cr);
    // Light that entered the stone comes back out of its far side.
    const Point glow{c.x - light::kMoonX * reach * 0.45, c.y - light::kMoonY * reach * 0.45};
    SetSource(cr, RadialGradient(glow.x, glow.y, 0, reach * 0.8,
                                 {{0, tones.light.WithAlpha(0.45)}, {1, tones.light.WithAlpha(0)}}));
    cairo_paint(cr);
    cairo_restore(cr);

    // Facet edges catch a thread of light.
    cairo_save(cr);
    cairo_set_line_width(cr, 0.7);
    SetSource(cr, tones.light.WithAlpha(0.35));
    for (size_t i = 0; i < n; ++i) {
        cairo_move_to(cr, f.outline[i].x, f.outline[i].y);
        cairo_line_to(cr, table[i].x, table[i].y);
    }
    cairo_stroke(cr);
    Polygon(cr, table);
    SetSource(cr, Mix(tones.light, palette::Moonlight, 0.5).WithAlpha(0.55));
    cairo_stroke(cr);
    cairo_restore(cr);
    cairo_restore(cr);  // the clip to the silhouette

    RimLight(canvas, girdle, -light::kMoonX, -light::kMoonY, 1.6, light::kRim.WithAlpha(0.4));
    RimLight(canvas, girdle, light::kMoonX, light::kMoonY, 1.2, palette::Moonlight.WithAlpha(0.45));
    girdle(cr);
    Outline(cr, 1.5, palette::Ink.WithAlpha(0.85));
    cairo_new_path(cr);

    // The glint sits on the table corner that faces the moon.
    size_t best = 0;
    for (size_t i = 1; i < n; ++i) {
        if (TowardsMoon(table[i].x - c.x, table[i].y - c.y) * std::hypot(table[i].x - c.x, table[i].y - c.y) >
            TowardsMoon(table[best].x - c.x, table[best].y - c.y) *
                std::hypot(table[best].x - c.x, table[best].y - c.y)) {
            best = i;
        }
    }
    Glint(cr, Lerp(table[best], c, 0.15), reach * 0.55, palette::Moonlight.WithAlpha(0.95));
}

void RoundedBody(Canvas& canvas, const PathFn& path, const Tones& tones, double glint, double rim) {
    cairo_t* cr = canvas.Cr();
    const Box box = Extents(path);
    const Point c = box.Centre();
    const double rx = box.Width() / 2, ry = box.Height() / 2, r = std::max(rx, ry);
    const Point hi{c.x + light::kMoonX * rx * 0.4, c.y + light::kMoonY * ry * 0.4};
    path(cr);
    SetSource(cr, RadialGradient(hi.x, hi.y, 0, r * 1.45,
                                 {{0, tones.light}, {0.38, tones.mid}, {0.8, tones.dark}, {1, tones.dark}}));
    cairo_fill(cr);
    if (rim > 0) {
        RimLight(canvas, path, -light::kMoonX, -light::kMoonY, std::max(1.2, r * 0.09),
                 light::kRim.WithAlpha(rim));
    }
    if (glint > 0) {
        cairo_save(cr);
        path(cr);
        cairo_clip(cr);
        cairo_translate(cr, hi.x, hi.y);
        cairo_rotate(cr, -kPi / 4);
        cairo_scale(cr, rx * 0.32, ry * 0.18);
        SetSource(cr, RadialGradient(0, 0, 0, 1,
                                     {{0, palette::Moonlight.WithAlpha(glint)},
                                      {0.6, palette::Moonlight.WithAlpha(glint * 0.35)},
                                      {1, palette::Moonlight.WithAlpha(0)}}));
        cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
        cairo_fill(cr);
        cairo_restore(cr);
    }
}

Pattern Relief(int width, int height, const HeightFn& heightAt, const Tones& tones, double relief, int x0,
               int y0) {
    // The moon stands high: its light comes down at about 50 degrees.
    const double lx = light::kMoonX * 0.65, ly = light::kMoonY * 0.65, lz = 0.76;
    return PixelPattern(
        width, height,
        [&](double x, double y) {
            const double dx = (heightAt(x + 0.5, y) - heightAt(x - 0.5, y));
            const double dy = (heightAt(x, y + 0.5) - heightAt(x, y - 0.5));
            const double length = std::sqrt(dx * dx + dy * dy + 1);
            const double lambert = (-dx * lx - dy * ly + lz) / length;
            return tones.At(0.5 + (lambert - lz) * relief * 1.6);
        },
        x0, y0);
}

void Bevel(Canvas& canvas, const PathFn& path, double width, Colour light, Colour shade) {
    RimLight(canvas, path, light::kMoonX, light::kMoonY, width, light);
    RimLight(canvas, path, -light::kMoonX, -light::kMoonY, width, shade);
}

void Gloss(Canvas& canvas, const PathFn& path, double strength, double depth) {
    cairo_t* cr = canvas.Cr();
    const Box box = Extents(path);
    cairo_save(cr);
    path(cr);
    cairo_clip(cr);
    const double bottom = box.y0 + box.Height() * depth;
    Ellipse(cr, box.Centre().x, (box.y0 + bottom) / 2, box.Width() * 0.48, (bottom - box.y0) * 0.62);
    SetSource(cr, LinearGradient(
                      0, box.y0, 0, bottom,
                      {{0, palette::Moonlight.WithAlpha(strength)}, {1, palette::Moonlight.WithAlpha(0)}}));
    cairo_fill(cr);
    cairo_restore(cr);
}

void Glint(cairo_t* cr, Point at, double size, Colour colour) {
    cairo_save(cr);
    SetSource(cr, RadialGradient(at.x, at.y, 0, size * 0.5,
                                 {{0, colour.WithAlpha(colour.a * 0.6)}, {1, colour.WithAlpha(0)}}));
    cairo_arc(cr, at.x, at.y, size * 0.5, 0, 2 * kPi);
    cairo_fill(cr);
    const double s = size, w = size * 0.1;
    cairo_move_to(cr, at.x, at.y - s);
    cairo_curve_to(cr, at.x + w, at.y - w, at.x + w, at.y - w, at.x + s, at.y);
    cairo_curve_to(cr, at.x + w, at.y + w, at.x + w, at.y + w, at.x, at.y + s);
    cairo_curve_to(cr, at.x - w, at.y + w, at.x - w, at.y + w, at.x - s, at.y);
    cairo_curve_to(cr, at.x - w, at.y - w, at.x - w, at.y - w, at.x, at.y - s);
    cairo_close_path(cr);
    SetSource(cr, colour);
    cairo_fill(cr);
    cairo_restore(cr);
}

}  // namespace assetgen
