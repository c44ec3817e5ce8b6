#include <gtest/gtest.h>

#include "app/Options.h"
#include "app/SplashRun.h"
#include "platform/null/NullGraphics.h"

namespace {

bool Parse(std::vector<const char*> args, Options& options, std::string& error) {
    args.insert(args.begin(), "murkwell");
    return ParseOptions(static_cast<int>(args.size()), args.data(), options, error);
}

TEST(CommandLine, EveryOption) {
    Options o;
    std::string error;
    ASSERT_TRUE(Parse({"--windowed", "--headless", "--data", "d", "--seed", "42", "--deterministic", "--script",
                       "s.txt"},
                      o, error))
        << error;
    EXPECT_EQ(o.display, Options::Display::Windowed);
    EXPECT_TRUE(o.headless);
    EXPECT_EQ(o.dataFolder, "d/");
    EXPECT_EQ(o.seed, 42u);
    EXPECT_TRUE(o.deterministic);
    EXPECT_EQ(o.scriptPath, "s.txt");
    ASSERT_TRUE(Parse({"--fullscreen", "--version", "--help"}, o, error));
    EXPECT_EQ(o.display, Options::Display::FullScreen);
    EXPECT_TRUE(o.version && o.help);
    EXPECT_FALSE(o.headless) << "each parse starts from the defaults";
}

TEST(CommandLine, MistakesAreNamed) {
    Options o;
    std::string error;
    EXPECT_FALSE(Parse({"--fast"}, o, error));
    EXPECT_EQ(error, "unknown option '--fast'");
    EXPECT_FALSE(Parse({"--data"}, o, error));
    EXPECT_EQ(error, "--data needs a value");
    EXPECT_FALSE(Parse({"--script", "--headless"}, o, error));
    EXPECT_EQ(error, "--script needs a value");
    EXPECT_FALSE(Parse({"--seed", "-1"}, o, error));
    EXPECT_FALSE(Parse({"--seed", "12x"}, o, error));
    EXPECT_FALSE(Parse({"--seed", "99999999999"}, o, error));
    EXPECT_NE(UsageText().find("--deterministic"), std::string::npos);
}

TEST(ScreenPlacement, WideAndTallDisplaysBoxTheScreen) {
    const ScreenPlacement wide = PlaceScreen(1920, 1080, true);
    EXPECT_EQ(wide.drawingWidth, 1365);
    EXPECT_EQ(wide.drawingHeight, 768);
    EXPECT_EQ(wide.originX, 170);
    EXPECT_EQ(wide.originY, 0);
    const ScreenPlacement tall = PlaceScreen(1280, 1024, true);
    EXPECT_EQ(tall.drawingWidth, 1024);
    EXPECT_EQ(tall.drawingHeight, 819);
    EXPECT_EQ(tall.originY, 25);
    const ScreenPlacement same = PlaceScreen(1024, 768, true);
    EXPECT_EQ(same.drawingWidth, 1024);
    EXPECT_EQ(same.originX, 0);
    const ScreenPlacement window = PlaceScreen(800, 600, false);
    EXPECT_EQ(window.drawingWidth, 1024) << "a window stretches the screen over itself";
}

TEST(ScreenPlacement, GameScreenPointsMapToWindowPixels) {
    platform::NullGraphics graphics({1920, 1080, 32, 60});
    std::string error;
    platform::WindowSpec spec;
    spec.width = 1920;
    spec.height = 1080;
    spec.depth = 32;
    ScreenPlacement placement;
    ASSERT_TRUE(OpenGameDisplay(graphics, true, placement, error)) << error;
    int wx, wy;
    ScreenPointToWindow(graphics, 0, 0, wx, wy);
    EXPECT_EQ(wx, 239);  // 170 × 1920 / 1365
    EXPECT_EQ(wy, 0);
    ScreenPointToWindow(graphics, 1024, 768, wx, wy);
    EXPECT_EQ(wx, 1679);  // (170 + 1024) × 1920 / 1365 = 1679.47
    EXPECT_EQ(wy, 1080);
}

}  // namespace
