#pragma once

#include <memory>

class TScreen;

// The pages around the game, each on its own: the story's intro, the instructions, the credits and the
// ending. Leaving one ends the showcase.
std::unique_ptr<TScreen> MakeIntroShowcase();
std::unique_ptr<TScreen> MakeInstructionsShowcase();
std::unique_ptr<TScreen> MakeCreditsShowcase();
std::unique_ptr<TScreen> MakeEndingShowcase();
