#pragma once

// The title screen over the game's data on the null platform, started with nobody in the profile folder:
// intro and map are empty screens of their own, so a test sees where Play leads.
#include <filesystem>
#include <string>
#include <vector>

#include "framework/core/Input.h"
#include "framework/gfx/GameText.h"
#include "framework/gfx/Label.h"
#include "framework/profile/Profile.h"
#include "framework/ui/DialogOK.h"
#include "framework/ui/DialogTextInput.h"
#include "framework/ui/DialogYesNo.h"
#include "framework/ui/ListBox.h"
#include "framework/ui/PlayerManager.h"
#include "game/save/ProfileHooks.h"
#include "game/save/ShopItem.h"
#include "game/screens/GameDialogs.h"
#include "game/screens/PlayerProfiles.h"
#include "game/screens/TitleScreen.h"
#include "platform/KeyCodes.h"
#include "platform/text/Utf8.h"
#include "tests/game/screens/GameScreenFixture.h"

namespace murkwell::test {

class TitleFixture : public GameScreenFixture {
protected:
    TitleFixture() {
        // The level screen's fixture makes a player of its own: this one starts with nobody.
        for (const std::string& name : ProfileFiles()) std::filesystem::remove(game().ProfilePath + name);
        game().CurrentProfile.reset();
        game().ProfileName.clear();
        PlayerChangedFunction = [this](const std::string& name) { changes.push_back(name); };
        intro.name = "intro";
        map.name = "map";
    }
    ~TitleFixture() override {
        TitleScreen.reset();
        PlayerChangedFunction = [](const std::string&) {};
    }

    // The title made current, its fade-in over.
    TTitleScreen& Title(bool withIntro = true) {
        TitleScreen = std::make_shared<TTitleScreen>();
        if (withIntro) TitleScreen->IntroDestination = [this] { return &intro; };
        TitleScreen->MapDestination = [this] { return &map; };
        TitleScreen->PreStart();
        Settle();
        return *TitleScreen;
    }
    // Long enough for any fade or slide to end.
    void Settle() { Frames(200); }
    void Key(int key) {
        Push(platform::EventType::KeyDown, key);
        Frames(2);
        Push(platform::EventType::KeyUp, key);
        Frames(2);
    }
    void Type(const std::u32string& text) {
        for (const char32_t c : text) {
            Char(c);
            Frames(2);
        }
    }
    // A name typed into the open prompt and taken with Enter, then the play mode answered.
    void GiveName(TDialogTextInput& prompt, const std::u32string& typed, const char* mode = "Yes") {
        Type(typed);
        Char(U'\r');
        Settle();
        if (prompt.OKClickedDialog) {
            ClickButton(*prompt.OKClickedDialog->Menu, mode);
            Settle();
        }
    }
    // A player with a profile of the given progress and banked gold, written to the folder.
    void MakePlayer(const std::string& name, int unlocked = 1, int gold = 0) {
        ASSERT_EQ(MakeCurrentPlayer(name), 1) << name;
        Player.Unlocked = unlocked;
        SaveData.goldCollected = gold;
        Player.WriteProfile(game().CurrentProfile.get());
    }
    std::vector<std::string> ProfileFiles() {
        std::vector<std::string> names;
        if (!std::filesystem::is_directory(game().ProfilePath)) return names;
        for (const auto& entry : std::filesystem::directory_iterator(game().ProfilePath)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
    std::string CurrentName() { return game().CurrentProfile ? game().CurrentProfile->Name : ""; }

    TScreen intro, map;
    std::vector<std::string> changes;
};

}  // namespace murkwell::test
