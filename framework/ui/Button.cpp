#include "framework/ui/Button.h"

#include <algorithm>
#include <cmath>

#include "framework/core/Game.h"
#include "framework/core/GameChannel.h"
#include "framework/core/GameSound.h"
#include "framework/core/Globals.h"
#include "framework/core/Input.h"
#include "framework/gfx/Font.h"
#include "framework/gfx/ImageBank.h"
#include "framework/gfx/Label.h"
#include "framework/sprites/Box.h"
#include "framework/sprites/Color.h"
#include "framework/sprites/Shadow.h"
#include "framework/sprites/Ticks.h"
#include "framework/ui/MousePointer.h"
#include "framework/ui/MouseRepeat.h"
#include "platform/KeyCodes.h"
#include "platform/files/Files.h"

TButton* DraggedButton = nullptr;

namespace {

enum Look { kPressed = 1, kMouseOver = 2, kDisabled = 3, kNormal = 4 };

// A button picture with its handle at the top-left corner; frames of 2 or more cut it into a strip.
std::shared_ptr<TGameImage> LoadButtonImage(const std::string& path, int frames) {
    auto img = TGameImage::Create(path, kDefaultImageFlags, 0);
    if (frames < 2 || img->w < frames) return img;
    return TGameImage::CreateAuto(path, img->w / frames, img->h, 0, frames, kDefaultImageFlags, 0);
}

bool FileExists(const std::string& path) {
    return platform::files::IsFile(platform::files::Resolve(path));
}

}  // namespace

TButton::~TButton() {
    if (DraggedButton == this) DraggedButton = nullptr;
}

// ---- State ---------------------------------------------------------------------------------------------

int TButton::ClampScaledCoords(float& px, float& py, float width, float height) const {
    if (px + width > VirtualWidth) px = VirtualWidth - width;
    if (py + height > VirtualHeight) py = VirtualHeight - height;
    if (px < 0) px = 0;
    if (py < 0) py = 0;
    return 1;
}

int TButton::ClearClick() {
    Clicked = 0;
    MouseClickCounter = 0;
    MouseOver = 0;
    Glow = 0;
    GlowMode = 0;
    Dragging = 0;
    if (DraggedButton == this) DraggedButton = nullptr;
    return 1;
}

int TButton::ClearDrag() {
    Dragging = 0;
    if (DraggedButton == this) DraggedButton = nullptr;
    DragStartX = DragStartY = -1;
    return 1;
}

int TButton::ClearDoubleClick() {
    DoubleClicked = 0;
    DoubleClickCounter = 0;
    return 1;
}

int TButton::ClearMouseOver() {
    MouseOver = 0;
    ScaleOnMODelayCounter = 0;
    if (AutoGlowOnMO) Glow = 0, GlowMode = 0;
    return 1;
}

int TButton::Click(int repeat) {
    const bool timerRuns = !RunOut(MouseClickCounter);
    if (timerRuns && ClickWhenDown != 1) return 0;
    if (!Clicked && !NoSound) {
        if (repeat && SoundClick2) {
            PlayClick2();
        } else {
            PlayClick();
        }
    }
    Clicked = 1;
    if (ImageMouseClick) MouseClickCounter = MouseClickDuration;
    return 1;
}

int TButton::FixedGlowOnMOActivate() {
    if (FixedGlowOnMO != 1) return 0;
    GlowMode = 2;
    Glow = FixedGlowStrength;
    GlowSpeed = FixedGlowFade;
    return 1;
}

int TButton::GetDoubleClicked() {
    const int was = DoubleClicked;
    DoubleClicked = 0;
    return was;
}

int TButton::Init() {
    ClearClick();
    ClearDrag();
    ClearDoubleClick();
    ResetScaleOnMO();
    LastMouseDown = 0;
    return 1;
}

