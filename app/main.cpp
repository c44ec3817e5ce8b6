#include <cstdio>
#include <memory>

#include "app/DataFolder.h"
#include "app/LevelChecker.h"
#include "app/Options.h"
#include "app/Startup.h"
#include "framework/core/Globals.h"
#include "platform/null/SimulatedPlatform.h"
#include "platform/script/ScriptedEvents.h"
#include "platform/sdl/SdlPlatform.h"

int main(int argc, char** argv) {
    Options options;
    std::string error;
    if (!ParseOptions(argc, argv, options, error)) {
        std::fprintf(stderr, "murkwell: %s\n%s", error.c_str(), UsageText().c_str());
        return 2;
    }
    if (options.help) {
        std::fputs(UsageText().c_str(), stdout);
        return 0;
    }
    if (options.version) {
        std::printf("Murkwell %s\n", AppVersion.c_str());
        return 0;
    }
    const std::string dataFolder = FindDataFolder(options.dataFolder);
    if (dataFolder.empty()) {
        std::fprintf(stderr, "murkwell: cannot find the data folder%s%s\n",
                     options.dataFolder.empty() ? "" : " ", options.dataFolder.c_str());
        return 1;
    }
    if (options.checkLevels) return RunLevelChecker(options.levelFiles, dataFolder);
    if (options.simulate) return RunMurkwell(*platform::CreateSimulatedPlatform(), options, dataFolder);
    if (!options.headless && !platform::DisplayAvailable()) {
        std::fprintf(stderr,
                     "murkwell: no display found; run it with --headless, or under Xvfb: "
                     "xvfb-run -a -s \"-screen 0 1280x1024x24\" build/murkwell\n");
        return 1;
    }
    std::unique_ptr<platform::Platform> platform =
        platform::CreateSdlPlatform({options.headless, options.deterministic}, error);
    if (!platform) {
        std::fprintf(stderr, "murkwell: %s\n", error.c_str());
        return 1;
    }
    if (!options.scriptPath.empty()) {
        std::vector<platform::ScriptStep> steps;
        if (!platform::LoadScript(options.scriptPath, steps, error)) {
            std::fprintf(stderr, "murkwell: %s\n", error.c_str());
            return 2;
        }
        platform::Graphics& graphics = platform->GetGraphics();
        platform->SetEvents(std::make_unique<platform::ScriptedEvents>(
            platform->TakeEvents(), platform->GetClock(), std::move(steps), ScreenPointToWindow,
            [&graphics](const std::string& path) { graphics.RequestScreenshot(path); }));
    }
    return RunMurkwell(*platform, options, dataFolder);
}
