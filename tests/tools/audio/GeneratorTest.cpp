// Noise, plucked strings and the players' humanising all draw on seeded generators, so running an audio
// group again gives the very same bytes (every group is also compared with the build's own run in
// tests/tools/assetgen; these two are the quick ones that use every kind of randomness).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "tests/support/RunProgram.h"
#include "tests/support/TempFolder.h"

namespace murkwell::test {
namespace {

namespace fs = std::filesystem;

std::map<std::string, std::string> Files(const std::string& root) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (!entry.is_regular_file()) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        files[fs::relative(entry.path(), root).generic_string()] = bytes.str();
    }
    return files;
}

TEST(AudioGeneratorTest, TwoRunsGiveTheSameBytes) {
    TempFolder temp;
    ASSERT_TRUE(temp.Ok());
    for (const std::string group : {"sfx_bombs", "music_levelend"}) {
        std::map<std::string, std::string> runs[2];
        for (int run = 0; run < 2; ++run) {
            const std::string out = temp / (group + std::to_string(run));
            std::string output;
            ASSERT_EQ(RunProgram({ASSETGEN_PROGRAM, "--group", group, "--out", out}, output), 0) << output;
            runs[run] = Files(out);
        }
        EXPECT_FALSE(runs[0].empty()) << group;
        EXPECT_TRUE(runs[0] == runs[1]) << group << " made different bytes on a second run";
    }
}

}  // namespace
}  // namespace murkwell::test
