#pragma once

// What every prop is made of, shared by the files that draw them: the materials' tones, the ink outline,
// a shaded solid part, and the light of a fire.
#include <cmath>
#include <numbers>

#include "tools/assetgen/Props.h"
#include "tools/assetgen/Shading.h"

namespace assetgen::propkit {

namespace pal = palette;
inline constexpr double kPi = std::numbers::pi;

inline const Tones kGold{Hex(0xfff3b8), Hex(0xe6b02e), Hex(0x6e4206)};
inline const Tones kBrass{Hex(0xfff0b4), Hex(0xcf9a36), Hex(0x553408)};
inline const Tones kIron{Hex(0x9aa4c6), Hex(0x3c4363), Hex(0x11131f)};
inline const Tones kStone{Hex(0xd4d1e2), Hex(0x827e98), Hex(0x2c2a3c)};
inline const Tones kWood{Hex(0xc98f58), Hex(0x7a4a26), Hex(0x2a1508)};
inline const Tones kWax{Hex(0xfffcf2), Hex(0xeee0c0), Hex(0x8e7655)};
inline const Tones kPumpkinSkin{Mix(pal::Pumpkin, pal::CandleGold, 0.55), pal::Pumpkin, pal::Ember};
inline const Tones kGarlicSkin{Hex(0xffffff), Hex(0xebe3da), Hex(0x8f8092)};
inline const Tones kBurlap{Hex(0xe8c68c), Hex(0xad7a42), Hex(0x472810)};

inline constexpr double kEdge = 1.6;  // the dark outline every prop gets

inline void InkEdge(cairo_t* cr, const PathFn& path, double width = kEdge) {
    path(cr);
    Outline(cr, width, pal::Ink.WithAlpha(0.9));
    cairo_new_path(cr);
}

// A solid part: shaded as a rounded body, then outlined.
inline void Part(Canvas& canvas, const PathFn& path, const Tones& tones, double glint = 0.5, double rim = 0.4) {
    RoundedBody(canvas, path, tones, glint, rim);
    InkEdge(canvas.Cr(), path);
}

// The fire's light as a gradient about a point: white-hot core to the flame's colour to its halo.
inline Pattern FireLight(Point at, double radius, const Fire& fire, double alpha = 1) {
    return RadialGradient(at.x, at.y, 0, radius,
                          {{0, fire.core.WithAlpha(alpha)},
                           {0.35, Mix(fire.core, fire.flame, 0.6).WithAlpha(alpha)},
                           {1, Mix(fire.flame, fire.halo, 0.6).WithAlpha(alpha)}});
}

}  // namespace assetgen::propkit
