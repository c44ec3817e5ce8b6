#pragma once

#include <cairo.h>

#include <span>
#include <string>
#include <string_view>

// FreeType's types stay out of the generators.
struct FT_LibraryRec_;
struct FT_FaceRec_;

namespace assetgen {

// A font file whose glyph outlines become cairo paths, so that lettering is filled, glowed and shaded like
// every other shape, unhinted and at any size.
class OutlineFont {
public:
    // A hand-set adjustment between two letters, in the font's units; our fonts keep their kerning where
    // FreeType does not read it, and a wordmark is worth setting by eye anyway.
    struct Kern {
        char32_t left, right;
        int units;
    };
    struct Setting {
        double size = 16;     // pixels per em
        double tracking = 0;  // extra space after every letter but the last, in ems
        std::span<const Kern> kerning;
    };

    // Throws std::runtime_error naming the file when it cannot be read as a font.
    explicit OutlineFont(const std::string& path);
    ~OutlineFont();
    OutlineFont(const OutlineFont&) = delete;
    OutlineFont& operator=(const OutlineFont&) = delete;

    // Whether the font has a letter for the character.
    bool Has(char32_t c) const;
    // The advance width of the text in pixels.
    double Width(std::u32string_view text, const Setting& setting) const;
    // Appends the outlines with the text's baseline starting at (x, baseline).
    void AppendPath(cairo_t* cr, std::u32string_view text, double x, double baseline,
                    const Setting& setting) const;

private:
    // Walks the letters, loading each into the face's glyph slot and calling visit(pen x in pixels);
    // returns the final pen x.
    template <typename Visit>
    double Layout(std::u32string_view text, const Setting& setting, Visit visit) const;
    unsigned GlyphOf(char32_t c) const;

    std::string path_;
    FT_LibraryRec_* library_ = nullptr;
    FT_FaceRec_* face_ = nullptr;
};

}  // namespace assetgen
