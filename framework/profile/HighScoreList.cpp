#include "framework/profile/HighScoreList.h"

#include <array>

#include "framework/core/Game.h"
#include "framework/core/Messages.h"
#include "framework/core/Retry.h"
#include "platform/files/Files.h"

namespace {

constexpr uint8_t kShift = 23;
constexpr size_t kNumberBytes = 4;

// The default table's names: the village's folk, best first.
constexpr std::array<const char*, 10> kDefaultNames = {"Maud",   "Ezra",  "Tamsin", "Crispin", "Hester",
                                                       "Wendel", "Agnes", "Jory",   "Bramble", "Nell"};

void PutNumber(std::vector<uint8_t>& out, int value) {
    const auto v = static_cast<uint32_t>(value);
    for (size_t i = 0; i < kNumberBytes; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

int GetNumber(std::span<const uint8_t> bytes) {
    uint32_t v = 0;
    for (size_t i = 0; i < kNumberBytes; ++i) v |= static_cast<uint32_t>(bytes[i]) << (8 * i);
    return static_cast<int>(v);
}

}  // namespace

int THighScoreList::Create(const std::string& path, int maxNameLength) {
    Entries.clear();
    filepath = path + ".dat";
    MaxNameLength = maxNameLength;
    return 1;
}

int THighScoreList::Add(const std::string& name, int score, int level) {
    Entries.push_back({name, score, level});
    return 1;
}

int THighScoreList::Insert(const std::string& name, int score, int level) {
    auto at = Entries.begin();
    while (at != Entries.end() && at->score > score) ++at;
    Entries.insert(at, {name, score, level});
    return 1;
}

int THighScoreList::Load() {
    Entries.clear();
    std::vector<uint8_t> bytes;
    std::string error;
    if (!platform::files::ReadAll(filepath, bytes, error)) return CreateDefault();
    Entries = Decode(bytes);
    return 1;
}

int THighScoreList::Save() {
    const std::vector<uint8_t> bytes = Encode(Entries);
    std::string error;
    const bool saved = Retry(Game->GetPlatform().GetClock(), error, [&](std::string& e) {
        return platform::files::WriteAtomic(filepath, bytes, e);
    });
    if (!saved) Message("Failed to save file " + filepath, 1, 1);
    return saved ? 1 : 0;
}

int THighScoreList::CreateDefault() {
    constexpr int kTop = 10000, kStep = 1000;
    for (size_t i = 0; i < kDefaultNames.size(); ++i) {
        const int rank = static_cast<int>(i);
        Add(kDefaultNames[i], kTop - rank * kStep, static_cast<int>(kDefaultNames.size()) - rank);
    }
    return Save();
}

int THighScoreList::Zero(int count) {
    Entries.clear();
    for (int i = 0; i < count; ++i) Add("Empty", 0, 0);
    return Save();
}

std::vector<uint8_t> THighScoreList::Encode(const std::vector<THighScore>& entries) {
    std::vector<uint8_t> out;
    for (const THighScore& entry : entries) {
        for (const char c : entry.name) out.push_back(static_cast<uint8_t>(static_cast<uint8_t>(c) - kShift));
        out.push_back(0);
        PutNumber(out, entry.score);
        PutNumber(out, entry.level);
    }
    return out;
}

std::vector<THighScore> THighScoreList::Decode(std::span<const uint8_t> bytes) {
    std::vector<THighScore> entries;
    size_t at = 0;
    while (at < bytes.size()) {
        THighScore entry;
        size_t end = at;
        while (end < bytes.size() && bytes[end] != 0) ++end;
        if (end + 1 + 2 * kNumberBytes > bytes.size()) break;
        for (size_t i = at; i < end; ++i)
            entry.name += static_cast<char>(static_cast<uint8_t>(bytes[i] + kShift));
        entry.score = GetNumber(bytes.subspan(end + 1));
        entry.level = GetNumber(bytes.subspan(end + 1 + kNumberBytes));
        entries.push_back(std::move(entry));
        at = end + 1 + 2 * kNumberBytes;
    }
    return entries;
}
