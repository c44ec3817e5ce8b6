// The board's logic on the null platform: one tick of a busy board, ten minutes of play, and the search
// for a move on a board that has none.
//
// The busy board is the largest there is, 13 × 10 cells in seven colours with refilling on, on the
// frontier level (coins and bags may come) with particles at full density. The autoplayer's hand moves as
// fast as the mouse allows whenever resting gems offer a run, as a quick player does while the last
// cascade still falls, and a row goes up between its swaps as if a bomb went off, so that matches,
// explosions, falling gems and landings overlap all the time. One
// benchmark iteration is one logic tick: the input, the board's tick and its effects' move.
//
// The play benchmark plays a level of the game (the level file, the game's first fill) for 120,000 ticks,
// ten minutes of game time, the hand moving at a person's pace each time the board comes to rest.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <filesystem>
#include <memory>
#include <string>

#include "app/Product.h"
#include "app/autoplay/BoardPlayer.h"
#include "framework/core/Game.h"
#include "framework/core/GameGuard.h"
#include "framework/core/Globals.h"
#include "framework/core/Random.h"
#include "framework/core/SoundBank.h"
#include "framework/gfx/ImageBank.h"
#include "game/board/Board.h"
#include "game/board/BoardEvents.h"
#include "game/board/BoardPictures.h"
#include "game/board/Cell.h"
#include "game/board/GameGrid.h"
#include "game/board/Gem.h"
#include "game/board/GemEffects.h"
#include "game/board/GemList.h"
#include "game/board/InitialFill.h"
#include "game/board/PlayableMoves.h"
#include "game/board/Player.h"
#include "game/save/SaveData.h"
#include "game/save/ShopItem.h"
#include "platform/null/NullPlatform.h"

namespace {

const std::string kData = MURKWELL_DATA_DIR;

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// A game on the null platform with the board's pictures and sounds, a player on level `level` (its
// frontier), and the board's rules connected.
class PlayBench {
public:
    explicit PlayBench(int level) : platform_("/nonexistent/"), game_(platform_), guard_(game_, kMurkwell) {
        game_.FixedRateLogic.Create();
        game_.ChannelsCreate(16);
        game_.Particles = 100;
        Delta = 1.0f;
        SeedRandom(11);
        ImageBank.SetPath(kData + "/graphics/");
        game_.ImagePath = kData + "/graphics/";
        LoadBoardPictures();
        SoundBank.SetPath(kData + "/sound/");
        for (const auto& entry : std::filesystem::directory_iterator(kData + "/sound")) {
            if (entry.path().extension() == ".wav") SoundBank.Load(entry.path().filename().string());
        }
        SaveData.Init();
        Player.Level = Player.Unlocked = level;
        Player.InitNewLevelStats();
        ConnectBoardEvents();
        Grid = TGameGrid::Create();
    }
    ~PlayBench() {
        ResetBoard();
        BoardEvents = TBoardEvents{};
        SoundBank.Clear();
        ImageBank.Clear();
    }

