#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// One line of the high-score table.
class THighScore {
public:
    std::string name;
    int score = 0;
    int level = 0;
};

// The framework's high-score table, best first, kept in a file of its own. The game makes one and
// leaves it empty.
//
// The file holds one record per entry to its end: the name, each byte the character's code minus 23
// (modulo 256), then a 0 byte; the score; the level (both 32-bit little-endian).
class THighScoreList {
public:
    std::vector<THighScore> Entries;
    std::string filepath;
    int MaxNameLength = 10;

    // Empties the table; its file becomes path + ".dat".
    int Create(const std::string& path, int maxNameLength);
    int Add(const std::string& name, int score, int level);
    // Before the first entry whose score is not above the new one: a new score goes above equal older
    // ones.
    int Insert(const std::string& name, int score, int level);
    // Reads the file; a missing one gets the default table, written out. A record cut short by the file's
    // end is dropped with what follows, keeping the whole records before it; the file is left as it is.
    int Load();
    // Writes the file whole or not at all; failing after five tries is fatal ("Failed to save file ").
    int Save();
    // Ten entries from 10000 and level 10 down to 1000 and level 1, then Save.
    int CreateDefault();
    // count entries "Empty" with score and level 0, then Save.
    int Zero(int count);

    // The file's bytes for the entries, and the entries of such bytes (whole records only).
    static std::vector<uint8_t> Encode(const std::vector<THighScore>& entries);
    static std::vector<THighScore> Decode(std::span<const uint8_t> bytes);
};
