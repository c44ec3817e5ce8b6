#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/files/ByteStream.h"

// One player's saved state in the profile folder: progress counters, a flag block and the hint flags,
// followed in the file by the game's own block, which the game's hooks write and read. The file is
// little-endian without a header; the first five counters are stored with an offset added, wrapping
// around in 32 bits. The profile also keeps a backup copy and falls back to it when the file is damaged.
// Files are written whole: a crash at any moment leaves the old or the new file, never a mix.
class TProfile {
public:
    static constexpr int MAX_HINTS = 100;
    // Counter k of the file holds value + PROFILE_BASE + k * PROFILE_STEP.
    static constexpr uint32_t PROFILE_BASE = 5183207;
    static constexpr uint32_t PROFILE_STEP = 1936541;
    // Follows the flag block when UseProfileChecksum is 1.
    static constexpr int32_t PROFILE_MARKER = 14870263;

    using SaveHook = std::function<int(platform::ByteWriter&)>;
    using LoadHook = std::function<int(platform::ByteReader&)>;

    // How a read of the file's bytes went.
    enum class ReadResult { Loaded, FirstIntZero, ChecksumError, TooShort };

    TProfile() = default;
    virtual ~TProfile() = default;

    // A new profile with Init's values, handed to ProfileCreatedHook. No file is touched.
    static std::shared_ptr<TProfile> Create(const std::string& name);
    int Init(const std::string& name);
    int ClearHints();
    // Writes the file, up to five tries 200 ms apart; a save that fails for good is reported once.
    // Returns 1 when the file was written.
    int Save();
    // One try: 1 when written, 0 when the file could not be written.
    int SaveAttempt();
    // Reads the file, up to five tries, then the backup when allowed. A missing file is written afresh
    // and counts as loaded. Returns 1 when loaded.
    int Load();
    // One try: 1 when loaded (or when there was no file), 0 when the file is damaged or cannot be read.
    int LoadAttempt();
    // Sets the profile file aside, puts the backup copy in its place and loads it; 1 when that worked.
    int LoadBackup();
    int HintsSet(int value);
    // 1 the first time a hint is asked for (the hint is then marked shown, and saved when save is
    // non-zero); 0 after that, and for an index outside the hint flags.
    int ShowHint(int index, int save);
    // Writes the backup copy: the same bytes under the "backup" extension.
    int Backup();

    // The bytes of the file (the game's block through SaveUserFunction).
    void WriteTo(platform::ByteWriter& out) const;
    // Reads the fields from the bytes of a file (the game's block through LoadUserFunction). Whatever was
    // read before a failure stays in the fields.
    ReadResult ReadFrom(platform::ByteReader& in);
    // This player's file with the given extension in the profile folder.
    std::string FilePath(const std::string& extension) const;

    std::string Name;  // the player's name, which also names the files
    int CurrentLevel = 0;
    int LockedLevel = 0;  // the first level not yet open
    int Score = 0;
    int Lives = 0;
    int Kills = 0;
    double TimeTaken = 0;
    int Difficulty = 0;
    int TipsFlag = 0;
    int InstructionsFlag = 0;
    std::array<int32_t, MAX_HINTS> HintsShown{};          // 1 once the hint was shown
    SaveHook SaveUserFunction;                            // writes the game's block after the hint flags
    LoadHook LoadUserFunction;                            // reads it back
    int loadingError = 0;                                 // 1 when the last load found the file damaged
    const platform::ByteReader* currentStream = nullptr;  // the file being read, while a read runs

private:
    int SaveAttempt(std::string& error);
    int LoadAttempt(std::string& error);
    // Moves the damaged profile file to the ".bad" name, never over an earlier ".bad" copy (the next one
    // is ".bad2", then ".bad3", ...). Returns where it went, or "" when it could not be moved.
    std::string SetAside(const std::string& path);
    // Where this load set the damaged file aside, if it did.
    std::string setAside_;
};
