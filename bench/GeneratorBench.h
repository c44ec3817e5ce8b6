// Running groups of the data generator from a benchmark, as the build runs them: each group a program of
// its own writing into a scratch folder, timed by the processor seconds those programs spend.
#pragma once

#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace murkwell::bench {

// Processor seconds spent so far by the programs this one has run: unlike the wall clock, it does not
// grow when other work shares the machine.
inline double ChildCpuSeconds() {
    rusage usage{};
    ::getrusage(RUSAGE_CHILDREN, &usage);
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The generator's groups that pass the filter, in the order it lists them.
inline std::vector<std::string> GeneratorGroups(const std::string& program,
                                                const std::function<bool(const std::string&)>& wanted) {
    std::vector<std::string> groups;
    FILE* list = ::popen((program + " --list").c_str(), "r");
    if (!list) return groups;
    char line[256];
    while (std::fgets(line, sizeof line, list)) {
        std::string name(line);
        while (!name.empty() && (name.back() == '\n' || name.back() == '\r')) name.pop_back();
        if (wanted(name)) groups.push_back(name);
    }
    ::pclose(list);
    return groups;
}

// Runs every group once per iteration into a scratch folder and reports the processor seconds the
// generator spent and the number of groups.
inline void RunGeneratorGroups(benchmark::State& state, const std::string& program,
                               const std::vector<std::string>& groups) {
    namespace fs = std::filesystem;
    if (groups.empty()) {
        state.SkipWithError("the generator listed none of the groups asked for");
        return;
    }
    std::string scratch = (fs::temp_directory_path() / "murkwell-generator-bench-XXXXXX").string();
    if (!::mkdtemp(scratch.data())) {
        state.SkipWithError("no scratch folder");
        return;
    }
    const double cpuBefore = ChildCpuSeconds();
    for (auto _ : state) {
        for (const std::string& group : groups) {
            const std::string command =
                program + " --group " + group + " --out '" + scratch + "' > /dev/null";
            if (std::system(command.c_str()) != 0) {
                state.SkipWithError(("group " + group + " failed").c_str());
                break;
            }
        }
    }
    state.counters["generator_cpu_s"] = ChildCpuSeconds() - cpuBefore;
    state.counters["groups"] = static_cast<double>(groups.size());
    fs::remove_all(scratch);
}

}  // namespace murkwell::bench
