// The big words of the game, in "BigText/": "loading" under the loading bar, "paused" over the veiled
// game, "Play" that grows as a level starts and "WellDone" as it is won. Gilt storybook letters, inked and
// glowing; each picture is mid-handled and leaves room round the letters for their glow.

#include <cmath>
#include <string>
#include <vector>

#include "tools/assetgen/DataFolder.h"
#include "tools/assetgen/Group.h"
#include "tools/assetgen/Lettering.h"
#include "tools/assetgen/Pictures.h"
#include "tools/assetgen/Shading.h"
#include "tools/assetgen/Shapes.h"
#include "tools/assetgen/StyleKit.h"

namespace assetgen {
namespace {

namespace pal = palette;

const Tones kGiltLetters{Hex(0xfffbe8), pal::CandleGold, Hex(0xc0621a)};
const Tones kMoonLetters{Hex(0xffffff), Hex(0xd8def5), Hex(0x7c86b8)};

struct Word {
    const char* file;
    const char32_t* text;
    double size;
    Tones fill;
    Colour glow;
};

const Word kWords[] = {
    {"loading", U"Loading...", 58, kMoonLetters, pal::Heather.WithAlpha(0.6)},
    {"paused", U"Paused", 100, kMoonLetters, pal::Heather.WithAlpha(0.7)},
    {"Play", U"Play!", 120, kGiltLetters, pal::LanternAmber.WithAlpha(0.8)},
    {"WellDone", U"Well Done!", 104, kGiltLetters, pal::LanternAmber.WithAlpha(0.8)},
};

platform::PixelMap Draw(const Word& word) {
    static const OutlineFont font(fonts::kStorybook);
    const LetterStyle style{.size = word.size,
                            .tracking = 0.02,
                            .fill = word.fill,
                            .ink = word.size * 0.045,
                            .glow = word.glow,
                            .glowSigma = word.size * 0.09};
    // The letters are centred by their ink, whatever reaches above the capitals or below the line, with
    // room round them for the glow.
    const double width = LettersWidth(font, word.text, style);
    const Box ink = Extents([&](cairo_t* c) {
        font.AppendPath(c, word.text, 0, 0, {.size = style.size, .tracking = style.tracking, .kerning = {}});
    });
    const double pad = word.size * 0.35;
    Canvas canvas(static_cast<int>(std::ceil(width + 2 * pad)),
                  static_cast<int>(std::ceil(ink.Height() + 2 * pad)));
    Letters(canvas, font, word.text, canvas.Width() / 2.0, pad - ink.y0, style);
    return canvas.ToPixelMap();
}

std::string PathOf(const Word& word) {
    return std::string("graphics/BigText/") + word.file + ".png";
}

std::vector<std::string> Required() {
    std::vector<std::string> paths;
    for (const Word& w : kWords) paths.push_back(PathOf(w));
    return paths;
}

const GroupRegistration kBigText({
    .name = "bigtext",
    .required = Required(),
    .make =
        [](DataFolder& out) {
            for (const Word& w : kWords) WritePicture(out, PathOf(w), Draw(w));
        },
});

}  // namespace
}  // namespace assetgen
