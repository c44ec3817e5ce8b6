// The six power-ups of the HUD on boards of several sizes: their charge and levels from the shop, the
// three carried to the board through the mouse, the three clicked, what each does to chains, rocks, holes
// and narrow boards, and their charges kept apart between players.
#include <initializer_list>
#include <set>
#include <string>

#include "game/board/BroomHUD.h"
#include "game/board/CrystalHUD.h"
#include "game/board/HUDPowerupRow.h"
#include "game/board/HammerHUD.h"
#include "game/board/LightningHUD.h"
#include "game/board/StakeHUD.h"
#include "game/board/TarotHUD.h"
#include "tests/game/board/PlayTestSupport.h"

namespace {

using murkwell::test::PlayFixture;

class PowerupTest : public PlayFixture {
protected:
    PowerupTest() {
        LoadHUDPowerupPictures();
        CreateHUDPowerups();
        for (const auto& powerup : HUDPowerups) powerup->offsetY = 0;
    }
    ~PowerupTest() override {
        HUDPowerups = {};
        SaveData.Links = {};
    }

    template <typename Kind>
    std::shared_ptr<Kind> Get() {
        for (const auto& powerup : HUDPowerups) {
            if (auto kind = std::dynamic_pointer_cast<Kind>(powerup)) return kind;
        }
        return nullptr;
    }
    static void Own(std::initializer_list<int> items) {
        for (const int item : items) SaveData.shopPurchases[item] = ShopItem::PURCHASED;
    }
    // Takes the power-up from its slot with the mouse: a click, or a drag to cell (x, y).
    void ClickSlot(const THUDPowerup& powerup) {
        MoveTo(powerup.HUDLocation.x, powerup.HUDLocation.y);
        Press();
        Release();
    }
    void DragTo(const THUDPowerup& powerup, int x, int y) {
        MoveTo(powerup.HUDLocation.x, powerup.HUDLocation.y);
        Press();
        PointAt(x, y);
        Release();
    }
    // Ticks until the power-up at work lets the board go.
    int RunEffect() {
        int ticks = 0;
        while (Grid->HUDPowerupBlockInput && ticks < 5000) {
            Tick();
            ++ticks;
        }
        return ticks;
    }
    static int Exploding() {
        int n = 0;
        for (const auto& gem : Gems->Items()) n += gem->GemType == GEM_CLEARED ? 1 : 0;
        return n;
    }
};

TEST_F(PowerupTest, ChargesFollowTheShopsPumpkinLightsAndFillOnlyOnce) {
    struct Case {
        std::initializer_list<int> items;
        int stake, crystal, tarot;
    };
    const Case cases[] = {{{}, 10, 30, 18}, {{13}, 9, 27, 16}, {{14}, 8, 24, 14}, {{13, 14}, 8, 24, 14}};
    for (const Case& c : cases) {
        SaveData.Init();
        Own(c.items);
        EXPECT_EQ(Get<TStakeHUD>()->GetChargeRequired(), c.stake);
        EXPECT_EQ(Get<TCrystalHUD>()->GetChargeRequired(), c.crystal);
        EXPECT_EQ(Get<TTarotHUD>()->GetChargeRequired(), c.tarot);
    }
    auto stake = Get<TStakeHUD>();
    stake->CurrentCharge = 0;
    stake->AddCharge(7);
    EXPECT_EQ(BoardEvents.TriggerHUDCharged, 0);
    stake->AddCharge(7);
    EXPECT_EQ(stake->CurrentCharge, 8) << "capped";
    EXPECT_EQ(BoardEvents.TriggerHUDCharged, 1);
    BoardEvents.TriggerHUDCharged = 0;
    stake->AddCharge(1);
    EXPECT_EQ(BoardEvents.TriggerHUDCharged, 0) << "already full";
}

TEST_F(PowerupTest, UnboughtPowerUpsRefuseClicksAndBoughtOnesActByTheirLevel) {
    Build("1 2 3\n2 3 1\n3 1 2");
    auto stake = Get<TStakeHUD>();
    stake->ChargeFully();
    EXPECT_EQ(stake->IsAvailable(), 0);
    EXPECT_EQ(stake->HasValidMove(), 0) << "not bought";
    ClickSlot(*stake);
    EXPECT_FALSE(Grid->PointerGemType);
    // Levels 1 to 3: the cell, the plus, the square.
    for (const auto& [item, cells] : {std::pair{24, 1u}, {25, 5u}, {26, 9u}}) {
        Own({item});
        EXPECT_EQ(stake->GetAreaOfEffect(1, 1).size(), cells) << "item " << item;
    }
    EXPECT_EQ(stake->Level(), 3);
    EXPECT_EQ(Get<TTarotHUD>()->Level(), 0);
    Own({15});
    EXPECT_EQ(Get<TTarotHUD>()->Level(), 1);
}

TEST_F(PowerupTest, TheStakeHammerAndBroomAreCarriedToACellTheyWorkOn) {
    Build(R"(
        1 2 3 4
        2lg 3R 4r 1
        3 4 1 2
        4 1 2 3)");
    Own({24, 30, 31, 27, 28, 29});
    for (const auto& powerup : HUDPowerups) powerup->ChargeFully();
    auto stake = Get<TStakeHUD>();
    auto hammer = Get<THammerHUD>();
    auto broom = Get<TBroomHUD>();
    // The stake on a rock: refused, it stays on the pointer until put back.
    DragTo(*stake, 1, 1);
    EXPECT_EQ(stake->CurrentCharge, stake->GetChargeRequired());
    ClickSlot(*stake);
    EXPECT_FALSE(Grid->PointerGemType);
    // The level-2 hammer on the strong rock: its plus takes the rock beside it too.
    const int rocks = Grid->Rocks;
    DragTo(*hammer, 1, 1);
    EXPECT_EQ(Grid->Rocks, rocks - 2);
    EXPECT_EQ(hammer->CurrentCharge, 0);
    EXPECT_EQ(hammer->HasValidMove(), 0);
    // The level-3 broom takes the chain; the tile under it stays.
    DragTo(*broom, 0, 1);
    EXPECT_EQ(Grid->Locked, 0);
    EXPECT_EQ(broom->HasValidMove(), 0) << "used, and no chain left";
    // The level-1 stake on a plain gem clears it.
    stake->ChargeFully();
    DragTo(*stake, 3, 3);
    Settle();
    // The chain is gone and its tile stayed; the cleared gem's column came down.
    EXPECT_EQ(Board(), "1 2 3 .\n2g 3 4 4\n3 4 1 1\n4 1 2 2\n");
    EXPECT_EQ(Player.UsedPowerupSlot[0] + Player.UsedPowerupSlot[1] + Player.UsedPowerupSlot[2], 3);
}

TEST_F(PowerupTest, LightningStrikesFiveTimesOnNarrowBoardsWithHolesAndNeverOffTheBoard) {
    auto lightning = Get<TLightningHUD>();
    Own({33, 34, 35});
    // Three columns, one of them holes and empty cells only: at most two bolts a strike.
    Build(R"(
        1 # 2
        2 . 3
        3 # 1
        1 . 2)");
    lightning->ChargeFully();
    ClickSlot(*lightning);
    ASSERT_EQ(lightning->m_Active, 1);
    EXPECT_EQ(Grid->HUDPowerupBlockInput, 1);
    std::set<int> columns;
    int strikes = 0, most = 0;
    for (int tick = 0; tick < 1000 && lightning->m_Active; ++tick) {
        const int before = Exploding();
        const int stage = lightning->m_Stage;
        Tick();
        if (lightning->m_Stage != stage) ++strikes;
        most = std::max(most, Exploding() - before);
        for (const auto& gem : Gems->Items()) {
            if (gem->GemType == GEM_CLEARED) columns.insert(gem->gx);
        }
    }
    EXPECT_EQ(strikes, 5);
    EXPECT_LE(most, 2) << "one bolt a column";
    EXPECT_EQ(columns.count(1), 0u);
    EXPECT_EQ(Grid->HUDPowerupBlockInput, 0);
    EXPECT_EQ(lightning->CurrentCharge, 0);
}

TEST_F(PowerupTest, TimeRunningOutDuringAnEffectEndsTheLevelWhenTheEffectStops) {
    SaveData.timer = 1;
    int timeUps = 0;
    BoardEvents.StartTimeUpAnim = [&] { ++timeUps; };
    Build("1 2 3 1\n2 3 1 2\n3 1 2 3");
    Grid->TimeLimit = 10;
    Grid->GoalMatches = 50;  // a goal the bolts cannot meet
    Grid->GoalMatchesType = 9;
    auto lightning = Get<TLightningHUD>();
    Own({33});
    lightning->ChargeFully();
    ClickSlot(*lightning);
    for (int tick = 0; tick < 1000 && lightning->m_Active; ++tick) {
        Player.ManageTime();
        if (lightning->m_Active) {
            EXPECT_EQ(timeUps, 0) << "held back at tick " << tick;
        }
        Tick();
    }
    EXPECT_EQ(timeUps, 1);
}

TEST_F(PowerupTest, WithoutAClockTheBoardGoesOnAfterAnEffectHoweverLongTheLevelTook) {
    SaveData.timer = 0;
    int outros = 0;
    BoardEvents.StartOutroAnim = [&] { return ++outros, true; };
    Build("1 2 3 1\n2 3 1 2\n3 1 2 3");
    Grid->TimeLimit = 10;
    Player.LevelTimeTaken = 1000;
    auto lightning = Get<TLightningHUD>();
    Own({33});
    lightning->ChargeFully();
    ClickSlot(*lightning);
    RunEffect();
    EXPECT_EQ(outros, 1) << "the goal-less level is won when the bolts stop";
}

TEST_F(PowerupTest, TheCrystalTurnsAsManyGemsAsItsLevelIntoBonusItems) {
    Own({1, 36, 37});
    Build(R"(
        1 2 3 4 5
        2l 3 4 5 1
        3 4R 5 1 2)");
    auto crystal = Get<TCrystalHUD>();
    crystal->ChargeFully();
    ClickSlot(*crystal);
    int items = 0;
    for (const auto& gem : Gems->Items()) items += gem->IsBonus() ? 1 : 0;
    EXPECT_GE(items, 1);
    EXPECT_LE(items, 2);
    EXPECT_TRUE(Cells[0][1]->Gem->locked && !Cells[0][1]->Gem->IsBonus()) << "chained gems are passed over";
    EXPECT_TRUE(Cells[1][2]->Gem->rocked) << "and rocks";
    EXPECT_EQ(crystal->CurrentCharge, 0);
}

TEST_F(PowerupTest, TheTarotShufflesUntilAMoveExistsOrFiftyTimesAndPutsEveryGemBack) {
    Own({15});
    auto tarot = Get<TTarotHUD>();
    // Two colours on two cells and a rock: no shuffle can ever make a run.
    Build("1 2\n3R 1");
    tarot->ChargeFully();
    ClickSlot(*tarot);
    ASSERT_EQ(tarot->m_Active, 1);
    const int ticks = RunEffect();
    EXPECT_EQ(ticks, 2 * static_cast<int>(game().CalcAnimLength(1500)) - 2) << "two stages of 1.5 s";
    for (int x = 0; x < 2; ++x) {
        for (int y = 0; y < 2; ++y) {
            const TGem& gem = *Cells[x][y]->Gem;
            EXPECT_FLOAT_EQ(gem.x, static_cast<float>(GridToScreenX(x) + 33));
            EXPECT_FLOAT_EQ(gem.y, static_cast<float>(GridToScreenY(y) + 33));
        }
    }
    EXPECT_EQ(Cells[0][1]->Gem->GemType, 3) << "the rock took no part";
    // Where a move can exist the shuffle leaves one, with the same gems.
    Build("1 1 2 3\n2 3 1 2\n3 2 3 1\n2 3 1 1");
    auto types = [] {
        std::multiset<int> all;
        for (const auto& gem : Gems->Items()) all.insert(gem->GemType);
        return all;
    };
    const auto before = types();
    for (int i = 0; i < 20; ++i) {
        tarot->spinnable = Gems->GetSpinnable();
        tarot->RandomizeTypes(0);
        EXPECT_EQ(Grid->DoNoMoreMoves(0), 0);
        EXPECT_EQ(types(), before);
    }
}

TEST_F(PowerupTest, ANewPlayerStartsWithEmptyPowerUpsWhateverTheLastOneHad) {
    for (const auto& powerup : HUDPowerups) powerup->ChargeFully();
    SaveData.Init();
    for (const auto& powerup : HUDPowerups) EXPECT_EQ(powerup->CurrentCharge, 0);
}

}  // namespace
