// The start-up loading with the game's real work and data, on the null platform: the bar is full exactly
// at the last item, the continue button is captioned, nothing is loaded over something else.
#include <gtest/gtest.h>

#include <vector>

#include "framework/core/SoundBank.h"
#include "framework/gfx/GameFonts.h"
#include "framework/gfx/GameText.h"
#include "framework/gfx/ImageBank.h"
#include "framework/gfx/Label.h"
#include "framework/screens/LoadList.h"
#include "framework/screens/LoadingScreen.h"
#include "framework/screens/StartupLoading.h"
#include "framework/ui/Button.h"
#include "game/board/Board.h"
#include "game/board/HUDPowerup.h"
#include "game/save/AchievementList.h"
#include "game/save/SaveData.h"
#include "game/screens/GameLoading.h"
#include "game/screens/GameScreen.h"
#include "tests/framework/core/GameTestSupport.h"

namespace murkwell::test {
namespace {

class StartupLoadingTest : public ::testing::Test, public GameFixture {
protected:
    StartupLoadingTest() {
        StartUp(0, std::string(MURKWELL_DATA_DIR) + "/");
        ImageBank.SetPath(game().ImagePath);
        SoundBank.SetPath(game().SoundPath);
        GameScreen = std::make_shared<TGameScreen>();
    }
    ~StartupLoadingTest() override {
        GameScreen.reset();
        ResetBoard();
        HUDPowerups = {};
        KillGameFonts();
        SaveData = TSaveData{};
        SoundBank.Clear();
        ImageBank.Clear();
    }
    TScreen title;
};

TEST_F(StartupLoadingTest, TheBarIsFullExactlyAtTheLastItemOfTheRealWork) {
    TLoadingScreen& loading = *game().LoadingScreen;
    struct Seen {
        int step, finished;
    };
    std::vector<Seen> seen;
    // A display frame passes as each step is shown, so the next is shown too.
    loading.CustomDrawFunction = [&] {
        platform().TestClock().Advance(TLoadingScreen::kShowEveryMs);
        seen.push_back({loading.LoadingBar.CurrentStep, loading.Finished});
        return 1;
    };
    ASSERT_EQ(ShowLoadingScreen(), 1);
    TLoadList listed;
    ListGameLoading(listed, {});
    seen.clear();
    const int flips = platform().TestGraphics().Drawn().flips;
    ASSERT_EQ(RunStartupLoading([](TLoadList& list) { ListGameLoading(list, {}); }, &title), 1);

    // The screen itself, the game's items, the two side borders and the continue button.
    const int steps = listed.Steps() + 4;
    EXPECT_EQ(static_cast<int>(loading.LoadingBar.Steps), steps);
    ASSERT_EQ(static_cast<int>(seen.size()), steps) << "one drawing a step";
    EXPECT_EQ(platform().TestGraphics().Drawn().flips - flips, steps) << "each shown at once";
    for (int i = 0; i < steps; ++i) {
        EXPECT_EQ(seen[static_cast<size_t>(i)].step, i + 1);
        EXPECT_EQ(seen[static_cast<size_t>(i)].finished, i + 1 == steps ? 1 : 0) << "step " << i + 1;
    }
    EXPECT_FLOAT_EQ(loading.LoadingBar.Position, static_cast<float>(loading.LoadingBar.w));

    EXPECT_EQ(game().CurrentTScreen, &loading);
    EXPECT_EQ(loading.Destination, &title);
    EXPECT_EQ(loading.name, "loading");
    ASSERT_TRUE(loading.ClickHereButton && loading.ClickHereButton->Caption);
    EXPECT_EQ(loading.ClickHereButton->Caption->Text, GameText.FindString("Click Text"));
    EXPECT_TRUE(game().LeftBorderImage && game().RightBorderImage);
    EXPECT_TRUE(game().SpritePaused);
    EXPECT_EQ(game().MusicName, "title.ogg") << "the title music plays during loading";
    EXPECT_TRUE(ImageBank.Collisions().empty()) << ImageBank.Collisions().front();
    EXPECT_TRUE(GameFonts.Embossed);
    EXPECT_TRUE(SoundBank.Has("buttonMO") && SoundBank.Has("TimeUp"));
}

TEST(AchievementListTest, HoldsEveryNameTheGameReportsAndSetsNothing) {
    for (const char* name :
         {"Score5000", "Score8000", "Collect10Coins", "Match5", "AllPowerupsUsed", "PurchasedAll",
          "Tarnfield", "PowerupLevel3", "FoundCat", "ChainReaction", "InsaneReaction", "BagOfCoins", "Stink",
          "BonusSpree", "Dungeon", "Asylum", "Crypt"}) {
        EXPECT_TRUE(TAchievementList::Has(name)) << name;
    }
    EXPECT_FALSE(TAchievementList::Has("match5")) << "names are exact";
    BuildAchievementList();
    EXPECT_EQ(SaveData.Links.SetAchievement("Match5", 1, 1, 1), 0);
    EXPECT_EQ(SaveData.Links.SaveAchievements(), 0);
    SaveData = TSaveData{};
}

}  // namespace
}  // namespace murkwell::test
