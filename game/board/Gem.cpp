#include "game/board/Gem.h"

#include <algorithm>
#include <utility>

#include "framework/core/Checked.h"
#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/core/Random.h"
#include "framework/gfx/GameImage.h"
#include "framework/gfx/ImageBank.h"
#include "framework/sprites/Degrees.h"
#include "framework/sprites/DrawState.h"
#include "framework/sprites/Ticks.h"
#include "game/board/Board.h"
#include "game/board/BoardEvents.h"
#include "game/board/BonusEffects.h"
#include "game/board/Cell.h"
#include "game/board/GameGrid.h"
#include "game/board/GemEffects.h"
#include "game/save/SaveData.h"

std::array<std::shared_ptr<TGameImage>, GEM_TYPES> BonusImages;
TGemImages GemImages;
int HoverAnimLength = 0;

const std::array<const char*, GEM_TYPES> BonusImageNames = {
    nullptr,    nullptr,   nullptr,  nullptr,  nullptr, nullptr,  nullptr,   nullptr,
    nullptr,    nullptr,   nullptr,  nullptr,  nullptr, nullptr,  nullptr,   "pump1",
    "lantern1", "candle1", "grave1", "torch1", "well1", "garlic", "coin",    "pump2",
    "lantern2", "candle2", "grave2", "torch2", "well2", "garlic", "moneybag"};

namespace {

// A new gem standing in (or, falling, entering) cell (x, y), with its chain and rock pictures.
std::shared_ptr<TGem> NewGem(int x, int y, int falling) {
    auto gem = std::make_shared<TGem>();
    TGem::SetLockRockImage(*gem);
    if (falling) gem->dy = 0.04f;
    gem->CalcCoords(x, y);
    gem->ExplosionLength = static_cast<float>(Ticks(300));
    return gem;
}

// A bomb of either level (15..21, 23..29): what a blast sets off rather than clears.
bool IsBomb(int type) {
    return type > GEM_SKULL && type < GEM_BAG && type != GEM_COIN;
}

}  // namespace

int TGem::SwapTypes(TGem& other) {
    std::swap(gx, other.gx);
    std::swap(gy, other.gy);
    if (TCell* cell = CellAt(gx, gy)) cell->Gem = shared_from_this();
    if (TCell* cell = CellAt(other.gx, other.gy)) cell->Gem = other.shared_from_this();
    return 1;
}

std::shared_ptr<TGem> TGem::Make(int x, int y, int type, int falling) {
    auto gem = NewGem(x, y, falling);
    gem->SetType(type);
    HoverAnimLength = Ticks(2000);
    if (type == GEM_SKULL) ++Grid->EggCount;
    return gem;
}

int TGem::SetLockRockImage(TGem& gem) {
    const int look = Rand(0, 100) < 50 ? 0 : 1;
    gem.MyLockImage = GemImages.Locks[look];
    gem.MyRocked1Image = GemImages.Rocks1[look];
    return 1;
}

std::shared_ptr<TGem> TGem::MakeCoin(int x, int y, int falling) {
    auto gem = NewGem(x, y, falling);
    // A falling coin starts its spin anywhere, so that a shower of them does not turn in step.
    gem->TakeType(GEM_COIN, falling);
    gem->LifeCounter = static_cast<float>(Ticks(10000));
    BoardEvents.CoinSpawned();
    return gem;
}

std::shared_ptr<TGem> TGem::MakeBag(int x, int y, int falling) {
    auto gem = NewGem(x, y, falling);
    gem->TakeType(GEM_BAG, 0);
    BoardEvents.BagSpawned();
    return gem;
}

void TGem::TakeType(int type, int randomSpin) {
    if (type == GEM_COIN) {
        GemType = OrigGemType = type;
        SetImage(GemImages.Coin);
        SetupAnim(6, 600, 0, 0, randomSpin, 0, 1);
    } else if (type == GEM_BAG) {
        GemType = OrigGemType = type;
        SetImage(GemImages.MoneyBag);
    } else {
        SetType(type);
    }
}

int TGem::ExchangeType(TGem& other) {
    if (&other == this) return 0;
    const int mine = GemType;
    TakeType(other.GemType, 0);
    other.TakeType(mine, 0);
    std::swap(LifeCounter, other.LifeCounter);
    return 1;
}

