#pragma once

#include <memory>
#include <string>
#include <vector>

class TScreen;

// Pages that show one piece of the game on its own (every font, a set of effects, ...), opened with
// `murkwell --showcase NAME` in place of the loading screen, so that a script can take a screenshot of it
// for review. They are no part of play.
std::unique_ptr<TScreen> MakeShowcase(const std::string& name);
// The names MakeShowcase knows, in the order the help text lists them.
std::vector<std::string> ShowcaseNames();
