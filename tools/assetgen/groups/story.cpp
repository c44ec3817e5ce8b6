// The pictures of the story and found-item messages, in "DialogImages/": small framed night paintings,
// 200 x 160, that the message dialog shows beside its text. "story1" … "story11" open the chapters (the
// Gazette's advertisement, Lantern Lane, the dawn well, Soot leading into Whisperwood, the polite
// skeletons of the dungeons, the ghosts' dance by the tarn, the stopped clock and Gloam's diary, Mistmere's
// boating ghosts, the Midnight Fair, the crypt door ajar, and Gloam with his lantern full of sunrise); the
// "Found …" pictures show each thing as the player comes upon it, drawn as the shop's scene draws it.

#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <tuple>
#include <vector>

#include "tools/assetgen/Chrome.h"
#include "tools/assetgen/Churchyard.h"
#include "tools/assetgen/FontOutline.h"
#include "tools/assetgen/Lettering.h"
#include "tools/assetgen/Pictures.h"
#include "tools/assetgen/Props.h"
#include "tools/assetgen/Random.h"
#include "tools/assetgen/Scenery.h"
#include "tools/assetgen/Shading.h"
#include "tools/assetgen/StyleKit.h"

namespace assetgen {
namespace {

namespace pal = palette;
namespace sc = scenery;
namespace cy = churchyard;
constexpr double kPi = std::numbers::pi;
constexpr int kW = 200, kH = 160;
constexpr double kGround = 132;
const Tones kBone{Hex(0xf6efdc), Hex(0xc8bca0), Hex(0x5a5040)};

enum class Sky { Night, Dawn, Indoors };

void Backdrop(Canvas& c, Sky sky, uint32_t seed) {
    if (sky == Sky::Indoors) {
        sc::Sky(c, {{0, Hex(0x1a1420)}, {1, Hex(0x0a080c)}});
        return;
    }
    if (sky == Sky::Dawn) {
        sc::Sky(c, {{0, Hex(0x1a2050)}, {0.6, Hex(0x6a4a80)}, {1, Hex(0xe8a070)}});
    } else {
        sc::Sky(c, {{0, Hex(0x080b24)}, {0.6, Hex(0x2a2a60)}, {1, Hex(0x4a3870)}});
        sc::Stars(c, 0, 90, 30, seed, 0.9);
    }
    sc::Silhouette(
        c, [seed](cairo_t* x) { sc::Hills(x, kW, kH, kGround - 10, 8, 90, seed); }, Hex(0x10121e),
        Hex(0xc0b0e0).WithAlpha(0.4), 1);
}

// Draws a thing of the churchyard on its own w x h canvas with its top-left at (x, y).
void Place(Canvas& c, double x, double y, int w, int h, const std::function<void(Canvas&)>& draw) {
    Canvas thing(w, h);
    draw(thing);
    cairo_t* cr = c.Cr();
    cairo_set_source_surface(cr, thing.Surface(), x, y);
    cairo_paint(cr);
}

// Draws a thing on a w x h canvas of its own and paints it shrunk to fill c.
void Shrunk(Canvas& c, int w, int h, const std::function<void(Canvas&)>& draw) {
    Canvas thing(w, h);
    draw(thing);
    cairo_t* cr = c.Cr();
    cairo_save(cr);
    cairo_scale(cr, static_cast<double>(c.Width()) / w, static_cast<double>(c.Height()) / h);
    cairo_set_source_surface(cr, thing.Surface(), 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_paint(cr);
    cairo_restore(cr);
}

void Ghost(Canvas& c, Point at, double size, double sway) {
    cairo_t* cr = c.Cr();
    sc::Halo(cr, at, size * 1.4, pal::Mist.WithAlpha(0.4));
    const auto sheet = [=](cairo_t* x) {
        cairo_move_to(x, at.x - size * 0.5, at.y + size * 0.8);
        cairo_curve_to(x, at.x - size * 0.6, at.y - size * 0.2, at.x - size * 0.5, at.y - size, at.x,
                       at.y - size);
        cairo_curve_to(x, at.x + size * 0.5, at.y - size, at.x + size * 0.6, at.y - size * 0.2,
                       at.x + size * 0.5 + sway, at.y + size * 0.8);
        for (int k = 0; k < 3; ++k) {
            const double x0 = at.x + size * 0.5 + sway - (k + 1) * size / 3;
            cairo_line_to(x, x0 + size / 6, at.y + size * 0.6);
            cairo_line_to(x, x0, at.y + size * 0.8);
        }
        cairo_close_path(x);
    };
    RoundedBody(c, sheet, {pal::Moonlight, pal::Mist, Hex(0x6a70a0)}, 0.4, 0.2);
    for (double dx : {-0.18, 0.18}) {
        Ellipse(cr, at.x + dx * size, at.y - size * 0.45, size * 0.08, size * 0.12);
    }
    SetSource(cr, pal::Ink);
    cairo_fill(cr);
}

void Skeleton(Canvas& c, Point feet, double h) {
    const auto bones = [=](cairo_t* x) {
        const double s = h / 100;
        cairo_new_sub_path(x);
        cairo_arc(x, feet.x, feet.y - 88 * s, 9 * s, 0, 2 * kPi);
        RoundedRect(x, feet.x - 5 * s, feet.y - 82 * s, 10 * s, 6 * s, 2 * s);
        RoundedRect(x, feet.x - 1.5 * s, feet.y - 76 * s, 3 * s, 36 * s, 1.5 * s);
        for (int k = 0; k < 4; ++k)
            RoundedRect(x, feet.x - 10 * s, feet.y - (72 - k * 7) * s, 20 * s, 3 * s, 1.5 * s);
        RoundedRect(x, feet.x - 9 * s, feet.y - 42 * s, 18 * s, 5 * s, 2 * s);
        for (int side : {-1, 1}) {
            cairo_save(x);
            cairo_translate(x, feet.x + side * 5 * s, feet.y - 38 * s);
            cairo_rotate(x, side * 0.08);
            RoundedRect(x, -1.5 * s, 0, 3 * s, 38 * s, 1.5 * s);
            cairo_restore(x);
        }
        // One arm down, one pointing the way.
        cairo_save(x);
        cairo_translate(x, feet.x - 10 * s, feet.y - 72 * s);
        cairo_rotate(x, 0.15);
        RoundedRect(x, -1.5 * s, 0, 3 * s, 34 * s, 1.5 * s);
        cairo_restore(x);
        cairo_save(x);
        cairo_translate(x, feet.x + 10 * s, feet.y - 72 * s);
        cairo_rotate(x, -1.35);
        RoundedRect(x, -1.5 * s, 0, 3 * s, 40 * s, 1.5 * s);
        cairo_restore(x);
    };
    RoundedBody(c, bones, kBone, 0.4, 0.4);
    cairo_t* cr = c.Cr();
    const double s = h / 100;
    for (double dx : {-3.5, 3.5}) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, feet.x + dx * s, feet.y - 89 * s, 2.4 * s, 0, 2 * kPi);
    }
    SetSource(cr, pal::Ink);
    cairo_fill(cr);
}

void Text(cairo_t* cr, const OutlineFont& font, const std::u32string& text, double centreX, double baseline,
          double size, Colour colour) {
    OutlineFont::Setting setting;
    setting.size = size;
    font.AppendPath(cr, text, centreX - font.Width(text, setting) / 2, baseline, setting);
    SetSource(cr, colour);
    cairo_fill(cr);
}

// --- the chapters ------------------------------------------------------------------------------------

void Gazette(Canvas& c) {
    Backdrop(c, Sky::Night, 0xa01);
    cairo_t* cr = c.Cr();
    for (int i = 0; i < 4; ++i)
        cy::Prop(c, 8 + i * 48.0, kGround - 18 + (i % 2) * 6, 28, [](Canvas& k) { Pumpkin(k, fire::kWarm); });
    RoundedBody(
        c, [](cairo_t* x) { cairo_rectangle(x, 96, 40, 8, 96); }, cy::kWood, 0.3, 0.3);
    cairo_save(cr);
    cairo_translate(cr, 100, 62);
    cairo_rotate(cr, -0.06);
    cairo_rectangle(cr, -44, -30, 88, 60);
    SetSource(cr, Hex(0xeee4cc));
    cairo_fill(cr);
    static const OutlineFont title(fonts::kStorybook);
    Text(cr, title, U"Gazette", 0, -16, 11, Hex(0x2a2018));
    Text(cr, title, U"KEEPER", 0, 2, 15, Hex(0x6a1a10));
    Text(cr, title, U"WANTED", 0, 17, 15, Hex(0x6a1a10));
    cairo_rectangle(cr, -34, 22, 68, 1.5);
    SetSource(cr, Hex(0x2a2018).WithAlpha(0.5));
    cairo_fill(cr);
    cairo_restore(cr);
}

void LanternLane(Canvas& c) {
    Backdrop(c, Sky::Night, 0xa02);
    sc::Silhouette(
        c,
        [](cairo_t* x) {
            sc::HousePath(x, {.x = 4, .ground = kGround, .width = 46, .height = 44, .roof = 26});
            sc::HousePath(x,
                          {.x = 150, .ground = kGround, .width = 46, .height = 50, .roof = 24, .lean = 0.04});
        },
        Hex(0x151628), pal::Mist.WithAlpha(0.4), 1);
    sc::Windows(c, {{18, kGround - 30, 8, 10, true}, {166, kGround - 34, 8, 10, true}}, fire::kWarm,
                pal::Ink);
    for (int i = 0; i < 3; ++i) {
        const double s = 1 - i * 0.25;
        Place(c, 60 + i * 34, kGround - 100 * s, static_cast<int>(44 * s) + 4, static_cast<int>(100 * s),
              [](Canvas& k) { cy::LanternPost(k, fire::kWarm); });
    }
}

void DawnWell(Canvas& c) {
    Backdrop(c, Sky::Dawn, 0xa03);
    sc::Halo(c.Cr(), {100, 80}, 90, pal::CandleGold.WithAlpha(0.5));
    Place(c, 46, 28, 108, 120, [](Canvas& k) { cy::BigWell(k, false); });
    sc::Halo(c.Cr(), {100, 88}, 26, Hex(0xfff2b8).WithAlpha(0.8));
}

void Whisperwood(Canvas& c) {
    Backdrop(c, Sky::Night, 0xa04);
    sc::Silhouette(
        c,
        [](cairo_t* x) {
            sc::BareTree(x, {30, kGround + 4}, 130, 0.1, 0xa41);
            sc::Conifer(x, {160, kGround + 4}, 120, 50, 0xa42);
            sc::BareTree(x, {120, kGround + 4}, 90, -0.1, 0xa43);
        },
        Hex(0x0a0c14), pal::Mist.WithAlpha(0.4), 1);
    cy::Cat(c, 74, kGround - 48, 0.62, fire::kWarm);
}

void Dungeon(Canvas& c) {
    Backdrop(c, Sky::Indoors, 0);
    cairo_t* cr = c.Cr();
    const auto arch = [](cairo_t* x) {
        cairo_rectangle(x, 0, 0, kW, kH);
        cairo_move_to(x, 60, kH);
        cairo_line_to(x, 60, 70);
        cairo_arc(x, 100, 70, 40, kPi, 2 * kPi);
        cairo_line_to(x, 140, kH);
        cairo_close_path(x);
    };
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    arch(cr);
    SetSource(cr, cy::kStone.dark);
    cairo_fill(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    for (double x : {24.0, 152.0})
        Place(c, x, 40, 26, 70, [](Canvas& k) { cy::GroundTorch(k, fire::kWarm); });
    Skeleton(c, {100, 150}, 96);
}

void TarnDance(Canvas& c) {
    Backdrop(c, Sky::Night, 0xa06);
    cairo_t* cr = c.Cr();
    Ellipse(cr, 100, 140, 90, 16);
    SetSource(cr, Hex(0x05060f));
    cairo_fill(cr);
    Random random(0xa61);
    for (int i = 0; i < 14; ++i)
        Glint(cr, {random.Range(20, 180), random.Range(130, 150)}, random.Range(1, 2.5), pal::Moonlight);
    Ghost(c, {58, 80}, 26, 4);
    Ghost(c, {104, 66}, 30, -5);
    Ghost(c, {150, 84}, 24, 3);
}

void StoppedClock(Canvas& c) {
    Backdrop(c, Sky::Indoors, 0);
    cairo_t* cr = c.Cr();
    const Point m{100, 64};
    RoundedBody(
        c,
        [=](cairo_t* x) {
            cairo_new_sub_path(x);
            cairo_arc(x, m.x, m.y, 46, 0, 2 * kPi);
        },
        cy::kBrass, 0.6, 0.3);
    cairo_new_sub_path(cr);
    cairo_arc(cr, m.x, m.y, 38, 0, 2 * kPi);
    SetSource(cr, pal::Bone);
    cairo_fill(cr);
    for (int k = 0; k < 12; ++k) {
        const double a = k * kPi / 6;
        cairo_rectangle(cr, m.x + 32 * std::sin(a) - 1.5, m.y - 32 * std::cos(a) - 1.5, 3, 3);
    }
    SetSource(cr, pal::Ink);
    cairo_fill(cr);
    // A minute to dawn: five fifty-nine.
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (const auto& [angle, length, width] :
         {std::tuple{(5 + 59 / 60.0) * kPi / 6, 20.0, 3.5}, std::tuple{59 * kPi / 30, 30.0, 2.0}}) {
        cairo_move_to(cr, m.x, m.y);
        cairo_line_to(cr, m.x + length * std::sin(angle), m.y - length * std::cos(angle));
        cairo_set_line_width(cr, width);
        cairo_stroke(cr);
    }
    // The diary, open below.
    Polygon(cr, {{60, 128}, {100, 134}, {140, 128}, {140, 150}, {100, 156}, {60, 150}});
    SetSource(cr, Hex(0xe8dcc0));
    cairo_fill(cr);
    cairo_rectangle(cr, 99, 133, 2, 22);
    SetSource(cr, Hex(0x5a3a20));
    cairo_fill(cr);
}

void Mistmere(Canvas& c) {
    Backdrop(c, Sky::Night, 0xa08);
    cairo_t* cr = c.Cr();
    cairo_rectangle(cr, 0, 112, kW, kH - 112);
    SetSource(cr, LinearGradient(0, 112, 0, kH, {{0, Hex(0x2a3a5a)}, {1, Hex(0x0a1020)}}));
    cairo_fill(cr);
    Polygon(cr, {{70, 122}, {140, 122}, {130, 134}, {80, 134}});
    SetSource(cr, cy::kWood.dark);
    cairo_fill(cr);
    Ghost(c, {104, 108}, 16, 2);
    for (double x : {30.0, 160.0, 128.0}) {
        sc::Halo(cr, {x, 96}, 16, pal::LanternAmber.WithAlpha(0.5));
        cy::Prop(c, x - 7, 86, 14, [](Canvas& k) { Lantern(k, fire::kWarm); });
    }
    sc::Mist(c, 124, 20, pal::Mist, 0.6, 0xa81);
}

void Fair(Canvas& c) {
    Backdrop(c, Sky::Night, 0xa09);
    cairo_t* cr = c.Cr();
    sc::Halo(cr, {100, 90}, 90, pal::LanternAmber.WithAlpha(0.3));
    Polygon(cr, {{40, 64}, {160, 64}, {100, 24}});
    SetSource(cr, Hex(0xd84a3a));
    cairo_fill(cr);
    for (int k = 0; k < 6; ++k) {
        Polygon(cr, {{40 + k * 20.0, 64}, {50 + k * 20.0, 64}, {100, 24}});
    }
    SetSource(cr, pal::Bone);
    cairo_fill(cr);
    cairo_rectangle(cr, 97, 64, 6, 70);
    SetSource(cr, pal::CandleGold);
    cairo_fill(cr);
    for (int k = 0; k < 11; ++k) sc::Halo(cr, {42 + k * 11.6, 66}, 4, pal::CandleGold);
    // A skeleton horse's head on each side of the pole, bobbing.
    for (int side : {-1, 1}) {
        RoundedBody(
            c,
            [=](cairo_t* x) {
                Ellipse(x, 100 + side * 34, 100 - side * 6, 14, 8, side * 0.4);
                RoundedRect(x, 100 + side * 34 - 1.5, 70, 3, 40, 1.5);
            },
            kBone, 0.4, 0.3);
    }
}

void CryptDoor(Canvas& c) {
    Backdrop(c, Sky::Night, 0xa10);
    cairo_t* cr = c.Cr();
    sc::Halo(cr, {100, 110}, 80, pal::CandleGold.WithAlpha(0.45));
    cy::Crypt(c, {100, 140}, 120, Hex(0x2a2c44), pal::Moonlight.WithAlpha(0.6));
    // The door swung in, a dark leaf against the light.
    Polygon(cr, {{80, 140}, {80, 94}, {92, 98}, {92, 144}});
    SetSource(cr, cy::kWood.dark);
    cairo_fill(cr);
}

void Gloam(Canvas& c) {
    Backdrop(c, Sky::Indoors, 0);
    cairo_t* cr = c.Cr();
    sc::Halo(cr, {108, 100}, 80, Hex(0xffc070).WithAlpha(0.55));
    const auto figure = [](cairo_t* x) {
        // A hunched old man in a long coat, hood up, arms round the lantern.
        cairo_move_to(x, 50, kH);
        cairo_curve_to(x, 50, 90, 60, 40, 90, 34);
        cairo_curve_to(x, 112, 30, 124, 48, 122, 64);
        cairo_curve_to(x, 140, 80, 150, 120, 150, kH);
        cairo_close_path(x);
    };
    sc::Silhouette(c, figure, Hex(0x141220), Hex(0xffc070).WithAlpha(0.7), 2);
    Ellipse(cr, 104, 56, 12, 14);
    SetSource(cr, Hex(0x2a2030));
    cairo_fill(cr);
    // The lantern full of sunrise.
    sc::Halo(cr, {108, 112}, 36, Hex(0xffd080).WithAlpha(0.8));
    cy::Prop(c, 86, 86, 44, [](Canvas& k) { Lantern(k, {Hex(0xfffbe6), Hex(0xffb060), Hex(0xff7040)}); });
}

// --- the found things ------------------------------------------------------------------------------

// A thing of the churchyard standing in the middle of a night painting.
std::function<void(Canvas&)> Found(Sky sky, uint32_t seed, int w, int h, std::function<void(Canvas&)> thing) {
    return [=](Canvas& c) {
        Backdrop(c, sky, seed);
        Place(c, (kW - w) / 2.0, kGround + 10 - h, w, h, thing);
    };
}

void CrystalBall(Canvas& c) {
    Backdrop(c, Sky::Indoors, 0);
    cairo_t* cr = c.Cr();
    sc::Halo(cr, {100, 70}, 70, Hex(0x8fb8ff).WithAlpha(0.4));
    RoundedBody(
        c,
        [](cairo_t* x) {
            Polygon(x, {{76, 150}, {124, 150}, {112, 112}, {88, 112}});
        },
        cy::kWood, 0.3, 0.4);
    RoundedBody(
        c,
        [](cairo_t* x) {
            cairo_new_sub_path(x);
            cairo_arc(x, 100, 72, 42, 0, 2 * kPi);
        },
        {pal::Moonlight, Hex(0x8fb8ff), Hex(0x2a3a7a)}, 0.9, 0.3);
    // In its depths, a tiny figure with a lantern like morning.
    sc::Halo(cr, {108, 78}, 12, Hex(0xffd080));
    cairo_rectangle(cr, 96, 70, 6, 16);
    SetSource(cr, Hex(0x1a1a40).WithAlpha(0.8));
    cairo_fill(cr);
}

void MistCat(Canvas& c) {
    Backdrop(c, Sky::Night, 0xa20);
    sc::Silhouette(
        c,
        [](cairo_t* x) {
            sc::Headstone(x, {40, kGround + 4}, 22, 34, 0, -0.05);
            sc::Headstone(x, {160, kGround + 4}, 20, 38, 1, 0.05);
        },
        Hex(0x3a3d52), pal::Moonlight.WithAlpha(0.5), 1);
    sc::Mist(c, 120, 30, pal::Mist, 0.7, 0xa21);
    // The mist curled up like a sleeping cat, ears and all.
    cairo_t* cr = c.Cr();
    Ellipse(cr, 100, 118, 40, 14);
    Polygon(cr, {{120, 108}, {126, 94}, {132, 108}});
    Polygon(cr, {{132, 108}, {138, 96}, {142, 110}});
    SetSource(cr, pal::Mist.WithAlpha(0.55));
    cairo_fill(cr);
}

struct Painting {
    const char* name;
    std::function<void(Canvas&)> draw;
};

const std::vector<Painting> kPaintings = {
    {"story1", Gazette},
    {"story2", LanternLane},
    {"story3", DawnWell},
    {"story4", Whisperwood},
    {"story5", Dungeon},
    {"story6", TarnDance},
    {"story7", StoppedClock},
    {"story8", Mistmere},
    {"story9", Fair},
    {"story10", CryptDoor},
    {"story11", Gloam},
    {"Found pumpkin",
     Found(Sky::Night, 0xb01, 64, 56,
           [](Canvas& k) { cy::Prop(k, 0, -6, 64, [](Canvas& p) { Pumpkin(p, fire::kWarm); }); })},
    {"Found candelabra1",
     Found(Sky::Night, 0xb02, 72, 130, [](Canvas& k) { cy::Candelabra(k, fire::kWarm, 1); })},
    {"Found lantern1", Found(Sky::Night, 0xb03, 64, 120, [](Canvas& k) { cy::LanternPost(k, fire::kWarm); })},
    {"Found pumpkin2",
     Found(Sky::Night, 0xb04, 72, 64,
           [](Canvas& k) { cy::Prop(k, 0, -6, 72, [](Canvas& p) { Pumpkin(p, fire::kSpirit); }); })},
    {"Found cat1", Found(Sky::Night, 0xb05, 120, 132,
                         [](Canvas& k) {
                             Place(k, 0, 12, 120, 120, [](Canvas& w) { cy::BigWell(w, false); });
                             cy::Cat(k, 32, 0, 0.75, fire::kWarm);
                         })},
    {"Found lightning1",
     Found(Sky::Night, 0xb06, 100, 160,
           [](Canvas& k) { Shrunk(k, 300, 480, [](Canvas& t) { cy::LightningTree(t, 3); }); })},
    {"Found well1", Found(Sky::Night, 0xb07, 110, 120, [](Canvas& k) { cy::BigWell(k, true); })},
    {"Found crystal ball1", CrystalBall},
    {"Found gravebed", Found(Sky::Night, 0xb09, 160, 92, cy::Gravebed)},
    {"Found spider web1", Found(Sky::Night, 0xb10, 120, 130, [](Canvas& k) { cy::Web(k, true); })},
    {"Found mist1", MistCat},
    {"Found candelabra2",
     Found(Sky::Night, 0xb12, 84, 140, [](Canvas& k) { cy::Candelabra(k, fire::kSpirit, 1.15); })},
    {"Found cauldron",
     Found(Sky::Night, 0xb13, 66, 160, [](Canvas& k) { Shrunk(k, 132, 330, cy::Cauldron); })},
};

// The painting in a frame: rounded, with a gilt edge and the frame's shadow falling inside it.
platform::PixelMap Framed(const Painting& painting) {
    Canvas scene(kW, kH);
    painting.draw(scene);
    sc::Vignette(scene, 0.45);
    Canvas canvas(kW, kH);
    cairo_t* cr = canvas.Cr();
    const auto frame = [](cairo_t* x) { RoundedRect(x, 3, 3, kW - 6, kH - 6, 14); };
    frame(cr);
    cairo_set_source_surface(cr, scene.Surface(), 0, 0);
    cairo_fill(cr);
    InnerShadow(canvas, frame, 5, pal::Ink.WithAlpha(0.8), 2);
    frame(cr);
    cairo_set_line_width(cr, 3);
    SetSource(cr,
              LinearGradient(0, 0, kW, kH,
                             {{0, chrome::kGilt.light}, {0.5, chrome::kGilt.mid}, {1, chrome::kGilt.dark}}));
    cairo_stroke(cr);
    return canvas.ToPixelMap();
}

Group StoryGroup() {
    std::vector<sc::Backdrop> pictures;
    for (const Painting& p : kPaintings) {
        pictures.push_back(
            {std::string("graphics/DialogImages/") + p.name + ".png", [&p] { return Framed(p); }});
    }
    return sc::BackdropGroup("story", std::move(pictures));
}

const GroupRegistration kStoryGroup(StoryGroup());

}  // namespace
}  // namespace assetgen
