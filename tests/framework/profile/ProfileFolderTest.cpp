// The profile folder as a whole: moving every profile aside, whether any profile is there, saving the
// current player.
#include <gtest/gtest.h>

#include "framework/core/Game.h"
#include "framework/core/Messages.h"
#include "framework/profile/Profile.h"
#include "framework/profile/ProfileFiles.h"
#include "tests/framework/profile/ProfileTestSupport.h"

namespace {

using murkwell::test::ProfileFixture;
namespace files = platform::files;

class ProfileFolderTest : public ::testing::Test {
protected:
    void Files(std::initializer_list<const char*> names) {
        for (const char* name : names) fixture.WriteBytes(name, {7});
    }
    ProfileFixture fixture;
};

TEST_F(ProfileFolderTest, DeleteAllProfilesMovesProfilesAsideAndLeavesTheCopies) {
    Files({"Tom.dat", "ann.DAT", "Tom.backup", "Tom.bad", ".dat", "notes.txt"});
    fixture.game().DeleteAllProfiles();
    EXPECT_EQ(fixture.FolderNames(), (std::vector<std::string>{".dat", "ann.DAT.old", "notes.txt",
                                                               "Tom.backup", "Tom.bad", "Tom.dat.old"}));
    EXPECT_EQ(fixture.Bytes("Tom.dat.old"), std::vector<uint8_t>{7}) << "nothing is thrown away";
}

TEST_F(ProfileFolderTest, TheFolderIsInUseOnlyWithAProfileInIt) {
    EXPECT_EQ(fixture.game().ProfileFolderInUse(), 0);
    Files({".dat", "Tom.backup", "Tom.bad", "Tom.dat.old"});
    EXPECT_EQ(fixture.game().ProfileFolderInUse(), 0);
    Files({"tom.Dat"});
    EXPECT_EQ(fixture.game().ProfileFolderInUse(), 1);
}

TEST_F(ProfileFolderTest, AFolderThatCannotBeListedIsFatal) {
    const std::string gone = fixture.ProfileFolder() + "gone/";
    fixture.game().ProfilePath = gone;
    EXPECT_THROW(fixture.game().ProfileFolderInUse(), FatalMessage);
    ASSERT_EQ(fixture.Messages().size(), 1u);
    EXPECT_EQ(fixture.Messages()[0], "Murkwell: Failed to read directory '" + gone + "'");
    EXPECT_NE(fixture.ErrorLog().find("Failed to read directory"), std::string::npos);
}

TEST_F(ProfileFolderTest, ClosingTheWindowSavesTheCurrentPlayer) {
    EXPECT_EQ(SaveCurrentProfile(), 0) << "nobody is playing yet";
    fixture.game().CurrentProfile = TProfile::Create("Cat");
    EXPECT_EQ(SaveCurrentProfile(), 1);
    EXPECT_TRUE(files::IsFile(fixture.PathOf("Cat.dat")));
}

}  // namespace
