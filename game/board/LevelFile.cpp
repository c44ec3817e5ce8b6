// Reading a level file into the board. The lines, in order: an optional "NAME=" line, then the time, the
// goals, the palette, the bonus list, the size and the offset (each "key=value"; only the first line's key
// matters), one caption line, four grids (tiles, locks, rocks, fixed gems) each ended by its own line, and
// the decorative frame pieces ("B<type>,<x>,<y>").
#include <algorithm>
#include <sstream>
#include <vector>

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/core/Messages.h"
#include "framework/core/Random.h"
#include "framework/core/Strings.h"
#include "framework/gfx/TextFile.h"
#include "game/board/Board.h"
#include "game/board/Cell.h"
#include "game/board/GameGrid.h"
#include "game/save/SaveData.h"
#include "game/save/ShopItem.h"

namespace {

// The longest level: ten hours is far beyond any level and keeps the clock's arithmetic in range.
constexpr int kMaxSeconds = 36000;

// A file that does not fit the board stops the reading with the line at fault.
struct LevelFileError {
    int line;
    std::string reason;
};

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::vector<int> Numbers(const std::string& text) {
    std::vector<int> values;
    std::stringstream stream(text);
    std::string item;
    while (std::getline(stream, item, ',')) values.push_back(ToInt(item));
    // "a," holds two values, the second missing; "" holds none.
    if (!text.empty() && text.back() == ',') values.push_back(0);
    return values;
}

// The nth number of a list; missing numbers read as 0.
int At(const std::vector<int>& values, size_t n) {
    return n < values.size() ? values[n] : 0;
}

class LevelReader {
public:
    LevelReader(TGameGrid& grid, std::vector<std::string> lines, std::vector<std::string>* notes)
        : grid_(grid), lines_(std::move(lines)), notes_(notes) {}

    void Read() {
        ReadHeader();
        ReadGrid("tiles", "locked=", [&](TCell& cell, int v) {
            if (v <= 0) return;
            cell.active = 1;
            if (v == 2 || v == 3) {
                cell.armour1 = 1;
                grid_.Gold += 1;
                grid_.Armoured += 1;
            }
            if (v == 3) {
                cell.armour2 = 1;
                grid_.Armoured += 1;
            }
        });
        ReadGrid("locks", "rocks=", [&](TCell& cell, int v) {
            if (v != 1) return;
            cell.gemlocked = 1;
            grid_.Locked += 1;
        });
        ReadGrid("rocks", "shapes=", [&](TCell& cell, int v) {
            if (v <= 0) return;
            if (v > 2) Fail("a rock's strength is 1 or 2, not " + std::to_string(v));
            cell.GemRock = v;
            grid_.Rocks += 1;
        });
        ReadGrid("fixed gems", "border=", [&](TCell& cell, int v) {
            if (v <= 0) return;
            if (v > 30) Fail("a fixed gem's type is 1 to 30, not " + std::to_string(v));
            cell.fixedGem = v;
        });
        ReadExtraPieces();
    }

private:
    [[noreturn]] void Fail(const std::string& reason) const { throw LevelFileError{line_, reason}; }

    bool AtEnd() const { return next_ >= lines_.size(); }
    std::string NextLine() {
        line_ = static_cast<int>(next_) + 1;
        return AtEnd() ? std::string() : Trimmed(lines_[next_++]);
    }
    // The text after the first "=" of the next line ("" when it has none).
    std::string NextValue() {
        const std::string line = NextLine();
        const auto equals = line.find('=');
        return equals == std::string::npos ? std::string() : Trimmed(line.substr(equals + 1));
    }

    void ReadHeader() {
        // The name line is optional: a first line with another key is the time line.
        std::string first = NextLine();
        const auto equals = first.find('=');
        std::string timeValue;
        if (equals != std::string::npos && UpperCase(Trimmed(first.substr(0, equals))) == "NAME") {
            grid_.LevelName = first.substr(equals + 1);
            timeValue = NextValue();
        } else {
            grid_.LevelName.clear();
            timeValue = equals == std::string::npos ? std::string() : Trimmed(first.substr(equals + 1));
        }
        const int seconds = ToInt(timeValue);
        if (seconds < 0 || seconds > kMaxSeconds) {
            Fail("the time is 0 to " + std::to_string(kMaxSeconds) + " seconds, not " + timeValue);
        }
        ReadTime(seconds);

        const std::vector<int> goals = Numbers(NextValue());
        grid_.GoalMatches = At(goals, 0);
        grid_.GoalMatchesType = At(goals, 1);
        grid_.GoalArmour = At(goals, 2);
        grid_.GoalCollect = At(goals, 3);
        grid_.GoalRock = At(goals, 4);
        // The colour is drawn on the HUD and compared with gems: it must be one of the thirteen, unless
        // the level asks for no matches at all.
        const bool noColour = grid_.GoalMatches <= 0 && grid_.GoalMatchesType == 0;
        if (!noColour && (grid_.GoalMatchesType < 1 || grid_.GoalMatchesType > 13)) {
            Fail("the colour of the matches goal is 1 to 13, not " + std::to_string(grid_.GoalMatchesType));
        }

        ReadPalette(NextValue());

        const std::string bonus = NextValue();
        if (!bonus.empty() && bonus != "0") {
            for (int v : Numbers(bonus)) {
                if (BonusTypeCount < kMaxGemColours) BonusTypes[BonusTypeCount++] = v;
            }
        }
        BonusTypeCount = kBonusTypeCount;

        const std::vector<int> size = Numbers(NextValue());
        grid_.levelwidth = At(size, 0);
        grid_.levelheight = At(size, 1);
        if (grid_.levelwidth < 1 || grid_.levelwidth > kMaxColumns || grid_.levelheight < 1 ||
            grid_.levelheight > kMaxRows) {
            Fail("the board must be 1 to 13 cells wide and 1 to 10 high, not " +
                 std::to_string(grid_.levelwidth) + " × " + std::to_string(grid_.levelheight));
        }
        grid_.Centre();
        grid_.CreateCells();

        const std::vector<int> offset = Numbers(NextValue());
        grid_.LevelOffsetX = At(offset, 0);
        grid_.LevelOffsetY = At(offset, 1);
        NextLine();  // the caption of the tile grid
    }

