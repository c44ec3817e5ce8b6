// The tutorial's boxes and arrows: making them, running and drawing them, fading them, and the glow on the
// board that marks the cell a tip is about.
#include "game/screens/Tutorial.h"

#include <algorithm>

#include "framework/core/Game.h"
#include "framework/gfx/GameFonts.h"
#include "framework/gfx/GameImage.h"
#include "framework/gfx/ImageBank.h"
#include "framework/screens/Screen.h"
#include "framework/sprites/Sprite.h"
#include "framework/ui/MousePointer.h"
#include "game/board/GameGrid.h"
#include "game/screens/DynamicTip.h"
#include "game/screens/LevelEvents.h"
#include "game/screens/TipArrow.h"

TTutorial Tutorial;

namespace {

// The box's layout on the tip picture: the header in the band at the top, the body below the rule.
constexpr int kHeaderRoom = 120, kHeaderRoomFourLines = 44, kBodyRoom = 80;
constexpr float kHeaderMiddleY = 36, kBodyTop = 69, kBodyTopFourLines = 64;
constexpr int kLineGap = 29;
// The body stands lower when it is short and higher when it is long, so it sits in the box's middle.
constexpr float kShortBodyDrop = 10, kThreeLineLift = 4;
// The arrows swing this far back from their target, this many degrees of the swing a tick.
constexpr float kBounceRange = 12, kBounceSpeed = 4;
// The word on the thin arrow sits on its plaque, from x 56 to 228 of the picture.
constexpr float kPlaqueMiddleX = 142;
// A downward arrow's tip stands 5 pixels above the cell it points at: the glow is on that cell's middle.
constexpr float kTipToCellMiddle = 5 + 33;
constexpr float kGlowPulseSpeed = 3;

// Drops entry i of the first count entries of a list, closing it up.
template <typename T>
void RemoveAt(std::array<std::shared_ptr<T>, TTutorial::MAX_TIPS>& list, int& count, int i) {
    for (int j = i; j < count - 1; ++j) list[static_cast<size_t>(j)] = list[static_cast<size_t>(j + 1)];
    list[static_cast<size_t>(--count)].reset();
}

}  // namespace

int TTutorial::SetImages() {
    ArrowImage = ImageBank.LoadNoMid("Tutorial/Arrow");
    ArrowLongImage = ImageBank.LoadNoMid("Tutorial/ArrowLong");
    ArrowSmallImage = ImageBank.LoadNoMid("Tutorial/ArrowSmall");
    ArrowThinImage = ImageBank.LoadNoMid("Tutorial/ArrowThin");
    TipWithCloseImage = ImageBank.LoadNoMid("Tutorial/TipWithClose");
    TipGlowImage = ImageBank.Load("Tutorial/TipGlow");
    return 1;
}

int TTutorial::Clear() {
    PumpkinTipShown = GoalCompleteShown = MagicTipShown = NearlyDoneShown = 0;
    RainbowTipShown = RainbowTipShownOnLevel3 = 0;
    CurrentTip = 0;
    return ClearTips();
}

int TTutorial::ClearTips() {
    for (auto& tip : Tips) tip.reset();
    for (auto& arrow : TipArrows) arrow.reset();
    TipsCount = TipArrowsCount = 0;
    CurrentTip = 0;
    return KillTipGlowSprite();
}

int TTutorial::Kill() {
    return ClearTips();
}

int TTutorial::KillTipGlowSprite() {
    TipGlowSprite.reset();
    return 1;
}

std::shared_ptr<TDynamicTip> TTutorial::CreateDynamicTip(const std::string& header, const std::string& text,
                                                         int x, int y, int timeLimit, int closeable,
                                                         const std::string& tag) {
    if (TipsCount >= MAX_TIPS) return nullptr;
    const int w = TipWithCloseImage ? TipWithCloseImage->w : 500;
    auto tip = TDynamicTip::Create(TipWithCloseImage, static_cast<float>(x), static_cast<float>(y),
                                   w - kHeaderRoom, w - kBodyRoom, timeLimit, closeable, tag);
    tip->SetText(text, GameFonts.GUIFont, kLineGap, kBodyTop);
    const size_t lines = tip->_textWrapped.size();
    if (lines <= 2) {
        tip->_textYOffset += kShortBodyDrop;
    } else if (lines == 3) {
        tip->_textYOffset -= kThreeLineLift;
    } else {
        tip->_headerDrawWidth = w - kHeaderRoomFourLines;
        tip->_textYOffset = kBodyTopFourLines;
    }
    tip->SetHeader(header, GameFonts.DialogHeader, kHeaderMiddleY);
    Tips[static_cast<size_t>(TipsCount++)] = tip;
    return tip;
}

