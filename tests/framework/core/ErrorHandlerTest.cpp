#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <csignal>

#include "GameTestSupport.h"
#include "framework/core/Checked.h"
#include "framework/core/ErrorHandler.h"
#include "framework/core/Messages.h"
#include "platform/files/Files.h"
#include "platform/os/FatalSignals.h"

namespace {

TEST(ErrorHandler, RuntimeErrorsCarryTheStartupStage) {
    StartupStage = 950;
    EXPECT_EQ(ErrorHandlerText(RuntimeError("Attempt to access field of null object")),
              "(950) Attempt to access field of null object");
    StartupStage = 0;
    EXPECT_EQ(ErrorHandlerText(RuntimeError("Array index out of bounds")), "Array index out of bounds");
    StartupStage = 919;
    EXPECT_EQ(ErrorHandlerText(std::runtime_error("disk full")), "disk full")
        << "other errors show as they are";
    StartupStage = 0;
}

TEST(ErrorHandler, AnIndexOutsideItsArrayIsARuntimeErrorWithItsStage) {
    std::array<int, 3> values{7, 8, 9};
    EXPECT_EQ(CheckedAt(values, 2), 9);
    CheckedAt(values, 0) = 1;
    EXPECT_EQ(values[0], 1);
    StartupStage = 950;
    for (const long long index : {-1LL, 3LL, 1LL << 40}) {
        try {
            CheckedAt(values, index);
            ADD_FAILURE() << index << " was let through";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(ErrorHandlerText(e), "(950) Array index out of bounds");
        }
    }
    StartupStage = 0;
}

TEST(ErrorHandler, ShowsLogsAndEndsInOrder) {
    murkwell::test::GameFixture fixture;
    TGame& game = fixture.game();
    game.SetSubPathWrapper("Tarnfield/Murkwell", 1);
    std::string error;
    ASSERT_TRUE(platform::files::CreateFolders(game.SubPath, error));
    std::string spec;
    platform::WindowSpec window;
    ASSERT_TRUE(fixture.platform().TestGraphics().Open(window, spec));
    StartupStage = 950;
    HandleError(RuntimeError("boom"));
    ExitRoutine();
    StartupStage = 0;
    EXPECT_FALSE(fixture.platform().TestGraphics().IsOpen()) << "the display is closed first";
    EXPECT_TRUE(fixture.platform().TestGraphics().PointerShown());
    EXPECT_EQ(fixture.platform().TestSystem().Messages().back(), "Murkwell: (950) boom");
    std::vector<uint8_t> log;
    ASSERT_TRUE(platform::files::ReadAll(game.SubPath + "ErrorLog.txt", log, error));
    EXPECT_NE(std::string(log.begin(), log.end()).find("\n(950) boom\n"), std::string::npos);
    EXPECT_TRUE(platform::files::Exists(game.SubPath + "GoodExit.dat"))
        << "the exit routine leaves its marker";
}

TEST(ErrorHandler, AFatalSignalIsLoggedWithItsStageAndEndsLikeAnErrorThatReachedTheHandler) {
    for (const int signal : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT}) {
        SCOPED_TRACE(platform::FatalSignalName(signal));
        murkwell::test::GameFixture fixture;
        TGame& game = fixture.game();
        game.SetSubPathWrapper("Tarnfield/Murkwell", 1);
        std::string error;
        ASSERT_TRUE(platform::files::CreateFolders(game.SubPath, error));
        const pid_t child = fork();
        ASSERT_NE(child, -1);
        if (child == 0) {
            StartupStage = 950;
            InstallCrashReport();
            std::raise(signal);
            _exit(0);  // not reached: the handler ends the process by the signal
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status)) << "ended by the signal, not by an exit";
        if (WIFSIGNALED(status)) {
            EXPECT_EQ(WTERMSIG(status), signal);
        }
        std::vector<uint8_t> bytes;
        ASSERT_TRUE(platform::files::ReadAll(game.SubPath + "ErrorLog.txt", bytes, error));
        const std::string log(bytes.begin(), bytes.end());
        EXPECT_EQ(log.rfind(std::string(57, '-') + "\nDate: ", 0), 0u) << log;
        EXPECT_NE(log.find("   Time: "), std::string::npos) << log;
        EXPECT_NE(log.find("\n(950) " + std::string(platform::FatalSignalName(signal)) + "\n"),
                  std::string::npos)
            << log;
        EXPECT_TRUE(platform::files::Exists(game.SubPath + "GoodExit.dat"));
    }
}

}  // namespace
