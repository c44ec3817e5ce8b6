#include "game/board/GameGrid.h"

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/core/SoundBank.h"
#include "framework/gfx/GameImage.h"
#include "framework/gfx/ImageBank.h"
#include "game/board/Board.h"
#include "game/board/BoardEvents.h"
#include "game/board/Cell.h"
#include "game/board/Gem.h"
#include "game/board/GemList.h"

namespace {

// A sound of the bank at a pitch of the board's own: the bank's copy keeps its pitch for other players.
std::shared_ptr<TGameSound> BoardSound(const char* name, float pitch = 1.0f) {
    auto sound = std::make_shared<TGameSound>(*SoundBank.Find(name));
    sound->pitch *= pitch;
    return sound;
}

}  // namespace

std::shared_ptr<TGameGrid> TGameGrid::Create() {
    static int boards = 0;
    auto grid = std::make_shared<TGameGrid>();
    grid->Serial = ++boards;
    grid->Init();
    return grid;
}

int TGameGrid::Kill() {
    return 1;
}

int TGameGrid::Init() {
    InitImages();
    InitSounds();
    TGem::InitIdleAnims();
    glow1.Init(0, 180, 1.0f, 0);
    glow2.Init(0, 180, 0.5f, 0);
    SkullAnim.Init(0, 360, 0.5f, 0);
    SetBonusGlowNormal();
    SwapTime = Game->CalcAnimLength(200);
    HintLength = Game->CalcAnimLength(2000);
    ClearTopRow();
    NearlyDone = 0;
    return 1;
}

int TGameGrid::InitImages() {
    CursorImage = ImageBank.Find("cursor");
    // Centred on a cell whatever the picture's size.
    CursorImage->image->SetHandle(static_cast<float>((CursorImage->w - kCellSize) / 2),
                                  static_cast<float>((CursorImage->h - kCellSize) / 2));
    BonusHighlightMidImage = ImageBank.Find("BonusHighlight");
    MagicHighlightImage = ImageBank.Find("MagicHighlight");
    return 1;
}

int TGameGrid::InitSounds() {
    ClickSound = BoardSound("Click");
    ClickReverseSound = BoardSound("ClickReverse");
    InvalidSound = BoardSound("InvalidClick");
    SwapSound = BoardSound("Swap");
    FailedSound = BoardSound("FailedSwap");
    MatchOverTileSound = BoardSound("MatchOverTile");
    MatchOverArmour2Sound = BoardSound("MatchOverArmour2");
    MatchNoArmourSound = BoardSound("Match");
    LockedSound = BoardSound("LockClick", 1.2f);
    RockedSound = BoardSound("RockClick");
    UnlockSound = BoardSound("Unlock");
    UnRockSound1 = BoardSound("RockDestroyed", 0.8f);
    UnRockSound2 = BoardSound("RockCracked", 0.5f);
    GoldCoinSound = BoardSound("coin");
    GoldBagSound = BoardSound("bag", 0.8f);
    HUDChargeSound = BoardSound("GaugeFull");
    LandSound = BoardSound("GemLanding");
    MagicSound = BoardSound("MagicReleased");
    HintSound = BoardSound("Hint");
    InvalidBonusSound = BoardSound("InvalidClick");
    CrossBombSound = BoardSound("CrossBomb");
    DiagonalBombSound = BoardSound("DiagonalBomb");
    DiagonalBomb2Sound = BoardSound("DiagonalBomb2");
    CrossDiagBombSound = BoardSound("HolyWater");
    ExplodeSound = BoardSound("Explode");
    HorizontalBombSound = BoardSound("HorizontalBomb");
    VerticalBombSound = BoardSound("VerticalBomb");
    return 1;
}

int TGameGrid::SetBonusGlowNormal() {
    // Half a cycle apart, so one brightens while the other dims.
    glow3.Init(0, 180, 0.75f, 0);
    glow4.Init(0, 180, 0.75f, 0);
    glow4.SetCounter(90);
    return 1;
}

int TGameGrid::Centre() {
    sx = (1024 - levelwidth * kCellSize) / 2 + 75;
    sy = (768 - levelheight * kCellSize) / 2 - 45;
    return 1;
}

int TGameGrid::CreateCells() {
    for (int x = 0; x < levelwidth; ++x) {
        for (int y = 0; y < levelheight; ++y) Cells[x][y] = TCell::Create(x, y);
    }
    return 1;
}

int TGameGrid::Clear() {
    ClearGrid();
    ClearBorderArray();
    return 1;
}

int TGameGrid::ClearGrid() {
    ClearCells();
    EggCount = 0;
    return 1;
}

int TGameGrid::ClearBorderArray() {
    ClearBorderPieces();
    return 1;
}

int TGameGrid::ClearTopRow() {
    ClearTopCells();
    return 1;
}

int TGameGrid::CalcTopRowY() {
    for (int x = 0; x < kMaxColumns; ++x) {
        int count = 0;
        for (int y = 0; y < levelheight && x < levelwidth; ++y) {
            if (CellActive(x, y) && !CellActive(x, y - 1) && count < kMaxTopCells) TopCellY[x][count++] = y;
        }
        TopCellCount[x] = count;
        if (count == 0) TopCellY[x][0] = -1;
    }
    return 1;
}

