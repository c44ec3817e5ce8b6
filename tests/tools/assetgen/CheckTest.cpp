// The build's last step: a data folder missing anything the game loads fails, and says what is missing.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/tools/assetgen/AssetgenTestSupport.h"

namespace murkwell::test {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::Not;

class CheckTest : public AssetgenTest {
protected:
    // A copy of the data folder the build made and checked.
    void SetUp() override {
        AssetgenTest::SetUp();
        data_ = folder_ + "data";
        fs::copy(MURKWELL_DATA_DIR, data_, fs::copy_options::recursive);
    }
    int Check(std::string& output) { return RunAssetgen({"--check", data_}, output); }

    std::string data_;
};

TEST_F(CheckTest, AFullyGeneratedFolderPasses) {
    std::string output;
    EXPECT_EQ(Check(output), 0) << output;
}

TEST_F(CheckTest, AMissingFileFailsAndIsNamedWithTheGroupThatMakesIt) {
    fs::remove(data_ + "/icon.png");
    std::string output;
    EXPECT_NE(Check(output), 0);
    EXPECT_THAT(output, HasSubstr("icon.png"));
    EXPECT_THAT(output, HasSubstr("'icon'"));
    EXPECT_THAT(output, Not(HasSubstr("Tarnfield.png")));
}

TEST_F(CheckTest, EveryMissingFileIsListed) {
    fs::remove(data_ + "/Default.ini");
    fs::remove(data_ + "/splashsound.wav");
    std::string output;
    EXPECT_NE(Check(output), 0);
    EXPECT_THAT(output, HasSubstr("Default.ini"));
    EXPECT_THAT(output, HasSubstr("splashsound.wav"));
}

TEST_F(CheckTest, AMissingEmptyFolderFails) {
    fs::remove(data_ + "/branding");
    std::string output;
    EXPECT_NE(Check(output), 0);
    EXPECT_THAT(output, HasSubstr("branding/"));
}

TEST_F(CheckTest, AFileWhereAFolderBelongsFails) {
    fs::remove(data_ + "/speech");
    std::ofstream(data_ + "/speech") << "";
    std::string output;
    EXPECT_NE(Check(output), 0);
    EXPECT_THAT(output, HasSubstr("speech/"));
}

TEST_F(CheckTest, AFolderThatDoesNotExistFailsNamingIt) {
    std::string output;
    EXPECT_NE(RunAssetgen({"--check", folder_ + "nowhere"}, output), 0);
    EXPECT_THAT(output, HasSubstr(folder_ + "nowhere"));
}

}  // namespace
}  // namespace murkwell::test
