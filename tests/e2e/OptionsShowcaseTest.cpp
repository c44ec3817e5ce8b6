// The real program's options page: it shows its labels, and the autoplayer, having looked at it, leaves it
// by its OK button as a person would (leaving the page ends the showcase).
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "platform/codecs/ImageCodec.h"
#include "tests/support/LitPixels.h"
#include "tests/support/RunProgram.h"
#include "tests/support/TempFolder.h"

namespace {

const std::string kProgram = std::string(MURKWELL_BINARY_DIR) + "/murkwell";

TEST(OptionsShowcaseTest, TheAutoplayerLooksAtTheOptionsAndLeavesThemByOk) {
    murkwell::test::TempFolder temp;
    ASSERT_TRUE(temp.Ok());
    const std::string folder = temp.Path() + "/";
    std::ofstream(folder + "script.txt") << "1000 screenshot " << folder << "options.png\n";
    std::string output;
    ASSERT_EQ(murkwell::test::RunProgram(
                  {kProgram, "--headless", "--deterministic", "--showcase", "options", "--autoplay", "--seed",
                   "5", "--report", folder + "report.jsonl", "--script", folder + "script.txt"},
                  output, 60, {"XDG_DATA_HOME=" + folder + "home"}),
              0)
        << output;
    std::ifstream in(folder + "report.jsonl");
    const std::string report{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_NE(report.find(R"("event":"screen","name":"options")"), std::string::npos) << report;

    platform::PixelMap shot;
    std::string error;
    ASSERT_TRUE(platform::LoadImageFile(folder + "options.png", shot, error)) << error;
    // The check boxes' labels, left of the boxes, and the sliders' labels above the bars.
    EXPECT_GT(murkwell::test::LitPixels(shot, 421, 560, 300, 570, 170), 300);
    EXPECT_GT(murkwell::test::LitPixels(shot, 180, 215, 370, 654, 170), 150);
}

}  // namespace
