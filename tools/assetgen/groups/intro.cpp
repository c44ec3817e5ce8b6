// The story intro's layers. The intro opens on the Murkwell Gazette's advertisement ("KEEPER WANTED. Must
// not mind the dark.") held up against the night, then the paper drops away and the view sinks through
// the valley towards the crypt glowing on Crypt Hill, the near layers sliding past faster than the far.
//
// Back to front, with the motion they are drawn for (top-left corners; the screen's timeline is free):
//   "background.png"     1024 x 768, opaque, still at (0, 0): the sky and the moon;
//   "Glowing Crypt.png"  360 x 300, centred at (512, 390), growing from scale 0.8 to 1.1 as the view
//                        closes in, its hill standing on the far hills;
//   "layer4.png"         1300 x 360, the far hills, from (0, 420) to (-276, 410);
//   "layer3.png"         1400 x 400, the village roofs, from (0, 440) to (-376, 430);
//   "layer2.png"         1600 x 500, the churchyard trees, from (0, 360) to (-576, 340);
//   "layer1.png"         1800 x 768, the nearest brambles framing the bottom, from (0, 80) to (-776, 0);
//   "newspaper.png"      600 x 440, mid-handled, held at (512, 384) first and falling away below the screen.
// Every wide layer has its parts spread along its whole width, so any stretch of it makes a picture.

#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "tools/assetgen/Chrome.h"
#include "tools/assetgen/Churchyard.h"
#include "tools/assetgen/DataFolder.h"
#include "tools/assetgen/FontOutline.h"
#include "tools/assetgen/Group.h"
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
constexpr double kPi = std::numbers::pi;
constexpr int kW = 1024, kH = 768;

platform::PixelMap Background() {
    Canvas canvas(kW, kH);
    sc::Sky(canvas, {{0, Hex(0x060820)}, {0.4, Hex(0x18204e)}, {0.7, Hex(0x40346e)}, {1, Hex(0x5a4070)}});
    sc::Stars(canvas, 0, 500, 220, 0x8a1, 1);
    sc::Moon(canvas, {800, 140}, 60, 1.4, 0.25);
    sc::Clouds(canvas, 60, 330, 0.3, Hex(0x262a60).WithAlpha(0.7), Hex(0xe0d8f4), 0x8a2, 4);
    return canvas.ToPixelMap();
}

platform::PixelMap GlowingCrypt() {
    Canvas canvas(360, 300);
    cairo_t* cr = canvas.Cr();
    sc::Halo(cr, {180, 190}, 170, pal::CandleGold.WithAlpha(0.4));
    // The hill and the crypt are filled one after the other: their outlines wind opposite ways.
    sc::Silhouette(
        canvas,
        [](cairo_t* c) {
            cairo_move_to(c, 0, 300);
            cairo_curve_to(c, 60, 230, 300, 230, 360, 300);
            cairo_close_path(c);
        },
        Hex(0x1a1830), pal::CandleGold.WithAlpha(0.6), 2);
    churchyard::Crypt(canvas, {180, 250}, 120, Hex(0x1a1830), pal::CandleGold.WithAlpha(0.6));
    for (double x : {130.0, 228.0}) {
        cairo_rectangle(cr, x, 170, 3, 60);
        SetSource(cr, pal::CandleGold.WithAlpha(0.8));
        cairo_fill(cr);
    }
    return canvas.ToPixelMap();
}

// A wide strip of silhouettes along its bottom, nearer ones darker.
platform::PixelMap HillsLayer() {
    Canvas canvas(1300, 360);
    sc::Silhouette(
        canvas, [](cairo_t* c) { sc::Hills(c, 1300, 360, 120, 50, 460, 0x8b1); }, Hex(0x2a2650),
        Hex(0xc0a8e0).WithAlpha(0.35), 1.2);
    return canvas.ToPixelMap();
}

platform::PixelMap VillageLayer() {
    Canvas canvas(1400, 400);
    Random random(0x8c1);
    std::vector<sc::House> houses;
    std::vector<sc::Window> windows;
    for (double x = 10; x < 1380;) {
        const double w = random.Range(50, 90), h = random.Range(50, 80), ground = 300 + random.Range(-10, 10);
        houses.push_back({.x = x,
                          .ground = ground,
                          .width = w,
                          .height = h,
                          .roof = random.Range(26, 44),
                          .lean = random.Range(-0.04, 0.04),
                          .chimney = random.Uniform() < 0.6});
        windows.push_back({x + w * 0.3, ground - h * 0.6, w * 0.15, h * 0.22, random.Uniform() < 0.75});
        x += w + random.Range(10, 90);
    }
    sc::Silhouette(
        canvas,
        [&](cairo_t* c) {
            sc::Hills(c, 1400, 400, 300, 14, 300, 0x8c2);
            for (const sc::House& h : houses) sc::HousePath(c, h);
        },
        Hex(0x171631), Hex(0xb0a0d0).WithAlpha(0.35), 1.2);
    sc::Windows(canvas, windows, fire::kWarm, pal::Ink);
    return canvas.ToPixelMap();
}

