#include "game/board/HUDPowerup.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "framework/core/Checked.h"
#include "framework/core/Game.h"
#include "framework/core/SoundBank.h"
#include "framework/gfx/GameImage.h"
#include "framework/gfx/ImageBank.h"
#include "framework/sprites/Degrees.h"
#include "game/board/BoardEvents.h"
#include "game/board/BoardSound.h"
#include "game/board/BonusEffects.h"
#include "game/board/GameGrid.h"
#include "game/save/SaveData.h"
#include "game/save/ShopItem.h"

std::array<std::shared_ptr<THUDPowerup>, HUD_POWERUP_COUNT> HUDPowerups;

namespace {

// The pumpkin lights shorten every power-up's charge: the second by a fifth, the first by a tenth.
constexpr int kPumpkinLights1 = 13, kPumpkinLights2 = 14;

bool Owns(int item) {
    return SaveData.GetShopItemStatus(item) == ShopItem::PURCHASED;
}

// Pixels the icon sways while it is the hint.
constexpr float kWobble = 4.0f;
// The surface of the filling: three lines, each paler than the one above it.
constexpr float kSurfaceAlphas[] = {1.0f, 0.5f, 0.25f};

}  // namespace

int THUDPowerup::Load() {
    HUDNone = ImageBank.Find("unpurchased");
    HUDOverlay = ImageBank.Find("empty ring1");
    HUDGlow = ImageBank.Find("Powerup Slot Mouse Over");
    for (int i = 0; i < HUD_PIN_COUNT; ++i)
        HUDPinImages[i] = ImageBank.Find("powerupLevel" + std::to_string(i + 1));
    return 1;
}

void THUDPowerup::SetKind(TPoint location, int charge, int shopID, int picture, const char* cursor) {
    HUDLocation = location;
    ChargeRequiredS = charge;
    ShopID = shopID;
    const std::string name = "powerup" + std::to_string(picture);
    HUDBackImage = ImageBank.Find(name + "empty");
    HUDChargeBackImage = ImageBank.Find(name + "filling");
    HUDImage = ImageBank.Find(name + "full");
    if (cursor) CursorImage = ImageBank.Find(cursor);
}

int THUDPowerup::Draw(int highlight) {
    if (highlight) HUDGlowFactor = 1;
    const float wobble =
        HintWobble && Grid ? static_cast<float>(SinDeg(Grid->HintCounter * 10)) * kWobble : 0;
    const float x = static_cast<float>(HUDLocation.x) + wobble,
                y = static_cast<float>(HUDLocation.y) + offsetY;
    if (!IsAvailable()) {
        if (HUDNone) HUDNone->Draw(x, y, 0);
        return 1;
    }
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    if (HUDBackImage) HUDBackImage->Draw(x, y, 0);
    if (IsCharged()) {
        if (HUDImage) HUDImage->Draw(x, y, 0);
        if (HUDGlow && HUDGlowFactor > 0) {
            graphics.SetBlend(platform::BlendMode::Light);
            graphics.SetAlpha(HUDGlowFactor);
            HUDGlow->Draw(x, y, 0);
            graphics.SetAlpha(1);
            graphics.SetBlend(platform::BlendMode::Alpha);
        }
    } else {
        DrawFilling(x, y);
        if (HUDOverlay) HUDOverlay->Draw(x, y, 0);
    }
    const int level = Level();
    if (PinCount > 0 && level > 0) {
        if (const auto& pin = CheckedAt(HUDPinImages, level - 1)) pin->Draw(x + 30, y + 30, 0);
    }
    return 1;
}

