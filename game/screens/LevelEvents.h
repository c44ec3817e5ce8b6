#pragma once

#include <functional>
#include <string>

// How a level ended, as the event report tells it.
struct TLevelEnd {
    int level = 0;
    std::string result;  // "won", "time_up", "no_moves" or "left"
    int score = 0;
    int gold = 0;
    int timeLeftMs = 0;
    int timeUsedMs = 0;   // the level's own clock, paused moments not counted
    int timeLimitMs = 0;  // what the level allows; kept in relaxed play too, for comparison
    int moves = 0;     // swaps that stood
    int bombs = 0;     // bombs set off
    int powerups = 0;  // power-ups used
};

// What happens in play, for whoever listens: the event report and the autoplayer's books. Nothing in the
// game depends on whether anyone does.
struct TLevelEvents {
    std::function<void(int level)> LevelStarted = [](int) {};
    std::function<void(const TLevelEnd&)> LevelEnded = [](const TLevelEnd&) {};
    // A tutorial tip came up ("Hint 1", "Hint 2b", "Hint Magic", "Goal Tip", "Pumpkin Tip").
    std::function<void(const std::string& key)> TipShown = [](const std::string&) {};
    // A story dialog opened, by the text key of its message ("StoryMessageText1", "ShopMessage0").
    std::function<void(const std::string& key)> StoryShown = [](const std::string&) {};
};

extern TLevelEvents LevelEvents;

// The level being played, ended with result: its numbers from the player.
TLevelEnd LevelEndOf(const std::string& result);
