#pragma once

#include <string>

// The program's version, shown in the window title and written to the settings file.
inline const std::string AppVersion = "1.09";
