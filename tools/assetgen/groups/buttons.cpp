// Every button picture of the menu folder, each with its "MO" (mouse over) and "Down" (pressed) look:
// night-enamel plates in a gilt rim for the buttons that carry a caption, and round icon buttons for the
// shop's tools. Hovered, a button warms with lantern light; pressed, it sinks.
//
// Names the game leaves open, chosen here:
//   "MenuButton" is the game screen's "Menu" button (92 x 36, captioned by the game);
//   "OK" is the picture of every OK button that has none of its own: the options, shop, level-complete,
//   intro, instructions, credits and ending screens' "ok" and a plain OK dialog. It carries its word, so
//   those buttons take no caption;
//   the shop's purchase dialog uses "button" for its Buy and Cancel buttons, like every dialog.
// The file "Button" of the options screen is "button" (file names are matched without regard to case).

#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "tools/assetgen/Chrome.h"
#include "tools/assetgen/DataFolder.h"
#include "tools/assetgen/Group.h"
#include "tools/assetgen/Lettering.h"
#include "tools/assetgen/Pictures.h"
#include "tools/assetgen/Props.h"
#include "tools/assetgen/Scenery.h"
#include "tools/assetgen/Shading.h"
#include "tools/assetgen/Shapes.h"
#include "tools/assetgen/StyleKit.h"

