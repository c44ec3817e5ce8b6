#pragma once

#include <array>
#include <string>
#include <vector>

#include "game/save/SaveData.h"
#include "game/save/ShopCatalogue.h"

namespace murkwell::test {

// Stands in for the parts of the game the save data asks: the player's unlocked count, the timed-mode
// flag, the six power-ups and the achievement list. The global SaveData is fresh for the test and
// fresh again afterwards; the catalogue is built once.
struct SaveDataWorld {
    SaveDataWorld() {
        InitShopItems([](const std::string& key) { return "text of " + key; });
        SaveData = TSaveData();
        Link(SaveData);
    }
    ~SaveDataWorld() { SaveData = TSaveData(); }
    SaveDataWorld(const SaveDataWorld&) = delete;
    SaveDataWorld& operator=(const SaveDataWorld&) = delete;

    void Link(TSaveData& data) {
        data.Links.Unlocked = [this] { return unlocked; };
        data.Links.TimedMode = [this] { return timed; };
        data.Links.GetCharge = [this](int slot) { return charges[slot]; };
        data.Links.ChargeRequired = [this](int slot) { return required[slot]; };
        data.Links.SetCharge = [this](int slot, int charge) { charges[slot] = charge; };
        data.Links.SetAchievement = [this](const std::string& key, int, int, int) {
            achievements.push_back(key);
            return newlySet;
        };
        data.Links.SaveAchievements = [this] { return ++achievementSaves; };
    }

    int unlocked = 1;
    int timed = 0;
    std::array<int, TSaveData::POWERUPS> charges{};
    std::array<int, TSaveData::POWERUPS> required{10, 15, 12, 20, 18, 30};
    std::vector<std::string> achievements;
    int newlySet = 1;  // what each achievement report answers
    int achievementSaves = 0;
};

}  // namespace murkwell::test
