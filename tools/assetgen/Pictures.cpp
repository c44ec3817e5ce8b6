#include "tools/assetgen/Pictures.h"

#include <cstring>
#include <stdexcept>

#include "platform/codecs/ImageCodec.h"
#include "tools/assetgen/DataFolder.h"

namespace assetgen {

namespace {

// Backgrounds are seen full screen: a high quality keeps gradients free of banding and blocks.
constexpr int kJpegQuality = 92;

}  // namespace

platform::PixelMap DrawStrip(const StripLayout& layout, const std::function<void(Canvas&, int frame)>& draw) {
    platform::PixelMap strip(layout.Width(), layout.Height());
    for (int frame = 0; frame < layout.frames; ++frame) {
        Canvas canvas(layout.cellWidth, layout.cellHeight);
        draw(canvas, frame);
        const platform::PixelMap cell = canvas.ToPixelMap();
        const int x0 = frame % layout.Columns() * layout.cellWidth;
        const int y0 = frame / layout.Columns() * layout.cellHeight;
        for (int y = 0; y < layout.cellHeight; ++y) {
            std::memcpy(strip.Row(y0 + y) + x0 * 4, cell.Row(y), static_cast<size_t>(layout.cellWidth) * 4);
        }
    }
    return strip;
}

void WritePicture(DataFolder& folder, const std::string& path, const platform::PixelMap& picture) {
    const bool jpeg = path.ends_with(".jpg");
    const std::vector<uint8_t> bytes =
        jpeg ? platform::EncodeJpeg(picture, kJpegQuality) : platform::EncodePng(picture, 6, true);
    if (bytes.empty()) throw std::runtime_error("cannot encode the picture " + path);
    folder.Write(path, bytes);
}

Surface ToSurface(const platform::PixelMap& picture) {
    Surface surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, picture.Width(), picture.Height()),
                    cairo_surface_destroy);
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) {
        throw std::runtime_error("cannot make a " + std::to_string(picture.Width()) + "x" +
                                 std::to_string(picture.Height()) + " surface");
    }
    uint8_t* data = cairo_image_surface_get_data(surface.get());
    const int stride = cairo_image_surface_get_stride(surface.get());
    for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x) {
            const platform::Rgba c = picture.At(x, y);
            const auto pre = [&](uint8_t v) { return static_cast<uint32_t>((v * c.a + 127) / 255); };
            const uint32_t p = static_cast<uint32_t>(c.a) << 24 | pre(c.r) << 16 | pre(c.g) << 8 | pre(c.b);
            std::memcpy(data + y * stride + x * 4, &p, 4);
        }
    }
    cairo_surface_mark_dirty(surface.get());
    return surface;
}

}  // namespace assetgen
