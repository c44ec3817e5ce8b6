#include "platform/os/PosixSystem.h"

#include <sys/resource.h>

#include <cstdio>

#include "platform/os/UserFolders.h"

namespace platform {

std::string PosixSystem::UserDataFolder() {
    return UserDataHome();
}

std::string PosixSystem::PicturesFolder() {
    return UserPicturesFolder();
}

void PosixSystem::SetPriority(int processClass, int /*threadPriority*/) {
    // Raising priority needs privileges an ordinary user lacks; lowering back to normal may too. The
    // attempt is all that is owed: the game runs the same either way.
    const int nice = processClass >= 2 ? -10 : processClass == 1 ? -5 : 0;
    ::setpriority(PRIO_PROCESS, 0, nice);
}

void PosixSystem::ShowMessage(const std::string& title, const std::string& text) {
    std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
    std::fflush(stderr);
}

}  // namespace platform
