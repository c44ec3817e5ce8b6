#pragma once

#include <memory>

class TScreen;

// The loading screen as start-up shows it, its bar stopped half way; a click runs the game's real
// loading to the end, leaving the full bar and the continue button, whose click comes back here.
std::unique_ptr<TScreen> MakeLoadingShowcase();