std::shared_ptr<TTipArrow> TTutorial::CreateDynamicTipArrow(std::shared_ptr<TGameImage> image, int x, int y,
                                                            int timeLimit, const std::string& text, int dirX,
                                                            int dirY, int glow) {
    if (TipArrowsCount >= MAX_TIPS) return nullptr;
    auto arrow = TTipArrow::Create(std::move(image), static_cast<float>(x), static_cast<float>(y), timeLimit);
    arrow->SetBounce(kBounceRange, kBounceSpeed, dirX, dirY);
    if (!text.empty() && arrow->_image) {
        arrow->SetText(text, GameFonts.GUIFontSmall, kPlaqueMiddleX, arrow->_image->h2);
    }
    TipArrows[static_cast<size_t>(TipArrowsCount++)] = arrow;
    if (glow && TipGlowImage) {
        glowX_ = static_cast<float>(x) + kTipToCellMiddle * static_cast<float>(dirX);
        glowY_ = static_cast<float>(y) + kTipToCellMiddle * static_cast<float>(dirY);
        TipGlowSprite = TSprite::Create(TipGlowImage, glowX_, glowY_);
        TipGlowSprite->GlowCounter.Init(0, 360, kGlowPulseSpeed, 0);
    }
    return arrow;
}

int TTutorial::CreateDynamicTipWrapper(const TTipData& data) {
    std::shared_ptr<TTipArrow> arrow;
    if (data.arrowType) {
        arrow =
            CreateDynamicTipArrow(data.arrowType, data.arrowX, data.arrowY, data.timeLimit, data.arrowText,
                                  data.arrowDirectionX, data.arrowDirectionY, data.tipGlow);
    }
    if (!data.theText.empty()) {
        auto tip = CreateDynamicTip(data.theHeaderText, data.theText, data.tipX, data.tipY, data.timeLimit,
                                    data.closeable, data.tag);
        if (tip) tip->associatedArrow = arrow;
    }
    if (!data.tag.empty() && (arrow || !data.theText.empty())) LevelEvents.TipShown(data.tag);
    return 1;
}

int TTutorial::FadeTips() {
    for (int i = 0; i < TipsCount; ++i) Tips[static_cast<size_t>(i)]->StartFadeOut();
    for (int i = 0; i < TipArrowsCount; ++i) TipArrows[static_cast<size_t>(i)]->StartFadeOut();
    return 1;
}

int TTutorial::Manage() {
    const int hits = Game->Mouse ? Game->Mouse->PeekHits(1) : 0;
    ManageTips();
    ManageTipArrows();
    if (TipGlowSprite) TipGlowSprite->GlowCounter.Manage();
    return hits && Game->Mouse && !Game->Mouse->PeekHits(1) ? 1 : 0;
}

std::shared_ptr<TDynamicTip> TTutorial::ClosableTip() const {
    for (int i = 0; i < TipsCount; ++i) {
        const auto& tip = Tips[static_cast<size_t>(i)];
        if (tip && tip->visible && tip->_closeable && tip->_image && !tip->FadingOut()) return tip;
    }
    return nullptr;
}

int TTutorial::ManageTips() {
    for (int i = 0; i < TipsCount;) {
        if (!Tips[static_cast<size_t>(i)]->Logic()) {
            ++i;
            continue;
        }
        RemoveAt(Tips, TipsCount, i);
        // In the shop the glow goes with its arrow alone; on the board a closed tip takes it along.
        const bool inShop = Game->CurrentTScreen && Game->CurrentTScreen->name == "shop";
        if (!inShop) KillTipGlowSprite();
    }
    return 1;
}

int TTutorial::ManageTipArrows() {
    for (int i = 0; i < TipArrowsCount;) {
        auto& arrow = TipArrows[static_cast<size_t>(i)];
        if (arrow->Logic() || !arrow->visible) {
            RemoveAt(TipArrows, TipArrowsCount, i);
        } else {
            ++i;
        }
    }
    return 1;
}

int TTutorial::Draw() {
    DrawTips();
    return DrawTipArrows();
}

int TTutorial::DrawTips() {
    for (int i = 0; i < TipsCount; ++i) Tips[static_cast<size_t>(i)]->Draw();
    return 1;
}

int TTutorial::DrawTipArrows() {
    for (int i = 0; i < TipArrowsCount; ++i) TipArrows[static_cast<size_t>(i)]->Draw();
    return 1;
}

int TTutorial::DrawBoardOverlay() {
    if (!TipGlowSprite || !TipGlowImage) return 0;
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    // A soft light that breathes over the cell, moving with the board.
    const float boardAlpha = Grid ? Grid->alpha : 1.0f;
    const float pulse = 0.55f + 0.35f * TipGlowSprite->GlowCounter.ratio;
    graphics.SetBlend(platform::BlendMode::Light);
    graphics.SetColor(255, 255, 255);
    graphics.SetAlpha(pulse * boardAlpha);
    TipGlowImage->DrawMiddle(glowX_, glowY_ + (Grid ? Grid->topY : 0.0f), 0);
    graphics.SetBlend(platform::BlendMode::Alpha);
    graphics.SetAlpha(boardAlpha);
    return 1;
}
