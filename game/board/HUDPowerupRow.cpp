#include "game/board/HUDPowerupRow.h"

#include <memory>
#include <string>
#include <vector>

#include "framework/gfx/ImageBank.h"
#include "framework/screens/LoadList.h"
#include "game/board/BroomHUD.h"
#include "game/board/CrystalHUD.h"
#include "game/board/HammerHUD.h"
#include "game/board/LightningHUD.h"
#include "game/board/StakeHUD.h"
#include "game/board/TarotHUD.h"
#include "game/save/SaveData.h"

void ListHUDPowerupPictures(TLoadList& list) {
    std::vector<std::string> files;
    for (const char* name : {"unpurchased", "empty ring1", "Powerup Slot Mouse Over", "StakeCursor",
                             "HammerCursor", "BroomCursor"}) {
        files.push_back(std::string("HUD/") + name);
    }
    for (int i = 1; i <= THUDPowerup::HUD_PIN_COUNT; ++i)
        files.push_back("HUD/powerupLevel" + std::to_string(i));
    for (int i = 1; i <= HUD_POWERUP_COUNT; ++i) {
        for (const char* state : {"empty", "filling", "full"}) {
            files.push_back("HUD/powerup" + std::to_string(i) + state);
        }
    }
    for (std::string& file : files) list.Add([file = std::move(file)] { ImageBank.Load(file); });
}

int LoadHUDPowerupPictures() {
    TLoadList list;
    ListHUDPowerupPictures(list);
    return list.Run();
}

int CreateHUDPowerups() {
    HUDPowerups = {std::make_shared<TStakeHUD>(), std::make_shared<THammerHUD>(),
                   std::make_shared<TBroomHUD>(), std::make_shared<TLightningHUD>(),
                   std::make_shared<TTarotHUD>(), std::make_shared<TCrystalHUD>()};
    for (const auto& powerup : HUDPowerups) powerup->Load();
    auto slot = [](int i) { return i >= 0 && i < HUD_POWERUP_COUNT ? HUDPowerups[i] : nullptr; };
    SaveData.Links.GetCharge = [slot](int i) {
        const auto powerup = slot(i);
        return powerup ? powerup->CurrentCharge : 0;
    };
    SaveData.Links.ChargeRequired = [slot](int i) {
        const auto powerup = slot(i);
        return powerup ? powerup->GetChargeRequired() : 0;
    };
    SaveData.Links.SetCharge = [slot](int i, int charge) {
        if (const auto powerup = slot(i)) powerup->CurrentCharge = charge;
    };
    return 1;
}
