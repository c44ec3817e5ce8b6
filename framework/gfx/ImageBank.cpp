#include "framework/gfx/ImageBank.h"

#include "framework/core/Messages.h"
#include "framework/core/Strings.h"
#include "platform/files/Files.h"

TImageBank ImageBank;

int TImageBank::CalcRAM() const {
    long long total = 0;
    for (const auto& [key, image] : images_) total += image->CalcRAM();
    return static_cast<int>(total / 1024);
}

int TImageBank::CalcVRAM() const {
    long long total = 0;
    for (const auto& [key, image] : images_) total += image->CalcVRAM();
    return static_cast<int>(total / 1024);
}

int TImageBank::PrintRAM() const {
    DebugLog("***RAM USAGE=" + std::to_string(CalcRAM() / 1024) + "***");
    return 1;
}

int TImageBank::PrintVRAM() const {
    DebugLog("***VRAM USAGE=" + std::to_string(CalcVRAM() / 1024) + "***");
    return 1;
}

int TImageBank::SetPath(const std::string& path) {
    Path = WithSlash(path);
    return 1;
}

std::shared_ptr<TGameImage> TImageBank::Load(const std::string& file, const std::string& name, int flags,
                                             int midHandle) {
    const std::string path = Path + file + (platform::files::ExtensionOf(file).empty() ? Ext : "");
    auto image = TGameImage::Create(path, Flags(flags), midHandle);
    if (!name.empty()) image->name = UpperCase(name);
    return Store(std::move(image), path);
}

std::shared_ptr<TGameImage> TImageBank::LoadNoMid(const std::string& file, const std::string& name,
                                                  int flags) {
    return Load(file, name, flags, 0);
}

std::shared_ptr<TGameImage> TImageBank::LoadUnderPath(const std::string& file, int flags, int midHandle) {
    const std::string extension = platform::files::ExtensionOf(file);
    return Load(file, file.substr(0, file.size() - extension.size()), flags, midHandle);
}

std::shared_ptr<TGameImage> TImageBank::LoadAnim(const std::string& file, int cellW, int cellH,
                                                 int firstFrame, int frameCount, int flags, int midHandle) {
    const std::string path = Path + file + Ext;
    auto image = std::make_shared<TGameImage>();
    image->LoadAnim(path, cellW, cellH, firstFrame, frameCount, Flags(flags), midHandle);
    return Store(std::move(image), path);
}

std::shared_ptr<TGameImage> TImageBank::Store(std::shared_ptr<TGameImage> image, const std::string& path) {
    const auto [source, added] = sources_.try_emplace(image->name, path);
    if (!added && source->second != path) {
        const std::string collision = image->name + ": " + source->second + " -> " + path;
        DebugLog("***IMAGE KEY TAKEN OVER " + collision + "***");
        collisions_.push_back(collision);
        source->second = path;
    }
    images_[image->name] = image;
    return image;
}

void TImageBank::Clear() {
    images_.clear();
    sources_.clear();
    collisions_.clear();
}

std::shared_ptr<TGameImage> TImageBank::Find(const std::string& name, int noError) const {
    const std::string key = UpperCase(name);
    const auto found = images_.find(key);
    if (found != images_.end()) return found->second;
    if (!noError) Message("Image '" + key + "' was not found in the ImageBank", 1, 1);
    return nullptr;
}

platform::ImagePtr TImageBank::FindTImage(const std::string& name) const {
    const auto image = Find(name, 1);
    return image ? image->image : nullptr;
}

int TImageBank::Precache() {
    for (auto& [key, image] : images_) image->Precache();
    return 1;
}
