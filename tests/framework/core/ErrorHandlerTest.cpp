#include <gtest/gtest.h>

#include "GameTestSupport.h"
#include "framework/core/ErrorHandler.h"
#include "framework/core/Messages.h"
#include "platform/files/Files.h"

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

}  // namespace
