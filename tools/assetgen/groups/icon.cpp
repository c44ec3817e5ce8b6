// The window icon: a carved pumpkin lit from inside, the same one that is the pumpkin bomb on the board.
// Bold shapes and a dark outline so it still reads at 32x32 and on light or dark title bars.

#include "platform/codecs/ImageCodec.h"
#include "tools/assetgen/DataFolder.h"
#include "tools/assetgen/Group.h"
#include "tools/assetgen/Props.h"
#include "tools/assetgen/StyleKit.h"

namespace assetgen {
namespace {

constexpr int kSize = 64;

platform::PixelMap DrawIcon() {
    Canvas canvas(kSize, kSize);
    cairo_t* cr = canvas.Cr();
    // Shrunk a little to leave the glow room inside the picture.
    cairo_translate(cr, kSize / 2.0, kSize / 2.0);
    cairo_scale(cr, 0.92, 0.92);
    cairo_translate(cr, -kSize / 2.0, -kSize / 2.0 - 1);
    Pumpkin(canvas, fire::kWarm);
    return canvas.ToPixelMap();
}

const GroupRegistration kIcon({
    .name = "icon",
    .required = {"icon.png"},
    .make = [](DataFolder& out) { out.Write("icon.png", platform::EncodePng(DrawIcon(), 9, true)); },
});

}  // namespace
}  // namespace assetgen
