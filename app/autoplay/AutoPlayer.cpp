#include "app/autoplay/AutoPlayer.h"

#include <memory>
#include <string>

#include "app/autoplay/AutoInput.h"
#include "app/autoplay/BoardPlayer.h"
#include "app/autoplay/MapPlayer.h"
#include "app/autoplay/PanelPlayer.h"
#include "app/autoplay/ReaderPlayer.h"
#include "framework/core/Game.h"
#include "framework/screens/Screen.h"
#include "framework/sprites/Ticks.h"
#include "framework/ui/DialogOK.h"
#include "game/screens/GameScreen.h"
#include "game/screens/LevelCompleteScreen.h"
#include "game/screens/MapScreen.h"

namespace {

// One strategy per screen name; the board's hand keeps its own pace and generator for the whole run.
struct TAutoPlayer {
    explicit TAutoPlayer(uint32_t seed)
        : board(PushAutoInput, seed, Pace()),
          panel(Ticks(kReadMs)),
          map(Ticks(kReadMs)),
          reader(Ticks(kReadMs)) {}

    // The level complete table, a story and a tip are read for a second and a half.
    static constexpr int kReadMs = 1500;

    // A person's pace: a move half a second to a second after the board comes to rest.
    static TBoardPace Pace() {
        TBoardPace pace;
        pace.thinkTicks = 100;
        pace.thinkJitter = 100;
        return pace;
    }

    void Tick() {
        if (!Game->CurrentTScreen) return;
        if (Game->CurrentTScreen->name == "map" && MapScreen) return map.Tick(board.Hand());
        if (Game->CurrentTScreen->name != "game") return;
        if (LevelCompleteScreen && LevelCompleteScreen->Active) {
            if (!reader.ReadDialog(board.Hand(), LevelCompleteScreen->CurrentMessage.get()))
                panel.Tick(board.Hand());
        } else if (!reader.ReadDialog(board.Hand(), GameScreen ? GameScreen->MessageDialog.get() : nullptr) &&
                   !reader.ReadTips(board.Hand())) {
            board.Tick();
        }
    }

    TBoardPlayer board;
    TPanelPlayer panel;
    TMapPlayer map;
    TReaderPlayer reader;
};

}  // namespace

void InstallAutoPlayer(uint32_t seed) {
    InstallAutoInput(Game->GetPlatform());
    auto player = std::make_shared<TAutoPlayer>(seed);
    Game->AfterTickFunction = [player] {
        player->Tick();
        return 1;
    };
}
