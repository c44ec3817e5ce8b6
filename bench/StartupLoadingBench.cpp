// The start-up loading as the game runs it after the splashes, on SDL's dummy video driver and software
// renderer at 1024 × 768: the title music, every text, sound, picture and font of the game, the side
// borders and the continue button, the bar drawn and shown after each item. The target is 2 s.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/HeadlessGame.h"
#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/core/SoundBank.h"
#include "framework/gfx/GameFonts.h"
#include "framework/gfx/ImageBank.h"
#include "framework/screens/LoadList.h"
#include "framework/screens/LoadingScreen.h"
#include "framework/screens/StartupLoading.h"
#include "game/board/Board.h"
#include "game/board/HUDPowerup.h"
#include "game/screens/GameLoading.h"
#include "game/screens/GameScreen.h"

namespace {

void BM_StartupLoading(benchmark::State& state) {
    HeadlessGame headless;
    std::string error;
    if (!headless.Open(80, error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    TGame& game = *headless.game;
    PrecacheImages = 1;
    TScreen title;
    int items = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ImageBank.Clear();
        SoundBank.Clear();
        KillGameFonts();
        GameScreen = std::make_shared<TGameScreen>();
        ShowLoadingScreen();
        state.ResumeTiming();
        RunStartupLoading([](TLoadList& list) { ListGameLoading(list, {}); }, &title);
        items = game.LoadingScreen->LoadingBar.CurrentStep;
    }
    state.counters["items"] = items;
    GameScreen.reset();
    ResetBoard();
    HUDPowerups = {};
}
BENCHMARK(BM_StartupLoading)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
