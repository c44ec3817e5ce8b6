#pragma once

#include <string>

namespace platform {

// $XDG_DATA_HOME when it is an absolute path, else $HOME/.local/share, else the home folder from the
// password database + "/.local/share"; always ending in "/"; "" when no home can be found.
std::string UserDataHome();

// The pictures folder of the desktop's user folders ($XDG_CONFIG_HOME/user-dirs.dirs, else
// ~/.config/user-dirs.dirs: the line XDG_PICTURES_DIR="$HOME/…" or an absolute path), else the home
// folder + "Pictures/"; always ending in "/"; "" when no home can be found.
std::string UserPicturesFolder();
// The pictures folder named by the text of a user-dirs file for the given home (ending in "/"), or "".
std::string PicturesFolderIn(const std::string& userDirs, const std::string& home);

}  // namespace platform
