// The title screen: the first start's name, the greeting, Play's purchases and where it leads, and the
// question before quitting.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "framework/screens/GameFade.h"
#include "framework/ui/KeyFocus.h"
#include "framework/ui/Menu.h"
#include "tests/game/screens/TitleFixture.h"

namespace {

using murkwell::test::TitleFixture;

class TitleTest : public TitleFixture {
protected:
    TitleTest() { KeyFocus.Reset(); }
    ~TitleTest() override { KeyFocus.Reset(); }
    // The names of the menu's buttons the focus stood on after each key.
    std::vector<std::string> Walk(const TMenu& menu, std::initializer_list<int> keys) {
        std::vector<std::string> names;
        for (const int key : keys) {
            Key(key);
            std::string name = "-";
            for (const auto& button : menu.Buttons) {
                if (KeyFocus.ShowsOn(button.get())) name = button->name;
            }
            names.push_back(name);
        }
        return names;
    }
    std::string Settings() {
        std::ifstream in(game().SettingsFileName() + ".ini");
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
};

TEST_F(TitleTest, AFirstStartAsksForANameAndTheModeThenGreetsTheNewPlayer) {
    TTitleScreen& title = Title();
    ASSERT_TRUE(title.EnterName) << "nobody yet: the name is asked";
    EXPECT_FALSE(title.Welcome);
    GiveName(*title.EnterName, U"tom", "No");
    EXPECT_FALSE(title.EnterName);
    EXPECT_EQ(CurrentName(), "Tom");
    EXPECT_EQ(ProfileFiles(), std::vector<std::string>{"Tom.dat"});
    EXPECT_EQ(SaveData.timer, 0) << "relaxed was chosen";
    EXPECT_NE(Settings().find("PROFILE NAME=Tom\n"), std::string::npos);
    EXPECT_EQ(changes, std::vector<std::string>{"Tom"});
    ASSERT_TRUE(title.Welcome);
    EXPECT_EQ(title.Welcome->Text, GameText.FindString("Welcome") + "\r\nTom");
}

TEST_F(TitleTest, ANameThatIsTakenIsRefusedAndThePromptStays) {
    MakePlayer("Ann");
    TTitleScreen& title = Title();
    ASSERT_FALSE(title.EnterName) << "a player is there already";
    title.SetupPrompt();
    Settle();
    Type(U"ann\r");
    Settle();
    ASSERT_TRUE(title.EnterName);
    ASSERT_TRUE(title.EnterName->DialogOK) << "the refusal is shown over the prompt";
    EXPECT_EQ(title.EnterName->DialogOK->Caption->Text, GameText.FindString("Profile Exists"));
    EXPECT_FALSE(title.EnterName->OKClickedDialog) << "no mode is asked for a refused name";
    EXPECT_EQ(ProfileFiles(), std::vector<std::string>{"Ann.dat"});
}

TEST_F(TitleTest, EscapeAsksBeforeQuittingAndNoChangesNothing) {
    MakePlayer("Ann", 4, 50);
    TTitleScreen& title = Title();
    const std::string settings = Settings();
    Key(platform::vk::kEscape);
    Settle();
    ASSERT_TRUE(title.ExitDialog);
    ClickButton(*title.ExitDialog->Menu, "No");
    Settle();
    EXPECT_FALSE(title.ExitDialog);
    EXPECT_EQ(game().CurrentTScreen, &title);
    EXPECT_FALSE(game().GameFade->Active);
    EXPECT_EQ(CurrentName(), "Ann");
    EXPECT_EQ(Settings(), settings);
    // Asked again, Yes ends the game.
    ClickButton(*title.Menu, "exit");
    Settle();
    ASSERT_TRUE(title.ExitDialog);
    ClickButton(*title.ExitDialog->Menu, "Yes");
    Frames(80);  // the question slides out, then the screen fades
    EXPECT_EQ(game().DestinationTScreen, game().ExitScreen.get());
}

TEST_F(TitleTest, PlayBuysWhatTheProgressCallsForWhenThePlayerCanPay) {
    struct Case {
        int unlocked, gold;
        bool pumpkin, candle;
    };
    // The pumpkin is free; the candle costs 30.
    const Case cases[] = {
        {5, 1000, true, true}, {3, 1000, true, false}, {1, 1000, false, false}, {5, 29, true, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.unlocked << " " << c.gold);
        MakePlayer("Ann", c.unlocked, c.gold);
        Title();
        ClickButton(*TitleScreen->Menu, "play");
        Settle();
        EXPECT_EQ(SaveData.GetShopItemStatus(1) == ShopItem::PURCHASED, c.pumpkin);
        EXPECT_EQ(SaveData.GetShopItemStatus(24) == ShopItem::PURCHASED, c.candle);
        // What was bought is kept: the profile as it is read back.
        const int gold = SaveData.goldCollected;
        ASSERT_EQ(MakeCurrentProfile(), 1);
        EXPECT_EQ(SaveData.goldCollected, gold);
        EXPECT_EQ(SaveData.GetShopItemStatus(1) == ShopItem::PURCHASED, c.pumpkin);
        std::filesystem::remove(game().ProfilePath + "Ann.dat");
    }
}

TEST_F(TitleTest, ANewPlayersPlayGoesToTheIntroAndLaterOnesToTheMap) {
    struct Case {
        int unlocked;
        bool withIntro;
        const char* next;
    };
    const Case cases[] = {{1, true, "intro"}, {2, true, "map"}, {1, false, "map"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.unlocked << " " << c.withIntro);
        MakePlayer("Ann", c.unlocked);
        Title(c.withIntro);
        ClickButton(*TitleScreen->Menu, "play");
        Settle();
        ASSERT_TRUE(game().CurrentTScreen);
        EXPECT_EQ(game().CurrentTScreen->name, c.next);
    }
}

TEST_F(TitleTest, ChangePlayerOpensTheListAndItsCloseGreetsTheChosenOne) {
    MakePlayer("Bob");
    MakePlayer("Ann");
    TTitleScreen& title = Title();
    ClickButton(*title.Menu, "changeplayer");
    Settle();
    ASSERT_TRUE(title.PlayerManager);
    EXPECT_EQ(title.CurrentName, "Ann");
    TListBox& list = *title.PlayerManager->ListBox;
    ASSERT_EQ(list.Strings, (std::vector<std::string>{"Ann", "Bob"}));
    ClickAt(list.Box.X + list.Box.W / 2, list.GetIndexY(1) + static_cast<float>(list.LineHeight) / 2);
    ClickButton(*title.PlayerManager->Menu, "OK");
    Settle();
    EXPECT_FALSE(title.PlayerManager);
    EXPECT_EQ(CurrentName(), "Bob");
    EXPECT_TRUE(title.CurrentName.empty());
    EXPECT_EQ(title.Welcome->Text, GameText.FindString("Welcome") + "\r\nBob");
}

TEST_F(TitleTest, TheFirstStrikeAfterTheFadeFallsOnTheKeepAndTheSceneKeepsMoving) {
    MakePlayer("Ann");
    TTitleScreen& title = Title();
    EXPECT_EQ(title.lightningChance, 5000) << "it has struck";
    EXPECT_EQ(title.lightningX, 412);
    EXPECT_EQ(title.lightningFlip, 0);
    title.cloudsX = 1023.95f;
    Frames(1);
    EXPECT_LT(title.cloudsX, 1.0f) << "the clouds wrap at the screen's width";
    float least = 0, most = 0;
    for (int i = 0; i < 800; ++i) {
        Frames(1);
        least = std::min(least, title.handAngle);
        most = std::max(most, title.handAngle);
    }
    EXPECT_LT(least, -11.0f);
    EXPECT_GT(most, 11.0f);
    EXPECT_LE(most, 12.0f);
}

TEST_F(TitleTest, TabAndTheArrowsWalkTheMenuAndTheExitQuestionAndEnterPressesWhatHasTheFocus) {
    using platform::vk::kDown;
    using platform::vk::kTab;
    using platform::vk::kUp;
    MakePlayer("Ann");
    TTitleScreen& title = Title();
    const std::vector<std::string> walked =
        Walk(*title.Menu, {kTab, kTab, kTab, kTab, kTab, kUp, kUp, kDown});
    EXPECT_EQ(walked, (std::vector<std::string>{"PLAY", "CHANGEPLAYER", "TITLEOPTIONS", "EXIT", "PLAY",
                                                "PLAY", "PLAY", "CHANGEPLAYER"}));
    Walk(*title.Menu, {kDown, kDown});
    // Enter on Exit, though Play is the button Enter presses while no focus shows.
    Key(platform::vk::kEnter);
    Settle();
    ASSERT_TRUE(title.ExitDialog);
    const TMenu& question = *title.ExitDialog->Menu;
    EXPECT_EQ(Walk(question, {kTab, kTab, kTab}), (std::vector<std::string>{"YES", "NO", "YES"}));
    Key(platform::vk::kRight);
    Key(platform::vk::kEnter);
    Settle();
    EXPECT_FALSE(title.ExitDialog) << "No answered";
    EXPECT_EQ(game().CurrentTScreen, &title);
    EXPECT_FALSE(game().GameFade->Active);
}

}  // namespace
