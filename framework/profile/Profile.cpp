#include "framework/profile/Profile.h"

#include <stdexcept>
#include <vector>

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/core/Messages.h"
#include "framework/core/Retry.h"
#include "framework/profile/ProfileFiles.h"
#include "framework/profile/ProfileNames.h"
#include "platform/files/Files.h"

namespace files = platform::files;

namespace {

constexpr uint32_t Offset(int k) {
    return TProfile::PROFILE_BASE + static_cast<uint32_t>(k) * TProfile::PROFILE_STEP;
}

// Points currentStream at the file being read for as long as the read runs.
class CurrentStream {
public:
    CurrentStream(const platform::ByteReader*& field, const platform::ByteReader& in) : field_(field) {
        field_ = &in;
    }
    ~CurrentStream() { field_ = nullptr; }
    CurrentStream(const CurrentStream&) = delete;
    CurrentStream& operator=(const CurrentStream&) = delete;

private:
    const platform::ByteReader*& field_;
};

// Up to five tries, as for every file. A try that throws has failed; with DebugBuild set it also shows
// thrownText, fatal, which ends the tries at once.
template <typename Attempt>
bool TryFiveTimes(const std::string& thrownText, std::string& error, Attempt attempt) {
    return Retry(Game->GetPlatform().GetClock(), error, [&](std::string& e) {
        try {
            return attempt(e);
        } catch (const FatalMessage&) {
            throw;
        } catch (const std::exception& thrown) {
            e = thrown.what();
            if (DebugBuild) Message(thrownText, 1, 1);
            return false;
        }
    });
}

}  // namespace

std::shared_ptr<TProfile> TProfile::Create(const std::string& name) {
    auto profile = std::make_shared<TProfile>();
    profile->Init(name);
    if (ProfileCreatedHook) ProfileCreatedHook(*profile);
    return profile;
}

int TProfile::Init(const std::string& name) {
    Name = name;
    CurrentLevel = 1;
    LockedLevel = 2;
    Score = 0;
    Lives = 3;
    Kills = 0;
    TimeTaken = 0.0;
    Difficulty = 0;
    TipsFlag = 1;
    InstructionsFlag = 1;
    return ClearHints();
}

int TProfile::ClearHints() {
    return HintsSet(0);
}

int TProfile::HintsSet(int value) {
    HintsShown.fill(value);
    return 1;
}

int TProfile::ShowHint(int index, int save) {
    if (index < 0 || index >= MAX_HINTS || HintsShown[index] != 0) return 0;
    HintsShown[index] = 1;
    if (save) Save();
    return 1;
}

std::string TProfile::FilePath(const std::string& extension) const {
    return ProfileFilePath(Game->ProfilePath, Name, extension);
}

void TProfile::WriteTo(platform::ByteWriter& out) const {
    const int counters[5] = {CurrentLevel, LockedLevel, Score, Lives, Kills};
    for (int k = 0; k < 5; ++k) out.WriteUInt32(static_cast<uint32_t>(counters[k]) + Offset(k));
    out.WriteDouble(TimeTaken);
    out.WriteInt32(Difficulty);
    out.WriteInt32(TipsFlag);
    out.WriteInt32(InstructionsFlag);
    if (UseProfileChecksum == 1) out.WriteInt32(PROFILE_MARKER);
    for (const int32_t shown : HintsShown) out.WriteInt32(shown);
    if (SaveUserFunction) SaveUserFunction(out);
}

TProfile::ReadResult TProfile::ReadFrom(platform::ByteReader& in) {
    const CurrentStream stream(currentStream, in);
    uint32_t stored = 0;
    if (!in.ReadUInt32(stored)) return ReadResult::TooShort;
    if (stored == 0) return ReadResult::FirstIntZero;
    int* const counters[5] = {&CurrentLevel, &LockedLevel, &Score, &Lives, &Kills};
    for (int k = 0;; ++k) {
        *counters[k] = static_cast<int32_t>(stored - Offset(k));
        if (k == 4) break;
        if (!in.ReadUInt32(stored)) return ReadResult::TooShort;
    }
    if (!in.ReadDouble(TimeTaken) || !in.ReadInt32(Difficulty) || !in.ReadInt32(TipsFlag) ||
        !in.ReadInt32(InstructionsFlag)) {
        return ReadResult::TooShort;
    }
    if (UseProfileChecksum == 1) {
        int32_t marker = 0;
        if (!in.ReadInt32(marker)) return ReadResult::TooShort;
        if (marker != PROFILE_MARKER) return ReadResult::ChecksumError;
    }
    ClearHints();
    // A file that ends inside the hint flags keeps the ones it holds.
    for (int32_t& shown : HintsShown) {
        if (!in.ReadInt32(shown)) return ReadResult::TooShort;
        if (in.AtEnd()) break;
    }
    if (LoadUserFunction) LoadUserFunction(in);
    return in.Failed() ? ReadResult::TooShort : ReadResult::Loaded;
}

