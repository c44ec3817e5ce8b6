#include "platform/script/Script.h"

#include <algorithm>
#include <charconv>
#include <sstream>

#include "platform/files/Files.h"

namespace platform {
namespace {

bool ParseInt(const std::string& word, long long& out) {
    const char* end = word.data() + word.size();
    auto [ptr, ec] = std::from_chars(word.data(), end, out);
    return ec == std::errc() && ptr == end;
}

struct Command {
    const char* name;
    ScriptStep::Kind kind;
    int numbers;  // how many integer arguments follow
};

constexpr Command kCommands[] = {
    {"move", ScriptStep::Kind::Move, 2},
    {"press", ScriptStep::Kind::Press, 1},
    {"release", ScriptStep::Kind::Release, 1},
    {"click", ScriptStep::Kind::Click, 2},
    {"key", ScriptStep::Kind::Key, 1},
    {"keydown", ScriptStep::Kind::KeyDown, 1},
    {"keyup", ScriptStep::Kind::KeyUp, 1},
    {"text", ScriptStep::Kind::Text, 0},
    {"screenshot", ScriptStep::Kind::Screenshot, 0},
    {"quit", ScriptStep::Kind::Quit, 0},
};

bool InRange(ScriptStep::Kind kind, long long v) {
    switch (kind) {
        case ScriptStep::Kind::Press:
        case ScriptStep::Kind::Release:
            return v >= 1 && v <= 3;
        case ScriptStep::Kind::Key:
        case ScriptStep::Kind::KeyDown:
        case ScriptStep::Kind::KeyUp:
            return v >= 1 && v <= 255;
        default:
            return v >= -100000 && v <= 100000;
    }
}

}  // namespace

bool ParseScript(const std::string& source, const std::string& fileName, std::vector<ScriptStep>& steps,
                 std::string& error) {
    steps.clear();
    const std::vector<std::string> lines = files::SplitLines(source);
    for (size_t n = 0; n < lines.size(); ++n) {
        std::string line = lines[n];
        const std::string where = fileName + ":" + std::to_string(n + 1) + ": ";
        // A "#" at the start of a line or after a blank starts a comment; "a#b" types all three.
        for (size_t i = 0; i < line.size(); ++i) {
            if (line[i] == '#' && (i == 0 || line[i - 1] == ' ' || line[i - 1] == '\t')) {
                line.resize(i);
                break;
            }
        }
        const size_t last = line.find_last_not_of(" \t");
        line.resize(last == std::string::npos ? 0 : last + 1);
        std::istringstream words(line);
        std::string timeWord, name;
        if (!(words >> timeWord)) continue;
        long long time;
        if (!ParseInt(timeWord, time) || time < 0 || time > UINT32_MAX) {
            error = where + "the line must start with a time in milliseconds, not '" + timeWord + "'";
            return false;
        }
        if (!(words >> name)) {
            error = where + "a command must follow the time";
            return false;
        }
        const auto command = std::find_if(std::begin(kCommands), std::end(kCommands),
                                          [&](const Command& c) { return name == c.name; });
        if (command == std::end(kCommands)) {
            error = where + "unknown command '" + name + "'";
            return false;
        }
        ScriptStep step;
        step.time = static_cast<uint32_t>(time);
        step.kind = command->kind;
        step.line = static_cast<int>(n + 1);
        std::string rest;
        std::getline(words, rest);
        const size_t first = rest.find_first_not_of(" \t");
        rest = first == std::string::npos ? "" : rest.substr(first);
        if (step.kind == ScriptStep::Kind::Text) {
            if (rest.empty()) {
                error = where + "'text' needs the text to type";
                return false;
            }
            step.text = rest;
        } else {
            std::istringstream args(rest);
            std::vector<std::string> values;
            for (std::string v; args >> v;) values.push_back(v);
            if (step.kind == ScriptStep::Kind::Screenshot) {
                if (values.size() != 1) {
                    error = where + "'screenshot' needs one file name (without blanks)";
                    return false;
                }
                step.text = values[0];
            } else {
                if (static_cast<int>(values.size()) != command->numbers) {
                    error = where + "'" + name + "' takes " + std::to_string(command->numbers) + " number(s)";
                    return false;
                }
                long long parsed[2] = {0, 0};
                for (size_t i = 0; i < values.size(); ++i) {
                    if (!ParseInt(values[i], parsed[i]) || !InRange(step.kind, parsed[i])) {
                        error = where + "'" + values[i] + "' is not a valid value for '" + name + "'";
                        return false;
                    }
                }
                step.a = static_cast<int>(parsed[0]);
                step.b = static_cast<int>(parsed[1]);
            }
        }
        steps.push_back(step);
    }
    std::stable_sort(steps.begin(), steps.end(),
                     [](const ScriptStep& x, const ScriptStep& y) { return x.time < y.time; });
    return true;
}

bool LoadScript(const std::string& path, std::vector<ScriptStep>& steps, std::string& error) {
    std::vector<uint8_t> bytes;
    if (!files::ReadAll(path, bytes, error)) return false;
    return ParseScript(files::DecodeText(bytes), path, steps, error);
}

}  // namespace platform
