// The profile folder as a whole.
#include <vector>

#include "framework/core/Game.h"
#include "framework/core/Messages.h"
#include "framework/profile/ProfileFiles.h"
#include "platform/files/Files.h"

namespace {

std::vector<std::string> ProfileFolderEntries(const std::string& folder) {
    std::vector<std::string> names;
    std::string error;
    if (!platform::files::ListFolder(folder, names, error))
        Message("Failed to read directory '" + folder + "'", 1, 1);
    return names;
}

}  // namespace

int TGame::DeleteAllProfiles() {
    // Moved aside rather than deleted: a player's progress is never thrown away by the program itself.
    std::string error;
    for (const std::string& name : ProfileFolderEntries(ProfilePath)) {
        if (IsProfileFile(name))
            platform::files::Rename(ProfilePath + name, ProfilePath + name + ".old", error);
    }
    return 1;
}

int TGame::ProfileFolderInUse() {
    for (const std::string& name : ProfileFolderEntries(ProfilePath)) {
        if (IsProfileFile(name)) return 1;
    }
    return 0;
}
