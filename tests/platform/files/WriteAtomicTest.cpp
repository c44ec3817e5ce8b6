#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <set>
#include <vector>

#include "platform/files/Files.h"
#include "tests/support/TempFolder.h"

namespace files = platform::files;
using murkwell::test::ReadText;
using murkwell::test::TempFolder;
using murkwell::test::WriteText;

namespace {

std::set<std::string> NamesIn(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

class WriteAtomicTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.Ok()); }
    TempFolder dir_;
    std::string error_;
};

TEST_F(WriteAtomicTest, CreatesTheTargetWithTheBytesGiven) {
    const std::string target = dir_ / "save.dat";
    const std::vector<uint8_t> bytes = {0, 1, 2, 0xFF, 0, '\n', '\r'};
    ASSERT_TRUE(files::WriteAtomic(target, bytes, error_)) << error_;
    EXPECT_EQ(ReadText(target), std::string(bytes.begin(), bytes.end()));
}

TEST_F(WriteAtomicTest, ReplacesALongerTargetWhole) {
    const std::string target = dir_ / "save.dat";
    WriteText(target, std::string(10000, 'x'));
    ASSERT_TRUE(files::WriteAtomic(target, std::string("new"), error_)) << error_;
    EXPECT_EQ(ReadText(target), "new");
    ASSERT_TRUE(files::WriteAtomic(target, std::string(), error_)) << error_;
    EXPECT_TRUE(files::IsFile(target));
    EXPECT_EQ(ReadText(target), "");
}

TEST_F(WriteAtomicTest, LeavesNoTemporaryFilesBehind) {
    for (int i = 0; i < 20; ++i) {
        ASSERT_TRUE(files::WriteAtomic(dir_ / "save.dat", "version " + std::to_string(i), error_)) << error_;
        ASSERT_TRUE(files::WriteAtomic(dir_ / "settings.ini", std::string(i * 1000, 's'), error_)) << error_;
    }
    EXPECT_EQ(NamesIn(dir_.Path()), (std::set<std::string>{"save.dat", "settings.ini"}));
    EXPECT_EQ(ReadText(dir_ / "save.dat"), "version 19");
}

TEST_F(WriteAtomicTest, WritesARelativePathInTheWorkingFolder) {
    murkwell::test::ScopedWorkingFolder here(dir_.Path());
    ASSERT_TRUE(here.Ok());
    ASSERT_TRUE(files::WriteAtomic("save.dat", std::string("relative"), error_)) << error_;
    EXPECT_EQ(ReadText(dir_ / "save.dat"), "relative");
    EXPECT_EQ(NamesIn(dir_.Path()), std::set<std::string>{"save.dat"});
}

TEST_F(WriteAtomicTest, FailsInAMissingFolderNamingThePath) {
    const std::string target = dir_ / "missing/save.dat";
    EXPECT_FALSE(files::WriteAtomic(target, std::string("data"), error_));
    EXPECT_NE(error_.find(target), std::string::npos) << error_;
    EXPECT_FALSE(files::Exists(dir_ / "missing"));
}

TEST_F(WriteAtomicTest, FailsOnAFolderInTheWayAndLeavesIt) {
    const std::string target = dir_ / "save.dat";
    ASSERT_EQ(::mkdir(target.c_str(), 0755), 0);
    WriteText(target + "/inside", "kept");
    EXPECT_FALSE(files::WriteAtomic(target, std::string("data"), error_));
    EXPECT_NE(error_.find(target), std::string::npos) << error_;
    EXPECT_EQ(ReadText(target + "/inside"), "kept");
    EXPECT_EQ(NamesIn(dir_.Path()), std::set<std::string>{"save.dat"});
}

TEST_F(WriteAtomicTest, FailsInAReadOnlyFolderAndLeavesTheOldFileUntouched) {
    const std::string folder = dir_ / "locked";
    const std::string target = folder + "/save.dat";
    ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
    WriteText(target, "old save");
    ASSERT_EQ(::chmod(folder.c_str(), 0555), 0);
    if (::access(folder.c_str(), W_OK) == 0) {
        GTEST_SKIP() << "this user (root or one with CAP_DAC_OVERRIDE) writes through permission bits";
    }
    EXPECT_FALSE(files::WriteAtomic(target, std::string("new save"), error_));
    EXPECT_NE(error_.find(target), std::string::npos) << error_;
    EXPECT_EQ(ReadText(target), "old save");
    EXPECT_EQ(NamesIn(folder), std::set<std::string>{"save.dat"});
}

// Large, distinct contents, each carrying its own number, so that any mix of two versions or a cut-off
// one is told apart from a whole one.
std::vector<uint8_t> Version(uint64_t number) {
    std::vector<uint8_t> bytes(512 * 1024 + (number % 7) * 4099);
    std::memcpy(bytes.data(), &number, sizeof number);
    uint64_t x = number * 0x9E3779B97F4A7C15ull + 1;
    for (size_t i = sizeof number; i < bytes.size(); ++i) {
        x ^= x << 13, x ^= x >> 7, x ^= x << 17;
        bytes[i] = static_cast<uint8_t>(x);
    }
    return bytes;
}

bool IsWholeVersion(const std::vector<uint8_t>& bytes) {
    uint64_t number;
    if (bytes.size() < sizeof number) return false;
    std::memcpy(&number, bytes.data(), sizeof number);
    return bytes == Version(number);
}

// The writer is killed at a different moment of its work in each round; whatever the moment, the save
// must be one whole version and nothing but the target and leftover temporary files may be in the folder.
TEST_F(WriteAtomicTest, AProcessKilledWhileWritingLeavesOneWholeVersion) {
    const std::string target = dir_ / "save.dat";
    ASSERT_TRUE(files::WriteAtomic(target, Version(0), error_)) << error_;

    constexpr int kRounds = 8;
    for (int round = 0; round < kRounds; ++round) {
        int done[2];
        ASSERT_EQ(::pipe(done), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(done[0]);
            ::alarm(60);
            std::string error;
            for (uint64_t n = (round + 1) * 1000000ull;; ++n) {
                if (!files::WriteAtomic(target, Version(n), error)) ::_exit(2);
                const char tick = 1;
                if (::write(done[1], &tick, 1) != 1) ::_exit(3);
            }
        }
        ::close(done[1]);
        char tick;
        for (int i = 0; i < 2 + round % 3; ++i)
            ASSERT_EQ(::read(done[0], &tick, 1), 1) << "writer stopped early";
        ::usleep(static_cast<useconds_t>(round * 1300));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ::close(done[0]);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer ended by itself with status " << WEXITSTATUS(status);

        std::vector<uint8_t> bytes;
        ASSERT_TRUE(files::ReadAll(target, bytes, error_)) << error_;
        ASSERT_TRUE(IsWholeVersion(bytes)) << "round " << round << ": " << bytes.size() << " bytes";
    }
    for (const std::string& name : NamesIn(dir_.Path())) {
        EXPECT_TRUE(name == "save.dat" || name.starts_with("save.dat.tmp")) << name;
    }
}

}  // namespace
