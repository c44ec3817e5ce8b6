#include "framework/core/IniFile.h"

#include "framework/core/Retry.h"
#include "framework/core/Strings.h"
#include "platform/files/Files.h"

void TIniFile::Add(const std::string& name, const std::string& value) {
    Lines.push_back({UpperCase(name), value});
}

TIniLine* TIniFile::Find(const std::string& name) {
    const std::string key = UpperCase(name);
    for (TIniLine& line : Lines) {
        if (line.Name == key) return &line;
    }
    return nullptr;
}

void TIniFile::Parse(const std::string& text) {
    for (const std::string& raw : platform::files::SplitLines(text)) {
        const size_t eq = raw.find('=');
        TIniLine* line = Find(raw.substr(0, eq));
        if (line) line->Value = eq == std::string::npos ? "" : raw.substr(eq + 1);
    }
}

bool TIniFile::LoadAttempt(std::string& error) {
    std::vector<uint8_t> bytes;
    if (!platform::files::ReadAll(Path(), bytes, error)) return false;
    Parse(platform::files::DecodeText(bytes));
    return true;
}

bool TIniFile::SaveAttempt(std::string& error) {
    std::string text;
    for (const TIniLine& line : Lines) text += line.Name + "=" + line.Value + "\n";
    return platform::files::WriteAtomic(Path(), text, error);
}

bool TIniFile::Load(platform::Clock& clock, std::string& error) {
    return Retry(clock, error, [this](std::string& e) { return LoadAttempt(e); });
}

bool TIniFile::Save(platform::Clock& clock, std::string& error) {
    return Retry(clock, error, [this](std::string& e) { return SaveAttempt(e); });
}
