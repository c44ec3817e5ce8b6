#include "framework/ui/Dialog.h"

#include <algorithm>

#include "framework/core/Game.h"
#include "framework/core/GameSound.h"
#include "framework/core/Globals.h"
#include "framework/core/Input.h"
#include "framework/core/Random.h"
#include "framework/gfx/GameImage.h"
#include "framework/gfx/Label.h"
#include "framework/sprites/Animation.h"
#include "framework/sprites/Shadow.h"
#include "framework/sprites/Sprite.h"
#include "framework/ui/Menu.h"
#include "platform/Graphics.h"

namespace {

// The space between a text header and the caption under it.
constexpr float kHeaderGap = 12;

std::vector<TDialog*>& Open() {
    static std::vector<TDialog*> open;
    return open;
}

}  // namespace

TDialog::~TDialog() {
    Closed();
}

const std::vector<TDialog*>& TDialog::OpenDialogs() {
    return Open();
}

void TDialog::Closed() {
    auto& open = Open();
    open.erase(std::remove(open.begin(), open.end(), this), open.end());
}

int TDialog::Init(const std::string& caption, std::shared_ptr<TGameImage> background, int pw, int ph, int px,
                  int py) {
    Caption = std::make_shared<TLabel>();
    Caption->Text = caption;
    Caption->Alignment = 1;
    Background = std::move(background);
    w = pw, h = ph, x = px, y = py;
    FixedWidth = pw != 0;
    DialogColor = TColor{150, 150, 150, 1.0f};
    return 1;
}

int TDialog::Start() {
    // Started again while open, it is still the same dialog.
    const bool opening = !Active;
    CalcAll();
    MenuPosition();
    // The game's own setting is kept once: a second start would keep the dialog's.
    if (opening) OldIgnoreEscapeKey = Game->IgnoreEscapeKey;
    Game->IgnoreEscapeKey = 1;
    Active = 1;
    if (Slide == 5) Slide = Rand(1, 4);
    CalcOffset();
    if (opening) {
        Open().push_back(this);
        if (Game->DialogOpenedFunction) Game->DialogOpenedFunction(*this);
    }
    return 1;
}

int TDialog::SetupCaption(std::shared_ptr<TBitmapFont> imageFont, std::shared_ptr<TColor> colour,
                          std::shared_ptr<TShadow> shadow, std::shared_ptr<TBitmapFont> bitmapFont) {
    if (!Caption) Caption = std::make_shared<TLabel>();
    Caption->Init(std::move(imageFont), std::move(colour), std::move(shadow), 0, std::move(bitmapFont), nullptr,
                  "caption");
    return 1;
}

int TDialog::SetupTextHeader(const std::string& text, std::shared_ptr<TBitmapFont> imageFont,
                             std::shared_ptr<TColor> colour, std::shared_ptr<TShadow> shadow,
                             std::shared_ptr<TBitmapFont> bitmapFont, int px, int py, int centred) {
    TextHeader = std::make_shared<TLabel>();
    TextHeader->Init(std::move(imageFont), std::move(colour), std::move(shadow), 0, std::move(bitmapFont), nullptr,
                     "header");
    TextHeader->Text = text;
    TextHeader->Alignment = centred ? 1 : 0;
    // Kept relative to the box until SetLabelsXY places it.
    TextHeader->X = static_cast<float>(px);
    TextHeader->Y = static_cast<float>(py);
    textHeaderX_ = px, textHeaderY_ = py;
    return 1;
}

int TDialog::SetSlide(int type, int sine) {
    Slide = type;
    SlideSine = sine;
    return 1;
}

int TDialog::SetTransitions(int inMs, int outMs, float dim, int fade, int slideType, int slideSine,
                            int playSlideInSound) {
    SetSlide(slideType, slideSine);
    if (inMs > 0) {
        // Both count down: their ratio runs from 1 to 0.
        TransitionIn = TAnimation::Create(inMs, 0, 0, 0, 0);
        TransitionIn->Start();
        Transitioning = 1;
        if (playSlideInSound && SlideInSound) SlideInSound->PlayInChannel(FadeChannel, 0);
    }
    if (outMs > 0) {
        TransitionOut = TAnimation::Create(outMs, 0, 0, 0, 0);
        TransitionOut->Stop();
    }
    DimBackground = dim;
    FadeDialog = fade;
    return 1;
}

int TDialog::CalcAll() {
    CalcSize();
    return CalcXY();
}

int TDialog::CalcSize() {
    if (Caption && Caption->Face()) {
        const int inner = std::max(0, w - 2 * Border);
        if (Background && Background->image) {
            w = Background->w, h = Background->h;
            Caption->WordWrap = WordWrapWidth > 0 ? WordWrapWidth : std::max(0, w - 2 * Border);
        } else if (!FixedWidth) {
            Caption->WordWrap = 0;
            w = static_cast<int>(Caption->CalcWidth()) + 2 * Border;
        } else {
            Caption->WordWrap = WordWrapWidth > 0 && WordWrapWidth < Caption->CalcWidth() ? WordWrapWidth : inner;
        }
        if (CallPreCalcWordWrap) Caption->PreCalcWordWrap();
    } else if (Background && Background->image) {
        w = Background->w, h = Background->h;
    }
    return 1;
}