platform::PixelMap TreesLayer() {
    Canvas canvas(1600, 500);
    const Colour body = Hex(0x0c0c1c), rim = Hex(0xb0a0d0).WithAlpha(0.4);
    sc::Silhouette(
        canvas, [](cairo_t* c) { sc::Hills(c, 1600, 500, 420, 20, 380, 0x8d2); }, body, rim, 1.3);
    sc::Silhouette(
        canvas,
        [](cairo_t* c) {
            // Seeded afresh on every call: the rim light draws the path twice.
            Random random(0x8d1);
            for (double x = 60; x < 1560; x += random.Range(180, 320)) {
                if (random.Uniform() < 0.5)
                    sc::Conifer(c, {x, 440}, random.Range(160, 260), random.Range(60, 90),
                                static_cast<uint32_t>(random.Next()));
                else
                    sc::BareTree(c, {x, 440}, random.Range(200, 320), random.Range(-0.2, 0.2),
                                 static_cast<uint32_t>(random.Next()));
            }
            for (double x = 30; x < 1580; x += random.Range(40, 90)) {
                sc::Headstone(c, {x, 446}, random.Range(14, 22), random.Range(22, 36),
                              static_cast<int>(random.Next() % 3), random.Range(-0.12, 0.12));
            }
        },
        body, rim, 1.3);
    return canvas.ToPixelMap();
}

platform::PixelMap NearLayer() {
    Canvas canvas(1800, kH);
    cairo_t* cr = canvas.Cr();
    Random random(0x8e1);
    const Colour body = Hex(0x040508), rim = Hex(0x9a90c8).WithAlpha(0.35);
    sc::Silhouette(
        canvas,
        [](cairo_t* c) {
            sc::Hills(c, 1800, kH, 690, 30, 260, 0x8e2);
            sc::Grass(c, 690, 0, 1800, 40, 0x8e3);
        },
        body, rim, 1.5);
    sc::Silhouette(
        canvas,
        [](cairo_t* c) {
            Random random(0x8e4);
            for (double x = 100; x < 1760; x += random.Range(300, 500)) {
                sc::BareTree(c, {x, 700}, random.Range(420, 600), random.Range(-0.25, 0.25),
                             static_cast<uint32_t>(random.Next()));
            }
        },
        body, rim, 1.5);
    for (int i = 0; i < 6; ++i) {
        const Point p{random.Range(100, 1700), random.Range(640, 700)};
        sc::Halo(cr, p, 26, pal::Pumpkin.WithAlpha(0.3));
        cairo_save(cr);
        cairo_translate(cr, p.x - 16, p.y - 18);
        cairo_scale(cr, 0.5, 0.5);
        Pumpkin(canvas, fire::kWarm);
        cairo_restore(cr);
    }
    return canvas.ToPixelMap();
}

// The advertisement page of the Murkwell Gazette, a little crumpled, lit by the moon.
platform::PixelMap Newspaper() {
    constexpr int kPw = 600, kPh = 440;
    Canvas canvas(kPw, kPh);
    cairo_t* cr = canvas.Cr();
    const auto sheet = [](cairo_t* c) { Polygon(c, {{24, 30}, {570, 18}, {578, 410}, {30, 420}}); };
    DropShadow(canvas, sheet, 8, 8, pal::Ink.WithAlpha(0.6));
    sheet(cr);
    SetSource(cr, RadialGradient(220, 140, 40, 520,
                                 {{0, Hex(0xf4ecd6)}, {0.7, Hex(0xd8ccb0)}, {1, Hex(0xa89a7c)}}));
    cairo_fill(cr);
    cairo_save(cr);
    cairo_translate(cr, 300, 220);
    cairo_rotate(cr, -0.02);
    cairo_translate(cr, -300, -220);
    const OutlineFont title(fonts::kStorybook), body(fonts::kStorybookItalic);
    const auto line = [&](const OutlineFont& font, const std::u32string& text, double centreX,
                          double baseline, double size, Colour colour) {
        OutlineFont::Setting setting;
        setting.size = size;
        font.AppendPath(cr, text, centreX - font.Width(text, setting) / 2, baseline, setting);
        SetSource(cr, colour);
        cairo_fill(cr);
    };
    const Colour ink = Hex(0x2a2018);
    line(title, U"The Murkwell Gazette", 300, 92, 52, ink);
    cairo_rectangle(cr, 56, 106, 488, 3);
    cairo_rectangle(cr, 56, 113, 488, 1);
    cairo_fill(cr);
    line(title, U"KEEPER WANTED", 300, 200, 64, Hex(0x6a1a10));
    line(body, U"Must not mind the dark.", 300, 250, 30, ink);
    line(body, U"Lamps to light, pumpkins to carve,", 300, 300, 24, ink);
    line(body, U"ghosts to keep cosy. Apply at the crypt.", 300, 330, 24, ink);
    // Columns of small print, as grey lines.
    Random random(0x8f1);
    for (int col = 0; col < 3; ++col) {
        for (double y = 360; y < 396; y += 7) {
            cairo_rectangle(cr, 60 + col * 165, y, random.Range(110, 150), 2);
        }
    }
    SetSource(cr, ink.WithAlpha(0.35));
    cairo_fill(cr);
    cairo_restore(cr);
    // Creases catch the moon along one side and shade on the other.
    for (double x : {210.0, 400.0}) {
        cairo_rectangle(cr, x, 24, 3, 392);
        SetSource(cr, LinearGradient(x, 0, x + 3, 0,
                                     {{0, pal::Ink.WithAlpha(0.15)}, {1, pal::Moonlight.WithAlpha(0.3)}}));
        cairo_fill(cr);
    }
    return canvas.ToPixelMap();
}

const GroupRegistration kIntroGroup(sc::BackdropGroup("intro",
                                                      {
                                                          {"graphics/Intro/background.png", Background},
                                                          {"graphics/Intro/Glowing Crypt.png", GlowingCrypt},
                                                          {"graphics/Intro/layer4.png", HillsLayer},
                                                          {"graphics/Intro/layer3.png", VillageLayer},
                                                          {"graphics/Intro/layer2.png", TreesLayer},
                                                          {"graphics/Intro/layer1.png", NearLayer},
                                                          {"graphics/Intro/newspaper.png", Newspaper},
                                                      }));

}  // namespace
}  // namespace assetgen
