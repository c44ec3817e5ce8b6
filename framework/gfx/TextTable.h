#pragma once

#include <string>
#include <string_view>
#include <vector>

// One block of the game text table: the header line, a key line, then the text lines (possibly none) up
// to the next line that begins with "[".
struct TextBlock {
    int line = 0;         // the header's line number, from 1
    bool hasKey = false;  // a header followed at once by another header or by the end has no key
    std::string key;      // as written; lookups upper-case it
    std::vector<std::string> lines;
};

// The section name in brackets that heads every block, in any letter case.
inline constexpr std::string_view kTextSection = "TEXT";
// What the game says about a block without its header (the wording is the game's own, typo included).
std::string MissingHeaderMessage();

// Splits the table's text (lines end in "\n", a "\r" before it is dropped) into its blocks. Returns false
// with the line number in badLine when the first line, or any line beginning with "[", is not the header.
bool ParseTextTable(std::string_view text, std::vector<TextBlock>& blocks, int& badLine);

// A list of the keys some code asks the table for: one key a line; blank lines and lines starting with
// "#" are notes. The build checks every key of every list against the game's table.
std::vector<std::string> ParseKeyList(std::string_view text);
