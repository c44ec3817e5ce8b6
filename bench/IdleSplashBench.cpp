// Processor time of an idle screen: the splash drawn and flipped for 5 s on SDL's dummy driver, where the
// flip never waits for the display, so only the game's own frame pacing keeps it from spinning a core.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include "app/SplashRun.h"
#include "platform/codecs/ImageCodec.h"
#include "platform/sdl/SdlPlatform.h"

namespace {

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void BM_IdleSplashScreen(benchmark::State& state) {
    std::string error;
    auto platform = platform::CreateSdlPlatform({true, false}, error);
    if (!platform) {
        state.SkipWithError(error.c_str());
        return;
    }
    platform::Graphics& graphics = platform->GetGraphics();
    ScreenPlacement placement;
    platform::PixelMap pixels;
    if (!OpenGameDisplay(graphics, false, placement, error) ||
        !platform::LoadImageFile(std::string(MURKWELL_DATA_DIR) + "/Tarnfield.png", pixels, error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    platform::ImagePtr splash = graphics.LoadImage(pixels, platform::kImageDefault);
    splash->SetHandle(splash->Width() / 2.0f, splash->Height() / 2.0f);
    platform::Clock& clock = platform->GetClock();
    int frames = 0;
    double cpu = 0, wall = 0;
    for (auto _ : state) {
        const double cpuStart = CpuSeconds();
        const uint32_t start = clock.Millisecs();
        while (clock.Millisecs() - start < 5000) {
            DrawSplashFrame(graphics, *splash, placement, 1.0);
            graphics.Flip(1);
            ++frames;
        }
        cpu += CpuSeconds() - cpuStart;
        wall += (clock.Millisecs() - start) / 1000.0;
    }
    state.counters["cpu_percent_of_one_core"] = 100.0 * cpu / wall;
    state.counters["frames_per_second"] = frames / wall;
}
BENCHMARK(BM_IdleSplashScreen)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace
