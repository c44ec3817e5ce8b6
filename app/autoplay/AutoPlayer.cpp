#include "app/autoplay/AutoPlayer.h"

#include <memory>
#include <string>

#include "app/autoplay/AutoInput.h"
#include "app/autoplay/BoardPlayer.h"
#include "app/autoplay/DialogPlayer.h"
#include "app/autoplay/LeavePlayer.h"
#include "app/autoplay/LoadingPlayer.h"
#include "app/autoplay/MapPlayer.h"
#include "app/autoplay/PanelPlayer.h"
#include "app/autoplay/ReaderPlayer.h"
#include "app/autoplay/ShopPlayer.h"
#include "app/autoplay/TitlePlayer.h"
#include "framework/core/Game.h"
#include "framework/screens/Screen.h"
#include "framework/sprites/Ticks.h"
#include "game/screens/LevelCompleteScreen.h"
#include "game/screens/MapScreen.h"
#include "game/screens/ShopScreen.h"
#include "game/screens/TitleScreen.h"

namespace {

// The screens the autoplayer looks at and leaves by their OK button.
bool IsPassedThrough(const std::string& name) {
    return name == "options" || name == "intro" || name == "instructions" || name == "gamefinished" ||
           name == "credits";
}

// One strategy per screen name; the board's hand keeps its own pace and generator for the whole run.
struct TAutoPlayer {
    TAutoPlayer(uint32_t seed, bool relaxed)
        : board(PushAutoInput, seed, Pace()), panel(Ticks(kReadMs)), map(Ticks(kReadMs)), loading(Ticks(kReadMs)),
          title(kName, relaxed, Ticks(kReadMs), Ticks(kKeyMs)), pages(Ticks(kReadMs), "ok"),
          dialogs(Ticks(kGlanceMs)), shop(Ticks(kGlanceMs)), reader(Ticks(kReadMs)) {}

    // The level complete table and a tip are read for a second and a half; a dialog or the shop's shelf
    // looked at for most of a second.
    static constexpr int kReadMs = 1500, kGlanceMs = 800;
    // The name it gives on a first start, typed a key every fifth of a second.
    static constexpr const char* kName = "wren";
    static constexpr int kKeyMs = 200;

    // A person's pace: a move half a second to a second after the board comes to rest.
    static TBoardPace Pace() {
        TBoardPace pace;
        pace.thinkTicks = 100;
        pace.thinkJitter = 100;
        return pace;
    }

    void Tick() {
        if (!Game->CurrentTScreen) return;
        TScreen& current = *Game->CurrentTScreen;
        const std::string& screen = current.name;
        if (screen != lastScreen) {
            if (screen == "shop") shop.Enter();
            if (screen == "game") map.LevelBegun();
            lastScreen = screen;
        }
        if (screen == "loading") return loading.Tick(board.Hand());
        // The title answers its own dialogs: the name asked on a first start and the mode.
        if (screen == "title" && TitleScreen) return title.Tick(board.Hand());
        // Elsewhere a dialog open is answered first, over whatever screen.
        if (dialogs.Tick(board.Hand())) return;
        if (screen == "map" && MapScreen) return map.Tick(board.Hand());
        if (screen == "shop" && ShopScreen) return shop.Tick(board.Hand());
        if (IsPassedThrough(screen)) return pages.Tick(board.Hand(), current);
        if (screen != "game") return;
        if (LevelCompleteScreen && LevelCompleteScreen->Active) {
            panel.Tick(board.Hand());
        } else if (!reader.ReadTips(board.Hand())) {
            board.Tick();
        }
    }

    TBoardPlayer board;
    TPanelPlayer panel;
    TMapPlayer map;
    TLoadingPlayer loading;
    TTitlePlayer title;
    TLeavePlayer pages;
    TDialogPlayer dialogs;
    TShopPlayer shop;
    TReaderPlayer reader;
    std::string lastScreen;
};

}  // namespace

void InstallAutoPlayer(uint32_t seed, bool relaxed, bool keyboard) {
    InstallAutoInput(Game->GetPlatform());
    auto player = std::make_shared<TAutoPlayer>(seed, relaxed);
    player->board.Hand().SetKeyboard(keyboard);
    Game->AfterTickFunction = [player] {
        player->Tick();
        return 1;
    };
}
