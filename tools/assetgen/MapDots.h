#pragma once

// The level map's dots, as the game places them.
#include "game/screens/MapDots.h"

namespace assetgen {
namespace mapdots = ::mapdots;
}  // namespace assetgen
