#include "app/Options.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "app/showcase/Showcase.h"

bool ParseOptions(int argc, const char* const* argv, Options& options, std::string& error) {
    options = Options{};
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= argc || std::strncmp(argv[i + 1], "--", 2) == 0) {
                error = arg + " needs a value";
                return false;
            }
            out = argv[++i];
            return true;
        };
        if (arg == "--windowed") {
            options.display = Options::Display::Windowed;
        } else if (arg == "--fullscreen") {
            options.display = Options::Display::FullScreen;
        } else if (arg == "--headless") {
            options.headless = true;
        } else if (arg == "--deterministic") {
            options.deterministic = true;
        } else if (arg == "--simulate") {
            options.simulate = options.headless = options.deterministic = true;
        } else if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if (arg == "--data") {
            if (!value(options.dataFolder)) return false;
            if (options.dataFolder.back() != '/') options.dataFolder += '/';
        } else if (arg == "--script") {
            if (!value(options.scriptPath)) return false;
        } else if (arg == "--showcase") {
            if (!value(options.showcase)) return false;
            const std::vector<std::string> names = ShowcaseNames();
            if (std::find(names.begin(), names.end(), options.showcase) == names.end()) {
                error = "there is no showcase '" + options.showcase + "'";
                return false;
            }
        } else if (arg == "--level") {
            std::string text;
            if (!value(text)) return false;
            const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), options.level);
            if (ec != std::errc() || ptr != text.data() + text.size() || options.level < 1 ||
                options.level > 100) {
                error = "--level needs a level from 1 to 100, not '" + text + "'";
                return false;
            }
        } else if (arg == "--relaxed") {
            options.relaxed = true;
        } else if (arg == "--autoplay") {
            options.autoplay = true;
        } else if (arg == "--keyboard") {
            options.keyboard = true;
        } else if (arg == "--report") {
            if (!value(options.reportPath)) return false;
        } else if (arg == "--exit-on") {
            if (!value(options.exitOn)) return false;
        } else if (arg == "--equip") {
            options.equip = true;
        } else if (arg == "--check-levels") {
            options.checkLevels = true;
        } else if (options.checkLevels && arg.rfind("--", 0) != 0) {
            options.levelFiles.push_back(arg);
        } else if (arg == "--seed") {
            std::string text;
            if (!value(text)) return false;
            uint32_t seed = 0;
            const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), seed);
            if (ec != std::errc() || ptr != text.data() + text.size()) {
                error = "--seed needs a whole number from 0 to 4294967295, not '" + text + "'";
                return false;
            }
            options.seed = seed;
        } else {
            error = "unknown option '" + arg + "'";
            return false;
        }
    }
    if (options.relaxed && options.level == 0 && !options.autoplay) {
        error = "--relaxed goes with --level or --autoplay";
        return false;
    }
    if (options.keyboard && !options.autoplay) {
        error = "--keyboard goes with --autoplay";
        return false;
    }
    if (options.equip && options.level == 0) {
        error = "--equip goes with --level";
        return false;
    }
    if (!options.exitOn.empty() && options.reportPath.empty()) {
        error = "--exit-on goes with --report";
        return false;
    }
    return true;
}

std::string UsageText() {
    std::string showcases;
    for (const std::string& name : ShowcaseNames()) showcases += (showcases.empty() ? "" : ", ") + name;
    return "Usage: murkwell [options]\n"
           "  --windowed        play in a window\n"
           "  --fullscreen      play full screen\n"
           "  --headless        no window and no sound card (SDL's dummy drivers); for tests and scripts\n"
           "  --data DIR        read the game's data from DIR instead of the data folder beside the program\n"
           "  --seed N          fix the random seed\n"
           "  --deterministic   every frame lasts 1000/60 ms on the game's clock, so a scripted run replays\n"
           "                    exactly\n"
           "  --simulate        no display, no sound and nothing drawn: the game runs deterministic as fast\n"
           "                    as the processor allows; for the level report and long soaks\n"
           "  --script FILE     play timed input from FILE (see the README)\n"
           "  --level N         start straight into level N (1 to 100) for the current player, timed\n"
           "  --equip           with --level: the player owns every shop item on offer by that level\n"
           "  --relaxed         with --level: play it without the clock; with --autoplay: a new player it\n"
           "                    makes plays relaxed\n"
           "  --autoplay        the autoplayer plays, through the mouse as a person would\n"
           "  --keyboard        with --autoplay: it keeps to the keyboard, the arrows and Enter on the\n"
           "                    board, Tab and Enter on every button\n"
           "  --report FILE     write what happens to FILE, one JSON object a line\n"
           "  --exit-on EVENT   with --report: end the game after the first event of that name; screen:NAME\n"
           "                    ends it when that screen comes up\n"
           "  --showcase NAME   show one piece of the game on its own for review (" +
           showcases +
           ")\n"
           "  --check-levels [FILE...]\n"
           "                    check level files (every level of the data folder when none is named) and "
           "stop\n"
           "  --version         print the version and stop\n"
           "  --help            print this text and stop\n";
}
