// The six power-ups of the HUD row and the mouse pointer. Each power-up is a gilt medallion round a glass
// orb in which its charge rises: "…empty" is the medallion with the tool's ghost in a dark orb, "…filling"
// is the orb's glowing contents alone (the HUD reveals it from the bottom, 20 pixels in from the top and
// bottom, and draws the liquid's surface across it), "empty ring1" is the glass drawn over that, and
// "…full" the charged medallion. All are 88 x 88, mid-handled; the orb is the circle of radius 24 about
// the middle. The numbers in the names follow the game's (2 is the broom, 3 the hammer).
//
// The drag tools' pointers ("StakeCursor", "HammerCursor", "BroomCursor") are 64 x 64 with the working
// end at their top-left corner, the hot spot. "pointer" is 32 x 32 with its tip at (4, 1).

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
#include "tools/assetgen/Random.h"
#include "tools/assetgen/Shading.h"
#include "tools/assetgen/Shapes.h"
#include "tools/assetgen/StyleKit.h"

namespace assetgen {
namespace {

namespace pal = palette;
constexpr double kPi = std::numbers::pi;
constexpr int kSize = 88;
constexpr double kC = kSize / 2.0, kOrb = 24;

std::string PathOf(const std::string& name) {
    return "graphics/HUD/" + name + ".png";
}

const Tones kWood{Hex(0xe0a870), Hex(0x8a5230), Hex(0x2c1408)};
const Tones kIron{Hex(0xc8d0ea), Hex(0x5a6488), Hex(0x161a2c)};
const Tones kStraw{Hex(0xfff0a8), Hex(0xd0a040), Hex(0x5a3a0c)};

// --- the tools, drawn about (0, 0) on a 40-unit square ------------------------------------------------

// A wooden stake, point down-left, and the mallet about to drive it.
void Stake(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    const auto stake = [](cairo_t* c) {
        RoundedPolygon(c, {{9.5, -4.5}, {4.5, -9.5}, {-8.9, 3.9}, {-17, 17}, {-3.9, 8.9}}, 1);
    };
    RoundedBody(canvas, stake, kWood, 0.45, 0.4);
    cairo_save(cr);
    stake(cr);
    cairo_clip(cr);
    // The whittled point: one face catches the moon.
    Polygon(cr, {{-17, 17}, {-8.9, 3.9}, {-6.4, 6.4}});
    SetSource(cr, kWood.light.WithAlpha(0.5));
    cairo_fill(cr);
    cairo_restore(cr);
    stake(cr);
    Outline(cr, 1.4, pal::Ink);
    cairo_new_path(cr);
    // The mallet: a drum whose face meets the stake's head, on a short handle.
    cairo_save(cr);
    cairo_translate(cr, 12.5, -12.5);
    cairo_rotate(cr, kPi / 4);
    const auto handle = [](cairo_t* c) { RoundedRect(c, -1.8, 2, 3.6, 13, 1.5); };
    const auto drum = [](cairo_t* c) { RoundedRect(c, -7, -5, 14, 9, 3); };
    RoundedBody(canvas, handle, kWood, 0.3, 0.3);
    handle(cr);
    Outline(cr, 1.2, pal::Ink);
    cairo_new_path(cr);
    RoundedBody(canvas, drum, Tones{Hex(0xe8c49a), Hex(0x8a5a30), Hex(0x2a1408)}, 0.6, 0.4);
    drum(cr);
    Outline(cr, 1.3, pal::Ink);
    cairo_new_path(cr);
    cairo_restore(cr);
}

// A mallet whose iron head sits across the top of the handle.
void Hammer(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    const auto handle = [](cairo_t* c) { RoundedPolygon(c, {{-15, 17}, {-18, 14}, {4, -6}, {7, -3}}, 1.5); };
    RoundedBody(canvas, handle, kWood, 0.4, 0.4);
    handle(cr);
    Outline(cr, 1.3, pal::Ink);
    cairo_new_path(cr);
    const auto head = [](cairo_t* c) {
        cairo_save(c);
        cairo_rotate(c, kPi / 4);
        RoundedRect(c, -11, -16.1, 22, 11, 2.5);
        cairo_restore(c);
    };
    RoundedBody(canvas, head, kIron, 0.8, 0.5);
    head(cr);
    Outline(cr, 1.4, pal::Ink);
    cairo_new_path(cr);
}

void Broom(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    const auto stick = [](cairo_t* c) { RoundedPolygon(c, {{17, -18}, {19, -16}, {-4, 6}, {-6, 4}}, 1); };
    RoundedBody(canvas, stick, kWood, 0.4, 0.3);
    stick(cr);
    Outline(cr, 1.2, pal::Ink);
    cairo_new_path(cr);
    const auto bristles = [](cairo_t* c) {
        cairo_move_to(c, -2, 2);
        cairo_curve_to(c, -8, 4, -18, 8, -19, 19);
        cairo_curve_to(c, -9, 19, -4, 10, 2, -2);
        cairo_close_path(c);
    };
    RoundedBody(canvas, bristles, kStraw, 0.3, 0.4);
    cairo_save(cr);
    bristles(cr);
    cairo_clip(cr);
    cairo_set_line_width(cr, 0.7);
    SetSource(cr, kStraw.dark.WithAlpha(0.6));
    for (int i = 0; i < 7; ++i) {
        cairo_move_to(cr, 0, 0);
        cairo_line_to(cr, -19 + i * 2.2, 19 - i * 2.6);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    bristles(cr);
    Outline(cr, 1.3, pal::Ink);
    cairo_new_path(cr);
    // The cord binding the bristles.
    const auto cord = [](cairo_t* c) { RoundedPolygon(c, {{-5, 1}, {0, -4}, {3, -1}, {-2, 4}}, 1); };
    RoundedBody(canvas, cord, Tones{Hex(0xff8a7a), Hex(0xb02a2a), Hex(0x400808)}, 0.5, 0.2);
    cord(cr);
    Outline(cr, 1, pal::Ink);
    cairo_new_path(cr);
}

void Bolt(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    const auto bolt = [](cairo_t* c) {
        RoundedPolygon(c, {{4, -19}, {-11, 3}, {-1, 3}, {-6, 19}, {11, -4}, {1, -4}, {8, -19}}, 1);
    };
    SoftGlow(canvas, bolt, 2.5, Hex(0xffe070).WithAlpha(0.9));
    RoundedBody(canvas, bolt, Tones{Hex(0xffffff), Hex(0xffe04a), Hex(0xb07000)}, 0.5, 0.2);
    bolt(cr);
    Outline(cr, 1.4, pal::Ink);
    cairo_new_path(cr);
}

void CrystalBall(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    const auto stand = [](cairo_t* c) {
        cairo_move_to(c, -11, 17);
        cairo_curve_to(c, -11, 11, -6, 9, -7, 6);
        cairo_line_to(c, 7, 6);
        cairo_curve_to(c, 6, 9, 11, 11, 11, 17);
        cairo_close_path(c);
    };
    RoundedBody(canvas, stand, chrome::kGilt, 0.5, 0.3);
    stand(cr);
    Outline(cr, 1.2, pal::Ink);
    cairo_new_path(cr);
    const auto ball = [](cairo_t* c) {
        cairo_new_sub_path(c);
        cairo_arc(c, 0, -5, 13, 0, 2 * kPi);
    };
    RoundedBody(canvas, ball, Tones{Hex(0xf4e6ff), Hex(0xa060f0), Hex(0x2a0a5a)}, 0.9, 0.4);
    // A wisp turning inside the glass.
    cairo_save(cr);
    ball(cr);
    cairo_clip(cr);
    cairo_move_to(cr, -8, 0);
    cairo_curve_to(cr, -4, -12, 8, -10, 5, -3);
    cairo_curve_to(cr, 3, 2, -3, 0, -1, -5);
    cairo_set_line_width(cr, 1.6);
    SetSource(cr, pal::Moonlight.WithAlpha(0.6));
    cairo_stroke(cr);
    cairo_restore(cr);
    ball(cr);
    Outline(cr, 1.3, pal::Ink);
    cairo_new_path(cr);
}

void Tarot(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    for (int card = 0; card < 2; ++card) {
        cairo_save(cr);
        cairo_rotate(cr, card == 0 ? 0.28 : -0.16);
        cairo_translate(cr, card == 0 ? 4 : -2, 0);
        const auto face = [](cairo_t* c) { RoundedRect(c, -11, -16, 22, 32, 2.5); };
        DropShadow(canvas, face, 1.2, 1, pal::Ink.WithAlpha(0.5));
        RoundedBody(canvas, face, Tones{Hex(0xfffbee), Hex(0xeadcb8), Hex(0x8a7650)}, 0.3, 0.2);
        if (card == 1) {
            RoundedRect(cr, -8.5, -13.5, 17, 27, 1.5);
            SetSource(cr, Mix(pal::Violet, pal::NightDeep, 0.4));
            cairo_fill(cr);
            // The card's picture: a crescent over a star.
            cairo_arc(cr, 0, -4, 5.5, 0, 2 * kPi);
            cairo_arc_negative(cr, 2.5, -5.5, 4.6, 2 * kPi, 0);
            SetSource(cr, pal::CandleGold);
            cairo_fill(cr);
            Polygon(cr, assetgen::Star({0, 7}, 4, 1.6, 5));
            cairo_fill(cr);
        }
        face(cr);
        Outline(cr, 1.2, pal::Ink);
        cairo_new_path(cr);
        cairo_restore(cr);
    }
}

struct PowerUp {
    int number;  // in the picture names
    void (*tool)(Canvas&);
    Tones charge;  // the colour the orb fills with
};

const PowerUp kPowerUps[] = {
    {1, Stake, {Hex(0xffe2a8), Hex(0xff8a24), Hex(0x7a2a04)}},
    {2, Broom, {Hex(0xe2ffb0), Hex(0x6cd24a), Hex(0x145a10)}},
    {3, Hammer, {Hex(0xd8f0ff), Hex(0x4aa8ff), Hex(0x0a2c7a)}},
    {4, Bolt, {Hex(0xfffad0), Hex(0xffd83a), Hex(0x8a5a00)}},
    {5, CrystalBall, {Hex(0xf0dcff), Hex(0xa862ff), Hex(0x3a0c7a)}},
    {6, Tarot, {Hex(0xffd8ec), Hex(0xff5aa8), Hex(0x6a0a3a)}},
};

// Draws a tool scaled about the middle of a picture, or only its dim ghost.
void DrawTool(Canvas& canvas, void (*tool)(Canvas&), Point at, double scale, bool ghost) {
    cairo_t* cr = canvas.Cr();
    cairo_save(cr);
    cairo_translate(cr, at.x, at.y);
    cairo_scale(cr, scale, scale);
    if (ghost) {
        cairo_push_group(cr);
        tool(canvas);
        Pattern shape(cairo_pop_group(cr), cairo_pattern_destroy);
        // Dim and pale, but still the tool: the row must say which power-up waits to be charged.
        cairo_set_source(cr, shape.get());
        cairo_paint_with_alpha(cr, 0.35);
        SetSource(cr, pal::Mist.WithAlpha(0.3));
        cairo_mask(cr, shape.get());
    } else {
        tool(canvas);
    }
    cairo_restore(cr);
}

// --- the medallion ---------------------------------------------------------------------------------

void Disc(cairo_t* cr, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, kC, kC, r, 0, 2 * kPi);
}

void Medallion(Canvas& canvas, bool bought) {
    cairo_t* cr = canvas.Cr();
    const Tones metal = bought ? chrome::kGilt : kIron;
    const auto ring = [](cairo_t* c) {
        Disc(c, 38);
        cairo_new_sub_path(c);
        cairo_arc_negative(c, kC, kC, kOrb + 2, 2 * kPi, 0);
    };
    DropShadow(
        canvas, [](cairo_t* c) { Disc(c, 38); }, 3, 2.5, pal::Ink.WithAlpha(0.7));
    RoundedBody(canvas, ring, metal, 0.7, 0.5);
    // An enamel band inside the rim, with studs round it.
    cairo_set_line_width(cr, 6);
    Disc(cr, 31.5);
    SetSource(cr, chrome::kEnamel.mid);
    cairo_stroke(cr);
    for (int i = 0; i < 8; ++i) {
        const double a = i * kPi / 4 + kPi / 8;
        chrome::Stud(canvas, {kC + 31.5 * std::cos(a), kC + 31.5 * std::sin(a)}, 1.8);
    }
    Disc(cr, 38);
    Outline(cr, 1.4, pal::Ink);
    cairo_new_path(cr);
    Disc(cr, kOrb + 2);
    Outline(cr, 1.4, pal::Ink);
    cairo_new_path(cr);
}

void DarkOrb(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    Disc(cr, kOrb + 2);
    SetSource(cr, RadialGradient(kC - 6, kC - 8, 0, kOrb + 6,
                                 {{0, Hex(0x262c5a)}, {0.7, Hex(0x0e1130)}, {1, pal::Ink}}));
    cairo_fill(cr);
}

// The orb's charged contents: a glowing liquid light with the tool bright inside it.
void Contents(Canvas& canvas, const PowerUp& p) {
    cairo_t* cr = canvas.Cr();
    Disc(cr, kOrb + 2);
    SetSource(cr, RadialGradient(kC - 5, kC - 7, 0, kOrb + 6,
                                 {{0, p.charge.light}, {0.45, p.charge.mid}, {1, p.charge.dark}}));
    cairo_fill(cr);
    cairo_save(cr);
    Disc(cr, kOrb + 2);
    cairo_clip(cr);
    // Bubbles rising through it.
    Random random(0xb0b + p.number);
    for (int i = 0; i < 9; ++i) {
        const double x = kC + random.Range(-16, 16), y = kC + random.Range(-18, 20), r = random.Range(0.8, 2);
        cairo_new_sub_path(cr);
        cairo_arc(cr, x, y, r, 0, 2 * kPi);
        SetSource(cr, p.charge.light.WithAlpha(0.55));
        cairo_fill(cr);
    }
    cairo_restore(cr);
    DrawTool(canvas, p.tool, {kC, kC}, 0.95, false);
}

// The glass over the orb: a shadowed rim and the moon's reflection.
void GlassOver(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    InnerShadow(
        canvas, [](cairo_t* c) { Disc(c, kOrb + 2); }, 3, pal::Ink.WithAlpha(0.7), 1.5);
    cairo_save(cr);
    Disc(cr, kOrb + 2);
    cairo_clip(cr);
    cairo_new_sub_path(cr);
    cairo_arc(cr, kC, kC, kOrb - 2, kPi * 1.05, kPi * 1.55);
    cairo_arc_negative(cr, kC + 3, kC + 3, kOrb - 1, kPi * 1.55, kPi * 1.05);
    cairo_close_path(cr);
    SetSource(cr, pal::Moonlight.WithAlpha(0.5));
    cairo_fill(cr);
    cairo_restore(cr);
    Glint(cr, {kC - 11, kC - 13}, 4, pal::Moonlight.WithAlpha(0.9));
    Disc(cr, kOrb + 1.5);
    cairo_set_line_width(cr, 1);
    SetSource(cr, pal::Mist.WithAlpha(0.45));
    cairo_stroke(cr);
}

platform::PixelMap Picture(const std::function<void(Canvas&)>& draw) {
    Canvas canvas(kSize, kSize);
    draw(canvas);
    return canvas.ToPixelMap();
}

platform::PixelMap Empty(const PowerUp& p) {
    return Picture([&](Canvas& c) {
        Medallion(c, true);
        DarkOrb(c);
        DrawTool(c, p.tool, {kC, kC}, 0.95, true);
        GlassOver(c);
    });
}

platform::PixelMap Filling(const PowerUp& p) {
    return Picture([&](Canvas& c) { Contents(c, p); });
}

platform::PixelMap Full(const PowerUp& p) {
    return Picture([&](Canvas& c) {
        SoftGlow(
            c, [](cairo_t* x) { Disc(x, kOrb + 4); }, 4, p.charge.mid.WithAlpha(0.6));
        Medallion(c, true);
        Contents(c, p);
        GlassOver(c);
        Glint(c.Cr(), {kC + 13, kC - 16}, 5, pal::Moonlight);
    });
}

platform::PixelMap Unpurchased() {
    return Picture([](Canvas& c) {
        Medallion(c, false);
        DarkOrb(c);
        // A question mark where a tool would be: something still to buy.
        static const OutlineFont font(fonts::kStorybook);
        Letters(c, font, U"?", kC, kC + 12,
                {.size = 36,
                 .tracking = 0,
                 .fill = {pal::Mist, Hex(0x6a7090), Hex(0x2a2e48)},
                 .ink = 1.5,
                 .glow = {0, 0, 0, 0},
                 .glowSigma = 1});
        GlassOver(c);
    });
}

platform::PixelMap Ring() {
    return Picture(GlassOver);
}

// The glow of a charged power-up under the mouse, and the shop's highlight of an item.
platform::PixelMap SlotGlow() {
    constexpr int kGlow = 128;
    Canvas canvas(kGlow, kGlow);
    cairo_t* cr = canvas.Cr();
    cairo_new_sub_path(cr);
    cairo_arc(cr, kGlow / 2.0, kGlow / 2.0, kGlow / 2.0, 0, 2 * kPi);
    SetSource(cr, RadialGradient(kGlow / 2.0, kGlow / 2.0, 20, kGlow / 2.0,
                                 {{0, pal::CandleGold.WithAlpha(0)},
                                  {0.45, pal::CandleGold.WithAlpha(0.85)},
                                  {0.62, pal::LanternAmber.WithAlpha(0.5)},
                                  {1, pal::LanternAmber.WithAlpha(0)}}));
    cairo_fill(cr);
    return canvas.ToPixelMap();
}

// An upgrade pin: an enamel badge with its level in numerals.
platform::PixelMap Pin(int level) {
    constexpr int kPin = 30;
    Canvas canvas(kPin, kPin);
    const auto badge = [](cairo_t* c) {
        cairo_new_sub_path(c);
        cairo_arc(c, kPin / 2.0, kPin / 2.0, 11.5, 0, 2 * kPi);
    };
    chrome::Panel(canvas, badge, {.rim = 2.2, .shadow = 0, .enamel = chrome::kEnamel, .glow = {0, 0, 0, 0}});
    static const OutlineFont font(fonts::kStorybook);
    const char32_t* numerals[] = {U"I", U"II", U"III"};
    Letters(canvas, font, numerals[level - 1], kPin / 2.0, kPin / 2.0 + 5,
            {.size = 14,
             .tracking = 0.02,
             .fill = chrome::kGilt,
             .ink = 0.8,
             .glow = {0, 0, 0, 0},
             .glowSigma = 1});
    return canvas.ToPixelMap();
}

// A drag tool's pointer: the tool large, turned so that its working end is at the hot spot.
platform::PixelMap ToolCursor(void (*tool)(Canvas&), double angle, Point centre = {30, 30}) {
    Canvas canvas(64, 64);
    cairo_t* cr = canvas.Cr();
    cairo_translate(cr, centre.x, centre.y);
    cairo_rotate(cr, angle);
    cairo_scale(cr, 1.25, 1.25);
    tool(canvas);
    return canvas.ToPixelMap();
}

// The mouse pointer: a gilt arrow, inked, its tip on the hot spot.
platform::PixelMap Pointer() {
    Canvas canvas(32, 32);
    cairo_t* cr = canvas.Cr();
    const auto arrow = [](cairo_t* c) {
        RoundedPolygon(c, {{4, 1.5}, {23, 19}, {14.5, 19.5}, {19, 28}, {15.5, 29.5}, {11, 21}, {4, 26}}, 1);
    };
    DropShadow(canvas, arrow, 2, 1.3, pal::Ink.WithAlpha(0.6));
    RoundedBody(canvas, arrow, chrome::kGilt, 0.6, 0.4);
    arrow(cr);
    Outline(cr, 1.4, pal::Ink);
    cairo_new_path(cr);
    Glint(cr, {8, 9}, 3, pal::Moonlight);
    return canvas.ToPixelMap();
}

struct File {
    std::string path;
    std::function<platform::PixelMap()> draw;
};

std::vector<File> Files() {
    std::vector<File> files;
    for (const PowerUp& p : kPowerUps) {
        const std::string stem = "powerup" + std::to_string(p.number);
        files.push_back({PathOf(stem + "empty"), [&p] { return Empty(p); }});
        files.push_back({PathOf(stem + "filling"), [&p] { return Filling(p); }});
        files.push_back({PathOf(stem + "full"), [&p] { return Full(p); }});
    }
    for (int level = 1; level <= 3; ++level) {
        files.push_back({PathOf("powerupLevel" + std::to_string(level)), [level] { return Pin(level); }});
    }
    files.push_back({PathOf("unpurchased"), Unpurchased});
    files.push_back({PathOf("empty ring1"), Ring});
    files.push_back({PathOf("Powerup Slot Mouse Over"), SlotGlow});
    // The stake points up-left; the hammer and broom strike with the end that is up-left once turned (the
    // hammer's head lies across the corner, so the tool is moved up towards it).
    files.push_back({PathOf("StakeCursor"), [] { return ToolCursor(Stake, kPi / 2); }});
    files.push_back({PathOf("HammerCursor"), [] { return ToolCursor(Hammer, -kPi / 2, {27, 27}); }});
    files.push_back({PathOf("BroomCursor"), [] { return ToolCursor(Broom, kPi / 2); }});
    files.push_back({PathOf("pointer"), Pointer});
    return files;
}

std::vector<std::string> Required() {
    std::vector<std::string> paths;
    for (const File& f : Files()) paths.push_back(f.path);
    return paths;
}

const GroupRegistration kPowerUpsGroup({
    .name = "powerups",
    .required = Required(),
    .make =
        [](DataFolder& out) {
            for (const File& f : Files()) WritePicture(out, f.path, f.draw());
        },
});

}  // namespace
}  // namespace assetgen
