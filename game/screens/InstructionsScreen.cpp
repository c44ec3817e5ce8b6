#include "game/screens/InstructionsScreen.h"

#include <algorithm>

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/core/Input.h"
#include "framework/gfx/BitmapFont.h"
#include "framework/gfx/GameFonts.h"
#include "framework/gfx/GameImage.h"
#include "framework/gfx/GameText.h"
#include "framework/gfx/ImageBank.h"
#include "framework/gfx/Label.h"
#include "framework/screens/GameFade.h"
#include "framework/sprites/Animation.h"
#include "framework/ui/Menu.h"
#include "game/board/GemPictureLayout.h"
#include "game/screens/OkMenu.h"
#include "platform/KeyCodes.h"

std::shared_ptr<TInstructionsScreen> InstructionsScreen;

namespace {

enum Picture { kGemPicture, kCursorPicture, kTilePicture, kRockPicture, kLockPicture, kSkullPicture, kBombPicture, kRingPicture };
constexpr int kBeatMs = 2400;
// Inside a panel: the example's frame is on the left, the words on the right.
constexpr float kExampleX = 75, kExampleY = 110, kWordsX = 150, kTitleY = 18, kBodyY = 62;
constexpr float kWordsWidth = 255, kBodyFoot = 205;
constexpr float kGemScale = 0.8f, kGemStep = 56;
constexpr float kHeaderX = 512, kHeaderY = 79, kHeaderHeight = 44;

// A picture of the board the level screen may have loaded already; otherwise it is loaded here, about
// its middle.
std::shared_ptr<TGameImage> BoardPicture(const std::string& path, int frames) {
    if (auto found = ImageBank.Find(path.substr(path.rfind('/') + 1), 1)) return found;
    if (frames > 1) return ImageBank.LoadAnim(path, gemlayout::kCell, gemlayout::kCell, 0, frames);
    return ImageBank.Load(path);
}

}  // namespace

TInstructionsScreen::TInstructionsScreen() {
    name = "instructions";
}

int TInstructionsScreen::PanelX(int panel) {
    return panel % 2 == 0 ? col1x : col2x;
}

int TInstructionsScreen::PanelY(int panel) {
    return panel < 2 ? row1y : row2y;
}

int TInstructionsScreen::Load() {
    ImageLoad("Backgrounds/InstructionsBackground.jpg", -1, 0);
    using namespace gemlayout;
    pictures_[kGemPicture] = BoardPicture(PathOf(kStrip), kStripFrames);
    pictures_[kCursorPicture] = BoardPicture("Board/cursor", 1);
    pictures_[kTilePicture] = BoardPicture("Board/IceTile", 1);
    pictures_[kRockPicture] = BoardPicture(PathOf(kRocks[0]), 1);
    pictures_[kLockPicture] = BoardPicture(PathOf(kLocks[0]), 1);
    pictures_[kSkullPicture] = BoardPicture(PathOf(kSkull), 1);
    pictures_[kBombPicture] = BoardPicture(PathOf(kBonusPictures[kFirstBonus]), 1);
    pictures_[kRingPicture] = BoardPicture("Particles/ParticleRingOrange", 1);
    InstructionsFont = GameFonts.GUIFont;
    Menu = MakeOkMenu();
    Anim1 = TAnimation::Create(kBeatMs, 0, 1, 1, 0);
    glow1.Init(0, 360, 2.0f, 0);
    glow2.Init(90, 450, 1.7f, 0);
    glow3.Init(180, 540, 2.3f, 0);
    glow4.Init(270, 630, 1.9f, 0);
    PageWidth = static_cast<int>(kWordsWidth);
    // The explanations take the largest size at which every one fits its panel.
    Text.clear();
    TotalLines = 0;
    for (int i = 0; i < kPanels; ++i) {
        const std::string key = "Instructions " + std::to_string(i + 1);
        Text.push_back(GameText.FindString(key));
    }
    const float gap = static_cast<float>(InstructionsFont->GetLineGap());
    for (bodyScale_ = 0.8f; bodyScale_ > 0.45f; bodyScale_ -= 0.05f) {
        bool fits = true;
        for (size_t i = 0; i < Text.size(); ++i) {
            const size_t cut = Text[i].find('\n');
            titles_[i] = Text[i].substr(0, cut);
            const std::string body = cut == std::string::npos ? "" : Text[i].substr(cut + 1);
            bodies_[i] = WrapText(*InstructionsFont, body, static_cast<float>(PageWidth), bodyScale_);
            fits = fits && kBodyY + static_cast<float>(bodies_[i].size()) * gap * bodyScale_ <= kBodyFoot;
        }
        if (fits) break;
    }
    for (const auto& body : bodies_) TotalLines += static_cast<int>(body.size());
    return 1;
}

int TInstructionsScreen::Start() {
    TScreen::Start();
    Game->IgnoreEscapeKey = 1;
    FromMap = Game->LastTScreen && Game->LastTScreen->name == "map";
    Leaving = 0;
    MagicRotation = 0;
    Anim1->Start();
    return 1;
}

