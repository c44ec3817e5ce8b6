#include "framework/profile/ProfileFiles.h"

#include <algorithm>

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/core/Strings.h"
#include "framework/profile/Profile.h"
#include "framework/profile/ProfileNames.h"
#include "platform/files/Files.h"

namespace files = platform::files;

std::string ProfileExtension = "dat";
int UseProfileChecksum = 0;
int UseProfileBackup = 0;
std::function<int(TProfile&)> ProfileCreatedHook;
int DebugBuild = 0;

bool IsProfileFile(const std::string& fileName) {
    // ExtensionOf gives nothing for a name that is only an extension, such as ".dat".
    return UpperCase(files::ExtensionOf(fileName)) == UpperCase("." + ProfileExtension);
}

std::vector<std::string> ListProfileNames(const std::string& folder) {
    std::vector<std::string> entries, names;
    std::string error;
    if (!files::ListFolder(folder, entries, error)) return names;
    for (const std::string& entry : entries) {
        if (!IsProfileFile(entry) || !files::IsFile(folder + entry)) continue;
        const std::string stem = files::StemOf(entry);
        const std::string name = ProfileNameOfStem(stem);
        // A file the game could not have written under that name is not offered: choosing it would open
        // another file.
        if (IsProfileName(name) && ProfileFileStem(name) == stem) names.push_back(name);
    }
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return FoldProfileName(a) < FoldProfileName(b);
    });
    return names;
}

std::string CheckedProfileName(const std::string& name, const std::string& folder) {
    if (IsProfileName(name)) return name;
    const std::vector<std::string> names = ListProfileNames(folder);
    return names.empty() ? "" : names.front();
}

bool ProfileExists(const std::string& folder, const std::string& name) {
    return files::IsFile(ProfileFilePath(folder, name, ProfileExtension));
}

int SaveCurrentProfile() {
    if (!Game || !Game->CurrentProfile) return 0;
    return Game->CurrentProfile->Save();
}
