#pragma once

#include <string>

// The data folder: the one given on the command line, else "data/" beside the program, else the installed
// "share/murkwell/data/" beside the program's "bin/". Ends in "/"; "" when none exists.
std::string FindDataFolder(const std::string& given);
