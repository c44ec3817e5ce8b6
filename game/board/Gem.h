#pragma once

#include <array>
#include <memory>

#include "framework/sprites/Sprite.h"
#include "game/board/GemPictureLayout.h"

class TGameImage;

// Gem types: what stands in a cell.
inline constexpr int GEM_CLEARED = -1;  // exploding or cleared: matches nothing, keeps its cell
inline constexpr int GEM_SKULL = 14;    // the golden skull to bring to the bottom
inline constexpr int GEM_COIN = gemlayout::kCoin;
inline constexpr int GEM_BAG = gemlayout::kBag;
inline constexpr int GEM_TYPES = gemlayout::kTypes;  // -1 aside, types run 0..30

// Everything that stands in a cell: the colours the player matches, the golden skull, coins, money bags and
// the bombs. A gem is a sprite at the centre of its cell that knows the cell, its type, its chain and
// rock, whether it is magic, and how far its explosion and hover have gone.
class TGem : public TSprite, public std::enable_shared_from_this<TGem> {
public:
    static constexpr int HALF_CELL = 33;
    static constexpr float MAX_SCALE = 1.1f;
    static constexpr float SCALE_UP_SPEED = 0.01f;
    static constexpr float SCALE_DOWN_SPEED = 0.005f;

    int AnimActive = 0;  // the explosion ends in a second, real one
    int GemType = 0;
    float glow = 0;  // a bonus item's glow, fading while it explodes
    int gx = -1, gy = -1;
    int HintWobble = 0;
    int locked = 0;  // chained: cannot move or fall; the first hit takes the chain
    int rocked = 0;  // rock strength 2, 1 or 0: cannot move, fall or match; each hit takes one
    int MOAnim = 0;
    float MOScale = 1.0f;  // hover scale
    int OrigGemType = 0;
    int Magic = 0;
    int Swapping = 0;
    // Ticks a coin has left. Kept with its fraction: a whole-number count lost the part-tick of every
    // frame and a coin lived a sixth less than its time at 60 frames a second.
    float LifeCounter = 0;
    int BonusActivated = 0;
    float ExplosionCounter = 0;  // ticks left; above 0 while exploding
    float ExplosionLength = 300.0f;
    int ExplosionShow = 1;  // draw the flash
    float MOAnimCounter = 0;
    float MagicCounter = 0;
    float MagicLength = 1500.0f;  // ticks of the magic pulse
    int IntroOffsetX = 0, IntroOffsetY = 0;
    std::shared_ptr<TGameImage> MyLockImage, MyRocked1Image;

    // The bonus items have no idle animations that anything draws, so there is nothing to set up.
    static int InitArrays() { return 1; }
    // The two exchange cells, and each becomes the gem of its new cell.
    int SwapTypes(TGem& other);
    // A new gem of type at cell (x, y), falling when asked; the caller puts it in Gems and in its cell.
    static std::shared_ptr<TGem> Make(int x, int y, int type, int falling);
    // Picks the chain and rock pictures, each of two looks at even odds.
    static int SetLockRockImage(TGem& gem);
    static std::shared_ptr<TGem> MakeCoin(int x, int y, int falling);
    static std::shared_ptr<TGem> MakeBag(int x, int y, int falling);
    int SetType(int type);
    // The two gems trade what they are, type and picture, each keeping its cell and place (the tarot's
    // shuffle).
    int ExchangeType(TGem& other);
    int SetIntroOffset(int ox, int oy);
    // A bonus item set off by a swap: its explosion ends in a second, real one.
    int Activate();
    // Takes cell (x, y) and stands at its centre (with the slide-in offset).
    int CalcCoords(int x, int y);
    // A cleared gem of the goal's colour counts towards the matches goal.
    int CheckMatchGoal();
    // Drawing order: -1 when a goes before b (lower on the screen), 1 after, 0 level (the order stays).
    static int CompareY(const TGem& a, const TGem& b);
    int CreateMagic();
    // A hit by a bomb or power-up; 1 when the hit was spent on the gem's chain.
    int Destroy();
    // Drawing, in GemDraw.cpp.
    int DrawNormalGem(float scale);
    int DrawBonusGem(float scale);
    int DrawMagicGem();
    int DrawGemPiece();
    // Layer 0 draws colours and skulls, layer 1 skulls and items; 1 when something was drawn.
    int DrawGem(float yOffset, int layer, int overlayFirst);
    // 1 when the gem now explodes (or already did). A skull leaves only when forced.
    int Explode(int withEffects, int force);
    static int InitIdleAnims() { return 1; }
    // The gem pictures from the image bank; fatal when one is missing.
    static int Load();
    int IsBonus() const { return GemType > GEM_SKULL; }
    // The magic pulse.
    int Manage();
    // 1 when a coin's life ran out; in timed mode only.
    int SpinCoin(int animEnded);
    // The type of a new random gem: now and then a skull while the level wants them, else a colour of
    // the level's palette.
    static int Random(int allowSkull);
    int ScaleDown();
    int ScaleUp();
    // A new gem enters one cell above its entry cell.
    int SetDropInY();
    int SetHintWobble(int on);
    // One strength level off the rock; with score, points (for the goal only when the rock is gone).
    int UnRock(int score);
    int Unlock();
    // Nothing can stand below it: it is on the last row or over a hole.
    bool AtColumnBottom() const;
    // Collected at once when the gem is a skull at the bottom of its column; true when it was.
    bool CollectIfSkullAtBottom();

private:
    // The type with its picture: a coin's spinning strip, the bag, or a picture of the gem sheet.
    void TakeType(int type, int randomSpin);
    // Drawing helpers, in GemDraw.cpp. How a picture of the gem's own (a chain, a rock, an item, a glow,
    // the flash) is drawn at the gem.
    struct TLook {
        float scale = 1.0f, rotation = 0, alpha = 1.0f;
        bool light = false, shadow = false;
    };
    void DrawPicture(const TGameImage& picture, int pictureFrame, const TLook& look) const;
    int DrawOverlay();
    void DrawExplosionFlash() const;
    // Items and overlays turn only while the lost board flies apart.
    float ShakeRotation() const;
};

// The pictures the gems are drawn with, by type for the bonus items (15..30).
extern std::array<std::shared_ptr<TGameImage>, GEM_TYPES> BonusImages;

struct TGemImages {
    std::shared_ptr<TGameImage> Gems, Skull, Coin, MoneyBag;
    std::array<std::shared_ptr<TGameImage>, 2> Locks, Rocks1;
    std::shared_ptr<TGameImage> Rock2;  // strength 2, the same for every gem
    std::shared_ptr<TGameImage> Flash;  // the explosion
};
extern TGemImages GemImages;

// Ticks of the hover animation, set by every Make.
extern int HoverAnimLength;
