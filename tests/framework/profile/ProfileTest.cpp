// The profile file: its bytes, saving and loading, damaged files and the backup copy, the hint flags.
#include <gtest/gtest.h>

#include <climits>
#include <stdexcept>

#include "framework/core/Messages.h"
#include "framework/profile/Profile.h"
#include "framework/profile/ProfileFiles.h"
#include "tests/framework/profile/ProfileTestSupport.h"

namespace {

using murkwell::test::IntAt;
using murkwell::test::ProfileFixture;
using murkwell::test::UIntAt;
namespace files = platform::files;

constexpr uint32_t kBase = TProfile::PROFILE_BASE;
constexpr uint32_t kStep = TProfile::PROFILE_STEP;

// Gives a profile values unlike any default, including the ends of the int range.
void FillUnusual(TProfile& p) {
    p.CurrentLevel = 57;
    p.LockedLevel = INT_MAX;
    p.Score = INT_MIN;
    p.Lives = -2;
    p.Kills = 123456;
    p.TimeTaken = 98765.4321;
    p.Difficulty = 7;
    p.TipsFlag = 0;
    p.InstructionsFlag = -1;
    for (int i = 0; i < TProfile::MAX_HINTS; ++i) p.HintsShown[i] = i % 3 == 0 ? 1 : 0;
}

void ExpectSameFields(const TProfile& a, const TProfile& b) {
    EXPECT_EQ(a.CurrentLevel, b.CurrentLevel);
    EXPECT_EQ(a.LockedLevel, b.LockedLevel);
    EXPECT_EQ(a.Score, b.Score);
    EXPECT_EQ(a.Lives, b.Lives);
    EXPECT_EQ(a.Kills, b.Kills);
    EXPECT_EQ(a.TimeTaken, b.TimeTaken);
    EXPECT_EQ(a.Difficulty, b.Difficulty);
    EXPECT_EQ(a.TipsFlag, b.TipsFlag);
    EXPECT_EQ(a.InstructionsFlag, b.InstructionsFlag);
    EXPECT_EQ(a.HintsShown, b.HintsShown);
}

class ProfileTest : public ::testing::Test {
protected:
    ProfileFixture fixture;
};

// ---- The file's bytes ------------------------------------------------------------------------------

TEST_F(ProfileTest, ANewNameGetsAFileWithTheStartingValues) {
    auto profile = TProfile::Create("Tom");
    EXPECT_FALSE(files::Exists(fixture.PathOf("Tom.dat"))) << "creating touches no file";
    ASSERT_EQ(profile->Load(), 1);
    const auto bytes = fixture.Bytes("Tom.dat");
    ASSERT_EQ(bytes.size(), 440u) << "40 bytes of counters and flags, 400 of hints, no game block here";
    EXPECT_EQ(UIntAt(bytes, 0), kBase + 1);
    EXPECT_EQ(bytes[0], (kBase + 1) & 0xFF) << "little-endian";
    EXPECT_EQ(UIntAt(bytes, 4), kBase + kStep + 2);
    EXPECT_EQ(UIntAt(bytes, 8), kBase + 2 * kStep);
    EXPECT_EQ(UIntAt(bytes, 12), kBase + 3 * kStep + 3);
    EXPECT_EQ(UIntAt(bytes, 16), kBase + 4 * kStep);
    EXPECT_EQ(UIntAt(bytes, 20), 0u);
    EXPECT_EQ(UIntAt(bytes, 24), 0u) << "the double 0.0";
    EXPECT_EQ(IntAt(bytes, 28), 0);
    EXPECT_EQ(IntAt(bytes, 32), 1);
    EXPECT_EQ(IntAt(bytes, 36), 1);
    for (size_t at = 40; at < 440; at += 4) EXPECT_EQ(IntAt(bytes, at), 0) << "hint at byte " << at;
    EXPECT_TRUE(fixture.Messages().empty());
}

TEST_F(ProfileTest, EveryFieldAndTheGameBlockSurviveARoundTrip) {
    TProfile saved;
    saved.Init("Ann");
    FillUnusual(saved);
    saved.SaveUserFunction = [](platform::ByteWriter& out) {
        out.WriteInt32(-7);
        out.WriteInt32(77);
        return 1;
    };
    ASSERT_EQ(saved.Save(), 1);

    TProfile loaded;
    loaded.Init("Ann");
    int32_t first = 0, second = 0;
    loaded.LoadUserFunction = [&](platform::ByteReader& in) {
        in.ReadInt32(first);
        in.ReadInt32(second);
        return 1;
    };
    ASSERT_EQ(loaded.Load(), 1);
    ExpectSameFields(saved, loaded);
    EXPECT_EQ(first, -7);
    EXPECT_EQ(second, 77);
    EXPECT_TRUE(fixture.Messages().empty());
}

TEST_F(ProfileTest, OffsetCountersWrapAroundIn32Bits) {
    TProfile profile;
    profile.Init("Max");
    profile.LockedLevel = INT_MAX;
    profile.Score = -1;
    ASSERT_EQ(profile.Save(), 1);
    const auto bytes = fixture.Bytes("Max.dat");
    EXPECT_EQ(UIntAt(bytes, 4), static_cast<uint32_t>(INT_MAX) + kBase + kStep);
    EXPECT_EQ(UIntAt(bytes, 8), kBase + 2 * kStep - 1);
}

TEST_F(ProfileTest, ACurrentLevelOfMinusTheBaseIsStoredAsZeroAndThenReadAsCorrupt) {
    TProfile profile;
    profile.Init("Neg");
    profile.CurrentLevel = -static_cast<int>(kBase);
    ASSERT_EQ(profile.Save(), 1);
    EXPECT_EQ(UIntAt(fixture.Bytes("Neg.dat"), 0), 0u);
    EXPECT_EQ(profile.Load(), 0);
    EXPECT_EQ(profile.loadingError, 1);
    ASSERT_FALSE(fixture.Messages().empty());
    EXPECT_EQ(fixture.Messages()[0], "Murkwell: Profile Neg is corrupt: First int was 0.");
    EXPECT_NE(fixture.ErrorLog().find("Profile Neg is corrupt: First int was 0."), std::string::npos);
}

TEST_F(ProfileTest, TheMarkerFollowsTheFlagsWhenSwitchedOnAndAWrongOneIsCorrupt) {
    UseProfileChecksum = 1;
    TProfile profile;
    profile.Init("Mark");
    profile.HintsShown[0] = 1;
    ASSERT_EQ(profile.Save(), 1);
    auto bytes = fixture.Bytes("Mark.dat");
    ASSERT_EQ(bytes.size(), 444u);
    EXPECT_EQ(IntAt(bytes, 40), TProfile::PROFILE_MARKER);
    EXPECT_EQ(IntAt(bytes, 44), 1) << "the hints move down by 4";
    ASSERT_EQ(profile.Load(), 1);
    EXPECT_EQ(profile.HintsShown[0], 1);

    bytes[40] ^= 1;
    fixture.WriteBytes("Mark.dat", bytes);
    EXPECT_EQ(profile.Load(), 0);
    ASSERT_FALSE(fixture.Messages().empty());
    EXPECT_EQ(fixture.Messages()[0], "Murkwell: Profile Mark is corrupt: Checksum Error.");
}

// ---- Hints -----------------------------------------------------------------------------------------

TEST_F(ProfileTest, AHintIsShownOnceAndOnlyTheFirstTimeSaves) {
    auto profile = TProfile::Create("Hal");
    int saves = 0;
    profile->SaveUserFunction = [&](platform::ByteWriter&) { return ++saves; };
    EXPECT_EQ(profile->ShowHint(80, 1), 1);
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(IntAt(fixture.Bytes("Hal.dat"), 40 + 80 * 4), 1);
    EXPECT_EQ(profile->ShowHint(80, 1), 0);
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(profile->ShowHint(81, 0), 1);
    EXPECT_EQ(saves, 1) << "asked not to save";
    EXPECT_EQ(profile->ShowHint(-1, 1), 0);
    EXPECT_EQ(profile->ShowHint(TProfile::MAX_HINTS, 1), 0);
    EXPECT_EQ(saves, 1);
}

TEST_F(ProfileTest, HintsSetMarksEveryHint) {
    TProfile profile;
    profile.Init("Hal");
    profile.HintsSet(1);
    EXPECT_EQ(profile.ShowHint(0, 0), 0);
    EXPECT_EQ(profile.ShowHint(99, 0), 0);
    profile.ClearHints();
    EXPECT_EQ(profile.ShowHint(99, 0), 1);
}

// ---- Writing safely --------------------------------------------------------------------------------

TEST_F(ProfileTest, ASaveThatFailsMidwayLeavesTheOldFileWhole) {
    TProfile profile;
    profile.Init("Sam");
    FillUnusual(profile);
    ASSERT_EQ(profile.Save(), 1);
    const auto before = fixture.Bytes("Sam.dat");
    profile.Score = 1;
    profile.SaveUserFunction = [](platform::ByteWriter& out) -> int {
        out.WriteInt32(1);
        throw std::runtime_error("disk gone");
    };
    EXPECT_EQ(profile.Save(), 0);
    EXPECT_EQ(fixture.Bytes("Sam.dat"), before);
    EXPECT_EQ(fixture.FolderNames(), std::vector<std::string>{"Sam.dat"}) << "no temporary file is left";
}

TEST_F(ProfileTest, ASaveThatFailsForGoodIsReportedOnceAfterFiveTries) {
    fixture.game().ProfilePath = fixture.ProfileFolder() + "gone/";
    TProfile profile;
    profile.Init("Sam");
    const uint32_t start = fixture.Now();
    EXPECT_EQ(profile.Save(), 0);
    EXPECT_EQ(fixture.Now() - start, 800u) << "four pauses of 200 ms between five tries";
    ASSERT_EQ(fixture.Messages().size(), 1u);
    EXPECT_EQ(fixture.Messages()[0].rfind("Murkwell: Could not save profile! ", 0), 0u);
    EXPECT_NE(fixture.Messages()[0].find("gone/Sam.dat"), std::string::npos) << "it names the file";
    EXPECT_NE(fixture.ErrorLog().find("Could not save profile!"), std::string::npos);
}

TEST_F(ProfileTest, InADebugBuildAFailedSaveEndsTheProgramAtTheFirstTry) {
    DebugBuild = 1;
    fixture.game().ProfilePath = fixture.ProfileFolder() + "gone/";
    TProfile profile;
    profile.Init("Sam");
    const uint32_t start = fixture.Now();
    EXPECT_THROW(profile.Save(), FatalMessage);
    EXPECT_EQ(fixture.Now(), start) << "not tried again";
    EXPECT_EQ(fixture.Messages(), std::vector<std::string>{"Murkwell: Could not create file '" +
                                                           fixture.ProfileFolder() + "gone/Sam.dat'"});

    fixture.game().ProfilePath = fixture.ProfileFolder();
    profile.SaveUserFunction = [](platform::ByteWriter&) -> int { throw std::runtime_error("disk gone"); };
    EXPECT_THROW(profile.Save(), FatalMessage);
    EXPECT_EQ(fixture.Messages().back(), "Murkwell: Could not save profile!");
}

// ---- Damaged files ---------------------------------------------------------------------------------

TEST_F(ProfileTest, InADebugBuildAFileThatCannotBeReadEndsTheProgramAtTheFirstTry) {
    DebugBuild = 1;
    fixture.WriteBytes("Eve.dat", {1, 2});
    TProfile profile;
    profile.Init("Eve");
    const uint32_t start = fixture.Now();
    EXPECT_THROW(profile.Load(), FatalMessage);
    EXPECT_EQ(fixture.Now(), start);
    EXPECT_EQ(fixture.Messages(), std::vector<std::string>{"Murkwell: Could not load profile!"});
    EXPECT_EQ(fixture.Bytes("Eve.dat"), (std::vector<uint8_t>{1, 2})) << "left where it was";
}

TEST_F(ProfileTest, AnEmptyFileIsTriedFiveTimesThenSetAside) {
    fixture.WriteBytes("Eve.dat", {});
    TProfile profile;
    profile.Init("Eve");
    const uint32_t start = fixture.Now();
    EXPECT_EQ(profile.Load(), 0);
    EXPECT_EQ(fixture.Now() - start, 800u);
    EXPECT_EQ(profile.loadingError, 0) << "too short is a read error, not corruption";
    ASSERT_EQ(fixture.Messages().size(), 2u);
    EXPECT_EQ(fixture.Messages()[0], "Murkwell: Profile Eve failed to load");
    EXPECT_EQ(fixture.Messages()[1],
              "Murkwell: Profile Eve could not be restored. The damaged file was kept as '" +
                  fixture.PathOf("Eve.bad") + "'.");
    EXPECT_FALSE(files::Exists(fixture.PathOf("Eve.dat")));
    EXPECT_TRUE(files::IsFile(fixture.PathOf("Eve.bad")));
}

TEST_F(ProfileTest, ALoadNeverCarriesAnotherPlayersValues) {
    TProfile profile;
    profile.Init("Ann");
    FillUnusual(profile);
    ASSERT_EQ(profile.Save(), 1);

    // The same object is reused for the next player, as the player list does.
    profile.Name = "Bob";
    ASSERT_EQ(profile.Load(), 1) << "no file: a new player";
    TProfile fresh;
    fresh.Init("Bob");
    ExpectSameFields(profile, fresh);
    ASSERT_EQ(profile.Load(), 1);
    ExpectSameFields(profile, fresh);

    profile.Name = "Ann";
    ASSERT_EQ(profile.Load(), 1);
    fixture.WriteBytes("Cy.dat", std::vector<uint8_t>(440, 0));
    profile.Name = "Cy";
    EXPECT_EQ(profile.Load(), 0);
    ExpectSameFields(profile, fresh);
}

TEST_F(ProfileTest, ADamagedFileIsSetAsideBeforeTheNextSave) {
    const std::vector<uint8_t> zeros(440, 0);
    fixture.WriteBytes("Dan.dat", zeros);
    TProfile profile;
    profile.Init("Dan");
    EXPECT_EQ(profile.Load(), 0);
    ASSERT_EQ(profile.Save(), 1);
    EXPECT_EQ(fixture.Bytes("Dan.bad"), zeros);
    EXPECT_EQ(UIntAt(fixture.Bytes("Dan.dat"), 0), kBase + 1);
}

TEST_F(ProfileTest, AnEarlierBadCopyIsNeverReplaced) {
    fixture.WriteBytes("Dan.bad", {1, 2, 3});
    fixture.WriteBytes("Dan.bad2", {4, 5, 6});
    fixture.WriteBytes("Dan.dat", std::vector<uint8_t>(440, 0));
    TProfile profile;
    profile.Init("Dan");
    EXPECT_EQ(profile.Load(), 0);
    EXPECT_EQ(fixture.Bytes("Dan.bad"), (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_EQ(fixture.Bytes("Dan.bad2"), (std::vector<uint8_t>{4, 5, 6}));
    EXPECT_EQ(fixture.Bytes("Dan.bad3").size(), 440u);
}

TEST_F(ProfileTest, AProfileThatExistsButCannotBeReadIsNotTakenForANewPlayer) {
    std::string error;
    ASSERT_TRUE(files::CreateFolders(fixture.PathOf("Dir.dat"), error));
    TProfile profile;
    profile.Init("Dir");
    EXPECT_EQ(profile.Load(), 0);
    ASSERT_FALSE(fixture.Messages().empty());
    EXPECT_EQ(fixture.Messages()[0], "Murkwell: Profile Dir failed to load");
    EXPECT_TRUE(files::IsFolder(fixture.PathOf("Dir.bad"))) << "set aside as it was";
}

// ---- The backup copy -------------------------------------------------------------------------------

TEST_F(ProfileTest, TheBackupHoldsTheSameBytesUnderItsOwnExtension) {
    TProfile profile;
    profile.Init("Bea");
    FillUnusual(profile);
    ASSERT_EQ(profile.Save(), 1);
    ASSERT_EQ(profile.Backup(), 1);
    EXPECT_EQ(fixture.Bytes("Bea.backup"), fixture.Bytes("Bea.dat"));
    EXPECT_EQ(ProfileExtension, "dat");
}

TEST_F(ProfileTest, BackupPutsTheExtensionBackEvenWhenItsSaveFails) {
    fixture.game().ProfilePath = fixture.ProfileFolder() + "gone/";
    TProfile profile;
    profile.Init("Bea");
    EXPECT_EQ(profile.Backup(), 0);
    EXPECT_EQ(ProfileExtension, "dat");

    DebugBuild = 1;
    EXPECT_THROW(profile.Backup(), FatalMessage);
    EXPECT_EQ(ProfileExtension, "dat");
}

TEST_F(ProfileTest, ADamagedFileFallsBackToTheBackupAndIsKept) {
    UseProfileBackup = 1;
    TProfile profile;
    profile.Init("Bea");
    FillUnusual(profile);
    ASSERT_EQ(profile.Save(), 1);
    ASSERT_EQ(profile.Backup(), 1);
    const std::vector<uint8_t> zeros(440, 0);
    fixture.WriteBytes("Bea.dat", zeros);

    TProfile loaded;
    loaded.Init("Bea");
    ASSERT_EQ(loaded.Load(), 1);
    ExpectSameFields(profile, loaded);
    EXPECT_EQ(fixture.Bytes("Bea.bad"), zeros);
    EXPECT_EQ(fixture.Bytes("Bea.dat"), fixture.Bytes("Bea.backup"));
    EXPECT_EQ(fixture.Messages(),
              (std::vector<std::string>{"Murkwell: Profile Bea is corrupt: First int was 0.",
                                        "Murkwell: Loaded backup profile."}));
}

TEST_F(ProfileTest, WithoutABackupFileLoadBackupDoesNothing) {
    fixture.WriteBytes("Bea.dat", {1, 2, 3});
    TProfile profile;
    profile.Init("Bea");
    EXPECT_EQ(profile.LoadBackup(), 0);
    EXPECT_EQ(fixture.FolderNames(), std::vector<std::string>{"Bea.dat"});
}

TEST_F(ProfileTest, ADamagedBackupLeavesTheLoadFailed) {
    UseProfileBackup = 1;
    fixture.WriteBytes("Bea.dat", std::vector<uint8_t>(440, 0));
    fixture.WriteBytes("Bea.backup", {9, 9});
    TProfile profile;
    profile.Init("Bea");
    EXPECT_EQ(profile.Load(), 0);
    EXPECT_EQ(fixture.Bytes("Bea.bad").size(), 440u) << "the damaged profile is kept";
    EXPECT_EQ(fixture.Bytes("Bea.backup"), (std::vector<uint8_t>{9, 9})) << "the backup is left alone";
    EXPECT_EQ(fixture.Messages().back(),
              "Murkwell: Profile Bea could not be restored. The damaged file was kept as '" +
                  fixture.PathOf("Bea.bad") + "'.");
}

}  // namespace
