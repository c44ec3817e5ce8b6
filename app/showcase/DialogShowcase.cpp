#include "app/showcase/DialogShowcase.h"

#include <functional>
#include <vector>

#include "framework/core/Game.h"
#include "framework/gfx/GameText.h"
#include "framework/gfx/ImageBank.h"
#include "framework/screens/Screen.h"
#include "framework/ui/DialogOK.h"
#include "framework/ui/DialogYesNo.h"
#include "game/board/Player.h"
#include "game/save/SaveData.h"
#include "game/screens/GameDialogs.h"
#include "game/screens/GameScreen.h"
#include "game/screens/MapScreen.h"
#include "game/screens/OptionsScreen.h"
#include "game/screens/MessageBox.h"
#include "game/screens/ShopScreen.h"
#include "game/screens/PlaySession.h"

namespace {

class DialogShowcase : public TScreen {
public:
    DialogShowcase() { name = "dialogs"; }

    int Load() override {
        ImageBank.SetPath(Game->ImagePath);
        LoadPlayResources();
        ImageLoad("Backgrounds/bg4.jpg", -1, 0);
        return 1;
    }
    int Start() override {
        TScreen::Start();
        Next();
        return 1;
    }
    int Logic() override {
        if (dialog_ && dialog_->Manage() != 0) Next();
        return 1;
    }
    int Draw() override {
        TScreen::Draw();
        if (dialog_) dialog_->Draw();
        return 1;
    }

private:
    void Next() {
        const std::vector<std::function<std::shared_ptr<TDialog>()>> makers = {
            [] {
                return MakeMessageDialog(GameText.FindString("Wallpaper Saved Header"),
                                         GameText.FindReplaced("Wallpaper Saved", "XXX",
                                                               "/home/player/Pictures/Murkwell.jpg"));
            },
            [] { return MakeConfirmDialog(GameText.FindString("Set Wallpaper Question")); },
            [] { return MakeChooseModeDialog(); },
            // The framework's message box, here managed by the page rather than running on its own.
            [] { return MakeMessageBox("The profile could not be written to /home/player/.local/share/Tarnfield/"
                                       "Murkwell/profiles/Player.dat: the disk is full."); },
        };
        dialog_ = makers[next_ % makers.size()]();
        ++next_;
    }
    std::shared_ptr<TDialog> dialog_;
    size_t next_ = 0;
};

}  // namespace

std::unique_ptr<TScreen> MakeDialogShowcase() {
    return std::make_unique<DialogShowcase>();
}

namespace {

// The shop of a player with `unlocked` levels open and `gold` banked, who has bought what `bought` allows,
// in id order (what needs an earlier item comes after it).
std::unique_ptr<TScreen> ShopOf(int unlocked, int gold, bool (*bought)(int id)) {
    ImageBank.SetPath(Game->ImagePath);
    LoadPlayResources();
    UseStartupPlayer();
    Player.Unlocked = unlocked;
    SaveData.CollectGold(gold);
    for (int id = 1; id <= SHOP_ITEMS_FOR_SALE; ++id) {
        if (bought(id)) SaveData.PurchaseItem(id);
    }
    auto shop = std::make_unique<TShopScreen>();
    shop->MapDestination = [] { return static_cast<TScreen*>(nullptr); };
    return shop;
}

}  // namespace

std::unique_ptr<TScreen> MakeShopShowcase() {
    return ShopOf(12, 400, [](int id) { return id == 1 || id == 2 || id == 24; });
}

std::unique_ptr<TScreen> MakeFullShopShowcase() {
    // All but the last stages of two lines, so the bar still offers something.
    return ShopOf(100, 30000, [](int id) { return id != 16 && id != 38; });
}

std::unique_ptr<TScreen> MakeMapShowcase() {
    ImageBank.SetPath(Game->ImagePath);
    LoadPlayResources();
    UseStartupPlayer();
    Player.Level = Player.Unlocked = 100;
    SaveData.CollectGold(1250);
    GameScreen = std::make_shared<TGameScreen>();
    return std::make_unique<TMapScreen>();
}

std::unique_ptr<TScreen> MakeOptionsShowcase() {
    ImageBank.SetPath(Game->ImagePath);
    LoadPlayResources();
    UseStartupPlayer();
    return std::make_unique<TOptionsScreen>();
}
