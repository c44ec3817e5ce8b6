#pragma once

#include <string>
#include <vector>

namespace platform {
class Clock;
}

// One name=value line of the settings file; the name is kept upper-case.
struct TIniLine {
    std::string Name;
    std::string Value;
};

// The settings file: every known name with its value, in the order they were added. FileName is the
// path without the ".ini" extension.
class TIniFile {
public:
    std::string FileName;
    std::vector<TIniLine> Lines;

    // Appends a line with the name upper-cased.
    void Add(const std::string& name, const std::string& value);
    void Clear() { Lines.clear(); }
    // The line of that name (any case), or null.
    TIniLine* Find(const std::string& name);

    // Reads the file into the lines already in the list: a line is split at its first "="; names not in
    // the list are ignored; names missing from the file keep their values. False when it cannot be read.
    bool LoadAttempt(std::string& error);
    // Writes every line through a temporary file renamed over the old one.
    bool SaveAttempt(std::string& error);
    // The attempts, tried up to five times 200 ms apart (file operations can fail for a moment while
    // another program holds the file); error holds the last attempt's reason.
    bool Load(platform::Clock& clock, std::string& error);
    bool Save(platform::Clock& clock, std::string& error);

    std::string Path() const { return FileName + ".ini"; }
    // Reads the lines of a settings file's text into this list; shared by Load and the crash reset.
    void Parse(const std::string& text);
};
