#include "framework/gfx/TrimData.h"

#include <vector>

#include "framework/core/Messages.h"
#include "framework/core/Strings.h"
#include "framework/gfx/GameImage.h"
#include "platform/files/Files.h"

void TTrimDataMap::Add(const std::string& name, std::shared_ptr<TTrimData> trim) {
    entries_[ImageKey(name)] = std::move(trim);
}

std::shared_ptr<TTrimData> TTrimDataMap::Find(const std::string& name, int noError) const {
    const std::string key = ImageKey(name);
    const auto found = entries_.find(key);
    if (found != entries_.end()) return found->second;
    if (!noError) Message("TrimData '" + key + "' was not found in the TrimDataMap", 1, 1);
    return nullptr;
}

int TTrimDataMap::LoadDataFile(const std::string& path) {
    std::vector<std::string> lines;
    std::string error;
    if (!platform::files::ReadLines(platform::files::Resolve(path), lines, error)) {
        Message("Error loading file " + path, 1, 1);
        return 0;
    }
    for (size_t number = 1; number <= lines.size(); ++number) {
        const std::string& line = lines[number - 1];
        if (line == "[offsets]") continue;
        const size_t eq = line.find('=');
        // The name without folder and extension; a bare ".png" leaves nothing.
        std::string name = platform::files::FileNameOf(line.substr(0, eq));
        if (const size_t dot = name.rfind('.'); dot != std::string::npos) name.erase(dot);
        if (name.empty()) continue;
        // Missing fields and text that is not a number read as 0.
        int values[4] = {0, 0, 0, 0};
        if (eq != std::string::npos) {
            size_t start = eq + 1;
            for (int& v : values) {
                const size_t comma = line.find(',', start);
                const std::string field =
                    line.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
                v = ToInt(field);
                if (comma == std::string::npos) break;
                start = comma + 1;
            }
        }
        auto trim = std::make_shared<TTrimData>();
        trim->name = name;
        trim->xOffset = values[0];
        trim->yOffset = values[1];
        trim->originalWidth = values[2];
        trim->originalHeight = values[3];
        Add(name, trim);
    }
    return 1;
}
