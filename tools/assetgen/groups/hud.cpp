// The game screen's HUD: the panel down the left edge, the hourglass of the timer with its shadow and
// falling sand, and the points that float up from cleared gems. The game names none of these pictures;
// the names, sizes and places below are the ones the HUD code loads and uses.
//
// "HUD/HUDPanel.png", 104 x 768, drawn at (HUD x, 0). Its column is centred 48 pixels in, where the HUD
// draws its texts and icons, in the wells the panel provides:
//   level 22 … 80, score 88 … 144, gold 152 … 208 (a caption and a number each);
//   the timer niche 218 … 378, the hourglass centred at (48, 295), the time under it about y 362;
//   the goals box 398 … 656, four rows centred at y 437, 497, 557 and 617 (60 apart), the goal icon
//   about x 26 and its count about x 68;
//   below, from y 672, room for the "Menu" button.
// "HUD/Hourglass.png": 13 cells of 64 x 96 in one row, mid-handled; frame 0 is a full top bulb, frame 11
//   an empty one, frame 12 the time run out.
// "HUD/HourglassShadow.png": 64 x 96, mid-handled, the dark inside of the glass, drawn under it.
// "HUD/Sand.png": 14 cells of 64 x 96 in one row, the trickle of sand, drawn between shadow and glass.
// "HUD/Points.png": 17 cells of 64 x 36 in one row: "10" … "80", "100", then "1" … "8".

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "tools/assetgen/Chrome.h"
#include "tools/assetgen/DataFolder.h"
#include "tools/assetgen/Group.h"
#include "tools/assetgen/Lettering.h"
#include "tools/assetgen/Pictures.h"
#include "tools/assetgen/Shading.h"
#include "tools/assetgen/Shapes.h"
#include "tools/assetgen/StyleKit.h"

