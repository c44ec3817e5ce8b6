// The level report run for real on two levels: the game is played in simulated runs and the tables and the
// chart come out.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/support/RunProgram.h"
#include "tests/support/TempFolder.h"

namespace {

std::string Read(const std::string& path) {
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(LevelReportRun, TwoLevelsTwoSeedsMakeTheTablesAndTheChart) {
    murkwell::test::TempFolder folder;
    const std::string out = folder.Path() + "/report";
    std::string output;
    ASSERT_EQ(murkwell::test::RunProgram({std::string(MURKWELL_BINARY_DIR) + "/tools/levelreport/levelreport",
                                          "--levels", "3-4", "--seeds", "2", "--jobs", "2", "--out", out},
                                         output, 120),
              0)
        << output;
    const std::string runs = Read(out + "/runs.csv");
    for (const char* row : {"\n3,1,won,", "\n3,2,won,", "\n4,1,won,", "\n4,2,won,"})
        EXPECT_NE(runs.find(row), std::string::npos) << row << " in\n" << runs;
    const std::string levels = Read(out + "/levels.csv");
    EXPECT_EQ(std::count(levels.begin(), levels.end(), '\n'), 3) << "a header and a line a level";
    EXPECT_TRUE(std::filesystem::file_size(out + "/chart.png") > 10000);
    EXPECT_NE(output.find("4 runs of 2 levels"), std::string::npos) << output;
    EXPECT_NE(output.find("won in fewer than 4 of 5 runs: none"), std::string::npos) << output;
    EXPECT_FALSE(std::filesystem::exists(out + "/runs/3-1-home")) << "each run's per-user folder is removed";

    EXPECT_EQ(murkwell::test::RunProgram({std::string(MURKWELL_BINARY_DIR) + "/tools/levelreport/levelreport",
                                          "--levels", "0-4"},
                                         output, 10),
              2)
        << "a level out of range is a mistake on the command line";
}

}  // namespace
