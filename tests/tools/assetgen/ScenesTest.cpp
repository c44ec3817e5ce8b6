// The pictures of the menu screens, as the build made them: the level map's path runs through every dot,
// the shop's scene pieces stand inside the screen without hiding each other, the title's clouds tile, and
// each picture has the size and handle its screen draws it with.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "platform/codecs/ImageCodec.h"
#include "tests/tools/assetgen/AssetgenTestSupport.h"
#include "tools/assetgen/MapDots.h"
#include "tools/assetgen/ShopScene.h"

namespace murkwell::test {
namespace {

using platform::PixelMap;

constexpr auto Load = LoadBuiltPicture;

double Brightness(platform::Rgba c) {
    return (c.r + c.g + c.b) / 3.0;
}

// The mean brightness of the square of side 2r + 1 about (x, y).
double MeanBrightness(const PixelMap& p, int x, int y, int r) {
    double sum = 0;
    int count = 0;
    for (int dy = -r; dy <= r; ++dy) {
        for (int dx = -r; dx <= r; ++dx) {
            const int px = std::clamp(x + dx, 0, p.Width() - 1), py = std::clamp(y + dy, 0, p.Height() - 1);
            sum += Brightness(p.At(px, py));
            ++count;
        }
    }
    return sum / count;
}

// --- the level map ---------------------------------------------------------------------------------

namespace md = assetgen::mapdots;

TEST(MapPictures, TheMapIsATallOpaquePaintingThatHoldsEveryDot) {
    const PixelMap map = Load("graphics/Backgrounds/MapBackground.jpg");
    EXPECT_EQ(map.Width(), md::kMapWidth);
    EXPECT_EQ(map.Height(), md::kMapHeight);
    EXPECT_GT(map.Height(), 768);
    for (int level = 1; level <= 100; ++level) {
        const md::Centre c = md::CentreOf(level);
        EXPECT_GE(c.x - 24, 0) << level;
        EXPECT_LE(c.x + 24, map.Width()) << level;
        // The bottom bar covers the lowest 120 pixels of the screen; scrolled to the bottom, the first dot
        // still shows above it.
        EXPECT_LE(c.y + 24, map.Height() - 120) << level;
    }
}

// The path is painted as a pale ribbon of moonlit dirt, far brighter than the night ground round it: a
// dot centre lies on it when the 5 x 5 pixels about the centre are as bright as the path's middle, and the
// ground well beside the path stays dark.
TEST(MapPictures, EveryDotCentreLiesOnThePaintedPath) {
    const PixelMap map = Load("graphics/Backgrounds/MapBackground.jpg");
    constexpr double kPathBrightness = 120;
    for (int level = 1; level <= 100; ++level) {
        const md::Centre c = md::CentreOf(level);
        EXPECT_GE(MeanBrightness(map, static_cast<int>(c.x), static_cast<int>(c.y), 2), kPathBrightness)
            << "the dot of level " << level << " is off the path";
    }
    double sum = 0;
    int count = 0;
    for (int y = 0; y < map.Height(); y += 7) {
        for (int x = 0; x < map.Width(); x += 7) {
            sum += Brightness(map.At(x, y));
            ++count;
        }
    }
    EXPECT_LT(sum / count, kPathBrightness / 2) << "the map is too bright to pick the path out";
}

struct Size {
    const char* path;
    int width, height;
};

TEST(MapPictures, PiecesHaveTheSizesTheirHandlesAssume) {
    const Size sizes[] = {
        {"graphics/Map/MapDot.png", md::kDotSize, md::kDotSize},
        {"graphics/Map/MapDotMO.png", md::kDotSize, md::kDotSize},
        {"graphics/Map/MapDotInactive.png", md::kDotSize, md::kDotSize},
        {"graphics/MapScreen/LockedMO.png", md::kDotSize, md::kDotSize},
        {"graphics/Map/MapDotSpecial.png", md::kSpecialDotSize, md::kSpecialDotSize},
        {"graphics/Map/MapDotSpecialMO.png", md::kSpecialDotSize, md::kSpecialDotSize},
        {"graphics/Map/MapDotSpecialInactive.png", md::kSpecialDotSize, md::kSpecialDotSize},
        {"graphics/MapScreen/BottomPanel.png", 1024, 120},
        {"graphics/MapScreen/CheckBox.png", 36, 36},
        {"graphics/MapScreen/CheckBoxMO.png", 36, 36},
        {"graphics/MapScreen/CheckMark.png", 36, 36},
        {"graphics/MapScreen/Cursor.png", 40, 52},
        {"graphics/MapScreen/CursorMO.png", 40, 52},
    };
    for (const Size& s : sizes) {
        const PixelMap p = Load(s.path);
        EXPECT_EQ(p.Width(), s.width) << s.path;
        EXPECT_EQ(p.Height(), s.height) << s.path;
    }
    // The dots are drawn about their middles, so a dot's weight sits there and nothing is cut at its edge.
    for (const char* name : {"MapDot", "MapDotSpecial", "MapDotInactive"}) {
        const PixelMap p = Load(std::string("graphics/Map/") + name + ".png");
        for (int i = 0; i < p.Width(); ++i) {
            EXPECT_LE(p.At(i, 0).a, 8) << name;
            EXPECT_LE(p.At(0, i).a, 8) << name;
        }
        EXPECT_EQ(p.At(p.Width() / 2, p.Height() / 2).a, 255) << name;
    }
}

// The mean colour of the solid pixels (alpha 200 or more).
platform::Rgba MeanSolidColour(const PixelMap& p) {
    double r = 0, g = 0, b = 0;
    int n = 0;
    for (int y = 0; y < p.Height(); ++y) {
        for (int x = 0; x < p.Width(); ++x) {
            const platform::Rgba c = p.At(x, y);
            if (c.a < 200) continue;
            r += c.r, g += c.g, b += c.b, ++n;
        }
    }
    if (n == 0) return {0, 0, 0, 0};
    return {static_cast<uint8_t>(r / n), static_cast<uint8_t>(g / n), static_cast<uint8_t>(b / n), 255};
}

// Open dots burn with lantern light and locked ones are cold stone in the same gilt rim, so progress reads
// at a glance; the hovered look is brighter than the plain one.
TEST(MapPictures, OpenDotsAreWarmAndLockedOnesCold) {
    for (const std::string stem : {"graphics/Map/MapDot", "graphics/Map/MapDotSpecial"}) {
        const platform::Rgba open = MeanSolidColour(Load(stem + ".png"));
        const platform::Rgba hover = MeanSolidColour(Load(stem + "MO.png"));
        const platform::Rgba locked = MeanSolidColour(Load(stem + "Inactive.png"));
        EXPECT_GT(open.r - open.b, locked.r - locked.b + 60) << stem;
        EXPECT_GT(Brightness(hover), Brightness(open)) << stem;
    }
}

// --- the shop --------------------------------------------------------------------------------------

namespace ss = assetgen::shopscene;

PixelMap ItemPicture(const ss::Item& item) {
    return Load(std::string("graphics/ShopScreen/items/") + item.file + ".png");
}

// Two items are of one chain when one replaces the other, directly or through later stages.
bool SameChain(int a, int b) {
    const auto reaches = [](int from, int to) {
        for (int id = ss::ItemById(from).replacedBy; id; id = ss::ItemById(id).replacedBy) {
            if (id == to) return true;
        }
        return false;
    };
    return reaches(a, b) || reaches(b, a);
}

TEST(ShopPictures, EveryScenePieceLiesInsideTheScreenAtItsCorner) {
    for (const ss::Item& item : ss::kItems) {
        const PixelMap p = ItemPicture(item);
        EXPECT_GT(p.Width(), 0) << item.file;
        EXPECT_LE(item.x + p.Width(), 1024) << item.file;
        EXPECT_LE(item.y + p.Height(), 768) << item.file;
    }
    const PixelMap back = Load("graphics/Backgrounds/shopBack.png");
    EXPECT_EQ(back.Width(), 1024);
    EXPECT_EQ(back.Height(), 768);
}

// The rule: an item's focal area is the solid part (alpha 200 or more) of the middle half of its solid
// bounding box. Of two items that can stand in the scene together (any two not of one chain), the one
// drawn later may cover at most a quarter of the earlier one's focal area with its own solid pixels.
// Mist is never solid, so it may veil anything.
TEST(ShopPictures, ItemsSeenTogetherLeaveEachOthersFocalAreasInSight) {
    constexpr int kSolid = 200;
    struct Placed {
        const ss::Item* item;
        PixelMap picture;
        int x0, y0, x1, y1;  // the focal area's bounds in the picture
    };
    std::vector<Placed> placed;
    for (int id : ss::kDrawOrder) {
        const ss::Item& item = ss::ItemById(id);
        Placed p{&item, ItemPicture(item), 1 << 20, 1 << 20, -1, -1};
        for (int y = 0; y < p.picture.Height(); ++y) {
            for (int x = 0; x < p.picture.Width(); ++x) {
                if (p.picture.At(x, y).a < kSolid) continue;
                p.x0 = std::min(p.x0, x), p.y0 = std::min(p.y0, y);
                p.x1 = std::max(p.x1, x), p.y1 = std::max(p.y1, y);
            }
        }
        const int w = p.x1 - p.x0, h = p.y1 - p.y0;
        p.x0 += w / 4, p.x1 -= w / 4, p.y0 += h / 4, p.y1 -= h / 4;
        placed.push_back(std::move(p));
    }
    const auto solidAt = [&](const Placed& p, int sx, int sy) {
        const int x = sx - p.item->x, y = sy - p.item->y;
        return x >= 0 && y >= 0 && x < p.picture.Width() && y < p.picture.Height() &&
               p.picture.At(x, y).a >= kSolid;
    };
    for (size_t a = 0; a < placed.size(); ++a) {
        const Placed& under = placed[a];
        if (under.x1 < under.x0) continue;  // nothing solid: mist
        for (size_t b = a + 1; b < placed.size(); ++b) {
            const Placed& over = placed[b];
            if (SameChain(under.item->id, over.item->id)) continue;
            int focal = 0, covered = 0;
            for (int y = under.y0; y <= under.y1; ++y) {
                for (int x = under.x0; x <= under.x1; ++x) {
                    if (under.picture.At(x, y).a < kSolid) continue;
                    ++focal;
                    covered += solidAt(over, x + under.item->x, y + under.item->y);
                }
            }
            EXPECT_LE(covered, focal / 4) << over.item->file << " hides " << under.item->file;
        }
    }
}

// A later stage of an item stands where the earlier one stood: most of the earlier stage's solid bounding
// box lies inside the later one's, on the screen.
TEST(ShopPictures, StagesOfOneItemShareTheirPlace) {
    struct Bounds {
        int x0 = 1 << 20, y0 = 1 << 20, x1 = -1, y1 = -1;
    };
    const auto solidBounds = [](const ss::Item& item) {
        const PixelMap p = ItemPicture(item);
        Bounds b;
        for (int y = 0; y < p.Height(); ++y) {
            for (int x = 0; x < p.Width(); ++x) {
                if (p.At(x, y).a < 200) continue;
                b.x0 = std::min(b.x0, item.x + x), b.y0 = std::min(b.y0, item.y + y);
                b.x1 = std::max(b.x1, item.x + x + 1), b.y1 = std::max(b.y1, item.y + y + 1);
            }
        }
        return b;
    };
    for (const ss::Item& item : ss::kItems) {
        if (!item.replacedBy) continue;
        const Bounds a = solidBounds(item), b = solidBounds(ss::ItemById(item.replacedBy));
        const int w = std::max(0, std::min(a.x1, b.x1) - std::max(a.x0, b.x0));
        const int h = std::max(0, std::min(a.y1, b.y1) - std::max(a.y0, b.y0));
        EXPECT_GE(w * h * 10, (a.x1 - a.x0) * (a.y1 - a.y0) * 7) << item.file << " moves when it grows";
    }
}

TEST(ShopPictures, EveryItemButtonHasItsPressedLookAtOneSize) {
    for (const ss::Item& item : ss::kItems) {
        if (item.scenery) continue;
        const std::string stem = std::string("graphics/ShopScreen/saleImages/") + item.saleFile;
        const PixelMap up = Load(stem + ".png"), down = Load(stem + " down.png");
        EXPECT_EQ(up.Width(), 104) << stem;
        EXPECT_EQ(up.Height(), 104) << stem;
        EXPECT_EQ(down.Width(), up.Width()) << stem;
        EXPECT_EQ(down.Height(), up.Height()) << stem;
        int differing = 0;
        for (int y = 0; y < up.Height(); ++y) {
            for (int x = 0; x < up.Width(); ++x) differing += up.At(x, y).r != down.At(x, y).r;
        }
        EXPECT_GT(differing, up.Width() * up.Height() / 10) << stem << " looks the same pressed";
    }
}

// --- the title ---------------------------------------------------------------------------------------

// How far apart two columns of a picture are: the mean difference of their premultiplied pixels.
double ColumnDistance(const PixelMap& p, int a, int b) {
    double sum = 0;
    for (int y = 0; y < p.Height(); ++y) {
        const platform::Rgba u = p.At(a, y), v = p.At(b, y);
        sum += std::abs(u.r * u.a - v.r * v.a) / 255.0 + std::abs(u.g * u.a - v.g * v.a) / 255.0 +
               std::abs(u.b * u.a - v.b * v.a) / 255.0 + std::abs(u.a - v.a);
    }
    return sum / p.Height();
}

TEST(TitlePictures, TheCloudsTileWithoutASeam) {
    const PixelMap clouds = Load("graphics/TitleScreen/clouds.png");
    ASSERT_GE(clouds.Width(), 1024);
    // Side by side, the last column runs on into the first as smoothly as any two neighbours inside.
    double inside = 0;
    for (int x = 0; x + 1 < clouds.Width(); ++x) inside = std::max(inside, ColumnDistance(clouds, x, x + 1));
    const double seam = ColumnDistance(clouds, clouds.Width() - 1, 0);
    EXPECT_LE(seam, inside);
    EXPECT_LT(seam, 12);
    // And there are clouds to see.
    double cover = 0;
    for (int x = 0; x < clouds.Width(); x += 4) cover += clouds.At(x, clouds.Height() / 2).a;
    EXPECT_GT(cover / (clouds.Width() / 4), 20);
}

// A turned picture's pivot is its foot: something solid stands there, and its top corners are empty, so
// nothing is cut off as it sways.
TEST(TitlePictures, TurnedLayersStandOnTheirPivots) {
    struct Pivot {
        const char* file;
        int width, height, px, py;
    };
    const Pivot pivots[] = {{"trTree", 420, 620, 210, 612}, {"hand", 110, 170, 55, 164}};
    for (const Pivot& p : pivots) {
        const PixelMap picture = Load(std::string("graphics/TitleScreen/") + p.file + ".png");
        EXPECT_EQ(picture.Width(), p.width) << p.file;
        EXPECT_EQ(picture.Height(), p.height) << p.file;
        EXPECT_EQ(picture.At(p.px, p.py - 2).a, 255) << p.file << " does not stand on its pivot";
        EXPECT_LE(picture.At(0, 0).a, 8) << p.file;
        EXPECT_LE(picture.At(p.width - 1, 0).a, 8) << p.file;
    }
}

// Looking left is looking right in a mirror, so the crow turns its head and nothing else.
TEST(TitlePictures, TheCrowLooksLeftAsItsMirrorImage) {
    const PixelMap right = Load("graphics/TitleScreen/crow_right.png");
    const PixelMap left = Load("graphics/TitleScreen/crow_left.png");
    ASSERT_EQ(left.Width(), right.Width());
    int off = 0;
    for (int y = 0; y < right.Height(); ++y) {
        for (int x = 0; x < right.Width(); ++x) {
            off += std::abs(right.At(x, y).a - left.At(right.Width() - 1 - x, y).a) > 24;
        }
    }
    EXPECT_LT(off, right.Width() * right.Height() / 100);
}

TEST(TitlePictures, LayersHaveTheirSizes) {
    const Size sizes[] = {
        {"graphics/TitleScreen/background.png", 1024, 768},
        {"graphics/TitleScreen/foreground.png", 1024, 768},
        {"graphics/TitleScreen/lightning.png", 200, 470},
        {"graphics/TitleScreen/crow_right.png", 96, 96},
        {"graphics/TitleScreen/crow_left.png", 96, 96},
        {"graphics/TitleScreen/crow_blink.png", 96, 96},
        {"graphics/TitleScreen/crow_caw.png", 96, 96},
        {"graphics/TitleScreen/redeyeblink.png", 64, 28},
        {"graphics/TitleScreen/logo.png", 640, 230},
    };
    for (const Size& s : sizes) {
        const PixelMap p = Load(s.path);
        EXPECT_EQ(p.Width(), s.width) << s.path;
        EXPECT_EQ(p.Height(), s.height) << s.path;
    }
    // The foreground frames the scene and leaves the middle, where the menu stands, clear.
    const PixelMap fore = Load("graphics/TitleScreen/foreground.png");
    EXPECT_EQ(fore.At(512, 400).a, 0);
    EXPECT_EQ(fore.At(512, 760).a, 255);
}

// --- the intro ---------------------------------------------------------------------------------------

// Each sliding layer is wide enough to cover the screen through its whole slide (its travel is its width
// less the screen's), and the still ones fill or fit the screen.
TEST(IntroPictures, LayersCoverTheScreenThroughTheirSlides) {
    const Size sizes[] = {
        {"graphics/Intro/background.png", 1024, 768}, {"graphics/Intro/Glowing Crypt.png", 360, 300},
        {"graphics/Intro/layer4.png", 1300, 360},     {"graphics/Intro/layer3.png", 1400, 400},
        {"graphics/Intro/layer2.png", 1600, 500},     {"graphics/Intro/layer1.png", 1800, 768},
        {"graphics/Intro/newspaper.png", 600, 440},
    };
    for (const Size& s : sizes) {
        const PixelMap p = Load(s.path);
        EXPECT_EQ(p.Width(), s.width) << s.path;
        EXPECT_EQ(p.Height(), s.height) << s.path;
    }
    const PixelMap back = Load("graphics/Intro/background.png");
    EXPECT_EQ(back.At(0, 0).a, 255);
    EXPECT_EQ(back.At(1023, 767).a, 255);
    // The layers stand on their bottom edge all along their width.
    for (const char* name : {"layer4", "layer3", "layer2", "layer1"}) {
        const PixelMap p = Load(std::string("graphics/Intro/") + name + ".png");
        for (int x = 0; x < p.Width(); x += 50)
            EXPECT_EQ(p.At(x, p.Height() - 1).a, 255) << name << " at " << x;
    }
}

// --- the options and instructions screens ----------------------------------------------------------

TEST(MenuScreenPictures, BackgroundsAndWidgetsHaveTheirSizes) {
    const Size sizes[] = {
        {"graphics/Backgrounds/OptionsBackground.jpg", 1024, 768},
        {"graphics/Backgrounds/InstructionsBackground.jpg", 1024, 768},
        {"menus/OptionsScreen/slider.png", 284, 28},
        {"menus/OptionsScreen/Dot.png", 36, 36},
        {"menus/OptionsScreen/CheckBox.png", 36, 36},
        {"menus/OptionsScreen/CheckBoxMO.png", 36, 36},
        {"menus/OptionsScreen/CheckMark.png", 36, 36},
    };
    for (const Size& s : sizes) {
        const PixelMap p = Load(s.path);
        EXPECT_EQ(p.Width(), s.width) << s.path;
        EXPECT_EQ(p.Height(), s.height) << s.path;
    }
}

// The instructions' four boards stand at the screen's corners: down the left edge of each runs its gilt
// rim, brighter than the night outside the board and the enamel inside it.
TEST(MenuScreenPictures, InstructionBoardsStandAtTheirCorners) {
    const PixelMap p = Load("graphics/Backgrounds/InstructionsBackground.jpg");
    const int corners[][2] = {{113, 160}, {570, 160}, {113, 410}, {570, 410}};
    for (const auto& c : corners) {
        const double rim = MeanBrightness(p, c[0] + 2, c[1] + 110, 1);
        EXPECT_GT(rim, MeanBrightness(p, c[0] - 12, c[1] + 110, 1) + 30) << c[0] << "," << c[1];
        EXPECT_GT(rim, MeanBrightness(p, c[0] + 300, c[1] + 200, 1) + 30) << c[0] << "," << c[1];
    }
}

// --- the story pictures ------------------------------------------------------------------------------

// Every chapter story and found thing has its framed painting: solid inside, rounded corners clear.
TEST(StoryPictures, EveryMessageHasItsFramedPainting) {
    std::vector<std::string> names;
    for (int n = 1; n <= 11; ++n) names.push_back("story" + std::to_string(n));
    for (const char* found :
         {"pumpkin", "candelabra1", "lantern1", "pumpkin2", "cat1", "lightning1", "well1", "crystal ball1",
          "gravebed", "spider web1", "mist1", "candelabra2", "cauldron"}) {
        names.push_back(std::string("Found ") + found);
    }
    for (const std::string& name : names) {
        const PixelMap p = Load("graphics/DialogImages/" + name + ".png");
        EXPECT_EQ(p.Width(), 200) << name;
        EXPECT_EQ(p.Height(), 160) << name;
        EXPECT_EQ(p.At(0, 0).a, 0) << name;
        EXPECT_EQ(p.At(199, 159).a, 0) << name;
        EXPECT_EQ(p.At(100, 80).a, 255) << name;
    }
    // Each tells its own moment: no two paintings are alike in their middles.
    for (size_t a = 0; a < names.size(); ++a) {
        const PixelMap pa = Load("graphics/DialogImages/" + names[a] + ".png");
        for (size_t b = a + 1; b < names.size(); ++b) {
            const PixelMap pb = Load("graphics/DialogImages/" + names[b] + ".png");
            double difference = 0;
            for (int y = 20; y < 140; y += 4) {
                for (int x = 20; x < 180; x += 4)
                    difference += std::abs(Brightness(pa.At(x, y)) - Brightness(pb.At(x, y)));
            }
            EXPECT_GT(difference / (30 * 40), 6) << names[a] << " and " << names[b] << " look alike";
        }
    }
}

}  // namespace
}  // namespace murkwell::test
