#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "framework/core/Game.h"
#include "framework/gfx/ImageBank.h"
#include "game/board/Board.h"
#include "game/board/BoardEvents.h"
#include "game/board/BoardPictures.h"
#include "game/board/Cell.h"
#include "game/board/GameGrid.h"
#include "game/board/Gem.h"
#include "game/board/GemEffects.h"
#include "game/board/GemList.h"
#include "game/save/SaveData.h"
#include "tests/framework/sprites/SpriteTestSupport.h"

namespace murkwell::test {

// A game on the null platform with a drawing layer that logs every picture, the gem and effect pictures
// from the build's data folder, and an 8 × 8 board of active cells (not initialised: gems need no
// sounds) with an empty gem list. The seam to the rest of play records what the gems report.
class GemFixture : public ::testing::Test {
protected:
    struct Award {
        int x, y, count, magic, goal;
        bool operator==(const Award&) const = default;
    };

    GemFixture() {
        game().Particles = 100;
        game().ImagePath = std::string(MURKWELL_DATA_DIR) + "/graphics/";
        ImageBank.Clear();
        ImageBank.SetPath(game().ImagePath);
        LoadBoardPictures();
        SaveData.timer = 0;
        BoardEvents = TBoardEvents{};
        BoardEvents.AwardMatchPoints = [this](int x, int y, int count, int magic, int goal) {
            awards.push_back({x, y, count, magic, goal});
        };
        BoardEvents.CheckTarget = [this] { ++targetChecks; };
        BoardEvents.CollectEgg = [this](TGem& skull) { collected.push_back(&skull); };
        BoardEvents.ActivateBonus = [this](TGem& item, int, int) { activated.push_back(&item); };
        NewBoard(8, 8);
    }
    ~GemFixture() override {
        ResetBoard();
        BoardEvents = TBoardEvents{};
        SaveData.timer = 0;
        ImageBank.Clear();
    }

    TGame& game() { return sprites_.game(); }
    RecordingGraphics& graphics() { return sprites_.graphics(); }

    // A fresh board of width × height active cells with an empty gem list.
    void NewBoard(int width, int height) {
        ResetBoard();
        Grid = std::make_shared<TGameGrid>();
        Grid->levelwidth = width;
        Grid->levelheight = height;
        Grid->Centre();
        Grid->CreateCells();
        for (int x = 0; x < width; ++x) {
            for (int y = 0; y < height; ++y) Cells[x][y]->active = 1;
        }
        Grid->MagicHighlightImage = ImageBank.Find("MagicHighlight");
        Gems = std::make_shared<TGemList>();
    }

    // A gem of type made at (x, y), in the list and in its cell.
    std::shared_ptr<TGem> Put(int x, int y, int type) {
        auto gem = type == GEM_COIN  ? TGem::MakeCoin(x, y, 0)
                   : type == GEM_BAG ? TGem::MakeBag(x, y, 0)
                                     : TGem::Make(x, y, type, 0);
        Gems->Append(gem);
        Cells[x][y]->Gem = gem;
        return gem;
    }

    // Runs the gem list for ticks whole ticks.
    void Ticks(int ticks) {
        for (int i = 0; i < ticks; ++i) Gems->Manage();
    }

    // The pictures drawn since the log was last cleared.
    std::vector<const platform::Image*> Drawn() {
        std::vector<const platform::Image*> pictures;
        for (const auto& drawn : graphics().Log()) pictures.push_back(drawn.image);
        return pictures;
    }

    std::vector<Award> awards;
    int targetChecks = 0;
    std::vector<TGem*> collected, activated;

private:
    SpriteFixture sprites_;
};

inline const platform::Image* Picture(const std::shared_ptr<TGameImage>& image) {
    return image->image.get();
}

}  // namespace murkwell::test
