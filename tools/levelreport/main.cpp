// levelreport: every level played by the game's autoplayer under several seeds, headless and in parallel;
// writes the runs (runs.csv, runs.jsonl), a line a level (levels.csv) and a chart (chart.png), and says
// which of the levels' aims the runs meet.
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "tools/levelreport/Chart.h"
#include "tools/levelreport/Plays.h"
#include "tools/levelreport/Results.h"

namespace {

namespace fs = std::filesystem;
using namespace levelreport;

struct Arguments {
    PlaySettings play;
    int seeds = 5;
    int firstLevel = 1, lastLevel = 100;
    std::string out = "levelreport";
};

const char* kUsage =
    "Usage: levelreport [--game PROGRAM] [--data DIR] [--seeds N] [--levels FIRST-LAST] [--jobs N]\n"
    "                   [--out DIR] [--relaxed]\n"
    "  --game PROGRAM   the game (default: murkwell in the build folder above this tool)\n"
    "  --data DIR       the game's data folder (default: the one beside the game)\n"
    "  --seeds N        seeds 1 to N for each level (default 5)\n"
    "  --levels A-B     the levels played (default 1-100)\n"
    "  --jobs N         games at once (default: the processor's cores)\n"
    "  --out DIR        where the tables and the chart go (default ./levelreport)\n"
    "  --relaxed        without the clock (default: timed)\n";

bool Whole(const std::string& text, int& out) {
    try {
        size_t used = 0;
        out = std::stoi(text, &used);
        return used == text.size();
    } catch (...) {
        return false;
    }
}

bool Parse(int argc, char** argv, Arguments& a) {
    const fs::path self = fs::read_symlink("/proc/self/exe");
    a.play.game = (self.parent_path().parent_path().parent_path() / "murkwell").string();
    a.play.jobs = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--relaxed") {
            a.play.relaxed = true;
        } else if (arg == "--game" && hasValue) {
            a.play.game = fs::absolute(argv[++i]).string();
        } else if (arg == "--data" && hasValue) {
            a.play.data = fs::absolute(argv[++i]).string();
        } else if (arg == "--out" && hasValue) {
            a.out = argv[++i];
        } else if (arg == "--seeds" && hasValue) {
            if (!Whole(argv[++i], a.seeds) || a.seeds < 1) return false;
        } else if (arg == "--jobs" && hasValue) {
            if (!Whole(argv[++i], a.play.jobs) || a.play.jobs < 1) return false;
        } else if (arg == "--levels" && hasValue) {
            const std::string range = argv[++i];
            const size_t dash = range.find('-');
            if (dash == std::string::npos) {
                if (!Whole(range, a.firstLevel)) return false;
                a.lastLevel = a.firstLevel;
            } else if (!Whole(range.substr(0, dash), a.firstLevel) || !Whole(range.substr(dash + 1), a.lastLevel)) {
                return false;
            }
            if (a.firstLevel < 1 || a.lastLevel > 100 || a.firstLevel > a.lastLevel) return false;
        } else {
            return false;
        }
    }
    return true;
}

// What the levels are meant to give, read off the summaries and said in a few lines.
void Verdict(const std::vector<LevelSummary>& levels, bool relaxed) {
    std::string underWon, quick, jumps;
    double firstThreeGold = 0;
    for (size_t i = 0; i < levels.size(); ++i) {
        const LevelSummary& s = levels[i];
        if (s.winRate < 0.8 - 1e-9) underWon += " " + std::to_string(s.level);
        if (s.wins > 0 && s.minTimeUsedS < 20) quick += " " + std::to_string(s.level);
        if (s.level <= 3) firstThreeGold += s.meanGold;
        // A margin far off the levels around it: more than 0.15 from the mean of up to two a side.
        double around = 0;
        int n = 0;
        for (size_t j = i >= 2 ? i - 2 : 0; j < std::min(levels.size(), i + 3); ++j) {
            if (j == i || levels[j].wins == 0) continue;
            around += levels[j].meanMargin;
            ++n;
        }
        if (!relaxed && s.wins > 0 && n > 0 && std::fabs(s.meanMargin - around / n) > 0.15)
            jumps += " " + std::to_string(s.level);
    }
    std::printf("won in fewer than 4 of 5 runs:%s\n", underWon.empty() ? " none" : underWon.c_str());
    std::printf("won in under 20 s:%s\n", quick.empty() ? " none" : quick.c_str());
    if (!relaxed) std::printf("time margin far off its neighbours:%s\n", jumps.empty() ? " none" : jumps.c_str());
    if (!levels.empty() && levels.front().level == 1 && levels.size() >= 3)
        std::printf("gold of levels 1-3 (mean runs): %.1f\n", firstThreeGold);
}

}  // namespace

int main(int argc, char** argv) {
    Arguments a;
    if (!Parse(argc, argv, a)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    if (::access(a.play.game.c_str(), X_OK) != 0) {
        std::fprintf(stderr, "levelreport: cannot run the game %s (name it with --game)\n", a.play.game.c_str());
        return 1;
    }
    fs::create_directories(a.out);
    a.play.work = (fs::absolute(a.out) / "runs").string();
    std::vector<Play> plays;
    for (int level = a.firstLevel; level <= a.lastLevel; ++level) {
        for (int seed = 1; seed <= a.seeds; ++seed) plays.push_back({level, static_cast<unsigned>(seed)});
    }
    const auto started = std::chrono::steady_clock::now();
    size_t done = 0;
    const std::vector<Run> runs = PlayAll(plays, a.play, [&](const Run& run) {
        std::fprintf(stderr, "\r%zu/%zu level %d seed %u: %s      ", ++done, plays.size(), run.level, run.seed,
                     run.result.c_str());
    });
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::fputc('\n', stderr);

    const std::vector<LevelSummary> levels = Summarise(runs);
    std::ofstream csv(a.out + "/runs.csv");
    WriteRunsCsv(csv, runs);
    std::ofstream json(a.out + "/runs.jsonl");
    WriteRunsJson(json, runs);
    std::ofstream summary(a.out + "/levels.csv");
    WriteSummaryCsv(summary, levels);
    const std::string title = "Levels " + std::to_string(a.firstLevel) + "-" + std::to_string(a.lastLevel) + ", " +
                              std::to_string(a.seeds) + (a.seeds == 1 ? " seed" : " seeds") + ", " +
                              (a.play.relaxed ? "relaxed" : "timed") +
                              ", every shop item on offer owned: the autoplayer's runs";
    std::string error;
    if (!WriteChart(a.out + "/chart.png", title, levels, error)) {
        std::fprintf(stderr, "levelreport: %s\n", error.c_str());
        return 1;
    }
    std::printf("%zu runs of %zu levels in %.1f s wall, %.1f s of processor (%d at once)\n", runs.size(),
                levels.size(), wall, ChildCpuSeconds(), a.play.jobs);
    Verdict(levels, a.play.relaxed);
    std::printf("tables and chart in %s/\n", a.out.c_str());
    return 0;
}
