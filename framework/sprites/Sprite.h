#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "framework/core/Globals.h"
#include "framework/gfx/GameImage.h"
#include "framework/sprites/SineCounter.h"

class TBox;
class TColor;
class TLabel;

// A positioned, animated, transformable picture: gems, items, effects and most moving screen furniture.
// Speeds are per logic tick and scaled by Delta; durations are given in ms; angles are degrees, 0 pointing
// up the screen.
class TSprite {
public:
    virtual ~TSprite() = default;

    // The fields are grouped by who reads them, so that running and drawing thousands of particles
    // touches as few cache lines as it can: first those a moving picture rarely reads, then those read
    // only while a feature is in use, then those every picture reads, those every picture and every
    // tick's move read, and last those only the move reads, which the particle's move-only fields
    // follow. Each part keeps the order of the sprite's description.
    std::string name;  // upper-cased by SetName
    float xspeed = 0, yspeed = 0, speed = 0;
    int MouseOver = 0;
    std::shared_ptr<TBox> BoundingBox;
    int AnimLength = 1000;   // ticks for one pass over all frames
    int AnimCounterDir = 0;  // 1: the counter counts up through a pass; 0: down
    int AnimReverse = 0;     // 1: the counter runs against AnimCounterDir (the way back of a ping-pong)
    int PingPong = 0;
    float FrameLength = 0;
    int Loop = 1;
    int LoopCount = 0;  // above 0: wraps left before looping stops
    double ScaleCounter = 0;
    int ScaleLength = 1000;
    double RotationCounter = 0;
    int RotationLength = 1000;
    int RotationLoop = 0;
    float GlowSpeed = 0, GlowMin = 0, GlowMax = 1.0f;
    float GlowRange = 1.0f;
    TSineCounter GlowCounter;
    std::shared_ptr<TSineCounter> MiscSineCounter;
    float cx = 0, cy = 0;
    // Called when a pass wraps or the animation stops.
    void (*AnimStoppedFunction)(TSprite&) = nullptr;
    float ox = 0, oy = 0;
    std::shared_ptr<TSprite> AttachedSprite;  // moved and killed with this sprite
    int KillAttachedSprite = 1;

    float offx = 0, offy = 0;  // drawing offset, used when UseOffset is 1
    int w = 0, h = 0;
    int frame = 0;
    float ScaleXSpeed = 0.1f, ScaleYSpeed = 0.1f;
    float Glow = 0;

    int active = 0;   // the owner's flag
    int visible = 1;  // 0 skips drawing
    int UseOffset = 0;
    int RoundCoords = 0;
    int ImageFrame = 0;  // drawn when no animation runs
    int Shadow = 0;
    float ShadowX = 3.0f, ShadowY = 3.0f, ShadowAlpha = 0.5f;
    double AnimCounter = 0;
    float BaseScaleX = 1.0f, BaseScaleY = 1.0f;
    int UseAlpha = 1;
    float Alpha = 1.0f;
    int GlowMode = 0;                              // 0 none, 2 fading, 3 pulsing
    std::shared_ptr<TGameImage> AlternativeImage;  // drawn instead of image when set

    float x = 0, y = 0;
    std::shared_ptr<TGameImage> image;
    std::shared_ptr<TColor> Color;
    float ScaleX = 1.0f, ScaleY = 1.0f;
    float Rotation = 0;
    std::shared_ptr<TLabel> Label;  // text moved and drawn with the sprite

    float dx = 0, dy = 0;  // velocity per tick
    float xgravity = 0, ygravity = 0;
    float w2 = 0, h2 = 0;
    int FramesTotal = 1;  // below 2: no animation
    float RotationSpeed = 1.0f;

