#pragma once

#include <cairo.h>

#include <map>
#include <string>

#include "tools/assetgen/FontOutline.h"
#include "tools/assetgen/Pictures.h"
#include "tools/assetgen/StyleKit.h"

// Composing mock-ups from the finished pictures of a data folder, placed and layered the way the game
// draws them.
namespace assetgen::preview {

inline constexpr const char* kTextFont = "/usr/share/fonts/opentype/cabin/Cabin-Bold.otf";

// The data folder's pictures by path, each loaded once; throws std::runtime_error naming a picture that
// cannot be loaded.
class Pictures {
public:
    explicit Pictures(std::string root) : root_(std::move(root)) {}

    cairo_surface_t* Get(const std::string& path);
    int Width(const std::string& path) { return cairo_image_surface_get_width(Get(path)); }
    int Height(const std::string& path) { return cairo_image_surface_get_height(Get(path)); }

private:
    std::string root_;
    std::map<std::string, Surface> surfaces_;
};

struct Draw {
    double alpha = 1, scale = 1, angle = 0;
    bool light = false;   // added to what is below, as the game's light images are
    bool shadow = false;  // as black at alpha 0.3, offset, before the picture itself
    int cellW = 0, cellH = 0, frame = 0, columns = 0;  // a cell of a strip
};

// Draws a picture (or one cell of a strip) with its handle at its middle, as gems and effects are drawn.
void Centred(cairo_t* cr, cairo_surface_t* surface, double x, double y, const Draw& d);
// Draws a picture with its top-left at (x, y); black draws its shape in black, as the game's shadows.
void At(cairo_t* cr, cairo_surface_t* surface, double x, double y, double alpha = 1, bool black = false);

// Text centred on centreX in the mock-ups' font, with a dark shadow.
void Text(cairo_t* cr, const OutlineFont& font, const std::string& text, double centreX, double baseline,
          double size, Colour colour);

void Save(const Canvas& canvas, const std::string& path);

}  // namespace assetgen::preview
