#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/sprites/Color.h"
#include "platform/Audio.h"

class TAnimation;
class TBitmapFont;
class TGameImage;
class TGameSound;
class TLabel;
class TMenu;
class TShadow;
class TSprite;

// A modal box: a background picture (or a flat box in DialogColor), a caption, a header picture and a text
// header, up to two pictures and a menu of buttons. It slides or fades in, takes the input until a button
// closes it, and slides or fades out. Its owner calls Manage once a tick and Draw once a frame and reads
// Manage's result: 0 while open, 1 for OK or Yes, -1 for No or Cancel. While it is open Escape is its own.
class TDialog {
public:
    virtual ~TDialog();

    std::string Tag;
    // Our addition: what kind of dialog this is ("message", "purchase", ...), the same in every run, for
    // whatever watches play from outside it (the event report, the autoplayer).
    std::string Name = "dialog";
    std::shared_ptr<TLabel> Caption;
    std::shared_ptr<TGameImage> Background;
    int Active = 0;
    int Disabled = 0;  // the buttons only glow and take no input
    std::shared_ptr<TShadow> Shadow;
    int DrawHighlight = 1;  // light top and left edges
    int w = 0, h = 0, x = 0, y = 0;
    int Border = 20;
    TColor DialogColor;
    std::shared_ptr<TMenu> Menu;
    int MenuShow = 1;
    int Centre = 1;
    int FixedWidth = 0;
    int WordWrapWidth = 0;  // 0: the box's width less two borders
    int ReenableEscapeKey = 1;
    int OldIgnoreEscapeKey = 0;
    int CallPreCalcWordWrap = 1;
    int CaptionOX = 0, CaptionOY = 0;  // a fixed caption position, used when either is not 0
    int CaptionOffsetX = 0, CaptionOffsetY = 0;
    int CaptionCentreVert = 0;
    int MenuOX = 0, MenuOY = 0;
    std::shared_ptr<TSprite> Header;
    std::string Ext = ".png";
    std::shared_ptr<TLabel> TextHeader;
    std::shared_ptr<TGameImage> Picture, Picture2;
    int PictureX = 0, PictureY = 0, Picture2X = 0, Picture2Y = 0;  // from the box's top-left
    float PictureScale = 1, Picture2Scale = 1;
    float PictureAngle = 0, Picture2Angle = 0;
    std::shared_ptr<TShadow> PictureShadow, Picture2Shadow;
    std::shared_ptr<TAnimation> TransitionIn, TransitionOut;
    int Transitioning = 0;  // 0 none, 1 coming in, 2 going out
    float DimBackground = 0;
    int FadeDialog = 0;
    int CloseResultTemp = 0, CloseResult = 0;
    platform::ChannelId FadeChannel = 0;
    int Slide = 0;  // 0 none; from 1 the top, 2 the right, 3 the bottom, 4 the left; 5 one of those at random
    int SlideSine = 0;
    int SlideExtra = 0;
    float OffsetX = 0, OffsetY = 0;
    float Alpha = 1;
    std::function<int(TDialog&)> TransitionCompleteUserFunction, CloseUserFunction;
    std::shared_ptr<TGameSound> ActivateSound, SlideInSound, SlideOutSound;

    // caption: the message; background: the box's picture, or none for a flat box of w × h at x, y.
    virtual int Init(const std::string& caption, std::shared_ptr<TGameImage> background, int w, int h, int x,
                     int y);
    virtual int Start();
    int SetupCaption(std::shared_ptr<TBitmapFont> imageFont, std::shared_ptr<TColor> colour,
                     std::shared_ptr<TShadow> shadow, std::shared_ptr<TBitmapFont> bitmapFont);
    // A title at x, y from the box's top-left (centred on x when centred is set).
    int SetupTextHeader(const std::string& text, std::shared_ptr<TBitmapFont> imageFont,
                        std::shared_ptr<TColor> colour, std::shared_ptr<TShadow> shadow,
                        std::shared_ptr<TBitmapFont> bitmapFont, int x, int y, int centred);
    int SetSlide(int type, int sine);
    int SetTransitions(int inMs, int outMs, float dim, int fade, int slideType, int slideSine,
                       int playSlideInSound);
    int CalcAll();
    virtual int CalcSize();
    int CalcXY();
    int CalcOffset();
    int CaptionGetCentredX() const;
    int HeaderLoad(const std::string& file, float x, float y);
    virtual int SetLabelsXY();
    virtual int MenuPosition();
    int MenuGetCentredX() const;
    virtual int Manage();
    // ManageCore's answer on the tick the out-transition ends and the dialog closes.
    static constexpr int kClosedNow = 2;
    // Transitions and the menu: 0 when the dialog is not open, 1 while it is, kClosedNow.
    int ManageCore();
    // 1 when the out-transition ended this tick.
    int ManageTransitions();
    virtual int Draw();
    int SetAlphas(float alpha);
    int SetWordWrap(int width);
    int DoDrawHighlight(float alpha);
    // Closes with result: at once without an out-transition (returning the result), else when it ends.
    int Close(int result);
    int Finalise();
    virtual int Kill();

    // The dialogs open now, the last opened last: what a person looking at the screen would answer first
    // is at the back.
    static const std::vector<TDialog*>& OpenDialogs();

protected:
    // A menu in the dialogs' way (mouse-over and click sounds, shadows), at the top-left, gap apart.
    static std::shared_ptr<TMenu> MakeMenu(int gap);
    // The caption's drawn height, 0 without one.
    float CaptionHeight() const;
    // The text header's drawn height and the gap under it, 0 without one.
    float TextHeaderSpace() const;

private:
    void Closed();

    int textHeaderX_ = 0, textHeaderY_ = 0;  // the text header's place in the box
};
