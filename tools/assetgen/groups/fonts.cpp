// The seven bitmap fonts of "fonts/", each a ".png" page and a ".fnt" glyph file. Which text each font
// serves is written in framework/gfx/GameFonts.h; the looks here follow from it. The fonts that the game
// tints (button captions in gold, greetings in grey, player names in colour) are white or nearly so, with
// a dark edge that tinting leaves dark; the fonts that stand alone carry their own colour.

#include <stdexcept>
#include <string>
#include <vector>

#include "framework/gfx/GameFonts.h"
#include "tools/assetgen/BitmapFontMaker.h"
#include "tools/assetgen/DataFolder.h"
#include "tools/assetgen/Group.h"
#include "tools/assetgen/Lettering.h"
#include "tools/assetgen/Pictures.h"

namespace assetgen {
namespace {

namespace pal = palette;

constexpr const char* kReading = "/usr/share/fonts/opentype/linux-libertine/LinBiolinum_R.otf";
constexpr const char* kReadingBold = "/usr/share/fonts/opentype/linux-libertine/LinBiolinum_RB.otf";
constexpr const char* kCaption = "/usr/share/fonts/opentype/linux-libertine/LinLibertine_RB.otf";
// Draws the macron that the figures' face lacks.
constexpr const char* kFiguresFallback = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

// White that tinting turns into any colour, with a touch of shade towards the baseline.
const Tones kTintable{Hex(0xffffff), Hex(0xfbfaf6), Hex(0xd9d6cf)};
const Tones kGilt{Hex(0xfffbe8), pal::CandleGold, Hex(0xc0621a)};
const Tones kMoonSilver{Hex(0xffffff), Hex(0xdfe3f6), Hex(0x8f97c4)};
const Tones kBrass{Hex(0xfbe3a6), Hex(0xd9a54e), Hex(0x9a6424)};

std::vector<FontRecipe> Recipes() {
    return {
        {"BigText",
         kCaption,
         {.size = 46,
          .fill = kGilt,
          .ink = 2.6,
          .glow = pal::LanternAmber.WithAlpha(0.55),
          .glowSigma = 3.5,
          .tracking = 2,
          .lineGap = 1.15}},
        {"Button",
         kCaption,
         {.size = 25,
          .fill = kTintable,
          .ink = 2,
          .shadow = 1.6,
          .shadowSigma = 1,
          .shadowColour = pal::Ink.WithAlpha(0.55),
          .tracking = 1.5,
          .lineGap = 1.2}},
        {"LargeWhite",
         fonts::kFigures,
         {.size = 30,
          .fill = kTintable,
          .ink = 2.4,
          .shadow = 1.6,
          .shadowSigma = 1.2,
          .tracking = 2,
          .lineGap = 1.2},
         kFiguresFallback},
        {"GUIFont",
         kReading,
         {.size = 22,
          .fill = kTintable,
          .ink = 1.3,
          .inkColour = pal::Ink.WithAlpha(0.85),
          .tracking = 1,
          .lineGap = 1.3}},
        {"GUIFontSmall",
         kReadingBold,
         {.size = 17,
          .fill = kTintable,
          .ink = 1.1,
          .inkColour = pal::Ink.WithAlpha(0.85),
          .tracking = 1,
          .lineGap = 1.3}},
        {"DialogHeader",
         kCaption,
         {.size = 34,
          .fill = kMoonSilver,
          .ink = 2.2,
          .glow = pal::Heather.WithAlpha(0.5),
          .glowSigma = 2.5,
          .tracking = 1.5,
          .lineGap = 1.2}},
        {"Embossed",
         kCaption,
         {.size = 25,
          .fill = kBrass,
          .ink = 1.2,
          .inkColour = pal::Ink.WithAlpha(0.9),
          .shadow = 1.5,
          .shadowSigma = 1,
          .emboss = 1.3,
          .tracking = 1.5,
          .lineGap = 1.25}},
    };
}

std::vector<std::string> Required() {
    std::vector<std::string> paths;
    for (const char* name : kGameFontNames) {
        paths.push_back(std::string("fonts/") + name + ".png");
        paths.push_back(std::string("fonts/") + name + ".fnt");
    }
    return paths;
}

const GroupRegistration kFonts({
    .name = "fonts",
    .required = Required(),
    .make =
        [](DataFolder& out) {
            const std::vector<FontRecipe> recipes = Recipes();
            for (const char* name : kGameFontNames) {
                const auto recipe = std::find_if(recipes.begin(), recipes.end(),
                                                 [&](const FontRecipe& r) { return r.name == name; });
                if (recipe == recipes.end())
                    throw std::runtime_error(std::string("no recipe for the font ") + name);
                const MadeFont made = MakeBitmapFont(*recipe);
                WritePicture(out, "fonts/" + recipe->name + ".png", made.page);
                out.Write("fonts/" + recipe->name + ".fnt", made.glyphFile);
            }
        },
});

}  // namespace
}  // namespace assetgen
