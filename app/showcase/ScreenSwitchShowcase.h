#pragma once

#include <memory>

class TScreen;

// Two plain pages, "blue" and "amber", each with a white square in a different place; a click on one
// fades over to the other. Shows the screen fades of the real program, and pausing.
std::unique_ptr<TScreen> MakeScreenSwitchShowcase();
