#include "game/screens/PlaySession.h"

#include <string>

#include "framework/core/Game.h"
#include "framework/gfx/GameFonts.h"
#include "framework/gfx/GameText.h"
#include "framework/profile/Profile.h"
#include "framework/screens/LoadList.h"
#include "game/board/Player.h"
#include "game/save/ProfileHooks.h"
#include "game/save/SaveData.h"
#include "game/save/ShopCatalogue.h"
#include "game/screens/GameLoading.h"
#include "game/screens/LevelCompleteScreen.h"
#include "game/screens/LevelDialogs.h"
#include "game/screens/PlayerProfiles.h"
#include "game/screens/Tutorial.h"

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
    Tutorial.SetImages();
    LevelDialogs::CreateDialogData();
    InstallProfileHooks();
    TPlayer::InstallLinks();
    return 1;
}

int InstallSaveOnClose() {
    // Closing the window during a level keeps the player's progress: the player's numbers go into the
    // profile as it is written.
    Game->SaveCurrentProfileFunction = [] {
        if (!Game->CurrentProfile) return 0;
        // A won level whose panel is still rolling in has its books kept first.
        if (LevelCompleteScreen && LevelCompleteScreen->SettleBooks()) return 1;
        return Player.WriteProfile(Game->CurrentProfile.get());
    };
    return 1;
}

int UseStartupPlayer() {
    InstallSaveOnClose();
    if (UseStoredPlayer()) return 1;
    Game->ProfileName = kDefaultPlayer;
    return MakeCurrentProfile();
}
