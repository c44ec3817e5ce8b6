#pragma once

#include <string>

#include "platform/PixelMap.h"

namespace assetgen {

// The game's icon at size × size pixels: a carved pumpkin lit from inside, the same one that is the
// pumpkin bomb on the board. The window shows it at 64; the desktop's menus take it at every size below.
platform::PixelMap DrawIcon(int size);

// The sizes the desktop's icon theme is given, in pixels.
inline constexpr int kDesktopIconSizes[] = {16, 24, 32, 48, 64, 128, 256, 512};

// Writes the icon at each desktop size as root/<n>x<n>/apps/<name>.png, the layout of the icon theme's
// folder; throws std::runtime_error naming the file that cannot be written.
void WriteDesktopIcons(const std::string& root, const std::string& name);

}  // namespace assetgen