int TGem::SetType(int type) {
    GemType = OrigGemType = type;
    if (type == GEM_SKULL) {
        SetImage(GemImages.Skull);
    } else {
        SetImage(GemImages.Gems);
        ImageFrame = type - 1;
    }
    return 1;
}

int TGem::SetIntroOffset(int ox, int oy) {
    IntroOffsetX = ox;
    IntroOffsetY = oy;
    return 1;
}

int TGem::Activate() {
    ExplosionCounter = ExplosionLength;
    GemType = GEM_CLEARED;
    AnimActive = 1;
    return 1;
}

int TGem::CalcCoords(int cellX, int cellY) {
    gx = cellX;
    gy = cellY;
    x = static_cast<float>(GridToScreenX(cellX) + IntroOffsetX + HALF_CELL);
    y = static_cast<float>(GridToScreenY(cellY) + IntroOffsetY + HALF_CELL);
    return 1;
}

int TGem::CheckMatchGoal() {
    if (GemType != Grid->GoalMatchesType || BoardEvents.OutroRunning()) return 0;
    BoardEvents.CountGoalMatch();
    BoardEvents.CheckTarget();
    const int left = BoardEvents.MatchesToGo();
    if (left >= 1 && left <= 4) BoardEvents.ShowNearlyDoneTip();
    return 1;
}

int TGem::CompareY(const TGem& a, const TGem& b) {
    if (a.y == b.y) return 0;
    return a.y > b.y ? -1 : 1;
}

int TGem::CreateMagic() {
    if (GemType < 1 || GemType > GEM_SKULL || BoardEvents.PlayerLevel() <= 3) return 0;
    Magic = 1;
    MagicCounter = static_cast<float>(Rand(0, static_cast<int>(MagicLength - 1)));
    return 1;
}

int TGem::Destroy() {
    // Callbacks below may take the gem out of its cell and the list.
    const auto keep = shared_from_this();
    if (locked) {
        if (GemType >= GEM_SKULL) {
            Unlock();
            BoardEvents.AwardMatchPoints(gx, gy, 1, 0, 1);
            return 1;
        }
        ExplosionCounter = ExplosionLength;
        SparkRing(x, y, 4);
        BoardEvents.AwardMatchPoints(gx, gy, 1, Magic, 1);
        if (Magic) MagicRelease(x, y);
        Unlock();
        CheckMatchGoal();
        GemType = GEM_CLEARED;
        return 1;
    }
    if (rocked) {
        UnRock(1);
        return 0;
    }
    if (IsBomb(GemType) && !BonusActivated) {
        BoardEvents.ActivateBonus(*this, gx, gy);
        Grid->BonusPower = 2;
        ++Grid->ChainedBonuses;
        return 0;
    }
    // A colour, a bomb going off in its own blast, or a gem already exploding (every hit scores, so the
    // cross bombs count their centre four times). A skull, a coin or a bag stays.
    if (GemType != GEM_SKULL && GemType != GEM_COIN && GemType != GEM_BAG) {
        BoardEvents.AwardMatchPoints(gx, gy, 1, Magic, Grid->GetGoalScore(gx, gy, 0));
        Explode(1, 0);
    }
    return 0;
}

void TGem::DrawPicture(const TGameImage& picture, int pictureFrame, const TLook& look) const {
    if (!picture.image) return;
    TDrawState::Batch batch;
    const float px = UseOffset ? x + offx : x, py = UseOffset ? y + offy : y;
    TDrawState::SetScale(look.scale, look.scale);
    TDrawState::SetRotation(look.rotation);
    if (look.shadow) {
        TDrawState::SetColor(0, 0, 0);
        TDrawState::SetAlpha(ShadowAlpha * look.alpha);
        TDrawState::DrawImage(*picture.image, px + ShadowX, py + ShadowY, pictureFrame);
        TDrawState::SetColor(255, 255, 255);
    }
    if (look.light) TDrawState::SetBlend(platform::BlendMode::Light);
    TDrawState::SetAlpha(look.alpha);
    TDrawState::DrawImage(*picture.image, px, py, pictureFrame);
    if (look.light) TDrawState::SetBlend(platform::BlendMode::Alpha);
    TDrawState::SetScale(1, 1);
    TDrawState::SetRotation(0);
    TDrawState::SetAlpha(1);
}

