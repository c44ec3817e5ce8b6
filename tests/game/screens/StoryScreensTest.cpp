// The pages around the game over its data: the intro's skip and its slow end, the ending's timeline and
// its way through the credits, the credits' slower exit after the ending, and the rolling credits text.
#include <gtest/gtest.h>

#include "framework/gfx/ScrollingText.h"
#include "framework/sprites/Animation.h"
#include "game/screens/CreditsScreen.h"
#include "game/screens/GameFinishedScreen.h"
#include "game/screens/InstructionsScreen.h"
#include "game/screens/IntroScreen.h"
#include "platform/KeyCodes.h"
#include "tests/game/screens/GameScreenFixture.h"

namespace {

class StoryScreensTest : public murkwell::test::GameScreenFixture {
protected:
    StoryScreensTest() { there.name = "there"; }
    ~StoryScreensTest() override {
        IntroScreen.reset();
        CreditsScreen.reset();
        GameFinishedScreen.reset();
        InstructionsScreen.reset();
    }
    // Opens a page as if it were reached from cameFrom, leading on to `there`.
    template <typename Page>
    Page& Open(std::shared_ptr<Page>& page, TScreen* cameFrom = nullptr) {
        game().LastTScreen = cameFrom;
        page = std::make_shared<Page>();
        page->Destination = &there;
        page->PreStart();
        return *page;
    }
    // Milliseconds of 5 ms frames until the screen is current (-1 when not within limitMs).
    int MsUntilCurrent(const TScreen& screen, int limitMs) {
        for (int ms = 0; ms <= limitMs; ms += 5) {
            if (game().CurrentTScreen == &screen) return ms;
            Frame();
        }
        return -1;
    }
    // The fade under way, in milliseconds.
    double FadeMs() { return game().GameFade->Length * game().FixedRateLogic.MS; }
    void Key(int key) {
        Push(platform::EventType::KeyDown, key);
        Push(platform::EventType::KeyUp, key);
        Frames(2);
    }

