#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "framework/core/Globals.h"
#include "framework/core/Random.h"
#include "framework/core/SoundBank.h"
#include "framework/ui/MousePointer.h"
#include "game/board/Board.h"
#include "game/board/BoardEvents.h"
#include "game/board/Cell.h"
#include "game/board/GameGrid.h"
#include "game/board/Gem.h"
#include "game/board/GemEffects.h"
#include "game/board/GemList.h"
#include "game/board/InitialFill.h"
#include "game/board/PlayableMoves.h"
#include "game/board/Player.h"
#include "game/save/SaveData.h"
#include "tests/game/board/BoardTestSupport.h"

namespace murkwell::test {

// A level in play on the null platform: the board's pictures and sounds from the build's data folder, a
// fresh player on its frontier level, fresh save data, the board's rules connected to the player and a
// fixed random seed. Boards are written as text, one row per line, one cell per word:
//
//   .  an empty active cell       #  a hole             S  a golden skull
//   1 … 9  a gem of that colour   b15 … b29  a bomb     c  a coin   $  a money bag
//   followed by any of:   l chained   r rock   R strong rock   m magic
//                         g gold tile   G gold tile under a second layer
//
// Board() writes the board back the same way, so a test states the board before and after.
class PlayFixture : public ::testing::Test {
protected:
    PlayFixture() {
        SoundBank.Clear();
        SoundBank.SetPath(std::string(MURKWELL_DATA_DIR) + "/sound/");
        for (const auto& entry :
             std::filesystem::directory_iterator(std::string(MURKWELL_DATA_DIR) + "/sound")) {
            if (entry.path().extension() == ".wav") SoundBank.Load(entry.path().filename().string());
        }
        Delta = 1.0f;
        SeedRandom(1);
        SaveData = TSaveData{};
        SaveData.Init();
        Player = TPlayer{};
        Player.Level = Player.Unlocked = 10;
        Player.InitNewLevelStats();
        BoardEvents = TBoardEvents{};
        ConnectBoardEvents();
        ResetBoard();
        Grid = TGameGrid::Create();
    }
    ~PlayFixture() override {
        ResetBoard();
        BoardEvents = TBoardEvents{};
        Player = TPlayer{};
        SaveData = TSaveData{};
        SoundBank.Clear();
    }

    TGame& game() { return board_.game(); }

    // Lays out the board; refilling is off unless a test turns it on, so that the board after a move
    // reads the same every time.
    void Build(const std::string& layout) {
        const auto rows = Rows(layout);
        ASSERT_FALSE(rows.empty());
        ClearCells();
        Grid->levelheight = static_cast<int>(rows.size());
        Grid->levelwidth = static_cast<int>(rows[0].size());
        Grid->Centre();
        Grid->CreateCells();
        Gems = std::make_shared<TGemList>();
        Grid->Rocks = Grid->Gold = Grid->Armoured = Grid->Locked = Grid->EggCount = 0;
        for (int y = 0; y < Grid->levelheight; ++y) {
            ASSERT_EQ(static_cast<int>(rows[y].size()), Grid->levelwidth) << "row " << y;
            for (int x = 0; x < Grid->levelwidth; ++x) PutCell(x, y, rows[y][x]);
        }
        Grid->ClearTopRow();
        Grid->CalcTopRowY();
        Gems->SortAll();
        Grid->MakeNewGems = 0;
        GemColourCount = 6;
        for (int i = 0; i < 6; ++i) GemColours[i] = i + 1;
    }

    // A level file (its size, holes, tiles, chains, rocks, goals and palette) filled the game's way, with
    // the colours of the layout put in place of the fill's: a word is a colour, S a skull, . an empty
    // cell or # a hole where the file has one, followed by m for a magic gem.
    void BuildFromLevel(const std::string& levelText, const std::string& layout) {
        ASSERT_EQ(Grid->LoadLevelFile(board_.WriteLevel(levelText)), 1);
        FillGrid(Player.Level);
        const auto rows = Rows(layout);
        ASSERT_EQ(static_cast<int>(rows.size()), Grid->levelheight);
        for (int y = 0; y < Grid->levelheight; ++y) {
            ASSERT_EQ(static_cast<int>(rows[y].size()), Grid->levelwidth) << "row " << y;
            for (int x = 0; x < Grid->levelwidth; ++x) {
                const std::string& word = rows[y][x];
                TCell& cell = *Cells[x][y];
                ASSERT_EQ(word == "#", !cell.active) << x << "," << y;
                if (word == "#") continue;
                if (word == ".") {
                    Grid->DeleteGem(x, y);
                    continue;
                }
                TGem& gem = *cell.Gem;
                gem.SetType(word[0] == 'S' ? GEM_SKULL : word[0] - '0');
                if (gem.GemType == GEM_SKULL) ++Grid->EggCount;
                gem.Magic = word.find('m') != std::string::npos;
            }
        }
        Grid->MakeNewGems = 0;
    }

    std::string Board() const {
        std::string text;
        for (int y = 0; y < Grid->levelheight; ++y) {
            for (int x = 0; x < Grid->levelwidth; ++x) {
                if (x) text += ' ';
                text += Word(*Cells[x][y]);
            }
            text += '\n';
        }
        return text;
    }

