#include "platform/os/DesktopWallpaper.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

extern char** environ;

namespace platform {
namespace {

// Runs a program found on the PATH with its arguments, without a shell; true when it ran and exited 0.
bool Run(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (::posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return false;
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) return false;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// The desktops that keep their wallpaper in GNOME's settings. gsettings answers yes elsewhere too (with
// no desktop behind it, it writes to memory and forgets), so its word only counts on one of these.
bool GnomeFamilyDesktop() {
    const char* desktop = std::getenv("XDG_CURRENT_DESKTOP");
    if (!desktop) return false;
    const std::string names = std::string(":") + desktop + ":";
    for (const char* name : {":GNOME:", ":Unity:", ":Budgie:", ":Pantheon:", ":GNOME-Classic:", ":GNOME-Flashback:"}) {
        if (names.find(name) != std::string::npos) return true;
    }
    return false;
}

}  // namespace

bool SetDesktopWallpaper(const std::string& path) {
    if (path.empty() || path[0] != '/' || !GnomeFamilyDesktop()) return false;
    const std::string uri = "file://" + path;
    const std::string schema = "org.gnome.desktop.background";
    if (!Run({"gsettings", "set", schema, "picture-uri", uri})) return false;
    // The dark style has a wallpaper of its own; older desktops have no such key, which is no failure.
    Run({"gsettings", "set", schema, "picture-uri-dark", uri});
    return true;
}

}  // namespace platform
