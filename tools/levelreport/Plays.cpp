#include "tools/levelreport/Plays.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <thread>

namespace levelreport {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

std::string Name(const Play& play) {
    return std::to_string(play.level) + "-" + std::to_string(play.seed);
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Starts one game; its output goes to a log beside its report. The process id, or -1.
pid_t Start(const Play& play, const PlaySettings& settings) {
    const std::string base = settings.work + "/" + Name(play);
    const std::string home = base + "-home";
    fs::remove_all(home);
    fs::create_directories(home);
    std::vector<std::string> args = {settings.game, "--simulate", "--autoplay", "--equip",
                                     "--level", std::to_string(play.level), "--seed", std::to_string(play.seed),
                                     "--report", base + ".jsonl", "--exit-on", "level_end"};
    if (settings.relaxed) args.push_back("--relaxed");
    if (!settings.data.empty()) args.insert(args.end(), {"--data", settings.data});
    const pid_t pid = ::fork();
    if (pid != 0) return pid;
    const int log = ::open((base + ".log").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (log >= 0) ::dup2(log, 1), ::dup2(log, 2);
    ::setenv("XDG_DATA_HOME", home.c_str(), 1);
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    ::execv(argv[0], argv.data());
    ::_exit(127);
}

}  // namespace

std::vector<Run> PlayAll(const std::vector<Play>& plays, const PlaySettings& settings,
                         const std::function<void(const Run&)>& progress) {
    fs::create_directories(settings.work);
    std::vector<Run> runs(plays.size());
    struct Running {
        size_t index;
        Clock::time_point started;
    };
    std::map<pid_t, Running> running;
    size_t next = 0;
    auto finish = [&](pid_t pid) {
        const Running r = running.at(pid);
        running.erase(pid);
        const Play& play = plays[r.index];
        const std::string base = settings.work + "/" + Name(play);
        runs[r.index] = RunFromReport(play.level, play.seed, ReadFile(base + ".jsonl"));
        fs::remove_all(base + "-home");
        if (progress) progress(runs[r.index]);
    };
    while (next < plays.size() || !running.empty()) {
        while (next < plays.size() && static_cast<int>(running.size()) < std::max(1, settings.jobs)) {
            const pid_t pid = Start(plays[next], settings);
            if (pid < 0) {
                runs[next] = RunFromReport(plays[next].level, plays[next].seed, "");
                if (progress) progress(runs[next]);
            } else {
                running[pid] = {next, Clock::now()};
            }
            ++next;
        }
        int status = 0;
        const pid_t done = ::waitpid(-1, &status, WNOHANG);
        if (done > 0 && running.count(done)) {
            finish(done);
            continue;
        }
        for (const auto& [pid, r] : running) {
            if (Clock::now() - r.started > std::chrono::seconds(settings.timeoutSeconds)) {
                ::kill(pid, SIGKILL);
                ::waitpid(pid, &status, 0);
                finish(pid);
                break;
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return runs;
}

double ChildCpuSeconds() {
    rusage usage{};
    ::getrusage(RUSAGE_CHILDREN, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

}  // namespace levelreport
