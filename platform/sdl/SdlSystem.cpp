#include "platform/sdl/SdlSystem.h"

#include <SDL.h>

#include "platform/os/DesktopWallpaper.h"
#include "platform/sdl/SdlGraphics.h"

namespace platform {

void SdlSystem::ShowMessage(const std::string& title, const std::string& text) {
    PosixSystem::ShowMessage(title, text);
    if (headless_) return;
    SDL_Window* parent = graphics_ ? graphics_->Window() : nullptr;
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, title.c_str(), text.c_str(), parent);
}

bool SdlSystem::SetWallpaper(const std::string& path) {
    return !headless_ && SetDesktopWallpaper(path);
}

}  // namespace platform
