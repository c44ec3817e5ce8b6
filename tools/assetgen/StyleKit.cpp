#include "tools/assetgen/StyleKit.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>
#include <vector>

namespace assetgen {

namespace {

void AddStops(cairo_pattern_t* pattern, std::initializer_list<Stop> stops) {
    for (const Stop& s : stops) {
        cairo_pattern_add_color_stop_rgba(pattern, s.offset, s.colour.r, s.colour.g, s.colour.b, s.colour.a);
    }
}

// One pass of a running-sum box filter along a line of n samples spaced by step; samples beyond the ends
// count as empty, so glows fade out instead of smearing the border.
void BoxPass(uint8_t* line, int n, int step, int radius, std::vector<uint8_t>& scratch) {
    scratch.resize(n);
    const int width = 2 * radius + 1;
    int sum = 0;
    for (int i = 0; i < std::min(radius, n); ++i) sum += line[i * step];
    for (int i = 0; i < n; ++i) {
        if (i + radius < n) sum += line[(i + radius) * step];
        scratch[i] = static_cast<uint8_t>((sum + width / 2) / width);
        if (i - radius >= 0) sum -= line[(i - radius) * step];
    }
    for (int i = 0; i < n; ++i) line[i * step] = scratch[i];
}

int BlurRadius(double sigma) {
    return std::max(1, static_cast<int>(std::lround((std::sqrt(4.0 * sigma * sigma + 1.0) - 1.0) / 2.0)));
}

// Three box passes each way come within a few percent of a Gaussian and stay in integers, so the result
// is the same on every machine.
void Blur(cairo_surface_t* mask, double sigma) {
    const int radius = BlurRadius(sigma);
    cairo_surface_flush(mask);
    uint8_t* data = cairo_image_surface_get_data(mask);
    const int w = cairo_image_surface_get_width(mask);
    const int h = cairo_image_surface_get_height(mask);
    const int stride = cairo_image_surface_get_stride(mask);
    std::vector<uint8_t> scratch;
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < h; ++y) BoxPass(data + y * stride, w, 1, radius, scratch);
        for (int x = 0; x < w; ++x) BoxPass(data + x, h, stride, radius, scratch);
    }
    cairo_surface_mark_dirty(mask);
}

}  // namespace

Colour Mix(Colour a, Colour b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

Pattern LinearGradient(double x0, double y0, double x1, double y1, std::initializer_list<Stop> stops) {
    Pattern p(cairo_pattern_create_linear(x0, y0, x1, y1), cairo_pattern_destroy);
    AddStops(p.get(), stops);
    return p;
}

Pattern RadialGradient(double cx, double cy, double r0, double r1, std::initializer_list<Stop> stops) {
    Pattern p(cairo_pattern_create_radial(cx, cy, r0, cx, cy, r1), cairo_pattern_destroy);
    AddStops(p.get(), stops);
    return p;
}

void SetSource(cairo_t* cr, Colour c) {
    cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a);
}

void SetSource(cairo_t* cr, const Pattern& pattern) {
    cairo_set_source(cr, pattern.get());
}

Canvas::Canvas(int width, int height)
    : width_(width),
      height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height), cairo_surface_destroy),
      cr_(cairo_create(surface_.get()), cairo_destroy) {
    if (cairo_status(cr_.get()) != CAIRO_STATUS_SUCCESS) {
        throw std::runtime_error("cannot make a " + std::to_string(width) + "x" + std::to_string(height) +
                                 " drawing surface");
    }
}

platform::PixelMap Canvas::ToPixelMap() const {
    cairo_surface_flush(surface_.get());
    const uint8_t* data = cairo_image_surface_get_data(surface_.get());
    const int stride = cairo_image_surface_get_stride(surface_.get());
    platform::PixelMap out(width_, height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            uint32_t p;
            std::memcpy(&p, data + y * stride + x * 4, 4);
            const uint32_t a = p >> 24;
            if (a == 0) continue;
            auto straight = [a](uint32_t c) {
                return static_cast<uint8_t>(std::min(255u, (c * 255 + a / 2) / a));
            };
            out.Set(x, y,
                    {straight((p >> 16) & 0xff), straight((p >> 8) & 0xff), straight(p & 0xff),
                     static_cast<uint8_t>(a)});
        }
    }
    return out;
}

