#include "game/screens/GameFinishedScreen.h"

#include <algorithm>

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/core/Input.h"
#include "framework/core/SoundBank.h"
#include "framework/gfx/BitmapFont.h"
#include "framework/gfx/Font.h"
#include "framework/gfx/GameFonts.h"
#include "framework/gfx/GameImage.h"
#include "framework/gfx/GameText.h"
#include "framework/gfx/Label.h"
#include "framework/screens/GameFade.h"
#include "framework/sprites/Animation.h"
#include "framework/ui/Menu.h"
#include "game/board/BoardSound.h"
#include "game/screens/OkMenu.h"
#include "platform/KeyCodes.h"

std::shared_ptr<TGameFinishedScreen> GameFinishedScreen;

namespace {

constexpr float kHeaderY = 95, kHeaderWidth = 760;
constexpr float kMessageScale = 0.8f;
// A veil under the words, so that they read over the bright sky.
constexpr float kVeilAlpha = 0.5f, kVeilPad = 24;

}  // namespace

TGameFinishedScreen::TGameFinishedScreen() {
    name = "gamefinished";
}

int TGameFinishedScreen::Load() {
    ImageLoad("Backgrounds/bg11.jpg", -1, 0);
    Character = TGameImage::Create(Game->ImagePath + "Backgrounds/bg10.jpg", kFilteredImageFlag, 0);
    HOHOSound = SoundBank.Load("GameFinishedScreen/Scream.wav");
    Game->MusicLoad("gameend.ogg", 1);
    auto font = TFont::Create(nullptr, nullptr, nullptr, 0, GameFonts.GUIFont, nullptr, "GUIFont");
    MessageLabel = TLabel::CreateSpecial(GameText.FindString("End Game Text"),
                                         static_cast<float>(PageWidth / 2 + MESSAGE_X), MESSAGE_Y, 1, *font,
                                         MESSAGE_WIDTH, kMessageScale);
    Menu = MakeOkMenu();
    return 1;
}

int TGameFinishedScreen::Start() {
    TScreen::Start();
    Game->IgnoreEscapeKey = 1;
    Leaving = 0;
    // Each timer stays at its end once run; the later ones wait, not started, for the one before.
    CharacterFade = TAnimation::Create(kCharacterInMs, 1, 1, 0, 0);
    DelayTimer = TAnimation::Create(kDelayMs, 1, 1, 0, 0);
    DawnFade = TAnimation::Create(kDawnMs, 1, 1, 0, 0);
    MessageFade = TAnimation::Create(kMessageMs, 1, 1, 0, 0);
    CharacterFade->Start();
    Game->MusicPlay(0, 0, 0);
    return 1;
}

int TGameFinishedScreen::Kill() {
    Game->IgnoreEscapeKey = 0;
    Character.reset();
    MessageLabel.reset();
    CharacterFade.reset();
    DelayTimer.reset();
    DawnFade.reset();
    MessageFade.reset();
    return TScreen::Kill();
}

float TGameFinishedScreen::CharacterAlpha() const {
    if (DawnFade->Active) return 1 - DawnFade->GetRatioSine();
    return CharacterFade->GetRatioSine();
}

float TGameFinishedScreen::MessageAlpha() const {
    return MessageFade->Active ? MessageFade->GetRatio() : 0;
}

int TGameFinishedScreen::Logic() {
    if (Leaving) return 1;
    Menu->Manage(0, 0);
    if (!CharacterFade->Finished && CharacterFade->Manage()) DelayTimer->Start();
    if (!DelayTimer->Finished && DelayTimer->Manage()) {
        DawnFade->Start();
        MessageFade->Start();
        PlayBoardSound(HOHOSound.get());
    }
    if (!DawnFade->Finished) DawnFade->Manage();
    if (!MessageFade->Finished) MessageFade->Manage();
    if (Menu->Clicked("ok") || KeyHit(platform::vk::kEscape)) {
        Leaving = 1;
        TScreen* credits = CreditsDestination ? CreditsDestination() : nullptr;
        if (credits) credits->Destination = AfterCreditsDestination ? AfterCreditsDestination() : nullptr;
        FadeOutTo(credits ? credits : Game->ExitScreen.get(), DefaultFadeTime, 0);
    }
    return 1;
}

int TGameFinishedScreen::Draw() {
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    graphics.SetBlend(platform::BlendMode::Solid);
    if (Image) Image->Draw(0, 0, 0);
    graphics.SetBlend(platform::BlendMode::Alpha);
    graphics.SetAlpha(CharacterAlpha());
    Character->Draw(CHARACTER_X, CHARACTER_Y, 0);
    const float alpha = MessageAlpha();
    if (alpha > 0) {
        const float height = MessageLabel->CalcWordWrappedHeight();
        graphics.SetColor(0, 0, 0);
        graphics.SetAlpha(kVeilAlpha * alpha);
        const float left = static_cast<float>(PageWidth - MESSAGE_WIDTH) / 2 - kVeilPad;
        graphics.DrawRect(left, kHeaderY - kVeilPad, MESSAGE_WIDTH + 2 * kVeilPad,
                          MESSAGE_Y + height - kHeaderY + 2 * kVeilPad);
        graphics.SetColor(255, 255, 255);
        graphics.SetAlpha(alpha);
        const std::string header = GameText.FindString("End Game Header");
        const float scale = static_cast<float>(std::min(1.0, GameFonts.BigText->CalcReducedScale(header, kHeaderWidth)));
        graphics.SetScale(scale, scale);
        GameFonts.BigText->DrawAligned(header, static_cast<float>(PageWidth) / 2, kHeaderY, 1);
        graphics.SetScale(1, 1);
        MessageLabel->Alpha = alpha;
        MessageLabel->Draw();
    }
    graphics.SetAlpha(1);
    Menu->Draw(0, 0);
    return 1;
}
