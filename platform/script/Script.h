#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// One line of a script of timed input: "<ms> <command> [arguments]" (see the README).
struct ScriptStep {
    enum class Kind { Move, Press, Release, Click, Key, KeyDown, KeyUp, Text, Screenshot, Quit };
    uint32_t time = 0;  // milliseconds since start on the game's clock
    Kind kind = Kind::Quit;
    int a = 0;         // x, button or key code
    int b = 0;         // y
    std::string text;  // typed text or screenshot path
    int line = 0;      // in the script file, for messages
};

// Parses a script; false with a message naming the file and line when a line is not understood.
// Steps come out in time order (steps of the same time keep their order in the file).
bool ParseScript(const std::string& source, const std::string& fileName, std::vector<ScriptStep>& steps,
                 std::string& error);
bool LoadScript(const std::string& path, std::vector<ScriptStep>& steps, std::string& error);

}  // namespace platform