int TButton::Kill() {
    if (Game) {
        platform::Audio& audio = Game->GetPlatform().GetAudio();
        ReleaseChannel(audio, ChannelMouseOver);
        ReleaseChannel(audio, ChannelClick);
    }
    ChannelMouseOver = ChannelClick = 0;
    Caption.reset();
    MouseRepeat.reset();
    ClearDrag();
    return TSprite::Kill();  // drops the bounding box
}

// ---- Pictures ------------------------------------------------------------------------------------------

std::shared_ptr<TButton> TButton::CreateSpecial(const std::string& file, float px, float py,
                                                std::shared_ptr<TGameSound> mouseOverSound,
                                                std::shared_ptr<TGameSound> clickSound, int useMenuPath) {
    auto button = std::make_shared<TButton>();
    button->UseMenuPath = useMenuPath;
    button->Load(file, std::move(mouseOverSound), file + "MO", std::move(clickSound), px, py, 1);
    return button;
}

std::string TButton::GetPath() const {
    return UseMenuPath ? Game->MenuPath : Game->ImagePath;
}

int TButton::Load(const std::string& file, std::shared_ptr<TGameSound> mouseOverSound,
                  const std::string& mouseOverFile, std::shared_ptr<TGameSound> clickSound, float px,
                  float py, int frames) {
    LoadImages(file, mouseOverFile, frames);
    SoundMouseOver = std::move(mouseOverSound);
    SoundClick = std::move(clickSound);
    x = px;
    y = py;
    return 1;
}

int TButton::LoadDisabled(const std::string& file, int clickDisabled) {
    ImageDisabled = LoadButtonImage(GetPath() + file + ImageBank.Ext, 1);
    ClickDisabled = clickDisabled;
    return 1;
}

int TButton::LoadImages(const std::string& file, const std::string& mouseOverFile, int frames) {
    SetImage(LoadButtonImage(GetPath() + file + ImageBank.Ext, frames));
    FramesTotal = std::max(frames, 1);
    const std::string overPath = GetPath() + mouseOverFile + ImageBank.Ext;
    if (!mouseOverFile.empty() && FileExists(overPath)) {
        ImageMouseOver = LoadButtonImage(overPath, frames);
    } else {
        ImageMouseOver = image;
    }
    return 1;
}

int TButton::LoadMouseClick(const std::string& file, int ms) {
    ImageMouseClick = LoadButtonImage(GetPath() + file + ImageBank.Ext, 1);
    MouseClickDuration = Game->CalcAnimLength(ms);
    return 1;
}

int TButton::Precache() {
    for (const auto* img : {&image, &ImageMouseOver, &ImageMouseClick, &ImageDisabled, &ImageScaled}) {
        if (*img) (*img)->Precache();
    }
    return 1;
}

int TButton::SetImages(std::shared_ptr<TGameImage> normal, std::shared_ptr<TGameImage> mouseOver,
                       std::shared_ptr<TGameImage> click) {
    SetImage(std::move(normal));
    ImageMouseOver = std::move(mouseOver);
    ImageMouseClick = std::move(click);
    MouseClickDuration = ImageMouseClick ? Game->CalcAnimLength(200) : 0;
    return 1;
}

int TButton::SetImageScaled(std::shared_ptr<TGameImage> scaled) {
    ImageScaled = std::move(scaled);
    if (ImageScaled && w > 0) ScaleOnMOMax = static_cast<float>(ImageScaled->w) / static_cast<float>(w);
    return 1;
}

// ---- Caption -------------------------------------------------------------------------------------------

int TButton::SetupCaption(const std::string& text, std::shared_ptr<TBitmapFont> imageFont,
                          std::shared_ptr<TColor> colour, std::shared_ptr<TShadow> shadow,
                          std::shared_ptr<TBitmapFont> bitmapFont, std::shared_ptr<TColor> mouseOverColour) {
    TFont font;
    font.Init(std::move(imageFont), std::move(colour), std::move(shadow), 0, std::move(bitmapFont),
              std::move(mouseOverColour), "");
    // Centred both ways on the middle of the picture.
    Caption = TLabel::CreateSpecial(text, w / 2.0f, h / 2.0f, 3, font);
    return 1;
}

