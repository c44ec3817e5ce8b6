#include "tools/assetgen/Chrome.h"

#include <cmath>
#include <numbers>

#include "tools/assetgen/Noise.h"

namespace assetgen::chrome {

namespace {

namespace pal = palette;
constexpr double kPi = std::numbers::pi;

// Gilt that shines: bright where it faces the moon, a second sheen across the middle, dark beyond.
Pattern GiltAcross(const Box& box) {
    return LinearGradient(box.x0, box.y0, box.x1, box.y1,
                          {{0, kGilt.light},
                           {0.2, kGilt.mid},
                           {0.45, Mix(kGilt.mid, kGilt.light, 0.6)},
                           {0.7, kGilt.mid},
                           {1, kGilt.dark}});
}

}  // namespace

void Panel(Canvas& canvas, const PathFn& shape, const PanelStyle& style) {
    cairo_t* cr = canvas.Cr();
    const Box box = Extents(shape);
    if (style.shadow > 0)
        DropShadow(canvas, shape, style.shadow, style.shadow * 0.9, pal::Ink.WithAlpha(0.65));
    shape(cr);
    SetSource(cr, LinearGradient(0, box.y0, 0, box.y1,
                                 {{0, Mix(style.enamel.mid, style.enamel.light, 0.45)},
                                  {0.45, style.enamel.mid},
                                  {1, style.enamel.dark}}));
    cairo_fill(cr);

    cairo_save(cr);
    shape(cr);
    cairo_clip(cr);
    // A brushed grain in the enamel, so large boards are not flat.
    const Pattern grain = PixelPattern(canvas.Width(), canvas.Height(), [](double x, double y) {
        const double n = Fbm(x / 70, y / 4, 3, 0x9a1);
        return n > 0.5 ? pal::Moonlight.WithAlpha((n - 0.5) * 0.07) : pal::Ink.WithAlpha((0.5 - n) * 0.16);
    });
    cairo_save(cr);
    cairo_identity_matrix(cr);
    SetSource(cr, grain);
    cairo_paint(cr);
    cairo_restore(cr);
    if (style.glow.a > 0) {
        const Point c = box.Centre();
        SetSource(cr, RadialGradient(c.x, c.y, 0, std::max(box.Width(), box.Height()) * 0.6,
                                     {{0, style.glow}, {1, style.glow.WithAlpha(0)}}));
        cairo_paint(cr);
    }
    cairo_restore(cr);
    InnerShadow(canvas, shape, 7, pal::Ink.WithAlpha(0.55), 2);

    if (style.rim > 0) {
        cairo_save(cr);
        shape(cr);
        cairo_clip(cr);
        shape(cr);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_set_line_width(cr, style.rim * 2 + 2.4);
        SetSource(cr, pal::Ink.WithAlpha(0.7));
        cairo_stroke_preserve(cr);
        cairo_set_line_width(cr, style.rim * 2);
        SetSource(cr, GiltAcross(box));
        cairo_stroke(cr);
        cairo_restore(cr);
        RimLight(canvas, shape, light::kMoonX, light::kMoonY, 1.2, pal::Moonlight.WithAlpha(0.55));
    }
    shape(cr);
    Outline(cr, 1.4, pal::Ink.WithAlpha(0.9));
    cairo_new_path(cr);
}

void Recess(Canvas& canvas, const PathFn& shape) {
    cairo_t* cr = canvas.Cr();
    shape(cr);
    SetSource(cr, Mix(pal::Ink, kEnamel.dark, 0.5).WithAlpha(0.9));
    cairo_fill(cr);
    InnerShadow(canvas, shape, 3, pal::Ink.WithAlpha(0.95), 2);
    RimLight(canvas, shape, -light::kMoonX, -light::kMoonY, 1.2, kGilt.light.WithAlpha(0.35));
    shape(cr);
    cairo_set_line_width(cr, 1);
    SetSource(cr, kGilt.mid.WithAlpha(0.6));
    cairo_stroke(cr);
}

void Stud(Canvas& canvas, Point at, double radius) {
    const auto disc = [&](cairo_t* c) {
        cairo_new_sub_path(c);
        cairo_arc(c, at.x, at.y, radius, 0, 2 * kPi);
    };
    DropShadow(canvas, disc, radius * 0.3, radius * 0.3, pal::Ink.WithAlpha(0.6));
    RoundedBody(canvas, disc, kGilt, 0.8, 0.3);
    disc(canvas.Cr());
    Outline(canvas.Cr(), std::min(1.2, radius * 0.35), pal::Ink.WithAlpha(0.85));
    cairo_new_path(canvas.Cr());
}

void Star(Canvas& canvas, Point at, double radius) {
    const auto star = [&](cairo_t* c) {
        RoundedPolygon(c, assetgen::Star(at, radius, radius * 0.32, 4), 0.6);
    };
    DropShadow(canvas, star, radius * 0.2, radius * 0.25, pal::Ink.WithAlpha(0.6));
    RoundedBody(canvas, star, kGilt, 0.6, 0.3);
    star(canvas.Cr());
    Outline(canvas.Cr(), std::min(1.1, radius * 0.15), pal::Ink.WithAlpha(0.8));
    cairo_new_path(canvas.Cr());
}

void CornerScroll(Canvas& canvas, Point corner, int quadrant, double size) {
    cairo_t* cr = canvas.Cr();
    cairo_save(cr);
    cairo_translate(cr, corner.x, corner.y);
    cairo_rotate(cr, quadrant * kPi / 2);
    cairo_scale(cr, size / 40, size / 40);
    // Two curls meeting at the corner, one along each side.
    const auto curls = [](cairo_t* c) {
        cairo_move_to(c, 4, 36);
        cairo_curve_to(c, 4, 18, 10, 9, 22, 7);
        cairo_curve_to(c, 30, 6, 32, 15, 25, 16);
        cairo_curve_to(c, 20, 17, 20, 11, 24, 11);
        cairo_move_to(c, 36, 4);
        cairo_curve_to(c, 18, 4, 9, 10, 7, 22);
        cairo_curve_to(c, 6, 30, 15, 32, 16, 25);
        cairo_curve_to(c, 17, 20, 11, 20, 11, 24);
    };
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    curls(cr);
    cairo_set_line_width(cr, 4.4);
    SetSource(cr, pal::Ink.WithAlpha(0.85));
    cairo_stroke(cr);
    curls(cr);
    cairo_set_line_width(cr, 2.4);
    SetSource(cr, LinearGradient(0, 0, 36, 36, {{0, kGilt.light}, {0.6, kGilt.mid}, {1, kGilt.dark}}));
    cairo_stroke(cr);
    cairo_restore(cr);
    Star(canvas,
         {corner.x + std::cos(kPi / 4 + quadrant * kPi / 2) * size * 0.2 * std::sqrt(2.0),
          corner.y + std::sin(kPi / 4 + quadrant * kPi / 2) * size * 0.2 * std::sqrt(2.0)},
         size * 0.14);
}

void Rule(Canvas& canvas, Point a, Point b) {
    cairo_t* cr = canvas.Cr();
    const Point m = Lerp(a, b, 0.5);
    const double gap = 9;
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    const double ux = (b.x - a.x) / length, uy = (b.y - a.y) / length;
    cairo_set_line_width(cr, 1.2);
    for (int side : {-1, 1}) {
        const Point from{m.x + side * ux * gap, m.y + side * uy * gap};
        const Point to = side < 0 ? a : b;
        cairo_move_to(cr, from.x, from.y);
        cairo_line_to(cr, to.x, to.y);
        SetSource(cr, LinearGradient(from.x, from.y, to.x, to.y,
                                     {{0, kGilt.mid.WithAlpha(0.95)}, {1, kGilt.mid.WithAlpha(0)}}));
        cairo_stroke(cr);
    }
    Star(canvas, m, 6);
}

void CheckBox(Canvas& canvas, bool hover) {
    const auto box = [](cairo_t* c) { RoundedRect(c, 4, 4, 28, 28, 6); };
    if (hover) SoftGlow(canvas, box, 2.5, pal::LanternAmber.WithAlpha(0.8));
    Panel(canvas, box, {.rim = 2.5, .shadow = 0});
    Recess(canvas, [](cairo_t* c) { RoundedRect(c, 9, 9, 18, 18, 4); });
}

void CheckMark(Canvas& canvas) {
    const auto tick = [](cairo_t* c) {
        cairo_move_to(c, 7, 19);
        cairo_line_to(c, 15, 27);
        cairo_line_to(c, 31, 6);
        cairo_line_to(c, 33, 9);
        cairo_line_to(c, 15, 32);
        cairo_line_to(c, 5, 22);
        cairo_close_path(c);
    };
    SoftGlow(canvas, tick, 2, pal::LanternAmber.WithAlpha(0.7));
    RoundedBody(canvas, tick, {pal::Moonlight, pal::CandleGold, pal::Ember}, 0.5, 0.2);
}

platform::PixelMap CheckBoxPicture(bool hover) {
    Canvas canvas(kCheckSize, kCheckSize);
    CheckBox(canvas, hover);
    return canvas.ToPixelMap();
}

platform::PixelMap CheckMarkPicture() {
    Canvas canvas(kCheckSize, kCheckSize);
    CheckMark(canvas);
    return canvas.ToPixelMap();
}

}  // namespace assetgen::chrome
