#pragma once

#include <string>

class TGame;

// What the program tells the framework about itself: its names and the virtual screen it draws in.
struct TProductInfo {
    std::string ProductName;  // titles the message boxes
    std::string ProgramName;  // names the settings file and starts the lines on the standard error stream
    int VirtualWidth = 0, VirtualHeight = 0;
    int LogicRate = 0;  // logic ticks per second
};

// Makes a game object the global Game for the guard's lifetime, with the product's names and virtual
// screen, and takes it away again at the end: the program, its tests and its benchmarks all install the
// game through one of these.
class TGameGuard {
public:
    TGameGuard(TGame& game, const TProductInfo& product);
    ~TGameGuard();
    TGameGuard(const TGameGuard&) = delete;
    TGameGuard& operator=(const TGameGuard&) = delete;

private:
    TGame* previous_;
};
