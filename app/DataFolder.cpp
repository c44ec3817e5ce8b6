#include "app/DataFolder.h"

#include "platform/files/Files.h"
#include "platform/os/ProgramFolder.h"

std::string FindDataFolder(const std::string& given) {
    if (!given.empty()) return platform::files::IsFolder(given) ? given : "";
    const std::string program = platform::ProgramFolder();
    for (const std::string& candidate : {program + "data/", program + "../share/murkwell/data/"}) {
        if (platform::files::IsFolder(candidate)) return candidate;
    }
    return "";
}
