#pragma once

#include <string>
#include <vector>

namespace murkwell::test {

// Runs the game's program with the arguments and waits for it; returns its exit code (-1 when it could not
// run or was killed) and what it wrote to stdout and stderr.
int RunProgram(const std::vector<std::string>& args, std::string& output, int timeoutSeconds = 60,
               const std::vector<std::string>& environment = {});

// Starts the program without waiting (its output goes to /dev/null); returns its process id, or -1.
int StartProgram(const std::vector<std::string>& args, const std::vector<std::string>& environment = {});
// Kills it with SIGKILL and waits for it.
void KillProgram(int pid);

}  // namespace murkwell::test
