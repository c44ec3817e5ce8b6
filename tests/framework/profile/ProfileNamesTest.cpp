// A player's name as a file name: typed names unchanged, every other name kept inside the profile folder
// and apart from every other player, names the same player whatever their case.
#include <gtest/gtest.h>

#include <set>

#include "framework/core/Game.h"
#include "framework/profile/Profile.h"
#include "framework/profile/ProfileFiles.h"
#include "framework/profile/ProfileNames.h"
#include "tests/framework/profile/ProfileTestSupport.h"

namespace {

using murkwell::test::ProfileFixture;
namespace files = platform::files;

// Names no player can type: separators, climbing out of the folder, control codes, broken UTF-8, the
// escape character itself, device names of other systems, nothing at all.
const std::vector<std::string> kHostileNames = {
    "../x", "..",    ".",     "/etc/passwd", "a/b",        "a\\b",        "..\\..\\x", "",
    "a\nb", "Tom\r", "\t",    "x\x7f",       "C1\xc2\x85", "bad\xff",     "\xc3",      "%",
    "%25",  "a%2Fb", "CON",   "con.txt",     "Nul",        "COM1",        "lpt9.x",    "CONOUT$",
    "x:y",  "a*b?",  "<>|\"", "%C",          "%CON",       "\xed\xa0\x80"};

class ProfileNamesTest : public ::testing::Test {
protected:
    ProfileFixture fixture;
};

TEST_F(ProfileNamesTest, NamesAPlayerCanTypeAreTheirOwnFileNames) {
    for (const std::string name : {"Tom", "\xc3\x89milie", "Zo\xc3\xab", "Mary Ann", "O'Neil", "A.B", "x_y#@",
                                   ".hidden", "..dots", "tom.dat"}) {
        EXPECT_EQ(ProfileFileStem(name), name);
        TProfile profile;
        profile.Init(name);
        ASSERT_EQ(profile.Save(), 1) << name;
        EXPECT_TRUE(files::IsFile(fixture.PathOf(name + ".dat"))) << name;
    }
}

TEST_F(ProfileNamesTest, NoNameWritesOutsideTheProfileFolder) {
    std::vector<std::string> before, after;
    std::string error;
    files::ListFolder(fixture.Folder(), before, error);
    for (const std::string& name : kHostileNames) {
        TProfile profile;
        profile.Init(name);
        profile.Score = static_cast<int>(name.size()) + 1000;
        ASSERT_EQ(profile.Save(), 1) << name;
        TProfile loaded;
        loaded.Init(name);
        ASSERT_EQ(loaded.Load(), 1) << name;
        EXPECT_EQ(loaded.Score, profile.Score) << name;
    }
    const auto names = fixture.FolderNames();
    EXPECT_EQ(names.size(), kHostileNames.size()) << "one file each, all in the folder";
    for (const std::string& file : names) {
        EXPECT_NE(file.rfind(".dat"), std::string::npos);
        EXPECT_NE(file, ".dat");
        for (const char c : file) {
            EXPECT_FALSE(c == '/' || c == '\\' || static_cast<unsigned char>(c) < 0x20 || c == 0x7f) << file;
        }
    }
    files::ListFolder(fixture.Folder(), after, error);
    EXPECT_EQ(after, before);
}

TEST_F(ProfileNamesTest, DifferentNamesNeverShareAFile) {
    std::vector<std::string> names = kHostileNames;
    names.insert(names.end(), {"Tom", "CON2", "a%b", "a b", "\xc3\x89"});
    std::set<std::string> stems;
    for (const std::string& name : names) {
        const std::string stem = ProfileFileStem(name);
        EXPECT_TRUE(stems.insert(FoldProfileName(stem)).second) << "the file of '" << name << "' is taken";
        EXPECT_EQ(ProfileNameOfStem(stem), name) << "the name comes back from its file";
    }
}

TEST_F(ProfileNamesTest, DeviceNamesOfOtherSystemsAreNotUsedAsFileNames) {
    for (const std::string name : {"CON", "con.txt", "Prn", "AUX ", "nul", "COM1", "lpt9", "CONIN$"})
        EXPECT_EQ(ProfileFileStem(name), "%" + name);
    for (const std::string name : {"CONE", "COM", "COM10", "LPTX", "Aux1"})
        EXPECT_EQ(ProfileFileStem(name), name);
}

TEST_F(ProfileNamesTest, ANameIsTheSamePlayerWhateverItsCase) {
    TProfile tom;
    tom.Init("Tom");
    tom.Score = 4242;
    ASSERT_EQ(tom.Save(), 1);

    TProfile upper;
    upper.Init("TOM");
    ASSERT_EQ(upper.Load(), 1);
    EXPECT_EQ(upper.Score, 4242);
    upper.Score = 5;
    ASSERT_EQ(upper.Save(), 1);
    EXPECT_EQ(fixture.FolderNames(), std::vector<std::string>{"Tom.dat"});
    EXPECT_TRUE(ProfileExists(fixture.ProfileFolder(), "tOM"));
    EXPECT_FALSE(ProfileExists(fixture.ProfileFolder(), "Tim"));

    TProfile emilie;
    emilie.Init("\xc3\xa9milie");  // émilie
    ASSERT_EQ(emilie.Save(), 1);
    EXPECT_TRUE(ProfileExists(fixture.ProfileFolder(), "\xc3\x89MILIE")) << "ÉMILIE";
}

TEST_F(ProfileNamesTest, TypedNameRulesHoldForStoredNames) {
    EXPECT_TRUE(IsProfileName("Tom"));
    EXPECT_TRUE(IsProfileName("Mary Ann"));
    EXPECT_TRUE(IsProfileName("\xc3\x89milie\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9"))
        << "ten characters, more bytes";
    EXPECT_TRUE(IsProfileName("\xc2\xa0"));  // no-break space, 160
    EXPECT_FALSE(IsProfileName(""));
    EXPECT_FALSE(IsProfileName("Abcdefghijk")) << "eleven characters";
    for (const std::string name :
         {"a/b",   "a\\b", "a%b",   "a:b",       "a;b",          "a~b",     "a?b",
          "a<b",   "a,b",  "a+b",   "a=b",       "a|b",          "a*b",     "a\"b",
          "tab\t", "cr\r", "x\x7f", "x\xc2\x85", "\xe2\x82\xac", "bad\xff", "\xc3"}) {
        EXPECT_FALSE(IsProfileName(name)) << name;
    }
    EXPECT_TRUE(IsProfileName("x#"));
    EXPECT_FALSE(IsProfileName("x#", U"#_"));
}

TEST_F(ProfileNamesTest, ThePlayersAreListedSortedIgnoringCase) {
    for (const std::string file :
         {"bob.dat", "Alice.dat", "\xc3\x89mile.dat", "zed.DAT", "alice.backup", "carl.bad", ".dat", "%.dat",
          "..%2Fx.dat", "notes.txt", "Tom.dat.old", "Abcdefghijkl.dat", "%CON.dat", "CON.dat"}) {
        fixture.WriteBytes(file, {1});
    }
    EXPECT_EQ(ListProfileNames(fixture.ProfileFolder()),
              (std::vector<std::string>{"Alice", "bob", "CON", "zed", "\xc3\x89mile"}));
    EXPECT_TRUE(ListProfileNames(fixture.ProfileFolder() + "gone/").empty());
}

TEST_F(ProfileNamesTest, AStoredNameThatCouldNotBeTypedGivesWayToTheFirstPlayer) {
    EXPECT_EQ(CheckedProfileName("../x", fixture.ProfileFolder()), "") << "nobody to fall back on";
    for (const std::string file : {"zoe.dat", "Bob.dat"}) fixture.WriteBytes(file, {1});
    EXPECT_EQ(CheckedProfileName("Tom", fixture.ProfileFolder()), "Tom") << "a new player is fine";
    for (const std::string stored : {"../x", "", "Tom\r", "Abcdefghijk", "a/b"})
        EXPECT_EQ(CheckedProfileName(stored, fixture.ProfileFolder()), "Bob") << stored;
}

}  // namespace