void THUDPowerup::DrawFilling(float x, float y) {
    const TGameImage* filling = HUDChargeBackImage.get();
    const int required = GetChargeRequired();
    if (!filling || !filling->image || required <= 0 || CurrentCharge <= 0) return;
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    // The vessel holds the picture less its borders; the charge fills it from the bottom border up.
    const float w = static_cast<float>(filling->w), h = static_cast<float>(filling->h);
    const float inside = h - HUD_GAUGE_BOTTOM_BORDER - HUD_GAUGE_TOP_BORDER;
    const float level = inside * std::min(1.0f, static_cast<float>(CurrentCharge) / required);
    const float top = h - HUD_GAUGE_BOTTOM_BORDER - level;
    const float left = x - filling->w2, upper = y - filling->h2;
    graphics.DrawSubImageRect(*filling->image, left, upper + top, w, h - top, 0, top, w, h - top, 0);
    // The surface follows the round vessel: wide in the middle, narrow near the top and bottom.
    const float radius = inside / 2;
    graphics.SetColor(255, 214, 140);
    for (int i = 0; i < 3; ++i) {
        const float lineY = upper + top + static_cast<float>(i);
        const float fromCentre = lineY - y;
        if (std::fabs(fromCentre) >= radius) continue;
        const float half = std::sqrt(radius * radius - fromCentre * fromCentre);
        graphics.SetAlpha(kSurfaceAlphas[i]);
        graphics.DrawLine(x - half, lineY, x + half, lineY);
    }
    graphics.SetAlpha(1);
    graphics.SetColor(255, 255, 255);
}

int THUDPowerup::Reset() {
    HintWobble = 0;
    isActive = 0;
    HUDGlowFactor = 0;
    return 1;
}

int THUDPowerup::SetIntroY(float y) {
    offsetY = y;
    return 1;
}

int THUDPowerup::SetHintWobble(int on) {
    HintWobble = on;
    return 1;
}

int THUDPowerup::GetChargeRequired() {
    if (Owns(kPumpkinLights2)) return static_cast<int>(ChargeRequiredS * 0.8f);
    if (Owns(kPumpkinLights1)) return static_cast<int>(ChargeRequiredS * 0.9f);
    return ChargeRequiredS;
}

int THUDPowerup::SetChargeRequired(int n) {
    ChargeRequiredS = n;
    return 1;
}

int THUDPowerup::HasValidMove() {
    return 0;
}

int THUDPowerup::ChargeFully() {
    CurrentCharge = GetChargeRequired();
    return 1;
}

int THUDPowerup::Activate(int, int) {
    return 0;
}

int THUDPowerup::Validate(int, int) {
    return 1;
}

int THUDPowerup::PointWithin(int x, int y) {
    if (!HUDBackImage) return 0;
    const float half = HUDBackImage->h / 2.0f;
    return std::fabs(static_cast<float>(x - HUDLocation.x)) < half &&
           std::fabs(static_cast<float>(y - HUDLocation.y)) < half;
}

int THUDPowerup::IsCharged() {
    return CurrentCharge >= GetChargeRequired();
}

int THUDPowerup::CheckIsClicked(int x, int y) {
    if (!PointWithin(x, y)) return 0;
    if (Level() > 0 && IsCharged()) {
        if (Grid) Grid->ClearHUDCursor(0);
        PlayBankSound("buttonclick", 1.0f);
        OnClicked();
        return 1;
    }
    if (Grid) PlayBoardSound(Grid->InvalidSound.get(), 1.0f);
    return 0;
}

int THUDPowerup::OnClicked() {
    return 1;
}

int THUDPowerup::AddCharge(int n) {
    const int required = GetChargeRequired();
    const bool wasCharged = CurrentCharge >= required;
    CurrentCharge = std::min(CurrentCharge + n, required);
    if (!wasCharged && CurrentCharge >= required) {
        BoardEvents.TriggerHUDCharged = 1;
        ChargeBurst(static_cast<float>(HUDLocation.x), static_cast<float>(HUDLocation.y));
    }
    return 1;
}

THUDPowerInfoList THUDPowerup::GetAreaOfEffect(int, int) {
    return {};
}

int THUDPowerup::Update(float delta) {
    HUDGlowFactor = std::max(0.0f, HUDGlowFactor - delta * HUDGlowFactor * 0.9f * 0.05f);
    return 1;
}

int THUDPowerup::IsAvailable() {
    return Owns(ShopID);
}

int THUDPowerup::IsShopItem(int item) {
    return item >= ShopID && item <= ShopID + 2;
}

int THUDPowerup::Level() {
    return SaveData.GetHUDBonusLevel(ShopID);
}
