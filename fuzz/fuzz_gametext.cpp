// The game text table's reader and the key lists on damaged files: a table either fails at a line that
// the game would stop at, or splits into blocks that read back as they were written.
#include <string>
#include <vector>

#include "framework/gfx/TextFile.h"
#include "framework/gfx/TextTable.h"
#include "fuzz/FuzzSupport.h"

namespace {

std::vector<uint8_t> Bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

// The blocks written out again; Windows line ends keep a line's own last "\r".
std::string Written(const std::vector<TextBlock>& blocks) {
    std::string text;
    for (const TextBlock& block : blocks) {
        text += "[TEXT]\r\n";
        if (!block.hasKey) continue;
        text += block.key + "\r\n";
        for (const std::string& line : block.lines) text += line + "\r\n";
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz::SeedEmptyCorpus(
        *argc, *argv,
        {{"table.txt", Bytes("[TEXT]\nGold\nGold\n[text]\nWelcome\nGood evening,\n\nKeeper\n")},
         {"crlf.txt", Bytes("\xEF\xBB\xBF[TEXT]\r\nCaf\xC3\xA9\r\n\xE2\x80\x9Cx\xE2\x80\x9D\r\n")},
         {"keys.txt", Bytes("# keys\nGold\n\nButton OK\n")}});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text, error;
    if (!DecodeTextFile({data, size}, text, error)) {
        FUZZ_CHECK(!error.empty());
        return 0;
    }
    for (const std::string& key : ParseKeyList(text)) FUZZ_CHECK(!key.empty() && key[0] != '#');
    std::vector<TextBlock> blocks;
    int badLine = 0;
    if (!ParseTextTable(text, blocks, badLine)) {
        FUZZ_CHECK(badLine >= 1);
        return 0;
    }
    FUZZ_CHECK(!blocks.empty());
    std::vector<TextBlock> again;
    FUZZ_CHECK(ParseTextTable(Written(blocks), again, badLine));
    FUZZ_CHECK(again.size() == blocks.size());
    for (size_t i = 0; i < blocks.size(); ++i) {
        FUZZ_CHECK(again[i].key == blocks[i].key && again[i].lines == blocks[i].lines);
    }
    return 0;
}
