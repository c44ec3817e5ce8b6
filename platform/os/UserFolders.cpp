#include "platform/os/UserFolders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace platform {
namespace {

std::string WithSlash(std::string path) {
    if (!path.empty() && path.back() != '/') path += '/';
    return path;
}

// $HOME when it is absolute, else the password database's; ending in "/"; "" when neither has one.
std::string HomeFolder() {
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/') return WithSlash(home);
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir && pw->pw_dir[0] == '/') {
        return WithSlash(pw->pw_dir);
    }
    return "";
}

}  // namespace

std::string UserDataHome() {
    // A relative XDG_DATA_HOME is invalid by the XDG rules and must be ignored.
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && xdg[0] == '/') return WithSlash(xdg);
    const std::string home = HomeFolder();
    return home.empty() ? "" : home + ".local/share/";
}

std::string PicturesFolderIn(const std::string& userDirs, const std::string& home) {
    static const std::string kKey = "XDG_PICTURES_DIR=\"";
    std::istringstream lines(userDirs);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind(kKey, 0) != 0) continue;
        const size_t end = line.find('"', kKey.size());
        if (end == std::string::npos) return "";
        std::string path = line.substr(kKey.size(), end - kKey.size());
        // The file allows only "$HOME/…" or an absolute path; the home folder itself means "none".
        if (path.rfind("$HOME", 0) == 0) path = home + path.substr(path.size() > 5 && path[5] == '/' ? 6 : 5);
        if (path.empty() || path[0] != '/' || WithSlash(path) == home) return "";
        return WithSlash(path);
    }
    return "";
}

std::string UserPicturesFolder() {
    const std::string home = HomeFolder();
    if (home.empty()) return "";
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const std::string configHome = config && config[0] == '/' ? WithSlash(config) : home + ".config/";
    std::ifstream file(configHome + "user-dirs.dirs");
    std::stringstream text;
    text << file.rdbuf();
    const std::string named = PicturesFolderIn(text.str(), home);
    return named.empty() ? home + "Pictures/" : named;
}

}  // namespace platform