    void ReadTime(int seconds) {
        grid_.TimeLimit = Game->CalcAnimLength(seconds * 1000);
        // The hourglass upgrades lengthen every level.
        if (SaveData.GetShopItemStatus(12) == ShopItem::PURCHASED) {
            grid_.TimeLimit = static_cast<float>(static_cast<int>(grid_.TimeLimit * 1.2f));
        } else if (SaveData.GetShopItemStatus(11) == ShopItem::PURCHASED) {
            grid_.TimeLimit = static_cast<float>(static_cast<int>(grid_.TimeLimit * 1.1f));
        }
    }

    void ReadPalette(const std::string& text) {
        GemColourCount = 0;
        if (text.empty() || text == "0") {
            // Five different types drawn at random, the skull among the candidates.
            while (GemColourCount < 5) {
                const int type = Rand(1, 14);
                if (std::find(GemColours.begin(), GemColours.begin() + GemColourCount, type) ==
                    GemColours.begin() + GemColourCount) {
                    GemColours[GemColourCount++] = type;
                }
            }
            return;
        }
        for (int type : Numbers(text)) {
            if (type < 1 || type > 14) Fail("a palette holds gem types 1 to 14, not " + std::to_string(type));
            if (GemColourCount >= kMaxGemColours) Fail("a palette holds at most 15 types");
            GemColours[GemColourCount++] = type;
        }
    }

    // Rows of values up to the terminating line (consumed) or the end of the file. A short row or block
    // reads as zeros; the level checker hears of it.
    template <typename Apply>
    void ReadGrid(const char* name, const std::string& terminator, Apply apply) {
        int y = 0;
        for (; !AtEnd(); ++y) {
            const std::string row = NextLine();
            if (row == terminator) break;
            if (y >= grid_.levelheight) {
                Fail("more rows than the board's " + std::to_string(grid_.levelheight) + " before \"" +
                     terminator + "\"");
            }
            const std::vector<int> values = Numbers(row);
            if (static_cast<int>(values.size()) > grid_.levelwidth) {
                Fail(std::to_string(values.size()) + " values on a row of a board " +
                     std::to_string(grid_.levelwidth) + " wide");
            }
            if (static_cast<int>(values.size()) < grid_.levelwidth) {
                Note("line " + std::to_string(line_) + ": " + std::to_string(values.size()) +
                     " values on a row of the " + name + ", the board is " +
                     std::to_string(grid_.levelwidth) + " wide");
            }
            for (size_t x = 0; x < values.size(); ++x) apply(*Cells[x][y], values[x]);
        }
        if (y < grid_.levelheight) {
            Note(std::string("the ") + name + " have " + std::to_string(y) + " rows, the board " +
                 std::to_string(grid_.levelheight));
        }
    }

    void Note(const std::string& text) const {
        if (notes_) notes_->push_back(text);
    }

    void ReadExtraPieces() {
        while (!AtEnd()) {
            const std::string line = NextLine();
            if (line.empty() || line[0] != 'B') continue;
            const std::vector<int> values = Numbers(line.substr(1));
            const int type = At(values, 0);
            if (type < 0 || type >= static_cast<int>(BorderImageNames.size())) {
                Fail("no frame piece of type " + std::to_string(type));
            }
            if (ExtraBorderCount >= kMaxExtraBorders) Fail("more than 20 frame pieces");
            grid_.AddBorderExtra(type, At(values, 1), At(values, 2));
        }
    }

    TGameGrid& grid_;
    std::vector<std::string> lines_;
    std::vector<std::string>* notes_;
    size_t next_ = 0;
    int line_ = 0;  // of the line read last, from 1
};

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::stringstream stream(text);
    std::string line;
    while (std::getline(stream, line)) lines.push_back(line);
    return lines;
}

}  // namespace

bool TGameGrid::ReadLevelFile(const std::string& path, std::string& error, std::vector<std::string>* notes) {
    std::string text, reason;
    if (!ReadTextFile(path, text, reason)) {
        error = "Error loading file " + path;
        return false;
    }
    Clear();
    BonusTypeCount = 0;
    try {
        LevelReader(*this, Lines(text), notes).Read();
    } catch (const LevelFileError& e) {
        error = "Level file " + path + ", line " + std::to_string(e.line) + ": " + e.reason;
        return false;
    }
    CalcTopRowY();
    CalcBorder();
    return true;
}

int TGameGrid::LoadLevelFile(const std::string& path) {
    std::string error;
    if (!ReadLevelFile(path, error)) Message(error, 1, 1);
    return 1;
}

int TGameGrid::LoadLevel(int level) {
    return LoadLevelFile(LevelPath(level));
}

std::string TGameGrid::LevelPath(int level) {
    return Game->LevelsPath + std::to_string(level) + ".txt";
}
