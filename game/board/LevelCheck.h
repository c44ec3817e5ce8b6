#pragma once

#include <string>
#include <vector>

// What the level checker finds in one level file: a summary line and every problem. A file passes when
// it loads, keeps the rules a level must keep (goals that can be met, features only on the field, the
// tutorial's cells and goals), and its first fill comes out playable with every seed tried.
struct LevelReport {
    std::string summary;
    std::vector<std::string> problems;
    int maxFills = 0;  // the most fills any seed needed
};

// level: the level's number (from its file name; 0 when it has none), which the tutorial rules and the
// fill's special cases depend on. Needs a game object and the board's pictures in the image bank.
LevelReport CheckLevel(const std::string& path, int level, int seeds = 8);
