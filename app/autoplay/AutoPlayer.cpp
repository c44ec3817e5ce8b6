#include "app/autoplay/AutoPlayer.h"

#include <memory>
#include <string>

#include "app/autoplay/AutoInput.h"
#include "app/autoplay/BoardPlayer.h"
#include "app/autoplay/DialogPlayer.h"
#include "app/autoplay/MapPlayer.h"
#include "app/autoplay/PanelPlayer.h"
#include "app/autoplay/ShopPlayer.h"
#include "framework/core/Game.h"
#include "framework/screens/Screen.h"
#include "framework/sprites/Ticks.h"
#include "game/screens/LevelCompleteScreen.h"
#include "game/screens/MapScreen.h"
#include "game/screens/ShopScreen.h"

namespace {

// One strategy per screen name; the board's hand keeps its own pace and generator for the whole run.
struct TAutoPlayer {
    explicit TAutoPlayer(uint32_t seed)
        : board(PushAutoInput, seed, Pace()), panel(Ticks(kReadMs)), map(Ticks(kReadMs)),
          dialogs(Ticks(kGlanceMs)), shop(Ticks(kGlanceMs)) {}

    // The level complete table is read for a second and a half; a dialog or the shop's shelf looked at for
    // most of a second.
    static constexpr int kReadMs = 1500, kGlanceMs = 800;

    // A person's pace: a move half a second to a second after the board comes to rest.
    static TBoardPace Pace() {
        TBoardPace pace;
        pace.thinkTicks = 100;
        pace.thinkJitter = 100;
        return pace;
    }

    void Tick() {
        if (!Game->CurrentTScreen) return;
        const std::string& screen = Game->CurrentTScreen->name;
        if (screen != lastScreen) {
            if (screen == "shop") shop.Enter();
            if (screen == "game") map.LevelBegun();
            lastScreen = screen;
        }
        // A dialog open is answered first, over whatever screen.
        if (dialogs.Tick(board.Hand())) return;
        if (screen == "map" && MapScreen) return map.Tick(board.Hand());
        if (screen == "shop" && ShopScreen) return shop.Tick(board.Hand());
        if (screen != "game") return;
        if (LevelCompleteScreen && LevelCompleteScreen->Active) {
            panel.Tick(board.Hand());
        } else {
            board.Tick();
        }
    }

    TBoardPlayer board;
    TPanelPlayer panel;
    TMapPlayer map;
    TDialogPlayer dialogs;
    TShopPlayer shop;
    std::string lastScreen;
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
