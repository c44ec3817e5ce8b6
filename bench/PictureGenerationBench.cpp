// Drawing every picture of play and of the shared chrome from nothing, as a clean build does. The whole set
// has to come in under a minute, or every change to the shared style kit makes the build drag.
#include <set>
#include <string>

#include "bench/GeneratorBench.h"

namespace {

bool IsPictureGroup(const std::string& name) {
    static const std::set<std::string> kPictureGroups = {
        "board",    "gems",    "bombs",   "items",   "particles", "hud",   "powerups", "bigtext",
        "tutorial", "dialogs", "buttons", "loading", "village",   "wilds", "vaults"};
    return kPictureGroups.contains(name);
}

void BM_GenerateAllPictures(benchmark::State& state) {
    murkwell::bench::RunGeneratorGroups(state, ASSETGEN_PROGRAM,
                                        murkwell::bench::GeneratorGroups(ASSETGEN_PROGRAM, IsPictureGroup));
}
// One run takes seconds: a single iteration measures it well enough.
BENCHMARK(BM_GenerateAllPictures)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace
