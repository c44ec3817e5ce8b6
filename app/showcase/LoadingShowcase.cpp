#include "app/showcase/LoadingShowcase.h"

#include "framework/core/Game.h"
#include "framework/screens/LoadList.h"
#include "framework/screens/LoadingScreen.h"
#include "framework/screens/StartupLoading.h"
#include "framework/ui/MousePointer.h"
#include "game/screens/GameLoading.h"
#include "game/screens/GameScreen.h"

namespace {

class TLoadingShowcase : public TScreen {
public:
    int Load() override {
        name = "loadingshowcase";
        ShowLoadingScreen();
        LayOutLoadingScreen(2);
        Game->LoadingScreen->Progress();
        return 1;
    }
    int Logic() override {
        if (!Game->Mouse->MouseHit()) return 1;
        if (!GameScreen) GameScreen = std::make_shared<TGameScreen>();
        RunStartupLoading([](TLoadList& list) { ListGameLoading(list, {}); }, this);
        return 1;
    }
    int Draw() override { return Game->LoadingScreen->Draw(); }
};

}  // namespace

std::unique_ptr<TScreen> MakeLoadingShowcase() {
    return std::make_unique<TLoadingShowcase>();
}
