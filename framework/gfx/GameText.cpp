#include "framework/gfx/GameText.h"

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/core/Messages.h"
#include "framework/core/Strings.h"
#include "framework/gfx/TextFile.h"
#include "framework/gfx/TextTable.h"

TGameText GameText;

std::shared_ptr<TGameText> TGameText::Create(const std::string& file) {
    auto table = std::make_shared<TGameText>();
    table->Read(file);
    return table;
}

int TGameText::Read(const std::string& file) {
    Clear();
    const std::string path = (Game ? Game->TextPath : std::string()) + file;
    std::string text, error;
    // A file that is missing or is not text cannot be read.
    if (!ReadTextFile(path, text, error)) {
        Message("Error loading file " + path, 1, 1);
        return 0;
    }
    std::vector<TextBlock> blocks;
    int badLine = 0;
    if (!ParseTextTable(text, blocks, badLine)) {
        Message(MissingHeaderMessage(), 1, 1);
        return 0;
    }
    for (TextBlock& block : blocks) {
        if (block.hasKey) entries_[UpperCase(block.key)] = std::move(block.lines);
    }
    return 1;
}

const std::vector<std::string>& TGameText::Find(const std::string& key) const {
    static const std::vector<std::string> kNone;
    const auto found = entries_.find(UpperCase(key));
    return found == entries_.end() ? kNone : found->second;
}

std::string TGameText::FindString(const std::string& key) const {
    const std::vector<std::string>& lines = Find(key);
    std::string joined;
    for (size_t i = 0; i < lines.size(); ++i) joined += (i > 0 ? "\r\n" : "") + lines[i];
    return joined;
}

std::string TGameText::FindReplaced(const std::string& key, const std::string& placeholder,
                                    const std::string& value) const {
    std::string text = FindString(key);
    if (placeholder.empty()) return text;
    for (size_t at = text.find(placeholder); at != std::string::npos;
         at = text.find(placeholder, at + value.size())) {
        text.replace(at, placeholder.size(), value);
    }
    return text;
}
