#include "game/screens/Wallpaper.h"

#include "framework/core/Game.h"
#include "framework/core/Messages.h"
#include "framework/gfx/GameText.h"
#include "framework/ui/DialogOK.h"
#include "game/screens/GameDialogs.h"

namespace {

constexpr const char* kWallpaperName = "Murkwell";

}  // namespace

std::string WallpaperPath(const std::string& extension) {
    std::string folder = Game->GetPlatform().GetSystem().PicturesFolder();
    if (folder.empty()) folder = Game->ProfilePath;
    return folder + kWallpaperName + extension;
}

std::shared_ptr<TDialogOK> WallpaperNotice(bool saved, const std::string& path, const std::string& error) {
    const char* key = !saved                                                  ? "Wallpaper Failed"
                      : Game->GetPlatform().GetSystem().SetWallpaper(path) ? "Wallpaper Done"
                                                                           : "Wallpaper Saved";
    if (!saved) Message("The wallpaper picture could not be saved: " + error, 0, 1);
    // Saving and asking the desktop can take a while; that is no logic time.
    Game->FixedRateLogic.Init();
    return MakeMessageDialog(GameText.FindString(std::string(key) + " Header"),
                             GameText.FindReplaced(key, "XXX", saved ? path : error), "Button OK",
                             "wallpaper_notice");
}
