// The pictures of a level and of the shared chrome, as the build made them: every file the game loads is
// there, with the size, the frame layout and the transparency its use needs, and the gem colours can be
// told apart by their outlines alone.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "game/board/GemPictureLayout.h"
#include "platform/codecs/ImageCodec.h"
#include "tests/tools/assetgen/AssetgenTestSupport.h"

namespace murkwell::test {
namespace {

using platform::PixelMap;

constexpr auto Load = LoadBuiltPicture;

// A cell of a strip laid out in one row.
PixelMap Cell(const PixelMap& strip, int width, int height, int frame) {
    return strip.Crop(frame * width, 0, width, height);
}

bool Opaque(const PixelMap& p) {
    for (int y = 0; y < p.Height(); ++y) {
        for (int x = 0; x < p.Width(); ++x) {
            if (p.At(x, y).a != 255) return false;
        }
    }
    return true;
}

// Nothing touches the border: glows and shadows fade out inside the picture, so a mid-handled sprite that
// is turned or scaled shows no cut edge.
bool ClearBorder(const PixelMap& p, int maxAlpha = 8) {
    for (int x = 0; x < p.Width(); ++x) {
        if (p.At(x, 0).a > maxAlpha || p.At(x, p.Height() - 1).a > maxAlpha) return false;
    }
    for (int y = 0; y < p.Height(); ++y) {
        if (p.At(0, y).a > maxAlpha || p.At(p.Width() - 1, y).a > maxAlpha) return false;
    }
    return true;
}

double Coverage(const PixelMap& p, int minAlpha = 128) {
    int count = 0;
    for (int y = 0; y < p.Height(); ++y) {
        for (int x = 0; x < p.Width(); ++x) count += p.At(x, y).a >= minAlpha;
    }
    return static_cast<double>(count) / (p.Width() * p.Height());
}

// The alpha-weighted middle of the picture, relative to its geometric middle.
void OffCentre(const PixelMap& p, double& dx, double& dy) {
    double sum = 0, sx = 0, sy = 0;
    for (int y = 0; y < p.Height(); ++y) {
        for (int x = 0; x < p.Width(); ++x) {
            const double a = p.At(x, y).a;
            sum += a;
            sx += a * (x + 0.5);
            sy += a * (y + 0.5);
        }
    }
    dx = sum > 0 ? sx / sum - p.Width() / 2.0 : 0;
    dy = sum > 0 ? sy / sum - p.Height() / 2.0 : 0;
}

void ExpectSize(const std::string& path, int width, int height) {
    const PixelMap p = Load(path);
    EXPECT_EQ(p.Width(), width) << path;
    EXPECT_EQ(p.Height(), height) << path;
}

// A sprite drawn about its middle: not empty, nothing cut at its edges, its weight near its middle.
void ExpectCentredSprite(const std::string& path, double tolerance) {
    const PixelMap p = Load(path);
    ASSERT_FALSE(p.Empty()) << path;
    EXPECT_GT(Coverage(p, 1), 0.01) << path << " is empty";
    EXPECT_TRUE(ClearBorder(p)) << path << " touches its border";
    double dx, dy;
    OffCentre(p, dx, dy);
    EXPECT_LE(std::abs(dx), tolerance * p.Width()) << path;
    EXPECT_LE(std::abs(dy), tolerance * p.Height()) << path;
}

TEST(LevelPictures, BackgroundsFillTheVirtualScreenOpaquely) {
    std::vector<std::string> names = {"LoadingScreen"};
    for (int b = 1; b <= 11; ++b) names.push_back("bg" + std::to_string(b));
    for (const std::string& name : names) {
        const PixelMap p = Load("graphics/Backgrounds/" + name + ".jpg");
        EXPECT_EQ(p.Width(), 1024) << name;
        EXPECT_EQ(p.Height(), 768) << name;
        EXPECT_TRUE(Opaque(p)) << name;
    }
}

TEST(LevelPictures, BackgroundsStayDarkWhereTheBoardLies) {
    // The night scenes are dark behind the board so that gems and frame stand out; the ending is dawn.
    for (int b = 1; b <= 10; ++b) {
        const PixelMap p = Load("graphics/Backgrounds/bg" + std::to_string(b) + ".jpg");
        double sum = 0;
        int count = 0;
        for (int y = 100; y < 600; y += 4) {
            for (int x = 300; x < 880; x += 4) {
                const platform::Rgba c = p.At(x, y);
                sum += 0.3 * c.r + 0.59 * c.g + 0.11 * c.b;
                ++count;
            }
        }
        EXPECT_LT(sum / count, 90) << "bg" << b << " is too bright behind the board";
    }
}

TEST(LevelPictures, WideScreenBordersCoverTheBarsBesideTheGame) {
    for (const char* name : {"LeftBorder", "RightBorder"}) {
        const PixelMap p = Load(std::string("graphics/Backgrounds/") + name + ".jpg");
        EXPECT_GE(p.Height(), 768) << name;
        EXPECT_GE(p.Width(), 171) << name << " leaves a gap on a 16:9 screen";
        EXPECT_TRUE(Opaque(p)) << name;
    }
}

TEST(LevelPictures, LoadingBarComesEmptyFullAndFinalAtOneSize) {
    const PixelMap full = Load("graphics/LoadingScreen/LoadingBar.png");
    const PixelMap empty = Load("graphics/LoadingScreen/LoadingBarempty.png");
    const PixelMap final = Load("graphics/LoadingScreen/LoadingBarfinal.png");
    EXPECT_LE(full.Width(), 1024);
    for (const PixelMap* p : {&empty, &final}) {
        EXPECT_EQ(p->Width(), full.Width());
        EXPECT_EQ(p->Height(), full.Height());
    }
    // The full bar is drawn over the empty one: it must look different, brighter inside.
    const auto brightness = [](const PixelMap& p) {
        double sum = 0;
        for (int x = p.Width() / 4; x < p.Width() * 3 / 4; ++x) {
            const platform::Rgba c = p.At(x, p.Height() / 2);
            sum += c.r + c.g + c.b;
        }
        return sum;
    };
    EXPECT_GT(brightness(full), brightness(empty) * 1.5);
}

TEST(LevelPictures, BigWordsAreMidHandledWithRoomForTheirGlow) {
    for (const char* name : {"loading", "paused", "Play", "WellDone"}) {
        ExpectCentredSprite(std::string("graphics/BigText/") + name + ".png", 0.08);
    }
}

TEST(LevelPictures, DialogBoardsFitTheScreenWithTheirLayouts) {
    for (const char* name : {"Dialog", "EnterYourNameDialog", "InGameMenu", "MessageDialog",
                             "Old Lady Dialog", "level end dialog"}) {
        const PixelMap p = Load(std::string("graphics/Dialogs/") + name + ".png");
        EXPECT_LE(p.Width(), 1024) << name;
        EXPECT_LE(p.Height(), 768) << name;
        EXPECT_GT(Coverage(p), 0.8) << name;
    }
    // Centred at y 384, the in-game menu reaches up to the "Paused" title at y 109.
    EXPECT_GE(Load("graphics/Dialogs/InGameMenu.png").Height(), 2 * (384 - 95));
    // The level-complete title is fitted to 350 pixels, and ten rows 32 apart follow it.
    const PixelMap end = Load("graphics/Dialogs/level end dialog.png");
    EXPECT_GE(end.Width(), 390);
    EXPECT_GE(end.Height(), 10 * 32 + 100);
}

TEST(LevelPictures, TilesAndFramePiecesHaveTheBoardsSizes) {
    for (const char* name : {"IceTile", "SnowTile", "EmptyTile"})
        ExpectSize(std::string("graphics/Board/") + name + ".png", 66, 66);
    for (const char* name : {"BorderBottom", "BorderTop"})
        ExpectSize(std::string("graphics/Board/") + name + ".png", 66, 10);
    for (const char* name : {"BorderLeft", "BorderRight"})
        ExpectSize(std::string("graphics/Board/") + name + ".png", 10, 66);
    for (const char* corner : {"BL", "BR", "TL", "TR"}) {
        ExpectSize(std::string("graphics/Board/Corner") + corner + ".png", 10, 10);
        ExpectSize(std::string("graphics/Board/InnerCorner") + corner + ".png", 10, 10);
    }
    for (const char* name : {"ExtraLongBottom", "ExtraLongLeft", "ExtraLongRight", "ExtraLongTop",
                             "ExtraBottomLeft", "ExtraBottomRight", "ExtraTopLeft", "ExtraTopRight",
                             "ExtraLeftBottom", "ExtraLeftTop", "ExtraRightBottom", "ExtraRightTop"}) {
        const PixelMap p = Load(std::string("graphics/Board/") + name + ".png");
        EXPECT_GT(Coverage(p, 1), 0.05) << name;
    }
    // Tiles are drawn side by side: armour is solid, the plain tile nearly so.
    EXPECT_TRUE(Opaque(Load("graphics/Board/IceTile.png")));
    EXPECT_TRUE(Opaque(Load("graphics/Board/SnowTile.png")));
    EXPECT_GT(Coverage(Load("graphics/Board/EmptyTile.png"), 200), 0.99);
}

int Brightness(platform::Rgba c) {
    return c.r + c.g + c.b;
}

TEST(LevelPictures, FramePiecesMeetWithoutSeams) {
    // Where a straight piece ends, the corner beside it carries on with the same moulding.
    const PixelMap top = Load("graphics/Board/BorderTop.png"), corner = Load("graphics/Board/CornerTR.png");
    for (int y = 0; y < 10; ++y) {
        EXPECT_NEAR(top.At(65, y).a, corner.At(0, y).a, 40) << "row " << y;
        EXPECT_NEAR(Brightness(top.At(65, y)), Brightness(corner.At(0, y)), 90) << "row " << y;
    }
    // An inner corner is the mitre of the two straight pieces that overlap there: on either side of its
    // diagonal it is one of them.
    const PixelMap inner = Load("graphics/Board/InnerCornerTL.png");
    const PixelMap bottom = Load("graphics/Board/BorderBottom.png"),
                   right = Load("graphics/Board/BorderRight.png");
    for (int i = 0; i < 8; ++i) {
        EXPECT_NEAR(Brightness(inner.At(9, i)), Brightness(bottom.At(9, i)), 30) << "row " << i;
        EXPECT_NEAR(Brightness(inner.At(i, 9)), Brightness(right.At(i, 9)), 30) << "column " << i;
    }
}

TEST(LevelPictures, CursorAndGlowsCentreOnACell) {
    const PixelMap cursor = Load("graphics/Board/cursor.png");
    EXPECT_GE(cursor.Width(), 66);
    EXPECT_GE(cursor.Height(), 66);
    EXPECT_EQ((cursor.Width() - 66) % 2, 0) << "its handle (w - 66) / 2 must be whole";
    EXPECT_EQ((cursor.Height() - 66) % 2, 0);
    ExpectCentredSprite("graphics/Board/BonusHighlight.png", 0.05);
    ExpectCentredSprite("graphics/Board/MagicHighlight.png", 0.05);
}

TEST(LevelPictures, DiagonalMaskIsACellWithAnAcceptingArea) {
    const PixelMap mask = Load("graphics/diagonalmask.png");
    ASSERT_EQ(mask.Width(), 66);
    ASSERT_EQ(mask.Height(), 66);
    int accepting = 0, refusing = 0;
    for (int y = 0; y < 66; ++y) {
        for (int x = 0; x < 66; ++x) {
            const platform::Rgba c = mask.At(x, y);
            (c.r || c.g || c.b || c.a ? accepting : refusing) += 1;
        }
    }
    EXPECT_GT(accepting, 0);
    EXPECT_GT(refusing, 0);
}

// What the game loads by the gem picture table is what the build drew by it: the strips have the table's
// frames in one row of cells, every other picture is one cell.
TEST(LevelPictures, GemPicturesAreLaidOutAsTheGameLoadsThem) {
    using namespace gemlayout;
    const struct {
        const char* name;
        int frames;
    } strips[] = {{kStrip, kStripFrames}, {kCoinStrip, kCoinFrames}};
    for (const auto& strip : strips) {
        const PixelMap picture = Load("graphics/" + PathOf(strip.name) + ".png");
        EXPECT_EQ(picture.Width(), strip.frames * kCell) << strip.name;
        EXPECT_EQ(picture.Height(), kCell) << strip.name;
    }
    std::vector<const char*> singles = {kSkull, kLocks[0], kLocks[1], kRocks[0], kRocks[1], kStrongRock};
    for (int type = kFirstBonus; type < kTypes; ++type) {
        if (type != kCoin) singles.push_back(kBonusPictures[type]);
    }
    for (const char* name : singles) {
        const PixelMap picture = Load("graphics/" + PathOf(name) + ".png");
        EXPECT_EQ(picture.Width(), kCell) << name;
        EXPECT_EQ(picture.Height(), kCell) << name;
    }
}

TEST(LevelPictures, GemStripHoldsThirteenColoursAndTheSkullInCells) {
    const PixelMap gems = Load("graphics/Gems/gems.png");
    ASSERT_EQ(gems.Height(), 66);
    ASSERT_EQ(gems.Width() % 66, 0);
    ASSERT_GE(gems.Width() / 66, 13);
    for (int f = 0; f < gems.Width() / 66; ++f) {
        const PixelMap cell = Cell(gems, 66, 66, f);
        EXPECT_GT(Coverage(cell), 0.2) << "frame " << f;
        EXPECT_TRUE(ClearBorder(cell, 40)) << "frame " << f << " spills out of its cell";
    }
}

TEST(LevelPictures, EveryGemColourHasItsOwnSilhouette) {
    const PixelMap gems = Load("graphics/Gems/gems.png");
    std::vector<std::vector<bool>> masks;
    for (int f = 0; f < 13; ++f) {
        const PixelMap cell = Cell(gems, 66, 66, f);
        std::vector<bool> mask(66 * 66);
        for (int i = 0; i < 66 * 66; ++i) mask[i] = cell.At(i % 66, i / 66).a >= 128;
        masks.push_back(mask);
    }
    for (int a = 0; a < 13; ++a) {
        for (int b = a + 1; b < 13; ++b) {
            int both = 0, either = 0;
            for (int i = 0; i < 66 * 66; ++i) {
                both += masks[a][i] && masks[b][i];
                either += masks[a][i] || masks[b][i];
            }
            EXPECT_LT(static_cast<double>(both) / either, 0.9) << "colours " << a + 1 << " and " << b + 1;
        }
    }
}

TEST(LevelPictures, BoardItemsFitACellAndCentreOnIt) {
    std::vector<std::string> items = {"Gold Skull", "garlic",    "moneybag",  "Lock1",
                                      "Lock2",      "Rock1Var1", "Rock1Var2", "Rock2"};
    for (const char* bomb : {"pump", "lantern", "candle", "grave", "torch", "well"}) {
        items.push_back(std::string(bomb) + "1");
        items.push_back(std::string(bomb) + "2");
    }
    for (const std::string& name : items) {
        const std::string path = "graphics/Gems/" + name + ".png";
        const PixelMap p = Load(path);
        EXPECT_LE(p.Width(), 66) << name;
        EXPECT_LE(p.Height(), 66) << name;
        ExpectCentredSprite(path, 0.08);
    }
    // A rocked gem is not drawn: its rock hides the cell.
    for (const char* rock : {"Rock1Var1", "Rock1Var2", "Rock2"}) {
        EXPECT_GT(Coverage(Load(std::string("graphics/Gems/") + rock + ".png")), 0.55) << rock;
    }
}

TEST(LevelPictures, CoinSpinsInSixCells) {
    const PixelMap coin = Load("graphics/Gems/coin.png");
    ASSERT_EQ(coin.Width(), 6 * 66);
    ASSERT_EQ(coin.Height(), 66);
    for (int f = 0; f < 6; ++f) EXPECT_TRUE(ClearBorder(Cell(coin, 66, 66, f))) << "frame " << f;
    // It turns: the frames differ in width.
    EXPECT_GT(Coverage(Cell(coin, 66, 66, 0)), 2 * Coverage(Cell(coin, 66, 66, 3)));
}

TEST(LevelPictures, ParticlesAreMidHandledLights) {
    for (const char* name : {"ClauSparkle",
                             "Sparkle",
                             "sparklegold",
                             "ClauSparkleFull",
                             "RedBall",
                             "particlering",
                             "dust2",
                             "dust3",
                             "stonechunkbig1",
                             "stonechunkbig2",
                             "stonechunkbig3",
                             "stonechunkbig4",
                             "Lightning",
                             "SilverTileParticle",
                             "GoldTileParticle",
                             "ParticleRingOrange",
                             "ParticleRingWhite",
                             "fireball",

                             "stonechip1",
                             "stonechip2",
                             "goalstar",
                             "chargeburst",
                             "crystalshard"}) {
        ExpectCentredSprite(std::string("graphics/Particles/") + name + ".png", 0.12);
    }
    // A streak has its bright head at one end.
    EXPECT_TRUE(ClearBorder(Load("graphics/Particles/silverbulletparticle.png")));
    for (const char* beam : {"lightbeam thin", "lightbeam thick"}) {
        const PixelMap p = Load(std::string("graphics/Particles/") + beam + ".png");
        EXPECT_GT(p.Width(), p.Height()) << beam;
        EXPECT_LT(p.At(p.Width() / 2, 0).a, 16) << beam << " must fade out across its width";
    }
    // The lightning power-up's strike comes down from above the board to its handle, the strike point.
    const PixelMap strike = Load("graphics/Particles/lightningstrike.png");
    ASSERT_EQ(strike.Width(), 96);
    ASSERT_EQ(strike.Height(), 416);
    EXPECT_GT(strike.At(48, 400).a, 200) << "no flash at the strike point";
    for (int y = 0; y < 400; y += 40) {
        int lit = 0;
        for (int x = 0; x < 96; ++x) lit += strike.At(x, y).a > 128;
        EXPECT_GT(lit, 0) << "the bolt breaks at row " << y;
    }
    for (int y = 0; y < 416; ++y) EXPECT_LT(std::max(strike.At(0, y).a, strike.At(95, y).a), 16) << y;
    for (const char* strip : {"fireballanim", "blurefireanim"}) {
        const PixelMap p = Load(std::string("graphics/Particles/") + strip + ".png");
        ASSERT_EQ(p.Width(), 8 * 64) << strip;
        ASSERT_EQ(p.Height(), 64) << strip;
        for (int f = 0; f < 8; ++f) EXPECT_TRUE(ClearBorder(Cell(p, 64, 64, f))) << strip << " frame " << f;
    }
}

TEST(LevelPictures, HudPanelAndTimerStrips) {
    const PixelMap panel = Load("graphics/HUD/HUDPanel.png");
    EXPECT_EQ(panel.Height(), 768);
    EXPECT_LE(panel.Width(), 150) << "the panel would reach under the widest board";
    ExpectSize("graphics/HUD/Hourglass.png", 13 * 64, 96);
    ExpectSize("graphics/HUD/HourglassShadow.png", 64, 96);
    ExpectSize("graphics/HUD/Sand.png", 14 * 64, 96);
    ExpectSize("graphics/HUD/Points.png", 17 * 64, 36);
    // The hourglass empties frame by frame: less sand up top in the last frame than in the first.
    const PixelMap glass = Load("graphics/HUD/Hourglass.png");
    const auto sandAbove = [&](int frame) {
        int sand = 0;
        for (int y = 15; y < 46; ++y) {
            for (int x = 20; x < 44; ++x) {
                const platform::Rgba c = glass.At(frame * 64 + x, y);
                sand += c.a > 200 && c.r > 180 && c.b < 140;
            }
        }
        return sand;
    };
    EXPECT_GT(sandAbove(0), sandAbove(6));
    EXPECT_GT(sandAbove(6), sandAbove(11));
    // Every points frame holds its number.
    const PixelMap points = Load("graphics/HUD/Points.png");
    for (int f = 0; f < 17; ++f) EXPECT_GT(Coverage(Cell(points, 64, 36, f), 200), 0.03) << "frame " << f;
}

TEST(LevelPictures, PowerUpsShareOneMedallionSize) {
    const PixelMap reference = Load("graphics/HUD/powerup1empty.png");
    EXPECT_EQ(reference.Width(), reference.Height());
    EXPECT_LE(reference.Width(), 100) << "the slots are 100 pixels apart";
    for (int n = 1; n <= 6; ++n) {
        for (const char* state : {"empty", "filling", "full"}) {
            const std::string path = "graphics/HUD/powerup" + std::to_string(n) + state + ".png";
            const PixelMap p = Load(path);
            EXPECT_EQ(p.Width(), reference.Width()) << path;
            EXPECT_EQ(p.Height(), reference.Height()) << path;
        }
        // The filling picture is the orb's contents only: solid in the middle, nothing outside the orb.
        const PixelMap fill = Load("graphics/HUD/powerup" + std::to_string(n) + "filling.png");
        EXPECT_EQ(fill.At(fill.Width() / 2, fill.Height() - 21).a, 255) << n;
        EXPECT_EQ(fill.At(2, 2).a, 0) << n;
    }
    for (const char* name : {"unpurchased", "empty ring1"})
        ExpectSize(std::string("graphics/HUD/") + name + ".png", reference.Width(), reference.Height());
    // The glass drawn over the filling lets it show through.
    const PixelMap ring = Load("graphics/HUD/empty ring1.png");
    EXPECT_LT(ring.At(ring.Width() / 2, ring.Height() / 2 + 10).a, 128);
    for (const char* name : {"Powerup Slot Mouse Over", "powerupLevel1", "powerupLevel2", "powerupLevel3"}) {
        ExpectCentredSprite(std::string("graphics/HUD/") + name + ".png", 0.06);
    }
}

TEST(LevelPictures, PointersHaveTheirHotSpotsAtTheTopLeft) {
    const PixelMap pointer = Load("graphics/HUD/pointer.png");
    EXPECT_LE(pointer.Width(), 64);
    EXPECT_GT(pointer.At(4, 2).a, 100) << "the tip is 4 pixels in";
    for (const char* name : {"StakeCursor", "HammerCursor", "BroomCursor"}) {
        const PixelMap p = Load(std::string("graphics/HUD/") + name + ".png");
        EXPECT_LE(p.Width(), 64) << name;
        int near = 0;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) near += p.At(x, y).a > 128;
        }
        EXPECT_GT(near, 4) << name << " has nothing at its hot spot";
    }
}

