#include "tools/assetgen/Icon.h"

#include "platform/codecs/ImageCodec.h"
#include "tools/assetgen/DataFolder.h"
#include "tools/assetgen/Props.h"
#include "tools/assetgen/StyleKit.h"

namespace assetgen {

platform::PixelMap DrawIcon(int size) {
    Canvas canvas(size, size);
    cairo_t* cr = canvas.Cr();
    // The pumpkin is drawn on a 64-unit square, shrunk a little to leave its glow room inside the picture.
    const double scale = size / 64.0;
    cairo_scale(cr, scale, scale);
    cairo_translate(cr, 32, 32);
    cairo_scale(cr, 0.92, 0.92);
    cairo_translate(cr, -32, -33);
    Pumpkin(canvas, fire::kWarm);
    return canvas.ToPixelMap();
}

void WriteDesktopIcons(const std::string& root, const std::string& name) {
    DataFolder folder(root);
    for (int size : kDesktopIconSizes) {
        const std::string side = std::to_string(size);
        folder.Write(side + "x" + side + "/apps/" + name + ".png", platform::EncodePng(DrawIcon(size), 9, true));
    }
}

}  // namespace assetgen