    // The mouse as a person moves it, through the game's input: each step is one event and one board
    // tick. Points are the middle of a cell, or any point of the screen.
    void Tick() {
        game().DoPeekEvent();
        Grid->Manage();
        BoardEffects.Move();
    }
    // An event into the game's input, as the platform hands it over.
    void PushEvent(const platform::Event& e) { board_.platform().TestEvents().Push(e); }
    void MoveTo(int screenX, int screenY) {
        board_.Push(platform::EventType::MouseMove, 0, 0, screenX, screenY);
        Tick();
    }
    void PointAt(int x, int y) { MoveTo(GridToScreenX(x) + 33, GridToScreenY(y) + 33); }
    void Press() {
        board_.Push(platform::EventType::MouseDown, 0, 1, game().Mouse->x, game().Mouse->y);
        Tick();
    }
    void Release() {
        board_.Push(platform::EventType::MouseUp, 0, 1, game().Mouse->x, game().Mouse->y);
        Tick();
    }
    void Click(int x, int y) {
        PointAt(x, y);
        Press();
        Release();
    }
    // Ticks while a swap glides, forwards or back.
    void FinishSwap() {
        for (int tick = 0; tick < 1000 && Grid->SwapRunning(); ++tick) Tick();
    }

    // Drags a gem onto its neighbour with the mouse, then runs the board until it rests. The move must
    // stand.
    void Swap(int x1, int y1, int x2, int y2) {
        const auto gem = Cells[x1][y1]->Gem;
        ASSERT_TRUE(gem);
        PointAt(x1, y1);
        Press();
        PointAt(x2, y2);
        ASSERT_TRUE(Grid->SwapRunning()) << "the drag starts the swap";
        Release();
        FinishSwap();
        ASSERT_TRUE(gem->gx == x2 && gem->gy == y2) << "the move stood";
        Settle();
    }

    // Board ticks until nothing moves, explodes or falls any more; the number of ticks it took.
    int Settle(int maxTicks = 20000) {
        for (int tick = 1; tick <= maxTicks; ++tick) {
            Grid->Manage();
            BoardEffects.Move();
            if (Still()) return tick;
        }
        std::ostringstream moving;
        for (const auto& gem : Gems->Items()) {
            if (gem && (gem->dy > 0 || gem->ExplosionCounter > 0)) {
                moving << " (" << gem->gx << "," << gem->gy << ") type " << gem->GemType << " dy " << gem->dy
                       << " explosion " << gem->ExplosionCounter << ";";
            }
        }
        ADD_FAILURE() << "the board never came to rest: BlockInput " << Grid->BlockInput << moving.str();
        return maxTicks;
    }

    static bool Still() { return BoardAtRest(); }

private:
    static std::vector<std::vector<std::string>> Rows(const std::string& layout) {
        std::vector<std::vector<std::string>> rows;
        std::istringstream lines(layout);
        for (std::string line; std::getline(lines, line);) {
            std::istringstream words(line);
            std::vector<std::string> row;
            for (std::string word; words >> word;) row.push_back(word);
            if (!row.empty()) rows.push_back(row);
        }
        return rows;
    }

    void PutCell(int x, int y, const std::string& word) {
        TCell& cell = *Cells[x][y];
        cell.active = word[0] != '#';
        if (!cell.active) return;
        std::shared_ptr<TGem> gem;
        size_t marks = 1;
        if (word[0] == 'c') {
            gem = TGem::MakeCoin(x, y, 0);
        } else if (word[0] == '$') {
            gem = TGem::MakeBag(x, y, 0);
        } else if (word[0] == 'b') {
            gem = TGem::Make(x, y, std::stoi(word.substr(1, 2)), 0);
            marks = 3;
        } else if (word[0] != '.') {
            gem = TGem::Make(x, y, word[0] == 'S' ? GEM_SKULL : word[0] - '0', 0);
        }
        for (char mark : word.substr(marks)) {
            if (mark == 'g') {
                cell.armour1 = 1, ++Grid->Gold, ++Grid->Armoured;
            } else if (mark == 'G') {
                cell.armour1 = cell.armour2 = 1, ++Grid->Gold, Grid->Armoured += 2;
            } else if (gem && mark == 'l') {
                gem->locked = 1, ++Grid->Locked;
            } else if (gem && (mark == 'r' || mark == 'R')) {
                gem->rocked = mark == 'r' ? 1 : 2, ++Grid->Rocks;
            } else if (gem && mark == 'm') {
                gem->Magic = 1;
            } else {
                ADD_FAILURE() << "unknown mark " << mark << " in " << word;
            }
        }
        if (!gem) return;
        Gems->Append(gem);
        cell.Gem = gem;
    }

    static std::string Word(const TCell& cell) {
        if (!cell.active) return "#";
        std::string word = ".";
        if (const TGem* gem = cell.Gem.get()) {
            word = gem->GemType == GEM_SKULL     ? "S"
                   : gem->GemType == GEM_CLEARED ? "x"
                   : gem->GemType == GEM_COIN    ? "c"
                   : gem->GemType == GEM_BAG     ? "$"
                   : gem->IsBonus()              ? "b" + std::to_string(gem->GemType)
                                                 : std::to_string(gem->GemType);
            if (gem->locked) word += 'l';
            if (gem->rocked == 1) word += 'r';
            if (gem->rocked == 2) word += 'R';
            if (gem->Magic) word += 'm';
        }
        if (cell.armour2) {
            word += 'G';
        } else if (cell.armour1) {
            word += 'g';
        }
        return word;
    }

    BoardFixture board_;
};

}  // namespace murkwell::test
