#pragma once

#include <memory>
#include <string>

#include "platform/Graphics.h"

class TShadow;
class TTrimData;

// Image flags as the framework passes them: -1 takes the platform's default (smoothed), 2 asks for
// smoothing, 0 for none.
constexpr int kDefaultImageFlags = -1;
constexpr int kFilteredImageFlag = 2;
// The platform flags for framework flags.
int PlatformImageFlags(int flags);

// Every image is uploaded to the display as soon as it loads (the game sets this at start-up).
extern int PrecacheImages;

// A named picture of one or more frames with its handle and optional trim data.
class TGameImage {
public:
    std::string name;  // upper-case key
    platform::ImagePtr image;
    int w = 0, h = 0;      // one frame
    float w2 = 0, h2 = 0;  // w / 2 and h / 2, halved as whole numbers
    int midhandled = 0;
    int tag = 0;
    std::shared_ptr<TTrimData> trimData;

    int CalcRAM() const;
    int CalcVRAM() const;
    static std::shared_ptr<TGameImage> Create(const std::string& path, int flags, int midHandle);
    static std::shared_ptr<TGameImage> CreateAuto(const std::string& path, int cellW, int cellH,
                                                  int firstFrame, int frameCount, int flags, int midHandle);
    static std::shared_ptr<TGameImage> CreateFromImage(platform::ImagePtr image, const std::string& name,
                                                       int midHandle);
    // With a shadow, the frame is drawn first in black at the shadow's alpha and offset.
    int Draw(float x, float y, int frame, const TShadow* shadow = nullptr) const;
    // Draw with the frame's top-left corner, or its middle, at x, y, whichever way the picture is handled.
    int DrawCorner(float x, float y, int frame, const TShadow* shadow = nullptr) const;
    int DrawMiddle(float x, float y, int frame, const TShadow* shadow = nullptr) const;
    int GetWidth() const;
    int GetHeight() const;
    int GetSize();
    // Failing to load is fatal: "Error loading bitmap " + path.
    int Load(const std::string& path, int flags, int midHandle);
    // A strip of frameCount cells of cellW × cellH; failing is fatal: "Error loading anim bitmap " + path.
    int LoadAnim(const std::string& path, int cellW, int cellH, int firstFrame, int frameCount, int flags,
                 int midHandle);
    int MidHandle(int flag);
    int Precache();
    int SetTrimHandle(std::shared_ptr<TTrimData> trim);
};

// The smallest power of two not below v (1 for v below 2): the size a display gives a picture.
int PowerOfTwoAtLeast(int v);

// The upper-cased base name of a path: no folder, no extension ("Dialogs/Dialog.png" → "DIALOG").
std::string ImageKey(const std::string& path);