int TButton::SetupCaptionDown(std::shared_ptr<TColor> colour, float scale, float dx, float dy) {
    CaptionDownColor = std::move(colour);
    CaptionDownScale = scale;
    CaptionDownOffsetX = dx;
    CaptionDownOffsetY = dy;
    return 1;
}

int TButton::DrawCaption(float px, float py, float sx, float sy, int look) {
    if (!Caption || !Game) return 0;
    TLabel& label = *Caption;
    std::shared_ptr<TColor> colour = label.Color;
    float scale = label.Scale;
    float cx = px + label.X * sx, cy = py + label.Y * sy;
    switch (look) {
        case kPressed:
            if (CaptionDownColor) colour = CaptionDownColor;
            scale *= CaptionDownScale;
            cx += CaptionDownOffsetX * sx;
            cy += CaptionDownOffsetY * sy;
            break;
        case kMouseOver:
            if (label.InverseColor) colour = label.InverseColor;
            break;
        case kDisabled:
            if (CaptionDisabledColor) colour = CaptionDisabledColor;
            break;
        default:
            break;
    }
    if (UseAlpha) label.Alpha = Alpha;
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    graphics.SetScale(sx, sy);
    // The label is drawn in the look's colour and scale and then has its own back.
    std::swap(label.Color, colour);
    std::swap(label.Scale, scale);
    label.Draw(cx - label.X, cy - label.Y, 1);
    std::swap(label.Color, colour);
    std::swap(label.Scale, scale);
    return 1;
}

// ---- Sounds --------------------------------------------------------------------------------------------

int TButton::PlayOn(platform::ChannelId& channel, const std::shared_ptr<TGameSound>& sound) {
    if (!sound || !Game) return 0;
    if (Disabled && !SoundsWhenDisabled) return 0;
    return Game->GameSoundPlay(channel, *sound, 0);
}

int TButton::PlayClick() {
    return PlayOn(ChannelClick, SoundClick);
}

int TButton::PlayClick2() {
    return PlayOn(ChannelClick, SoundClick2);
}

int TButton::PlayMouseOver() {
    return PlayOn(ChannelMouseOver, SoundMouseOver);
}

// ---- Set-up --------------------------------------------------------------------------------------------

int TButton::CentreX(float py) {
    return MoveTo(static_cast<float>(VirtualWidth / 2 - w / 2), py);
}

int TButton::MoveBy(float dx, float dy) {
    x += dx;
    y += dy;
    if (BoundingBox) {
        BoundingBox->X += dx;
        BoundingBox->Y += dy;
    }
    return 1;
}

int TButton::MoveTo(float px, float py) {
    return MoveBy(px - x, py - y);
}

int TButton::ResetScaleOnMO() {
    ScaleOnMO = 1;
    ScaleOnMODelayCounter = 0;
    return 1;
}

int TButton::SetCircularCollision(int radius) {
    CircularCollisionRadius = radius;
    return 1;
}

int TButton::SetDoubleClickTime(int ms) {
    DoubleClickTime = Game->CalcAnimLength(ms);
    return 1;
}

int TButton::SetFixedGlowOnMO(float strength, float fade, int useMO) {
    FixedGlowOnMO = 1;
    FixedGlowStrength = strength;
    FixedGlowFade = fade;
    FixedGlowOnMOUseMO = useMO;
    return 1;
}

int TButton::SetAutoGlow(float min, float max, float speed, int on) {
    AutoGlowOnMO = on;
    GlowMin = min;
    GlowMax = max;
    GlowRange = max - min;
    GlowSpeed = speed;
    return 1;
}

int TButton::SetBoundingBox(float x1, float y1, float x2OrW, float y2OrH, int corners, int relative) {
    auto box = std::make_shared<TBox>();
    if (corners) {
        box->X = std::min(x1, x2OrW);
        box->Y = std::min(y1, y2OrH);
        box->W = std::fabs(x2OrW - x1);
        box->H = std::fabs(y2OrH - y1);
    } else {
        box->X = x1;
        box->Y = y1;
        box->W = x2OrW;
        box->H = y2OrH;
    }
    if (relative) {
        box->X += x;
        box->Y += y;
    }
    BoundingBox = std::move(box);
    return 1;
}

