// The options and instructions screens: a night over the churchyard, dimmed, with the game's enamel boards
// standing on it where the screens put their widgets and text. The words themselves come from the text
// table, so the boards carry none.
//
// "Backgrounds/OptionsBackground.jpg": one board from x 232 to 792, y 40 to 730. A header well at the top
// (y 60 … 130); the two slider grooves' wells at y 200 and 295 behind the 284-pixel bars centred on the
// screen (x 370 … 654); three rows for the check boxes at x 592 from y 421, 47 apart, their labels to the
// left; the OK and credits buttons below, from y 600.
// "Backgrounds/InstructionsBackground.jpg": a title ribbon at the top and four boards of 420 x 220 with
// their top-left corners at (113, 160), (570, 160), (113, 410) and (570, 410); each has a dark stage on
// its left (120 wide) for its animated example and room for its lines on the right.
// "menus/OptionsScreen/": the check box pieces (the same as the map's), the slider's bar "slider.png"
// (284 x 28, the groove across its middle) and its knob "Dot.png" (36 x 36, drawn about its middle).

#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "tools/assetgen/Chrome.h"
#include "tools/assetgen/DataFolder.h"
#include "tools/assetgen/Group.h"
#include "tools/assetgen/Pictures.h"
#include "tools/assetgen/Props.h"
#include "tools/assetgen/Scenery.h"
#include "tools/assetgen/Shading.h"
#include "tools/assetgen/StyleKit.h"

namespace assetgen {
namespace {

namespace pal = palette;
namespace sc = scenery;
constexpr double kPi = std::numbers::pi;
constexpr int kW = 1024, kH = 768;

// The churchyard under the moon, dimmed so that the boards stand out.
void Night(Canvas& canvas, uint32_t seed) {
    sc::Sky(canvas, {{0, Hex(0x070920)}, {0.4, Hex(0x18204e)}, {0.72, Hex(0x3a2f6c)}, {1, Hex(0x141026)}});
    sc::Stars(canvas, 0, 500, 160, seed, 0.9);
    sc::Moon(canvas, {900, 110}, 48, 1.2);
    sc::Silhouette(
        canvas, [seed](cairo_t* c) { sc::Hills(c, kW, kH, 600, 36, 420, seed + 1); }, Hex(0x1c1a3c),
        Hex(0xc0a8e0).WithAlpha(0.3), 1.2);
    sc::Silhouette(
        canvas,
        [seed](cairo_t* c) {
            sc::Hills(c, kW, kH, 690, 20, 300, seed + 2);
            sc::BareTree(c, {60, 700}, 420, 0.15, seed + 3);
            sc::BareTree(c, {980, 700}, 380, -0.2, seed + 4);
            for (double x : {180.0, 300.0, 720.0, 860.0})
                sc::Headstone(c, {x, 700}, 26, 40, static_cast<int>(x) % 3, 0.05);
        },
        Hex(0x07080f), Hex(0xb0a0d0).WithAlpha(0.35), 1.4);
    sc::Mist(canvas, 690, 40, pal::Mist, 0.3, seed + 5);
    sc::Vignette(canvas, 0.5);
}

void Board(Canvas& canvas, double x, double y, double w, double h) {
    chrome::Panel(canvas, [=](cairo_t* c) { RoundedRect(c, x, y, w, h, 18); }, {.rim = 4, .shadow = 6});
    for (const auto& [corner, quadrant] : std::vector<std::pair<Point, int>>{
             {{x, y}, 0}, {{x + w, y}, 1}, {{x + w, y + h}, 2}, {{x, y + h}, 3}}) {
        chrome::CornerScroll(canvas, corner, quadrant, 34);
    }
}

void Well(Canvas& canvas, double x, double y, double w, double h) {
    chrome::Recess(canvas, [=](cairo_t* c) { RoundedRect(c, x, y, w, h, 10); });
}

platform::PixelMap OptionsBackground() {
    Canvas canvas(kW, kH);
    Night(canvas, 0x9a1);
    Board(canvas, 232, 40, 560, 690);
    Well(canvas, 282, 60, 460, 70);
    chrome::Rule(canvas, {300, 150}, {724, 150});
    Well(canvas, 340, 184, 344, 64);
    Well(canvas, 340, 279, 344, 64);
    chrome::Rule(canvas, {300, 380}, {724, 380});
    for (int row = 0; row < 3; ++row) Well(canvas, 300, 412.0 + row * 47, 424, 40);
    chrome::Rule(canvas, {300, 580}, {724, 580});
    return canvas.ToPixelMap();
}

platform::PixelMap InstructionsBackground() {
    Canvas canvas(kW, kH);
    Night(canvas, 0x9b1);
    // The title ribbon.
    chrome::Panel(canvas, [](cairo_t* c) { RoundedRect(c, 262, 40, 500, 80, 16); }, {.rim = 4, .shadow = 6});
    Well(canvas, 290, 56, 444, 48);
    const Point corners[] = {{113, 160}, {570, 160}, {113, 410}, {570, 410}};
    for (const Point& p : corners) {
        Board(canvas, p.x, p.y, 420, 220);
        Well(canvas, p.x + 16, p.y + 16, 120, 188);
        // A soft light on each stage, where the example plays.
        sc::Halo(canvas.Cr(), {p.x + 76, p.y + 110}, 56, pal::Heather.WithAlpha(0.18));
    }
    return canvas.ToPixelMap();
}

// The slider's bar: a groove in a gilt-rimmed rail, with notches at the quarters.
platform::PixelMap Slider() {
    Canvas canvas(284, 28);
    chrome::Panel(canvas, [](cairo_t* c) { RoundedRect(c, 2, 4, 280, 20, 10); }, {.rim = 2.5, .shadow = 0});
    chrome::Recess(canvas, [](cairo_t* c) { RoundedRect(c, 10, 10, 264, 8, 4); });
    cairo_t* cr = canvas.Cr();
    for (int k = 1; k < 4; ++k) cairo_rectangle(cr, 10 + 264 * k / 4.0 - 0.75, 19, 1.5, 4);
    SetSource(cr, chrome::kGilt.mid);
    cairo_fill(cr);
    return canvas.ToPixelMap();
}

// The slider's knob: a gilt orb with a lantern glow in its heart.
platform::PixelMap Dot() {
    Canvas canvas(36, 36);
    const auto orb = [](cairo_t* c) {
        cairo_new_sub_path(c);
        cairo_arc(c, 18, 18, 12, 0, 2 * kPi);
    };
    SoftGlow(canvas, orb, 3, pal::LanternAmber.WithAlpha(0.7));
    RoundedBody(canvas, orb, chrome::kGilt, 0.8, 0.4);
    sc::Halo(canvas.Cr(), {18, 18}, 6, pal::Moonlight.WithAlpha(0.7));
    return canvas.ToPixelMap();
}

const GroupRegistration kMenuScreensGroup(sc::BackdropGroup(
    "menuscreens", {
                       {"graphics/Backgrounds/OptionsBackground.jpg", OptionsBackground},
                       {"graphics/Backgrounds/InstructionsBackground.jpg", InstructionsBackground},
                       {"menus/OptionsScreen/CheckBox.png", [] { return chrome::CheckBoxPicture(false); }},
                       {"menus/OptionsScreen/CheckBoxMO.png", [] { return chrome::CheckBoxPicture(true); }},
                       {"menus/OptionsScreen/CheckMark.png", chrome::CheckMarkPicture},
                       {"menus/OptionsScreen/slider.png", Slider},
                       {"menus/OptionsScreen/Dot.png", Dot},
                   }));

}  // namespace
}  // namespace assetgen