    void Tick() {
        game_.DoPeekEvent();
        Grid->Manage();
        BoardEffects.Move();
    }
    // The autoplayer's hand, its input going where the platform's would.
    TBoardPlayer Hand(TBoardPace pace) {
        return TBoardPlayer([this](const platform::Event& e) { platform_.TestEvents().Push(e); }, 11, pace);
    }

private:
    platform::NullPlatform platform_;
    TGame game_;
    TGameGuard guard_;
};

// Every cell of a 13 × 10 board active, seven colours, refilled from the top.
void BuildBusyBoard() {
    Grid->levelwidth = kMaxColumns;
    Grid->levelheight = kMaxRows;
    Grid->Centre();
    Grid->CreateCells();
    for (int x = 0; x < kMaxColumns; ++x) {
        for (int y = 0; y < kMaxRows; ++y) Cells[x][y]->active = 1;
    }
    Grid->CalcTopRowY();
    GemColourCount = 7;
    for (int i = 0; i < 7; ++i) GemColours[i] = i + 1;
    FillGridUntilPlayable(Player.Level);
}

// One swap at a time glides for 40 ticks: a row blast this often keeps cascades overlapping.
constexpr long kBlastEveryTicks = 40;

// A board without a move is kept busy the way a bomb would: a whole row goes up.
void BlastRandomRow() {
    const int row = Rand(0, Grid->levelheight - 1);
    for (int x = 0; x < Grid->levelwidth; ++x) {
        if (TCell* cell = CellAt(x, row); cell && cell->Gem) cell->Gem->Destroy();
    }
}

void BM_BusyBoardTick(benchmark::State& state) {
    PlayBench bench(30);
    // Every bomb of the shop: long runs leave bombs, and the hand sets them off.
    for (int item = 1; item <= 21; ++item) SaveData.shopPurchases[item] = ShopItem::PURCHASED;
    BuildBusyBoard();
    TBoardPace pace;
    pace.thinkTicks = 0;
    pace.pointerSpeed = 1000;
    pace.holdTicks = 1;
    pace.waitForRest = false;
    TBoardPlayer hand = bench.Hand(pace);
    long ticks = 0, particles = 0;
    int lastMatches = 0;
    long cascadeTicks = 0;
    for (auto _ : state) {
        // The player's part is not the board's tick.
        state.PauseTiming();
        hand.Tick();
        // Bombs go off between the swaps, as on a board the player keeps busy.
        if (ticks % kBlastEveryTicks == 0 || (hand.Idle() && BoardAtRest())) BlastRandomRow();
        state.ResumeTiming();
        bench.Tick();
        particles += BoardEffects.Count();
        ++ticks;
        if (Player.LevelKills != lastMatches) {
            lastMatches = Player.LevelKills;
            ++cascadeTicks;
        }
    }
    state.counters["moves"] = static_cast<double>(hand.Moves());
    state.counters["ticks_per_match"] = cascadeTicks ? static_cast<double>(ticks) / cascadeTicks : 0;
    state.counters["particles_alive"] = static_cast<double>(particles) / static_cast<double>(ticks);
}
BENCHMARK(BM_BusyBoardTick)->Unit(benchmark::kMicrosecond)->MinTime(3.0);

void BM_TenMinutesOfPlay(benchmark::State& state) {
    constexpr int kLevel = 50, kTicks = 120000;
    PlayBench bench(kLevel);
    TBoardPlayer hand = bench.Hand(TBoardPace());
    int levelsWon = 0;
    double cpu = 0;
    for (auto _ : state) {
        Grid->LoadLevelFile(kData + "/levels/" + std::to_string(kLevel) + ".txt");
        FillGridUntilPlayable(kLevel);
        const double start = CpuSeconds();
        for (int tick = 0; tick < kTicks; ++tick) {
            if (Grid->TargetMet && !Grid->BlockInput) {
                // Goals met: the next level of the session starts on a fresh board, as play goes on.
                ++levelsWon;
                Player.InitNewLevelStats();
                Grid = TGameGrid::Create();
                Grid->LoadLevelFile(kData + "/levels/" + std::to_string(kLevel) + ".txt");
                FillGridUntilPlayable(kLevel);
            }
            hand.Tick();
            bench.Tick();
        }
        cpu += CpuSeconds() - start;
    }
    state.counters["cpu_seconds"] = cpu / static_cast<double>(state.iterations());
    state.counters["moves"] = hand.Moves();
    state.counters["levels_won"] = levelsWon;
}
BENCHMARK(BM_TenMinutesOfPlay)->Iterations(1)->Unit(benchmark::kSecond);

// The whole board searched in vain: 13 × 10 cells in seven colours laid in diagonal stripes, where no
// swap makes a run, so that every cell tries every neighbour.
void BM_NoMoreMovesSearch(benchmark::State& state) {
    PlayBench bench(30);
    Grid->levelwidth = kMaxColumns;
    Grid->levelheight = kMaxRows;
    Grid->Centre();
    Grid->CreateCells();
    Gems = std::make_shared<TGemList>();
    for (int x = 0; x < kMaxColumns; ++x) {
        for (int y = 0; y < kMaxRows; ++y) {
            Cells[x][y]->active = 1;
            Cells[x][y]->Gem = TGem::Make(x, y, (x + 2 * y) % 7 + 1, 0);
            Gems->Append(Cells[x][y]->Gem);
        }
    }
    if (!Grid->DoNoMoreMoves(0)) state.SkipWithError("the board has a move");
    for (auto _ : state) benchmark::DoNotOptimize(Grid->DoNoMoreMoves(0));
}
BENCHMARK(BM_NoMoreMovesSearch)->Unit(benchmark::kMicrosecond);

}  // namespace