int TButton::SetBoundingBoxAuto(float fx, float fy) {
    const float bw = w * fx, bh = h * fy;
    return SetBoundingBox((w - bw) / 2, (h - bh) / 2, bw, bh, 0, 1);
}

int TButton::SetupMouseRepeat(int initialMs, int repeatMs) {
    MouseRepeat = std::make_shared<TMouseRepeat>(initialMs, repeatMs);
    return 1;
}

int TButton::SetupScaleOnMO(float max, float upSpeed, float downSpeed, int delayMs) {
    ScaleOnMOMax = max;
    ScaleOnMOUpSpeed = upSpeed;
    ScaleOnMODownSpeed = downSpeed;
    ScaleOnMODelayFrames = static_cast<int>(Game->CalcAnimLength(delayMs));
    ScaleOnMODelayCounter = 0;
    return 1;
}

// ---- Input ---------------------------------------------------------------------------------------------

bool TButton::HitTest() {
    if (DraggedButton && DraggedButton != this) return false;
    const float mx = static_cast<float>(Game->Mouse->x), my = static_cast<float>(Game->Mouse->y);
    const float bx = x + offx, by = y + offy;
    bool over;
    if (BoundingBox && BoundingBox->Active) {
        const TBox& box = *BoundingBox;
        over = box.X + offx <= mx && mx < box.X + offx + box.W && box.Y + offy <= my &&
               my < box.Y + offy + box.H;
    } else if (CircularCollisionRadius >= 1) {
        const float dx = mx - (bx + w2), dy = my - (by + h2);
        over = dx * dx + dy * dy <= static_cast<float>(CircularCollisionRadius * CircularCollisionRadius);
    } else {
        // The picture as drawn: a menu scaled down keeps its buttons' hit areas on their pictures.
        over = bx <= mx && mx < bx + Width() && by <= my && my < by + Height();
    }
    if (over && MouseOverUserFunction && MouseOverUserFunction(*this) == 0) over = false;
    return over;
}

int TButton::Manage() {
    int clickedNow = 0;
    const bool live = Active && (!Disabled || ClickDisabled);
    if (!live) {
        ClearMouseOver();
        if (Dragging) ClearDrag();
        if (FixedGlowOnMO == 1) ManageGlow();
    } else {
        if (GlowMode > 0) ManageGlow();
        if (Animated) ManageAnim();
        const bool over = HitTest();
        if (over) {
            if (RunOut(MouseClickCounter) && !MouseOver && !NoSound) PlayMouseOver();
            MouseOver = 1;
            FixedGlowOnMOActivate();
            if (AutoGlowOnMO && GlowMode != 3) SetGlow(3, GlowMin, GlowSpeed, GlowMin, GlowMax);
            int press = 0;
            bool hit;
            if (Draggable) {
                // Never clicked, and the press is left to the drag.
                hit = Game->Mouse->PeekHits() > 0;
            } else if (MouseRepeat) {
                press = MouseRepeat->GetButton();
                hit = press == 1;
            } else {
                press = Game->Mouse->MouseHit() > 0 ? 1 : 0;
                hit = press == 1;
            }
            if (press) {
                clickedNow = Click(press == 2);
            } else {
                Clicked = 0;
            }
            if (DoubleClickTime > 0 && hit) {
                if (DoubleClickCounter > 0) {
                    DoubleClicked = 1;
                    DoubleClickCounter = 0;
                } else {
                    DoubleClickCounter = DoubleClickTime;
                }
            }
            if (!ManageMouseOverScale()) ManageScaleOnMO();
        } else {
            ClearMouseOver();
            ManageScaleOnMO();
            if (MouseRepeat) MouseRepeat->Reset();
        }
        if (Draggable) ManageDrag(over ? 1 : 0);
        if (OKButton &&
            (KeyHit(platform::vk::kEnter) || (OKButtonUseSpace && KeyHit(platform::vk::kSpace)))) {
            clickedNow |= SimulateClick();
        }
        if (DoubleClickCounter > 0) DoubleClickCounter = std::max(0.0f, DoubleClickCounter - Delta);
    }
    if (Dragging) ManageScaleOnMO();
    if (!StayDown && MouseClickCounter > 0) MouseClickCounter = std::max(0.0f, MouseClickCounter - Delta);
    return clickedNow;
}

