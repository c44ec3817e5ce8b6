#include "game/screens/ShopScreen.h"

#include <algorithm>

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/core/Input.h"
#include "framework/gfx/BitmapFont.h"
#include "framework/gfx/GameFonts.h"
#include "framework/gfx/GameImage.h"
#include "framework/gfx/GameText.h"
#include "framework/gfx/ImageBank.h"
#include "framework/profile/Profile.h"
#include "framework/screens/GameFade.h"
#include "framework/screens/LoadList.h"
#include "framework/sprites/ParticleEffects.h"
#include "framework/ui/Button.h"
#include "framework/ui/DialogOK.h"
#include "framework/ui/DialogYesNo.h"
#include "framework/ui/KeyFocus.h"
#include "framework/ui/Menu.h"
#include "framework/ui/MousePointer.h"
#include "game/board/BoardSound.h"
#include "game/board/HUDPowerup.h"
#include "game/board/Player.h"
#include "game/save/SaveData.h"
#include "game/save/ShopCatalogue.h"
#include "game/save/ShopItem.h"
#include "game/screens/GameDialogs.h"
#include "game/screens/GameScreen.h"
#include "game/screens/GameScreenEffects.h"
#include "game/screens/GoldPanel.h"
#include "game/screens/LevelCompleteScreen.h"
#include "game/screens/LevelDialogs.h"
#include "game/screens/PurchaseDialog.h"
#include "game/screens/Tutorial.h"
#include "game/screens/Wallpaper.h"
#include "platform/KeyCodes.h"
#include "platform/files/Files.h"

std::shared_ptr<TShopScreen> ShopScreen;

namespace {

constexpr int kFadeMs = 300;
// The item bar's hit area reaches this far beyond the three buttons' span.
constexpr int kBarMargin = 60;
// Half the side of the keyboard's focus frame on an item: the round button and a little, which keeps the
// frame on the screen below the bar.
constexpr float kFocusHalf = 50;
constexpr int kGoldPanelX = 776, kGoldPanelY = 4;
// The picture is taken on the tenth frame after the question, when the pointer is long gone; the file is
// looked for a frame after that.
constexpr int kCaptureFrame = 10, kWallpaperDoneFrame = 12;

// A button of the menu folder at x, y.
void Place(TMenu& menu, const char* file, const char* name, float x, float y) {
    menu.AddQuickAuto(file, name)->MoveTo(x, y);
}

}  // namespace

TShopScreen::TShopScreen() {
    name = "shop";
}

void TShopScreen::ListData(TLoadList& list) {
    // Listed by id: the catalogue itself is built during the loading, after the texts it names.
    for (int id = 1; id <= SHOP_ITEM_COUNT; ++id) {
        list.Add([id] {
            ShopItem* item = ShopItems[static_cast<size_t>(id)].get();
            if (!item) return;
            item->Image = ImageBank.LoadUnderPath("ShopScreen/items/" + item->ImageFile + ".png", -1, 0);
            if (item->Cost < 0) return;
            item->SaleImage = ImageBank.Load("ShopScreen/saleImages/" + item->SaleImageFile + ".png");
            item->SaleDownImage =
                ImageBank.Load("ShopScreen/saleImages/" + item->SaleImageFile + " down.png");
        });
    }
}

int TShopScreen::LoadData() {
    TLoadList list;
    ListData(list);
    return list.Run();
}

bool TShopScreen::DataLoaded() {
    for (const auto& item : ShopItems) {
        if (item && !item->Image) return false;
    }
    return true;
}

int TShopScreen::Load() {
    if (!DataLoaded()) LoadData();
    ImageLoad("Backgrounds/shopBack.png", -1, 0);
    GoldPanel = ImageBank.LoadNoMid("ShopScreen/GoldPanel.png", "GoldPanel");
    Highlight = ImageBank.Find("Powerup Slot Mouse Over", 1);
    Game->MusicLoad("title.ogg", 1);
    Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 0);
    Place(*Menu, "DecorationMapButton", "map", 16, 684);
    Menu->FindButton("map")->SetupCaption(GameText.FindString("Button Map"), GameFonts.Button, nullptr,
                                          nullptr, nullptr, nullptr);
    Place(*Menu, "eyeButton", "eye", 868, 690);
    Place(*Menu, "rollerButton", "roller", 944, 690);
    ScrollMenu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 0);
    Place(*ScrollMenu, "arrowL", "left", 290, 672);
    Place(*ScrollMenu, "arrowR", "right", 670, 672);
    EyeMenu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 0);
    Place(*EyeMenu, "eyeButton", "eye", 868, 690);
    return 1;
}

