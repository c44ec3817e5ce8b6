#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "tools/assetgen/Group.h"
#include "tools/assetgen/Props.h"
#include "tools/assetgen/Shapes.h"
#include "tools/assetgen/StyleKit.h"

// The building blocks of the night scenes: skies, the moon, clouds and mist drawn from noise, and the
// silhouettes of the village (hills, trees, cottages, graves, fences). Far things are paler and bluer,
// near things nearly black with a moonlit rim, so every scene has the same depth and the same light.
namespace assetgen::scenery {

// A vertical gradient over the whole canvas, top to bottom.
void Sky(Canvas& canvas, std::initializer_list<Stop> stops);
// Stars between top and bottom, fading towards the bottom; a few brighter ones get a cross of light.
void Stars(Canvas& canvas, double top, double bottom, int count, uint32_t seed, double brightness = 1);
// The moon and its halo. phase 0 is full; towards 1 the shadow eats it from the left into a crescent.
void Moon(Canvas& canvas, Point centre, double radius, double halo = 1, double phase = 0);
// A band of cloud between y0 and y1: cover 0 … 1, bodies dark against the sky and silvered where the
// moon behind lights their edges.
void Clouds(Canvas& canvas, double y0, double y1, double cover, Colour body, Colour lit, uint32_t seed,
            double stretch = 3);
// Wisps of mist round the height y, thickness tall.
void Mist(Canvas& canvas, double y, double thickness, Colour colour, double alpha, uint32_t seed);
// A cheap round glow (a lamp, a window, a will-o'-the-wisp).
void Halo(cairo_t* cr, Point centre, double radius, Colour colour);
// Darkens towards the edges, and softly behind the board (right of the HUD), so pieces read on it.
void Vignette(Canvas& canvas, double strength);
void CalmBehindBoard(Canvas& canvas, double strength);
// Draws a prop with draw(), then darkens it towards the night by darkness (0 … 1), so a picture made for
// the board can stand in a scene without outshining it.
void InTheDark(Canvas& canvas, double darkness, const std::function<void()>& draw);
// Fills the path as a silhouette in colour, with the moon catching its upper-left rim.
void Silhouette(Canvas& canvas, const PathFn& path, Colour colour, Colour rim, double rimWidth = 1.5);

// Paths (appended, for Silhouette or a fill):
// A range of hills: the ground below a ridge line at baseY that rises and falls by amplitude.
void Hills(cairo_t* cr, double width, double height, double baseY, double amplitude, double wavelength,
           uint32_t seed);
// A bare tree, trunk and forking branches, height tall.
void BareTree(cairo_t* cr, Point base, double height, double lean, uint32_t seed);
// A yew or fir: a tall ragged cone.
void Conifer(cairo_t* cr, Point base, double height, double width, uint32_t seed);
// Tufts of grass along the ground line y from x0 to x1.
void Grass(cairo_t* cr, double y, double x0, double x1, double height, uint32_t seed);
// A picket fence standing on y from x0 to x1.
void Fence(cairo_t* cr, double y, double x0, double x1, double height, uint32_t seed);
// A headstone standing on base: 0 rounded, 1 a cross, 2 a pointed obelisk.
void Headstone(cairo_t* cr, Point base, double width, double height, int kind, double tilt);
// A bat, wings spread, size wide.
void Bat(cairo_t* cr, Point centre, double size, double flap);

// A building of the village; its lit windows are drawn separately with Windows().
struct House {
    double x, ground, width, height;  // walls
    double roof;                      // roof height above the walls
    double lean = 0;                  // crooked old houses lean a little
    bool chimney = true;
};
void HousePath(cairo_t* cr, const House& house);
struct Window {
    double x, y, w, h;
    bool lit = true;
};
// Windows glowing with fire behind crossed frames; unlit ones are only dark panes.
void Windows(Canvas& canvas, const std::vector<Window>& windows, const Fire& fire, Colour frame);

// A picture of a scene (a background, or a piece drawn with one): where it goes in the data folder and
// what paints it.
struct Backdrop {
    std::string path;
    std::function<platform::PixelMap()> draw;
};
// A group of such pictures, each one required by the game.
Group BackdropGroup(const std::string& name, std::vector<Backdrop> backdrops);

}  // namespace assetgen::scenery
