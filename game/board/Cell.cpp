#include "game/board/Cell.h"

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/core/Messages.h"
#include "framework/gfx/GameImage.h"
#include "framework/gfx/ImageBank.h"
#include "framework/screens/Screen.h"
#include "game/board/Board.h"
#include "game/board/BoardEvents.h"
#include "game/board/GameGrid.h"
#include "game/board/Gem.h"
#include "platform/codecs/ImageCodec.h"
#include "platform/files/Files.h"

TBoardImages BoardImages;

const std::array<const char*, 24> BorderImageNames = {
    "BorderBottom",    "BorderLeft",      "BorderRight",      "BorderTop",     "CornerBL",
    "CornerBR",        "CornerTL",        "CornerTR",         "InnerCornerBL", "InnerCornerBR",
    "InnerCornerTL",   "InnerCornerTR",   "ExtraLongBottom",  "ExtraLongLeft", "ExtraLongRight",
    "ExtraLongTop",    "ExtraBottomLeft", "ExtraBottomRight", "ExtraTopLeft",  "ExtraTopRight",
    "ExtraLeftBottom", "ExtraLeftTop",    "ExtraRightBottom", "ExtraRightTop"};

std::shared_ptr<TCell> TCell::Create(int x, int y) {
    auto cell = std::make_shared<TCell>();
    cell->SetCoords(x, y);
    return cell;
}

int TCell::SetCoords(int cellX, int cellY) {
    x = cellX;
    y = cellY;
    sx = static_cast<float>(GridToScreenX(x));
    sy = static_cast<float>(GridToScreenY(y));
    return 1;
}

int TCell::Load() {
    for (size_t i = 0; i < BorderImageNames.size(); ++i)
        BoardImages.Borders[i] = ImageBank.Find(BorderImageNames[i]);
    BoardImages.IceTile = ImageBank.Find("IceTile");
    BoardImages.SnowTile = ImageBank.Find("SnowTile");
    BoardImages.EmptyTile = ImageBank.Find("EmptyTile");
    const std::string mask = Game->ImagePath + "diagonalmask.png";
    std::string error;
    if (!platform::LoadImageFile(platform::files::Resolve(mask), BoardImages.DiagonalMask, error)) {
        Message("Error loading bitmap " + mask, 1, 1);
    }
    return 1;
}

int TCell::Draw(float yOffset) {
    if (!DrawTile(yOffset)) return 0;
    DrawLights(yOffset);
    return 1;
}

const std::shared_ptr<TGameImage>& TCell::Tile() const {
    return armour2 ? BoardImages.SnowTile : armour1 ? BoardImages.IceTile : BoardImages.EmptyTile;
}

int TCell::DrawTile(float yOffset) {
    if (!active) return 0;
    if (const auto& tile = Tile()) tile->Draw(sx, sy + yOffset, 0);
    return 1;
}

int TCell::DrawLights(float yOffset) {
    if (!active) return 0;
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    if (const auto& tile = Tile(); tile && glow > 0) {
        // The same tile again as light: the flash over a cleared or shimmering tile.
        const float alpha = graphics.Alpha();
        graphics.SetBlend(platform::BlendMode::Light);
        graphics.SetAlpha(glow);
        tile->Draw(sx, sy + yOffset, 0);
        graphics.SetBlend(platform::BlendMode::Alpha);
        graphics.SetAlpha(alpha);
    }
    DrawBonusHighlight(graphics);
    return 1;
}

void TCell::DrawBonusHighlight(platform::Graphics& graphics) const {
    if (!Gem || !Gem->IsBonus() || Gem->Swapping || !Game->CurrentTScreen ||
        Game->CurrentTScreen->name != "game" || BoardEvents.TarotActive() || !Grid->BonusHighlightMidImage) {
        return;
    }
    const float alpha = graphics.Alpha();
    const float cx = sx + kCellSize / 2.0f, cy = sy + kCellSize / 2.0f + Grid->topY;
    Grid->BonusHighlightMidImage->Draw(cx, cy, 0);
    graphics.SetBlend(platform::BlendMode::Light);
    graphics.SetAlpha(0.3f + (1.0f - Grid->glow4.ratio) * 0.7f);
    Grid->BonusHighlightMidImage->Draw(cx, cy, 0);
    graphics.SetBlend(platform::BlendMode::Alpha);
    graphics.SetAlpha(alpha);
    graphics.SetColor(255, 255, 255);
}
