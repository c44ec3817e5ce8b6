#pragma once

class TProfile;

// Ties the save data to the profiles. The game's start-up calls it once the game object exists and
// before any profile is made: every new profile starts with fresh save data, a profile that fails to load
// falls back to its backup, and closing the window during a level saves the current player.
void InstallProfileHooks();
// From now on the profile's file carries the save data's block after the framework's part.
void AttachSaveData(TProfile& profile);
