#include "game/save/AchievementList.h"

#include <algorithm>

#include "framework/core/Messages.h"
#include "game/save/SaveData.h"

bool TAchievementList::Has(const std::string& key) {
    return std::find(Names.begin(), Names.end(), key) != Names.end();
}

int TAchievementList::SetAchievement(const std::string& key, int /*a*/, int /*b*/, int /*c*/) {
    if (!Has(key)) DebugLog("Unknown achievement '" + key + "'");
    return 0;
}

int TAchievementList::SaveAchievements() {
    return 0;
}

int BuildAchievementList() {
    SaveData.Links.SetAchievement = TAchievementList::SetAchievement;
    SaveData.Links.SaveAchievements = TAchievementList::SaveAchievements;
    return 1;
}
