// A frame of the level screen in busy play, logic included: the real loop on SDL's dummy video driver and
// software renderer at 1024 × 768, a deterministic minute (3600 frames of 1000/60 ms) of the largest
// board there is (level 94, 13 × 10 with chains and rocks) played by the autoplayer through the mouse,
// every bomb and power-up bought so that long runs leave bombs that it sets off.
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

#include "app/autoplay/AutoPlayer.h"
#include "bench/HeadlessGame.h"
#include "framework/core/ChannelArray.h"
#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/core/Random.h"
#include "framework/core/SoundBank.h"
#include "framework/gfx/GameFonts.h"
#include "framework/gfx/ImageBank.h"
#include "game/board/Board.h"
#include "game/board/BoardEvents.h"
#include "game/board/GameGrid.h"
#include "game/board/GemEffects.h"
#include "game/board/GemList.h"
#include "game/board/HUDPowerup.h"
#include "game/board/Player.h"
#include "game/save/SaveData.h"
#include "game/save/ShopItem.h"
#include "game/screens/GameScreen.h"
#include "game/screens/PlaySession.h"

namespace {

constexpr int kLevel = 94;
constexpr int kFrames = 3600;

void BM_GameScreenFrame(benchmark::State& state) {
    HeadlessGame headless;
    std::string error;
    if (!headless.Open(100, error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    TGame& game = *headless.game;
    SeedRandom(94);
    LoadPlayResources();
    Player.Level = Player.Unlocked = kLevel;
    SaveData.timer = 0;
    for (int item = 1; item <= 38; ++item) SaveData.shopPurchases[item] = ShopItem::PURCHASED;
    InstallAutoPlayer(94);
    GameScreen = std::make_shared<TGameScreen>();
    GameScreen->PreStart();
    for (const auto& powerup : HUDPowerups) powerup->ChargeFully();

    using Clock = std::chrono::steady_clock;
    double seconds = 0;
    long particles = 0;
    for (auto _ : state) {
        for (int frame = 0; frame < kFrames; ++frame) {
            const auto start = Clock::now();
            game.MainLogicLoop();
            game.ScreenDraw();
            seconds += std::chrono::duration<double>(Clock::now() - start).count();
            particles += BoardEffects.Count();
        }
    }
    const double frames = static_cast<double>(kFrames) * static_cast<double>(state.iterations());
    state.counters["ms_per_frame"] = 1000.0 * seconds / frames;
    state.counters["particles_alive"] = static_cast<double>(particles) / frames;
    state.counters["moves"] = Player.levelMoves;
    state.counters["bombs"] = Player.levelBombsSetOff;
    GameScreen->Kill();
    GameScreen.reset();
    HUDPowerups = {};
    KillGameFonts();
    SoundBank.Clear();
    ImageBank.Clear();
}
BENCHMARK(BM_GameScreenFrame)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace
