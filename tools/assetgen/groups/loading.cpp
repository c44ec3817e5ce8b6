// The loading screen and the frame round the game on wide screens.
//
// "Backgrounds/LoadingScreen.jpg", 1024 x 768: the game's name over the village at night; the bar goes
// centred at y 284, "loading" at (512, 461), the continue button below it.
// "LoadingScreen/LoadingBar.png" (full), "…empty.png" and "…final.png" are 440 x 48: the same gilt trough,
// empty, filled with light, and filled and shining; the game draws the left part of the full bar over the
// empty one as loading goes on.
// "Backgrounds/LeftBorder.jpg" and "RightBorder.jpg", 456 x 768, fill the bars beside the game on screens
// wider than 4:3 (up to about 2.5:1): velvet drapes behind a carved pillar that meets the game's edge.

#include <cmath>
#include <numbers>
#include <string>

#include "tools/assetgen/Chrome.h"
#include "tools/assetgen/DataFolder.h"
#include "tools/assetgen/Group.h"
#include "tools/assetgen/Lettering.h"
#include "tools/assetgen/Noise.h"
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

constexpr const char* kScreen = "graphics/Backgrounds/LoadingScreen.jpg";
constexpr const char* kBar = "graphics/LoadingScreen/LoadingBar.png";
constexpr const char* kBarEmpty = "graphics/LoadingScreen/LoadingBarempty.png";
constexpr const char* kBarFinal = "graphics/LoadingScreen/LoadingBarfinal.png";
constexpr const char* kLeft = "graphics/Backgrounds/LeftBorder.jpg";
constexpr const char* kRight = "graphics/Backgrounds/RightBorder.jpg";
constexpr int kBarW = 440, kBarH = 48;
constexpr int kBorderW = 456;

// --- the loading screen ----------------------------------------------------------------------------

platform::PixelMap Screen() {
    constexpr int kW = 1024, kH = 768;
    Canvas canvas(kW, kH);
    cairo_t* cr = canvas.Cr();
    sc::Sky(canvas, {{0, Hex(0x05071a)}, {0.4, Hex(0x141c48)}, {0.75, Hex(0x35306e)}, {1, Hex(0x4a3c7c)}});
    sc::Stars(canvas, 0, 600, 320, 0x10a);
    sc::Moon(canvas, {872, 352}, 50, 1.3);
    sc::Clouds(canvas, 180, 420, 0.4, Hex(0x1e2354).WithAlpha(0.8), Hex(0xb0b6e8), 0x10b);
    // Hills, the village on them and the near dark ground.
    sc::Silhouette(
        canvas, [](cairo_t* c) { sc::Hills(c, kW, kH, 610, 40, 420, 0x10c); },
        Mix(pal::Dusk, pal::Violet, 0.3), pal::Heather.WithAlpha(0.35), 1.2);
    sc::Mist(canvas, 615, 40, pal::Mist, 0.35, 0x10d);
    std::vector<sc::House> houses;
    std::vector<sc::Window> windows;
    Random random(0x10e);
    for (double x = 60; x < kW - 40;) {
        const double w = random.Range(44, 80), h = random.Range(40, 70);
        const double ground = 668 + random.Range(-8, 8);
        houses.push_back({.x = x,
                          .ground = ground,
                          .width = w,
                          .height = h,
                          .roof = random.Range(22, 40),
                          .lean = random.Range(-0.04, 0.04)});
        windows.push_back({x + w * 0.3, ground - h * 0.6, w * 0.14, h * 0.22, random.Uniform() < 0.7});
        x += w + random.Range(20, 120);
    }
    const auto village = [&](cairo_t* c) {
        sc::Hills(c, kW, kH, 672, 24, 300, 0x10f);
        for (const sc::House& h : houses) sc::HousePath(c, h);
        sc::BareTree(c, {70, 690}, 170, -0.1, 0x110);
        sc::BareTree(c, {960, 694}, 200, 0.12, 0x111);
    };
    sc::Silhouette(canvas, village, Mix(pal::Ink, pal::NightDeep, 0.5), pal::Mist.WithAlpha(0.35), 1.3);
    sc::Windows(canvas, windows, fire::kWarm, pal::Ink);
    for (int i = 0; i < 5; ++i)
        sc::Bat(cr, {random.Range(660, 800), random.Range(250, 330)}, random.Range(16, 26),
                random.Range(-1, 1));
    SetSource(cr, pal::Ink);
    cairo_fill(cr);
    sc::Vignette(canvas, 0.6);

    // The game's name.
    GameName(canvas, kW / 2.0, 200);
    chrome::Rule(canvas, {300, 236}, {724, 236});
    return canvas.ToPixelMap();
}

// --- the bar -------------------------------------------------------------------------------------

enum class Fill { Empty, Full, Final };

