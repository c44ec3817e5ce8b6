#include "tools/assetgen/BitmapFontMaker.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <utility>
#include <vector>

#include "framework/gfx/FntFile.h"
#include "tools/assetgen/FontOutline.h"

namespace assetgen {

namespace {

// Room between the letters on the page, so that smoothing a scaled letter never picks up its neighbour.
constexpr int kSpacing = 2;
constexpr int kMargin = 1;
constexpr int kPageSizes[] = {256, 512, 1024, 2048};
constexpr char32_t kExtras[] = {U'\u2013', U'\u2014', U'\u2018', U'\u2019',
                                U'\u201C', U'\u201D', U'\u2026', U'\u20AC'};

struct Extents {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    bool Empty() const { return x1 <= x0 || y1 <= y0; }
};

// A letter as it is laid out: its box about the pen (baseline at y 0), where it lies on the page, and how
// far it moves the pen.
struct Letter {
    char32_t code = 0;
    int left = 0, top = 0, right = 0, bottom = 0;
    int advance = 0;
    int pageX = 0, pageY = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

// How far the look reaches beyond the outline of a letter, with a pixel for the smoothed edge.
double Reach(const GlyphLook& look) {
    double reach = look.ink;
    if (look.glow.a > 0) reach = std::max(reach, 2.5 * look.glowSigma);
    if (look.shadow > 0) reach = std::max(reach, look.shadow + 2.5 * look.shadowSigma);
    if (look.emboss > 0) reach = std::max(reach, look.emboss * 1.5);
    return reach + 1;
}

class Face {
public:
    explicit Face(const FontRecipe& recipe) : main_(recipe.faceFile) {
        setting_.size = recipe.look.size;
        if (!recipe.fallbackFile.empty()) fallback_.emplace(recipe.fallbackFile);
    }

    Extents Ink(char32_t c) const {
        std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> scratch(
            cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1), cairo_surface_destroy);
        std::unique_ptr<cairo_t, decltype(&cairo_destroy)> cr(cairo_create(scratch.get()), cairo_destroy);
        Path(cr.get(), c);
        Extents e;
        cairo_path_extents(cr.get(), &e.x0, &e.y0, &e.x1, &e.y1);
        return e;
    }
    double Advance(char32_t c) const {
        const auto [font, letter] = Source(c);
        return font.Width(std::u32string_view(&letter, 1), setting_);
    }
    // The letter's outline with its pen at 0, 0 of the current user space.
    void Path(cairo_t* cr, char32_t c) const {
        const auto [font, letter] = Source(c);
        font.AppendPath(cr, std::u32string_view(&letter, 1), 0, 0, setting_);
    }

private:
    // The font and letter that draw c; the main face names the letter it lacks when no one has it.
    std::pair<const OutlineFont&, char32_t> Source(char32_t c) const {
        if (main_.Has(c)) return {main_, c};
        if (c == U'\u00A0') return {main_, U' '};
        if (fallback_ && fallback_->Has(c)) return {*fallback_, c};
        return {main_, c};
    }