int TButton::ManageNoSound() {
    NoSound = 1;
    const int result = Manage();
    NoSound = 0;
    return result;
}

int TButton::ManageDrag(int over) {
    if (DraggedButton && DraggedButton != this) return 0;
    TMousePointer& mouse = *Game->Mouse;
    if (!mouse.GetMb()) {
        LastMouseDown = 0;
        ClearDrag();
        return 1;
    }
    const bool started = DragStartX != -1;
    if (Dragging) {
        MoveTo(static_cast<float>(mouse.x - DragOffsetX), static_cast<float>(mouse.y - DragOffsetY));
        MouseOver = 1;
        FixedGlowOnMOActivate();
    } else if ((LastMouseDown || !over) && started) {
        if (std::abs(mouse.x - DragStartX) > DragDeadZone || std::abs(mouse.y - DragStartY) > DragDeadZone) {
            StartDrag();
        }
    } else if (!over && !started) {
        ClearDrag();
    } else if (!LastMouseDown) {
        // A press that began over the button; one that began elsewhere and slid on does not drag it.
        DragStartX = mouse.x;
        DragStartY = mouse.y;
        if (DragDeadZone == 0) StartDrag();
    }
    LastMouseDown = 1;
    return 1;
}

int TButton::StartDrag() {
    Dragging = 1;
    DraggedButton = this;
    DragOffsetX = DragStartX - static_cast<int>(x);
    DragOffsetY = DragStartY - static_cast<int>(y);
    return 1;
}

int TButton::SimulateClick() {
    FixedGlowOnMOActivate();
    const int taken = Click(0);
    if (taken) MouseOver = 1;
    return taken;
}

// ---- Growth --------------------------------------------------------------------------------------------

int TButton::ManageMouseOverScale() {
    if (DraggedButton) {
        ScaleOnMODelayCounter = 0;
        return 0;
    }
    if (ScaleOnMOMax <= 1) return 1;
    if (ScaleOnMODelayCounter < ScaleOnMODelayFrames) {
        ScaleOnMODelayCounter =
            std::min(ScaleOnMODelayCounter + Delta, static_cast<float>(ScaleOnMODelayFrames));
        if (!Reached(ScaleOnMODelayCounter, ScaleOnMODelayFrames)) return 1;
    }
    ScaleOnMO = std::min(ScaleOnMO + ScaleOnMOUpSpeed * Delta, ScaleOnMOMax);
    return 1;
}

int TButton::ManageScaleOnMO() {
    if (ScaleOnMO <= 1) return 0;
    ScaleOnMO = std::max(ScaleOnMO - ScaleOnMODownSpeed * Delta, 1.0f);
    return 1;
}

float TButton::GetMOScale() const {
    if (!ImageScaled || ImageScaled->w <= 0 || ScaleOnMOMax <= 1) return ScaleOnMO;
    const float small = static_cast<float>(w) / static_cast<float>(ImageScaled->w);
    return 1 - (1 - small) * (1 - (ScaleOnMO - 1) / (ScaleOnMOMax - 1));
}

// ---- Drawing -------------------------------------------------------------------------------------------