int TGameGrid::AddBorder(float x, float y, int type) {
    // A board of at most 13 × 10 cells cannot need more pieces than the array holds.
    if (BorderCount >= kMaxBorders) return 0;
    Borders[BorderCount++] = TBorder{x, y, type};
    return 1;
}

int TGameGrid::GetGoalScore(int x, int y, int countArmour) {
    const TCell* cell = CellAt(x, y);
    if (!cell) return 0;
    if (countArmour && GoalArmour && (cell->armour1 || cell->armour2)) return 1;
    if (GoalMatches > 0 && cell->Gem && cell->Gem->GemType == GoalMatchesType &&
        BoardEvents.MatchesStillWanted()) {
        return 1;
    }
    return 0;
}

int TGameGrid::Draw() {
    DrawBase();
    return DrawOver();
}

int TGameGrid::DrawBase() {
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    graphics.SetColor(255, 255, 255);
    graphics.SetAlpha(alpha);
    DrawBorderShadow();
    DrawBorder();
    for (int x = 0; x < levelwidth; ++x) {
        for (int y = 0; y < levelheight; ++y) {
            if (Cells[x][y]) Cells[x][y]->DrawTile(topY);
        }
    }
    graphics.SetAlpha(1.0f);
    return 1;
}

int TGameGrid::DrawOver() {
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    graphics.SetColor(255, 255, 255);
    graphics.SetAlpha(alpha);
    for (int x = 0; x < levelwidth; ++x) {
        for (int y = 0; y < levelheight; ++y) {
            if (Cells[x][y]) Cells[x][y]->DrawLights(topY);
        }
    }
    DrawMouseSquares();
    if (Gems) Gems->Draw();
    BoardEvents.DrawBoardOverlay();
    DrawSelection();
    DrawKeyCursor();
    graphics.SetAlpha(1.0f);
    return 1;
}

void TGameGrid::DrawMouseSquares() const {
    // The cell the hand is over: the keyboard's cursor while it shows, else the mouse's.
    const int hx = KeyCursorShown ? KeyCursorX : mx, hy = KeyCursorShown ? KeyCursorY : my;
    const TCell* cell = CellAt(hx, hy);
    if (!cell || !cell->active) return;
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    // A square one pixel inside a cell.
    auto square = [&](int x, int y) {
        graphics.DrawRect(static_cast<float>(GridToScreenX(x) + 1),
                          static_cast<float>(GridToScreenY(y) + 1) + topY, kCellSize - 2, kCellSize - 2);
    };
    const bool quiet = !BoardEvents.NoMoreMovesRunning() && !BoardEvents.IntroRunning() &&
                       !BoardEvents.OutroRunning() && !BoardEvents.LevelCompleteActive() &&
                       !HUDPowerupBlockInput;
    graphics.SetAlpha(0.4f);
    if (quiet && !(cell->Gem && cell->Gem->locked)) square(hx, hy);
    if (PointerGemType) {
        for (const THUDPowerInfo& point : PointerGemType->GetAreaOfEffect(hx, hy)) {
            if (point.valid) {
                graphics.SetColor(100, 255, 100);
            } else {
                graphics.SetColor(255, 50, 50);
            }
            square(point.pos.x, point.pos.y);
        }
        graphics.SetColor(255, 255, 255);
    }
    graphics.SetAlpha(alpha);
}

void TGameGrid::DrawSelection() const {
    if (Mode != 1 || !CursorImage || !CellAt(cx, cy)) return;
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    const float x = static_cast<float>(GridToScreenX(cx)), y = static_cast<float>(GridToScreenY(cy)) + topY;
    CursorImage->Draw(x, y, 0);
    graphics.SetBlend(platform::BlendMode::Light);
    graphics.SetAlpha(0.2f + (1.0f - glow1.ratio) * 0.8f);
    CursorImage->Draw(x, y, 0);
    graphics.SetBlend(platform::BlendMode::Alpha);
    graphics.SetAlpha(alpha);
}

int TGameGrid::DrawBorder() {
    DrawPieces(0, 0);
    return 1;
}

void TGameGrid::DrawPieces(float offsetX, float offsetY) const {
    auto draw = [&](const TBorder& piece) {
        const auto& picture = BoardImages.Borders[piece.index];
        if (picture) picture->Draw(piece.x + offsetX, piece.y + offsetY + topY, 0);
    };
    for (int i = 0; i < ExtraBorderCount; ++i) draw(ExtraBorders[i]);
    for (int i = 0; i < BorderCount; ++i) draw(Borders[i]);
}

int TGameGrid::DrawBorderShadow() {
    if (Game->Particles < 50) return 0;
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    graphics.SetColor(0, 0, 0);
    graphics.SetAlpha(0.3f * alpha);
    DrawPieces(4.5f, 4.5f);
    graphics.SetAlpha(alpha);
    graphics.SetColor(255, 255, 255);
    return 1;
}
