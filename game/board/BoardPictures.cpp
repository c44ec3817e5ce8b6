#include "game/board/BoardPictures.h"

#include <string>

#include "framework/core/Game.h"
#include "framework/gfx/ImageBank.h"
#include "framework/screens/LoadList.h"
#include "framework/ui/MousePointer.h"
#include "game/board/Board.h"
#include "game/board/BonusEffects.h"
#include "game/board/Cell.h"
#include "game/board/Gem.h"
#include "game/board/GemEffects.h"
#include "game/board/GemPictureLayout.h"

namespace {

// A picture of the gem folder, drawn about its centre.
void AddGemPicture(TLoadList& list, const char* name) {
    list.Add([name] { ImageBank.Load(gemlayout::PathOf(name)); });
}

}  // namespace

void ListBoardPictures(TLoadList& list) {
    list.Add([] {
        ImageBank.Load("HUD/pointer", "", -1, 0);
        UseArrowPointer();
    });
    for (const char* name : BorderImageNames) {
        list.Add([name] { ImageBank.Load(std::string("Board/") + name, "", -1, 0); });
    }
    for (const char* name : {"IceTile", "SnowTile", "EmptyTile", "cursor"}) {
        list.Add([name] { ImageBank.Load(std::string("Board/") + name, "", -1, 0); });
    }
    list.Add([] { ImageBank.Load("Board/BonusHighlight"); });
    list.Add([] { ImageBank.Load("Board/MagicHighlight"); });
    using namespace gemlayout;
    list.Add([] { ImageBank.LoadAnim(PathOf(kStrip), kCell, kCell, 0, kStripFrames); });
    list.Add([] { ImageBank.LoadAnim(PathOf(kCoinStrip), kCell, kCell, 0, kCoinFrames); });
    // The skull, the bonus items (the coin is its strip, the garlic one picture for both levels), the
    // chains and the rocks.
    AddGemPicture(list, kSkull);
    for (int type = kFirstBonus; type < kTypes; ++type) {
        if (type != kCoin && type != kGarlic + kUpgradeStep) AddGemPicture(list, kBonusPictures[type]);
    }
    for (const char* name : kLocks) AddGemPicture(list, name);
    for (const char* name : kRocks) AddGemPicture(list, name);
    AddGemPicture(list, kStrongRock);
    ListGemEffectPictures(list);
    ListBonusEffectPictures(list);
    // The cells load their diagonal mask; the gems only take their pictures from the bank.
    list.Add([] { TCell::Load(); });
    list.AddQuiet([] { TGem::Load(); });
}

int UseArrowPointer() {
    auto arrow = ImageBank.Find("pointer", 1);
    if (!Game || !arrow) return 0;
    // The arrow's tip sits four pixels into its picture.
    arrow->image->SetHandle(4, 0);
    Game->Mouse->Image = arrow;
    return 1;
}

int LoadBoardPictures() {
    TLoadList list;
    ListBoardPictures(list);
    return list.Run();
}
