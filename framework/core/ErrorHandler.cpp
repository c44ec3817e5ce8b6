#include "framework/core/ErrorHandler.h"

#include <cstdio>

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/core/Messages.h"
#include "platform/os/FatalSignals.h"

std::string ErrorHandlerText(const std::exception& error) {
    const bool runtime = dynamic_cast<const RuntimeError*>(&error) != nullptr;
    if (runtime && StartupStage != 0) return "(" + std::to_string(StartupStage) + ") " + error.what();
    return error.what();
}

void HandleError(const std::exception& error) {
    const std::string text = ErrorHandlerText(error);
    if (!Game) {
        std::fprintf(stderr, "%s%s\n", MessagePrefix.c_str(), text.c_str());
        return;
    }
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    graphics.Close();
    graphics.ShowPointer(true);
    GraphicsOpen = 0;
    Game->GetPlatform().GetSystem().ShowMessage(ProductName, text);
    AppendErrorLog(text);
}

void InstallCrashReport() {
    if (!Game) return;
    platform::InstallFatalSignalHandler({ErrorLogFolder + "ErrorLog.txt",
                                         Game->MarkerFolder() + "GoodExit.dat", MessagePrefix,
                                         &StartupStage});
}

void ExitRoutine() {
    if (!Game) return;
    TGame::MakeGoodExit();
    Game->GetPlatform().GetGraphics().ShowPointer(true);
    Game->Kill();
}