TEST(LevelPictures, TutorialPicturesFitTheirPlaces) {
    for (const char* name : {"ArrowSmall", "ArrowThin", "Arrow", "ArrowLong", "TipGlow"}) {
        const PixelMap p = Load(std::string("graphics/Tutorial/") + name + ".png");
        EXPECT_GT(Coverage(p, 128), 0.05) << name;
        EXPECT_TRUE(ClearBorder(p, 40)) << name;
    }
    const PixelMap tip = Load("graphics/Tutorial/TipWithClose.png");
    EXPECT_LE(tip.Width(), 540);
    EXPECT_LE(tip.Height(), 283);
    EXPECT_GE(tip.Width(), 400);
}

TEST(LevelPictures, EveryButtonHasItsHoverAndPressedLooksAtOneSize) {
    for (const char* name :
         {"ButtonLong", "button", "OK", "MenuButton", "buttonplay", "buttonchangeplayer", "buttonoptions",
          "buttonexit", "In-Game Menu Button1", "MapScreenButton", "Map screen YourHouse",
          "DecorationMapButton", "eyeButton", "rollerButton", "arrowR", "arrowL"}) {
        const PixelMap normal = Load(std::string("menus/") + name + ".png");
        for (const char* variant : {"MO", "Down"}) {
            const PixelMap p = Load(std::string("menus/") + name + variant + ".png");
            EXPECT_EQ(p.Width(), normal.Width()) << name << variant;
            EXPECT_EQ(p.Height(), normal.Height()) << name << variant;
            EXPECT_FALSE(p == normal) << name << variant << " looks the same as " << name;
        }
    }
    // The loading screen's continue button carries a caption 320 pixels wide.
    EXPECT_GE(Load("menus/ButtonLong.png").Width(), 340);
}

}  // namespace
}  // namespace murkwell::test
