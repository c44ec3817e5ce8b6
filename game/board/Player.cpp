#include "game/board/Player.h"

#include <algorithm>
#include <cmath>

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/core/Messages.h"
#include "framework/profile/Profile.h"
#include "framework/screens/GameFade.h"
#include "game/board/Board.h"
#include "game/board/BoardEvents.h"
#include "game/board/GameGrid.h"
#include "game/save/SaveData.h"

TPlayer Player;

namespace {

// The shop lines the player's gold rules read: the two web upgrades add to a level's gold, the two cat
// upgrades fill money bags.
constexpr int kWeb1 = 22, kWeb2 = 23, kCat1 = 9, kCat2 = 10;
constexpr int kLastLevel = 100;

int timedModeFlag = 0;

bool Owns(int item) {
    return SaveData.GetShopItemStatus(item) == ShopItem::PURCHASED;
}

bool TimedProfile() {
    return SaveData.timer != 0;
}

}  // namespace

void TGameState::SetTimedMode() {
    timedModeFlag = 1;
}

void TGameState::SetRelaxedMode() {
    timedModeFlag = 0;
}

int TGameState::TimedMode() {
    return timedModeFlag;
}

float TimeLeftMs() {
    const float limit = Grid ? Grid->TimeLimit : 0.0f;
    const float ms = Game ? Game->FixedRateLogic.MS : 0.0f;
    return std::max(0.0f, (limit - Player.LevelTimeTaken) * ms);
}

bool ClockAllowsPlay() {
    return !TimedProfile() || TimeLeftMs() > 0;
}

float RoundUpToSecond(float ms) {
    return std::ceil(ms / 1000.0f) * 1000.0f;
}

void SplitMinutesSeconds(float ms, int& minutes, int& seconds) {
    const float s = ms / 1000.0f;
    const float magnitude = std::fabs(s);
    const int wholeMinutes = static_cast<int>(std::floor(magnitude / 60.0f));
    const int wholeSeconds = static_cast<int>(std::floor(magnitude - wholeMinutes * 60.0f));
    const int sign = s < 0 ? -1 : 1;
    minutes = sign * wholeMinutes;
    seconds = sign * wholeSeconds;
}

void TPlayer::InstallLinks() {
    SaveData.Links.TimedMode = [] { return TGameState::TimedMode(); };
    SaveData.Links.Unlocked = [] { return Player.Unlocked; };
}

void TPlayer::Report(const std::string& achievement, int flag) {
    const int newlySet =
        SaveData.Links.SetAchievement ? SaveData.Links.SetAchievement(achievement, flag, flag, flag) : 0;
    if (newlySet > 0 && SaveData.Links.SaveAchievements) SaveData.Links.SaveAchievements();
}

int TPlayer::GetBonusGold() {
    // The higher upgrade replaces the lower one; they never add up.
    if (Owns(kWeb2)) return levelGoldCollected / 5;
    if (Owns(kWeb1)) return levelGoldCollected / 10;
    return 0;
}

int TPlayer::GetLevelGold() {
    return levelGoldCollected + GetBonusGold();
}

int TPlayer::BoostScore(int points) {
    const int before = LevelScore;
    LevelScore += points;
    for (const auto& [mark, key] : {std::pair{5000, "Score5000"}, std::pair{8000, "Score8000"}}) {
        if (before < mark && LevelScore >= mark) Report(key, 0);
    }
    return 1;
}

int TPlayer::CalcLevelTimeLeft() {
    LevelTimeLeft = RoundUpToSecond(TimeLeftMs());
    return 1;
}

int TPlayer::CalcTimeBonus() {
    int minutes = 0, seconds = 0;
    SplitMinutesSeconds(LevelTimeLeft, minutes, seconds);
    TimeBonus = (minutes * 60 + seconds) * 10;
    BoostScore(TimeBonus);
    return 1;
}

