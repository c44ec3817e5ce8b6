#include "framework/ui/Menu.h"

#include <algorithm>

#include "framework/core/Game.h"
#include "framework/core/GameSound.h"
#include "framework/core/Globals.h"
#include "framework/core/SoundBank.h"
#include "framework/core/Strings.h"
#include "framework/gfx/ImageBank.h"
#include "framework/gfx/Label.h"
#include "framework/ui/Button.h"
#include "platform/files/Files.h"

namespace {

bool MenuFileExists(const std::string& file) {
    return platform::files::IsFile(platform::files::Resolve(Game->MenuPath + file + ImageBank.Ext));
}

std::shared_ptr<TGameSound> LoadMenuSound(const std::string& name) {
    if (name.empty()) return nullptr;
    return TGameSound::Create(Game->SoundPath + name + SoundBank.Ext, 0);
}

}  // namespace

std::shared_ptr<TMenu> TMenu::Create(const std::string& mouseOverSound, const std::string& clickSound,
                                     float px, float py, int gap) {
    auto menu = std::make_shared<TMenu>();
    menu->Init(mouseOverSound, clickSound, px, py, gap);
    return menu;
}

int TMenu::Init(const std::string& mouseOverSound, const std::string& clickSound, float px, float py,
                int gap) {
    Kill();
    x = px;
    y = py;
    Gap = gap;
    NextY = static_cast<int>(py);
    h = 0;
    AddGap = 0;
    MouseOverName.clear();
    ClickedName.clear();
    SoundMouseOver = LoadMenuSound(mouseOverSound);
    SoundClick = LoadMenuSound(clickSound);
    return 1;
}

int TMenu::Kill() {
    for (auto& button : Buttons) button->Kill();
    Buttons.clear();
    coordsStored_ = false;
    return 1;
}

// ---- Looks ---------------------------------------------------------------------------------------------

int TMenu::SetButtonCaptionRoundCoords(int on) {
    for (auto& button : Buttons) {
        if (button->Caption) button->Caption->RoundCoords = on;
    }
    return 1;
}

int TMenu::SetShadow(int on, float sx, float sy, float alpha) {
    Shadow = on;
    ShadowX = sx;
    ShadowY = sy;
    ShadowAlpha = alpha;
    return ChangeShadow();
}

int TMenu::ChangeShadow() {
    for (auto& button : Buttons) button->SetShadow(Shadow, ShadowX, ShadowY, ShadowAlpha);
    return 1;
}

int TMenu::SetAlpha(float a) {
    for (auto& button : Buttons) {
        button->UseAlpha = 1;
        button->Alpha = a;
    }
    return 1;
}

int TMenu::SetColor(std::shared_ptr<TColor> colour) {
    for (auto& button : Buttons) button->Color = colour;
    return 1;
}

int TMenu::ResetShadow() {
    Shadow = 0;
    return ChangeShadow();
}

// ---- Adding and removing -------------------------------------------------------------------------------

std::shared_ptr<TButton> TMenu::AddNew(const std::string& file, const std::string& mouseOverFile,
                                       const std::string& name, int frames) {
    auto button = DoAddNew(file, mouseOverFile, name, frames);
    IncreaseHeight(*button);
    return button;
}

std::shared_ptr<TButton> TMenu::DoAddNew(const std::string& file, const std::string& mouseOverFile,
                                         const std::string& name, int frames) {
    auto button = std::make_shared<TButton>();
    button->UseMenuPath = 1;
    button->LoadImages(file, mouseOverFile, frames);
    button->CentreX(static_cast<float>(NextY));
    button->SoundMouseOver = SoundMouseOver;
    button->SoundClick = SoundClick;
    button->SetShadow(Shadow, ShadowX, ShadowY, ShadowAlpha);
    if (!name.empty()) button->SetName(name);
    Buttons.push_back(button);
    return button;
}

int TMenu::RemoveButton(const std::string& name) {
    const std::string key = UpperCase(name);
    const auto it =
        std::find_if(Buttons.begin(), Buttons.end(), [&](const auto& b) { return b->name == key; });
    if (it == Buttons.end()) return 0;
    (*it)->Kill();
    Buttons.erase(it);
    if (MouseOverName == key) MouseOverName.clear();
    if (ClickedName == key) ClickedName.clear();
    return 1;
}

