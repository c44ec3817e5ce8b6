// The real program's dialogs, answered by keys as a player would, seen through screenshots: each slides
// in over the page, carries its header and text, and the next one comes when it is answered.
#include <gtest/gtest.h>

#include <fstream>

#include "platform/codecs/ImageCodec.h"
#include "tests/support/LitPixels.h"
#include "tests/support/RunProgram.h"
#include "tests/support/TempFolder.h"

namespace {

const std::string kProgram = std::string(MURKWELL_BINARY_DIR) + "/murkwell";

// Pixels far brighter than the night behind them: letters, not background.
int LitPixels(const platform::PixelMap& shot, int top, int bottom, int left, int right) {
    return murkwell::test::LitPixels(shot, top, bottom, left, right, 170);
}

TEST(DialogShowcaseTest, EachDialogShowsItsWordsAndTheNextComesWhenItIsAnswered) {
    murkwell::test::TempFolder temp;
    ASSERT_TRUE(temp.Ok());
    const std::string folder = temp.Path() + "/";
    // The message answered by Escape, the question by N; the choice of mode stays.
    std::ofstream(folder + "script.txt") << "100 screenshot " << folder << "sliding.png\n"
                                         << "900 screenshot " << folder << "message.png\n"
                                         << "1500 key 27\n"
                                         << "2300 screenshot " << folder << "confirm.png\n"
                                         << "2500 key 78\n"
                                         << "3300 screenshot " << folder << "mode.png\n"
                                         << "3400 quit\n";
    std::string output;
    ASSERT_EQ(murkwell::test::RunProgram({kProgram, "--headless", "--deterministic", "--showcase", "dialogs",
                                          "--script", folder + "script.txt"},
                                         output, 60, {"XDG_DATA_HOME=" + folder + "home"}),
              0)
        << output;
    const auto load = [&](const char* name) {
        platform::PixelMap picture;
        std::string error;
        EXPECT_TRUE(platform::LoadImageFile(folder + name, picture, error)) << error;
        return picture;
    };
    struct Box {
        const char* shot;
        int top, bottom, left, right;  // the header band and the text under it
    };
    // The message and question boards are 640 × 400 in the middle, the mode board 420 × 600.
    for (const Box& box : {Box{"message.png", 200, 400, 200, 824}, Box{"confirm.png", 200, 400, 200, 824},
                           Box{"mode.png", 90, 400, 310, 714}}) {
        SCOPED_TRACE(box.shot);
        EXPECT_GT(LitPixels(load(box.shot), box.top, box.bottom, box.left, box.right), 800);
    }
    // 100 ms in, the message is still sliding down from above: its words are not yet where they will be.
    EXPECT_LT(LitPixels(load("sliding.png"), 280, 400, 200, 824), LitPixels(load("message.png"), 280, 400, 200, 824) / 2);
}

}  // namespace
