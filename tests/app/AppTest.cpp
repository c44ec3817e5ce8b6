#include <gtest/gtest.h>

#include "app/Options.h"

namespace {

bool Parse(std::vector<const char*> args, Options& options, std::string& error) {
    args.insert(args.begin(), "murkwell");
    return ParseOptions(static_cast<int>(args.size()), args.data(), options, error);
}

TEST(CommandLine, EveryOption) {
    Options o;
    std::string error;
    ASSERT_TRUE(Parse({"--windowed", "--headless", "--data", "d", "--seed", "42", "--deterministic",
                       "--script", "s.txt", "--showcase", "screens"},
                      o, error))
        << error;
    EXPECT_EQ(o.display, Options::Display::Windowed);
    EXPECT_TRUE(o.headless);
    EXPECT_EQ(o.dataFolder, "d/");
    EXPECT_EQ(o.seed, 42u);
    EXPECT_TRUE(o.deterministic);
    EXPECT_EQ(o.scriptPath, "s.txt");
    EXPECT_EQ(o.showcase, "screens");
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
    EXPECT_FALSE(Parse({"--showcase", "nothing"}, o, error));
    EXPECT_EQ(error, "there is no showcase 'nothing'");
    // The relaxed mode is for a level played at once or for the autoplayer's new player.
    EXPECT_FALSE(Parse({"--relaxed"}, o, error));
    EXPECT_EQ(error, "--relaxed goes with --level or --autoplay");
    EXPECT_TRUE(Parse({"--relaxed", "--autoplay"}, o, error)) << error;
    EXPECT_TRUE(Parse({"--relaxed", "--level", "2"}, o, error)) << error;
    // Options that only mean something beside another.
    EXPECT_FALSE(Parse({"--equip"}, o, error));
    EXPECT_EQ(error, "--equip goes with --level");
    EXPECT_FALSE(Parse({"--exit-on", "level_end"}, o, error));
    EXPECT_EQ(error, "--exit-on goes with --report");
    EXPECT_FALSE(Parse({"--keyboard"}, o, error));
    EXPECT_EQ(error, "--keyboard goes with --autoplay");
    ASSERT_TRUE(Parse({"--simulate", "--level", "9", "--equip", "--report", "r", "--exit-on", "screen:map",
                       "--autoplay", "--keyboard"},
                      o, error))
        << error;
    EXPECT_TRUE(o.simulate && o.headless && o.deterministic) << "a simulated run is headless and deterministic";
    EXPECT_TRUE(o.equip && o.keyboard);
    EXPECT_EQ(o.exitOn, "screen:map");
    EXPECT_NE(UsageText().find("--deterministic"), std::string::npos);
    EXPECT_NE(UsageText().find("screens"), std::string::npos) << "the help names every showcase";
}

}  // namespace
