#include "framework/gfx/GameImage.h"

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/core/Messages.h"
#include "framework/core/Strings.h"
#include "framework/gfx/TrimData.h"
#include "framework/sprites/Shadow.h"
#include "platform/codecs/ImageCodec.h"
#include "platform/files/Files.h"

int PrecacheImages = 0;

namespace {

platform::ImagePtr LoadPlatformImage(const std::string& path, int cellW, int cellH, int first, int count,
                                     int flags) {
    if (!Game) return nullptr;
    platform::PixelMap pixels;
    std::string error;
    if (!platform::LoadImageFile(platform::files::Resolve(path), pixels, error)) return nullptr;
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    if (count < 2) return graphics.LoadImage(pixels, PlatformImageFlags(flags));
    return graphics.LoadAnimImage(pixels, cellW, cellH, first, count, PlatformImageFlags(flags));
}

}  // namespace

int PowerOfTwoAtLeast(int v) {
    int p = 1;
    while (p < v && p < (1 << 30)) p <<= 1;
    return p;
}

int PlatformImageFlags(int flags) {
    return (flags == -1 || (flags & kFilteredImageFlag)) ? platform::kImageFiltered : 0;
}

std::string ImageKey(const std::string& path) {
    return UpperCase(platform::files::StemOf(path));
}

int TGameImage::CalcRAM() const {
    const int frames = image ? image->Frames() : 0;
    return w * 4 * h * frames;
}

int TGameImage::CalcVRAM() const {
    const int frames = image ? image->Frames() : 0;
    return PowerOfTwoAtLeast(w) * 4 * PowerOfTwoAtLeast(h) * frames;
}

std::shared_ptr<TGameImage> TGameImage::Create(const std::string& path, int flags, int midHandle) {
    auto img = std::make_shared<TGameImage>();
    img->Load(path, flags, midHandle);
    return img;
}

std::shared_ptr<TGameImage> TGameImage::CreateAuto(const std::string& path, int cellW, int cellH,
                                                   int firstFrame, int frameCount, int flags, int midHandle) {
    auto img = std::make_shared<TGameImage>();
    if (frameCount < 2) {
        img->Load(path, flags, midHandle);
    } else {
        img->LoadAnim(path, cellW, cellH, firstFrame, frameCount, flags, midHandle);
    }
    return img;
}

std::shared_ptr<TGameImage> TGameImage::CreateFromImage(platform::ImagePtr image, const std::string& name,
                                                        int midHandle) {
    auto img = std::make_shared<TGameImage>();
    img->image = std::move(image);
    img->name = UpperCase(name);
    img->GetSize();
    img->MidHandle(midHandle);
    return img;
}

int TGameImage::DrawCorner(float x, float y, int frame, const TShadow* shadow) const {
    return midhandled ? Draw(x + w2, y + h2, frame, shadow) : Draw(x, y, frame, shadow);
}

int TGameImage::DrawMiddle(float x, float y, int frame, const TShadow* shadow) const {
    return midhandled ? Draw(x, y, frame, shadow) : Draw(x - w2, y - h2, frame, shadow);
}

int TGameImage::Draw(float x, float y, int frame, const TShadow* shadow) const {
    if (!image || !Game) return 0;
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    if (shadow) {
        shadow->Apply();
        graphics.DrawImage(*image, x + shadow->X, y + shadow->Y, frame);
        shadow->Restore();
    }
    graphics.DrawImage(*image, x, y, frame);
    return 1;
}

int TGameImage::GetWidth() const {
    if (trimData) return trimData->originalWidth;
    return image ? image->Width() : 0;
}

int TGameImage::GetHeight() const {
    if (trimData) return trimData->originalHeight;
    return image ? image->Height() : 0;
}

int TGameImage::GetSize() {
    if (!image) return 0;
    w = image->Width();
    h = image->Height();
    w2 = static_cast<float>(w / 2);
    h2 = static_cast<float>(h / 2);
    return 1;
}

int TGameImage::Load(const std::string& path, int flags, int midHandle) {
    name = ImageKey(path);
    image = LoadPlatformImage(path, 0, 0, 0, 1, flags);
    if (!image) Message("Error loading bitmap " + path, 1, 1);
    GetSize();
    MidHandle(midHandle);
    if (PrecacheImages) Precache();
    return 1;
}

int TGameImage::LoadAnim(const std::string& path, int cellW, int cellH, int firstFrame, int frameCount,
                         int flags, int midHandle) {
    name = ImageKey(path);
    image = LoadPlatformImage(path, cellW, cellH, firstFrame, frameCount, flags);
    if (!image) Message("Error loading anim bitmap " + path, 1, 1);
    GetSize();
    MidHandle(midHandle);
    if (PrecacheImages) Precache();
    return 1;
}

int TGameImage::MidHandle(int flag) {
    midhandled = flag == 1 ? 1 : 0;
    if (image)
        image->SetHandle(midhandled ? image->Width() / 2.0f : 0, midhandled ? image->Height() / 2.0f : 0);
    return 1;
}

// Images reach the display as they load; there is nothing left to upload.
int TGameImage::Precache() {
    return image ? 1 : 0;
}

int TGameImage::SetTrimHandle(std::shared_ptr<TTrimData> trim) {
    trimData = std::move(trim);
    if (image && trimData)
        image->SetHandle(static_cast<float>(-trimData->xOffset), static_cast<float>(-trimData->yOffset));
    return 1;
}
