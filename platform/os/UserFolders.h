#pragma once

#include <string>

namespace platform {

// $XDG_DATA_HOME when it is an absolute path, else $HOME/.local/share, else the home folder from the
// password database + "/.local/share"; always ending in "/"; "" when no home can be found.
std::string UserDataHome();

}  // namespace platform
