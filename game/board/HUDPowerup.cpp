#include "game/board/HUDPowerup.h"

#include <algorithm>
#include <cmath>

#include "framework/core/SoundBank.h"
#include "framework/gfx/GameImage.h"
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

}  // namespace

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
