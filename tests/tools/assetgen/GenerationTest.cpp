// The tool as the build uses it: every group's output is the same bytes every time, an unchanged file
// keeps its time stamp, and mistakes on the command line or on disk fail with a clear message.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "tests/tools/assetgen/AssetgenTestSupport.h"

namespace murkwell::test {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

// Every entry under root by relative path: a file's bytes, or "<folder>".
std::map<std::string, std::string> Snapshot(const std::string& root) {
    std::map<std::string, std::string> entries;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const std::string relative = fs::relative(entry.path(), root).string();
        if (entry.is_directory()) {
            entries[relative] = "<folder>";
        } else {
            std::ifstream in(entry.path(), std::ios::binary);
            std::ostringstream bytes;
            bytes << in.rdbuf();
            entries[relative] = bytes.str();
        }
    }
    return entries;
}

TEST_F(AssetgenTest, ListNamesTheGroupsOfThisIssue) {
    EXPECT_THAT(AllGroups(),
                ::testing::IsSupersetOf({"icon", "layout", "settings", "splash", "splashsound"}));
}

// Each group run again makes the very bytes the build made (one run each: generating everything is the
// slow part, and the build's own run is the other half of the comparison).
TEST_F(AssetgenTest, EveryGroupMakesTheSameBytesOnEveryRun) {
    const std::string built = MURKWELL_DATA_DIR;
    for (const std::string& group : AllGroups()) {
        const auto again = Snapshot(Generate({group}, group));
        EXPECT_FALSE(again.empty()) << group << " made nothing";
        for (const auto& [path, bytes] : again) {
            if (bytes == "<folder>") continue;
            std::ifstream in(built + "/" + path, std::ios::binary);
            std::ostringstream original;
            original << in.rdbuf();
            EXPECT_TRUE(original.str() == bytes) << group << " made " << path << " differently";
        }
    }
}

TEST_F(AssetgenTest, AnUnchangedFileKeepsItsTimeStampAndAChangedOneIsRestored) {
    const std::string data = Generate({"settings"});
    const std::string ini = data + "/Default.ini";
    const auto old = fs::file_time_type::clock::now() - std::chrono::hours(24 * 365);
    fs::last_write_time(ini, old);
    Generate({"settings"});
    EXPECT_EQ(fs::last_write_time(ini), old);

    const auto good = Snapshot(data);
    std::ofstream(ini, std::ios::binary) << "VERSION NO=0.01\n";
    Generate({"settings"});
    EXPECT_TRUE(Snapshot(data) == good);
}

TEST_F(AssetgenTest, AnUnknownGroupFailsNamingIt) {
    std::string output;
    EXPECT_NE(RunAssetgen({"--group", "no-such-group", "--out", folder_ + "data"}, output), 0);
    EXPECT_THAT(output, HasSubstr("no-such-group"));
    EXPECT_FALSE(fs::exists(folder_ + "data/Default.ini"));
}

TEST_F(AssetgenTest, AnUnwritableDataFolderFailsNamingThePath) {
    std::ofstream(folder_ + "plain-file") << "not a folder";
    std::string output;
    EXPECT_NE(RunAssetgen({"--group", "settings", "--out", folder_ + "plain-file/data"}, output), 0);
    EXPECT_THAT(output, HasSubstr("plain-file"));
}

TEST_F(AssetgenTest, IncompleteArgumentsPrintTheUsage) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{}, {"--group", "settings"}, {"--check"}, {"--out", folder_}}) {
        std::string output;
        EXPECT_EQ(RunAssetgen(args, output), 2);
        EXPECT_THAT(output, HasSubstr("usage"));
    }
}

}  // namespace
}  // namespace murkwell::test
