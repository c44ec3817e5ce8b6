#pragma once

#include <memory>
#include <string>

class TDialogOK;

// Where a wallpaper picture is kept: the user's pictures folder (else the profile folder) + "Murkwell" +
// extension (".jpg", ".png").
std::string WallpaperPath(const std::string& extension);
// After a wallpaper picture was saved at path (or not, for error): asks the desktop to show it, and
// returns the notice that says what happened: shown, saved there instead, or not saved and why.
std::shared_ptr<TDialogOK> WallpaperNotice(bool saved, const std::string& path, const std::string& error);
