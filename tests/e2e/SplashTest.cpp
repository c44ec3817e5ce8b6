// The real program, headless, driven by scripts.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "platform/codecs/ImageCodec.h"
#include "platform/files/Files.h"
#include "tests/support/RunProgram.h"
#include "tests/support/TempFolder.h"

namespace {

const std::string kProgram = std::string(MURKWELL_BINARY_DIR) + "/murkwell";
const std::string kData = std::string(MURKWELL_DATA_DIR) + "/";

class SplashTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(temp_.Ok());
        folder_ = temp_.Path() + "/";
    }

    std::string WriteScript(const std::string& text) {
        const std::string path = folder_ + "script.txt";
        std::ofstream(path) << text;
        return path;
    }
    // Each run keeps its settings and its lock in the test's own folder.
    std::vector<std::string> Environment() const { return {"XDG_DATA_HOME=" + folder_ + "home"}; }
    int Run(const std::vector<std::string>& extra, std::string& output) {
        std::vector<std::string> args{kProgram, "--headless", "--deterministic"};
        args.insert(args.end(), extra.begin(), extra.end());
        return murkwell::test::RunProgram(args, output, 60, Environment());
    }
    platform::PixelMap Load(const std::string& path) {
        platform::PixelMap p;
        std::string error;
        EXPECT_TRUE(platform::LoadImageFile(path, p, error)) << error;
        return p;
    }

    murkwell::test::TempFolder temp_;
    std::string folder_;  // ends in "/"
};

TEST_F(SplashTest, ScreenshotShowsTheMakersSplashCentredOnBlack) {
    const std::string shot = folder_ + "hold.png";
    // 2000 ms is inside the hold, where the splash is fully opaque.
    std::string output;
    ASSERT_EQ(Run({"--script", WriteScript("2000 screenshot " + shot + "\n2100 quit\n")}, output), 0)
        << output;
    const platform::PixelMap screen = Load(shot);
    const platform::PixelMap splash = Load(kData + "Tarnfield.png");
    ASSERT_EQ(screen.Width(), 1024);
    ASSERT_EQ(screen.Height(), 768);
    ASSERT_FALSE(splash.Empty());

    const int left = (1024 - splash.Width()) / 2, top = (768 - splash.Height()) / 2;
    double error = 0;
    int compared = 0, lit = 0;
    for (int y = 0; y < splash.Height(); y += 3) {
        for (int x = 0; x < splash.Width(); x += 3) {
            const platform::Rgba s = splash.At(x, y), d = screen.At(left + x, top + y);
            const double a = s.a / 255.0;
            error += std::abs(s.r * a - d.r) + std::abs(s.g * a - d.g) + std::abs(s.b * a - d.b);
            compared += 3;
            if (s.a > 200 && s.r + s.g + s.b > 150) ++lit;
        }
    }
    EXPECT_GT(lit, 100) << "the splash has visible content";
    EXPECT_LT(error / compared, 2.0) << "the screen shows the splash over black, pixel for pixel";
    // Outside the splash the screen is black.
    EXPECT_EQ(screen.At(5, 5), (platform::Rgba{0, 0, 0, 255}));
    EXPECT_EQ(screen.At(1018, 762), (platform::Rgba{0, 0, 0, 255}));
}

TEST_F(SplashTest, SameScriptTwiceGivesTheSameBytes) {
    // Mid-fade, where any difference in timing would show in the pixels.
    std::string output;
    for (const char* name : {"a.png", "b.png"}) {
        ASSERT_EQ(Run({"--script", WriteScript("700 screenshot " + folder_ + name + "\n800 quit\n")}, output),
                  0)
            << output;
    }
    std::vector<uint8_t> a, b;
    std::string error;
    ASSERT_TRUE(platform::files::ReadAll(folder_ + "a.png", a, error)) << error;
    ASSERT_TRUE(platform::files::ReadAll(folder_ + "b.png", b, error)) << error;
    EXPECT_EQ(a, b);
    const platform::PixelMap mid = Load(folder_ + "a.png");
    const platform::PixelMap splash = Load(kData + "Tarnfield.png");
    // At 700 ms of a 1750 ms fade in, the brightest pixel is at most about 40 % of the splash's.
    int brightest = 0, splashBrightest = 0;
    for (int y = 0; y < mid.Height(); ++y)
        for (int x = 0; x < mid.Width(); ++x) brightest = std::max<int>(brightest, mid.At(x, y).r);
    for (int y = 0; y < splash.Height(); ++y)
        for (int x = 0; x < splash.Width(); ++x)
            splashBrightest = std::max<int>(splashBrightest, splash.At(x, y).r * splash.At(x, y).a / 255);
    EXPECT_GT(brightest, 0);
    EXPECT_LE(brightest, splashBrightest * 0.45);
}

TEST_F(SplashTest, AKeySkipsTheSplash) {
    std::string output;
    // Without the key the splash holds until about 2600 ms on black; after the key the game has come in by
    // 1500 ms: the HUD's panel fills the left edge, where the splash has only black.
    const std::string shot = folder_ + "after.png";
    ASSERT_EQ(Run({"--script", WriteScript("500 key 32\n1500 screenshot " + shot + "\n1600 quit\n")}, output),
              0)
        << output;
    const platform::PixelMap screen = Load(shot);
    int lit = 0;
    for (int y = 0; y < 760; y += 8) {
        for (int x = 0; x < 100; x += 4) lit += screen.At(x, y).b > 16 ? 1 : 0;
    }
    EXPECT_GT(lit, 1000);
}

TEST_F(SplashTest, BadCommandLinesAndMissingDataAreReported) {
    std::string output;
    EXPECT_EQ(Run({"--bogus"}, output), 2);
    EXPECT_NE(output.find("unknown option '--bogus'"), std::string::npos) << output;
    EXPECT_EQ(Run({"--data", folder_ + "nowhere"}, output), 1);
    EXPECT_NE(output.find("cannot find the data folder"), std::string::npos) << output;
    EXPECT_EQ(Run({"--script", WriteScript("100 fly\n")}, output), 2);
    EXPECT_NE(output.find("script.txt:1: unknown command 'fly'"), std::string::npos) << output;
    // A data folder without the files the game needs: the first one missing is named.
    std::filesystem::create_directories(folder_ + "empty");
    EXPECT_EQ(Run({"--data", folder_ + "empty"}, output), 1);
    EXPECT_NE(output.find("Murkwell: Error loading"), std::string::npos) << output;
    EXPECT_NE(output.find(folder_ + "empty/"), std::string::npos) << output;
}

TEST_F(SplashTest, VersionAndHelp) {
    std::string output;
    EXPECT_EQ(murkwell::test::RunProgram({kProgram, "--version"}, output), 0);
    EXPECT_EQ(output, "Murkwell 1.09\n");
    EXPECT_EQ(murkwell::test::RunProgram({kProgram, "--help"}, output), 0);
    EXPECT_NE(output.find("--script FILE"), std::string::npos);
}

}  // namespace
