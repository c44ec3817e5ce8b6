#include "game/board/BoardPictures.h"

#include <string>

#include "framework/gfx/ImageBank.h"
#include "game/board/Board.h"
#include "game/board/BonusEffects.h"
#include "game/board/Cell.h"
#include "game/board/Gem.h"
#include "game/board/GemEffects.h"

namespace {

// Single pictures of the gem folder, drawn about their centre.
const char* const kGemPictures[] = {"Gold Skull", "pump1",  "lantern1",  "candle1",   "grave1",
                                    "torch1",     "well1",  "garlic",    "pump2",     "lantern2",
                                    "candle2",    "grave2", "torch2",    "well2",     "moneybag",
                                    "Lock1",      "Lock2",  "Rock1Var1", "Rock1Var2", "Rock2"};

}  // namespace

int LoadBoardPictures() {
    for (const char* name : BorderImageNames) ImageBank.Load(std::string("Board/") + name, "", -1, 0);
    for (const char* name : {"IceTile", "SnowTile", "EmptyTile", "cursor"}) {
        ImageBank.Load(std::string("Board/") + name, "", -1, 0);
    }
    ImageBank.Load("Board/BonusHighlight");
    ImageBank.Load("Board/MagicHighlight");
    // The thirteen colours, and the skull as a fourteenth frame for the collect goal's icon.
    ImageBank.LoadAnim("Gems/gems", kCellSize, kCellSize, 0, 14);
    ImageBank.LoadAnim("Gems/coin", kCellSize, kCellSize, 0, 6);
    for (const char* name : kGemPictures) ImageBank.Load(std::string("Gems/") + name);
    LoadGemEffectPictures();
    LoadBonusEffectPictures();
    ImageBank.Load("HUD/pointer", "", -1, 0);
    TCell::Load();
    TGem::Load();
    return 1;
}