int TShopScreen::Start() {
    TScreen::Start();
    Game->MusicPlay(1, 0, 0);
    Game->IgnoreEscapeKey = 1;
    EyeMode = 0;
    wallpaperStage = 0;
    InitScrollBar();
    HudEffects.Clear();
    // The keeper's word for the level just won; on level 2 only while the first pumpkin is still to buy.
    const bool pumpkinBought = SaveData.GetShopItemStatus(1) == ShopItem::PURCHASED;
    if (!(Player.Level == 2 && pumpkinBought) && LevelCompleteScreen &&
        LevelCompleteScreen->ShowShopMessage) {
        LevelCompleteScreen->ShowShopMessage = 0;
        MessageDialog = LevelDialogs::GetShopLevelDialog(Player.Level, 1);
    }
    Game->GameFade->Init(kFadeMs, 0, 0, 0, 0, nullptr);
    Game->FixedRateLogic.Init();
    return 1;
}

int TShopScreen::Kill() {
    Game->IgnoreEscapeKey = 0;
    for (auto* menu : {&EyeMenu, &ScrollMenu}) {
        if (*menu) (*menu)->Kill();
        menu->reset();
    }
    WallpaperYesNo.reset();
    PurchaseDialog.reset();
    MessageDialog.reset();
    Tutorial.ClearTips();
    CurrentItems.clear();
    return TScreen::Kill();
}

int TShopScreen::InitScrollBar() {
    currentIDX = -1;
    CurrentItems.clear();
    for (int id = 1; id <= SHOP_ITEM_COUNT; ++id) {
        const auto& item = ShopItems[id];
        if (!item || item->Cost == -1 || SaveData.GetShopItemStatus(id) != ShopItem::AVAILABLE) continue;
        item->GlowValue = 0;
        CurrentItems.push_back(item);
    }
    ITEM_COUNT = static_cast<int>(CurrentItems.size());
    if (CurrentItem >= ITEM_COUNT - 2) CurrentItem = ITEM_COUNT - ITEMS_SHOWN;
    if (ITEM_COUNT - 4 < 0) CurrentItem = 0;
    CurrentItem = std::max(0, CurrentItem);
    ScrollOffset = static_cast<float>(CurrentItem * ITEM_SPREAD);
    return 1;
}

float TShopScreen::GetImagePosX(int i) const {
    float x = static_cast<float>(i * ITEM_SPREAD + BAR_X) - ScrollOffset;
    // A short bar is centred.
    if (ITEM_COUNT < ITEMS_SHOWN)
        x += static_cast<float>(ITEMS_SHOWN * ITEM_SPREAD - ITEM_SPREAD * ITEM_COUNT) / 2;
    return x;
}

int TShopScreen::CheckItemButtons() {
    const TMousePointer& mouse = *Game->Mouse;
    const float left = static_cast<float>(BAR_X - kBarMargin);
    const float right = left + static_cast<float>(ITEMS_SHOWN * ITEM_SPREAD);
    const bool inBar = mouse.x >= left && mouse.x < right;
    int clicked = -1;
    for (int i = 0; i < ITEM_COUNT; ++i) {
        ShopItem& item = *CurrentItems[static_cast<size_t>(i)];
        item.GlowValue = std::max(0.0f, item.GlowValue - Delta / 30.0f);
        // The items in the bar's window are the keyboard's too: the one in focus glows, Enter buys it.
        const float x = GetImagePosX(i);
        const float half = kFocusHalf;
        if (x >= left && x < right &&
            KeyFocus.Offer(&item, x - half, static_cast<float>(BAR_Y) - half, 2 * half, 2 * half)) {
            clicked = i;
        }
        if (KeyFocus.ShowsOn(&item)) item.GlowValue = 1;
        const bool over = inBar && std::abs(static_cast<float>(mouse.x) - x) < kBarMargin &&
                          std::abs(static_cast<float>(mouse.y - BAR_Y)) < kBarMargin;
        if (!over) continue;
        item.GlowValue = 1;
        if (Game->Mouse->MouseHit(1)) clicked = i;
    }
    return clicked;
}

