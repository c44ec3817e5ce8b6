#pragma once

#include "framework/core/GameGuard.h"

// The game as the framework sees it: Murkwell, drawn on a virtual screen of 1024 × 768 and run at 200
// logic ticks per second. The program, the tests and the benchmarks take it from here.
inline const TProductInfo kMurkwell{"Murkwell", "murkwell", 1024, 768, 200};