    int AnimBoundsCheckLower();
    int AnimBoundsCheckUpper();
    // Keeps the whole picture on the virtual screen.
    int BoundsCheck();
    int CalcBoundingBox();
    int Centre();
    virtual int CentreX(float y);
    int ClearRotation();
    int ClearScale();
    int ClearTransformations();
    static std::shared_ptr<TSprite> Create(std::shared_ptr<TGameImage> image, float x, float y);
    // Game.ImagePath + file + ".png" as a new mid-handled image; centre 1 puts it mid-screen.
    static std::shared_ptr<TSprite> CreateFromFile(const std::string& file, float x, float y, int centre,
                                                   int flags);
    int CollideWithPixel(float px, float py) const;
    // Registers the picture the sprite draws, where and as it draws it (offset, scale, rotation), on the
    // collision layers of the mask, for the drawing layer's image collision test; 0 without a picture.
    int AddToCollisions(uint32_t layers);
    int DoDraw();
    // DoDraw, or DrawGlowing for a glowing sprite.
    virtual int Draw();
    // The sprite again in light blending, tinted strength × (r, g, b); with image, that picture instead.
    int DrawLight(float strength, float r, float g, float b, std::shared_ptr<TGameImage> image);
    int DrawNormal();
    int DrawRounded();
    int DrawShadow(const TGameImage& img, int frame, int screenRelative);
    // Drawn where a scrolling screen has moved it (less ScrollX, ScrollY).
    int DrawWithOffset();
    int GetAnimFrame() const;
    int GetSize();
    float Height() const;
    float Width() const;
    virtual int Init();
    virtual int Kill();
    // 1 when the animation reached an end this tick.
    int ManageAnim() { return FramesTotal < 2 ? 0 : StepAnim(); }
    int ManageGlow();
    int ManageRotation();
    int ManageScale();
    // Position first, velocity after.
    virtual int Move() {
        const float stepX = dx * Delta, stepY = dy * Delta;
        x += stepX;
        y += stepY;
        if (Label) MoveLabel(stepX, stepY);
        if (xgravity != 0) dx += xgravity * Delta;
        if (ygravity != 0) dy += ygravity * Delta;
        return 1;
    }
    int MoveAttachedSprite();
    int MoveOriginalCoords();
    int MoveForward();
    int MoveUp();
    int MoveDown();
    int MoveLeft();
    int MoveRight();
    int OutOfBounds() const {
        const float width = static_cast<float>(VirtualWidth), height = static_cast<float>(VirtualHeight);
        if (MidHandled()) return (x < -w2 || x > width + w2 || y < -h2 || y > height + h2) ? 1 : 0;
        return (x < -w || x > width || y < -h || y > height) ? 1 : 0;
    }
    int RandomiseAnimPos();
    int ScaleOriginalCoords();
    int SetGlow(int mode, float glow, float speed, float min, float max);
    int SetImage(std::shared_ptr<TGameImage> img);
    int SetName(const std::string& text);
    int SetPosition(float px, float py);
    int SetScaleXY(float sx, float sy);
    int SetShadow(int on, float sx, float sy, float alpha);
    int SetupAnim(int frames, int ms, int counterDir, int reverse, int randomStart, int pingPong, int loop);
    int SetupRotation(float rotationSpeed, int ms, int loop, int randomStart);
    int SetupScale(float xSpeed, float ySpeed, int ms);
    int Stop();
    int StopAnim();
    int StoreCentreCoords();
    int StoreOriginalCoords();

    // The offset of a scrolling screen (the level map), taken off by DrawWithOffset and screen-relative
    // shadows.
    static float ScrollX, ScrollY;

protected:
    // Draw for a glowing sprite: the sprite, then its glow, in one batch.
    int DrawGlowing();
    // What Draw does, inside a batch already open, where a subclass's draw can take it in whole.
    [[gnu::always_inline]] inline int DrawSprite();
    // Shifts the label along with the sprite.
    void MoveLabel(float stepX, float stepY);

private:
    bool MidHandled() const { return image && image->midhandled; }
    int StepAnim();
    // Where the picture goes before any rounding or scrolling.
    float PictureX() const { return UseOffset ? x + offx : x; }
    float PictureY() const { return UseOffset ? y + offy : y; }
    // Scale, rotation, alpha and tint for drawing; returns whether a tint was applied. These run for
    // every picture of every particle, so they are folded into their callers.
    [[gnu::always_inline]] inline bool ApplyTransform();
    [[gnu::always_inline]] inline void RestoreTransform(bool tinted);
    // The picture at (px, py) with its shadow and its label.
    [[gnu::always_inline]] inline int DrawAt(float px, float py, int screenRelative);
    // DrawNormal (or DrawRounded) inside a batch already open.
    [[gnu::always_inline]] inline int DrawPicture(bool rounded);
    // DoDraw inside a batch already open.
    [[gnu::always_inline]] inline int DrawTransformed();
    // DrawShadow inside a batch already open.
    int ShadowAt(const TGameImage& img, int frame, int screenRelative);
    // The counter runs up through this part of the pass.
    bool CountingUp() const { return (AnimCounterDir == 1) == (AnimReverse == 0); }
};