int TMenu::IncreaseHeight(const TButton& button) {
    NextY += button.h + Gap;
    h += button.h + (AddGap ? Gap : 0);
    AddGap = 1;
    return 1;
}

std::shared_ptr<TButton> TMenu::AddQuick(const std::string& file, const std::string& name) {
    return AddNew(file, file + "MO", name);
}

std::shared_ptr<TButton> TMenu::AddQuickAuto(const std::string& file, const std::string& name) {
    auto button = DoAddNew(file, file + "MO", name);
    if (MenuFileExists(file + "_disabled")) button->LoadDisabled(file + "_disabled", 1);
    if (MenuFileExists(file + "_down")) button->LoadMouseClick(file + "_down", 200);
    IncreaseHeight(*button);
    return button;
}

int TMenu::AddPair(const std::string& name1, const std::string& name2, int gap, const std::string& file) {
    auto first = DoAddNew(file, file + "MO", name1);
    auto second = DoAddNew(file, file + "MO", name2);
    const int width = first->w + gap + second->w;
    first->MoveTo(static_cast<float>(VirtualWidth / 2 - width / 2), first->y);
    second->MoveTo(first->x + static_cast<float>(first->w + gap), second->y);
    IncreaseHeight(first->h >= second->h ? *first : *second);
    return 1;
}

std::shared_ptr<TButton> TMenu::FindButton(const std::string& name) const {
    const std::string key = UpperCase(name);
    for (const auto& button : Buttons) {
        if (button->name == key) return button;
    }
    return nullptr;
}

// ---- Layout --------------------------------------------------------------------------------------------

int TMenu::StoreOriginalCoords() {
    OX = x;
    OY = y;
    for (auto& button : Buttons) button->StoreOriginalCoords();
    coordsStored_ = true;
    return 1;
}

int TMenu::SetX(float px) {
    const float dx = px - x;
    for (auto& button : Buttons) button->MoveBy(dx, 0);
    x = px;
    return 1;
}

int TMenu::SetY(float py) {
    const float dy = py - y;
    for (auto& button : Buttons) button->MoveBy(0, dy);
    NextY += static_cast<int>(dy);
    y = py;
    return 1;
}

int TMenu::SetPairX(const std::string& name1, const std::string& name2, float px) {
    auto first = FindButton(name1), second = FindButton(name2);
    if (!first || !second) return 0;
    const float apart = second->x - first->x;
    first->MoveTo(px, first->y);
    second->MoveTo(px + apart, second->y);
    return 1;
}

int TMenu::ScaleMenu(float sx, float sy) {
    if (!coordsStored_) StoreOriginalCoords();
    for (auto& button : Buttons) {
        button->ScaleX = sx;
        button->ScaleY = sy;
        button->MoveTo(OX + (button->ox - OX) * sx, OY + (button->oy - OY) * sy);
    }
    CalcWidth();
    return CalcHeight();
}

int TMenu::CalcCoords() {
    CalcLeft();
    CalcTop();
    CalcWidth();
    return CalcHeight();
}

int TMenu::CalcLeft() {
    if (Buttons.empty()) return 0;
    float left = 10000;
    for (const auto& button : Buttons) left = std::min(left, button->x);
    x = left;
    return 1;
}

int TMenu::CalcTop() {
    if (Buttons.empty()) return 0;
    float top = 10000;
    for (const auto& button : Buttons) top = std::min(top, button->y);
    y = top;
    return 1;
}

int TMenu::CalcWidth() {
    float left = 10000, right = -10000;
    for (const auto& button : Buttons) {
        left = std::min(left, button->x);
        right = std::max(right, button->x + button->Width());
    }
    w = Buttons.empty() ? 0 : static_cast<int>(right - left);
    return 1;
}

int TMenu::CalcHeight() {
    float top = 10000, bottom = -10000;
    for (const auto& button : Buttons) {
        top = std::min(top, button->y);
        bottom = std::max(bottom, button->y + button->Height());
    }
    h = Buttons.empty() ? 0 : static_cast<int>(bottom - top);
    return 1;
}

int TMenu::CentreHoriz() {
    CalcLeft();
    CalcWidth();
    return SetX(static_cast<float>(VirtualWidth / 2 - w / 2));
}

