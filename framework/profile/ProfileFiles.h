#pragma once

#include <functional>
#include <string>
#include <vector>

class TProfile;

// ---- Switches of the profile code --------------------------------------------------------------------
// The extension of a player's profile file, without the dot. Backup switches it to "backup" while it
// writes the backup copy.
extern std::string ProfileExtension;
// 1: a fixed marker follows the flag block and is checked on load.
extern int UseProfileChecksum;
// 1: a profile that fails to load falls back to its backup copy.
extern int UseProfileBackup;
// Called with every new profile (TProfile::Create) and before every load, so that a profile starts from
// the game's fresh data. The game installs it.
extern std::function<int(TProfile&)> ProfileCreatedHook;
// 1: failures that are otherwise quiet also show a message, and end the program.
extern int DebugBuild;

// ---- The profile folder as a whole -------------------------------------------------------------------
// Whether a file name in the profile folder is a player's profile: a name, a dot and ProfileExtension in
// any case.
bool IsProfileFile(const std::string& fileName);
// The players whose profiles are in folder, sorted ignoring case. Only names a player could have typed
// are listed; a folder that cannot be read lists nobody.
std::vector<std::string> ListProfileNames(const std::string& folder);
// A player's name read back from stored data (the settings file) when it keeps the rules for typed names;
// otherwise the first player listed in folder, or "" when there is none.
std::string CheckedProfileName(const std::string& name, const std::string& folder);
// Whether the player has a profile in folder, whatever the case of the name.
bool ProfileExists(const std::string& folder, const std::string& name);
// Saves the current player's profile when there is one (the game calls it when the window is closed
// during a level).
int SaveCurrentProfile();
