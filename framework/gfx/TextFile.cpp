#include "framework/gfx/TextFile.h"

#include <algorithm>
#include <vector>

#include "platform/files/Files.h"

bool DecodeTextFile(std::span<const uint8_t> bytes, std::string& text, std::string& error) {
    const bool wideMark = bytes.size() >= 2 &&
                          ((bytes[0] == 0xFF && bytes[1] == 0xFE) || (bytes[0] == 0xFE && bytes[1] == 0xFF));
    if (wideMark || std::find(bytes.begin(), bytes.end(), 0) != bytes.end()) {
        error = wideMark ? "it is UTF-16 or UTF-32 text; save it as UTF-8"
                         : "it holds NUL bytes, so it is not text in UTF-8";
        return false;
    }
    text = platform::files::DecodeText(bytes);
    return true;
}

bool ReadTextFile(const std::string& path, std::string& text, std::string& error) {
    std::vector<uint8_t> bytes;
    if (!platform::files::ReadAll(platform::files::Resolve(path), bytes, error)) return false;
    return DecodeTextFile(bytes, text, error);
}
