#include <gtest/gtest.h>

#include "platform/files/Files.h"
#include "tests/support/TempFolder.h"

namespace files = platform::files;
using murkwell::test::ReadText;
using murkwell::test::ScopedWorkingFolder;
using murkwell::test::TempFolder;
using murkwell::test::WriteText;

namespace {

class ResolveTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.Ok());
        std::string error;
        ASSERT_TRUE(files::CreateFolders(dir_ / "data/graphics", error)) << error;
        ASSERT_TRUE(files::CreateFolders(dir_ / "data/text", error)) << error;
        WriteText(dir_ / "data/graphics/foo.png", "foo");
    }
    TempFolder dir_;
};

TEST_F(ResolveTest, FindsAFileSpelledWithOtherCase) {
    EXPECT_EQ(files::Resolve(dir_ / "Data/Graphics/Foo.PNG"), dir_ / "data/graphics/foo.png");
    EXPECT_EQ(files::Resolve(dir_ / "DATA/graphics/FOO.png"), dir_ / "data/graphics/foo.png");
}

TEST_F(ResolveTest, ReturnsAnExistingPathAsItIs) {
    EXPECT_EQ(files::Resolve(dir_ / "data/graphics/foo.png"), dir_ / "data/graphics/foo.png");
    EXPECT_EQ(files::Resolve(dir_ / "data//graphics/./foo.png"), dir_ / "data//graphics/./foo.png");
    EXPECT_EQ(files::Resolve(""), "");
}

TEST_F(ResolveTest, PrefersTheExactSpellingWhenBothExist) {
    WriteText(dir_ / "data/graphics/Foo.png", "Foo");
    EXPECT_EQ(files::Resolve(dir_ / "Data/graphics/Foo.png"), dir_ / "data/graphics/Foo.png");
    EXPECT_EQ(files::Resolve(dir_ / "Data/graphics/foo.png"), dir_ / "data/graphics/foo.png");
    const std::string either = files::Resolve(dir_ / "Data/graphics/FOO.PNG");
    EXPECT_TRUE(either == dir_ / "data/graphics/Foo.png" || either == dir_ / "data/graphics/foo.png")
        << either;
}

TEST_F(ResolveTest, PrefersTheExactFolderWhenBothExist) {
    std::string error;
    ASSERT_TRUE(files::CreateFolders(dir_ / "data/Graphics", error)) << error;
    WriteText(dir_ / "data/Graphics/foo.png", "upper");
    EXPECT_EQ(ReadText(files::Resolve(dir_ / "DATA/Graphics/FOO.png")), "upper");
    EXPECT_EQ(ReadText(files::Resolve(dir_ / "DATA/graphics/FOO.png")), "foo");
}

TEST_F(ResolveTest, LeavesThePathUnchangedWhenAComponentIsMissing) {
    EXPECT_EQ(files::Resolve(dir_ / "Data/Sound/Foo.png"), dir_ / "Data/Sound/Foo.png");
    EXPECT_EQ(files::Resolve(dir_ / "Data/Graphics/Bar.png"), dir_ / "Data/Graphics/Bar.png");
    EXPECT_EQ(files::Resolve(dir_ / "Data/Graphics/Foo.PNG/more"), dir_ / "Data/Graphics/Foo.PNG/more");
}

TEST_F(ResolveTest, ResolvesRelativePaths) {
    ScopedWorkingFolder here(dir_.Path());
    ASSERT_TRUE(here.Ok());
    EXPECT_EQ(files::Resolve("Data/Graphics/Foo.PNG"), "data/graphics/foo.png");
    EXPECT_EQ(files::Resolve("./Data/Graphics/Foo.PNG"), "./data/graphics/foo.png");
    EXPECT_EQ(files::Resolve("Data/Graphics/"), "data/graphics/");
    EXPECT_EQ(files::Resolve("Data/Missing.png"), "Data/Missing.png");
}

TEST_F(ResolveTest, StepsUpThroughDotDot) {
    EXPECT_EQ(files::Resolve(dir_ / "Data/Text/../Graphics/Foo.png"), dir_ / "data/text/../graphics/foo.png");
    ScopedWorkingFolder here(dir_ / "data/text");
    ASSERT_TRUE(here.Ok());
    EXPECT_EQ(files::Resolve("../Graphics/Foo.png"), "../graphics/foo.png");
    EXPECT_EQ(files::Resolve("../../Data/Graphics/foo.PNG"), "../../data/graphics/foo.png");
}

}  // namespace