int TDialog::CalcXY() {
    if (!Centre) return 1;
    x = (VirtualWidth - w) / 2;
    y = (VirtualHeight - h) / 2;
    return 1;
}

int TDialog::CalcOffset() {
    OffsetX = OffsetY = 0;
    const bool coming = Transitioning == 1 && TransitionIn, going = Transitioning == 2 && TransitionOut;
    if (Slide <= 0 || (!coming && !going)) return 1;
    float k;
    if (coming) {
        k = SlideSine ? 1 - TransitionIn->GetRatioInvSine() : TransitionIn->GetRatio();
    } else {
        k = SlideSine ? 1 - TransitionOut->GetRatioSine() : TransitionOut->GetRatioInv();
    }
    // k is 1 off the screen and 0 in place.
    switch (Slide) {
        case 1: OffsetY = k * static_cast<float>(-y - h - SlideExtra); break;
        case 2: OffsetX = k * static_cast<float>(VirtualWidth + SlideExtra - x); break;
        case 3: OffsetY = k * static_cast<float>(VirtualHeight + SlideExtra - y); break;
        case 4: OffsetX = k * static_cast<float>(-x - w - SlideExtra); break;
        default: break;
    }
    return 1;
}

int TDialog::CaptionGetCentredX() const {
    return x + w / 2;
}

int TDialog::HeaderLoad(const std::string& file, float px, float py) {
    Header = TSprite::CreateFromFile(Game->ImagePath + file + Ext, px, py, 1, -1);
    return Header ? 1 : 0;
}

float TDialog::CaptionHeight() const {
    return Caption && Caption->Face() ? Caption->CalcWordWrappedHeight() : 0;
}

float TDialog::TextHeaderSpace() const {
    return TextHeader && TextHeader->Face() ? TextHeader->CalcHeight() + kHeaderGap : 0;
}

int TDialog::SetLabelsXY() {
    if (TextHeader) {
        TextHeader->X = static_cast<float>(x + textHeaderX_);
        TextHeader->Y = static_cast<float>(y + textHeaderY_);
    }
    if (!Caption) return 1;
    if (CaptionOX != 0 || CaptionOY != 0) {
        Caption->X = static_cast<float>(x + CaptionOX + CaptionOffsetX);
        Caption->Y = static_cast<float>(y + CaptionOY + CaptionOffsetY);
        return 1;
    }
    Caption->X = static_cast<float>(CaptionGetCentredX() + CaptionOffsetX);
    const float top = static_cast<float>(y + Border) + (TextHeader ? TextHeader->Y - y + TextHeaderSpace() : 0);
    Caption->Y = CaptionCentreVert ? static_cast<float>(y) + (static_cast<float>(h) - CaptionHeight()) / 2
                                   : top + static_cast<float>(CaptionOffsetY);
    return 1;
}

std::shared_ptr<TMenu> TDialog::MakeMenu(int gap) {
    auto menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, gap);
    menu->SetShadow(1, 3, 3, 0.4f);
    return menu;
}

int TDialog::MenuPosition() {
    SetLabelsXY();
    if (!Menu) return 1;
    Menu->CalcCoords();
    // Centred across the box, standing on its bottom border.
    Menu->MoveTo(static_cast<float>(MenuGetCentredX() + MenuOX),
                 static_cast<float>(y + h - Border - Menu->h + MenuOY));
    return 1;
}

int TDialog::MenuGetCentredX() const {
    return x + (w - (Menu ? Menu->w : 0)) / 2;
}

int TDialog::Manage() {
    return ManageCore();
}

int TDialog::ManageCore() {
    if (!Active) return 0;
    if (ManageTransitions()) return kClosedNow;
    if (!Menu) return 1;
    if (Disabled || Transitioning == 2) {
        Menu->ManageFixedGlowOnly();
    } else if (Transitioning == 0) {
        Menu->Manage(0, 0);
    }
    return 1;
}

int TDialog::ManageTransitions() {
    if (Transitioning == 1 && TransitionIn && TransitionIn->Manage()) {
        Transitioning = 0;
        if (FadeDialog) Alpha = 1;
        if (ActivateSound) ActivateSound->PlayInChannel(FadeChannel, 0);
        if (TransitionCompleteUserFunction) TransitionCompleteUserFunction(*this);
        FlushKeysAndMouse();
    } else if (Transitioning == 2 && TransitionOut) {
        platform::Audio& audio = Game->GetPlatform().GetAudio();
        if (TransitionOut->Manage()) {
            if (FadeDialog) Alpha = 0;
            Transitioning = 0;
            FlushKeysAndMouse();
            Finalise();
            if (FadeChannel) audio.Stop(FadeChannel);
            CalcOffset();
            return 1;
        }
        if (FadeChannel) {
            audio.SetVolume(FadeChannel, static_cast<float>(Game->SoundVolume) / 100.0f * TransitionOut->GetRatio());
        }
    }
    CalcOffset();
    return 0;
}

