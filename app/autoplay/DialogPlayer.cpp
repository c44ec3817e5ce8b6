#include "app/autoplay/DialogPlayer.h"

#include <cstring>

#include "app/autoplay/Hand.h"
#include "framework/core/Globals.h"
#include "framework/ui/Button.h"
#include "framework/ui/Dialog.h"
#include "framework/ui/Menu.h"

const char* DialogAnswer(const TDialog& dialog) {
    if (!dialog.Menu) return "";
    const TMenu& menu = *dialog.Menu;
    const auto shown = [&menu](const char* name) {
        const auto button = menu.FindButton(name);
        return button && button->Active && !button->Disabled;
    };
    if (dialog.Name == "purchase") return shown("Buy") ? "Buy" : "Cancel";
    if (dialog.Name == "wallpaper_question" || dialog.Name == "confirm") return "No";
    for (const char* name : {"OK", "Yes"}) {
        if (shown(name)) return name;
    }
    return "";
}

bool TDialogPlayer::Tick(THand& hand) {
    const auto& open = TDialog::OpenDialogs();
    if (open.empty()) {
        waited_ = 0;
        return false;
    }
    if (!hand.Idle()) {
        hand.Tick();
        return true;
    }
    const TDialog& dialog = *open.back();
    // Only a dialog standing in its place takes clicks.
    const bool still = dialog.Active && dialog.Transitioning == 0 && !dialog.Disabled;
    waited_ = still ? waited_ + Delta : 0;
    if (waited_ < static_cast<float>(readTicks_) || !dialog.Menu) return true;
    const char* answer = DialogAnswer(dialog);
    if (*answer != '\0' && ClickMenuButton(hand, *dialog.Menu, answer)) {
        waited_ = 0;
        hand.Tick();
    }
    return true;
}
