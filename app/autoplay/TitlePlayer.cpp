#include "app/autoplay/TitlePlayer.h"

#include "app/autoplay/AutoInput.h"
#include "app/autoplay/Hand.h"
#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/screens/GameFade.h"
#include "framework/ui/DialogTextInput.h"
#include "framework/ui/Menu.h"
#include "game/screens/TitleScreen.h"
#include "platform/KeyCodes.h"

namespace {

bool Still(const TDialog& dialog) {
    return dialog.Active && dialog.Transitioning == 0;
}

// A key as a person presses it: down, the character it types, up.
void PressKey(int key, char32_t character) {
    PushAutoInput({.type = platform::EventType::KeyDown, .key = key});
    PushAutoInput({.type = platform::EventType::Character, .character = character});
    PushAutoInput({.type = platform::EventType::KeyUp, .key = key});
}

}  // namespace

void TTitlePlayer::Type() {
    if (typed_ > name_.size()) return;
    if (typed_ == name_.size()) {
        PressKey(platform::vk::kEnter, U'\r');
    } else {
        const char c = name_[typed_];
        const int key = c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c;
        PressKey(key, static_cast<char32_t>(c));
    }
    ++typed_;
}

void TTitlePlayer::Tick(THand& hand) {
    if (!hand.Idle()) {
        hand.Tick();
        return;
    }
    const TTitleScreen& title = *TitleScreen;
    waited_ += Delta;
    if (title.EnterName) {
        const TDialogTextInput& prompt = *title.EnterName;
        if (prompt.OKClickedDialog) {
            // The play mode, once the question has slid in and been read.
            if (!Still(*prompt.OKClickedDialog) || waited_ < static_cast<float>(lookTicks_)) return;
            if (ClickMenuButton(hand, *prompt.OKClickedDialog->Menu, relaxed_ ? "No" : "Yes")) waited_ = 0;
            return;
        }
        if (!Still(prompt) || prompt.DialogOK || waited_ < static_cast<float>(keyTicks_)) return;
        if (typed_ == 0 && !prompt.TextInput.Text.empty()) return;
        Type();
        waited_ = 0;
        return;
    }
    typed_ = 0;
    if (title.PlayerManager || title.ExitDialog || !Game->CurrentProfile || Game->GameFade->Active) {
        waited_ = 0;
        return;
    }
    if (waited_ < static_cast<float>(lookTicks_) || !title.Menu) return;
    if (ClickMenuButton(hand, *title.Menu, "play")) waited_ = 0;
}