void TButton::DrawPicture(const TGameImage& img, int f, float px, float py, float sx, float sy, float glow) {
    if (!img.image) return;
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    const float alpha = UseAlpha ? Alpha : 1.0f;
    graphics.SetScale(sx, sy);
    if (Shadow) {
        graphics.SetColor(0, 0, 0);
        graphics.SetAlpha(ShadowAlpha * alpha);
        graphics.DrawImage(*img.image, px + ShadowX, py + ShadowY, f);
    }
    graphics.SetAlpha(alpha);
    if (Color) {
        graphics.SetColor(Color->r, Color->g, Color->b);
    } else {
        graphics.SetColor(255, 255, 255);
    }
    graphics.DrawImage(*img.image, px, py, f);
    if (glow > 0) {
        const int level = static_cast<int>(std::clamp(glow, 0.0f, 1.0f) * 255);
        graphics.SetBlend(platform::BlendMode::Light);
        graphics.SetColor(level, level, level);
        graphics.DrawImage(*img.image, px, py, f);
        graphics.SetBlend(platform::BlendMode::Alpha);
    }
}

int TButton::Draw() {
    if (!visible || !(Active || AlwaysDraw) || !Game) return 0;
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    graphics.SetBlend(platform::BlendMode::Alpha);
    const bool grown = ScaleOnMO > 1;
    const bool glowRuns = GlowMode > 0 && Glow > 0;
    const bool glowAllowed = glowRuns && (!grown || ScaleOnMOUseGlow);
    const int frame = Animated && AnimCounter > 0 ? GetAnimFrame() : ImageFrame;

    // The look, first match wins.
    std::shared_ptr<TGameImage> img;
    int look, f = 0;
    float glow = 0;
    if (!RunOut(MouseClickCounter) && ImageMouseClick) {
        look = kPressed, img = ImageMouseClick;
    } else if (ImageMouseOver && (MouseOver || (FixedGlowOnMO && FixedGlowOnMOUseMO && glowRuns))) {
        look = kMouseOver, f = frame;
        img = grown && ImageScaled ? ImageScaled : ImageMouseOver;
        if (glowAllowed && UseGlowOnMO) glow = Glow;
    } else if (Disabled) {
        look = kDisabled, img = ImageDisabled ? ImageDisabled : image;
    } else {
        look = kNormal, f = frame;
        img = grown && ImageScaled ? ImageScaled : image;
        if (glowAllowed) glow = Glow;
    }

    const float bx = x + offx, by = y + offy;
    float px = bx, py = by;
    float sx = ScaleX, sy = ScaleY;  // the size of the drawn button against its own picture
    float drawScaleX = sx, drawScaleY = sy;
    float boxW = w * sx, boxH = h * sy;  // the button as drawn
    if (grown && w > 0 && h > 0) {
        // The growth as a size. A larger picture is drawn from its small size at rest up to 1.
        const float g = ImageScaled ? GetMOScale() * ImageScaled->w / w : ScaleOnMO;
        sx = sy = g;
        drawScaleX = drawScaleY = img && img->w > 0 ? g * w / img->w : g;
        // About the centre, whichever picture is drawn.
        boxW = img ? img->w * drawScaleX : w * g;
        boxH = img ? img->h * drawScaleY : h * g;
        px = bx + (w - boxW) / 2;
        py = by + (h - boxH) / 2;
        if (ScaleOnMORoundCoords) px = std::floor(px + 0.5f), py = std::floor(py + 0.5f);
        if (ScaleOnMOStayOnScreen) ClampScaledCoords(px, py, boxW, boxH);
    }
    if (img) DrawPicture(*img, f, px, py, drawScaleX, drawScaleY, glow);
    if (Caption) {
        // A growing caption moves smoothly.
        if (grown) {
            OldRoundedCoords = Caption->RoundCoords;
            Caption->RoundCoords = 0;
        }
        // Placed on the middle of the picture as drawn.
        DrawCaption(px + (boxW - w * sx) / 2, py + (boxH - h * sy) / 2, sx, sy, look);
        if (grown) Caption->RoundCoords = OldRoundedCoords;
    }
    graphics.SetAlpha(1);
    graphics.SetColor(255, 255, 255);
    graphics.SetScale(1, 1);
    if (ScaleOnMODrawUserFunction) ScaleOnMODrawUserFunction(*this, sx, look);
    return 1;
}
