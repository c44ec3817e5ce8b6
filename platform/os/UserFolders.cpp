#include "platform/os/UserFolders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace platform {
namespace {

std::string WithSlash(std::string path) {
    if (!path.empty() && path.back() != '/') path += '/';
    return path;
}

}  // namespace

std::string UserDataHome() {
    // A relative XDG_DATA_HOME is invalid by the XDG rules and must be ignored.
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && xdg[0] == '/') return WithSlash(xdg);
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/') return WithSlash(home) + ".local/share/";
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir && pw->pw_dir[0] == '/') {
        return WithSlash(pw->pw_dir) + ".local/share/";
    }
    return "";
}

}  // namespace platform
