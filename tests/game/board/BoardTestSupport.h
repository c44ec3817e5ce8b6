#pragma once

#include <fstream>
#include <string>

#include "framework/gfx/ImageBank.h"
#include "game/board/Board.h"
#include "game/board/BoardPictures.h"
#include "game/board/Cell.h"
#include "game/board/GameGrid.h"
#include "tests/framework/core/GameTestSupport.h"

namespace murkwell::test {

// A started game on the null platform with the board's and the gems' pictures from the build's data
// folder, and a fresh board (not initialised: level files need no sounds) installed as Grid.
class BoardFixture : public GameFixture {
public:
    BoardFixture() {
        StartUp();
        ImageBank.Clear();
        ImageBank.SetPath(std::string(MURKWELL_DATA_DIR) + "/graphics/");
        game().ImagePath = std::string(MURKWELL_DATA_DIR) + "/graphics/";
        LoadBoardPictures();
        ResetBoard();
        Grid = std::make_shared<TGameGrid>();
    }
    ~BoardFixture() {
        ResetBoard();
        ImageBank.Clear();
    }

    // Writes a level file in the test's folder and returns its path.
    std::string WriteLevel(const std::string& text, const std::string& name = "level.txt") {
        const std::string path = Folder() + "/" + name;
        std::ofstream(path) << text;
        return path;
    }
};

}  // namespace murkwell::test
