#pragma once

#include <string>
#include <vector>

namespace assetgen {

// The game text table of the data folder ("text/gametext.txt", written by hand in content/text/) checked
// against what reads it: the game's reader takes it (UTF-8, every block headed), no block is ambiguous
// (a header without a key, an empty or padded key, a key given twice, a text ending in a blank line),
// every key of the key lists is in it, and every character of its texts is in every one of the game's
// fonts in "fonts/". Returns one line per problem; none when the table is sound.
std::vector<std::string> CheckGameText(const std::string& dataRoot, const std::vector<std::string>& keyLists);

}  // namespace assetgen
