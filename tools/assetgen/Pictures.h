#pragma once

#include <cairo.h>

#include <functional>
#include <memory>
#include <string>

#include "platform/PixelMap.h"
#include "tools/assetgen/Group.h"
#include "tools/assetgen/StyleKit.h"

// Pictures as the game loads them: single pictures, and strips (StripLayout) whose cell size and count the
// loading code passes in.
namespace assetgen {

class DataFolder;

// Draws each frame on its own transparent canvas of the cell's size and lays them out.
platform::PixelMap DrawStrip(const StripLayout& layout, const std::function<void(Canvas&, int frame)>& draw);

// A ".jpg" path is written as an opaque JPEG, anything else as a PNG with alpha; throws naming the path
// when the picture cannot be encoded.
void WritePicture(DataFolder& folder, const std::string& path, const platform::PixelMap& picture);

// A picture as a cairo surface (premultiplied), for composing pictures from other pictures.
using Surface = std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)>;
Surface ToSurface(const platform::PixelMap& picture);

}  // namespace assetgen