    OutlineFont main_;
    std::optional<OutlineFont> fallback_;
    OutlineFont::Setting setting_;
};

// The line band: the capitals' height with equal room above and below, wide enough for the look's reach
// round the capitals of the test string and for the line gap asked for.
struct Band {
    int top = 0, bottom = 0;  // about the baseline
    double capTop = 0;
};

Band LineBand(const Face& face, const GlyphLook& look, double reach) {
    Band band;
    band.capTop = face.Ink(U'H').y0;
    double above = 0, below = 0;
    for (const char32_t c : std::u32string_view(U"ABCXYZ")) {
        const Extents e = face.Ink(c);
        above = std::max(above, band.capTop - e.y0);
        below = std::max(below, e.y1);
    }
    const double room =
        std::max({reach + above, reach + below, (look.lineGap * look.size + band.capTop) / 2});
    band.top = static_cast<int>(std::floor(band.capTop - room));
    band.bottom = static_cast<int>(std::ceil(room));
    return band;
}

Letter Measure(const Face& face, char32_t c, const GlyphLook& look, double reach, const Band& band) {
    Letter letter;
    letter.code = c;
    letter.advance = static_cast<int>(std::lround(face.Advance(c) + look.tracking));
    const Extents e = face.Ink(c);
    if (e.Empty()) return letter;  // a space: no picture, only an advance
    letter.left = static_cast<int>(std::floor(e.x0 - reach));
    letter.right = static_cast<int>(std::ceil(e.x1 + reach));
    letter.top = std::min(static_cast<int>(std::floor(e.y0 - reach)), band.top);
    letter.bottom = std::max(static_cast<int>(std::ceil(e.y1 + reach)), band.bottom);
    return letter;
}

// Lays the letters out in shelves across a page of the width; returns the height used (a multiple of 4),
// or 0 when a letter is wider than the page.
int Shelve(const std::vector<Letter*>& letters, int width) {
    int x = kMargin, y = kMargin, shelf = 0;
    for (Letter* letter : letters) {
        if (letter->Width() + 2 * kMargin > width) return 0;
        if (x + letter->Width() + kMargin > width) {
            y += shelf + kSpacing;
            x = kMargin;
            shelf = 0;
        }
        letter->pageX = x;
        letter->pageY = y;
        x += letter->Width() + kSpacing;
        shelf = std::max(shelf, letter->Height());
    }
    return (y + shelf + kMargin + 3) / 4 * 4;
}

// Tallest letters first, on the page of least area whose width is a power of two and whose height is at
// most twice that.
bool Pack(std::vector<Letter*>& letters, int& pageW, int& pageH) {
    std::sort(letters.begin(), letters.end(), [](const Letter* a, const Letter* b) {
        return a->Height() != b->Height() ? a->Height() > b->Height() : a->code < b->code;
    });
    long best = 0;
    for (const int width : kPageSizes) {
        const int height = Shelve(letters, width);
        if (height == 0 || height > 2 * width || (best > 0 && static_cast<long>(width) * height >= best))
            continue;
        best = static_cast<long>(width) * height;
        pageW = width;
        pageH = height;
    }
    return best > 0 && Shelve(letters, pageW) > 0;
}

platform::PixelMap Draw(const Face& face, const Letter& letter, const GlyphLook& look, const Band& band) {
    Canvas canvas(letter.Width(), letter.Height());
    cairo_t* cr = canvas.Cr();
    cairo_translate(cr, -letter.left, -letter.top);
    const auto path = [&](cairo_t* c) { face.Path(c, letter.code); };
    if (look.glow.a > 0) SoftGlow(canvas, path, look.glowSigma, look.glow);
    if (look.shadow > 0) DropShadow(canvas, path, look.shadow, look.shadowSigma, look.shadowColour);
    if (look.ink > 0) {
        path(cr);
        cairo_set_line_width(cr, look.ink * 2);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        SetSource(cr, look.inkColour);
        cairo_stroke(cr);
    }
    path(cr);
    SetSource(cr, LinearGradient(0, band.capTop, 0, look.size * 0.05,
                                 {{0, look.fill.light}, {0.5, look.fill.mid}, {1, look.fill.dark}}));
    cairo_fill(cr);
    // Raised letters: the moon lights the edges facing it and the far edges fall into shade.
    if (look.emboss > 0) {
        Bevel(canvas, path, look.emboss, palette::Moonlight.WithAlpha(0.8), palette::Ink.WithAlpha(0.55));
    }
    platform::PixelMap picture = canvas.ToPixelMap();
    picture.BleedIntoTransparent();
    return picture;
}

void Fail(const FontRecipe& recipe, const std::string& reason) {
    throw std::runtime_error("the font " + recipe.name + " (" + recipe.faceFile + "): " + reason);
}

}  // namespace

std::u32string FontCharacters() {
    std::u32string characters;
    for (char32_t c = 32; c <= 126; ++c) characters += c;
    for (char32_t c = 160; c <= 255; ++c) characters += c;
    characters.append(std::begin(kExtras), std::end(kExtras));
    return characters;
}

MadeFont MakeBitmapFont(const FontRecipe& recipe) {
    const Face face(recipe);
    const GlyphLook& look = recipe.look;
    const double reach = Reach(look);
    const Band band = LineBand(face, look, reach);

    std::vector<Letter> letters;
    for (const char32_t c : FontCharacters()) letters.push_back(Measure(face, c, look, reach, band));
    std::vector<Letter*> drawn;
    for (Letter& letter : letters) {
        if (letter.Width() > 0) drawn.push_back(&letter);
    }
    MadeFont made;
    int pageW = 0, pageH = 0;
    if (!Pack(drawn, pageW, pageH)) Fail(recipe, "its letters do not fit a page 2048 pixels wide");
    made.page = platform::PixelMap(pageW, pageH);
    for (const Letter* letter : drawn) {
        const platform::PixelMap picture = Draw(face, *letter, look, band);
        for (int y = 0; y < picture.Height(); ++y) {
            std::memcpy(made.page.Row(letter->pageY + y) + letter->pageX * 4, picture.Row(y),
                        static_cast<size_t>(picture.Width()) * 4);
        }
    }

    FntFile file;
    file.textureW = pageW;
    file.textureH = pageH;
    for (const Letter& letter : letters) {
        const bool blank = letter.Width() == 0;
        file.glyphs.push_back({.id = static_cast<int>(letter.code),
                               .x = letter.pageX,
                               .y = letter.pageY,
                               .width = letter.Width(),
                               .height = letter.Height(),
                               .xOffset = letter.left,
                               .yOffset = blank ? 0 : letter.top - band.top,
                               .xAdvance = letter.advance});
    }
    std::string error;
    const std::string faceName = recipe.faceFile.substr(recipe.faceFile.rfind('/') + 1);
    if (!FormatFnt(file, faceName, static_cast<int>(std::lround(look.size)), band.bottom - band.top,
                   -band.top, recipe.name + ".png", made.glyphFile, error)) {
        Fail(recipe, error);
    }
    return made;
}

}  // namespace assetgen
