// Making every sound effect and music track from nothing, as a clean build does: each audio group of the
// generator run one after another. The whole set has to come in under a minute on one core, or every
// change to the shared synthesiser makes the build drag.
#include <string>

#include "bench/GeneratorBench.h"

namespace {

bool IsAudioGroup(const std::string& name) {
    return name.starts_with("sfx_") || name.starts_with("music_") || name == "splashsound";
}

void BM_GenerateAllAudio(benchmark::State& state) {
    murkwell::bench::RunGeneratorGroups(state, ASSETGEN_PROGRAM,
                                        murkwell::bench::GeneratorGroups(ASSETGEN_PROGRAM, IsAudioGroup));
}
// One run takes tens of seconds: a single iteration measures it well enough.
BENCHMARK(BM_GenerateAllAudio)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace
