#pragma once

#include <functional>
#include <memory>
#include <string>

#include "framework/sprites/Sprite.h"
#include "platform/Audio.h"

class TBitmapFont;
class TColor;
class TGameSound;
class TLabel;
class TMouseRepeat;
class TShadow;

// Something to click: a picture with its normal, mouse-over, pressed and disabled looks, an optional
// caption, sounds for mouse-over and click, growth while the mouse is over it and optional dragging.
// Screens manage their buttons once a tick and read the Clicked flag. The picture's handle is its
// top-left corner; x, y plus offx, offy is where it is managed and drawn.
class TButton : public TSprite {
public:
    TButton() = default;
    ~TButton() override;
    TButton(const TButton&) = delete;
    TButton& operator=(const TButton&) = delete;

    std::shared_ptr<TGameImage> ImageDisabled;
    std::shared_ptr<TGameImage> ImageMouseClick;  // drawn while the press timer runs
    std::shared_ptr<TGameImage> ImageMouseOver;
    std::shared_ptr<TGameImage> ImageScaled;  // a larger picture drawn while grown
    std::shared_ptr<TGameSound> SoundMouseOver, SoundClick;
    std::shared_ptr<TGameSound> SoundClick2;  // for clicks that come from mouse repeat
    std::shared_ptr<TLabel> Caption;
    std::shared_ptr<TColor> CaptionDisabledColor;
    std::shared_ptr<TMouseRepeat> MouseRepeat;
    int Active = 1;      // takes part in input and drawing
    int AlwaysDraw = 0;  // drawn even when not Active
    int Animated = 0;
    int ClickDisabled = 1;  // a Disabled button still takes input
    int ClickWhenDown = 0;  // a click is taken while the press timer runs
    int Disabled = 0;
    int Draggable = 0;  // can be dragged, and is then never clicked
    int DragDeadZone = 0;
    int SoundsWhenDisabled = 1;
    int OKButton = 0;          // Enter clicks it
    int OKButtonUseSpace = 1;  // and so does Space
    int KeyFocusable = 1;      // the keyboard's focus visits it (framework/ui/KeyFocus.h)
    int StayDown = 0;          // the press timer does not run down
    int UseGlowOnMO = 1;
    int UseMenuPath = 0;  // pictures come from the menu folder instead of the image folder
    // Asked while the mouse is over the button; 0 means it does not count as over.
    std::function<int(TButton&)> MouseOverUserFunction;
    int Clicked = 0, DoubleClicked = 0, Dragging = 0;  // MouseOver is the sprite's
    int AutoGlowOnMO = 0;
    std::shared_ptr<TColor> CaptionDownColor;
    float CaptionDownScale = 1;
    float CaptionDownOffsetX = 0, CaptionDownOffsetY = 0;
    platform::ChannelId ChannelMouseOver = 0, ChannelClick = 0;
    int CircularCollisionRadius = 0;  // 1 or more: the hit area is this circle about the centre
    int DragStartX = -1, DragStartY = -1;
    int DragOffsetX = 0, DragOffsetY = 0;
    float DoubleClickCounter = 0, DoubleClickTime = 0;  // ticks
    int FixedGlowOnMO = 0, FixedGlowOnMOUseMO = 0;
    int LastMouseDown = 0;
    float MouseClickCounter = 0, MouseClickDuration = 0;  // the press timer and its length in ticks
    int NoSound = 0;
    int OldRoundedCoords = 0;
    float ScaleOnMOMax = 1;  // 1: no growth
    float ScaleOnMO = 1;
    float ScaleOnMOUpSpeed = 0.03f;
    float ScaleOnMODownSpeed = 0.01f;
    int ScaleOnMORoundCoords = 0;
    int ScaleOnMODelayFrames = 0;
    float ScaleOnMODelayCounter = 0;
    int ScaleOnMOStayOnScreen = 0;
    // Called after the button is drawn, with the growth factor of the drawn picture and which look was
    // drawn (1 pressed, 2 mouse-over, 3 disabled, 4 normal).
    std::function<int(TButton&, float, int)> ScaleOnMODrawUserFunction;
    int ScaleOnMOUseGlow = 1;
    // Our own: the glow a fixed mouse-over glow starts at, and how fast it fades once the mouse is gone.
    float FixedGlowStrength = 0, FixedGlowFade = 0;

