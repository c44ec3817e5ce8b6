#pragma once

#include <cairo.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>

#include "platform/PixelMap.h"

// The shared look of every picture the game ships: one palette, one light, and the cairo helpers that
// give the soft glows, shadows and gradients of a moonlit village. Pictures drawn only through these
// stay of one hand.
namespace assetgen {

// Straight (not premultiplied) alpha, components 0 … 1.
struct Colour {
    double r = 0, g = 0, b = 0, a = 1;
    constexpr Colour WithAlpha(double alpha) const { return {r, g, b, alpha}; }
};

constexpr Colour Hex(uint32_t rgb) {
    return {((rgb >> 16) & 0xff) / 255.0, ((rgb >> 8) & 0xff) / 255.0, (rgb & 0xff) / 255.0, 1.0};
}

// t = 0 gives a, t = 1 gives b.
Colour Mix(Colour a, Colour b, double t);

namespace palette {
// Night, from the zenith down to the glow above the hills.
inline constexpr Colour Ink = Hex(0x06070f);  // silhouettes and outlines
inline constexpr Colour NightDeep = Hex(0x0b1026);
inline constexpr Colour NightBlue = Hex(0x18244f);
inline constexpr Colour Dusk = Hex(0x2f2b66);
inline constexpr Colour Violet = Hex(0x5b3f8f);
inline constexpr Colour Heather = Hex(0x9479c4);
// Warm lights.
inline constexpr Colour LanternAmber = Hex(0xf2a23a);
inline constexpr Colour CandleGold = Hex(0xf6d27e);
inline constexpr Colour Pumpkin = Hex(0xe8661c);
inline constexpr Colour Ember = Hex(0xa8380f);
// Living things and pale things.
inline constexpr Colour Moss = Hex(0x5e8b3a);
inline constexpr Colour Bone = Hex(0xf0e7d3);
inline constexpr Colour Mist = Hex(0xb8c3e0);
inline constexpr Colour Moonlight = Hex(0xf6f3e6);
}  // namespace palette

// One light for every picture: the moon high on the upper left lights and highlights, the village's
// lanterns give a warm rim on the lower right.
namespace light {
inline constexpr double kMoonX = -0.6;  // unit vector towards the moon, y down
inline constexpr double kMoonY = -0.8;
inline constexpr Colour kRim = palette::LanternAmber;
}  // namespace light

struct Stop {
    double offset;
    Colour colour;
};

using Pattern = std::unique_ptr<cairo_pattern_t, decltype(&cairo_pattern_destroy)>;
Pattern LinearGradient(double x0, double y0, double x1, double y1, std::initializer_list<Stop> stops);
// Concentric circles about (cx, cy), offset 0 at radius r0 and 1 at r1.
Pattern RadialGradient(double cx, double cy, double r0, double r1, std::initializer_list<Stop> stops);

void SetSource(cairo_t* cr, Colour colour);
void SetSource(cairo_t* cr, const Pattern& pattern);

// Appends a path to the context; the helper that takes it decides how it is filled.
using PathFn = std::function<void(cairo_t*)>;

// A transparent ARGB drawing surface; cairo works in premultiplied alpha, the game in straight alpha.
class Canvas {
public:
    Canvas(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    cairo_t* Cr() const { return cr_.get(); }
    cairo_surface_t* Surface() const { return surface_.get(); }

    platform::PixelMap ToPixelMap() const;

private:
    int width_, height_;
    std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> surface_;
    std::unique_ptr<cairo_t, decltype(&cairo_destroy)> cr_;
};

// The filled path's coverage (through the canvas's current transform) blurred by a Gaussian of about
// sigma pixels and painted in colour, shifted by (dx, dy) pixels: a soft glow with no shift, a drop
// shadow away from the moon with one. Keep 3 sigma of room to the canvas's edges so nothing is cut.
void SoftGlow(Canvas& canvas, const PathFn& path, double sigma, Colour colour, double dx = 0, double dy = 0);
void DropShadow(Canvas& canvas, const PathFn& path, double distance, double sigma, Colour colour);
// The shadow a hollow casts into itself: dark along the edges of the filled path, strongest on the side
// towards the moon, soft by sigma pixels; inside the path only.
void InnerShadow(Canvas& canvas, const PathFn& path, double sigma, Colour colour, double distance = 1.5);

// Lights the band of the filled path's rim that faces the direction (dirX, dirY), width deep: moonlight
// from the upper left (light::kMoonX, kMoonY), lantern light from the lower right (light::kRim).
void RimLight(Canvas& canvas, const PathFn& path, double dirX, double dirY, double width, Colour colour);

// Strokes the current path with round joins and keeps it, so a fill can follow.
void Outline(cairo_t* cr, double width, Colour colour);

}  // namespace assetgen
