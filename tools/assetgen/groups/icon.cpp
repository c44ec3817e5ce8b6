// The window icon: a carved pumpkin lit from inside, in the game's colours. Bold shapes and a dark
// outline so it still reads at 32x32 and on light or dark title bars.

#include <cmath>
#include <numbers>

#include "platform/codecs/ImageCodec.h"
#include "tools/assetgen/DataFolder.h"
#include "tools/assetgen/Group.h"
#include "tools/assetgen/StyleKit.h"

namespace assetgen {
namespace {

namespace pal = palette;
constexpr double kPi = std::numbers::pi;
constexpr int kSize = 64;

struct Lobe {
    double cx, rx;
};
// Back to front: the outer lobes first, the middle one last.
constexpr Lobe kLobes[] = {{18.5, 13}, {45.5, 13}, {25, 13}, {39, 13}, {32, 11.5}};
constexpr double kBodyY = 38, kBodyRy = 20;

void LobePath(cairo_t* cr, const Lobe& lobe, double grow = 0) {
    cairo_save(cr);
    cairo_translate(cr, lobe.cx, kBodyY);
    cairo_scale(cr, lobe.rx + grow, kBodyRy + grow - std::abs(lobe.cx - 32) * 0.12);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
}

void Body(cairo_t* cr, double grow) {
    for (const Lobe& lobe : kLobes) LobePath(cr, lobe, grow);
}

void Stem(cairo_t* cr) {
    cairo_move_to(cr, 29, 21);
    cairo_curve_to(cr, 29, 15, 31, 10, 36, 6.5);
    cairo_curve_to(cr, 37.5, 7.5, 38.5, 9, 38.5, 10);
    cairo_curve_to(cr, 35, 12.5, 34.5, 16, 35, 21);
    cairo_close_path(cr);
}

void Face(cairo_t* cr) {
    // Eyes: triangles leaning in, a small nose, a grin with two teeth.
    cairo_move_to(cr, 17.5, 38);
    cairo_line_to(cr, 24, 27.5);
    cairo_line_to(cr, 29, 38);
    cairo_close_path(cr);
    cairo_move_to(cr, 46.5, 38);
    cairo_line_to(cr, 40, 27.5);
    cairo_line_to(cr, 35, 38);
    cairo_close_path(cr);
    cairo_move_to(cr, 32, 38);
    cairo_line_to(cr, 34.8, 42.5);
    cairo_line_to(cr, 29.2, 42.5);
    cairo_close_path(cr);
    cairo_move_to(cr, 16.5, 43.5);
    cairo_curve_to(cr, 22, 46, 42, 46, 47.5, 43.5);
    cairo_curve_to(cr, 45, 51, 40, 54.5, 32, 54.5);
    cairo_curve_to(cr, 24, 54.5, 19, 51, 16.5, 43.5);
    cairo_close_path(cr);
}

void Teeth(cairo_t* cr) {
    cairo_rectangle(cr, 25, 45, 4, 3.5);
    cairo_rectangle(cr, 35, 45, 4, 3.5);
}

platform::PixelMap DrawIcon() {
    Canvas canvas(kSize, kSize);
    cairo_t* cr = canvas.Cr();
    // Drawn on a 64-unit grid, shrunk a little to leave the glow room inside the picture.
    cairo_translate(cr, kSize / 2.0, kSize / 2.0);
    cairo_scale(cr, 0.92, 0.92);
    cairo_translate(cr, -kSize / 2.0, -kSize / 2.0 - 1);

    // Candlelight spilling round the pumpkin, then a dark outline that keeps the silhouette crisp.
    SoftGlow(
        canvas, [](cairo_t* c) { Body(c, 1); }, 1.8, pal::LanternAmber.WithAlpha(0.75));
    Body(cr, 1.6);
    SetSource(cr, pal::Ink);
    cairo_fill(cr);
    Stem(cr);
    Outline(cr, 3.2, pal::Ink);
    cairo_new_path(cr);

    for (const Lobe& lobe : kLobes) {
        LobePath(cr, lobe);
        // The moon lights each lobe's upper left; the far side falls into ember shade.
        SetSource(
            cr, RadialGradient(
                    lobe.cx - lobe.rx * 0.35, kBodyY - 9, 0, lobe.rx * 1.9,
                    {{0, Mix(pal::Pumpkin, pal::CandleGold, 0.55)}, {0.45, pal::Pumpkin}, {1, pal::Ember}}));
        cairo_fill_preserve(cr);
        Outline(cr, 0.8, Mix(pal::Ember, pal::Pumpkin, 0.25));
        cairo_new_path(cr);
    }

    // Lantern light from below right warms the body's far edge; the stem shades the top.
    RimLight(
        canvas, [](cairo_t* c) { Body(c, 0); }, -light::kMoonX, -light::kMoonY, 1.6,
        light::kRim.WithAlpha(0.6));
    DropShadow(canvas, Stem, 1.5, 1, pal::Ink.WithAlpha(0.55));
    Stem(cr);
    SetSource(cr, LinearGradient(
                      29, 0, 38, 0,
                      {{0, Mix(pal::Moss, pal::CandleGold, 0.35)}, {1, Mix(pal::Moss, pal::Ink, 0.45)}}));
    cairo_fill(cr);

    // The carved face: a dark cut edge on top, then the candle's light filling the openings, brightest
    // at their heart.
    Face(cr);
    SetSource(cr, Mix(pal::Ember, pal::Ink, 0.6));
    cairo_fill(cr);
    cairo_save(cr);
    Face(cr);
    cairo_clip(cr);
    cairo_translate(cr, 0.4, 1.5);
    Face(cr);
    SetSource(cr, RadialGradient(32, 42, 0, 22,
                                 {{0, Mix(pal::Moonlight, pal::CandleGold, 0.2)},
                                  {0.5, pal::CandleGold},
                                  {1, Mix(pal::CandleGold, pal::LanternAmber, 0.6)}}));
    cairo_fill(cr);
    cairo_restore(cr);
    Teeth(cr);
    SetSource(cr, pal::Pumpkin);
    cairo_fill(cr);

    // A glint of moonlight on the upper-left lobe gives the skin its gloss.
    cairo_save(cr);
    cairo_translate(cr, 16.5, 28);
    cairo_rotate(cr, -0.5);
    cairo_scale(cr, 2.2, 5);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
    SetSource(cr, pal::Moonlight.WithAlpha(0.55));
    cairo_fill(cr);
    return canvas.ToPixelMap();
}

const GroupRegistration kIcon({
    .name = "icon",
    .required = {"icon.png"},
    .make = [](DataFolder& out) { out.Write("icon.png", platform::EncodePng(DrawIcon(), 9, true)); },
});

}  // namespace
}  // namespace assetgen