    // Keeps a picture of width × height drawn at px, py inside the screen; right and bottom first, so
    // that a picture larger than the screen keeps its top-left corner on it.
    int ClampScaledCoords(float& px, float& py, float width, float height) const;
    int ClearClick();
    int ClearDrag();
    int ClearDoubleClick();
    int ClearMouseOver();
    // Takes a click when the press timer allows it; repeat marks a click of mouse repeat. 1 when taken.
    int Click(int repeat);
    // A button with its pictures (file, and file + "MO" for the mouse-over look when that exists) and
    // sounds at x, y; pictures from the menu folder when useMenuPath is 1.
    static std::shared_ptr<TButton> CreateSpecial(const std::string& file, float x, float y,
                                                  std::shared_ptr<TGameSound> mouseOverSound,
                                                  std::shared_ptr<TGameSound> clickSound, int useMenuPath);
    // The caption with the colours of the given look at drawing scale sx, sy, its box's top-left at px,
    // py. look: 1 pressed, 2 mouse-over, 3 disabled, 4 normal.
    int DrawCaption(float px, float py, float sx, float sy, int look);
    int FixedGlowOnMOActivate();
    // The double click, cleared as it is read.
    int GetDoubleClicked();
    // The drawing scale of the grown picture (ImageScaled when there is one).
    float GetMOScale() const;
    // The menu folder when UseMenuPath is set, else the image folder.
    std::string GetPath() const;
    // Pictures as LoadImages, the mouse-over and click sounds, and the position.
    int Load(const std::string& file, std::shared_ptr<TGameSound> mouseOverSound,
             const std::string& mouseOverFile, std::shared_ptr<TGameSound> clickSound, float px, float py,
             int frames);
    int LoadDisabled(const std::string& file, int clickDisabled);
    // GetPath() + file + the image extension; the mouse-over picture only when that file exists (else the
    // normal one serves for both). frames of 2 or more make the normal picture an animation strip.
    int LoadImages(const std::string& file, const std::string& mouseOverFile, int frames = 1);
    int LoadMouseClick(const std::string& file, int ms);
    // Once a tick. Returns 1 when the button was clicked in this call.
    int Manage();
    // Dragging, given whether the mouse is over the button.
    int ManageDrag(int over);
    // Growth while the mouse is over; 1 while growth applies (then the button does not shrink).
    int ManageMouseOverScale();
    // Manage without sounds.
    int ManageNoSound();
    // Shrinking back.
    int ManageScaleOnMO();
    int MoveBy(float dx, float dy);
    int MoveTo(float px, float py);
    int PlayClick();
    int PlayClick2();
    int PlayMouseOver();
    int Precache();
    int ResetScaleOnMO();
    int SetCircularCollision(int radius);
    int SetDoubleClickTime(int ms);
    // A glow of strength that holds while the mouse is over and fades by fade a tick afterwards; with
    // useMO the mouse-over picture shows while it fades.
    int SetFixedGlowOnMO(float strength, float fade, int useMO);
    // A glow pulsing between min and max at speed (degrees a tick) while the mouse is over.
    int SetAutoGlow(float min, float max, float speed, int on);
    // A hit area from (x1, y1) to (x2, y2) with corners, else of x2OrW × y2OrH; relative to the button's
    // position when relative is 1. The area moves with the button.
    int SetBoundingBox(float x1, float y1, float x2OrW, float y2OrH, int corners, int relative);
    // A hit area of the fractions fx of the width and fy of the height, centred on the picture.
    int SetBoundingBoxAuto(float fx, float fy);
    int SetImages(std::shared_ptr<TGameImage> normal, std::shared_ptr<TGameImage> mouseOver,
                  std::shared_ptr<TGameImage> click);
    int SetImageScaled(std::shared_ptr<TGameImage> scaled);
    // A caption centred on the button, drawn with imageFont (or bitmapFont) in colour, and in
    // mouseOverColour while the mouse is over.
    int SetupCaption(const std::string& text, std::shared_ptr<TBitmapFont> imageFont,
                     std::shared_ptr<TColor> colour, std::shared_ptr<TShadow> shadow,
                     std::shared_ptr<TBitmapFont> bitmapFont, std::shared_ptr<TColor> mouseOverColour);
    int SetupCaptionDown(std::shared_ptr<TColor> colour, float scale, float dx, float dy);
    int SetupMouseRepeat(int initialMs, int repeatMs);
    int SetupScaleOnMO(float max, float upSpeed, float downSpeed, int delayMs);
    // As if clicked (the OK button's keys).
    int SimulateClick();
    int StartDrag();

    // Centred across the screen, top at py.
    int CentreX(float py) override;
    int Draw() override;
    int Init() override;
    int Kill() override;

private:
    // Whether the mouse is over the hit area, with the offsets added.
    bool HitTest();
    // Plays sound on channel unless sounds are off for this button.
    int PlayOn(platform::ChannelId& channel, const std::shared_ptr<TGameSound>& sound);
    // One picture with its shadow and, when glow is above 0, its glow.
    void DrawPicture(const TGameImage& img, int frame, float px, float py, float sx, float sy, float glow);
};

// The one button being dragged; null when no drag is under way.
extern TButton* DraggedButton;
