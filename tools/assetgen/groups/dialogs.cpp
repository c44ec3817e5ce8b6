// The dialog boards, in "Dialogs/": night enamel in a gilt rim with scrolled corners, a header band for
// the title and sunken wells where lists and typing go. A dialog takes its picture's size; its texts and
// buttons are the game's, laid over these:
//   "Dialog" (player manager) 640 x 600: header band 24 … 84, the list well x 90 … 550, y 160 … 480,
//     buttons below 500;
//   "EnterYourNameDialog" 560 x 340: header band, caption from y 100, the name well x 80 … 480,
//     y 160 … 212, buttons below 240;
//   "InGameMenu" 420 x 600, mid-handled (its top 84 pixels below the screen's when centred): "Paused" in
//     the header band 18 … 72, the five buttons from y 100;
//   "MessageDialog" 640 x 400: header band, body and an optional picture below it, OK at the bottom;
//   "Old Lady Dialog" 720 x 420: the shop keeper's portrait, a cameo, on the left third; header, text and
//     buttons on the right, from x 250;
//   "level end dialog" 500 x 540: the title in the header band, ten rows 32 apart, the first one's middle
//     at y 104, the buttons below 440.

#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

#include "tools/assetgen/Chrome.h"
#include "tools/assetgen/DataFolder.h"
#include "tools/assetgen/Group.h"
#include "tools/assetgen/Pictures.h"
#include "tools/assetgen/Scenery.h"
#include "tools/assetgen/Shading.h"
#include "tools/assetgen/Shapes.h"
#include "tools/assetgen/StyleKit.h"

