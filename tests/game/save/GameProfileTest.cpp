// A player's profile file as the game writes it: the framework's part followed by the save data's block,
// damaged files and the backup copy.
#include <gtest/gtest.h>

#include "framework/core/Game.h"
#include "framework/profile/Profile.h"
#include "framework/profile/ProfileFiles.h"
#include "game/save/ProfileHooks.h"
#include "game/save/SaveData.h"
#include "tests/framework/profile/ProfileTestSupport.h"
#include "tests/game/save/SaveDataTestSupport.h"

namespace {

using murkwell::test::IntAt;
using murkwell::test::ProfileFixture;
using murkwell::test::SaveDataWorld;
namespace files = platform::files;

constexpr size_t kGameBlock = 440;  // where the save data's block starts
constexpr size_t kFileSize = 696;

class GameProfileTest : public ::testing::Test {
protected:
    void SetUp() override { InstallProfileHooks(); }

    // A profile as the game makes the current one: fresh save data, the block hooks installed.
    std::shared_ptr<TProfile> Make(const std::string& name) {
        auto profile = TProfile::Create(name);
        AttachSaveData(*profile);
        return profile;
    }
    // A saved profile with its backup: hints 0 to 9 alternate, 300 gold, item 24 bought.
    void SavedWithBackup(const std::string& name) {
        auto profile = Make(name);
        profile->Score = 1500;
        for (int i = 0; i < 10; ++i) profile->HintsShown[i] = i % 2;
        SaveData.goldCollected = 300;
        SaveData.shopPurchases[24] = ShopItem::PURCHASED;
        ASSERT_EQ(profile->Save(), 1);
        ASSERT_EQ(profile->Backup(), 1);
    }

