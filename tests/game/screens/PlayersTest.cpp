// The players: the list dialog (choose, create, delete), names that must not become file names as they
// are, and each player keeping their own progress when another one plays.
#include <gtest/gtest.h>

#include <fstream>

#include "framework/ui/Menu.h"
#include "tests/game/screens/TitleFixture.h"

namespace {

namespace fs = std::filesystem;
using murkwell::test::TitleFixture;

class PlayersTest : public TitleFixture {
protected:
    ~PlayersTest() override { manager.reset(); }
    // The list over a screen of its own, slid in.
    TPlayerManager& Open() {
        Title();
        manager = MakePlayerManager();
        TitleScreen->PlayerManager = manager;
        Settle();
        return *manager;
    }
    void Press(const char* button) {
        ClickButton(*manager->Menu, button);
        Settle();
    }
    int Selected() const { return manager->ListBox->Index; }
    std::string Stored() {
        std::ifstream in(game().SettingsFileName() + ".ini");
        for (std::string line; std::getline(in, line);) {
            if (line.rfind("PROFILE NAME=", 0) == 0) return line.substr(13);
        }
        return "?";
    }
    std::shared_ptr<TPlayerManager> manager;
};

TEST_F(PlayersTest, TheListShowsOnlyProfilesAPlayerCouldHaveMade) {
    for (const char* name : {"Bob", "ann", "Cy"}) MakePlayer(name);
    const std::string folder = game().ProfilePath;
    // Copies, strays and files no typed name could have made.
    for (const char* odd : {"Bob.backup", "Bob.bad", "Bob.bad2", "notes.txt", ".dat", "a%2Fb.dat", "%zz.dat",
                            "Far too long a name.dat", "x.DAT.old"}) {
        std::ofstream(folder + odd) << "junk";
    }
    fs::create_directory(folder + "sub.dat");
    TPlayerManager& list = Open();
    EXPECT_EQ(list.ListBox->Strings, (std::vector<std::string>{"ann", "Bob", "Cy"}));
    EXPECT_EQ(list.ListBox->Value, "Cy") << "the current player is selected";
}

TEST_F(PlayersTest, TypingTomCreatesTomChoosesHimAndClosesAtOnce) {
    MakePlayer("Ann");
    TPlayerManager& list = Open();
    Press("Create");
    ASSERT_TRUE(list.EnterName);
    GiveName(*list.EnterName, U"tom");
    EXPECT_FALSE(list.Active) << "closed at once";
    EXPECT_EQ(CurrentName(), "Tom");
    EXPECT_TRUE(fs::exists(game().ProfilePath + "Tom.dat"));
    EXPECT_EQ(Stored(), "Tom");
    EXPECT_EQ(changes.back(), "Tom");
    EXPECT_EQ(std::count(changes.begin(), changes.end(), "Tom"), 1) << "one change, one report";
}

TEST_F(PlayersTest, TenPlayersAreTheMost) {
    for (int i = 0; i < 10; ++i) MakePlayer("P" + std::to_string(i));
    TPlayerManager& list = Open();
    Press("Create");
    EXPECT_FALSE(list.EnterName) << "no prompt";
    ASSERT_TRUE(list.DialogOK);
    EXPECT_EQ(list.DialogOK->Caption->Text, GameText.FindString("Cannot Create"));
    Key(platform::vk::kEnter);
    Settle();
    EXPECT_FALSE(list.DialogOK);
    EXPECT_EQ(list.ListBox->Strings.size(), 10u);
}

TEST_F(PlayersTest, DeletingAsksFirstKeepsTheCopiesAndSelectsTheLineAbove) {
    for (const char* name : {"Ann", "Bob", "Cy"}) MakePlayer(name);
    game().CurrentProfile->Backup();
    TPlayerManager& list = Open();
    ASSERT_EQ(Selected(), 2);
    Key(platform::vk::kDelete);
    Settle();
    ASSERT_TRUE(list.DialogYesNo);
    ClickButton(*list.DialogYesNo->Menu, "No");
    Settle();
    EXPECT_EQ(list.ListBox->Strings.size(), 3u) << "No deletes nothing";
    Press("Delete");
    ClickButton(*list.DialogYesNo->Menu, "Yes");
    Settle();
    EXPECT_EQ(list.ListBox->Strings, (std::vector<std::string>{"Ann", "Bob"}));
    EXPECT_EQ(Selected(), 1) << "the line above the deleted last one";
    EXPECT_FALSE(fs::exists(game().ProfilePath + "Cy.dat"));
    EXPECT_TRUE(fs::exists(game().ProfilePath + "Cy.backup")) << "the copy stays";
}

TEST_F(PlayersTest, TheOnlyPlayerCannotBeDeleted) {
    MakePlayer("Ann");
    TPlayerManager& list = Open();
    Press("Delete");
    ASSERT_TRUE(list.DialogOK);
    EXPECT_EQ(list.DialogOK->Caption->Text, GameText.FindString("Cannot Delete"));
    EXPECT_FALSE(list.DialogYesNo);
    EXPECT_TRUE(fs::exists(game().ProfilePath + "Ann.dat"));
}

TEST_F(PlayersTest, DeletingTheCurrentPlayerThenCancelMakesTheFirstOneCurrentAndStoresIt) {
    MakePlayer("Ann", 7, 300);
    MakePlayer("Bob", 2, 5);
    TPlayerManager& list = Open();
    Press("Delete");
    ClickButton(*list.DialogYesNo->Menu, "Yes");
    Settle();
    Key(platform::vk::kEscape);
    Settle();
    EXPECT_FALSE(list.Active);
    EXPECT_EQ(CurrentName(), "Ann");
    EXPECT_EQ(Stored(), "Ann");
    EXPECT_EQ(Player.Unlocked, 7) << "Ann's own progress";
    EXPECT_EQ(SaveData.goldCollected, 300);
}

TEST_F(PlayersTest, EachPlayerKeepsTheirOwnProgressAndGoldAcrossARestart) {
    MakePlayer("Ann", 9, 120);
    MakePlayer("Bob", 2, 7);
    // Ann owns the candle; Bob, who has not come that far, must not get it by playing after her.
    ASSERT_EQ(MakeCurrentPlayer("Ann"), 1);
    ASSERT_EQ(SaveData.PurchaseItem(24), 1);
    game().CurrentProfile->Save();
    ASSERT_EQ(MakeCurrentPlayer("Bob"), 1);
    EXPECT_EQ(Player.Unlocked, 2);
    EXPECT_EQ(SaveData.goldCollected, 7);
    EXPECT_NE(SaveData.GetShopItemStatus(24), ShopItem::PURCHASED);
    // A restart: nothing in memory but the settings' name.
    game().CurrentProfile.reset();
    SaveData = TSaveData{};
    Player = TPlayer{};
    game().ProfileName = Stored();
    ASSERT_EQ(UseStoredPlayer(), 1);
    EXPECT_EQ(CurrentName(), "Bob");
    EXPECT_EQ(Player.Unlocked, 2);
    EXPECT_EQ(SaveData.goldCollected, 7);
    // Ann through the list: hers again.
    TPlayerManager& list = Open();
    list.ListBox->SetIndex(0);
    Press("OK");
    EXPECT_EQ(CurrentName(), "Ann");
    EXPECT_EQ(Player.Unlocked, 9);
    EXPECT_EQ(SaveData.goldCollected, 120 - 30);
    EXPECT_EQ(SaveData.GetShopItemStatus(24), ShopItem::PURCHASED);
}

TEST_F(PlayersTest, ADamagedProfileStartsItsPlayerAfreshWithNothingOfTheLastPlayer) {
    MakePlayer("Ann", 9, 120);
    MakePlayer("Bob", 2, 7);
    std::ofstream(game().ProfilePath + "Ann.dat", std::ios::trunc) << "not a profile";
    ASSERT_EQ(MakeCurrentPlayer("Ann"), 1);
    EXPECT_EQ(CurrentName(), "Ann");
    EXPECT_EQ(Player.Unlocked, 1) << "neither Ann's lost progress nor Bob's";
    EXPECT_EQ(SaveData.goldCollected, 0);
    EXPECT_TRUE(fs::exists(game().ProfilePath + "Ann.bad")) << "the damaged file is kept aside";
}

TEST_F(PlayersTest, AStoredNameWithoutAProfileOrUnfitForAFileFallsToTheFirstPlayerOrNobody) {
    struct Case {
        std::string stored;
        bool others;
        std::string current;
    };
    const Case cases[] = {{"Zed", true, "Ann"},   {"Zed", false, ""}, {"../x", true, "Ann"},
                          {"Bob\r", true, "Ann"}, {"", true, "Ann"},  {"bob", true, "Bob"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        for (const std::string& name : ProfileFiles()) fs::remove(game().ProfilePath + name);
        if (c.others) {
            MakePlayer("Bob");
            MakePlayer("Ann");
        }
        game().CurrentProfile.reset();
        game().ProfileName = c.stored;
        UseStoredPlayer();
        EXPECT_EQ(CurrentName(), c.current);
        if (!c.current.empty()) {
            EXPECT_EQ(Stored(), c.current);
        }
        // Nothing was written for the stored name.
        EXPECT_EQ(ProfileFiles().size(), c.others ? 2u : 0u);
    }
    // With nobody the title asks for a name.
    for (const std::string& name : ProfileFiles()) fs::remove(game().ProfilePath + name);
    game().CurrentProfile.reset();
    game().ProfileName = "Zed";
    UseStoredPlayer();
    EXPECT_TRUE(Title().EnterName);
}

// Names a player might try to give, typed into the name prompt: each is refused or becomes a name that
// stays inside the profile folder; the same text handed straight to the game is refused.
struct BadName {
    const char* label;
    std::u32string typed;
    std::string expected;  // the player made from it, "" when refused
};

class BadNameTest : public TitleFixture, public testing::WithParamInterface<BadName> {
protected:
    // Every file under the per-user folder but the profiles.
    std::vector<std::string> FilesBeside() {
        std::vector<std::string> paths;
        for (const auto& entry : fs::recursive_directory_iterator(Folder())) {
            const std::string path = entry.path().string();
            if (path.rfind(game().ProfilePath, 0) != 0) paths.push_back(path);
        }
        std::sort(paths.begin(), paths.end());
        return paths;
    }
};

TEST_P(BadNameTest, IsRefusedOrStoredSafely) {
    const BadName& bad = GetParam();
    TTitleScreen& title = Title();
    ASSERT_TRUE(title.EnterName);
    GiveName(*title.EnterName, bad.typed);
    EXPECT_EQ(CurrentName(), bad.expected);
    const std::vector<std::string> expectedFiles =
        bad.expected.empty() ? std::vector<std::string>{} : std::vector<std::string>{bad.expected + ".dat"};
    EXPECT_EQ(ProfileFiles(), expectedFiles);
    if (bad.expected.empty()) {
        EXPECT_TRUE(title.EnterName) << "refused: the prompt stays";
    }

    // Handed to the game as it is, only a name that could have been typed is taken.
    const std::vector<std::string> beside = FilesBeside();
    std::string raw;
    for (const char32_t c : bad.typed) raw += platform::EncodeUtf8(c);
    EXPECT_EQ(MakeCurrentPlayer(raw), raw == bad.expected ? 1 : 0);
    EXPECT_EQ(ProfileFiles(), expectedFiles);
    EXPECT_EQ(FilesBeside(), beside) << "nothing lands beside the profile folder";
}

INSTANTIATE_TEST_SUITE_P(Names, BadNameTest,
                         testing::Values(BadName{"long", std::u32string(1000, U'a'), "Aaaaaaaaaa"},
                                         BadName{"control", U"\x01\x02\t\x7f\x85", ""},
                                         BadName{"slash", U"../../x", "....x"}, BadName{"dots", U"..", ".."},
                                         BadName{"backslash", U"a\\b", "Ab"},
                                         BadName{"nul", std::u32string(U"a\0b", 3), "Ab"},
                                         BadName{"emoji", U"\U0001F480\U0001F383", ""},
                                         BadName{"emojiAndText", U"bo\U0001F480", "Bo"}),
                         [](const testing::TestParamInfo<BadName>& info) {
                             return std::string(info.param.label);
                         });

}  // namespace