int TProfile::SaveAttempt() {
    std::string error;
    return SaveAttempt(error);
}

int TProfile::SaveAttempt(std::string& error) {
    const std::string path = FilePath(ProfileExtension);
    platform::ByteWriter out;
    WriteTo(out);
    if (files::WriteAtomic(path, out.Bytes(), error)) return 1;
    if (DebugBuild) Message("Could not create file '" + path + "'", 1, 1);
    return 0;
}

int TProfile::Save() {
    std::string error;
    const bool saved = TryFiveTimes("Could not save profile!", error,
                                    [this](std::string& e) { return SaveAttempt(e) == 1; });
    if (saved) return 1;
    // Said once, not once per try: the game goes on with the data in memory and tries again at the next
    // save, but the player must know that progress is not being kept.
    Message("Could not save profile! " + error, 0, 1);
    return 0;
}

int TProfile::LoadAttempt() {
    std::string error;
    return LoadAttempt(error);
}

int TProfile::LoadAttempt(std::string& error) {
    const std::string path = FilePath(ProfileExtension);
    if (!files::Exists(path)) {
        Save();
        return 1;
    }
    std::vector<uint8_t> bytes;
    if (!files::ReadAll(path, bytes, error)) return 0;
    platform::ByteReader in(bytes);
    switch (ReadFrom(in)) {
        case ReadResult::Loaded:
            return 1;
        case ReadResult::FirstIntZero:
            Message("Profile " + Name + " is corrupt: First int was 0.", 0, 1);
            loadingError = 1;
            return 0;
        case ReadResult::ChecksumError:
            Message("Profile " + Name + " is corrupt: Checksum Error.", 0, 1);
            loadingError = 1;
            return 0;
        case ReadResult::TooShort:
            break;
    }
    error = "Profile " + path + " ends too soon";
    return 0;
}

int TProfile::Load() {
    loadingError = 0;
    setAside_.clear();
    // Start from a fresh profile: what this object held for another player must not survive a missing
    // or damaged file, nor be saved under this player's name.
    Init(Name);
    if (ProfileCreatedHook) ProfileCreatedHook(*this);

    std::string error;
    const std::string couldNotLoad = "Could not load profile!";
    const bool stopped = TryFiveTimes(couldNotLoad, error, [&](std::string& e) {
        if (LoadAttempt(e) == 1) return true;
        // A read that runs past the end of the file counts as a try that threw.
        if (loadingError == 0 && DebugBuild) Message(couldNotLoad, 1, 1);
        return loadingError == 1;
    });
    if (stopped && loadingError == 0) return 1;
    if (!stopped) Message("Profile " + Name + " failed to load", 0, 1);
    if (UseProfileBackup == 1 && LoadBackup() == 1) return 1;

    // The damaged file goes aside before anything can save over it, and the player is told.
    if (setAside_.empty()) setAside_ = SetAside(FilePath(ProfileExtension));
    std::string text = "Profile " + Name + " could not be restored.";
    if (!setAside_.empty()) text += " The damaged file was kept as '" + setAside_ + "'.";
    Message(text, 0, 1);
    return 0;
}

int TProfile::LoadBackup() {
    const std::string backup = FilePath("backup");
    if (!files::Exists(backup)) return 0;
    const std::string path = FilePath(ProfileExtension);
    setAside_ = SetAside(path);
    std::string error;
    if (!files::Copy(backup, path, error)) {
        if (DebugBuild) Message("Could not copy backup!", 1, 1);
        return 0;
    }
    if (LoadAttempt(error) != 1) return 0;
    Message("Loaded backup profile.", 0, 1);
    return 1;
}

std::string TProfile::SetAside(const std::string& path) {
    if (!files::Exists(path)) return "";
    const std::string base = path.substr(0, path.size() - files::ExtensionOf(path).size());
    std::string target = base + ".bad";
    for (int n = 2; files::Exists(target) && n < 1000; ++n) target = base + ".bad" + std::to_string(n);
    std::string error;
    return files::Rename(path, target, error) ? target : "";
}

int TProfile::Backup() {
    // Put back even when the save inside ends the program: the extension is shared by every profile.
    struct RestoreExtension {
        std::string previous = ProfileExtension;
        ~RestoreExtension() { ProfileExtension = previous; }
    } restore;
    ProfileExtension = "backup";
    return Save();
}
