// The loading bar and the loading screen, on the null platform: the bar's growth and its final picture,
// the "loading" picture and the music, and the ways on once loading is over.
#include <gtest/gtest.h>

#include "framework/core/Globals.h"
#include "framework/gfx/GameImage.h"
#include "framework/screens/GameFade.h"
#include "framework/screens/LoadList.h"
#include "framework/screens/LoadingScreen.h"
#include "framework/ui/Button.h"
#include "platform/KeyCodes.h"
#include "tests/framework/core/GameTestSupport.h"

namespace {

using platform::EventType;

class LoadingScreenTest : public ::testing::Test {
protected:
    void SetUp() override { fixture.StartUp(); }
    TGame& game() { return fixture.game(); }
    std::shared_ptr<TGameImage> Picture(int w, int h, int midHandle = 0) {
        return TGameImage::CreateFromImage(
            fixture.platform().GetGraphics().LoadImage(platform::PixelMap(w, h), kDefaultImageFlags), "p",
            midHandle);
    }
    const platform::NullGraphics::Counts& Drawn() { return fixture.platform().TestGraphics().Drawn(); }
    // The pictures drawn by one drawing of the bar.
    int BarPictures(TLoadingBar& bar) {
        fixture.platform().TestGraphics().ResetCounts();
        bar.Draw();
        return Drawn().images;
    }
    // The loading screen with its pictures and a full bar, current as start-up leaves it, leading to dest.
    TLoadingScreen& FinishedScreen() {
        TLoadingScreen& loading = *game().LoadingScreen;
        loading.name = "loading";
        loading.Image = Picture(1024, 768);
        loading.LoadingBar.Init(Picture(400, 48), nullptr, nullptr);
        loading.ClickHereButton = std::make_shared<TButton>();
        loading.ClickHereButton->SetImages(Picture(300, 60), nullptr, nullptr);
        loading.ClickHereButton->MoveTo(362, 500);
        loading.SetSteps(1);
        game().MoveBar();
        loading.EscapeCloses = 0;
        loading.Destination = &dest;
        game().CurrentTScreen = &loading;
        return loading;
    }
    void Frames(int n) {
        for (int i = 0; i < n; ++i) fixture.Frame();
    }
    void Click(int x, int y) {
        fixture.Push(EventType::MouseMove, 0, 0, x, y);
        Frames(2);
        fixture.Push(EventType::MouseDown, 0, 1, x, y);
        Frames(3);
        fixture.Push(EventType::MouseUp, 0, 1, x, y);
        Frames(2);
    }

    murkwell::test::GameFixture fixture;
    TScreen dest;
};

TEST_F(LoadingScreenTest, ABarOf400PixelsGrowsAbout1Point6AStepAndShowsItsFinalPictureAtTheLastStep) {
    TLoadingBar bar;
    bar.Init(Picture(400, 48), Picture(400, 48), Picture(400, 48));
    bar.Mode = 1;
    bar.Centre(284);
    EXPECT_EQ(bar.x, 312);
    EXPECT_EQ(bar.y, 284);
    bar.SetSteps(249);
    EXPECT_NEAR(bar.StepSize, 1.6, 0.01);
    EXPECT_EQ(BarPictures(bar), 1) << "the empty bar alone before the first step";
    struct Case {
        int step;
        float position;
        int finished;
        int pictures;  // the empty bar and the filled part, or the final picture alone
    };
    for (const Case& c : {Case{1, 400.0f / 249, 0, 2}, Case{248, 400.0f * 248 / 249, 0, 2},
                          Case{249, 400, 1, 1}, Case{250, 400, 1, 1}}) {
        while (bar.CurrentStep < c.step) bar.Progress();
        EXPECT_NEAR(bar.Position, c.position, 0.01) << c.step;
        EXPECT_EQ(bar.Finished, c.finished) << c.step;
        EXPECT_EQ(BarPictures(bar), c.pictures) << c.step;
    }
    bar.DrawEmptyUnderFinal = 1;
    EXPECT_EQ(BarPictures(bar), 2) << "the empty bar under the final picture";

    TLoadingBar plain;  // mode 0: a bordered rectangle and the filled part
    plain.Init(Picture(400, 48), nullptr, nullptr);
    plain.SetSteps(2);
    plain.Progress();
    EXPECT_EQ(BarPictures(plain), 1);
    EXPECT_EQ(Drawn().rects, 1);
    EXPECT_EQ(Drawn().lines, 4);
}

TEST_F(LoadingScreenTest, WithTheMusicOffTheLoadingPictureIsMissingFromTheFirstFullRedrawOnly) {
    TLoadingScreen& loading = *game().LoadingScreen;
    loading.Image = Picture(1024, 768);
    loading.LoadingBar.Init(Picture(400, 48), nullptr, nullptr);
    loading.LoadingBar.Mode = 1;
    loading.LoadingTextImage = Picture(200, 50, 1);
    loading.SetSteps(10);
    for (const int music : {1, 0}) {
        game().Music = music;
        fixture.platform().TestGraphics().ResetCounts();
        loading.DrawLoading(1);
        EXPECT_EQ(Drawn().images, music) << "music " << music;
        EXPECT_EQ(Drawn().flips, 1);
    }
    fixture.platform().TestGraphics().ResetCounts();
    game().MoveBar();
    EXPECT_EQ(Drawn().images, 3) << "background, the bar's part and the loading picture";
    EXPECT_EQ(Drawn().flips, 1);
}

TEST_F(LoadingScreenTest, AClickAnywhereOrOnTheButtonFadesOutToTheDestination) {
    for (const bool onButton : {false, true}) {
        FinishedScreen();
        Frames(5);
        EXPECT_EQ(game().CurrentTScreen, game().LoadingScreen.get()) << "waits for a click";
        if (onButton) {
            Click(500, 520);
        } else {
            Click(40, 700);
        }
        EXPECT_EQ(game().DestinationTScreen, &dest) << onButton;
        EXPECT_TRUE(game().GameFade->Active && game().GameFade->Out == 1) << onButton;
        Frames(70);
        EXPECT_EQ(game().CurrentTScreen, &dest) << onButton;
        EXPECT_FALSE(game().LoadingScreen->ClickHereButton) << "its pictures are released when left";
    }
}

TEST_F(LoadingScreenTest, EscapeIsTheFrameworksAndLeadsOut) {
    FinishedScreen();
    fixture.Push(EventType::KeyDown, platform::vk::kEscape);
    fixture.Push(EventType::KeyUp, platform::vk::kEscape);
    Frames(3);
    EXPECT_EQ(game().DestinationTScreen, game().ExitScreen.get());
}

TEST(LoadListTest, CountsOneStepAnItemAndRunsEverythingInOrder) {
    std::vector<std::string> done;
    TLoadList inner;
    inner.Add([&] { done.push_back("c"); });
    TLoadList list;
    list.Stage("first");
    list.Add([&] { done.push_back("a"); });
    list.AddQuiet([&] { done.push_back("quiet"); });
    list.Add([&] { done.push_back("b"); });
    list.Append(std::move(inner));
    EXPECT_EQ(list.Steps(), 3);
    int steps = 0;
    std::vector<size_t> doneAtStep;
    list.Run([&] {
        ++steps;
        doneAtStep.push_back(done.size());
    });
    EXPECT_EQ(done, (std::vector<std::string>{"a", "quiet", "b", "c"}));
    EXPECT_EQ(doneAtStep, (std::vector<size_t>{1, 3, 4})) << "each step follows its item";
    EXPECT_EQ(list.Steps(), 0) << "spent";
}

}  // namespace