namespace assetgen {
namespace {

namespace pal = palette;
constexpr double kPi = std::numbers::pi;
constexpr double kMargin = 4;  // room round a plate for the hover glow

enum class Look { Normal, Hover, Pressed };

// What a plate of a given look is made of.
chrome::PanelStyle PlateStyle(Look look, double rim) {
    chrome::PanelStyle style{.rim = rim, .shadow = 0, .enamel = chrome::kEnamel, .glow = {0, 0, 0, 0}};
    if (look == Look::Hover) {
        // Lit up: the enamel brightens to a clear violet and a faint lantern glow warms its middle; more
        // gold than that would turn the blue grey.
        style.enamel = {Mix(chrome::kEnamel.light, pal::Heather, 0.3),
                        Mix(chrome::kEnamel.mid, pal::Violet, 0.55),
                        Mix(chrome::kEnamel.dark, pal::Dusk, 0.4)};
        style.glow = pal::LanternAmber.WithAlpha(0.1);
    }
    if (look == Look::Pressed) {
        style.enamel = {Mix(chrome::kEnamel.light, pal::Ink, 0.35), Mix(chrome::kEnamel.mid, pal::Ink, 0.35),
                        chrome::kEnamel.dark};
    }
    return style;
}

// A plate of the whole picture but the margin; pressed, it sits a pixel lower and its top is shadowed.
void Plate(Canvas& canvas, Look look, double radius,
           const std::function<void(Canvas&, Look)>& decorate = {}) {
    const double w = canvas.Width() - 2 * kMargin, h = canvas.Height() - 2 * kMargin;
    const double dy = look == Look::Pressed ? 1 : 0;
    const auto shape = [=](cairo_t* c) { RoundedRect(c, kMargin, kMargin + dy, w, h - dy, radius); };
    if (look == Look::Hover) SoftGlow(canvas, shape, 2.5, pal::LanternAmber.WithAlpha(0.8));
    chrome::Panel(canvas, shape, PlateStyle(look, 3));
    // A sheen across the top makes a plate a thing to press; pressed, it sinks out of the light.
    Gloss(
        canvas,
        [=](cairo_t* c) { RoundedRect(c, kMargin + 4, kMargin + 4 + dy, w - 8, h - 8 - dy, radius - 3); },
        look == Look::Pressed ? 0.05
        : look == Look::Hover ? 0.22
                              : 0.15,
        0.5);
    if (look == Look::Pressed) InnerShadow(canvas, shape, 4, pal::Ink.WithAlpha(0.8), 2.5);
    if (decorate) decorate(canvas, look);
}

// Studs at both ends of a wide plate, where the caption does not reach.
void EndStuds(Canvas& canvas, Look) {
    const double y = canvas.Height() / 2.0;
    chrome::Star(canvas, {kMargin + 14, y}, 5);
    chrome::Star(canvas, {canvas.Width() - kMargin - 14, y}, 5);
}

// A round icon button.
void Roundel(Canvas& canvas, Look look, const std::function<void(Canvas&)>& icon) {
    const double c = canvas.Width() / 2.0, r = c - kMargin;
    const double dy = look == Look::Pressed ? 1 : 0;
    const auto disc = [=](cairo_t* x) {
        cairo_new_sub_path(x);
        cairo_arc(x, c, c + dy, r - dy / 2, 0, 2 * kPi);
    };
    if (look == Look::Hover) SoftGlow(canvas, disc, 2.5, pal::LanternAmber.WithAlpha(0.8));
    chrome::Panel(canvas, disc, PlateStyle(look, 3));
    if (look == Look::Pressed) InnerShadow(canvas, disc, 4, pal::Ink.WithAlpha(0.8), 2.5);
    cairo_t* cr = canvas.Cr();
    cairo_save(cr);
    cairo_translate(cr, c, c + dy);
    icon(canvas);
    cairo_restore(cr);
}

// --- icons, drawn about (0, 0) ----------------------------------------------------------------------

void Eye(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    const auto lids = [](cairo_t* c) {
        cairo_move_to(c, -17, 0);
        cairo_curve_to(c, -8, -12, 8, -12, 17, 0);
        cairo_curve_to(c, 8, 12, -8, 12, -17, 0);
        cairo_close_path(c);
    };
    lids(cr);
    SetSource(cr, pal::Bone);
    cairo_fill(cr);
    cairo_save(cr);
    lids(cr);
    cairo_clip(cr);
    const auto iris = [](cairo_t* c) {
        cairo_new_sub_path(c);
        cairo_arc(c, 0, 0, 7.5, 0, 2 * kPi);
    };
    RoundedBody(canvas, iris, Tones{Hex(0xd8f0ff), Hex(0x3a7ad0), Hex(0x0a1a40)}, 0.4, 0.2);
    cairo_arc(cr, 0, 0, 3.4, 0, 2 * kPi);
    SetSource(cr, pal::Ink);
    cairo_fill(cr);
    InnerShadow(canvas, lids, 2, pal::Ink.WithAlpha(0.5), 1.5);
    cairo_restore(cr);
    Glint(cr, {-2.5, -2.5}, 2.5, pal::Moonlight);
    lids(cr);
    Outline(cr, 1.6, pal::Ink);
    cairo_new_path(cr);
}

void Roller(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    // The frame and handle.
    cairo_move_to(cr, 12, -6);
    cairo_line_to(cr, 15, -6);
    cairo_line_to(cr, 15, 2);
    cairo_line_to(cr, 0, 4);
    cairo_line_to(cr, 0, 8);
    cairo_set_line_width(cr, 3.4);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    SetSource(cr, pal::Ink);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 1.6);
    SetSource(cr, Hex(0xb8c0d8));
    cairo_stroke(cr);
    const auto handle = [](cairo_t* c) { RoundedRect(c, -3, 7, 6, 12, 2.5); };
    RoundedBody(canvas, handle, Tones{Hex(0xe0a870), Hex(0x8a5230), Hex(0x2c1408)}, 0.4, 0.3);
    handle(cr);
    Outline(cr, 1.3, pal::Ink);
    cairo_new_path(cr);
    const auto drum = [](cairo_t* c) { RoundedRect(c, -15, -14, 28, 11, 4); };
    RoundedBody(canvas, drum, Tones{Hex(0xe8c8ff), Hex(0x8a4ad8), Hex(0x2a0c5a)}, 0.6, 0.3);
    drum(cr);
    Outline(cr, 1.4, pal::Ink);
    cairo_new_path(cr);
}

// A gilt arrow pointing right (or left, mirrored).
void Arrow(Canvas& canvas, Look look, bool left) {
    cairo_t* cr = canvas.Cr();
    const double w = canvas.Width(), h = canvas.Height();
    const double dy = look == Look::Pressed ? 1 : 0;
    cairo_save(cr);
    if (left) {
        cairo_translate(cr, w, 0);
        cairo_scale(cr, -1, 1);
    }
    const auto arrow = [=](cairo_t* c) {
        RoundedPolygon(c,
                       {{kMargin + 2, h * 0.3 + dy},
                        {w * 0.52, h * 0.3 + dy},
                        {w * 0.52, kMargin + 2 + dy},
                        {w - kMargin - 1, h / 2 + dy},
                        {w * 0.52, h - kMargin - 2 + dy},
                        {w * 0.52, h * 0.7 + dy},
                        {kMargin + 2, h * 0.7 + dy}},
                       4);
    };
    if (look == Look::Hover) SoftGlow(canvas, arrow, 3, pal::LanternAmber.WithAlpha(0.85));
    chrome::Panel(canvas, arrow, PlateStyle(look, 3));
    if (look == Look::Pressed) InnerShadow(canvas, arrow, 4, pal::Ink.WithAlpha(0.8), 2.5);
    cairo_restore(cr);
}

// The map's way to the shop: the little house where the old lady keeps it, lit, on a caption plate.
void YourHouse(Canvas& canvas, Look look) {
    cairo_t* cr = canvas.Cr();
    const double w = canvas.Width(), dy = look == Look::Pressed ? 1 : 0;
    const Fire& fire = fire::kWarm;
    cairo_save(cr);
    cairo_translate(cr, 0, dy);
    if (look == Look::Hover) scenery::Halo(cr, {w / 2, 52}, 60, fire.flame.WithAlpha(0.45));
    const scenery::House house{.x = 34, .ground = 86, .width = 72, .height = 46, .roof = 34, .lean = 0.02};
    const auto shape = [&](cairo_t* c) { scenery::HousePath(c, house); };
    DropShadow(canvas, shape, 2, 2, pal::Ink.WithAlpha(0.6));
    RoundedBody(canvas, shape, Tones{Hex(0x7a6aa8), Hex(0x3a3266), Hex(0x100c24)}, 0.3, 0.6);
    shape(cr);
    Outline(cr, 1.6, pal::Ink);
    cairo_new_path(cr);
    scenery::Windows(canvas, {{46, 56, 14, 14}, {80, 56, 14, 14}, {64, 68, 12, 18}}, fire, pal::Ink);
    cairo_restore(cr);
    // The plate for the caption under the house.
    const auto plate = [=](cairo_t* c) { RoundedRect(c, kMargin, 86 + dy, w - 2 * kMargin, 30 - dy, 9); };
    if (look == Look::Hover) SoftGlow(canvas, plate, 2.5, pal::LanternAmber.WithAlpha(0.8));
    chrome::Panel(canvas, plate, PlateStyle(look, 2.5));
}

// The picture of a plain OK button, with its word on it.
void OkWord(Canvas& canvas, Look look) {
    static const OutlineFont font(fonts::kStorybook);
    Letters(canvas, font, U"OK", canvas.Width() / 2.0,
            canvas.Height() / 2.0 + 9 + (look == Look::Pressed ? 1 : 0),
            {.size = 28,
             .tracking = 0.06,
             .fill = look == Look::Hover ? Tones{pal::Moonlight, pal::CandleGold, pal::LanternAmber}
                                         : chrome::kGilt,
             .ink = 1.6,
             .glow = {0, 0, 0, 0},
             .glowSigma = 1});
}

struct Button {
    const char* name;
    int width, height;  // the plate, without the margin
    std::function<void(Canvas&, Look)> draw;
};

std::function<void(Canvas&, Look)> Plain(double radius) {
    return [radius](Canvas& c, Look look) { Plate(c, look, radius); };
}

std::function<void(Canvas&, Look)> Studded(double radius) {
    return [radius](Canvas& c, Look look) { Plate(c, look, radius, EndStuds); };
}

const std::vector<Button> kButtons = {
    // The loading screen's continue and the level-complete wallpaper button: a 320-pixel caption.
    {"ButtonLong", 380, 60, Studded(16)},
    {"button", 156, 48, Plain(12)},
    {"OK", 128, 48, [](Canvas& c, Look look) { Plate(c, look, 12, OkWord); }},
    {"MenuButton", 92, 36, Plain(10)},
    // The title screen's four.
    {"buttonplay", 300, 64, Studded(20)},
    {"buttonchangeplayer", 300, 64, Studded(20)},
    {"buttonoptions", 300, 64, Studded(20)},
    {"buttonexit", 300, 64, Studded(20)},
    {"In-Game Menu Button1", 300, 50, Studded(14)},
    {"MapScreenButton", 200, 54, Studded(14)},
    {"DecorationMapButton", 200, 54, Studded(14)},
    {"Map screen YourHouse", 140, 112, YourHouse},
    {"eyeButton", 64, 64, [](Canvas& c, Look look) { Roundel(c, look, Eye); }},
    {"rollerButton", 64, 64, [](Canvas& c, Look look) { Roundel(c, look, Roller); }},
    {"arrowR", 56, 72, [](Canvas& c, Look look) { Arrow(c, look, false); }},
    {"arrowL", 56, 72, [](Canvas& c, Look look) { Arrow(c, look, true); }},
};

struct Variant {
    const char* suffix;
    Look look;
};
constexpr Variant kVariants[] = {{"", Look::Normal}, {"MO", Look::Hover}, {"Down", Look::Pressed}};

std::string PathOf(const Button& b, const Variant& v) {
    return std::string("menus/") + b.name + v.suffix + ".png";
}

platform::PixelMap Draw(const Button& b, Look look) {
    Canvas canvas(b.width + 2 * static_cast<int>(kMargin), b.height + 2 * static_cast<int>(kMargin));
    b.draw(canvas, look);
    return canvas.ToPixelMap();
}

std::vector<std::string> Required() {
    std::vector<std::string> paths;
    for (const Button& b : kButtons) {
        for (const Variant& v : kVariants) paths.push_back(PathOf(b, v));
    }
    return paths;
}

const GroupRegistration kButtonsGroup({
    .name = "buttons",
    .required = Required(),
    .make =
        [](DataFolder& out) {
            for (const Button& b : kButtons) {
                for (const Variant& v : kVariants) WritePicture(out, PathOf(b, v), Draw(b, v.look));
            }
        },
});

}  // namespace
}  // namespace assetgen
