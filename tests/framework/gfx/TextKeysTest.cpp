// The keys the code asks the game text table for by name are in the key list beside that code, which the
// build checks against the table.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>

#include "framework/core/Strings.h"
#include "framework/gfx/TextTable.h"
#include "tests/support/TempFolder.h"

namespace murkwell::test {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;

// The quoted keys of GameText.Find, FindString and FindReplaced calls in source text.
std::vector<std::string> KeysAskedFor(const std::string& source) {
    static const std::regex call(R"(GameText\s*(?:\.|->)\s*Find(?:String|Replaced)?\s*\(\s*"([^"\\]*)\")");
    std::vector<std::string> keys;
    for (auto it = std::sregex_iterator(source.begin(), source.end(), call); it != std::sregex_iterator();
         ++it) {
        keys.push_back((*it)[1]);
    }
    return keys;
}

std::set<std::string> Listed(const std::string& list) {
    std::set<std::string> keys;
    for (const std::string& key : ParseKeyList(ReadText(list))) keys.insert(UpperCase(key));
    return keys;
}

TEST(TextKeys, TheScanFindsQuotedKeysOfEveryLookup) {
    EXPECT_THAT(
        KeysAskedFor("a = GameText.FindString(\"Click Text\");\n"
                     "b = GameText.Find( \"Map Header\" ); c = GameText->FindReplaced(\"Level XX Complete\", "
                     "\"XX\", n);\n d = GameText.FindString(key); e = Other.FindString(\"No\");"),
        ElementsAre("Click Text", "Map Header", "Level XX Complete"));
}

TEST(TextKeys, EveryKeyAskedForByNameIsInItsLayersList) {
    for (const std::string layer : {"framework", "game"}) {
        const std::string folder = std::string(MURKWELL_SOURCE_DIR) + "/" + layer;
        const std::string list = folder + "/TextKeys.txt";
        ASSERT_TRUE(fs::is_regular_file(list)) << list;
        const std::set<std::string> listed = Listed(list);
        for (const auto& entry : fs::recursive_directory_iterator(folder)) {
            const std::string path = entry.path().string();
            if (!path.ends_with(".cpp") && !path.ends_with(".h")) continue;
            for (const std::string& key : KeysAskedFor(ReadText(path))) {
                EXPECT_TRUE(listed.contains(UpperCase(key)))
                    << path << " asks for '" << key << "', missing from " << list;
            }
        }
    }
}

TEST(TextKeys, NoListNamesAKeyTwice) {
    for (const std::string layer : {"framework", "game"}) {
        const std::string list = std::string(MURKWELL_SOURCE_DIR) + "/" + layer + "/TextKeys.txt";
        const std::vector<std::string> keys = ParseKeyList(ReadText(list));
        EXPECT_EQ(Listed(list).size(), keys.size()) << list;
    }
}

TEST(TextKeys, ListsSkipNotesAndBlankLines) {
    EXPECT_THAT(ParseKeyList("# a note\n\nGold\r\nButton OK\n#Gold\n"), ElementsAre("Gold", "Button OK"));
}

}  // namespace
}  // namespace murkwell::test
