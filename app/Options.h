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
    bool simulate = false;  // no display, sound or drawing at all; the clock of a deterministic run
    std::string scriptPath;
    std::string showcase;  // a page of app/showcase in place of the game
    int level = 0;         // 1 to 100: straight into that level; 0 the player's own
    bool relaxed = false;  // with level: without the clock
    bool autoplay = false;
    bool keyboard = false;   // the autoplayer never touches the mouse
    std::string reportPath;  // the event report, one JSON object a line
    std::string exitOn;      // the game ends after the first report event of this name ("screen:NAME" too)
    bool equip = false;      // with level: the player owns every shop item on offer by then
    bool checkLevels = false;
    std::vector<std::string> levelFiles;  // for checkLevels; none: every level of the data folder
    bool help = false;
    bool version = false;
};

// False with a message for an option it does not know or a value that is missing or wrong.
bool ParseOptions(int argc, const char* const* argv, Options& options, std::string& error);
std::string UsageText();