int TGem::DrawNormalGem(float scale) {
    const float scaleX = ScaleX, scaleY = ScaleY;
    const bool skull = GemType == GEM_SKULL;
    // The skull rocks gently from side to side.
    if (skull) Rotation = Grid->SkullAnim.ratio * 12 - 12;
    ScaleX *= scale;
    ScaleY *= scale;
    Draw();
    ScaleX = scaleX;
    ScaleY = scaleY;
    if (skull) Rotation = 0;
    return 1;
}

int TGem::DrawBonusGem(float scale) {
    const auto& picture = CheckedAt(BonusImages, GemType);
    if (!picture) return 0;
    float s = ScaleX;
    // Items breathe slowly until the mouse comes over them.
    if (!MouseOver) s = s - 0.2f + Grid->glow3.ratio * 0.1f;
    if (locked) s = 0.75f;
    DrawPicture(
        *picture, frame,
        {.scale = s * scale, .rotation = ShakeRotation(), .alpha = Alpha, .shadow = Game->Particles >= 50});
    return 1;
}

int TGem::DrawMagicGem() {
    if (const auto& glowPicture = Grid->MagicHighlightImage) {
        const float pulse = Grid->glow2.ratio;
        DrawPicture(*glowPicture, 0,
                    {.scale = 1.5f + pulse * 0.3f,
                     .rotation = Grid->magicRotation,
                     .alpha = (0.5f + (1.0f - pulse) * 0.3f) * Alpha,
                     .light = true});
        DrawPicture(*glowPicture, 0,
                    {.scale = 1.4f + pulse * 0.2f + 0.1f,
                     .rotation = 90 - Grid->magicRotation,
                     .alpha = (0.3f + (1.0f - pulse) * 0.2f) * Alpha,
                     .light = true});
    }
    return DrawNormalGem(1.0f);
}

int TGem::DrawGemPiece() {
    if (Magic) return DrawMagicGem();
    if (IsBonus() && GemType != GEM_COIN) return DrawBonusGem(1.0f);
    return DrawNormalGem(1.0f);
}

int TGem::DrawOverlay() {
    const TGameImage* picture = locked        ? MyLockImage.get()
                                : rocked == 1 ? MyRocked1Image.get()
                                : rocked == 2 ? GemImages.Rock2.get()
                                              : nullptr;
    if (!picture) return 0;
    DrawPicture(*picture, 0, {.scale = ScaleX, .rotation = ShakeRotation(), .alpha = Alpha});
    return 1;
}

void TGem::DrawExplosionFlash() const {
    if (!GemImages.Flash || ExplosionLength <= 0) return;
    const float scale = std::min(1.0f, 0.2f + (ExplosionLength - ExplosionCounter) / ExplosionLength);
    const float fadeTicks = static_cast<float>(std::max(Ticks(100), 1));
    const float alpha = ExplosionCounter < fadeTicks ? ExplosionCounter / fadeTicks : 1.0f;
    DrawPicture(*GemImages.Flash, 0, {.scale = scale, .alpha = alpha * Alpha});
}

float TGem::ShakeRotation() const {
    return BoardEvents.NoMoreMovesRunning() ? Rotation : 0;
}

int TGem::DrawGem(float yOffset, int layer, int overlayFirst) {
    if (layer == 0 ? GemType > GEM_SKULL : GemType < GEM_SKULL) return 0;
    UseOffset = 1;
    offy = yOffset > 0 ? yOffset : 0;
    offx = HintWobble ? static_cast<float>(SinDeg(Grid->HintCounter * 10) * 3) : 0;
    // The board fades as a whole.
    Alpha = Grid->alpha;
    if (ExplosionCounter > 0) {
        if (ExplosionShow && !AnimActive) DrawExplosionFlash();
        return 1;
    }
    if (BoardEvents.NoMoreMovesRunning()) offx = Grid->JiggleOffset;
    if (overlayFirst) DrawOverlay();
    // A rock hides the gem inside it.
    if (!rocked) DrawGemPiece();
    if (!overlayFirst) DrawOverlay();
    return 1;
}

int TGem::Explode(int withEffects, int force) {
    if (GemType == GEM_SKULL && !force) return 0;
    if (ExplosionCounter != 0) return 1;
    ExplosionCounter = ExplosionLength;
    if (withEffects) {
        SparkleBurst(x, y, BonusBlastThisTick() ? 7 : 15);
        SparkRing(x, y, 4);
    } else {
        SparkleBurst(x, y, 4);
        SparkRing(x, y, 2);
    }
    if (Magic) MagicRelease(x, y);
    CheckMatchGoal();
    GemType = GEM_CLEARED;
    return 1;
}

