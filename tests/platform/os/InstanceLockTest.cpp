#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/files/Files.h"
#include "platform/os/InstanceLock.h"
#include "tests/support/TempFolder.h"

using platform::InstanceLock;
using Result = platform::InstanceLock::Result;

namespace {

class InstanceLockTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.Ok()); }

    // Starts a process that takes the lock and holds it until it is killed; returns once it holds it.
    pid_t StartHolder() {
        int ready[2];
        if (::pipe(ready) != 0) return -1;
        const pid_t child = ::fork();
        if (child == 0) {
            ::close(ready[0]);
            ::alarm(30);
            Result result;
            std::string error;
            const auto lock = InstanceLock::Acquire(path_, result, error);
            if (result != Result::Acquired) ::_exit(1);
            const char held = 1;
            if (::write(ready[1], &held, 1) != 1) ::_exit(2);
            for (;;) ::pause();
        }
        ::close(ready[1]);
        char held = 0;
        const bool ok = child > 0 && ::read(ready[0], &held, 1) == 1;
        ::close(ready[0]);
        return ok ? child : -1;
    }

    // What a fresh process gets when it asks for the lock.
    Result TryInAnotherProcess() {
        const pid_t child = ::fork();
        if (child == 0) {
            Result result;
            std::string error;
            InstanceLock::Acquire(path_, result, error);
            ::_exit(static_cast<int>(result));
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        return WIFEXITED(status) ? static_cast<Result>(WEXITSTATUS(status)) : Result::Failed;
    }

    murkwell::test::TempFolder dir_;
    const std::string path_ = dir_ / "murkwell.lock";
    Result result_ = Result::Failed;
    std::string error_;
};

TEST_F(InstanceLockTest, IsHeldElsewhereWhileAnotherProcessHoldsIt) {
    const pid_t holder = StartHolder();
    ASSERT_GT(holder, 0);
    EXPECT_EQ(InstanceLock::Acquire(path_, result_, error_), nullptr);
    EXPECT_EQ(result_, Result::HeldElsewhere);

    ::kill(holder, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(holder, &status, 0), holder);
    ASSERT_TRUE(WIFSIGNALED(status));

    const auto lock = InstanceLock::Acquire(path_, result_, error_);
    EXPECT_EQ(result_, Result::Acquired) << error_;
    EXPECT_NE(lock, nullptr);
}

TEST_F(InstanceLockTest, IsFreedWhenTheHolderEndsNormally) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        Result result;
        std::string error;
        const auto lock = InstanceLock::Acquire(path_, result, error);
        ::_exit(result == Result::Acquired ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_NE(InstanceLock::Acquire(path_, result_, error_), nullptr);
    EXPECT_EQ(result_, Result::Acquired) << error_;
}

TEST_F(InstanceLockTest, KeepsOtherProcessesOutUntilReleased) {
    auto lock = InstanceLock::Acquire(path_, result_, error_);
    ASSERT_EQ(result_, Result::Acquired) << error_;
    EXPECT_TRUE(platform::files::IsFile(path_)) << "the lock file is created";
    EXPECT_EQ(TryInAnotherProcess(), Result::HeldElsewhere);
    EXPECT_EQ(InstanceLock::Acquire(path_, result_, error_), nullptr);
    EXPECT_EQ(result_, Result::HeldElsewhere) << "a second acquire in the same process is refused too";

    lock.reset();
    EXPECT_EQ(TryInAnotherProcess(), Result::Acquired);
}

TEST_F(InstanceLockTest, FailsInAMissingFolderNamingThePath) {
    const std::string path = dir_ / "missing/murkwell.lock";
    EXPECT_EQ(InstanceLock::Acquire(path, result_, error_), nullptr);
    EXPECT_EQ(result_, Result::Failed);
    EXPECT_NE(error_.find(path), std::string::npos) << error_;
}

}  // namespace
