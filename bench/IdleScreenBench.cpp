// Processor time of an idle screen: the real loop (logic ticks, drawing, flip) on a screen showing one
// full picture, for 5 s on SDL's dummy driver, where the flip never waits for the display, so only the
// game's own frame pacing keeps it from spinning a core.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include "app/Product.h"
#include "framework/core/Game.h"
#include "framework/core/GameGuard.h"
#include "framework/core/Globals.h"
#include "framework/gfx/GameImage.h"
#include "framework/screens/Screen.h"
#include "platform/sdl/SdlPlatform.h"

namespace {

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void BM_IdleScreen(benchmark::State& state) {
    std::string error;
    auto platform = platform::CreateSdlPlatform({true, false}, error);
    if (!platform) {
        state.SkipWithError(error.c_str());
        return;
    }
    TGame game(*platform);
    const TGameGuard guard(game, kMurkwell);
    // As the game starts on this display: full screen at the desktop's size, the screen unscaled.
    game.FullScreen = 1;
    game.UseDesktopResolution = 1;
    game.FixedRateLogic.Create();
    game.GraphicsCreate(0);
    TScreen screen;
    screen.Image = TGameImage::Create(std::string(MURKWELL_DATA_DIR) + "/Tarnfield.png", -1, 0);
    game.CurrentTScreen = &screen;
    game.FixedRateLogic.Init();
    platform::Clock& clock = platform->GetClock();
    int frames = 0;
    double cpu = 0, wall = 0;
    for (auto _ : state) {
        const double cpuStart = CpuSeconds();
        const uint32_t start = clock.Millisecs();
        while (clock.Millisecs() - start < 5000) {
            game.MainLogicLoop();
            game.ScreenDraw();
            ++frames;
        }
        cpu += CpuSeconds() - cpuStart;
        wall += (clock.Millisecs() - start) / 1000.0;
    }
    state.counters["cpu_percent_of_one_core"] = 100.0 * cpu / wall;
    state.counters["frames_per_second"] = frames / wall;
}
BENCHMARK(BM_IdleScreen)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace
