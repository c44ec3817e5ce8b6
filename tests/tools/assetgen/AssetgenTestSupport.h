#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/codecs/ImageCodec.h"
#include "tests/support/RunProgram.h"
#include "tests/support/TempFolder.h"

namespace murkwell::test {

// Runs assetgen with the arguments; returns its exit code, with what it printed in output.
inline int RunAssetgen(const std::vector<std::string>& args, std::string& output) {
    std::vector<std::string> argv{ASSETGEN_PROGRAM};
    argv.insert(argv.end(), args.begin(), args.end());
    return RunProgram(argv, output);
}

// A picture of the data folder the build made; a failure to load it fails the test.
inline platform::PixelMap LoadBuiltPicture(const std::string& relative) {
    platform::PixelMap picture;
    std::string error;
    EXPECT_TRUE(platform::LoadImageFile(std::string(MURKWELL_DATA_DIR) + "/" + relative, picture, error))
        << relative << ": " << error;
    return picture;
}

// Each test gets its own empty folder to generate into.
class AssetgenTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(temp_.Ok());
        folder_ = temp_.Path() + "/";
    }

    // A data folder inside the temporary one, made by the named groups.
    std::string Generate(const std::vector<std::string>& groups, const std::string& name = "data") {
        const std::string data = folder_ + name;
        for (const std::string& group : groups) {
            std::string output;
            EXPECT_EQ(RunAssetgen({"--group", group, "--out", data}, output), 0) << group << ": " << output;
        }
        return data;
    }

    std::vector<std::string> AllGroups() {
        std::string output;
        EXPECT_EQ(RunAssetgen({"--list"}, output), 0) << output;
        std::vector<std::string> groups;
        for (size_t start = 0, end; (end = output.find('\n', start)) != std::string::npos; start = end + 1) {
            groups.push_back(output.substr(start, end - start));
        }
        return groups;
    }

    TempFolder temp_;
    std::string folder_;  // ends in "/"
};

}  // namespace murkwell::test
