#include "tools/assetgen/TextCheck.h"

#include <cstdio>
#include <map>
#include <set>
#include <vector>

#include "framework/core/Strings.h"
#include "framework/gfx/FntFile.h"
#include "framework/gfx/GameFonts.h"
#include "framework/gfx/TextFile.h"
#include "framework/gfx/TextTable.h"
#include "platform/files/Files.h"
#include "platform/text/Utf8.h"

namespace assetgen {

namespace {

namespace files = platform::files;

constexpr const char* kTable = "text/gametext.txt";
// Past this many characters missing from fonts the rest are only counted.
constexpr size_t kMostMissingShown = 20;

std::string CodeOf(char32_t c) {
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
    return code;
}

bool Padded(const std::string& key) {
    return !key.empty() &&
           (key.front() == ' ' || key.front() == '\t' || key.back() == ' ' || key.back() == '\t');
}

// The blocks' own faults: what the reader would pass over or silently replace.
void CheckBlocks(const std::vector<TextBlock>& blocks, std::vector<std::string>& problems) {
    std::map<std::string, int> firstLine;
    for (const TextBlock& block : blocks) {
        const std::string where = std::string(kTable) + " line " + std::to_string(block.line);
        if (!block.hasKey) {
            problems.push_back(where + ": a header with no key after it");
            continue;
        }
        if (block.key.empty()) problems.push_back(where + ": the key line after the header is empty");
        if (Padded(block.key))
            problems.push_back(where + ": the key '" + block.key + "' has blanks round it");
        const auto [first, added] = firstLine.try_emplace(UpperCase(block.key), block.line);
        if (!added) {
            problems.push_back(where + ": the key '" + block.key + "' again (first at line " +
                               std::to_string(first->second) + "); only the later text would be kept");
        }
        if (!block.lines.empty() && block.lines.back().empty()) {
            problems.push_back(where + ": the text of '" + block.key +
                               "' ends in a blank line, which the game would show as an empty line");
        }
    }
}

void CheckKeyLists(const std::vector<std::string>& keyLists, const std::vector<TextBlock>& blocks,
                   std::vector<std::string>& problems) {
    std::set<std::string> keys;
    for (const TextBlock& block : blocks) {
        if (block.hasKey) keys.insert(UpperCase(block.key));
    }
    for (const std::string& list : keyLists) {
        std::string text, error;
        if (!ReadTextFile(list, text, error)) {
            problems.push_back("the key list " + list + " cannot be read: " + error);
            continue;
        }
        for (const std::string& key : ParseKeyList(text)) {
            if (!keys.contains(UpperCase(key))) {
                problems.push_back("the key '" + key + "' (listed in " + list + ") is not in " + kTable);
            }
        }
    }
}

// The characters of each font; a font that is missing or damaged is left to the other checks.
std::map<std::string, std::set<int>> FontCharacters(const std::string& root) {
    std::map<std::string, std::set<int>> fonts;
    for (const char* name : kGameFontNames) {
        std::string text, error;
        FntFile file;
        if (!ReadTextFile(files::Resolve(files::Join(root, std::string("fonts/") + name + ".fnt")), text,
                          error) ||
            !ParseFnt(text, file, error)) {
            continue;
        }
        for (const FntGlyph& glyph : file.glyphs) fonts[name].insert(glyph.id);
    }
    return fonts;
}

void CheckCharacters(const std::string& root, const std::vector<TextBlock>& blocks,
                     std::vector<std::string>& problems) {
    const auto fonts = FontCharacters(root);
    std::set<std::pair<char32_t, std::string>> reported;
    size_t hidden = 0;
    for (const TextBlock& block : blocks) {
        for (const std::string& line : block.lines) {
            for (const char32_t c : platform::DecodeUtf8(line)) {
                for (const auto& [font, characters] : fonts) {
                    if (characters.contains(static_cast<int>(c)) || !reported.insert({c, font}).second)
                        continue;
                    if (reported.size() > kMostMissingShown) {
                        ++hidden;
                        continue;
                    }
                    problems.push_back(std::string(kTable) + " line " + std::to_string(block.line) +
                                       ": the text of '" + block.key + "' uses '" + platform::EncodeUtf8(c) +
                                       "' (" + CodeOf(c) + "), which the font " + font + " lacks");
                }
            }
        }
    }
    if (hidden > 0)
        problems.push_back("... and " + std::to_string(hidden) + " more characters missing from fonts");
}

}  // namespace

std::vector<std::string> CheckGameText(const std::string& dataRoot,
                                       const std::vector<std::string>& keyLists) {
    std::vector<std::string> problems;
    const std::string path = files::Resolve(files::Join(dataRoot, kTable));
    std::vector<uint8_t> bytes;
    std::string text, error;
    if (!files::ReadAll(path, bytes, error)) {
        problems.push_back(std::string(kTable) + " is missing (it is written by hand in content/text/)");
        return problems;
    }
    if (!DecodeTextFile(bytes, text, error)) {
        problems.push_back(std::string(kTable) + ": " + error);
        return problems;
    }
    const size_t mark = bytes.size() >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF ? 3 : 0;
    if (text.size() != bytes.size() - mark)
        problems.push_back(std::string(kTable) + " is not UTF-8; save it as UTF-8");
    std::vector<TextBlock> blocks;
    int badLine = 0;
    if (!ParseTextTable(text, blocks, badLine)) {
        problems.push_back(std::string(kTable) + " line " + std::to_string(badLine) +
                           ": the game stops here with \"" + MissingHeaderMessage() +
                           "\" (every block starts with [TEXT], and no text line may start with \"[\")");
        return problems;
    }
    CheckBlocks(blocks, problems);
    CheckKeyLists(keyLists, blocks, problems);
    CheckCharacters(dataRoot, blocks, problems);
    return problems;
}

}  // namespace assetgen
