#include "framework/gfx/TextTable.h"

#include "framework/core/Strings.h"
#include "platform/files/Files.h"

std::string MissingHeaderMessage() {
    return "[" + std::string(kTextSection) + "] header hot found";
}

bool ParseTextTable(std::string_view text, std::vector<TextBlock>& blocks, int& badLine) {
    blocks.clear();
    const std::vector<std::string> lines = platform::files::SplitLines(std::string(text));
    const std::string header = "[" + std::string(kTextSection) + "]";
    size_t i = 0;
    do {
        if (i >= lines.size() || UpperCase(lines[i]) != header) {
            badLine = static_cast<int>(i) + 1;
            return false;
        }
        TextBlock block;
        block.line = static_cast<int>(i) + 1;
        for (++i; i < lines.size() && !lines[i].starts_with('['); ++i) {
            if (!block.hasKey) {
                block.key = lines[i];
                block.hasKey = true;
            } else {
                block.lines.push_back(lines[i]);
            }
        }
        blocks.push_back(std::move(block));
    } while (i < lines.size());
    return true;
}

std::vector<std::string> ParseKeyList(std::string_view text) {
    std::vector<std::string> keys;
    for (const std::string& line : platform::files::SplitLines(std::string(text))) {
        if (!line.empty() && !line.starts_with('#')) keys.push_back(line);
    }
    return keys;
}
