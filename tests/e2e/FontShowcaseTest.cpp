// The real program showing its seven fonts on the showcase page, seen through a screenshot: every font's
// band carries letters, and the page is the same on every run.
#include <gtest/gtest.h>

#include <fstream>

#include "app/showcase/FontShowcase.h"
#include "platform/codecs/ImageCodec.h"
#include "tests/support/LitPixels.h"
#include "tests/support/RunProgram.h"
#include "tests/support/TempFolder.h"

namespace {

const std::string kProgram = std::string(MURKWELL_BINARY_DIR) + "/murkwell";

// Pixels far brighter than the night behind them: letters, not background.
int LitPixels(const platform::PixelMap& shot, int top, int bottom, int left, int right) {
    return murkwell::test::LitPixels(shot, top, bottom, left, right, 150);
}

platform::PixelMap RunPage(const std::string& folder, const std::string& shot) {
    std::ofstream(folder + "script.txt") << "500 screenshot " << folder << shot << "\n"
                                         << "600 quit\n";
    std::string output;
    EXPECT_EQ(murkwell::test::RunProgram({kProgram, "--headless", "--deterministic", "--showcase", "fonts",
                                          "--script", folder + "script.txt"},
                                         output, 60, {"XDG_DATA_HOME=" + folder + "home"}),
              0)
        << output;
    platform::PixelMap picture;
    std::string error;
    EXPECT_TRUE(platform::LoadImageFile(folder + shot, picture, error)) << error;
    return picture;
}

TEST(FontShowcaseTest, EveryFontsBandHasLettersBesideItsName) {
    murkwell::test::TempFolder temp;
    ASSERT_TRUE(temp.Ok());
    const platform::PixelMap shot = RunPage(temp.Path() + "/", "fonts.png");
    ASSERT_EQ(shot.Width(), 1024);
    ASSERT_EQ(shot.Height(), 768);

    for (const FontShowcaseBand& band : kFontShowcaseBands) {
        SCOPED_TRACE(band.font);
        // Under the name, and inside the panels' frames: a font that failed to draw leaves this dark even
        // though the name above it shows.
        const int samples = LitPixels(shot, band.top + 24, band.bottom, 220, 600);
        EXPECT_GT(samples, 200) << "the band's sample text is missing";
        EXPECT_GT(LitPixels(shot, band.top, band.top + 22, 20, 140), 20) << "the band's name is missing";
    }
    // The wrapped reading text is centred: as much ink left of the middle as right of it.
    const FontShowcaseBand& reading = kFontShowcaseBands[4];
    const int left = LitPixels(shot, reading.top + 20, reading.bottom, 150, 512);
    const int right = LitPixels(shot, reading.top + 20, reading.bottom, 512, 874);
    EXPECT_NEAR(left, right, (left + right) * 0.15);

    const platform::PixelMap again = RunPage(temp.Path() + "/", "again.png");
    ASSERT_FALSE(again.Empty());
    int differing = 0;
    for (int y = 0; y < shot.Height(); ++y) {
        for (int x = 0; x < shot.Width(); ++x) differing += !(shot.At(x, y) == again.At(x, y));
    }
    EXPECT_EQ(differing, 0) << "a deterministic run draws the same page";
}

}  // namespace
