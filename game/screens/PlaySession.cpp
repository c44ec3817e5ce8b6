#include "game/screens/PlaySession.h"

#include <string>

#include "framework/core/Game.h"
#include "framework/gfx/GameFonts.h"
#include "framework/gfx/GameText.h"
#include "framework/profile/Profile.h"
#include "framework/profile/ProfileNames.h"
#include "framework/screens/LoadList.h"
#include "game/board/Player.h"
#include "game/save/ProfileHooks.h"
#include "game/save/SaveData.h"
#include "game/save/ShopCatalogue.h"
#include "game/screens/GameLoading.h"
#include "game/screens/LevelCompleteScreen.h"

namespace {

constexpr const char* kDefaultPlayer = "Player";

}  // namespace

int LoadPlayResources() {
    TLoadList list;
    ListGameSounds(list);
    ListGameText(list);
    ListGameFonts(list);
    list.Run();
    return ConnectPlay();
}

int ConnectPlay() {
    InitShopItems([](const std::string& key) { return GameText.FindString(key); });
    InstallProfileHooks();
    TPlayer::InstallLinks();
    return 1;
}

int UseStartupPlayer() {
    const std::string name = IsProfileName(Game->ProfileName) ? Game->ProfileName : kDefaultPlayer;
    auto profile = TProfile::Create(name);
    AttachSaveData(*profile);
    // A new profile starts on fresh save data; a damaged file falls back to its backup.
    SaveData.Init();
    profile->Load();
    Game->CurrentProfile = profile;
    Game->ProfileName = name;
    Player.ReadProfile(profile.get(), 0);
    // Closing the window during a level keeps the player's progress: the player's numbers go into the
    // profile as it is written.
    Game->SaveCurrentProfileFunction = [] {
        // A won level whose panel is still rolling in has its books kept first.
        if (LevelCompleteScreen && LevelCompleteScreen->SettleBooks()) return 1;
        return Player.WriteProfile(Game->CurrentProfile.get());
    };
    return 1;
}
