// Without a graphics processor the accelerated driver is SDL's software renderer, chosen without ever
// loading OpenGL. Each test runs in a process of its own, so the libraries mapped are the test's.
// Registered twice: on the dummy video driver, and on a real X server (Xvfb) when one can be started.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "platform/sdl/SdlGraphics.h"

namespace platform {
namespace {

// The OpenGL stack: the dispatch libraries, Mesa's drivers and the compiler llvmpipe brings.
std::vector<std::string> OpenGlLibrariesMapped() {
    std::vector<std::string> found;
    std::ifstream maps("/proc/self/maps");
    for (std::string line; std::getline(maps, line);) {
        const size_t slash = line.find('/');
        if (slash == std::string::npos) continue;
        const std::string path = line.substr(slash);
        const std::string name = path.substr(path.rfind('/') + 1);
        const bool gl = name.rfind("libGL", 0) == 0 || name.rfind("libEGL", 0) == 0 ||
                        name.rfind("libgallium", 0) == 0 || name.rfind("libLLVM", 0) == 0 ||
                        name.find("_dri.so") != std::string::npos;
        if (gl && (found.empty() || found.back() != path)) found.push_back(path);
    }
    return found;
}

bool NoGpu() {
    return false;
}
bool Gpu() {
    return true;
}

class RendererChoiceTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError(); }
    void TearDown() override {
        graphics_.reset();
        SDL_Quit();
    }

    // Opens a window with the default (accelerated) driver, as the game does, and names the renderer.
    std::string OpenWith(bool (*hardware)()) {
        SdlGraphicsOptions options{false, nullptr};
        options.hardwareAcceleration = hardware;
        graphics_ = std::make_unique<SdlGraphics>(options);
        graphics_->SelectDriver(Driver::Direct3D9);
        WindowSpec spec;
        spec.width = 320;
        spec.height = 240;
        std::string error;
        if (!graphics_->Open(spec, error)) return "failed: " + error;
        graphics_->Flip(0);
        SDL_RendererInfo info;
        SDL_Renderer* renderer = SDL_GetRenderer(graphics_->Window());
        return renderer && SDL_GetRendererInfo(renderer, &info) == 0 ? info.name : "";
    }

    std::unique_ptr<SdlGraphics> graphics_;
};

TEST_F(RendererChoiceTest, WithoutAGpuTheSoftwareRendererIsChosenAndOpenGlNeverMapped) {
    ASSERT_TRUE(OpenGlLibrariesMapped().empty()) << OpenGlLibrariesMapped().front();
    EXPECT_EQ(OpenWith(NoGpu), "software") << SDL_GetCurrentVideoDriver();
    EXPECT_TRUE(graphics_->IsOpen());
    const std::vector<std::string> mapped = OpenGlLibrariesMapped();
    EXPECT_TRUE(mapped.empty()) << "on " << SDL_GetCurrentVideoDriver() << ": " << mapped.front();
}

// The contrast that shows the check above can see OpenGL at all: with a graphics processor assumed,
// the accelerated renderer is tried and OpenGL is loaded (Mesa's llvmpipe here; the game then turns to
// the software renderer, but the libraries are in).
TEST_F(RendererChoiceTest, WithAGpuOpenGlIsTriedUnderX) {
    if (std::strcmp(SDL_GetCurrentVideoDriver(), "x11") != 0) GTEST_SKIP() << "needs an X server";
    EXPECT_NE(OpenWith(Gpu).rfind("failed", 0), 0u);
    EXPECT_FALSE(OpenGlLibrariesMapped().empty());
}

}  // namespace
}  // namespace platform
