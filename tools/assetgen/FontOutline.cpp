#include "tools/assetgen/FontOutline.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <cstdio>
#include <stdexcept>

namespace assetgen {

namespace {

// Font units → canvas pixels, y flipped (fonts grow upwards).
struct Pen {
    cairo_t* cr;
    double x, y, scale;
    bool open = false;
    double lastX = 0, lastY = 0;  // in font units, for the quadratic → cubic conversion
    double Px(double u) const { return x + u * scale; }
    double Py(double u) const { return y - u * scale; }
};

int MoveTo(const FT_Vector* to, void* user) {
    Pen& p = *static_cast<Pen*>(user);
    if (p.open) cairo_close_path(p.cr);
    cairo_move_to(p.cr, p.Px(to->x), p.Py(to->y));
    p.open = true;
    p.lastX = to->x;
    p.lastY = to->y;
    return 0;
}

int LineTo(const FT_Vector* to, void* user) {
    Pen& p = *static_cast<Pen*>(user);
    cairo_line_to(p.cr, p.Px(to->x), p.Py(to->y));
    p.lastX = to->x;
    p.lastY = to->y;
    return 0;
}

int CubicTo(const FT_Vector* c1, const FT_Vector* c2, const FT_Vector* to, void* user) {
    Pen& p = *static_cast<Pen*>(user);
    cairo_curve_to(p.cr, p.Px(c1->x), p.Py(c1->y), p.Px(c2->x), p.Py(c2->y), p.Px(to->x), p.Py(to->y));
    p.lastX = to->x;
    p.lastY = to->y;
    return 0;
}

int ConicTo(const FT_Vector* c, const FT_Vector* to, void* user) {
    Pen& p = *static_cast<Pen*>(user);
    const double c1x = p.lastX + 2.0 / 3.0 * (c->x - p.lastX), c1y = p.lastY + 2.0 / 3.0 * (c->y - p.lastY);
    const double c2x = to->x + 2.0 / 3.0 * (c->x - to->x), c2y = to->y + 2.0 / 3.0 * (c->y - to->y);
    cairo_curve_to(p.cr, p.Px(c1x), p.Py(c1y), p.Px(c2x), p.Py(c2y), p.Px(to->x), p.Py(to->y));
    p.lastX = to->x;
    p.lastY = to->y;
    return 0;
}

}  // namespace

OutlineFont::OutlineFont(const std::string& path) : path_(path) {
    if (FT_Init_FreeType(&library_) != 0) throw std::runtime_error("FreeType cannot start");
    if (FT_New_Face(library_, path.c_str(), 0, &face_) != 0 || !FT_IS_SCALABLE(face_)) {
        if (face_) FT_Done_Face(face_);
        FT_Done_FreeType(library_);
        throw std::runtime_error("cannot read the font " + path + " (is its font package installed?)");
    }
}

OutlineFont::~OutlineFont() {
    FT_Done_Face(face_);
    FT_Done_FreeType(library_);
}

bool OutlineFont::Has(char32_t c) const {
    return FT_Get_Char_Index(face_, c) != 0;
}

unsigned OutlineFont::GlyphOf(char32_t c) const {
    const FT_UInt glyph = FT_Get_Char_Index(face_, c);
    if (glyph == 0) {
        char code[16];
        std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
        throw std::runtime_error("the font " + path_ + " has no letter " + code);
    }
    return glyph;
}

template <typename Visit>
double OutlineFont::Layout(std::u32string_view text, const Setting& setting, Visit visit) const {
    const double scale = setting.size / face_->units_per_EM;
    double pen = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (i > 0) {
            for (const Kern& k : setting.kerning) {
                if (k.left == text[i - 1] && k.right == text[i]) pen += k.units * scale;
            }
            pen += setting.tracking * setting.size;
        }
        const unsigned glyph = GlyphOf(text[i]);
        if (FT_Load_Glyph(face_, glyph, FT_LOAD_NO_SCALE | FT_LOAD_NO_BITMAP) != 0) {
            throw std::runtime_error("cannot load a letter of the font " + path_);
        }
        visit(pen);
        pen += face_->glyph->metrics.horiAdvance * scale;
    }
    return pen;
}

double OutlineFont::Width(std::u32string_view text, const Setting& setting) const {
    return Layout(text, setting, [](double) {});
}

void OutlineFont::AppendPath(cairo_t* cr, std::u32string_view text, double x, double baseline,
                             const Setting& setting) const {
    static const FT_Outline_Funcs funcs = {MoveTo, LineTo, ConicTo, CubicTo, 0, 0};
    const double scale = setting.size / face_->units_per_EM;
    Layout(text, setting, [&](double penX) {
        Pen pen{cr, x + penX, baseline, scale};
        FT_Outline_Decompose(&face_->glyph->outline, &funcs, &pen);
        if (pen.open) cairo_close_path(cr);
    });
}

}  // namespace assetgen
