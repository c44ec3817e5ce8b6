#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>

#include "platform/os/PosixSystem.h"
#include "platform/os/UserFolders.h"

namespace {

// Each test sets the variables it needs; the ones the run started with are put back.
class UserDataHomeTest : public testing::Test {
protected:
    void SetUp() override {
        xdg_ = Get("XDG_DATA_HOME");
        home_ = Get("HOME");
    }
    void TearDown() override {
        Put("XDG_DATA_HOME", xdg_);
        Put("HOME", home_);
    }
    static std::optional<std::string> Get(const char* name) {
        const char* value = std::getenv(name);
        return value ? std::optional<std::string>(value) : std::nullopt;
    }
    static void Put(const char* name, const std::optional<std::string>& value) {
        if (value) {
            ::setenv(name, value->c_str(), 1);
        } else {
            ::unsetenv(name);
        }
    }
    std::optional<std::string> xdg_, home_;
};

TEST_F(UserDataHomeTest, TakesAnAbsoluteXdgDataHome) {
    ::setenv("XDG_DATA_HOME", "/srv/data", 1);
    ::setenv("HOME", "/home/player", 1);
    EXPECT_EQ(platform::UserDataHome(), "/srv/data/");
    ::setenv("XDG_DATA_HOME", "/srv/data/", 1);
    EXPECT_EQ(platform::UserDataHome(), "/srv/data/");
}

TEST_F(UserDataHomeTest, IgnoresARelativeOrEmptyXdgDataHome) {
    ::setenv("HOME", "/home/player", 1);
    ::setenv("XDG_DATA_HOME", "relative/data", 1);
    EXPECT_EQ(platform::UserDataHome(), "/home/player/.local/share/");
    ::setenv("XDG_DATA_HOME", "", 1);
    EXPECT_EQ(platform::UserDataHome(), "/home/player/.local/share/");
}

TEST_F(UserDataHomeTest, FallsBackToHome) {
    ::unsetenv("XDG_DATA_HOME");
    ::setenv("HOME", "/home/player/", 1);
    EXPECT_EQ(platform::UserDataHome(), "/home/player/.local/share/");
}

TEST_F(UserDataHomeTest, FallsBackToThePasswordDatabaseWithoutAUsableHome) {
    const passwd* pw = ::getpwuid(::getuid());
    if (!pw || !pw->pw_dir || pw->pw_dir[0] != '/') GTEST_SKIP() << "this user has no home folder on record";
    std::string expected = pw->pw_dir;
    if (expected.back() != '/') expected += '/';
    expected += ".local/share/";

    ::unsetenv("XDG_DATA_HOME");
    ::unsetenv("HOME");
    EXPECT_EQ(platform::UserDataHome(), expected);
    ::setenv("HOME", "not/absolute", 1);
    EXPECT_EQ(platform::UserDataHome(), expected);
}

TEST_F(UserDataHomeTest, IsWhatTheSystemServiceReports) {
    ::setenv("XDG_DATA_HOME", "/srv/data", 1);
    EXPECT_EQ(platform::PosixSystem().UserDataFolder(), "/srv/data/");
}

}  // namespace

namespace {

TEST(PicturesFolderIn, ReadsTheDesktopsNameForThePicturesFolder) {
    struct Case {
        const char* userDirs;
        const char* expected;
    };
    const Case cases[] = {
        {"XDG_DESKTOP_DIR=\"$HOME/Desktop\"\nXDG_PICTURES_DIR=\"$HOME/Bilder\"\n", "/home/ada/Bilder/"},
        {"# written by the desktop\nXDG_PICTURES_DIR=\"/srv/photos/\"\n", "/srv/photos/"},
        {"XDG_PICTURES_DIR=\"$HOME/\"\n", ""},           // the home folder itself: none set
        {"XDG_PICTURES_DIR=\"relative/pics\"\n", ""},     // neither $HOME nor absolute
        {"XDG_PICTURES_DIR=\"$HOME/Pictures\n", ""},      // no closing quote
        {"XDG_MUSIC_DIR=\"$HOME/Music\"\n", ""},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(platform::PicturesFolderIn(c.userDirs, "/home/ada/"), c.expected) << c.userDirs;
}

TEST_F(UserDataHomeTest, PicturesGoToTheHomesPicturesFolderWhenTheDesktopNamesNone) {
    const auto config = Get("XDG_CONFIG_HOME");
    ::setenv("HOME", "/nonexistent-home-for-test", 1);
    ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(platform::UserPicturesFolder(), "/nonexistent-home-for-test/Pictures/");
    Put("XDG_CONFIG_HOME", config);
}

}  // namespace
