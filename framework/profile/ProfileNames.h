#pragma once

#include <string>
#include <string_view>

// The characters a typed name may never hold, because some system refuses them in file names.
inline constexpr std::u32string_view FileNameUnsafeCharacters = U"\"|*\\/:;~?<>,+=%";
// The longest name a player can type, in characters.
inline constexpr int MaxProfileNameLength = 10;

// Whether a name keeps the rules for typed names: 1 to 10 characters, each printable ASCII (32-126) or
// Latin-1 (160-255), none of them file-name-unsafe or in extraBanned. A name read back from stored data
// (the settings file, the profile folder) is checked this way before it is used.
bool IsProfileName(const std::string& name, std::u32string_view extraBanned = {});

// A player's name as the base of the player's file names. Every name stays inside the profile folder and
// has files of its own: a byte that could leave the folder, read as a control code, be refused by another
// system or break the UTF-8 of the name is written as "%" and two hex digits; an empty name and a device
// name of other systems ("CON", "NUL", ...) get a leading "%". Any other name, which includes every name a
// player can type, is its own file name.
std::string ProfileFileStem(const std::string& name);
// The name a file stem stands for: ProfileFileStem the other way.
std::string ProfileNameOfStem(const std::string& stem);
// The player's file with that extension (without the dot) in folder, which ends in "/": folder + stem +
// "." + extension. Names are the same player whatever their case, so when that file is missing an
// existing file whose name differs only in case is the player's file.
std::string ProfileFilePath(const std::string& folder, const std::string& name, const std::string& extension);
// The text with ASCII and Latin-1 capitals made small: names compare and sort this way.
std::string FoldProfileName(const std::string& text);
