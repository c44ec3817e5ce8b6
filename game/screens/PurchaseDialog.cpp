#include "game/screens/PurchaseDialog.h"

#include <string>

#include "framework/core/Input.h"
#include "framework/core/SoundBank.h"
#include "framework/gfx/GameFonts.h"
#include "framework/gfx/GameText.h"
#include "framework/gfx/GameImage.h"
#include "framework/gfx/ImageBank.h"
#include "framework/gfx/Label.h"
#include "framework/sprites/Shadow.h"
#include "framework/ui/Button.h"
#include "framework/ui/Menu.h"
#include "game/save/SaveData.h"
#include "game/save/ShopItem.h"
#include "platform/KeyCodes.h"

namespace {

// The keeper's board is 720 × 420: her cameo on the left third, the header band 290-650 × 30-84, the text
// and buttons right of x 250, the rule over the buttons at 330.
constexpr int kMiddleX = 470, kHeaderY = 57, kTextY = 104, kTextWidth = 380;
constexpr int kPictureX = 268, kPictureY = 212;  // the item's plate, left of the price
constexpr int kLabelX = 390, kValueX = 640, kPriceY = 232, kGoldY = 272;
constexpr int kBottomBorder = 14, kButtonGap = 24, kSlideMs = 300;

std::shared_ptr<TLabel> Label(const std::string& text, float x, float y, int alignment) {
    auto label = std::make_shared<TLabel>();
    label->Init(nullptr, nullptr, nullptr, 0, GameFonts.GUIFont, nullptr, "label");
    label->Text = text;
    label->X = x, label->Y = y;
    label->Alignment = alignment;
    return label;
}

}  // namespace

std::shared_ptr<TPurchaseDialog> TPurchaseDialog::Create(std::shared_ptr<ShopItem> item, int gold) {
    auto dialog = std::make_shared<TPurchaseDialog>();
    dialog->Name = "purchase";
    const auto required = SaveData.GetPrereqs(item->PurchaseID);
    const bool affordable = gold >= item->Cost;
    const std::string text =
        required ? GameText.FindReplaced("Required Purchase", "XXX", required->Name) : item->Description;
    dialog->Init(text, ImageBank.Load("Dialogs/Old Lady Dialog"), 0, 0, 0, 0);
    dialog->selectedItem = item;
    dialog->SetupCaption(nullptr, nullptr, nullptr, GameFonts.GUIFont);
    dialog->SetupTextHeader(item->Name, nullptr, nullptr, nullptr, GameFonts.DialogHeader, kMiddleX, kHeaderY, 1);
    dialog->TextHeader->Alignment = 3;
    dialog->TextHeader->AutoScale(340);
    dialog->CaptionOX = kMiddleX;
    dialog->CaptionOY = kTextY;
    dialog->WordWrapWidth = kTextWidth;
    dialog->Border = kBottomBorder;
    if (!required) {
        dialog->Picture = item->SaleImage;
        dialog->PictureX = kPictureX;
        dialog->PictureY = kPictureY;
        dialog->PictureShadow = TShadow::Create(3, 3, 0.4f);
    }
    dialog->Menu = MakeMenu(10);
    const auto caption = [](TButton& button, const char* key) {
        button.SetupCaption(GameText.FindString(key), GameFonts.Button, nullptr, nullptr, nullptr, nullptr);
    };
    if (!required && affordable) {
        dialog->Menu->AddPair("Buy", "Cancel", kButtonGap, "button");
        caption(*dialog->Menu->FindButton("Buy"), "Buy");
    } else {
        dialog->Menu->AddQuick("button", "Cancel");
    }
    caption(*dialog->Menu->FindButton("Cancel"), "Cancel");
    dialog->SlideInSound = SoundBank.Find("SlideIn");
    dialog->SlideOutSound = SoundBank.Find("SlideOut");
    dialog->Start();
    if (!required) {
        // Placed on the board, which Start has just centred.
        const float left = static_cast<float>(dialog->x), top = static_cast<float>(dialog->y);
        const std::string price = item->Cost == 0 ? GameText.FindString("Free") : std::to_string(item->Cost);
        dialog->priceLabel = Label(GameText.FindString("Price"), left + kLabelX, top + kPriceY, 0);
        dialog->priceValueLabel = Label(price, left + kValueX, top + kPriceY, 2);
        dialog->goldAvailLabel = Label(GameText.FindString("Available"), left + kLabelX, top + kGoldY, 0);
        dialog->goldAvailValueLabel = Label(std::to_string(gold), left + kValueX, top + kGoldY, 2);
    }
    // The buttons stand under the text, on the right of the keeper.
    dialog->MenuOX = kMiddleX - dialog->w / 2;
    dialog->MenuPosition();
    dialog->SetTransitions(kSlideMs, kSlideMs, 0.4f, 0, 3, 1, 1);
    return dialog;
}

int TPurchaseDialog::Manage() {
    const int core = ManageCore();
    if (core == kClosedNow) return CloseResult;
    if (core == 0 || Transitioning != 0) return 0;
    if (KeyHit(platform::vk::kEscape) || Menu->Clicked("Cancel")) {
        FlushKeysAndMouse();
        return Close(-1);
    }
    if (Menu->Clicked("Buy")) {
        FlushKeysAndMouse();
        itemBought = 1;
        return Close(1);
    }
    return 0;
}

int TPurchaseDialog::Draw() {
    if (!TDialog::Draw()) return 0;
    for (const auto& label : {priceLabel, priceValueLabel, goldAvailLabel, goldAvailValueLabel}) {
        if (label) {
            label->Alpha = Alpha;
            label->Draw(OffsetX, OffsetY);
        }
    }
    return 1;
}