int TGem::Load() {
    for (int type = GEM_SKULL + 1; type < GEM_TYPES; ++type)
        BonusImages[type] = ImageBank.Find(BonusImageNames[type]);
    GemImages.Gems = ImageBank.Find("gems");
    GemImages.Skull = ImageBank.Find("Gold Skull");
    GemImages.Coin = BonusImages[GEM_COIN];
    GemImages.MoneyBag = BonusImages[GEM_BAG];
    GemImages.Locks = {ImageBank.Find("Lock1"), ImageBank.Find("Lock2")};
    GemImages.Rocks1 = {ImageBank.Find("Rock1Var1"), ImageBank.Find("Rock1Var2")};
    GemImages.Rock2 = ImageBank.Find("Rock2");
    GemImages.Flash = ImageBank.Find("particlering");
    LoadGemEffectImages();
    return LoadBonusEffectImages();
}

int TGem::Manage() {
    if (!Magic) return 0;
    MagicCounter += Delta;
    if (MagicCounter >= MagicLength) MagicCounter -= MagicLength;
    return 1;
}

int TGem::SpinCoin(int animEnded) {
    if (!SaveData.timer) return 0;
    LifeCounter -= Delta;
    if (animEnded) {
        // The spin quickens as the coin's life runs out.
        AnimCounter *= 0.95;
        AnimLength = static_cast<int>(AnimLength * 0.95);
        if (AnimLength < 5) {
            AnimLength = 5;
            AnimCounter = 5.0;
        }
    }
    // A coin does not vanish under the end animations.
    return LifeCounter < 1 && !BoardEvents.TimeUpRunning() && !BoardEvents.NoMoreMovesRunning() &&
                   !BoardEvents.OutroRunning()
               ? 1
               : 0;
}

int TGem::Random(int allowSkull) {
    if (Grid->GoalCollect >= 1 && BoardEvents.SkullsToGo() > 0 && allowSkull && Grid->EggCount < 3) {
        const int r = Rand(1, 10000);
        if (r < Delta * (Grid->EggCount <= 1 ? 3000 : 200)) return GEM_SKULL;
    }
    // No level loaded yet: the first colour.
    if (GemColourCount < 1) return 1;
    return GemColours[Rand(0, GemColourCount - 1)];
}

int TGem::ScaleDown() {
    MOScale = std::max(1.0f, MOScale - SCALE_DOWN_SPEED * Delta);
    ScaleX = ScaleY = MOScale;
    return 1;
}

int TGem::ScaleUp() {
    const float target = IsBonus() ? 1.0f : MAX_SCALE;
    MOScale = std::min(target, MOScale + SCALE_UP_SPEED * Delta);
    ScaleX = ScaleY = MOScale;
    return 1;
}

int TGem::SetDropInY() {
    y -= kCellSize;
    gy = ScreenToGridY(static_cast<int>(y - HALF_CELL));
    return 1;
}

int TGem::SetHintWobble(int on) {
    HintWobble = on;
    UseOffset = on;
    return 1;
}

bool TGem::AtColumnBottom() const {
    // Below the last row there is no active cell either.
    return !CellActive(gx, gy + 1);
}

bool TGem::CollectIfSkullAtBottom() {
    if (GemType != GEM_SKULL || !AtColumnBottom()) return false;
    BoardEvents.CollectEgg(*this);
    return true;
}

int TGem::UnRock(int score) {
    if (rocked <= 0) return 0;
    const auto keep = shared_from_this();
    --rocked;
    if (rocked == 1) {
        BoardEvents.TriggerUnrock2 = 1;
        RockCrack(x, y, 20);
    } else {
        BoardEvents.TriggerUnrock1 = 1;
        RockDestroyed(x, y);
    }
    if (rocked == 0) {
        --Grid->Rocks;
        if (!CollectIfSkullAtBottom()) BoardEvents.CheckTarget();
    }
    // Only a rock that is gone advances the rocks goal.
    if (score) BoardEvents.AwardMatchPoints(gx, gy, 1, 0, rocked == 0 ? 1 : 0);
    return 1;
}

int TGem::Unlock() {
    if (!locked) return 0;
    const auto keep = shared_from_this();
    UnlockPuff(x, y);
    locked = 0;
    --Grid->Locked;
    CollectIfSkullAtBottom();
    return 1;
}
