#include "game/screens/OkMenu.h"

#include "framework/ui/Button.h"
#include "framework/ui/Menu.h"

namespace {

constexpr float kRight = 1024 - 24, kBottom = 768 - 20;

}  // namespace

std::shared_ptr<TMenu> MakeOkMenu() {
    auto menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 0);
    auto ok = menu->AddQuickAuto("OK", "ok");
    ok->OKButton = 1;
    ok->MoveTo(kRight - static_cast<float>(ok->w), kBottom - static_cast<float>(ok->h));
    return menu;
}
