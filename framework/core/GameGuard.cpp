#include "framework/core/GameGuard.h"

#include "framework/core/Game.h"
#include "framework/core/Globals.h"

TGameGuard::TGameGuard(TGame& game, const TProductInfo& product) : previous_(Game) {
    ProductName = product.ProductName;
    MessagePrefix = product.ProgramName + ": ";
    VirtualWidth = product.VirtualWidth;
    VirtualHeight = product.VirtualHeight;
    game.ProgramName = product.ProgramName;
    Game = &game;
}

TGameGuard::~TGameGuard() {
    Game = previous_;
}