int TMenu::CentreVert() {
    CalcTop();
    CalcHeight();
    return SetY(static_cast<float>(VirtualHeight / 2 - h / 2));
}

int TMenu::Centre() {
    CentreHoriz();
    return CentreVert();
}

int TMenu::MakeColumn(int gap) {
    Gap = gap;
    float top = y;
    for (auto& button : Buttons) {
        button->MoveTo(button->x, top);
        top += button->Height() + static_cast<float>(gap);
    }
    NextY = static_cast<int>(top);
    CalcWidth();
    return CalcHeight();
}

int TMenu::MakeRow(int gap) {
    Gap = gap;
    float left = x;
    for (auto& button : Buttons) {
        button->MoveTo(left, y);
        left += button->Width() + static_cast<float>(gap);
    }
    CalcWidth();
    CalcHeight();
    NextY = static_cast<int>(y) + h + gap;
    return 1;
}

int TMenu::MoveTo(float px, float py) {
    SetX(px);
    return SetY(py);
}

// ---- States --------------------------------------------------------------------------------------------

int TMenu::ClearStates() {
    for (auto& button : Buttons) {
        button->ClearClick();
        button->ResetScaleOnMO();
    }
    MouseOverName.clear();
    ClickedName.clear();
    return 1;
}

int TMenu::ClearScale() {
    for (auto& button : Buttons) button->ResetScaleOnMO();
    return 1;
}

int TMenu::ClearGlow() {
    for (auto& button : Buttons) button->Glow = 0, button->GlowMode = 0;
    return 1;
}

int TMenu::ClearMouseClick() {
    for (auto& button : Buttons) button->ClearClick();
    ClickedName.clear();
    return 1;
}

int TMenu::ClearMouseOver() {
    for (auto& button : Buttons) button->ClearMouseOver();
    MouseOverName.clear();
    return 1;
}

bool TMenu::Covers(float px, float py, float ox, float oy) const {
    return std::any_of(Buttons.begin(), Buttons.end(), [&](const std::shared_ptr<TButton>& b) {
        const float left = b->x + ox, top = b->y + oy;
        return px >= left && px < left + b->Width() && py >= top && py < top + b->Height();
    });
}

int TMenu::Clicked(const std::string& name) {
    if (ClickedName.empty() || UpperCase(name) != ClickedName) return 0;
    if (ClearClickedName) ClickedName.clear();
    return 1;
}

int TMenu::MouseOver(const std::string& name) {
    if (MouseOverName.empty() || UpperCase(name) != MouseOverName) return 0;
    if (ClearMouseOverName) MouseOverName.clear();
    return 1;
}

// ---- Each tick -----------------------------------------------------------------------------------------

int TMenu::ManageNoSound(float ox, float oy) {
    const int was = NoSound;
    NoSound = 1;
    const int result = Manage(ox, oy);
    NoSound = was;
    return result;
}

int TMenu::Precache() {
    for (auto& button : Buttons) button->Precache();
    return 1;
}

int TMenu::Manage(float ox, float oy) {
    if (!AcceptInput || (Game && Game->Fading())) return ManageFixedGlowOnly(), 0;
    MouseOverName.clear();
    ClickedName.clear();
    // A copy: a screen may drop buttons from hooks the buttons call.
    const auto buttons = Buttons;
    for (const auto& button : buttons) {
        button->offx = ox;
        button->offy = oy;
        // Only a click taken in this pass names the button: one whose flag the screen left set is not
        // reported again.
        const int clicked = NoSound ? button->ManageNoSound() : button->Manage();
        if (button->MouseOver) MouseOverName = button->name;
        if (clicked) ClickedName = button->name;
    }
    return 1;
}

int TMenu::ManageFixedGlowOnly() {
    for (auto& button : Buttons) {
        if (button->FixedGlowOnMO == 1) button->ManageGlow();
    }
    return 1;
}

int TMenu::ManageScaleOnMO() {
    for (auto& button : Buttons) button->ManageScaleOnMO();
    return 1;
}

int TMenu::Draw(float ox, float oy) {
    for (auto& button : Buttons) {
        button->offx = ox;
        button->offy = oy;
        button->Draw();
    }
    return 1;
}
