// The real program playing its particle effects on the showcase page, seen through screenshots: each effect
// shows where it plays, the sky elsewhere is untouched, and the seed alone decides the picture.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "app/showcase/EffectShowcase.h"
#include "platform/codecs/ImageCodec.h"
#include "tests/support/RunProgram.h"
#include "tests/support/TempFolder.h"

namespace {

const std::string kProgram = std::string(MURKWELL_BINARY_DIR) + "/murkwell";

struct Shots {
    std::string early, late;  // the screenshots' files
};

// The page under seed, with screenshots early in the first round of effects and later, after some repeat.
Shots RunPage(const std::string& folder, const std::string& tag, int seed) {
    const Shots run{folder + tag + "-early.png", folder + tag + "-late.png"};
    std::ofstream(folder + tag + ".txt") << "400 screenshot " << run.early << "\n"
                                         << "1700 screenshot " << run.late << "\n"
                                         << "1800 quit\n";
    std::string output;
    EXPECT_EQ(
        murkwell::test::RunProgram({kProgram, "--headless", "--deterministic", "--seed", std::to_string(seed),
                                    "--showcase", "effects", "--script", folder + tag + ".txt"},
                                   output, 60, {"XDG_DATA_HOME=" + folder + "home"}),
        0)
        << output;
    return run;
}

std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

platform::PixelMap Picture(const std::string& path) {
    platform::PixelMap picture;
    std::string error;
    EXPECT_TRUE(platform::LoadImageFile(path, picture, error)) << error;
    return picture;
}

int Count(const platform::PixelMap& shot, const EffectShowcaseArea& area,
          const std::function<bool(platform::Rgba)>& test) {
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) n += test(shot.At(x, y)) ? 1 : 0;
    }
    return n;
}

// Not the sky the page draws there: some effect covers the pixel.
int Covered(const platform::PixelMap& shot, const EffectShowcaseArea& area) {
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        const EffectShowcaseSky sky = EffectShowcaseSkyAt(y);
        for (int x = area.left; x < area.right; ++x) {
            const platform::Rgba c = shot.At(x, y);
            n += std::abs(c.r - sky.r) + std::abs(c.g - sky.g) + std::abs(c.b - sky.b) > 12 ? 1 : 0;
        }
    }
    return n;
}

bool Warm(platform::Rgba c) {
    return c.r > 150 && c.r > c.b + 60;
}
bool Gold(platform::Rgba c) {
    return c.r > 170 && c.g > 110 && c.b < 100;
}
// Darker than the sky anywhere yet still bluish: the sky seen through a coin's drop shadow, not the coin.
bool Shade(platform::Rgba c) {
    return c.r < 15 && c.g < 18 && c.b < 35 && c.b > c.r;
}

TEST(EffectShowcaseTest, EachEffectShowsInItsPlaceAndTheSeedAloneDecidesThePicture) {
    murkwell::test::TempFolder temp;
    ASSERT_TRUE(temp.Ok());
    const std::string folder = temp.Path() + "/";
    const Shots first = RunPage(folder, "first", 1), again = RunPage(folder, "again", 1),
                other = RunPage(folder, "other", 2);

    for (const std::string& path : {first.early, first.late}) {
        SCOPED_TRACE(path);
        const platform::PixelMap shot = Picture(path);
        ASSERT_EQ(shot.Width(), 1024);
        ASSERT_EQ(shot.Height(), 768);
        const EffectShowcaseArea &ring = kEffectShowcaseAreas[1], &coins = kEffectShowcaseAreas[2];
        for (const EffectShowcaseArea& area : kEffectShowcaseAreas) {
            EXPECT_GT(Covered(shot, area), 1500) << area.effect;
        }
        EXPECT_GT(Count(shot, ring, Warm), 50) << "the ring's red sparks";
        EXPECT_GT(Count(shot, coins, Gold), 200) << "gold coins";
        EXPECT_GT(Count(shot, coins, Shade), 300) << "the coins' shadows";
        EXPECT_EQ(Covered(shot, {"sky", 0, 0, 40, 160}), 0) << "the top-left corner, far from every effect";
    }
    EXPECT_NE(Bytes(first.early), Bytes(first.late)) << "the effects move";
    EXPECT_EQ(Bytes(first.early), Bytes(again.early)) << "the same seed replays exactly";
    EXPECT_EQ(Bytes(first.late), Bytes(again.late));
    EXPECT_NE(Bytes(first.late), Bytes(other.late)) << "another seed plays differently";
}

}  // namespace
