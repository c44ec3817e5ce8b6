#pragma once

#include <string>
#include <vector>

// `murkwell --check-levels [FILE...]`: every level file (by default every one in the data folder's level
// folder) through the game's own loader and first fill, one line per level on standard output, problems on
// standard error. Returns 0 when every level passes, 1 otherwise.
int RunLevelChecker(const std::vector<std::string>& files, const std::string& dataFolder);