    TScreen there;
};

TEST_F(StoryScreensTest, SkippingTheIntroOnItsFirstFrameStillFadesNormallyToItsDestination) {
    for (const char* how : {"click", "enter", "space"}) {
        SCOPED_TRACE(how);
        TIntroScreen& intro = Open(IntroScreen);
        if (std::string(how) == "click") {
            Push(platform::EventType::MouseDown, 0, 1, 200, 200);
            Push(platform::EventType::MouseUp, 0, 1, 200, 200);
            Frame();
        } else {
            Key(std::string(how) == "enter" ? platform::vk::kEnter : platform::vk::kSpace);
        }
        EXPECT_TRUE(intro.Leaving);
        EXPECT_NEAR(FadeMs(), 300, 5);
        EXPECT_GT(MsUntilCurrent(there, 1000), 0);
    }
}

TEST_F(StoryScreensTest, TheIntroLeftAloneDriftsToTheCryptAndFadesOutTenTimesSlowerAtItsLastPhase) {
    TIntroScreen& intro = Open(IntroScreen);
    int ms = 0;
    while (!game().GameFade->Active && ms < 20000) {
        Frame();
        ms += 5;
    }
    // Six phases: 1000 + 2000 + 2500 + 2700 + 7000 + 100 ms (each may drop the part of a tick it overran).
    EXPECT_NEAR(ms, 15300, 40);
    EXPECT_NEAR(FadeMs(), 3000, 5);
    // Every layer has come to rest at the right end of its picture.
    for (int i = 0; i < TIntroScreen::kLayers; ++i) {
        const size_t k = static_cast<size_t>(i);
        EXPECT_FLOAT_EQ(intro.LayerX(i), static_cast<float>(intro.LayersBaseX[k] + intro.LayersTravelX[k]));
        EXPECT_LE(intro.LayerX(i) + intro.Layers[k]->GetWidth() * intro.LayerScale(i), 1024 + 400) << i;
        EXPECT_GE(intro.LayerX(i) + intro.Layers[k]->GetWidth() * intro.LayerScale(i), 1024) << i;
    }
    EXPECT_GT(MsUntilCurrent(there, 3500), 2900);
}

TEST_F(StoryScreensTest, TheEndingShowsTheCryptThenTheDawnAndItsMessageAtTheirMarks) {
    TGameFinishedScreen& ending = Open(GameFinishedScreen);
    struct Mark {
        int ms;
        float crypt, message;  // -1: between 0 and 1
    };
    // The crypt fades in over 1.5 s and stays 2.5 s; then over 3 s it gives way to the dawn while the
    // message fades in over 2 s.
    const Mark marks[] = {{0, 0, 0},       {750, -1, 0}, {1600, 1, 0}, {3900, 1, 0},
                          {5000, -1, -1}, {6100, -1, 1}, {7200, 0, 1}, {20000, 0, 1}};
    int now = 0;
    for (const Mark& mark : marks) {
        SCOPED_TRACE(mark.ms);
        Frames((mark.ms - now) / 5);
        now = mark.ms;
        const auto check = [](float value, float want) {
            if (want < 0) {
                EXPECT_GT(value, 0.02f);
                EXPECT_LT(value, 0.98f);
            } else {
                EXPECT_NEAR(value, want, 0.02f);
            }
        };
        check(ending.CharacterAlpha(), mark.crypt);
        check(ending.MessageAlpha(), mark.message);
    }
}

TEST_F(StoryScreensTest, TheEndingLeadsThroughTheCreditsWhichLeaveThreeTimesSlowerThanFromElsewhere) {
    CreditsScreen = std::make_shared<TCreditsScreen>();
    game().LastTScreen = nullptr;
    TGameFinishedScreen& ending = Open(GameFinishedScreen);
    ending.CreditsDestination = [] { return static_cast<TScreen*>(CreditsScreen.get()); };
    ending.AfterCreditsDestination = [this] { return &there; };
    Frames(100);
    ClickButton(*ending.Menu, "ok");
    ASSERT_GT(MsUntilCurrent(*CreditsScreen, 2000), 0);
    EXPECT_EQ(CreditsScreen->Destination, &there);
    Frames(100);
    Key(platform::vk::kEscape);
    EXPECT_NEAR(FadeMs(), 900, 5);
    ASSERT_GT(MsUntilCurrent(there, 2000), 850);

    // Opened from anywhere else, the credits leave at the usual pace.
    TCreditsScreen& credits = Open(CreditsScreen, &there);
    Frames(100);
    ClickButton(*credits.Menu, "ok");
    EXPECT_NEAR(FadeMs(), 300, 5);
    EXPECT_GT(MsUntilCurrent(there, 1000), 0);
}

TEST_F(StoryScreensTest, TheInstructionsReturnToTheScreenThatOpenedThemOnOkOrEscape) {
    for (const bool escape : {false, true}) {
        SCOPED_TRACE(escape);
        TInstructionsScreen& page = Open(InstructionsScreen);
        Frames(100);
        if (escape) {
            Key(platform::vk::kEscape);
        } else {
            ClickButton(*page.Menu, "ok");
        }
        EXPECT_GT(MsUntilCurrent(there, 1000), 0);
        EXPECT_GE(page.TotalLines, 4 * 3) << "every panel explains itself in a few lines";
    }
}

TEST_F(StoryScreensTest, CreditsRiseFromTheFootOfTheirWindowAndComeRoundAgain) {
    auto text = TScrollingText::Create(GameFonts.GUIFont, "Murkwell\nby us\n\nFonts\nDejaVu\nCabin", 512, 100, 400);
    EXPECT_EQ(text->Headings, (std::vector<bool>{true, false, false, true, false, false}));
    const float gap = static_cast<float>(text->LineGap());
    ASSERT_GT(gap, 0);
    EXPECT_FLOAT_EQ(text->LineY(0), 400);
    EXPECT_FLOAT_EQ(text->LineY(5), 400 + 5 * gap);
    text->Speed = 2;
    for (int i = 0; i < 100; ++i) text->Manage();
    EXPECT_FLOAT_EQ(text->LineY(0), 200);
    // The run ends once the last line has left the top: the block and the window, risen through.
    const int ticksPerRun = static_cast<int>(std::ceil((6 * gap + 300) / 2));
    for (int i = 100; i < ticksPerRun + 1; ++i) text->Manage();
    EXPECT_EQ(text->Passes, 1);
    EXPECT_LT(text->Offset, 4);
}

}  // namespace
