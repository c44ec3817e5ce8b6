// One logic tick of a busy effects layer: 2,000 live particles moved, faded, spun and drawn on the null
// drawing layer, which only counts draws and so leaves the framework's own cost. The mix is the game's:
// three in four are sparkles in light blending, the rest tinted pieces with drop shadows (coins, debris).
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "app/Product.h"
#include "framework/core/Game.h"
#include "framework/core/GameGuard.h"
#include "framework/core/Globals.h"
#include "framework/core/Random.h"
#include "framework/gfx/GameImage.h"
#include "framework/sprites/Color.h"
#include "framework/sprites/ParticleEffects.h"
#include "framework/sprites/ParticleList.h"
#include "platform/null/NullPlatform.h"

namespace {
constexpr int kSparkles = 1500, kPieces = 500;

std::shared_ptr<TGameImage> Picture(platform::Graphics& graphics, int size) {
    return TGameImage::CreateFromImage(
        graphics.LoadImage(platform::PixelMap(size, size, {255, 255, 255, 255}), 0), "piece", 1);
}

void BM_ParticleTick(benchmark::State& state) {
    platform::NullPlatform platform("/nonexistent/");
    TGame game(platform);
    const TGameGuard guard(game, kMurkwell);
    Delta = 1.0f;
    SeedRandom(7);
    platform::Graphics& graphics = platform.GetGraphics();

    TParticleList list;
    TEffectStyle style;
    style.Images = {Picture(graphics, 32), Picture(graphics, 16), Picture(graphics, 24)};
    style.MinSpeed = 0.01f;
    style.MaxSpeed = 0.05f;
    style.Gravity = 0.00001f;
    style.MinSpin = 1;
    style.MaxSpin = 4;
    // Fades long enough that every particle outlives the run: the list holds 2,000 throughout.
    style.FadeMs = 100000000;
    style.MinScale = 0.5f;
    style.MaxScale = 1.0f;
    style.LightBlend = 1;
    EmitBurst(list, 512, 384, kSparkles, style);
    style.LightBlend = 0;
    style.Shadow = 1;
    EmitBurst(list, 512, 384, kPieces, style);
    list.ForEach([&](TParticle& p) {
        p.NoOutOfBounds = 1;
        if (p.Shadow) p.Color = TColor::Create(255, 220, 120);
    });

    for (auto _ : state) {
        list.Manage();
        list.Draw();
    }
    if (list.Count() != kSparkles + kPieces) state.SkipWithError("particles died during the run");
    state.counters["particles"] = list.Count();
    state.counters["draws_per_tick"] =
        static_cast<double>(platform.TestGraphics().Drawn().images) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_ParticleTick)->Unit(benchmark::kMicrosecond);

}  // namespace
