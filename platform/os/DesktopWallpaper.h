#pragma once

#include <string>

namespace platform {

// Asks the desktop to show the picture at path (absolute) as its wallpaper, through its own setting where
// one answers (GNOME and the desktops that share its settings, through gsettings). True only when the
// desktop took it; any other desktop, or none, gives false and the caller says where the picture is.
bool SetDesktopWallpaper(const std::string& path);

}  // namespace platform
