// Saving survives being killed at any moment: a child process saves the profile and its backup over and
// over with changing values, and is killed at random moments. After every kill the profile loads, and
// both files hold every value of one save, never a mix or a cut.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <random>
#include <thread>

#include "framework/profile/Profile.h"
#include "game/save/ProfileHooks.h"
#include "game/save/SaveData.h"
#include "tests/framework/profile/ProfileTestSupport.h"
#include "tests/game/save/SaveDataTestSupport.h"

#ifndef MURKWELL_CRASH_KILLS
#define MURKWELL_CRASH_KILLS 30
#endif
// The test's name tells the long run from the short one.
#define MURKWELL_KILL_TEST(kills) Killed##kills##TimesTheFilesStayWhole
#define MURKWELL_KILL_TEST_NAME(kills) MURKWELL_KILL_TEST(kills)

namespace {

using murkwell::test::ProfileFixture;
using murkwell::test::SaveDataWorld;
using Clock = std::chrono::steady_clock;

constexpr int kKills = MURKWELL_CRASH_KILLS;
constexpr int kRoundStride = 100000;  // save n of kill k writes the values of k * stride + n
constexpr uint32_t kSeed = 20261208;

class ProfileCrashTest : public ::testing::Test {
protected:
    void SetUp() override {
        InstallProfileHooks();
        profile = TProfile::Create("Tom");
        AttachSaveData(*profile);
    }

    // Every value of save n follows from n (and from nothing else), so that a file mixing two saves is
    // noticed.
    void Fill(TProfile& p, int n) {
        p.CurrentLevel = 1 + n % 100;
        p.LockedLevel = 2 + n % 99;
        p.Score = n * 7;
        p.Lives = n % 5;
        p.Kills = n;
        p.TimeTaken = n * 0.5;
        p.Difficulty = n % 3;
        p.TipsFlag = n % 2;
        p.InstructionsFlag = n / 2 % 2;
        for (int i = 0; i < TProfile::MAX_HINTS; ++i) p.HintsShown[i] = (n >> (i % 20)) & 1;
        SaveData.gaugeLevel = n;
        SaveData.showTips = n % 2;
        SaveData.timer = n / 3 % 2;
        SaveData.bombBonusLevels.fill(1);  // what every load leaves there
        SaveData.hudBonusLevels.fill(1);
        SaveData.goldCollected = n * 3;
        for (int id = 0; id <= SHOP_ITEM_COUNT; ++id) SaveData.shopPurchases[id] = (n + id) % 3;
        for (int slot = 0; slot < TSaveData::POWERUPS; ++slot) world.charges[slot] = (n + slot) % 10;
    }
    std::vector<uint8_t> BytesOfSave(int n) {
        TProfile p;
        p.Init("Tom");
        AttachSaveData(p);
        Fill(p, n);
        platform::ByteWriter out;
        p.WriteTo(out);
        return out.Bytes();
    }
    // The save whose values the bytes hold whole; -1 when they hold no single save.
    int SaveHeldBy(const std::vector<uint8_t>& bytes) {
        TProfile p;
        p.Init("Tom");
        AttachSaveData(p);
        platform::ByteReader in(bytes);
        if (p.ReadFrom(in) != TProfile::ReadResult::Loaded) return -1;
        return BytesOfSave(p.Kills) == bytes ? p.Kills : -1;
    }
    // How long one save with its backup takes here, so that the kills fall inside saves.
    Clock::duration TimeOfOneRound() {
        const auto start = Clock::now();
        for (int n = 1; n <= 5; ++n) {
            Fill(*profile, n);
            profile->Save();
            profile->Backup();
        }
        return (Clock::now() - start) / 5;
    }

    ProfileFixture fixture;
    SaveDataWorld world;
    std::shared_ptr<TProfile> profile;
};

TEST_F(ProfileCrashTest, MURKWELL_KILL_TEST_NAME(MURKWELL_CRASH_KILLS)) {
    Fill(*profile, 0);
    ASSERT_EQ(profile->Save(), 1);
    ASSERT_EQ(profile->Backup(), 1);
    const auto round = TimeOfOneRound();
    std::mt19937 random(kSeed);
    // From before the child's first save to a few saves in.
    std::uniform_int_distribution<long long> delay(
        0, std::chrono::duration_cast<std::chrono::microseconds>(round * 4).count() + 2000);

    int lastProfile = SaveHeldBy(fixture.Bytes("Tom.dat"));
    int lastBackup = SaveHeldBy(fixture.Bytes("Tom.backup"));
    int killsAfterASave = 0;
    for (int kill = 1; kill <= kKills; ++kill) {
        const int first = kill * kRoundStride;
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int n = first; n < first + kRoundStride && ::getppid() != 1; ++n) {
                Fill(*profile, n);
                profile->Save();
                if (n % 2 == 1) profile->Backup();
            }
            ::_exit(0);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the child ran out of saves before the kill";

        const size_t messages = fixture.Messages().size();
        auto loaded = TProfile::Create("Tom");
        AttachSaveData(*loaded);
        ASSERT_EQ(loaded->Load(), 1) << "kill " << kill;
        EXPECT_EQ(fixture.Messages().size(), messages) << "nothing was found damaged after kill " << kill;

        const int inProfile = SaveHeldBy(fixture.Bytes("Tom.dat"));
        const int inBackup = SaveHeldBy(fixture.Bytes("Tom.backup"));
        ASSERT_EQ(loaded->Kills, inProfile) << "kill " << kill;
        const auto written = [&](int n, int last) {
            return n == last || (n >= first && n < first + kRoundStride);
        };
        ASSERT_TRUE(written(inProfile, lastProfile))
            << "profile after kill " << kill << " holds " << inProfile;
        ASSERT_TRUE(written(inBackup, lastBackup)) << "backup after kill " << kill << " holds " << inBackup;
        if (inProfile != lastProfile) ++killsAfterASave;
        lastProfile = inProfile;
        lastBackup = inBackup;
    }
    // A kill between creating a temporary file and renaming it leaves that file behind, beside whole ones.
    int leftovers = 0;
    for (const std::string& name : fixture.FolderNames()) leftovers += name.find(".tmp") != std::string::npos;
    std::printf(
        "%d kills, %d after the child had saved at least once, %d temporary files left; one save and "
        "backup take %lld us\n",
        kKills, killsAfterASave, leftovers,
        static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(round).count()));
}

}  // namespace
