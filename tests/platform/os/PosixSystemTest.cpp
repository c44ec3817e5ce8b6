#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include "platform/os/PosixSystem.h"

namespace {

TEST(PosixSystem, ReportsLinux) {
    EXPECT_EQ(platform::PosixSystem().OSVersion(), "Linux");
}

TEST(PosixSystem, ShowMessageWritesTitleAndTextToStandardError) {
    testing::internal::CaptureStderr();
    platform::PosixSystem().ShowMessage("Murkwell", "The save file is damaged.");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Murkwell: The save file is damaged.\n");
}

// In a child process, so that a raised priority cannot leak into the rest of the run.
TEST(PosixSystem, SetPriorityIsBestEffortAndNormalRestoresTheStartingNice) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        errno = 0;
        const int start = ::getpriority(PRIO_PROCESS, 0);
        if (start != 0 || errno != 0) ::_exit(0);  // started niced: nothing to compare against
        platform::PosixSystem system;
        system.SetPriority(2, 2);
        system.SetPriority(1, 0);
        system.SetPriority(0, 0);
        ::_exit(::getpriority(PRIO_PROCESS, 0) == 0 ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

}  // namespace
