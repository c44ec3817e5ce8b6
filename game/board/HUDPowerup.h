#pragma once

#include <array>
#include <memory>
#include <vector>

#include "framework/core/Point.h"

class TGameImage;

// One cell of an area of effect: valid when the bomb or power-up acts on it; the others are only shown.
struct THUDPowerInfo {
    TPoint pos;
    int valid = 0;
};
using THUDPowerInfoList = std::vector<THUDPowerInfo>;

// One of the six power-ups of the HUD row: it charges while the player matches, and once full and bought
// it is dragged onto the board (stake, hammer, broom) or acts at once when clicked (lightning, crystal,
// tarot). Its level is how many items of its shop line the player owns.
class THUDPowerup : public std::enable_shared_from_this<THUDPowerup> {
public:
    static constexpr int HUD_Y = 724;
    static constexpr int HUD_PIN_COUNT = 3;
    static constexpr int HUD_GAUGE_BOTTOM_BORDER = 10;
    static constexpr int HUD_GAUGE_TOP_BORDER = 10;

    TPoint HUDLocation;  // centre of the icon
    std::shared_ptr<TGameImage> HUDImage, HUDBackImage, HUDChargeBackImage;
    std::array<std::shared_ptr<TGameImage>, HUD_PIN_COUNT> HUDPinImages;
    std::shared_ptr<TGameImage> HUDNone, HUDOverlay, HUDGlow;
    std::shared_ptr<TGameImage> CursorImage;  // the pointer while it is carried (the drag kinds)
    float HUDGlowFactor = 0;
    int ShopID = 0;  // the first shop item of its line
    int ChargeRequiredS = 0;
    int CurrentCharge = 0;
    int PinCount = HUD_PIN_COUNT;
    float offsetY = 1000.0f;
    int isActive = 0;
    int HintWobble = 0;

    virtual ~THUDPowerup() = default;

    virtual int Reset();
    virtual int SetIntroY(float y);
    virtual int SetHintWobble(int on);
    // The base charge, shortened by the two pumpkin-light upgrades.
    virtual int GetChargeRequired();
    virtual int SetChargeRequired(int n);
    // Whether using it now would do something: the board has a move while one does.
    virtual int HasValidMove();
    virtual int ChargeFully();
    // The pictures every kind shares; each kind then takes its own and its place on the HUD.
    virtual int Load();
    // Acts on board cell (x, y); 1 when it did.
    virtual int Activate(int x, int y);
    // May it be used on cell (x, y)?
    virtual int Validate(int x, int y);
    // The point lies strictly inside its slot on the HUD.
    virtual int PointWithin(int x, int y);
    virtual int IsCharged();
    // A click on its slot: a bought, charged power-up is taken up (1); any other refuses with the
    // board's invalid sound.
    virtual int CheckIsClicked(int x, int y);
    virtual int OnClicked();
    // Adds charge up to the requirement; the moment it fills, the charged sound and a burst at the slot.
    virtual int AddCharge(int n);
    virtual THUDPowerInfoList GetAreaOfEffect(int x, int y);
    virtual int Update(float delta);
    // Its first shop item is bought.
    virtual int IsAvailable();
    virtual int IsShopItem(int item);
    // Not bought: the empty slot. Bought: the vessel, full and glowing when charged, else filled from the
    // bottom as far as the charge goes; then the pin of its upgrade.
    virtual int Draw(int highlight);

    // How many items of its line the player owns: 0 to 3 (the tarot's line has one).
    int Level();

protected:
    // The row of a kind: its slot's centre, the charge it needs, its shop line and its pictures.
    void SetKind(TPoint location, int charge, int shopID, int picture, const char* cursor);

private:
    void DrawFilling(float x, float y);
};

// The six power-ups in the order the board visits them and the profile keeps their charges: stake,
// hammer, broom, lightning, tarot, crystal. Empty slots are skipped.
inline constexpr int HUD_POWERUP_COUNT = 6;
extern std::array<std::shared_ptr<THUDPowerup>, HUD_POWERUP_COUNT> HUDPowerups;
