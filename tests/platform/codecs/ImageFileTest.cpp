#include <gtest/gtest.h>
#include <unistd.h>

#include "platform/codecs/ImageCodec.h"
#include "platform/files/Files.h"
#include "tests/platform/codecs/CodecTestSupport.h"

namespace platform {
namespace {

using testing::Gradient;

class ImageFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = files::Join(::testing::TempDir(), "murkwell-codecs-" + std::to_string(::getpid()));
        std::string error;
        ASSERT_TRUE(files::CreateFolders(folder_, error)) << error;
    }
    void TearDown() override {
        std::vector<std::string> names;
        std::string error;
        files::ListFolder(folder_, names, error);
        for (const auto& name : names) files::Delete(files::Join(folder_, name), error);
        ::rmdir(folder_.c_str());
    }
    std::string Path(const std::string& name) const { return files::Join(folder_, name); }

    std::string folder_;
};

TEST(DecodeImage, TellsPngFromJpegBySignature) {
    const PixelMap picture = Gradient(9, 7);
    PixelMap out;
    std::string error;
    ASSERT_TRUE(DecodeImage(EncodePng(picture, 6, true), out, error)) << error;
    EXPECT_EQ(out, picture);

    // The smallest baseline JPEG header is enough to see that the JPEG decoder was asked.
    EXPECT_FALSE(DecodeImage(std::vector<uint8_t>{0xff, 0xd8, 0xff, 0xe0}, out, error));
    EXPECT_NE(error.find("JPEG"), std::string::npos) << error;
}

TEST(DecodeImage, RefusesOtherData) {
    PixelMap out;
    std::string error;
    EXPECT_FALSE(DecodeImage({}, out, error));
    EXPECT_EQ(error, "the file is empty");
    EXPECT_FALSE(DecodeImage(std::vector<uint8_t>{'B', 'M', 1, 2, 3, 4}, out, error));
    EXPECT_EQ(error, "not a PNG or JPEG picture");
}

TEST_F(ImageFileTest, SavedPictureLoadsBack) {
    const PixelMap picture = Gradient(33, 21);
    std::string error;
    ASSERT_TRUE(SavePng(Path("picture.png"), picture, 9, true, error)) << error;
    PixelMap loaded;
    ASSERT_TRUE(LoadImageFile(Path("picture.png"), loaded, error)) << error;
    EXPECT_EQ(loaded, picture);
}

TEST_F(ImageFileTest, SaveReplacesAnOlderFile) {
    std::string error;
    ASSERT_TRUE(SavePng(Path("again.png"), Gradient(5, 5), 1, true, error)) << error;
    ASSERT_TRUE(SavePng(Path("again.png"), Gradient(3, 2), 1, true, error)) << error;
    PixelMap loaded;
    ASSERT_TRUE(LoadImageFile(Path("again.png"), loaded, error)) << error;
    EXPECT_EQ(loaded, Gradient(3, 2));
}

TEST_F(ImageFileTest, DamagedFileErrorStartsWithThePath) {
    std::vector<uint8_t> png = EncodePng(Gradient(8, 8), 6, true);
    png.resize(png.size() / 2);
    std::string error;
    ASSERT_TRUE(files::WriteAtomic(Path("half.png"), png, error)) << error;
    PixelMap loaded;
    EXPECT_FALSE(LoadImageFile(Path("half.png"), loaded, error));
    EXPECT_EQ(error.rfind(Path("half.png") + ": damaged PNG: ", 0), 0u) << error;
}

TEST_F(ImageFileTest, MissingFileErrorNamesThePath) {
    PixelMap loaded;
    std::string error;
    EXPECT_FALSE(LoadImageFile(Path("missing.png"), loaded, error));
    EXPECT_NE(error.find(Path("missing.png")), std::string::npos) << error;
}

TEST_F(ImageFileTest, SaveFailuresNameThePath) {
    std::string error;
    EXPECT_FALSE(SavePng(Path("no/such/folder/x.png"), Gradient(2, 2), 6, true, error));
    EXPECT_NE(error.find(Path("no/such/folder/x.png")), std::string::npos) << error;
    EXPECT_FALSE(SavePng(Path("empty.png"), PixelMap(), 6, true, error));
    EXPECT_EQ(error, Path("empty.png") + ": the picture is empty");
    EXPECT_FALSE(files::Exists(Path("empty.png")));
}

}  // namespace
}  // namespace platform
