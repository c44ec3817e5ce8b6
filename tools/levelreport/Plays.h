#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tools/levelreport/Results.h"

// The games of a report: each level under each seed played by the game's own autoplayer in a simulated
// run (nothing drawn, as fast as the processor allows), several at once, each in a fresh per-user folder
// so no run sees another's player.
namespace levelreport {

struct PlaySettings {
    std::string game;        // the game's program
    std::string data;        // its data folder; empty for the one beside the program
    std::string work;        // where the runs' reports, logs and per-user folders go
    bool relaxed = false;    // without the clock
    int jobs = 2;            // games at once
    int timeoutSeconds = 600;  // of wall time; a run still going then is killed and reads "stuck"
};

struct Play {
    int level = 0;
    unsigned seed = 0;
};

// The runs in the order of the plays given; progress is told of each as it ends.
std::vector<Run> PlayAll(const std::vector<Play>& plays, const PlaySettings& settings,
                         const std::function<void(const Run&)>& progress);

// Processor seconds (user and system) of every child waited for so far.
double ChildCpuSeconds();

}  // namespace levelreport
