// The tutorial's pictures, in "Tutorial/": the tip box with its close cross, the bouncing arrows that
// point at a cell or a goal, and the glow that marks a tip's target.
//
// Arrows are placed by their tip:
//   "Arrow" (the default arrow of the level-start tips; a name chosen here), 64 x 92, points down, tip
//   at (32, 89);
//   "ArrowLong" (loaded with it; a name chosen here), 64 x 150, points down, tip at (32, 147);
//   "ArrowSmall", 44 x 60, points down, tip at (22, 57);
//   "ArrowThin", 236 x 48, points left, tip at (3, 24); its text goes on the plaque from x 56 to 228.
// "TipWithClose" is 500 x 236: the header centred in its top band (y 16 … 56), the body below the rule
//   (from y 69, 40 pixels in from each side), the close cross at the top right. "TipGlow" is 128 x 128.

#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "tools/assetgen/Chrome.h"
#include "tools/assetgen/DataFolder.h"
#include "tools/assetgen/Group.h"
#include "tools/assetgen/Pictures.h"
#include "tools/assetgen/Shading.h"
#include "tools/assetgen/Shapes.h"
#include "tools/assetgen/StyleKit.h"

namespace assetgen {
namespace {

namespace pal = palette;
constexpr double kPi = std::numbers::pi;

std::string PathOf(const std::string& name) {
    return "graphics/Tutorial/" + name + ".png";
}

// A gilt arrow pointing down, its tip at the bottom middle of the picture, glowing so it reads on the
// board and on the dark HUD alike.
platform::PixelMap DownArrow(int width, int height, double shaft) {
    Canvas canvas(width, height);
    cairo_t* cr = canvas.Cr();
    const double c = width / 2.0, head = width * 0.4, tip = height - 3, neck = tip - head * 1.05;
    const auto arrow = [=](cairo_t* x) {
        RoundedPolygon(x,
                       {{c - shaft / 2, 6},
                        {c + shaft / 2, 6},
                        {c + shaft / 2, neck},
                        {c + head, neck},
                        {c, tip},
                        {c - head, neck},
                        {c - shaft / 2, neck}},
                       2.5);
    };
    SoftGlow(canvas, arrow, 3.5, pal::LanternAmber.WithAlpha(0.85));
    RoundedBody(canvas, arrow, chrome::kGilt, 0.6, 0.4);
    arrow(cr);
    Outline(cr, 2, pal::Ink);
    cairo_new_path(cr);
    Glint(cr, {c - shaft * 0.15, 16}, 4, pal::Moonlight);
    return canvas.ToPixelMap();
}

// A thin arrow pointing left whose shaft is a plaque for a word.
platform::PixelMap ThinArrow() {
    Canvas canvas(236, 48);
    cairo_t* cr = canvas.Cr();
    const auto head = [](cairo_t* x) {
        RoundedPolygon(x, {{3, 24}, {34, 6}, {30, 20}, {30, 28}, {34, 42}}, 2);
    };
    const auto shaft = [](cairo_t* x) { RoundedRect(x, 26, 19, 32, 10, 3); };
    SoftGlow(canvas, head, 3, pal::LanternAmber.WithAlpha(0.85));
    RoundedBody(canvas, shaft, chrome::kGilt, 0.4, 0.3);
    shaft(cr);
    Outline(cr, 1.5, pal::Ink);
    cairo_new_path(cr);
    RoundedBody(canvas, head, chrome::kGilt, 0.6, 0.4);
    head(cr);
    Outline(cr, 1.8, pal::Ink);
    cairo_new_path(cr);
    chrome::Panel(canvas, [](cairo_t* x) { RoundedRect(x, 52, 5, 180, 38, 12); },
                  {.rim = 2.5, .shadow = 2, .enamel = chrome::kEnamel, .glow = {0, 0, 0, 0}});
    return canvas.ToPixelMap();
}

platform::PixelMap TipBox() {
    constexpr int kW = 500, kH = 236;
    Canvas canvas(kW, kH);
    cairo_t* cr = canvas.Cr();
    chrome::Panel(canvas, [](cairo_t* x) { RoundedRect(x, 6, 6, kW - 14, kH - 14, 18); },
                  {.rim = 3.5, .shadow = 5, .enamel = chrome::kEnamel, .glow = pal::Violet.WithAlpha(0.25)});
    chrome::Rule(canvas, {60, 60}, {kW - 68, 60});
    // Scrolls in the corners, but the top right, where the close cross sits.
    for (int q : {0, 2, 3}) {
        const double x = q == 0 || q == 3 ? 14 : kW - 22, y = q < 2 ? 14 : kH - 22;
        chrome::CornerScroll(canvas, {x, y}, q, 30);
    }
    // The close cross in its roundel.
    const Point close{kW - 40.0, 32};
    chrome::Panel(canvas,
                  [=](cairo_t* x) {
                      cairo_new_sub_path(x);
                      cairo_arc(x, close.x, close.y, 14, 0, 2 * kPi);
                  },
                  {.rim = 2.2, .shadow = 1.5, .enamel = chrome::kEnamel, .glow = {0, 0, 0, 0}});
    const auto cross = [=](cairo_t* x) {
        cairo_save(x);
        cairo_translate(x, close.x, close.y);
        cairo_rotate(x, kPi / 4);
        RoundedRect(x, -8, -2, 16, 4, 1.5);
        RoundedRect(x, -2, -8, 4, 16, 1.5);
        cairo_restore(x);
    };
    RoundedBody(canvas, cross, chrome::kGilt, 0.5, 0.3);
    cross(cr);
    Outline(cr, 1.2, pal::Ink);
    cairo_new_path(cr);
    return canvas.ToPixelMap();
}

platform::PixelMap TipGlow() {
    Canvas canvas(128, 128);
    cairo_t* cr = canvas.Cr();
    cairo_arc(cr, 64, 64, 64, 0, 2 * kPi);
    SetSource(cr, RadialGradient(64, 64, 0, 64,
                                 {{0, pal::CandleGold.WithAlpha(0.35)},
                                  {0.5, pal::CandleGold.WithAlpha(0.55)},
                                  {0.62, pal::Moonlight.WithAlpha(0.85)},
                                  {0.72, pal::LanternAmber.WithAlpha(0.4)},
                                  {1, pal::LanternAmber.WithAlpha(0)}}));
    cairo_fill(cr);
    return canvas.ToPixelMap();
}

struct Picture {
    const char* name;
    std::function<platform::PixelMap()> draw;
};

const Picture kPictures[] = {
    {"Arrow", [] { return DownArrow(64, 92, 18); }},
    {"ArrowLong", [] { return DownArrow(64, 150, 16); }},
    {"ArrowSmall", [] { return DownArrow(44, 60, 13); }},
    {"ArrowThin", ThinArrow},
    {"TipWithClose", TipBox},
    {"TipGlow", TipGlow},
};

std::vector<std::string> Required() {
    std::vector<std::string> paths;
    for (const Picture& p : kPictures) paths.push_back(PathOf(p.name));
    return paths;
}

const GroupRegistration kTutorial({
    .name = "tutorial",
    .required = Required(),
    .make =
        [](DataFolder& out) {
            for (const Picture& p : kPictures) WritePicture(out, PathOf(p.name), p.draw());
        },
});

}  // namespace
}  // namespace assetgen
