#pragma once

#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "framework/core/Globals.h"
#include "framework/profile/Profile.h"
#include "framework/profile/ProfileFiles.h"
#include "platform/files/Files.h"
#include "tests/framework/core/GameTestSupport.h"

namespace murkwell::test {

// A game object whose profile folder is a fresh temporary folder, with the profile switches at the
// game's defaults for the test and put back afterwards. Messages are logged to the temporary folder.
class ProfileFixture : public GameFixture {
public:
    ProfileFixture() {
        std::string error;
        folder_ = Folder() + "/profiles/";
        platform::files::CreateFolders(folder_, error);
        game().ProfilePath = folder_;
        ErrorLogFolder = Folder() + "/";
        ProfileExtension = "dat";
        UseProfileChecksum = 0;
        UseProfileBackup = 0;
        ProfileCreatedHook = nullptr;
        DebugBuild = 0;
    }
    ~ProfileFixture() {
        ErrorLogFolder = saved_.errorLogFolder;
        ProfileExtension = saved_.extension;
        UseProfileChecksum = saved_.checksum;
        UseProfileBackup = saved_.backup;
        ProfileCreatedHook = saved_.created;
        DebugBuild = saved_.debug;
    }

    // The profile folder, ending in "/".
    const std::string& ProfileFolder() const { return folder_; }
    std::string PathOf(const std::string& fileName) const { return folder_ + fileName; }
    const std::vector<std::string>& Messages() { return platform().TestSystem().Messages(); }
    std::string ErrorLog() const { return ReadText(Folder() + "/ErrorLog.txt"); }
    uint32_t Now() { return platform().TestClock().Millisecs(); }

    std::vector<uint8_t> Bytes(const std::string& fileName) const {
        std::vector<uint8_t> bytes;
        std::string error;
        platform::files::ReadAll(PathOf(fileName), bytes, error);
        return bytes;
    }
    void WriteBytes(const std::string& fileName, const std::vector<uint8_t>& bytes) const {
        WriteText(PathOf(fileName), std::string(bytes.begin(), bytes.end()));
    }
    std::vector<std::string> FolderNames() const {
        std::vector<std::string> names;
        std::string error;
        platform::files::ListFolder(folder_, names, error);
        return names;
    }

private:
    struct Saved {
        std::string errorLogFolder = ErrorLogFolder;
        std::string extension = ProfileExtension;
        int checksum = UseProfileChecksum;
        int backup = UseProfileBackup;
        std::function<int(TProfile&)> created = ProfileCreatedHook;
        int debug = DebugBuild;
    } saved_;
    std::string folder_;
};

// The little-endian int at byte offset of bytes.
inline uint32_t UIntAt(const std::vector<uint8_t>& bytes, size_t offset) {
    uint32_t value = 0;
    if (offset + 4 <= bytes.size()) std::memcpy(&value, bytes.data() + offset, 4);
    return value;
}
inline int32_t IntAt(const std::vector<uint8_t>& bytes, size_t offset) {
    return static_cast<int32_t>(UIntAt(bytes, offset));
}

}  // namespace murkwell::test