int TPlayer::ClearPlayerCounters() {
    DeathCounter = 0;
    return 1;
}

int TPlayer::DeathEnd() {
    if (DeathCounter > 0) return 0;
    --Lives;
    if (Lives < 0) {
        UpdateTotals();
        return -1;
    }
    ClearPlayerCounters();
    NoChecks = 0;
    Alive = 1;
    BoardEvents.RestartIntroAnim();
    return 1;
}

int TPlayer::Die() {
    Alive = 0;
    NoChecks = 1;
    DeathAnimLength = Game ? static_cast<int>(Game->CalcAnimLength(99999)) : 0;
    DeathCounter = static_cast<float>(DeathAnimLength);
    // The stored progress is reset in memory only, and the level being played stays the profile's.
    TProfile* profile = Game ? Game->CurrentProfile.get() : nullptr;
    if (profile) {
        const int level = profile->CurrentLevel;
        ProfileGameOver(profile, 0);
        profile->CurrentLevel = level;
    }
    return 1;
}

int TPlayer::GetGoalCount() {
    if (!Grid) return 0;
    return (Grid->GoalMatches > 0) + (Grid->GoalArmour > 0) + (Grid->GoalCollect > 0) + (Grid->GoalRock > 0);
}

int TPlayer::GetMatchesToGo() {
    return Grid ? std::max(0, Grid->GoalMatches - LevelGoalMatches) : 0;
}

int TPlayer::GetSpecialItemsToGo() {
    return Grid ? std::max(0, Grid->GoalCollect - SpecialItemsCollected) : 0;
}

int TPlayer::GetRocksToGo() {
    return Grid ? std::max(0, Grid->Rocks) : 0;
}

int TPlayer::InitNewLevelStats() {
    ClearPlayerCounters();
    Alive = 1;
    LastTimeTaken = NO_SECONDS;
    LevelGoalMatches = LevelKills = levelMatch4s = levelMatch5s = 0;
    levelTilesCollected = levelGoldCollected = levelCoinsCollected = levelBagsCollected = 0;
    levelCoinsOnlyCollected = levelSkullsCollected = levelCoinsSpawned = levelBagsSpawned = 0;
    levelGoldInTransit = levelBonusesUsed = levelMoves = levelBombsSetOff = levelPowerupsUsed = 0;
    LevelScore = 0;
    LevelTimeLeft = LevelTimeTaken = 0;
    MagicFreed = NoChecks = SpecialItemsCollected = TimeBonus = 0;
    UsedPowerupSlot.fill(0);
    return 1;
}

int TPlayer::KillsAdd(int n) {
    LevelKills += n;
    return 1;
}

int TPlayer::LogGoldCollected(int n) {
    if (Level == Unlocked) levelGoldCollected += n;
    return 1;
}

int TPlayer::LogCoinCollected(int n) {
    if (Level != Unlocked) return 0;
    LogGoldCollected(n * 5);
    levelCoinsCollected += n;
    levelCoinsOnlyCollected += n;
    if (levelCoinsCollected >= 10) Report("Collect10Coins", 1);
    return 1;
}

int TPlayer::LogGoldenSkullCollected() {
    if (Level != Unlocked) return 0;
    LogGoldCollected(20);
    ++levelSkullsCollected;
    return 1;
}

int TPlayer::LogGoldBagCollected() {
    ++levelBagsCollected;
    const int coins = Owns(kCat2) ? 5 : Owns(kCat1) ? 4 : 3;
    LogCoinCollected(coins);
    return coins;
}

int TPlayer::LogGoldTileCollected() {
    LogGoldCollected(1);
    ++levelTilesCollected;
    return 1;
}

int TPlayer::LogMatches(int size) {
    if (size == 4) {
        ++levelMatch4s;
    } else if (size >= 5) {
        ++levelMatch5s;
        Report("Match5", 1);
    }
    return 1;
}

