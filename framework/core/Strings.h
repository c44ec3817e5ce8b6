#pragma once

#include <string>

// "abc" → "ABC", ASCII only: keys of settings, images and sounds compare this way.
std::string UpperCase(std::string text);
// The standard text-to-integer conversion: leading blanks, a sign, digits; text that is not a number
// gives 0; values beyond the int range are clamped.
int ToInt(const std::string& text);
// A folder path with exactly one "/" at its end ("" stays "").
std::string WithSlash(const std::string& path);
