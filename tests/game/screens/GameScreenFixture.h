#pragma once

// The level screen on the null platform with the game's data and a player of its own, for the tests of
// the level and of the panels over it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "framework/core/ChannelArray.h"
#include "framework/core/GameChannel.h"
#include "framework/core/SoundBank.h"
#include "framework/gfx/GameFonts.h"
#include "framework/gfx/ImageBank.h"
#include "framework/screens/GameFade.h"
#include "framework/ui/Button.h"
#include "framework/ui/DialogOK.h"
#include "framework/ui/Menu.h"
#include "game/board/Board.h"
#include "game/board/BoardEvents.h"
#include "game/board/GameGrid.h"
#include "game/board/GemList.h"
#include "game/board/HUDPowerup.h"
#include "game/board/Player.h"
#include "game/save/SaveData.h"
#include "game/screens/GameScreen.h"
#include "game/screens/GameScreenEffects.h"
#include "game/screens/LevelCompleteScreen.h"
#include "game/screens/LevelEvents.h"
#include "game/screens/PlaySession.h"
#include "game/screens/Tutorial.h"
#include "tests/framework/core/GameTestSupport.h"

namespace murkwell::test {

class GameScreenFixture : public ::testing::Test, public GameFixture {
protected:
    GameScreenFixture() {
        StartUp(0, std::string(MURKWELL_DATA_DIR) + "/");
        ImageBank.SetPath(game().ImagePath);
        SoundBank.SetPath(game().SoundPath);
        LoadPlayResources();
        TGameState::SetTimedMode();
        UseStartupPlayer();
        LevelEvents.LevelEnded = [this](const TLevelEnd& end) { ends.push_back(end.result); };
    }
    ~GameScreenFixture() override {
        GameScreen.reset();
        LevelCompleteScreen.reset();
        ResetBoard();
        HUDPowerups = {};
        BoardEvents = TBoardEvents{};
        LevelEvents = TLevelEvents{};
        Tutorial = TTutorial{};
        HudEffects.Clear();
        KillGameFonts();
        SaveData = TSaveData{};
        Player = TPlayer{};
        SoundBank.Clear();
        ImageBank.Clear();
    }

    // Frames of the running game: input read, the current screen's logic and drawing.
    void Frames(int n) {
        for (int i = 0; i < n; ++i) Frame();
    }
    // A person's click at a point of the screen: the pointer moves there, presses, holds, lets go.
    void ClickAt(float x, float y) {
        const int px = static_cast<int>(std::floor(x)), py = static_cast<int>(std::floor(y));
        Push(platform::EventType::MouseMove, 0, 0, px, py);
        Frames(2);
        Push(platform::EventType::MouseDown, 0, 1, px, py);
        Frames(4);
        Push(platform::EventType::MouseUp, 0, 1, px, py);
        Frames(2);
    }
    // A click on the middle of a menu's button.
    void ClickButton(const TMenu& menu, const std::string& name) {
        const auto button = menu.FindButton(name);
        ASSERT_TRUE(button) << name;
        ClickAt(button->x + button->Width() / 2, button->y + button->Height() / 2);
    }

    // A story dialog read and closed as a person does: once it stands its OK is clicked, and it slides
    // away.
    void CloseStory(const std::shared_ptr<TDialogOK>& dialog) {
        if (!dialog) return;
        for (int i = 0; i < 600 && dialog->Transitioning != 0; ++i) Frames(1);
        ClickButton(*dialog->Menu, "OK");
        Frames(70);
    }

    void Enter(int level) {
        Player.Level = level;
        Player.Unlocked = std::max(Player.Unlocked, level);
        GameScreen = std::make_shared<TGameScreen>();
        GameScreen->PreStart();
    }
    // Logic ticks of the screen, with the screen fade run as the loop runs it.
    void Ticks(int n) {
        for (int i = 0; i < n; ++i) {
            game().GameFade->Manage();
            GameScreen->Logic();
        }
    }
    // The volumes the sounds playing now were started at, and the channels silenced afterwards.
    std::vector<float> PlayingVolumes() {
        std::vector<float> volumes;
        TChannelArray& channels = *game().Channels;
        platform::Audio& audio = game().GetPlatform().GetAudio();
        for (int i = 1; i <= channels.Count(); ++i) {
            const auto channel = channels.ChannelByIndex(i);
            if (!audio.IsPlaying(channel->Channel)) continue;
            volumes.push_back(channel->OriginalVolume);
            audio.Stop(channel->Channel);
        }
        std::sort(volumes.begin(), volumes.end());
        return volumes;
    }

    std::vector<std::string> ends;
};

}  // namespace murkwell::test
