// The real program switching between two screens with its fades, seen through screenshots.
#include <gtest/gtest.h>

#include <fstream>

#include "platform/codecs/ImageCodec.h"
#include "tests/support/RunProgram.h"
#include "tests/support/TempFolder.h"

namespace {

const std::string kProgram = std::string(MURKWELL_BINARY_DIR) + "/murkwell";

platform::PixelMap Load(const std::string& path) {
    platform::PixelMap p;
    std::string error;
    EXPECT_TRUE(platform::LoadImageFile(path, p, error)) << error;
    return p;
}

TEST(ScreenSwitchTest, AClickFadesToTheOtherScreenThroughBlack) {
    murkwell::test::TempFolder temp;
    ASSERT_TRUE(temp.Ok());
    const std::string folder = temp.Path() + "/";
    // The fades last 300 ms: out from 1100 to 1400, the amber page fading in from then to 1700.
    std::ofstream(folder + "script.txt") << "1000 screenshot " << folder << "blue.png\n"
                                         << "1100 click 512 100\n"
                                         << "1250 screenshot " << folder << "mid.png\n"
                                         << "2000 screenshot " << folder << "amber.png\n"
                                         << "2100 quit\n";
    std::string output;
    ASSERT_EQ(murkwell::test::RunProgram({kProgram, "--headless", "--deterministic", "--showcase", "screens",
                                          "--script", folder + "script.txt"},
                                         output, 60, {"XDG_DATA_HOME=" + folder + "home"}),
              0)
        << output;

    const platform::PixelMap blue = Load(folder + "blue.png"), mid = Load(folder + "mid.png"),
                             amber = Load(folder + "amber.png");
    ASSERT_FALSE(blue.Empty() || mid.Empty() || amber.Empty());
    EXPECT_EQ(blue.At(50, 50), (platform::Rgba{40, 80, 200, 255}));
    EXPECT_EQ(blue.At(200, 400), (platform::Rgba{255, 255, 255, 255})) << "the blue page's square";
    EXPECT_EQ(amber.At(50, 50), (platform::Rgba{230, 160, 30, 255}));
    EXPECT_EQ(amber.At(824, 400), (platform::Rgba{255, 255, 255, 255})) << "the amber page's square";
    EXPECT_EQ(amber.At(200, 400), amber.At(50, 50)) << "the blue page's square is gone";

    // Half way through the fade out the blue page shows at about half its brightness.
    const platform::Rgba m = mid.At(50, 50);
    EXPECT_GT(m.b, 40);
    EXPECT_LT(m.b, 160);
    EXPECT_LT(m.r, m.b) << "still the blue page, darkened";
}

}  // namespace
