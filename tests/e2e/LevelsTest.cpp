// The hundred levels through the real program: the level checker passes every one, names a broken file,
// and the board page draws a level's first fill the same way for the same seed.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "platform/codecs/ImageCodec.h"
#include "tests/support/RunProgram.h"
#include "tests/support/TempFolder.h"

namespace {

const std::string kProgram = std::string(MURKWELL_BINARY_DIR) + "/murkwell";

std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(LevelsTest, EveryLevelOfTheGamePassesTheChecker) {
    std::string output;
    EXPECT_EQ(murkwell::test::RunProgram({kProgram, "--check-levels"}, output, 120), 0) << output;
    EXPECT_NE(output.find("100 levels checked, 0 with problems"), std::string::npos) << output;
    EXPECT_NE(output.find("1.txt  \""), std::string::npos) << "one line per level";
}

TEST(LevelsTest, TheCheckerNamesABrokenFileAndFails) {
    murkwell::test::TempFolder temp;
    ASSERT_TRUE(temp.Ok());
    const std::string path = temp.Path() + "/5.txt";
    std::ofstream(path) << "time=60\ngoals=0,0,0,0,0\ncolours=1,2,3\nbonus=0\nsize=14,3\n";
    std::string output;
    EXPECT_EQ(murkwell::test::RunProgram({kProgram, "--check-levels", path}, output, 60), 1);
    EXPECT_NE(output.find(path + ": Level file " + path + ", line 5: the board must be 1 to 13 cells wide"),
              std::string::npos)
        << output;
    EXPECT_NE(output.find("1 level checked, 1 with problems"), std::string::npos) << output;
}

TEST(LevelsTest, TheBoardPageDrawsTheSameFirstFillForTheSameSeed) {
    murkwell::test::TempFolder temp;
    ASSERT_TRUE(temp.Ok());
    const std::string folder = temp.Path() + "/";
    std::string shots[2];
    for (int run = 0; run < 2; ++run) {
        shots[run] = folder + "board" + std::to_string(run) + ".png";
        std::ofstream(folder + "script.txt")
            << "1000 move 5 5\n1000 screenshot " << shots[run] << "\n1100 quit\n";
        std::string output;
        ASSERT_EQ(murkwell::test::RunProgram({kProgram, "--headless", "--deterministic", "--seed", "11",
                                              "--showcase", "board", "--script", folder + "script.txt"},
                                             output, 60, {"XDG_DATA_HOME=" + folder + "home"}),
                  0)
            << output;
    }
    EXPECT_EQ(Bytes(shots[0]), Bytes(shots[1]));
    platform::PixelMap picture;
    std::string error;
    ASSERT_TRUE(platform::LoadImageFile(shots[0], picture, error)) << error;
    // The board sits right of the middle of the screen: its cells are lit, the background's sky dark.
    int lit = 0;
    for (int x = 420; x < 700; x += 4) {
        const platform::Rgba p = picture.At(x, 330);
        lit += p.r + p.g + p.b > 250 ? 1 : 0;
    }
    EXPECT_GT(lit, 10) << "gems drawn across the middle row of the board";
}

// The play pages: the autoplayer's hand plays through the mouse (the first level, and the bombs page's
// bombs and gold), the same seed plays the same way to the pixel, and the score moves on.
TEST(LevelsTest, TheAutoplayerPlaysThePlayPagesTheSameWayForTheSameSeed) {
    for (const std::string page : {"play", "bombs"}) {
        SCOPED_TRACE(page);
        murkwell::test::TempFolder temp;
        ASSERT_TRUE(temp.Ok());
        const std::string folder = temp.Path() + "/";
        auto play = [&](int seed, const std::string& tag) {
            std::ofstream(folder + tag + ".txt") << "300 screenshot " << folder << tag << "-early.png\n"
                                                 << "4000 screenshot " << folder << tag << "-late.png\n"
                                                 << "4100 quit\n";
            std::string output;
            EXPECT_EQ(murkwell::test::RunProgram(
                          {kProgram, "--headless", "--deterministic", "--seed", std::to_string(seed),
                           "--showcase", page, "--script", folder + tag + ".txt"},
                          output, 60, {"XDG_DATA_HOME=" + folder + "home"}),
                      0)
                << output;
        };
        play(5, "a");
        play(5, "b");
        play(6, "c");
        EXPECT_EQ(Bytes(folder + "a-late.png"), Bytes(folder + "b-late.png"));
        EXPECT_NE(Bytes(folder + "a-late.png"), Bytes(folder + "c-late.png")) << "another seed, another game";
        // The score under the board has moved on from all noughts.
        platform::PixelMap early, late;
        std::string error;
        ASSERT_TRUE(platform::LoadImageFile(folder + "a-early.png", early, error)) << error;
        ASSERT_TRUE(platform::LoadImageFile(folder + "a-late.png", late, error)) << error;
        int changed = 0;
        for (int y = 705; y < 745; ++y) {
            for (int x = 330; x < 470; ++x) {
                const platform::Rgba a = early.At(x, y), b = late.At(x, y);
                changed += a.r != b.r || a.g != b.g || a.b != b.b ? 1 : 0;
            }
        }
        EXPECT_GT(changed, 50);
    }
}

}  // namespace