int TInstructionsScreen::Kill() {
    Game->IgnoreEscapeKey = 0;
    pictures_ = {};
    Anim1.reset();
    return TScreen::Kill();
}

int TInstructionsScreen::Logic() {
    if (Leaving) return 1;
    Menu->Manage(0, 0);
    Anim1->Manage();
    for (TSineCounter* glow : {&glow1, &glow2, &glow3, &glow4}) glow->Manage();
    MagicRotation += 0.05f * Delta;
    if (MagicRotation >= 360) MagicRotation -= 360;
    if (Menu->Clicked("ok") || KeyHit(platform::vk::kEscape)) {
        Leaving = 1;
        FadeOutTo(Destination ? Destination : Game->ExitScreen.get(), DefaultFadeTime, FromMap);
    }
    return 1;
}

void TInstructionsScreen::DrawGlow(float x, float y, const TSineCounter& glow) {
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    graphics.SetBlend(platform::BlendMode::Light);
    graphics.SetAlpha(0.35f + 0.3f * glow.ratio);
    pictures_[kRingPicture]->DrawMiddle(x, y, 0);
    graphics.SetBlend(platform::BlendMode::Alpha);
    graphics.SetAlpha(1);
}

void TInstructionsScreen::DrawExample(int panel, float cx, float cy) {
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    const float beat = Anim1->GetRatio();
    const auto gem = [&](int colour, float x, float y) {
        graphics.SetScale(kGemScale, kGemScale);
        pictures_[kGemPicture]->DrawMiddle(x, y, gemlayout::ColourFrame(colour));
        graphics.SetScale(1, 1);
    };
    switch (panel) {
    case 0: {
        // The middle gem slides into the column and the line of three lights up.
        const float slide = std::clamp(beat * 2, 0.0f, 1.0f);
        const float shift = 40 * (1 - slide * slide * (3 - 2 * slide));
        if (slide >= 1) DrawGlow(cx, cy, glow1);
        gem(2, cx, cy - kGemStep);
        gem(2, cx + shift, cy);
        gem(2, cx, cy + kGemStep);
        graphics.SetScale(kGemScale, kGemScale);
        pictures_[kCursorPicture]->DrawMiddle(cx + shift, cy, 0);
        graphics.SetScale(1, 1);
        break;
    }
    case 1:
        DrawGlow(cx, cy - 45, glow2);
        graphics.SetScale(kGemScale, kGemScale);
        pictures_[kTilePicture]->DrawMiddle(cx, cy - 45, 0);
        graphics.SetScale(1, 1);
        gem(4, cx, cy - 45);
        graphics.SetScale(kGemScale, kGemScale);
        pictures_[kRockPicture]->DrawMiddle(cx, cy + 45, 0);
        graphics.SetScale(1, 1);
        break;
    case 2: {
        // The skull sinks gently, as it does when the gems under it go.
        const float sink = 8 * glow3.ratio;
        gem(5, cx, cy - 45);
        graphics.SetScale(kGemScale, kGemScale);
        pictures_[kLockPicture]->DrawMiddle(cx, cy - 45, 0);
        pictures_[kSkullPicture]->DrawMiddle(cx, cy + 45 + sink, 0);
        graphics.SetScale(1, 1);
        break;
    }
    default:
        graphics.SetRotation(MagicRotation);
        DrawGlow(cx, cy, glow4);
        graphics.SetRotation(0);
        pictures_[kBombPicture]->DrawMiddle(cx, cy, 0);
        break;
    }
}

int TInstructionsScreen::Draw() {
    TScreen::Draw();
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    graphics.SetBlend(platform::BlendMode::Alpha);
    const std::string header = GameText.FindString("Instructions Header");
    const float headerScale = std::min(1.0f, kHeaderHeight / static_cast<float>(GameFonts.BigText->GetLineGap()));
    graphics.SetScale(headerScale, headerScale);
    GameFonts.BigText->Draw(header, kHeaderX + static_cast<float>(ox), kHeaderY + static_cast<float>(oy), 1, 0, 0, 0, 0, 1);
    graphics.SetScale(1, 1);
    const float gap = static_cast<float>(InstructionsFont->GetLineGap()) * bodyScale_;
    for (int i = 0; i < kPanels; ++i) {
        const float px = static_cast<float>(PanelX(i) + ox), py = static_cast<float>(PanelY(i) + oy);
        DrawExample(i, px + kExampleX, py + kExampleY);
        graphics.SetScale(0.6f, 0.6f);
        GameFonts.DialogHeader->Draw(titles_[static_cast<size_t>(i)], px + kWordsX, py + kTitleY);
        graphics.SetScale(bodyScale_, bodyScale_);
        float y = py + kBodyY;
        for (const std::string& line : bodies_[static_cast<size_t>(i)]) {
            InstructionsFont->Draw(line, px + kWordsX, y);
            y += gap;
        }
        graphics.SetScale(1, 1);
    }
    return 1;
}