int TDialog::SetAlphas(float alpha) {
    if (Header) Header->Alpha = alpha;
    if (Menu) Menu->SetAlpha(alpha);
    if (Caption) Caption->Alpha = alpha;
    if (TextHeader) TextHeader->Alpha = alpha;
    return 1;
}

int TDialog::SetWordWrap(int width) {
    WordWrapWidth = width;
    if (Caption) {
        Caption->WordWrap = width;
        Caption->PreCalcWordWrap();
    }
    return 1;
}

int TDialog::DoDrawHighlight(float alpha) {
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    graphics.SetColor(255, 255, 255);
    graphics.SetAlpha(alpha * 0.5f);
    const float left = static_cast<float>(x) + OffsetX, top = static_cast<float>(y) + OffsetY;
    graphics.DrawLine(left, top, left + static_cast<float>(w - 1), top);
    graphics.DrawLine(left, top, left, top + static_cast<float>(h - 1));
    graphics.SetAlpha(1);
    return 1;
}

int TDialog::Draw() {
    if (!Active) return 0;
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    float alpha = 1, veil = DimBackground;
    if (Transitioning == 1 && TransitionIn) {
        if (FadeDialog) alpha = TransitionIn->GetRatioInv();
        veil = TransitionIn->GetRatioInv() * DimBackground;
    } else if (Transitioning == 2 && TransitionOut) {
        if (FadeDialog) alpha = TransitionOut->GetRatio();
        veil = TransitionOut->GetRatio() * DimBackground;
    }
    Alpha = alpha;
    if (veil > 0) {
        graphics.SetColor(0, 0, 0);
        graphics.SetAlpha(veil);
        graphics.DrawRect(0, 0, static_cast<float>(VirtualWidth), static_cast<float>(VirtualHeight));
    }
    SetAlphas(alpha);
    const float left = static_cast<float>(x) + OffsetX, top = static_cast<float>(y) + OffsetY;
    graphics.SetColor(255, 255, 255);
    graphics.SetAlpha(alpha);
    if (Background && Background->image) {
        Background->DrawCorner(left, top, 0, Shadow.get());
    } else {
        if (Shadow) {
            graphics.SetColor(0, 0, 0);
            graphics.SetAlpha(Shadow->Alpha * alpha);
            graphics.DrawRect(left + Shadow->X, top + Shadow->Y, static_cast<float>(w), static_cast<float>(h));
        }
        graphics.SetColor(DialogColor.r, DialogColor.g, DialogColor.b);
        graphics.SetAlpha(DialogColor.a * alpha);
        graphics.DrawRect(left, top, static_cast<float>(w), static_cast<float>(h));
        if (DrawHighlight) DoDrawHighlight(alpha);
    }
    graphics.SetColor(255, 255, 255);
    graphics.SetAlpha(1);
    if (Header) {
        Header->offx = OffsetX, Header->offy = OffsetY;
        Header->Draw();
    }
    if (TextHeader) TextHeader->Draw(OffsetX, OffsetY);
    if (Caption) Caption->Draw(OffsetX, OffsetY);
    const auto drawPicture = [&](const std::shared_ptr<TGameImage>& picture, int px, int py, float scale,
                                 float angle, const std::shared_ptr<TShadow>& shadow) {
        if (!picture || !picture->image) return;
        graphics.SetScale(scale, scale);
        graphics.SetRotation(angle);
        graphics.SetAlpha(alpha);
        picture->DrawCorner(left + static_cast<float>(px), top + static_cast<float>(py), 0, shadow.get());
        graphics.SetScale(1, 1);
        graphics.SetRotation(0);
        graphics.SetAlpha(1);
    };
    drawPicture(Picture, PictureX, PictureY, PictureScale, PictureAngle, PictureShadow);
    drawPicture(Picture2, Picture2X, Picture2Y, Picture2Scale, Picture2Angle, Picture2Shadow);
    if (Menu && MenuShow) Menu->Draw(OffsetX, OffsetY);
    return 1;
}

int TDialog::Close(int result) {
    CloseResultTemp = result;
    if (CloseUserFunction) CloseUserFunction(*this);
    if (!TransitionOut) {
        Finalise();
        return result;
    }
    TransitionOut->Start();
    Transitioning = 2;
    if (SlideOutSound) SlideOutSound->PlayInChannel(FadeChannel, 0);
    return 0;
}

int TDialog::Finalise() {
    Active = 0;
    Closed();
    if (ReenableEscapeKey) Game->IgnoreEscapeKey = OldIgnoreEscapeKey;
    CloseResult = CloseResultTemp;
    return 1;
}

int TDialog::Kill() {
    if (Menu) {
        Menu->Kill();
        Menu.reset();
    }
    Caption.reset();
    TextHeader.reset();
    Header.reset();
    Background.reset();
    Picture.reset();
    Picture2.reset();
    TransitionIn.reset();
    TransitionOut.reset();
    Active = 0;
    Closed();
    return 1;
}
