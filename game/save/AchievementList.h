#pragma once

#include <array>
#include <string>

// The names of the game's achievements, made at start-up and linked to the save data, through which the
// player, the board's screen, the shop and the story report them. The list keeps no state: a report sets
// nothing and returns 0, so nothing is ever saved. A name that is not on the list is a mistake of the
// game's own and goes to the debug log.
class TAchievementList {
public:
    static constexpr std::array<const char*, 17> Names = {
        "Score5000",     "Score8000",      "Collect10Coins", "Match5",  "AllPowerupsUsed", "PurchasedAll",
        "Tarnfield",     "PowerupLevel3",  "FoundCat",       "Dungeon", "Asylum",          "Crypt",
        "ChainReaction", "InsaneReaction", "BagOfCoins",     "Stink",   "BonusSpree"};

    static bool Has(const std::string& key);
    // How many achievements the report newly set: always 0.
    static int SetAchievement(const std::string& key, int a, int b, int c);
    static int SaveAchievements();
};

// Links the list to the save data.
int BuildAchievementList();