platform::PixelMap Bar(Fill fill) {
    Canvas canvas(kBarW, kBarH);
    cairo_t* cr = canvas.Cr();
    const auto outer = [](cairo_t* c) { RoundedRect(c, 3, 3, kBarW - 6, kBarH - 6, (kBarH - 6) / 2.0); };
    const auto trough = [](cairo_t* c) {
        RoundedRect(c, 12, 12, kBarW - 24, kBarH - 24, (kBarH - 24) / 2.0);
    };
    chrome::Panel(canvas, outer, {.rim = 3.5, .shadow = 0, .enamel = chrome::kEnamel, .glow = {0, 0, 0, 0}});
    chrome::Recess(canvas, trough);
    if (fill != Fill::Empty) {
        // Liquid light, brightest along its middle, with a moonlit sheen on top.
        trough(cr);
        SetSource(cr, LinearGradient(0, 12, 0, kBarH - 12,
                                     {{0, Hex(0xfff2b8)}, {0.45, pal::CandleGold}, {1, pal::Ember}}));
        cairo_fill(cr);
        Gloss(canvas, trough, 0.6, 0.45);
        InnerShadow(canvas, trough, 2.5, pal::Ember.WithAlpha(0.8), 1);
        // Bubbles of light rising in it.
        Random random(0xba2);
        cairo_save(cr);
        trough(cr);
        cairo_clip(cr);
        for (int i = 0; i < 40; ++i) {
            cairo_new_sub_path(cr);
            cairo_arc(cr, random.Range(16, kBarW - 16), random.Range(16, kBarH - 16), random.Range(0.8, 2.2),
                      0, 2 * kPi);
        }
        SetSource(cr, pal::Moonlight.WithAlpha(0.45));
        cairo_fill(cr);
        cairo_restore(cr);
    }
    if (fill == Fill::Final) {
        SoftGlow(canvas, trough, 3, pal::Moonlight.WithAlpha(0.55));
        for (double x : {70.0, 170.0, 260.0, 350.0}) Glint(cr, {x, kBarH / 2.0 - 3}, 7, pal::Moonlight);
    }
    chrome::Stud(canvas, {20, kBarH / 2.0}, 3);
    chrome::Stud(canvas, {kBarW - 20.0, kBarH / 2.0}, 3);
    return canvas.ToPixelMap();
}

// --- the wide-screen borders -------------------------------------------------------------------------

// The left border; the right one is its mirror. The pillar stands at the edge that meets the game.
platform::PixelMap Border(bool right) {
    Canvas canvas(kBorderW, 768);
    cairo_t* cr = canvas.Cr();
    // Distance from the outer edge, towards the game.
    const auto inward = [right](double x) { return right ? kBorderW - x : x; };
    constexpr double kPillar = 46;
    const double pillarX = right ? 0 : kBorderW - kPillar;
    // Velvet: deep folds, lit a little on their crests, darker away from the game.
    cairo_rectangle(cr, 0, 0, kBorderW, 768);
    SetSource(cr, PixelPattern(kBorderW, 768, [&](double x, double y) {
                  const double u = inward(x);
                  const double fold = 0.5 + 0.5 * std::sin(u / 26 + Fbm(u / 80, y / 300, 2, 0xb0) * 3);
                  const double fall = 0.3 + 0.7 * (u / kBorderW);
                  return Mix(Hex(0x06040f), Mix(Hex(0x241240), Hex(0x4c2a78), fold * fold), fold * fall);
              }));
    cairo_fill(cr);
    // The carved pillar, fluted, and a gilt moulding where it meets the game.
    const auto pillar = [=](cairo_t* c) { cairo_rectangle(c, pillarX, -10, kPillar, 790); };
    DropShadow(canvas, pillar, 8, 8, pal::Ink.WithAlpha(0.8));
    pillar(cr);
    SetSource(cr, Relief(
                      static_cast<int>(kPillar), 768,
                      [&](double x, double y) {
                          const double u = x - pillarX;
                          return std::abs(std::sin(u / kPillar * kPi * 3)) * 2.2 +
                                 Fbm(x / 6, y / 6, 2, 0xb1) * 0.6;
                      },
                      Tones{Hex(0x8a86a8), Hex(0x3e3a5c), Hex(0x0e0c1c)}, 1, static_cast<int>(pillarX), 0));
    cairo_fill(cr);
    const double edge = right ? 0 : kBorderW - 8;
    const auto moulding = [=](cairo_t* c) { cairo_rectangle(c, edge, -10, 8, 790); };
    RoundedBody(canvas, moulding, chrome::kGilt, 0.2, 0.3);
    moulding(cr);
    Outline(cr, 1, pal::Ink);
    cairo_new_path(cr);
    for (double y = 64; y < 768; y += 128)
        chrome::Star(canvas, {pillarX + kPillar / 2 + (right ? 4 : -4), y}, 8);
    return canvas.ToPixelMap();
}

const GroupRegistration kLoading({
    .name = "loading",
    .required = {kScreen, kBar, kBarEmpty, kBarFinal, kLeft, kRight},
    .make =
        [](DataFolder& out) {
            WritePicture(out, kScreen, Screen());
            WritePicture(out, kBar, Bar(Fill::Full));
            WritePicture(out, kBarEmpty, Bar(Fill::Empty));
            WritePicture(out, kBarFinal, Bar(Fill::Final));
            WritePicture(out, kLeft, Border(false));
            WritePicture(out, kRight, Border(true));
        },
});

}  // namespace
}  // namespace assetgen
