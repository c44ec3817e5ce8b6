#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The command line of the game.
struct Options {
    enum class Display { FromSettings, Windowed, FullScreen };
    Display display = Display::FromSettings;
    bool headless = false;
    std::string dataFolder;  // empty: the data folder beside the program
    std::optional<uint32_t> seed;
    bool deterministic = false;
    std::string scriptPath;
    std::string showcase;  // a page of app/showcase in place of the game
    int level = 0;         // 1 to 100: straight into that level; 0 the player's own
    bool relaxed = false;  // with level: without the clock
    bool autoplay = false;
    std::string reportPath;  // the event report, one JSON object a line
    bool checkLevels = false;
    std::vector<std::string> levelFiles;  // for checkLevels; none: every level of the data folder
    bool help = false;
    bool version = false;
};

// False with a message for an option it does not know or a value that is missing or wrong.
bool ParseOptions(int argc, const char* const* argv, Options& options, std::string& error);
std::string UsageText();
