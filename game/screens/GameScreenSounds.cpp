// The board's one-shot triggers turned into sounds, once a tick: a trigger set several times in a tick
// plays once. The bombs of a chain play softer the longer the chain, never below 0.6.
#include <algorithm>
#include <memory>
#include <vector>

#include "framework/core/GameSound.h"
#include "framework/core/SoundBank.h"
#include "game/board/BoardEvents.h"
#include "game/board/BoardSound.h"
#include "game/board/GameGrid.h"
#include "game/board/Player.h"
#include "game/screens/GameScreen.h"

namespace {

// A sound and its volume in a trigger's list: a board sound by its field, or one of the bank by name.
struct TPart {
    std::shared_ptr<TGameSound> TGameGrid::*board = nullptr;
    const char* bank = nullptr;
    float volume = 1.0f;
    bool chained = false;  // scaled by the chain's volume
};

struct TTrigger {
    int TBoardEvents::*flag;
    std::vector<TPart> parts;
};

TPart Board(std::shared_ptr<TGameSound> TGameGrid::*sound, float volume = 1.0f, bool chained = false) {
    return {sound, nullptr, volume, chained};
}

TPart Bank(const char* name, float volume = 1.0f, bool chained = false) {
    return {nullptr, name, volume, chained};
}

void Play(const TPart& part, float chainVolume) {
    TGameSound* sound = nullptr;
    std::shared_ptr<TGameSound> keep;
    if (part.board) {
        sound = (Grid.get()->*part.board).get();
    } else {
        keep = SoundBank.Find(part.bank);
        sound = keep.get();
    }
    PlayBoardSound(sound, part.volume * (part.chained ? chainVolume : 1.0f));
}

}  // namespace

int TGameScreen::ProcessSoundTriggers() {
    if (!Grid) return 0;
    const int chained = Grid->ChainedBonuses;
    const float v = chained > 1 ? std::max(0.6f, 1.0f / static_cast<float>(chained)) : 1.0f;
    if (chained >= 3) Player.Report("ChainReaction", 1);
    if (chained >= 6) Player.Report("InsaneReaction", 1);
    if (BoardEvents.TriggerGoldBag) Player.Report("BagOfCoins", 1);
    if (BoardEvents.TriggerMegaBomb) Player.Report("Stink", 1);
    if (Player.levelBonusesUsed >= 20) Player.Report("BonusSpree", 1);

    using G = TGameGrid;
    const TTrigger triggers[] = {
        {&TBoardEvents::TriggerBonusAppears, {Bank("BonusAppears")}},
        {&TBoardEvents::TriggerEggDrop, {Bank("EggDrop")}},
        {&TBoardEvents::TriggerUnlock, {Board(&G::UnlockSound)}},
        {&TBoardEvents::TriggerUnrock1, {Board(&G::UnRockSound1)}},
        {&TBoardEvents::TriggerUnrock2, {Board(&G::UnRockSound2)}},
        {&TBoardEvents::TriggerMagic, {Board(&G::MagicSound)}},
        {&TBoardEvents::TriggerGoldCoin, {Board(&G::GoldCoinSound)}},
        {&TBoardEvents::TriggerGoldBag, {Board(&G::GoldBagSound)}},
        {&TBoardEvents::TriggerCoinDisappears, {Bank("coindisappears")}},
        {&TBoardEvents::TriggerHUDCharged, {Board(&G::HUDChargeSound)}},
        {&TBoardEvents::TriggerBomb, {Bank("Bomb", 0.5f, true), Bank("Pumpkin", 1, true)}},
        {&TBoardEvents::TriggerBomb2,
         {Board(&G::ExplodeSound, 0.5f, true), Bank("Bomb", 0.5f, true), Bank("Pumpkin", 1, true)}},
        {&TBoardEvents::TriggerMegaBomb, {Bank("Garlic", 1, true), Bank("HolyWater", 1, true)}},
        {&TBoardEvents::TriggerCrossDiagBomb,
         {Board(&G::ExplodeSound, 0.5f, true), Board(&G::CrossDiagBombSound, 1, true),
          Bank("HolyWater2", 1, true)}},
        {&TBoardEvents::TriggerCrossDiagBomb2,
         {Board(&G::ExplodeSound, 0.8f, true), Board(&G::CrossDiagBombSound, 1, true),
          Bank("HolyWater2", 1, true)}},
        {&TBoardEvents::TriggerCrossBomb,
         {Board(&G::ExplodeSound, 0.75f, true), Board(&G::CrossBombSound, 0.75f, true)}},
        {&TBoardEvents::TriggerCrossBomb2,
         {Board(&G::ExplodeSound, 0.25f, true), Board(&G::ExplodeSound, 1, true),
          Board(&G::CrossBombSound, 1, true)}},
        {&TBoardEvents::TriggerDiagBomb, {Board(&G::DiagonalBombSound, 1, true)}},
        {&TBoardEvents::TriggerDiagBomb2, {Board(&G::DiagonalBomb2Sound, 1, true)}},
        {&TBoardEvents::TriggerHorizontalBomb, {Board(&G::HorizontalBombSound, 1, true)}},
        {&TBoardEvents::TriggerHorizontalBomb2,
         {Board(&G::HorizontalBombSound, 1, true), Bank("TorchExtra", 1, true)}},
        {&TBoardEvents::TriggerVerticalBomb, {Board(&G::VerticalBombSound, 1, true)}},
        {&TBoardEvents::TriggerMatchOverArmour1, {Board(&G::MatchOverTileSound)}},
        {&TBoardEvents::TriggerMatchOverArmour2, {Board(&G::MatchOverArmour2Sound)}},
    };
    int played = 0;
    for (const TTrigger& trigger : triggers) {
        if (!(BoardEvents.*trigger.flag)) continue;
        for (const TPart& part : trigger.parts) Play(part, v);
        ++played;
    }
    // The upgraded candle sounds deeper.
    if (BoardEvents.TriggerVerticalBomb2 && Grid->VerticalBombSound) {
        Grid->VerticalBombSound->pitch = 0.8f;
        PlayBoardSound(Grid->VerticalBombSound.get(), v);
        Grid->VerticalBombSound->pitch = 1.0f;
        ++played;
    }
    return played;
}
