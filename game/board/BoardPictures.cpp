#include "game/board/BoardPictures.h"

#include <string>

#include "framework/gfx/ImageBank.h"
#include "game/board/Board.h"
#include "game/board/BonusEffects.h"
#include "game/board/Cell.h"
#include "game/board/Gem.h"
#include "game/board/GemEffects.h"
#include "game/board/GemPictureLayout.h"

int LoadBoardPictures() {
    for (const char* name : BorderImageNames) ImageBank.Load(std::string("Board/") + name, "", -1, 0);
    for (const char* name : {"IceTile", "SnowTile", "EmptyTile", "cursor"}) {
        ImageBank.Load(std::string("Board/") + name, "", -1, 0);
    }
    ImageBank.Load("Board/BonusHighlight");
    ImageBank.Load("Board/MagicHighlight");
    using namespace gemlayout;
    ImageBank.LoadAnim(PathOf(kStrip), kCell, kCell, 0, kStripFrames);
    ImageBank.LoadAnim(PathOf(kCoinStrip), kCell, kCell, 0, kCoinFrames);
    // Single pictures of the gem folder, drawn about their centre: the skull, the bonus items (the coin
    // is its strip, the garlic one picture for both levels), the chains and the rocks.
    ImageBank.Load(PathOf(kSkull));
    for (int type = kFirstBonus; type < kTypes; ++type) {
        if (type != kCoin && type != kGarlic + kUpgradeStep) ImageBank.Load(PathOf(kBonusPictures[type]));
    }
    for (const char* name : kLocks) ImageBank.Load(PathOf(name));
    for (const char* name : kRocks) ImageBank.Load(PathOf(name));
    ImageBank.Load(PathOf(kStrongRock));
    LoadGemEffectPictures();
    LoadBonusEffectPictures();
    ImageBank.Load("HUD/pointer", "", -1, 0);
    TCell::Load();
    TGem::Load();
    return 1;
}