namespace assetgen {
namespace {

namespace pal = palette;
constexpr double kPi = std::numbers::pi;
constexpr double kInset = 8;  // room for the board's shadow inside the picture

// The board and its corner scrolls.
void Board(Canvas& canvas) {
    const double w = canvas.Width(), h = canvas.Height();
    chrome::Panel(
        canvas,
        [=](cairo_t* c) { RoundedRect(c, kInset, kInset, w - 2 * kInset - 4, h - 2 * kInset - 4, 22); },
        {.rim = 5, .shadow = 6, .enamel = chrome::kEnamel, .glow = pal::Violet.WithAlpha(0.22)});
    const double x0 = kInset + 12, y0 = kInset + 12, x1 = w - kInset - 16, y1 = h - kInset - 16;
    chrome::CornerScroll(canvas, {x0, y0}, 0, 40);
    chrome::CornerScroll(canvas, {x1, y0}, 1, 40);
    chrome::CornerScroll(canvas, {x1, y1}, 2, 40);
    chrome::CornerScroll(canvas, {x0, y1}, 3, 40);
}

// The header band: a sunken cartouche across the top with a star at each end, and a rule under it.
void Header(Canvas& canvas, double x0, double x1, double y0, double y1) {
    chrome::Recess(canvas, [=](cairo_t* c) { RoundedRect(c, x0, y0, x1 - x0, y1 - y0, (y1 - y0) / 2); });
    chrome::Star(canvas, {x0 - 10, (y0 + y1) / 2}, 7);
    chrome::Star(canvas, {x1 + 10, (y0 + y1) / 2}, 7);
}

void Well(Canvas& canvas, double x0, double y0, double x1, double y1) {
    chrome::Recess(canvas, [=](cairo_t* c) { RoundedRect(c, x0, y0, x1 - x0, y1 - y0, 10); });
}

platform::PixelMap Draw(int width, int height, const std::function<void(Canvas&)>& inside) {
    Canvas canvas(width, height);
    Board(canvas);
    inside(canvas);
    return canvas.ToPixelMap();
}

// --- the shop keeper ---------------------------------------------------------------------------------

// The old lady in profile, facing right, on a 160 x 200 box: hair in a bun, a long nose, spectacles, a
// shawl over her shoulders.
void OldLady(cairo_t* cr) {
    cairo_move_to(cr, 20, 200);
    cairo_curve_to(cr, 30, 178, 44, 166, 50, 150);
    cairo_curve_to(cr, 44, 132, 40, 116, 40, 100);
    // The bun at the back of her head.
    cairo_curve_to(cr, 22, 98, 14, 78, 24, 64);
    cairo_curve_to(cr, 34, 50, 54, 52, 58, 62);
    cairo_curve_to(cr, 66, 42, 86, 34, 104, 38);
    cairo_curve_to(cr, 122, 42, 130, 56, 131, 72);
    cairo_line_to(cr, 129, 84);
    // The nose, long and hooked, then lips and a pointed chin.
    cairo_curve_to(cr, 136, 92, 146, 100, 147, 108);
    cairo_curve_to(cr, 143, 111, 136, 110, 131, 110);
    cairo_curve_to(cr, 135, 114, 134, 118, 130, 120);
    cairo_curve_to(cr, 133, 123, 132, 127, 129, 129);
    cairo_curve_to(cr, 133, 136, 132, 143, 124, 147);
    cairo_curve_to(cr, 116, 150, 108, 150, 104, 156);
    // The shawl falls from her neck over her shoulders.
    cairo_curve_to(cr, 120, 162, 140, 180, 150, 200);
    cairo_close_path(cr);
}

void Cameo(Canvas& canvas, double cx, double cy, double rx, double ry) {
    cairo_t* cr = canvas.Cr();
    const auto oval = [=](cairo_t* c) { Ellipse(c, cx, cy, rx, ry); };
    const auto frame = [=](cairo_t* c) {
        Ellipse(c, cx, cy, rx + 12, ry + 12);
        cairo_new_sub_path(c);
        cairo_save(c);
        cairo_translate(c, cx, cy);
        cairo_scale(c, rx, ry);
        cairo_arc_negative(c, 0, 0, 1, 2 * kPi, 0);
        cairo_restore(c);
    };
    DropShadow(
        canvas, [=](cairo_t* c) { Ellipse(c, cx, cy, rx + 12, ry + 12); }, 4, 4, pal::Ink.WithAlpha(0.7));
    oval(cr);
    SetSource(cr, RadialGradient(cx - rx * 0.2, cy - ry * 0.3, 0, ry * 1.2,
                                 {{0, Hex(0x5a3c8a)}, {0.6, Hex(0x2e1c52)}, {1, Hex(0x120a24)}}));
    cairo_fill(cr);
    // Her portrait in cream, lit by her own lamp from the lower right as well as by the moon.
    cairo_save(cr);
    oval(cr);
    cairo_clip(cr);
    const double s = ry * 2 / 200 * 0.95;
    const auto lady = [=](cairo_t* c) {
        cairo_save(c);
        cairo_translate(c, cx - 88 * s, cy + ry - 200 * s + 4);
        cairo_scale(c, s, s);
        OldLady(c);
        cairo_restore(c);
    };
    scenery::Halo(cr, {cx + rx * 0.6, cy + ry * 0.5}, rx * 1.1, pal::LanternAmber.WithAlpha(0.35));
    DropShadow(canvas, lady, 3, 3, pal::Ink.WithAlpha(0.6));
    RoundedBody(canvas, lady, Tones{Hex(0xfffaf0), Hex(0xe8dcc8), Hex(0x8c7a68)}, 0.3, 0.6);
    // Spectacles and the fringe of the shawl.
    cairo_save(cr);
    cairo_translate(cr, cx - 88 * s, cy + ry - 200 * s + 4);
    cairo_scale(cr, s, s);
    Ellipse(cr, 122, 84, 6, 5);
    cairo_move_to(cr, 116, 84);
    cairo_line_to(cr, 96, 82);
    cairo_set_line_width(cr, 1.6);
    SetSource(cr, Hex(0x6a5a48));
    cairo_stroke(cr);
    for (int i = 0; i < 9; ++i) {
        const double t = i / 8.0;
        const Point at = Lerp({104, 156}, {150, 200}, t);
        cairo_move_to(cr, at.x, at.y);
        cairo_line_to(cr, at.x - 3, at.y + 7);
    }
    cairo_set_line_width(cr, 1.2);
    SetSource(cr, Hex(0xb8a890));
    cairo_stroke(cr);
    // Her hair, carved in strands swept back from the brow into the bun.
    for (int i = 0; i < 5; ++i) {
        const double k = i * 5.5;
        cairo_move_to(cr, 124 - k * 0.4, 66 + k * 0.9);
        cairo_curve_to(cr, 112 - k * 0.6, 44 + k, 80 - k * 0.2, 44 + k * 1.1, 56, 66 + k * 0.6);
    }
    Ellipse(cr, 36, 81, 12, 12);
    Ellipse(cr, 36, 81, 6, 6);
    cairo_set_line_width(cr, 1.4);
    SetSource(cr, Hex(0xa89478).WithAlpha(0.75));
    cairo_stroke(cr);
    cairo_restore(cr);
    cairo_restore(cr);
    InnerShadow(canvas, oval, 6, pal::Ink.WithAlpha(0.8), 2);
    RoundedBody(canvas, frame, chrome::kGilt, 0.7, 0.4);
    frame(cr);
    Outline(cr, 1.5, pal::Ink);
    cairo_new_path(cr);
    for (int i = 0; i < 12; ++i) {
        const double a = i * kPi / 6;
        chrome::Stud(canvas, {cx + (rx + 6) * std::cos(a), cy + (ry + 6) * std::sin(a)}, 2.2);
    }
}

struct Picture {
    const char* name;
    int width, height;
    std::function<void(Canvas&)> inside;
};

const Picture kPictures[] = {
    {"Dialog", 640, 600,
     [](Canvas& c) {
         Header(c, 150, 486, 26, 80);
         Well(c, 90, 160, 550, 480);
         chrome::Rule(c, {110, 500}, {530, 500});
     }},
    {"EnterYourNameDialog", 560, 340,
     [](Canvas& c) {
         Header(c, 130, 426, 26, 80);
         Well(c, 80, 160, 480, 212);
         chrome::Rule(c, {110, 232}, {450, 232});
     }},
    {"InGameMenu", 420, 600,
     [](Canvas& c) {
         Header(c, 100, 316, 18, 72);
         chrome::Rule(c, {60, 88}, {356, 88});
         chrome::Rule(c, {60, 560}, {356, 560});
     }},
    {"MessageDialog", 640, 400,
     [](Canvas& c) {
         Header(c, 150, 486, 26, 80);
         chrome::Rule(c, {110, 318}, {530, 318});
     }},
    {"Old Lady Dialog", 720, 420,
     [](Canvas& c) {
         Cameo(c, 136, 208, 92, 136);
         Header(c, 290, 650, 30, 84);
         chrome::Rule(c, {270, 330}, {680, 330});
     }},
    {"level end dialog", 500, 540,
     [](Canvas& c) {
         Header(c, 70, 426, 22, 82);
         // One sunken plate for each group of rows: the level's score and times (rows 0-2), the gold it
         // found (4-6), the bonus and the total (8-9); rows 3 and 7 are the gaps between them.
         for (const auto& [first, last] : {std::pair{0, 2}, {4, 6}, {8, 9}}) {
             const double top = 104 + first * 32 - 16, bottom = 104 + last * 32 + 16;
             chrome::Recess(c, [=](cairo_t* x) { RoundedRect(x, 40, top, 416, bottom - top, 10); });
         }
         chrome::Rule(c, {70, 440}, {426, 440});
     }},
};

std::string PathOf(const Picture& p) {
    return std::string("graphics/Dialogs/") + p.name + ".png";
}

std::vector<std::string> Required() {
    std::vector<std::string> paths;
    for (const Picture& p : kPictures) paths.push_back(PathOf(p));
    return paths;
}

const GroupRegistration kDialogs({
    .name = "dialogs",
    .required = Required(),
    .make =
        [](DataFolder& out) {
            for (const Picture& p : kPictures)
                WritePicture(out, PathOf(p), Draw(p.width, p.height, p.inside));
        },
});

}  // namespace
}  // namespace assetgen
