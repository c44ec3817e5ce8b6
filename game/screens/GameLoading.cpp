#include "game/screens/GameLoading.h"

#include <string>
#include <vector>

#include "framework/core/Game.h"
#include "framework/core/SoundBank.h"
#include "framework/gfx/GameFonts.h"
#include "framework/gfx/GameText.h"
#include "framework/screens/LoadList.h"
#include "game/screens/GameScreen.h"
#include "game/screens/PlaySession.h"
#include "platform/files/Files.h"

void ListGameText(TLoadList& list) {
    list.Add([] { GameText.Read("gametext.txt"); });
}

void ListGameSounds(TLoadList& list) {
    std::vector<std::string> names;
    std::string error;
    platform::files::ListFolder(Game->SoundPath, names, error);
    for (std::string& name : names) {
        if (platform::files::ExtensionOf(name) != ".wav") continue;
        // The loading screen's own two are banked before the splashes.
        if (SoundBank.Has(platform::files::StemOf(name))) continue;
        list.Add([name = std::move(name)] { SoundBank.Load(name); });
    }
}

void ListGameLoading(TLoadList& list, const std::function<void(TLoadList&)>& listTitle) {
    list.Stage("Loading text");
    ListGameText(list);
    list.AddQuiet(ConnectPlay);
    list.Stage("Loading sounds");
    ListGameSounds(list);
    list.Stage("Loading images");
    if (GameScreen) GameScreen->ListSharedResources(list);
    list.Stage("Loading fonts");
    ListGameFonts(list);
    list.Stage("Loading Title Screen");
    if (listTitle) listTitle(list);
}
