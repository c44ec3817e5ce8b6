// The glyph file reader on damaged files, then the font it fills measuring and wrapping text made of the
// same bytes. What reads must also write back and read the same.
#include <string>
#include <vector>

#include "framework/gfx/BitmapFont.h"
#include "framework/gfx/FntFile.h"
#include "framework/gfx/Label.h"
#include "framework/gfx/TextFile.h"
#include "fuzz/FuzzSupport.h"

namespace {

std::vector<uint8_t> Bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

void CheckFont(const FntFile& file, const std::string& text) {
    TBitmapFont font;
    font.LoadGlyphs(file, 0);
    FUZZ_CHECK(font.ArraySize == static_cast<int>(font.ID.size()));
    const double width = font.StringWidth(text);
    const std::string cut = font.TruncateString(text, 120);
    FUZZ_CHECK(cut.size() <= text.size());
    font.StringHeight(text);
    font.StringHeightAccurate(text);
    font.StringHeightVertical(text);
    // A word wider than the width gets its own line; any other line keeps within it.
    for (const std::string& line : WrapText(font, text, 200, 1)) {
        FUZZ_CHECK(line.find(' ') == std::string::npos || font.StringWidth(line) <= 200);
    }
    (void)width;
}

void CheckRoundTrip(const FntFile& file) {
    std::string written, error;
    if (!FormatFnt(file, "Fuzz", 10, 10, 8, "Fuzz.png", written, error)) return;
    FntFile again;
    FUZZ_CHECK(ParseFnt(written, again, error));
    FUZZ_CHECK(again.glyphs.size() == file.glyphs.size());
    for (size_t i = 0; i < file.glyphs.size(); ++i) {
        FUZZ_CHECK(again.glyphs[i].id == file.glyphs[i].id && again.glyphs[i].x == file.glyphs[i].x &&
                   again.glyphs[i].yOffset == file.glyphs[i].yOffset &&
                   again.glyphs[i].xAdvance == file.glyphs[i].xAdvance);
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    FntFile font;
    font.textureW = font.textureH = 64;
    font.glyphs = {{32, 0, 0, 0, 0, 0, 0, 5},
                   {65, 1, 1, 9, 12, -1, 0, 9},
                   {98, 12, 1, 8, 14, 0, -2, 8},
                   {8364, 22, 1, 9, 12, 0, 0, 10}};
    std::string text, error;
    FormatFnt(font, "Seed", 12, 16, 12, "Seed.png", text, error);
    fuzz::SeedEmptyCorpus(*argc, *argv,
                          {{"font.fnt", Bytes(text)},
                           {"scaled.fnt", Bytes("scaleF=0.50\n" + text)},
                           {"compact.fnt", Bytes("common scaleW=8 scaleH=8\nchars count=1\n"
                                                 "char id=65 x=0 y=0 width=4 height=4 xoffset=0 yoffset=0 "
                                                 "xadvance=5\nkernings count=0\n")}});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text, error;
    if (!DecodeTextFile({data, size}, text, error)) {
        FUZZ_CHECK(!error.empty());
        return 0;
    }
    FntFile file;
    if (!ParseFnt(text, file, error)) {
        FUZZ_CHECK(!error.empty());
        return 0;
    }
    for (const FntGlyph& glyph : file.glyphs) {
        FUZZ_CHECK(glyph.id > 0 && glyph.x >= 0 && glyph.y >= 0 && glyph.width >= 0 && glyph.height >= 0);
    }
    FUZZ_CHECK(file.scale > 0);
    CheckFont(file, text);
    CheckRoundTrip(file);
    return 0;
}
