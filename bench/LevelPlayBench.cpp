// Every level played once by the autoplayer in simulated runs, one game at a time, as the level report plays
// them: the processor time of the whole hundred (the games' own, read from the children's usage) and the
// wall time. The level report's five-seed run on every core quotes its own figures when it ends.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>

#include "tools/levelreport/Plays.h"

namespace {

void BM_HundredLevelsOnce(benchmark::State& state) {
    const std::string work = std::filesystem::temp_directory_path() / "murkwell-bench-levels";
    levelreport::PlaySettings settings;
    settings.game = MURKWELL_PROGRAM;
    settings.work = work;
    settings.jobs = 1;
    std::vector<levelreport::Play> plays;
    for (int level = 1; level <= 100; ++level) plays.push_back({level, 1});
    int won = 0;
    double cpu = 0;
    for (auto _ : state) {
        const double before = levelreport::ChildCpuSeconds();
        for (const levelreport::Run& run : levelreport::PlayAll(plays, settings, nullptr)) won += run.result == "won";
        cpu += levelreport::ChildCpuSeconds() - before;
    }
    std::filesystem::remove_all(work);
    state.counters["cpu_seconds"] = cpu / static_cast<double>(state.iterations());
    state.counters["levels_won"] = won / static_cast<double>(state.iterations());
}
BENCHMARK(BM_HundredLevelsOnce)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace
