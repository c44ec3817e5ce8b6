// Drawing a gem: its body (a colour, a skull, an item or a magic gem with its glow), its chain or rock,
// and the flash of its explosion, in the layers the gem list draws them in.
#include "game/board/Gem.h"

#include <algorithm>

#include "framework/core/Checked.h"
#include "framework/core/Game.h"
#include "framework/gfx/GameImage.h"
#include "framework/sprites/Degrees.h"
#include "framework/sprites/DrawState.h"
#include "framework/sprites/Ticks.h"
#include "game/board/BoardEvents.h"
#include "game/board/GameGrid.h"

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
