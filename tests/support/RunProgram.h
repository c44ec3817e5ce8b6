#pragma once

#include <string>
#include <vector>

namespace murkwell::test {

// Runs the game's program with the arguments and waits for it; returns its exit code (-1 when it could not
// run or was killed) and what it wrote to stdout and stderr.
int RunProgram(const std::vector<std::string>& args, std::string& output, int timeoutSeconds = 60);

}  // namespace murkwell::test
