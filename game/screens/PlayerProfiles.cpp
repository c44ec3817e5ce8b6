#include "game/screens/PlayerProfiles.h"

#include <algorithm>
#include <vector>

#include "framework/core/Game.h"
#include "framework/gfx/GameText.h"
#include "framework/profile/Profile.h"
#include "framework/profile/ProfileFiles.h"
#include "framework/profile/ProfileNames.h"
#include "game/board/Player.h"
#include "game/save/ProfileHooks.h"

std::function<void(const std::string& name)> PlayerChangedFunction = [](const std::string&) {};

int ProfileNameCheck(const std::string& text, std::string& message) {
    if (ProfileExists(Game->ProfilePath, text)) {
        message = GameText.FindString("Profile Exists");
        return -1;
    }
    message.clear();
    return 1;
}

int MakeCurrentProfile() {
    const std::string name = Game->ProfileName;
    if (!IsProfileName(name)) return 0;
    const bool changed = !Game->CurrentProfile || Game->CurrentProfile->Name != name;
    // A new object rather than the last player's: nothing of that player can reach this one's file, even
    // when this one's file is missing or damaged.
    auto profile = TProfile::Create(name);
    AttachSaveData(*profile);
    if (!profile->Load()) {
        // The damaged file is set aside and the player told; whatever it held before it broke off is no
        // one's progress, so the player starts afresh under the same name.
        profile->Init(name);
        if (ProfileCreatedHook) ProfileCreatedHook(*profile);
        profile->Save();
    }
    Game->CurrentProfile = profile;
    // The player's progress comes with the profile: shop items open by the current player's levels.
    Player.ReadProfile(profile.get(), 0);
    if (changed) PlayerChangedFunction(name);
    return 1;
}

int MakeCurrentPlayer(const std::string& name) {
    if (!IsProfileName(name)) return 0;
    Game->ProfileName = name;
    MakeCurrentProfile();
    Game->IniUpdate(1);
    return 1;
}

int UseStoredPlayer() {
    const std::vector<std::string> names = ListProfileNames(Game->ProfilePath);
    if (names.empty()) return 0;
    const std::string stored = FoldProfileName(Game->ProfileName);
    const auto found = std::find_if(names.begin(), names.end(),
                                    [&](const std::string& name) { return FoldProfileName(name) == stored; });
    const std::string name = found == names.end() ? names.front() : *found;
    if (name == Game->ProfileName) {
        return MakeCurrentProfile();
    }
    return MakeCurrentPlayer(name);
}