namespace assetgen {
namespace {

namespace pal = palette;
constexpr double kPi = std::numbers::pi;

constexpr const char* kPanel = "graphics/HUD/HUDPanel.png";
constexpr int kPanelW = 104, kPanelH = 768;
constexpr double kMid = 48;  // the column's middle
const Strip kHourglass{"graphics/HUD/Hourglass.png", {.cellWidth = 64, .cellHeight = 96, .frames = 13}};
constexpr const char* kHourglassShadow = "graphics/HUD/HourglassShadow.png";
const Strip kSand{"graphics/HUD/Sand.png", {.cellWidth = 64, .cellHeight = 96, .frames = 14}};
const Strip kPoints{"graphics/HUD/Points.png", {.cellWidth = 64, .cellHeight = 36, .frames = 17}};

// --- the panel -----------------------------------------------------------------------------------------

void Well(Canvas& canvas, double y0, double y1) {
    chrome::Recess(canvas, [=](cairo_t* c) { RoundedRect(c, 7, y0, 82, y1 - y0, 7); });
}

platform::PixelMap Panel() {
    Canvas canvas(kPanelW, kPanelH);
    cairo_t* cr = canvas.Cr();
    const auto body = [](cairo_t* c) {
        cairo_move_to(c, -20, -20);
        cairo_line_to(c, 96, -20);
        cairo_line_to(c, 96, kPanelH + 20);
        cairo_line_to(c, -20, kPanelH + 20);
        cairo_close_path(c);
    };
    chrome::Panel(canvas, body, {.rim = 0, .shadow = 0});
    // The gilt rail down the right edge, studded, curling at both ends.
    const auto rail = [](cairo_t* c) { cairo_rectangle(c, 93, -5, 7, kPanelH + 10); };
    DropShadow(canvas, rail, 3, 2.5, pal::Ink.WithAlpha(0.7));
    RoundedBody(canvas, rail, chrome::kGilt, 0.2, 0.3);
    cairo_rectangle(cr, 93, -5, 7, kPanelH + 10);
    Outline(cr, 1.2, pal::Ink);
    cairo_new_path(cr);
    for (double y = 30; y < kPanelH; y += 60) chrome::Stud(canvas, {96.5, y}, 2.6);

    Well(canvas, 22, 80);
    Well(canvas, 88, 144);
    Well(canvas, 152, 208);
    // The timer's niche: arched, the hourglass stands in it.
    chrome::Recess(canvas, [](cairo_t* c) {
        cairo_new_sub_path(c);
        cairo_move_to(c, 7, 378);
        cairo_line_to(c, 7, 260);
        cairo_arc(c, kMid, 260, 41, kPi, 2 * kPi);
        cairo_line_to(c, 89, 378);
        cairo_close_path(c);
    });
    // The goals box, its four rows ruled apart.
    Well(canvas, 398, 656);
    for (double y : {467.0, 527.0, 587.0}) chrome::Rule(canvas, {14, y}, {82, y});
    chrome::Rule(canvas, {8, 664}, {88, 664});
    chrome::Star(canvas, {kMid, 11}, 7);
    chrome::Star(canvas, {kMid, 757}, 7);
    return canvas.ToPixelMap();
}

// --- the hourglass ---------------------------------------------------------------------------------

constexpr double kC = 32, kNeck = 48, kTop = 14, kBottom = 82;

// One bulb of the glass, from its wide end at y = end to the neck.
void Bulb(cairo_t* cr, double end) {
    const double s = end < kNeck ? 1 : -1;  // 1 for the top bulb
    const auto y = [&](double t) { return kNeck - s * t; };
    const double h = kNeck - kTop;
    cairo_new_sub_path(cr);
    cairo_move_to(cr, kC - 2.4, y(0));
    cairo_curve_to(cr, kC - 4, y(h * 0.25), kC - 18, y(h * 0.45), kC - 18.5, y(h * 0.75));
    cairo_curve_to(cr, kC - 18.8, y(h * 0.95), kC - 15, y(h), kC - 13, y(h));
    cairo_line_to(cr, kC + 13, y(h));
    cairo_curve_to(cr, kC + 15, y(h), kC + 18.8, y(h * 0.95), kC + 18.5, y(h * 0.75));
    cairo_curve_to(cr, kC + 18, y(h * 0.45), kC + 4, y(h * 0.25), kC + 2.4, y(0));
    cairo_close_path(cr);
}

void Glass(cairo_t* cr) {
    Bulb(cr, kTop);
    Bulb(cr, kBottom);
}

void Frame(cairo_t* cr) {
    RoundedRect(cr, 6, 4, 52, 10, 3);
    RoundedRect(cr, 6, 82, 52, 10, 3);
    RoundedRect(cr, 8.5, 13, 5, 70, 2);
    RoundedRect(cr, 50.5, 13, 5, 70, 2);
}

const Tones kWood{Hex(0xd49a5e), Hex(0x7a4424), Hex(0x241006)};
const Tones kSandTones{Hex(0xfff2b8), Hex(0xf2b43e), Hex(0x9a5210)};

Pattern SandLight() {
    return LinearGradient(14, 0, 50, 0,
                          {{0, kSandTones.light}, {0.45, kSandTones.mid}, {1, kSandTones.dark}});
}

void DrawHourglass(Canvas& canvas, int frame) {
    cairo_t* cr = canvas.Cr();
    const double spent = std::min(1.0, frame / 11.0);
    // Sand left in the top bulb: its surface sinks, dipping where it runs into the neck.
    if (spent < 1) {
        const double level = kTop + 3 + (kNeck - kTop - 5) * std::pow(spent, 0.8);
        cairo_save(cr);
        Bulb(cr, kTop);
        cairo_clip(cr);
        cairo_move_to(cr, 0, level);
        cairo_curve_to(cr, 20, level, 28, level + 4 * (1 - spent) + 1, kC, level + 5);
        cairo_curve_to(cr, 36, level + 4 * (1 - spent) + 1, 44, level, 64, level);
        cairo_line_to(cr, 64, kNeck + 2);
        cairo_line_to(cr, 0, kNeck + 2);
        cairo_close_path(cr);
        SetSource(cr, SandLight());
        cairo_fill(cr);
        cairo_restore(cr);
    }
    // The pile in the bottom bulb grows.
    if (spent > 0) {
        const double height = 3 + 26 * std::pow(spent, 0.85);
        cairo_save(cr);
        Bulb(cr, kBottom);
        cairo_clip(cr);
        cairo_move_to(cr, 0, kBottom + 2);
        cairo_line_to(cr, 0, kBottom - height * 0.35);
        cairo_curve_to(cr, 18, kBottom - height * 0.45, 26, kBottom - height, kC, kBottom - height);
        cairo_curve_to(cr, 38, kBottom - height, 46, kBottom - height * 0.45, 64, kBottom - height * 0.35);
        cairo_line_to(cr, 64, kBottom + 2);
        cairo_close_path(cr);
        SetSource(cr, SandLight());
        cairo_fill(cr);
        cairo_restore(cr);
    }
    // The glass: a faint body, the moon's reflections down its left, bright rims.
    Glass(cr);
    SetSource(cr, frame == 12 ? Hex(0xff4030).WithAlpha(0.3) : pal::Mist.WithAlpha(0.1));
    cairo_fill(cr);
    cairo_save(cr);
    Glass(cr);
    cairo_clip(cr);
    for (double y : {kTop + 6, kNeck + 8}) {
        Ellipse(cr, 19, y + 9, 2.2, 9, 0.18);
        SetSource(cr, pal::Moonlight.WithAlpha(0.55));
        cairo_fill(cr);
    }
    cairo_restore(cr);
    Glass(cr);
    cairo_set_line_width(cr, 1.2);
    SetSource(cr, pal::Mist.WithAlpha(0.75));
    cairo_stroke(cr);
    // The wooden frame.
    DropShadow(canvas, Frame, 1.2, 1, pal::Ink.WithAlpha(0.6));
    RoundedBody(canvas, Frame, kWood, 0.35, 0.4);
    Frame(cr);
    Outline(cr, 1.2, pal::Ink);
    cairo_new_path(cr);
    for (double y : {9.0, 87.0}) {
        for (double x : {11.0, 53.0}) chrome::Stud(canvas, {x, y}, 2);
    }
    if (frame == 12) SoftGlow(canvas, Glass, 3, Hex(0xff4030).WithAlpha(0.45));
}

platform::PixelMap HourglassShadow() {
    Canvas canvas(kHourglass.layout.cellWidth, kHourglass.layout.cellHeight);
    SoftGlow(canvas, Frame, 2.5, pal::Ink.WithAlpha(0.7), 1.5, 2);
    SoftGlow(canvas, Glass, 1.2, Mix(pal::Ink, pal::NightDeep, 0.5).WithAlpha(0.9));
    return canvas.ToPixelMap();
}

// The trickle through the neck: a thread of sand with grains running down it, one step per frame.
void DrawSand(Canvas& canvas, int frame) {
    cairo_t* cr = canvas.Cr();
    cairo_move_to(cr, kC, kNeck - 1);
    cairo_line_to(cr, kC, kBottom - 2);
    cairo_set_line_width(cr, 1.4);
    SetSource(cr, LinearGradient(0, kNeck, 0, kBottom,
                                 {{0, kSandTones.light}, {1, kSandTones.mid.WithAlpha(0.8)}}));
    cairo_stroke(cr);
    const double span = kBottom - kNeck;
    for (int k = 0; k < 5; ++k) {
        const double y = kNeck + std::fmod(k * span / 5 + frame * span / kSand.layout.frames, span);
        const double x = kC + std::sin(k * 2.1 + frame * 0.9) * 0.8;
        cairo_arc(cr, x, y, 1.1, 0, 2 * kPi);
        SetSource(cr, kSandTones.light);
        cairo_fill(cr);
    }
}

// --- points ---------------------------------------------------------------------------------------

const char32_t* const kPointTexts[] = {U"10", U"20", U"30", U"40", U"50", U"60", U"70", U"80", U"100",
                                       U"1",  U"2",  U"3",  U"4",  U"5",  U"6",  U"7",  U"8"};

void DrawPoints(Canvas& canvas, int frame) {
    static const OutlineFont font(fonts::kFigures);
    Letters(canvas, font, kPointTexts[frame], kPoints.layout.cellWidth / 2.0, 26,
            {.size = 25,
             .tracking = 0.02,
             .fill = {pal::Moonlight, pal::CandleGold, pal::LanternAmber},
             .ink = 2.2,
             .glow = pal::LanternAmber.WithAlpha(0.55),
             .glowSigma = 3});
}

const GroupRegistration kHud({
    .name = "hud",
    .required = {kPanel, kHourglass.path, kHourglassShadow, kSand.path, kPoints.path},
    .make =
        [](DataFolder& out) {
            WritePicture(out, kPanel, Panel());
            WritePicture(out, kHourglass.path, DrawStrip(kHourglass.layout, DrawHourglass));
            WritePicture(out, kHourglassShadow, HourglassShadow());
            WritePicture(out, kSand.path, DrawStrip(kSand.layout, DrawSand));
            WritePicture(out, kPoints.path, DrawStrip(kPoints.layout, DrawPoints));
        },
    .strips = {kHourglass, kSand, kPoints},
});

}  // namespace
}  // namespace assetgen
