#include <gtest/gtest.h>

#include "platform/files/Files.h"

namespace files = platform::files;

namespace {

TEST(PathParts, SplitsFolderNameStemAndExtension) {
    EXPECT_EQ(files::FolderOf("a/b/c.png"), "a/b/");
    EXPECT_EQ(files::FileNameOf("a/b/c.png"), "c.png");
    EXPECT_EQ(files::StemOf("a/b/c.png"), "c");
    EXPECT_EQ(files::ExtensionOf("a/b/c.png"), ".png");
}

TEST(PathParts, HandlesABareNameAndTheRoot) {
    EXPECT_EQ(files::FolderOf("c.png"), "");
    EXPECT_EQ(files::FileNameOf("c.png"), "c.png");
    EXPECT_EQ(files::FolderOf("/c.png"), "/");
    EXPECT_EQ(files::FileNameOf("a/b/"), "");
}

TEST(PathParts, TakesOnlyTheLastDotOfTheName) {
    EXPECT_EQ(files::StemOf("music/theme.tar.ogg"), "theme.tar");
    EXPECT_EQ(files::ExtensionOf("music/theme.tar.ogg"), ".ogg");
    EXPECT_EQ(files::ExtensionOf("data.d/readme"), "");
    EXPECT_EQ(files::StemOf("data.d/readme"), "readme");
}

TEST(PathParts, GivesAHiddenFileNoExtension) {
    EXPECT_EQ(files::StemOf("home/.profile"), ".profile");
    EXPECT_EQ(files::ExtensionOf("home/.profile"), "");
    EXPECT_EQ(files::ExtensionOf("home/.profile.bak"), ".bak");
}

TEST(PathParts, JoinPutsExactlyOneSlashBetween) {
    EXPECT_EQ(files::Join("a", "b.png"), "a/b.png");
    EXPECT_EQ(files::Join("a/", "b.png"), "a/b.png");
    EXPECT_EQ(files::Join("a/", "/b.png"), "a/b.png");
    EXPECT_EQ(files::Join("/", "b.png"), "/b.png");
    EXPECT_EQ(files::Join("", "b.png"), "b.png");
}

}  // namespace
