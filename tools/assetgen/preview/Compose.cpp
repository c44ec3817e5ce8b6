#include "tools/assetgen/preview/Compose.h"

#include <numbers>
#include <stdexcept>
#include <string>

#include "platform/codecs/ImageCodec.h"
#include "platform/files/Files.h"

namespace assetgen::preview {

namespace files = platform::files;
constexpr double kPi = std::numbers::pi;

cairo_surface_t* Pictures::Get(const std::string& path) {
    auto found = surfaces_.find(path);
    if (found == surfaces_.end()) {
        platform::PixelMap picture;
        std::string error;
        if (!platform::LoadImageFile(files::Join(root_, path), picture, error))
            throw std::runtime_error(error);
        found = surfaces_.emplace(path, ToSurface(picture)).first;
    }
    return found->second.get();
}

void Centred(cairo_t* cr, cairo_surface_t* surface, double x, double y, const Draw& d) {
    const int w = d.cellW ? d.cellW : cairo_image_surface_get_width(surface);
    const int h = d.cellH ? d.cellH : cairo_image_surface_get_height(surface);
    const int columns = d.columns ? d.columns : 1 << 20;
    const int fx = d.cellW ? d.frame % columns * w : 0, fy = d.cellH ? d.frame / columns * h : 0;
    for (int pass = d.shadow ? 0 : 1; pass < 2; ++pass) {
        cairo_save(cr);
        cairo_translate(cr, x + (pass == 0 ? 3 : 0), y + (pass == 0 ? 3 : 0));
        cairo_rotate(cr, d.angle * kPi / 180);
        cairo_scale(cr, d.scale, d.scale);
        cairo_rectangle(cr, -w / 2.0, -h / 2.0, w, h);
        cairo_clip(cr);
        if (d.light) cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
        if (pass == 0) {
            cairo_set_source_rgba(cr, 0, 0, 0, 0.3 * d.alpha);
            cairo_mask_surface(cr, surface, -w / 2.0 - fx, -h / 2.0 - fy);
        } else {
            cairo_set_source_surface(cr, surface, -w / 2.0 - fx, -h / 2.0 - fy);
            cairo_paint_with_alpha(cr, d.alpha);
        }
        cairo_restore(cr);
    }
}

void At(cairo_t* cr, cairo_surface_t* surface, double x, double y, double alpha, bool black) {
    cairo_save(cr);
    if (black) {
        cairo_set_source_rgba(cr, 0, 0, 0, alpha);
        cairo_mask_surface(cr, surface, x, y);
    } else {
        cairo_set_source_surface(cr, surface, x, y);
        cairo_paint_with_alpha(cr, alpha);
    }
    cairo_restore(cr);
}

void Text(cairo_t* cr, const OutlineFont& font, const std::string& text, double centreX, double baseline,
          double size, Colour colour) {
    const std::u32string wide(text.begin(), text.end());
    OutlineFont::Setting setting;
    setting.size = size;
    const double x = centreX - font.Width(wide, setting) / 2;
    font.AppendPath(cr, wide, x + 1.5, baseline + 1.5, setting);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.7);
    cairo_fill(cr);
    font.AppendPath(cr, wide, x, baseline, setting);
    SetSource(cr, colour);
    cairo_fill(cr);
}

void Save(const Canvas& canvas, const std::string& path) {
    std::string error;
    if (!platform::SavePng(path, canvas.ToPixelMap(), 6, false, error)) throw std::runtime_error(error);
}

}  // namespace assetgen::preview
