#include "framework/ui/DialogTextInput.h"

#include "framework/core/Game.h"
#include "framework/core/Input.h"
#include "framework/gfx/BitmapFont.h"
#include "framework/gfx/GameImage.h"
#include "framework/gfx/Label.h"
#include "framework/ui/Button.h"
#include "framework/ui/DialogOK.h"
#include "framework/ui/Menu.h"
#include "platform/Graphics.h"

std::shared_ptr<TDialogTextInput> TDialogTextInput::Create(const std::string& caption, const std::string& text,
                                                           int maxLength, std::shared_ptr<TGameImage> background,
                                                           int pw, int px, int py, int maxPixelWidth,
                                                           const std::string& buttonFile) {
    auto dialog = std::make_shared<TDialogTextInput>();
    dialog->Name = "text_input";
    dialog->Init(caption, std::move(background), pw, 0, px, py);
    dialog->ButtonName = buttonFile.empty() ? "button" : buttonFile;
    dialog->TextInput.Init(nullptr, text, 0, 0, nullptr);
    dialog->TextInput.MaxLength = maxLength;
    dialog->TextInput.MaxPixelWidth = maxPixelWidth;
    dialog->MenuCreate(1, 20);
    return dialog;
}

int TDialogTextInput::SetupText(std::shared_ptr<TBitmapFont> imageFont, std::shared_ptr<TColor> colour,
                                std::shared_ptr<TShadow> shadow, int yOffset, std::shared_ptr<TBitmapFont> bitmapFont) {
    TextInput.Font = std::move(imageFont);
    TextInput.BitmapFont = std::move(bitmapFont);
    if (colour) TextInput.TextCol = *colour;
    TextInput.TextShadow = std::move(shadow);
    TextYOffset = yOffset;
    return 1;
}

int TDialogTextInput::MenuCreate(int withCancel, int buttonGap) {
    Menu = MakeMenu(10);
    if (withCancel) {
        Menu->AddPair("OK", "Cancel", buttonGap, ButtonName);
    } else {
        Menu->AddQuick(ButtonName, "OK");
    }
    Menu->FindButton("OK")->OKButton = 0;  // Enter belongs to the typed line
    return 1;
}

int TDialogTextInput::Start() {
    TDialog::Start();
    TextInput.AllowNull = AllowNull;
    TextInput.Reset();
    return 1;
}

float TDialogTextInput::LineHeight() const {
    const TBitmapFont* face = TextInput.BitmapFont ? TextInput.BitmapFont.get() : TextInput.Font.get();
    return face ? static_cast<float>(face->StringHeight("ABCXYZ")) : 0;
}

int TDialogTextInput::CalcSize() {
    TDialog::CalcSize();
    if ((Background && Background->image) || !Menu) return 1;
    Menu->CalcCoords();
    h = static_cast<int>(2 * Border + TextHeaderSpace() + CaptionHeight() + LineHeight()) + 2 * BoxBorderV +
        2 * Gap + Menu->h;
    return 1;
}

int TDialogTextInput::SetLabelsXY() {
    TDialog::SetLabelsXY();
    if (TextOX != 0 || TextOY != 0) {
        TextInput.X = static_cast<float>(x + TextOX);
        TextInput.Y = static_cast<float>(y + TextOY + TextYOffset);
        return 1;
    }
    // Under the caption, starting where a full line would start to stand centred.
    const float top = Caption ? Caption->Y + CaptionHeight() : static_cast<float>(y + Border);
    TextInput.X = static_cast<float>(x + Border + BoxBorderH + TextBorder);
    TextInput.Y = top + static_cast<float>(Gap + BoxBorderV + TextYOffset);
    return 1;
}

int TDialogTextInput::ProcessOKClickedFunc() {
    if (!OKClickedFunc) return 1;
    return OKClickedFunc(*this) > 0 ? 1 : 0;
}

int TDialogTextInput::OKClickTest() {
    if (UppercaseFirstChar && !TextInput.Text.empty() && TextInput.Text[0] >= 'a' && TextInput.Text[0] <= 'z') {
        TextInput.Text[0] = static_cast<char>(TextInput.Text[0] - 32);
    }
    std::string message;
    if (ErrorCheckFunc && ErrorCheckFunc(TextInput.Text, message) == -1) {
        if (ErrorDialogFunc) DialogOK = ErrorDialogFunc(message);
        if (DialogOK && !DialogOK->Active) DialogOK->Start();
        if (Menu) Menu->AcceptInput = 0;
        return 0;
    }
    // An empty name is refused, but the player can type on: keys are not blocked for it.
    return AllowNull || HasNonSpace(TextInput.Text) ? 1 : 0;
}

int TDialogTextInput::OKClick() {
    FlushKeysAndMouse();
    return Close(1);
}

int TDialogTextInput::CancelClick() {
    FlushKeysAndMouse();
    TextInput.Finish();
    return Close(-1);
}

int TDialogTextInput::TryOK() {
    TextInput.Finish();
    if (OKClickTest() && ProcessOKClickedFunc()) return OKClick();
    TextInput.Reset();
    return 0;
}

int TDialogTextInput::Manage() {
    if (DialogOK) {
        // The refusal has the input until it is closed; then typing goes on.
        if (DialogOK->Manage() != 0) {
            DialogOK.reset();
            if (Menu) Menu->AcceptInput = 1;
            TextInput.Reset();
        }
        return 0;
    }
    if (OKClickedDialog) {
        const int answer = OKClickedDialog->Manage();
        if (answer == 0) return 0;
        OKClickedDialog.reset();
        return ProcessOKClickedFunc() ? OKClick() : 0;
    }
    const int core = ManageCore();
    if (core == kClosedNow) return CloseResult;
    if (core == 0 || Transitioning != 0 || Disabled) return 0;
    const int typed = TextInput.Manage();
    if (typed == 1) {
        if (auto ok = Menu->FindButton("OK")) ok->SimulateClick();
        return TryOK();
    }
    if (typed == -1) {
        if (auto cancel = Menu->FindButton("Cancel")) cancel->SimulateClick();
        return CancelClick();
    }
    if (Menu->Clicked("OK")) return TryOK();
    if (Menu->Clicked("Cancel")) return CancelClick();
    return 0;
}

int TDialogTextInput::Draw() {
    if (!Active) return 0;
    TDialog::Draw();
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    TextInput.OffsetX = OffsetX, TextInput.OffsetY = OffsetY;
    if (DrawBox) {
        BoxColor.Set(graphics);
        graphics.SetAlpha(BoxColor.a * Alpha);
        graphics.DrawRect(static_cast<float>(x + Border) + OffsetX,
                          TextInput.Y - static_cast<float>(BoxBorderV + TextYOffset) + OffsetY,
                          static_cast<float>(w - 2 * Border), LineHeight() + static_cast<float>(2 * BoxBorderV));
        graphics.SetColor(255, 255, 255);
        graphics.SetAlpha(1);
    }
    TextInput.ForceDraw = 1;
    TextInput.Draw();
    if (DialogOK) DialogOK->Draw();
    if (OKClickedDialog) OKClickedDialog->Draw();
    return 1;
}

int TDialogTextInput::Kill() {
    if (DialogOK) DialogOK->Kill();
    DialogOK.reset();
    OKClickedDialog.reset();
    return TDialog::Kill();
}
