#pragma once

#include <array>
#include <memory>
#include <string>

#include "framework/sprites/Sprite.h"

class TGameImage;
class TProfile;

// The player: the current profile's running totals (level reached, highest level unlocked, total score)
// and, for the level being played, every counter the level-complete screen reports. It owns the level
// clock, the time bonus and the gold rules: which pickups count as gold (only on a level played for the
// first time) and how the shop's upgrades multiply it. A sprite by descent only; nothing of the sprite is
// used.
class TPlayer : public TSprite {
public:
    static constexpr int POWERUP_SLOTS = 6;
    static constexpr int NO_SECONDS = 9999;  // LastTimeTaken before the last ten seconds

    int Alive = 1;  // the level clock runs only while 1
    int DeathAnimLength = 1000;
    float DeathCounter = 0;  // ticks left of the dead period
    std::shared_ptr<TGameImage> ImageLife;
    int LastTimeTaken = 0;  // the seconds digit the low-time beep last sounded for
    int Level = 1;          // the level being played
    // Counters of the level being played, cleared by InitNewLevelStats.
    int LevelGoalMatches = 0;
    int LevelKills = 0;
    int levelMatch4s = 0;
    int levelMatch5s = 0;
    int levelTilesCollected = 0;
    int levelGoldCollected = 0;  // coins, bags, skulls and tiles, in gold
    int levelCoinsCollected = 0;
    int levelBagsCollected = 0;
    int levelCoinsOnlyCollected = 0;
    int levelSkullsCollected = 0;
    int levelCoinsSpawned = 0;
    int levelBagsSpawned = 0;
    int levelGoldInTransit = 0;  // counted but still flying to the HUD counter
    int LevelScore = 0;
    float LevelTimeLeft = 0;   // ms left when the level ended, rounded up to whole seconds
    float LevelTimeTaken = 0;  // ticks
    int levelBonusesUsed = 0;
    int levelMoves = 0;        // swaps that stood
    int levelBombsSetOff = 0;  // bombs gone off, by the player or in a chain
    int levelPowerupsUsed = 0;
    int Lives = 3;
    int MagicFreed = 0;
    std::string Name;
    int NoChecks = 0;
    int SpecialItemsCollected = 0;
    int TimeBonus = 0;
    int TotalKills = 0;
    double TotalTimeTaken = 0;  // ticks
    int TotalScore = 0;
    int Unlocked = 1;  // the highest level open
    std::array<int, POWERUP_SLOTS> UsedPowerupSlot{};

    // The shop's share on top of this level's gold: a fifth with the second web, a tenth with the first.
    virtual int GetBonusGold();
    virtual int GetLevelGold();
    virtual int BoostScore(int points);
    virtual int CalcLevelTimeLeft();
    // Ten points per whole second left, into the score.
    virtual int CalcTimeBonus();
    virtual int ClearPlayerCounters();
    // -1 once the lives are spent, 1 when play goes on after the dead period, 0 while it lasts.
    virtual int DeathEnd();
    virtual int DrawLevel(float x, float y);
    virtual int DrawScore(float x, float y);
    virtual int DrawCoins(float x, float y);
    virtual int DrawBankedCoins(float x, float y);
    virtual int DrawTime(float x, float y);
    virtual int Die();
    virtual int GetGoalCount();
    virtual int GetMatchesToGo();
    virtual int GetSpecialItemsToGo();
    virtual int GetRocksToGo();
    virtual int InitNewLevelStats();
    virtual int KillsAdd(int n);
    virtual int Load() { return 0; }
    // Gold counts only on a level played for the first time; a replay earns none.
    virtual int LogGoldCollected(int n);
    virtual int LogCoinCollected(int n);
    virtual int LogGoldenSkullCollected();
    // The coins the bag held (3, or 4 and 5 with the cat upgrades).
    virtual int LogGoldBagCollected();
    virtual int LogGoldTileCollected();
    virtual int LogMatches(int size);
    // Once per tick while a level is played: 1, or -1 when the lives are spent.
    virtual int Manage();
    virtual int ManageTime();
    virtual int ProfileGameOver(TProfile* profile, int save);
    virtual int ReadProfile(TProfile* profile, int load);
    virtual int UpdateTotals();
    virtual int UsedPowerup(int slot);
    // A level won: the time bonus, the totals, the next level open.
    virtual int UpdateLevelEndData();
    virtual int WriteProfile(TProfile* profile);

    // The save data asks for the unlocked count (shop items open with it).
    static void InstallLinks();
    // Tells the achievement list; it is stored when this set one for the first time.
    void Report(const std::string& achievement, int flag);
};

extern TPlayer Player;

// The play mode a new profile is given. The flag is only read when a profile is made: every rule that
// differs between the modes reads the profile's own timer setting.
class TGameState {
public:
    static void SetTimedMode();
    static void SetRelaxedMode();
    static int TimedMode();
};

// The level clock: ms left, never negative. It counts logic ticks, so it stops whenever the logic does.
float TimeLeftMs();
// Play may go on after an effect that held it: time is left, or the level is played without a clock.
bool ClockAllowsPlay();
// ms rounded up to a whole second: 61,500 reads 62,000.
float RoundUpToSecond(float ms);
// Whole minutes and seconds of ms; a negative time splits its magnitude and negates both.
void SplitMinutesSeconds(float ms, int& minutes, int& seconds);
