#include "tests/support/RunProgram.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>

namespace murkwell::test {

namespace {

// In the child: the environment entries ("NAME=value") on top of the parent's, then the program.
[[noreturn]] void Exec(const std::vector<std::string>& args, const std::vector<std::string>& environment) {
    for (const std::string& entry : environment) ::putenv(const_cast<char*>(entry.c_str()));
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    ::execv(argv[0], argv.data());
    ::_exit(127);
}

}  // namespace

int StartProgram(const std::vector<std::string>& args, const std::vector<std::string>& environment) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, 1);
        ::dup2(null, 2);
        Exec(args, environment);
    }
    return pid;
}

void KillProgram(int pid) {
    if (pid <= 0) return;
    ::kill(pid, SIGKILL);
    int status;
    ::waitpid(pid, &status, 0);
}

int RunProgram(const std::vector<std::string>& args, std::string& output, int timeoutSeconds,
               const std::vector<std::string>& environment) {
    output.clear();
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) return -1;
    const pid_t pid = ::fork();
    if (pid < 0) return -1;
    if (pid == 0) {
        ::dup2(pipeFds[1], 1);
        ::dup2(pipeFds[1], 2);
        ::close(pipeFds[0]);
        ::close(pipeFds[1]);
        Exec(args, environment);
    }
    ::close(pipeFds[1]);
    ::fcntl(pipeFds[0], F_SETFL, O_NONBLOCK);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds);
    int status = 0;
    for (;;) {
        char buffer[4096];
        ssize_t n;
        while ((n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0)
            output.append(buffer, static_cast<size_t>(n));
        if (::waitpid(pid, &status, WNOHANG) == pid) break;
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            output += "\n[killed after " + std::to_string(timeoutSeconds) + " s]";
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    char buffer[4096];
    ssize_t n;
    while ((n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0) output.append(buffer, static_cast<size_t>(n));
    ::close(pipeFds[0]);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace murkwell::test
