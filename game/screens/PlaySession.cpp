#include "game/screens/PlaySession.h"

#include <string>
#include <vector>

#include "framework/core/Game.h"
#include "framework/core/SoundBank.h"
#include "framework/gfx/GameFonts.h"
#include "framework/gfx/GameText.h"
#include "framework/profile/Profile.h"
#include "framework/profile/ProfileNames.h"
#include "game/board/Player.h"
#include "game/save/ProfileHooks.h"
#include "game/save/SaveData.h"
#include "game/save/ShopCatalogue.h"
#include "game/screens/LevelCompleteScreen.h"
#include "game/screens/LevelDialogs.h"
#include "game/screens/Tutorial.h"
#include "platform/files/Files.h"

namespace {

constexpr const char* kDefaultPlayer = "Player";

}  // namespace

int LoadPlayResources() {
    std::vector<std::string> names;
    std::string error;
    platform::files::ListFolder(Game->SoundPath, names, error);
    for (const std::string& name : names) {
        if (platform::files::ExtensionOf(name) == ".wav") SoundBank.Load(name);
    }
    GameText.Read("gametext.txt");
    LoadGameFonts();
    InitShopItems([](const std::string& key) { return GameText.FindString(key); });
    Tutorial.SetImages();
    LevelDialogs::CreateDialogData();
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