    ProfileFixture fixture;
    SaveDataWorld world;
};

TEST_F(GameProfileTest, ANewNameWritesA696ByteFileThatStartsWithTheBasePlusOne) {
    world.timed = 1;
    auto profile = Make("Tom");
    ASSERT_EQ(profile->Load(), 1);
    const auto bytes = fixture.Bytes("Tom.dat");
    ASSERT_EQ(bytes.size(), kFileSize);
    const uint32_t first = TProfile::PROFILE_BASE + 1;
    EXPECT_EQ(bytes[0], first & 0xFF);
    EXPECT_EQ(bytes[1], (first >> 8) & 0xFF);
    EXPECT_EQ(bytes[2], (first >> 16) & 0xFF);
    EXPECT_EQ(bytes[3], first >> 24);
    EXPECT_EQ(IntAt(bytes, kGameBlock + 4), 1) << "tips shown";
    EXPECT_EQ(IntAt(bytes, kGameBlock + 8), 1) << "the timed mode chosen for the new player";
    for (size_t at = kGameBlock + 12; at < kFileSize; at += 4) EXPECT_EQ(IntAt(bytes, at), 0) << at;
    EXPECT_TRUE(fixture.Messages().empty());
}

TEST_F(GameProfileTest, EveryFieldAndTheSaveDataSurviveARoundTrip) {
    auto saved = Make("Ann");
    saved->CurrentLevel = 42;
    saved->LockedLevel = 57;
    saved->Score = 123456;
    saved->Lives = 2;
    saved->Kills = 999;
    saved->TimeTaken = 3600.25;
    saved->Difficulty = 1;
    saved->TipsFlag = 0;
    saved->InstructionsFlag = 0;
    saved->HintsShown[5] = saved->HintsShown[80] = saved->HintsShown[99] = 1;
    SaveData.gaugeLevel = 6;
    SaveData.showTips = 0;
    SaveData.timer = 1;
    SaveData.goldCollected = 2500;
    for (int id = 1; id <= 40; ++id) SaveData.shopPurchases[id] = id % 3;
    world.charges = {3, 14, 0, 20, 1, 29};
    ASSERT_EQ(saved->Save(), 1);
    const TSaveData written = SaveData;
    const auto charges = world.charges;

    world.charges = {};
    auto loaded = Make("Ann");
    ASSERT_EQ(loaded->Load(), 1);
    EXPECT_EQ(loaded->CurrentLevel, 42);
    EXPECT_EQ(loaded->LockedLevel, 57);
    EXPECT_EQ(loaded->Score, 123456);
    EXPECT_EQ(loaded->Lives, 2);
    EXPECT_EQ(loaded->Kills, 999);
    EXPECT_EQ(loaded->TimeTaken, 3600.25);
    EXPECT_EQ(loaded->Difficulty, 1);
    EXPECT_EQ(loaded->TipsFlag, 0);
    EXPECT_EQ(loaded->InstructionsFlag, 0);
    EXPECT_EQ(loaded->HintsShown, saved->HintsShown);
    EXPECT_EQ(SaveData.gaugeLevel, 6);
    EXPECT_EQ(SaveData.showTips, 0);
    EXPECT_EQ(SaveData.timer, 1);
    EXPECT_EQ(SaveData.goldCollected, 2500);
    EXPECT_EQ(SaveData.shopPurchases, written.shopPurchases);
    EXPECT_EQ(world.charges, charges);
    EXPECT_EQ(fixture.Bytes("Ann.dat").size(), kFileSize);
}

TEST_F(GameProfileTest, ZeroBytesAreReportedCorruptThenTheBackupIsUsedAndTheBadCopyKept) {
    SavedWithBackup("Tom");
    const std::vector<uint8_t> zeros(kFileSize, 0);
    fixture.WriteBytes("Tom.dat", zeros);

    auto profile = Make("Tom");
    const uint32_t start = fixture.Now();
    ASSERT_EQ(profile->Load(), 1);
    EXPECT_EQ(fixture.Now(), start) << "corruption is not retried";
    EXPECT_EQ(fixture.Messages(),
              (std::vector<std::string>{"Murkwell: Profile Tom is corrupt: First int was 0.",
                                        "Murkwell: Loaded backup profile."}));
    EXPECT_EQ(fixture.Bytes("Tom.bad"), zeros);
    EXPECT_EQ(fixture.Bytes("Tom.dat"), fixture.Bytes("Tom.backup"));
    EXPECT_EQ(profile->Score, 1500);
    EXPECT_EQ(SaveData.goldCollected, 300);
    EXPECT_EQ(SaveData.shopPurchases[24], ShopItem::PURCHASED);
    const std::string log = fixture.ErrorLog();
    EXPECT_NE(log.find("Profile Tom is corrupt: First int was 0."), std::string::npos);
    EXPECT_NE(log.find("Loaded backup profile."), std::string::npos);
}

TEST_F(GameProfileTest, AFileCutInsideTheHintsKeepsTheHintsReadThenTriesFiveTimes) {
    SavedWithBackup("Tom");
    auto bytes = fixture.Bytes("Tom.dat");
    bytes.resize(40 + 10 * 4);  // the counters, the flags and hints 0 to 9
    fixture.WriteBytes("Tom.dat", bytes);
    std::string error;
    ASSERT_TRUE(files::Delete(fixture.PathOf("Tom.backup"), error));

    auto profile = Make("Tom");
    const uint32_t start = fixture.Now();
    EXPECT_EQ(profile->Load(), 0);
    EXPECT_EQ(fixture.Now() - start, 800u) << "five tries, 200 ms apart";
    for (int i = 0; i < 10; ++i) EXPECT_EQ(profile->HintsShown[i], i % 2) << "hint " << i;
    EXPECT_EQ(profile->Score, 1500);
    ASSERT_FALSE(fixture.Messages().empty());
    EXPECT_EQ(fixture.Messages()[0], "Murkwell: Profile Tom failed to load");
    EXPECT_EQ(fixture.Bytes("Tom.bad"), bytes) << "kept aside before anything saves over it";
}

TEST_F(GameProfileTest, AFileCutInsideTheHintsFallsBackToTheBackupAfterTheTries) {
    SavedWithBackup("Tom");
    auto bytes = fixture.Bytes("Tom.dat");
    bytes.resize(40 + 7 * 4);
    fixture.WriteBytes("Tom.dat", bytes);

    SaveData = TSaveData();
    world.Link(SaveData);
    auto profile = Make("Tom");
    const uint32_t start = fixture.Now();
    ASSERT_EQ(profile->Load(), 1);
    EXPECT_EQ(fixture.Now() - start, 800u);
    EXPECT_EQ(fixture.Messages(), (std::vector<std::string>{"Murkwell: Profile Tom failed to load",
                                                            "Murkwell: Loaded backup profile."}));
    for (int i = 0; i < 10; ++i) EXPECT_EQ(profile->HintsShown[i], i % 2);
    EXPECT_EQ(SaveData.goldCollected, 300);
    EXPECT_EQ(fixture.Bytes("Tom.bad"), bytes);
}

TEST_F(GameProfileTest, ALoadNeverLeaksThePreviousPlayersSaveData) {
    auto profile = Make("Ann");
    SaveData.goldCollected = 500;
    SaveData.shopPurchases[1] = ShopItem::PURCHASED;
    ASSERT_EQ(profile->Save(), 1);

    // The player list reuses the current object for the chosen player.
    fixture.WriteBytes("Bob.dat", std::vector<uint8_t>(kFileSize, 0));
    profile->Name = "Bob";
    EXPECT_EQ(profile->Load(), 0);
    EXPECT_EQ(SaveData.goldCollected, 0);
    EXPECT_EQ(SaveData.shopPurchases[1], ShopItem::UNAVAILABLE);
    EXPECT_TRUE(files::IsFile(fixture.PathOf("Bob.bad")));

    profile->Name = "Ann";
    ASSERT_EQ(profile->Load(), 1);
    EXPECT_EQ(SaveData.goldCollected, 500);
    profile->Name = "Cy";
    ASSERT_EQ(profile->Load(), 1);
    EXPECT_EQ(IntAt(fixture.Bytes("Cy.dat"), kGameBlock + 57 * 4), 0) << "a new player starts without gold";
}

TEST_F(GameProfileTest, ClosingTheWindowDuringALevelSavesTheCurrentPlayer) {
    fixture.game().CurrentProfile = Make("Tom");
    SaveData.goldCollected = 5;
    ASSERT_TRUE(fixture.game().SaveCurrentProfileFunction);
    EXPECT_EQ(fixture.game().SaveCurrentProfileFunction(), 1);
    EXPECT_EQ(IntAt(fixture.Bytes("Tom.dat"), kGameBlock + 57 * 4), 5);
}

}  // namespace
