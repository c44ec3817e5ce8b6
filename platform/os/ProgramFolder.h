#pragma once

#include <string>

namespace platform {

// The folder of the running program file, ending in "/"; "" when the system does not say.
std::string ProgramFolder();

}  // namespace platform