int TPlayer::Manage() {
    if (DeathCounter > 0) {
        DeathCounter -= Delta;
        if (DeathEnd() != 0) return -1;
    }
    ManageTime();
    return 1;
}

int TPlayer::ManageTime() {
    const bool fading = Game && Game->GameFade && Game->GameFade->Active;
    if (BoardEvents.OutroRunning() || fading || (Grid && Grid->TargetMet) || Alive != 1) return 0;
    LevelTimeTaken += Delta;
    const float left = RoundUpToSecond(TimeLeftMs());
    const bool timed = TimedProfile();
    if (left <= 10000 && timed) {
        int minutes = 0, seconds = 0;
        SplitMinutesSeconds(left, minutes, seconds);
        // One beep for each of the last ten seconds.
        if (seconds != LastTimeTaken) BoardEvents.PlayLowTimeBeep();
        LastTimeTaken = seconds;
    } else {
        LastTimeTaken = NO_SECONDS;
    }
    if (left <= 30000 && timed && !BoardEvents.LowTime) BoardEvents.LowTime = 1;
    // A power-up in the middle of its effect holds the time-up back until it has finished.
    if (left <= 0 && timed && !(Grid && Grid->HUDPowerupBlockInput)) {
        Die();
        BoardEvents.StartTimeUpAnim();
    }
    return 1;
}

int TPlayer::ProfileGameOver(TProfile* profile, int save) {
    if (!profile) return 0;
    profile->Score = 0;
    profile->CurrentLevel = 1;
    profile->Lives = 3;
    profile->Kills = 0;
    profile->TimeTaken = 0;
    if (save) profile->Save();
    return 1;
}

int TPlayer::ReadProfile(TProfile* profile, int load) {
    if (!profile) return 0;
    if (load) profile->Load();
    Name = profile->Name;
    Lives = profile->Lives;
    TotalKills = profile->Kills;
    TotalScore = profile->Score;
    TotalTimeTaken = profile->TimeTaken;
    // A damaged or hand-edited file must not send the game to a level that does not exist, nor past the
    // levels the player has opened.
    Unlocked = std::clamp(profile->LockedLevel - 1, 1, kLastLevel);
    Level = std::clamp(profile->CurrentLevel, 1, Unlocked);
    return 1;
}

int TPlayer::UpdateTotals() {
    TotalTimeTaken += LevelTimeTaken;
    TotalKills += LevelKills;
    TotalScore += LevelScore;
    return 1;
}

int TPlayer::UsedPowerup(int slot) {
    if (slot < 0 || slot >= POWERUP_SLOTS) return 0;
    ++levelPowerupsUsed;
    if (UsedPowerupSlot[slot]) return 0;
    UsedPowerupSlot[slot] = 1;
    const bool all =
        std::all_of(UsedPowerupSlot.begin(), UsedPowerupSlot.end(), [](int used) { return used; });
    if (all) Report("AllPowerupsUsed", 1);
    return 1;
}

int TPlayer::UpdateLevelEndData() {
    CalcLevelTimeLeft();
    // The bonus joins the level's score before the totals take it.
    CalcTimeBonus();
    UpdateTotals();
    DebugLog("Level " + std::to_string(Level) + " complete: score " + std::to_string(LevelScore) +
             ", time bonus " + std::to_string(TimeBonus) + ", gold " + std::to_string(GetLevelGold()) + ", " +
             std::to_string(static_cast<int>(LevelTimeTaken)) + " ticks");
    ++Level;
    if (Level > Unlocked) Unlocked = Level;
    return 1;
}

int TPlayer::WriteProfile(TProfile* profile) {
    if (!profile) return 0;
    profile->Name = Name;
    profile->CurrentLevel = Level;
    profile->Score = TotalScore;
    profile->Lives = Lives;
    profile->Kills = TotalKills;
    profile->TimeTaken = TotalTimeTaken;
    profile->LockedLevel = Unlocked + 1;
    return profile->Save();
}
