#include "game/save/ProfileHooks.h"

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/profile/Profile.h"
#include "framework/profile/ProfileFiles.h"
#include "game/save/SaveData.h"

void InstallProfileHooks() {
    ProfileCreatedHook = [](TProfile&) { return SaveData.Init(); };
    UseProfileBackup = 1;
    Game->SaveCurrentProfileFunction = SaveCurrentProfile;
}

void AttachSaveData(TProfile& profile) {
    profile.SaveUserFunction = [](platform::ByteWriter& out) { return SaveData.Save(out); };
    profile.LoadUserFunction = [](platform::ByteReader& in) { return SaveData.Load(in); };
}