int TShopScreen::BeginPurchase(int index) {
    currentIDX = index;
    PurchaseDialog =
        TPurchaseDialog::Create(CurrentItems[static_cast<size_t>(index)], SaveData.GoldAvailable());
    return 1;
}

int TShopScreen::ManagePurchaseDialog() {
    const auto& item = PurchaseDialog->selectedItem;
    if (PurchaseDialog->itemBought && SaveData.PurchaseItem(item->PurchaseID)) {
        for (const auto& powerup : HUDPowerups) {
            if (powerup && powerup->IsShopItem(item->PurchaseID)) powerup->ChargeFully();
        }
        PlayBankSound("GoalDone");
        if (item->Image) {
            GoalBurst(static_cast<float>(item->Coords.x) + item->Image->w2 +
                          static_cast<float>(item->centreOffsetX),
                      static_cast<float>(item->Coords.y) + item->Image->h2 +
                          static_cast<float>(item->centreOffsetY));
        }
        // What the arrow pointed at is bought.
        Tutorial.ClearTips();
    }
    PurchaseDialog.reset();
    return InitScrollBar();
}

int TShopScreen::ManageDialogs() {
    if (MessageDialog) {
        if (MessageDialog->Manage() != 0) {
            MessageDialog.reset();
            // On level 2 an arrow shows where the free pumpkin is.
            Tutorial.ShowPumpkinTip();
        }
        return 1;
    }
    if (PurchaseDialog) {
        if (PurchaseDialog->Manage() != 0) ManagePurchaseDialog();
        return 1;
    }
    if (WallpaperYesNo) {
        const int answer = WallpaperYesNo->Manage();
        if (answer != 0) {
            WallpaperYesNo.reset();
            if (answer == 1) wallpaperStage = 1;
        }
        return 1;
    }
    return 0;
}

int TShopScreen::Close() {
    if (Game->GameFade->Active) return 0;
    // The first purchases the keeper insists on, as long as the player can make them.
    struct Due {
        int unlocked, item;
        const char *header, *text;
    };
    for (const Due& due : {Due{2, 1, "purchase pumpkin", "purchase pumpkin text"},
                           Due{4, 24, "purchase coffin", "purchase coffin text"}}) {
        if (Player.Unlocked < due.unlocked || SaveData.GetShopItemStatus(due.item) == ShopItem::PURCHASED)
            continue;
        if (!SaveData.CanPurchaseItem(due.item)) continue;
        MessageDialog = MakeMessageDialog(GameText.FindString(due.header), GameText.FindString(due.text), "Confirm",
                                          "forced_purchase");
        return 0;
    }
    if (Game->CurrentProfile) Game->CurrentProfile->Save();
    TScreen* next = MapDestination ? MapDestination() : nullptr;
    FadeOutTo(next ? next : GameScreen.get(), kFadeMs, 1);
    return 1;
}

int TShopScreen::SetEscDestination() {
    Close();
    return kFadeMs;
}

int TShopScreen::StartWallpaper() {
    WallpaperYesNo = MakeConfirmDialog(GameText.FindString("Set Wallpaper Question"), "wallpaper_question");
    return 1;
}

int TShopScreen::Logic() {
    if (wallpaperStage != 0) return 1;
    Tutorial.Manage();
    if (ManageDialogs()) return 1;
    HudEffects.Manage();
    if (ITEM_COUNT > ITEMS_SHOWN) ScrollMenu->Manage(0, 0);
    if (EyeMode) {
        EyeMenu->Manage(0, 0);
        const bool keys =
            KeyHit(platform::vk::kEscape) || KeyHit(platform::vk::kEnter) || KeyHit(platform::vk::kSpace);
        if (keys || EyeMenu->Clicked("eye")) {
            EyeMode = 0;
            FlushKeysAndMouse();
        }
        return 1;
    }
    Menu->Manage(0, 0);
    if (KeyHit(platform::vk::kEscape) || KeyHit(platform::vk::kEnter) || Menu->Clicked("map")) {
        Close();
    } else if (Menu->Clicked("eye")) {
        EyeMode = 1;
    } else if (Menu->Clicked("roller")) {
        StartWallpaper();
    }
    if (ScrollMenu->Clicked("left")) CurrentItem = std::max(0, CurrentItem - 1);
    if (ScrollMenu->Clicked("right"))
        CurrentItem = std::min(CurrentItem + 1, std::max(0, ITEM_COUNT - ITEMS_SHOWN));
    const int clicked = CheckItemButtons();
    if (clicked >= 0) BeginPurchase(clicked);
    const float target = static_cast<float>(CurrentItem * ITEM_SPREAD);
    ScrollOffset +=
        (target - ScrollOffset) * static_cast<float>(Game->FixedRateLogic.MS / 1000.0) * SPEED_MULT * Delta;
    return 1;
}

