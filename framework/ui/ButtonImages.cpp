// A button's pictures: loading the normal, mouse-over, pressed and disabled looks, and the grown one.
#include <algorithm>
#include <memory>
#include <string>

#include "framework/core/Game.h"
#include "framework/gfx/ImageBank.h"
#include "framework/ui/Button.h"
#include "platform/files/Files.h"

namespace {

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
