#include "framework/sprites/Sprite.h"

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/core/Random.h"
#include "framework/core/Strings.h"
#include "framework/gfx/GameImage.h"
#include "framework/gfx/Label.h"
#include "framework/sprites/Box.h"
#include "framework/sprites/Degrees.h"
#include "framework/sprites/Ticks.h"

float TSprite::ScrollX = 0;
float TSprite::ScrollY = 0;

int TSprite::BoundsCheck() {
    if (x < w2) x = w2;
    if (x > VirtualWidth - w2) x = VirtualWidth - w2;
    if (y < h2) y = h2;
    if (y > VirtualHeight - h2) y = VirtualHeight - h2;
    return 1;
}

int TSprite::CalcBoundingBox() {
    if (!BoundingBox) BoundingBox = std::make_shared<TBox>();
    BoundingBox->X = MidHandled() ? x - w2 : x;
    BoundingBox->Y = MidHandled() ? y - h2 : y;
    BoundingBox->W = static_cast<float>(w);
    BoundingBox->H = static_cast<float>(h);
    return 1;
}

int TSprite::Centre() {
    if (image) image->MidHandle(1);
    x = VirtualWidth / 2.0f;
    y = VirtualHeight / 2.0f;
    return 1;
}

int TSprite::CentreX(float py) {
    if (image) image->MidHandle(1);
    x = VirtualWidth / 2.0f;
    y = py;
    return 1;
}

int TSprite::ClearRotation() {
    Rotation = 0;
    return 1;
}

int TSprite::ClearScale() {
    ScaleX = ScaleY = 1.0f;
    return 1;
}

int TSprite::ClearTransformations() {
    ClearRotation();
    return ClearScale();
}

std::shared_ptr<TSprite> TSprite::Create(std::shared_ptr<TGameImage> image, float x, float y) {
    auto sprite = std::make_shared<TSprite>();
    sprite->SetImage(std::move(image));
    sprite->SetPosition(x, y);
    return sprite;
}

std::shared_ptr<TSprite> TSprite::CreateFromFile(const std::string& file, float x, float y, int centre,
                                                 int flags) {
    auto sprite = Create(TGameImage::Create(Game->ImagePath + file + ".png", flags, 1), x, y);
    if (centre == 1) sprite->Centre();
    return sprite;
}

int TSprite::CollideWithPixel(float px, float py) const {
    if (BoundingBox) return BoundingBox->Contains(px, py) ? 1 : 0;
    const TBox own{1,
                   nullptr,
                   MidHandled() ? x - w2 : x,
                   MidHandled() ? y - h2 : y,
                   static_cast<float>(w),
                   static_cast<float>(h)};
    return own.Contains(px, py) ? 1 : 0;
}

int TSprite::GetSize() {
    if (!image) return 0;
    w = image->w;
    h = image->h;
    w2 = image->w2;
    h2 = image->h2;
    return 1;
}

float TSprite::Height() const {
    return h * ScaleY;
}

float TSprite::Width() const {
    return w * ScaleX;
}

int TSprite::Init() {
    return 1;
}

int TSprite::Kill() {
    if (AttachedSprite && KillAttachedSprite == 1) AttachedSprite->Kill();
    AttachedSprite.reset();
    BoundingBox.reset();
    return 1;
}

int TSprite::ManageGlow() {
    if (GlowMode == 2) {
        if (Glow > 0) {
            Glow -= GlowSpeed * Delta;
            if (Glow < 0) Glow = 0;
        }
    } else if (GlowMode == 3) {
        GlowCounter.Manage();
        Glow = GlowMin + GlowRange * std::fabs(GlowCounter.ratio);
    }
    return 1;
}

int TSprite::ManageRotation() {
    if (RotationLoop) {
        Rotation = static_cast<float>(WrapCycle(Rotation + RotationSpeed * Delta, 0, 360));
    } else if (!RunOut(RotationCounter)) {
        RotationCounter -= Delta;
        Rotation += RotationSpeed * Delta;
    }
    return 1;
}

int TSprite::ManageScale() {
    if (RunOut(ScaleCounter)) return 0;
    ScaleCounter -= Delta;
    ScaleX += ScaleXSpeed * Delta;
    ScaleY += ScaleYSpeed * Delta;
    return 1;
}

void TSprite::MoveLabel(float stepX, float stepY) {
    Label->X += stepX;
    Label->Y += stepY;
}

int TSprite::MoveAttachedSprite() {
    if (!AttachedSprite) return 0;
    AttachedSprite->x += dx * Delta;
    AttachedSprite->y += dy * Delta;
    return 1;
}

int TSprite::MoveOriginalCoords() {
    ox += dx * Delta;
    oy += dy * Delta;
    if (xgravity != 0) dx += xgravity * Delta;
    if (ygravity != 0) dy += ygravity * Delta;
    return 1;
}

int TSprite::MoveForward() {
    dx = static_cast<float>(SinDeg(Rotation) * speed);
    dy = static_cast<float>(-CosDeg(Rotation) * speed);
    return Move();
}

int TSprite::MoveUp() {
    y -= yspeed * Delta;
    return BoundsCheck();
}

int TSprite::MoveDown() {
    y += yspeed * Delta;
    return BoundsCheck();
}

int TSprite::MoveLeft() {
    x -= xspeed * Delta;
    return BoundsCheck();
}

int TSprite::MoveRight() {
    x += xspeed * Delta;
    return BoundsCheck();
}

int TSprite::ScaleOriginalCoords() {
    x = ox * BaseScaleX;
    y = oy * BaseScaleY;
    return 1;
}

int TSprite::SetGlow(int mode, float glow, float glowSpeed, float min, float max) {
    GlowMode = mode;
    Glow = glow;
    GlowSpeed = glowSpeed;
    GlowMin = min;
    GlowMax = max;
    GlowRange = max - min;
    if (mode == 3) GlowCounter.Init(0, 360, glowSpeed, 0);
    return 1;
}

int TSprite::SetImage(std::shared_ptr<TGameImage> img) {
    image = std::move(img);
    return GetSize();
}

int TSprite::SetName(const std::string& text) {
    name = UpperCase(text);
    return 1;
}

int TSprite::SetPosition(float px, float py) {
    x = px;
    y = py;
    return 1;
}

int TSprite::SetScaleXY(float sx, float sy) {
    ScaleX = sx;
    ScaleY = sy != 0 ? sy : sx;
    return 1;
}

int TSprite::SetShadow(int on, float sx, float sy, float alpha) {
    Shadow = on;
    ShadowX = sx;
    ShadowY = sy;
    ShadowAlpha = alpha;
    return 1;
}

int TSprite::SetupRotation(float rotationSpeed, int ms, int loop, int randomStart) {
    RotationSpeed = rotationSpeed;
    if (loop == 1) {
        RotationLoop = 1;
        if (randomStart) Rotation = static_cast<float>(Rnd(0, 360));
    } else {
        RotationLength = Ticks(ms);
        RotationCounter = RotationLength;
    }
    return 1;
}

int TSprite::SetupScale(float xSpeed, float ySpeed, int ms) {
    ScaleXSpeed = xSpeed;
    ScaleYSpeed = ySpeed;
    ScaleLength = Ticks(ms);
    ScaleCounter = ScaleLength;
    return 1;
}

int TSprite::Stop() {
    dx = dy = 0;
    return 1;
}

int TSprite::StoreCentreCoords() {
    cx = x;
    cy = y;
    return 1;
}

int TSprite::StoreOriginalCoords() {
    ox = x;
    oy = y;
    return 1;
}