void TShopScreen::DrawScene() {
    for (const auto& item : ShopDrawOrder) {
        const bool shown =
            item->Cost == -1 || SaveData.GetShopItemStatus(item->PurchaseID) == ShopItem::PURCHASED;
        const bool replaced =
            item->ReplaceBy > 0 && SaveData.GetShopItemStatus(item->ReplaceBy) == ShopItem::PURCHASED;
        if (shown && !replaced && item->Image) {
            item->Image->Draw(static_cast<float>(item->Coords.x), static_cast<float>(item->Coords.y), 0);
        }
    }
}

void TShopScreen::DrawBar() {
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    for (int i = 0; i < ITEM_COUNT; ++i) {
        const ShopItem& item = *CurrentItems[static_cast<size_t>(i)];
        const float x = GetImagePosX(i);
        // Only the three in the bar's window show.
        if (x < BAR_X - kBarMargin || x > BAR_X + (ITEMS_SHOWN - 1) * ITEM_SPREAD + kBarMargin) continue;
        const auto& picture = i == currentIDX ? item.SaleDownImage : item.SaleImage;
        if (picture) picture->Draw(x, BAR_Y, 0);
        if (Highlight && item.GlowValue > 0) {
            graphics.SetBlend(platform::BlendMode::Light);
            graphics.SetAlpha(item.GlowValue);
            Highlight->Draw(x, BAR_Y, 0);
            graphics.SetBlend(platform::BlendMode::Alpha);
            graphics.SetAlpha(1);
        }
    }
}

void TShopScreen::ManageWallpaperCapture() {
    // Counted in frames: the picture must be of a frame drawn without the pointer and the bar.
    ++wallpaperStage;
    if (wallpaperStage == kCaptureFrame) {
        wallpaperPath_ = WallpaperPath(".png");
        std::string error;
        platform::files::CreateFolders(platform::files::FolderOf(wallpaperPath_), error);
        platform::files::Delete(wallpaperPath_, error);
        Game->GetPlatform().GetGraphics().RequestScreenshot(wallpaperPath_);
    } else if (wallpaperStage >= kWallpaperDoneFrame) {
        // Over before the notice, which may bring a message of its own over the shop.
        wallpaperStage = 0;
        Game->Mouse->On();
        const bool saved = platform::files::IsFile(wallpaperPath_);
        MessageDialog =
            WallpaperNotice(saved, wallpaperPath_, "the screen could not be written to " + wallpaperPath_);
    }
}

int TShopScreen::Draw() {
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    if (Image) {
        graphics.SetBlend(platform::BlendMode::Solid);
        Image->Draw(0, 0, 0);
        graphics.SetBlend(platform::BlendMode::Alpha);
    }
    DrawScene();
    HudEffects.Draw();
    if (wallpaperStage != 0) {
        Game->Mouse->Off();
        ManageWallpaperCapture();
        return 1;
    }
    if (!PurchaseDialog) {
        if (EyeMode) {
            EyeMenu->Draw(0, 0);
        } else {
            DrawBar();
            Menu->Draw(0, 0);
            if (ITEM_COUNT > ITEMS_SHOWN) ScrollMenu->Draw(0, 0);
            Tutorial.Draw();
        }
    }
    if (!EyeMode && GoldPanel) DrawGoldPanel(*GoldPanel, kGoldPanelX, kGoldPanelY);
    if (MessageDialog) MessageDialog->Draw();
    if (PurchaseDialog) PurchaseDialog->Draw();
    if (WallpaperYesNo) WallpaperYesNo->Draw();
    return 1;
}
