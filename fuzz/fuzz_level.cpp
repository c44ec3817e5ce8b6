// The level file reader: any bytes either load within the board's bounds or are refused with a message
// that names the file.
#include <unistd.h>

#include <fstream>
#include <memory>
#include <string>

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "fuzz/FuzzSupport.h"
#include "game/board/Board.h"
#include "game/board/Cell.h"
#include "game/board/GameGrid.h"
#include "platform/null/NullPlatform.h"

namespace {

std::unique_ptr<platform::NullPlatform> nullPlatform;
std::unique_ptr<TGame> game;
std::string levelPath;

const char kSeedLevel[] =
    "NAME=Seed\ntime=120\ngoals=20,3,1,0,1\ncolours=1,2,3,4,5\nbonus=0\nsize=4,3\noffset=0,0\ntiles=\n"
    "0,1,1,0\n1,2,3,1\n1,1,1,1\nlocked=\n0,0,0,0\n1,0,0,0\n0,0,0,0\nrocks=\n0,0,0,0\n0,0,0,0\n0,2,1,0\n"
    "shapes=\n0,0,0,0\n0,0,15,0\n0,0,0,0\nborder=\nB12,0,2\nB21,3,0\n";

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    nullPlatform = std::make_unique<platform::NullPlatform>("/nonexistent/");
    game = std::make_unique<TGame>(*nullPlatform);
    Game = game.get();
    game->FixedRateLogic.SetDefaultFramerate(200);
    levelPath = "/tmp/murkwell-fuzz-level-" + std::to_string(getpid()) + ".txt";
    fuzz::SeedEmptyCorpus(
        *argc, *argv, {{"seed.txt", std::vector<uint8_t>(kSeedLevel, kSeedLevel + sizeof kSeedLevel - 1)}});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::ofstream(levelPath, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), size);
    Grid = std::make_shared<TGameGrid>();
    std::string error;
    if (!Grid->ReadLevelFile(levelPath, error)) {
        FUZZ_CHECK(error.find(levelPath) != std::string::npos);
        return 0;
    }
    FUZZ_CHECK(Grid->levelwidth >= 1 && Grid->levelwidth <= kMaxColumns);
    FUZZ_CHECK(Grid->levelheight >= 1 && Grid->levelheight <= kMaxRows);
    FUZZ_CHECK(GemColourCount <= kMaxGemColours && BonusTypeCount == kBonusTypeCount);
    FUZZ_CHECK(BorderCount <= kMaxBorders && ExtraBorderCount <= kMaxExtraBorders);
    for (int i = 0; i < BorderCount; ++i) FUZZ_CHECK(Borders[i].index >= 0 && Borders[i].index < 24);
    for (int i = 0; i < ExtraBorderCount; ++i)
        FUZZ_CHECK(ExtraBorders[i].index >= 0 && ExtraBorders[i].index < 24);
    for (int x = 0; x < kMaxColumns; ++x) FUZZ_CHECK(TopCellCount[x] >= 0 && TopCellCount[x] <= kMaxTopCells);
    FUZZ_CHECK(Grid->Armoured <= 2 * Grid->levelwidth * Grid->levelheight);
    return 0;
}