namespace {

// The blurred coverage of a shape through the canvas's current transform, shifted by (dx, dy) pixels, over
// the part of the canvas the blur can reach; inverted, it is the blurred coverage of everything outside the
// shape. Paints colour through it, clipped to clip when one is given.
void PaintBlurred(Canvas& canvas, const PathFn& path, double sigma, Colour colour, double dx, double dy,
                  bool inverted, const PathFn* clip) {
    cairo_matrix_t matrix;
    cairo_get_matrix(canvas.Cr(), &matrix);
    const auto place = [&](cairo_t* cr) {
        cairo_translate(cr, dx, dy);
        cairo_transform(cr, &matrix);
        path(cr);
    };
    // Only the part of the canvas the blurred shape can reach is blurred: the same pixels, far less work
    // for small shapes on large pictures.
    double x0, y0, x1, y1;
    {
        std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> scratch(
            cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1), cairo_surface_destroy);
        std::unique_ptr<cairo_t, decltype(&cairo_destroy)> cr(cairo_create(scratch.get()), cairo_destroy);
        place(cr.get());
        cairo_identity_matrix(cr.get());
        cairo_path_extents(cr.get(), &x0, &y0, &x1, &y1);
    }
    const int margin = 3 * BlurRadius(sigma) + 2;
    const int left = std::max(0, static_cast<int>(std::floor(x0)) - margin);
    const int top = std::max(0, static_cast<int>(std::floor(y0)) - margin);
    const int right = std::min(canvas.Width(), static_cast<int>(std::ceil(x1)) + margin);
    const int bottom = std::min(canvas.Height(), static_cast<int>(std::ceil(y1)) + margin);
    if (right <= left || bottom <= top) return;
    std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> mask(
        cairo_image_surface_create(CAIRO_FORMAT_A8, right - left, bottom - top), cairo_surface_destroy);
    {
        std::unique_ptr<cairo_t, decltype(&cairo_destroy)> cr(cairo_create(mask.get()), cairo_destroy);
        if (inverted) {
            cairo_paint(cr.get());
            cairo_set_operator(cr.get(), CAIRO_OPERATOR_CLEAR);
        }
        cairo_translate(cr.get(), -left, -top);
        place(cr.get());
        cairo_fill(cr.get());
    }
    Blur(mask.get(), sigma);
    cairo_t* cr = canvas.Cr();
    cairo_save(cr);
    if (clip) {
        (*clip)(cr);
        cairo_clip(cr);
    }
    cairo_identity_matrix(cr);
    SetSource(cr, colour);
    cairo_mask_surface(cr, mask.get(), left, top);
    cairo_restore(cr);
}

}  // namespace

void SoftGlow(Canvas& canvas, const PathFn& path, double sigma, Colour colour, double dx, double dy) {
    PaintBlurred(canvas, path, sigma, colour, dx, dy, false, nullptr);
}

void InnerShadow(Canvas& canvas, const PathFn& path, double sigma, Colour colour, double distance) {
    PaintBlurred(canvas, path, sigma, colour, -light::kMoonX * distance, -light::kMoonY * distance, true, &path);
}

void DropShadow(Canvas& canvas, const PathFn& path, double distance, double sigma, Colour colour) {
    SoftGlow(canvas, path, sigma, colour, -light::kMoonX * distance, -light::kMoonY * distance);
}

void RimLight(Canvas& canvas, const PathFn& path, double dirX, double dirY, double width, Colour colour) {
    // The shape, less itself shifted away from the light.
    cairo_t* cr = canvas.Cr();
    cairo_push_group(cr);
    path(cr);
    SetSource(cr, colour);
    cairo_fill(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_DEST_OUT);
    cairo_translate(cr, -dirX * width, -dirY * width);
    path(cr);
    cairo_set_source_rgba(cr, 0, 0, 0, 1);
    cairo_fill(cr);
    cairo_pop_group_to_source(cr);
    cairo_paint(cr);
}

void Outline(cairo_t* cr, double width, Colour colour) {
    cairo_save(cr);
    cairo_set_line_width(cr, width);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    SetSource(cr, colour);
    cairo_stroke_preserve(cr);
    cairo_restore(cr);
}

}  // namespace assetgen
