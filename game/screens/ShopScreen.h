#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "framework/screens/Screen.h"

class ShopItem;
class TDialogOK;
class TDialogYesNo;
class TPurchaseDialog;
class TLoadList;

// The shop: the graveyard with every bought item standing in it, a bar of three item buttons along the
// bottom that scrolls through what can be bought now, the banked gold, and the buttons to leave, to look at
// the scene alone, and to make it the wallpaper. Clicking an item opens the keeper's purchase dialog.
class TShopScreen : public TScreen {
public:
    static constexpr float SPEED_MULT = 4.0f;
    static constexpr int ITEM_SPREAD = 120;
    static constexpr int ITEMS_SHOWN = 3;
    static constexpr int BAR_X = 392, BAR_Y = 712;

    int ITEM_COUNT = 0;
    std::vector<std::shared_ptr<ShopItem>> CurrentItems;
    float ScrollOffset = 0;
    int CurrentItem = 0;
    int EyeMode = 0;
    std::shared_ptr<TMenu> EyeMenu, ScrollMenu;
    int currentIDX = -1;
    int wallpaperStage = 0;
    std::shared_ptr<TDialogYesNo> WallpaperYesNo;
    std::shared_ptr<TPurchaseDialog> PurchaseDialog;
    std::shared_ptr<TDialogOK> MessageDialog;
    std::shared_ptr<TGameImage> GoldPanel, Highlight;

    // Where the shop is left for: the level map; until it exists the level is played again.
    std::function<TScreen*()> MapDestination;

    TShopScreen();

    // The pictures of the catalogue, taken once, the first time the shop opens rather than at start-up
    // (some 13 MB a player who never shops need not hold): each item's scene picture and its two button
    // pictures, one item of the list for each entry of the catalogue.
    static void ListData(TLoadList& list);
    static int LoadData();
    // Whether they have been taken.
    static bool DataLoaded();

    int Load() override;
    int Start() override;
    int Kill() override;
    int Logic() override;
    int Draw() override;
    int SetEscDestination() override;

    int InitScrollBar();
    // The middle of offered item i's button.
    float GetImagePosX(int i) const;
    // The offered item clicked, or pressed through the keyboard's focus, -1 for none; the glows follow the
    // mouse and the focus.
    int CheckItemButtons();
    int BeginPurchase(int index);
    int ManagePurchaseDialog();
    // Leaves for the map, unless a first purchase is due that the player can make.
    int Close();
    int StartWallpaper();

private:
    int ManageDialogs();
    void DrawScene();
    void DrawBar();
    void ManageWallpaperCapture();
    std::string wallpaperPath_;
};

// The one shop.
extern std::shared_ptr<TShopScreen> ShopScreen;
