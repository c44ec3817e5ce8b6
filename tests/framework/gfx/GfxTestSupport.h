#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/Product.h"
#include "framework/core/Game.h"
#include "framework/core/GameGuard.h"
#include "framework/core/Globals.h"
#include "platform/audio/ClockedOutput.h"
#include "platform/audio/MixerAudio.h"
#include "platform/codecs/ImageCodec.h"
#include "platform/null/NullPlatform.h"
#include "tests/support/TempFolder.h"

namespace murkwell::test {

// A part of a picture as the drawing layer was asked to draw it, with the state it was drawn in.
struct DrawnPart {
    float x, y, w, h;      // where, and the size before the drawing scale
    float sx, sy, sw, sh;  // the part of the picture
    int r, g, b;
    float alpha, scaleX, scaleY, rotation;
};

// The null drawing layer, remembering every part drawn (glyphs are parts of their page).
class RecordingGraphics : public platform::NullGraphics {
public:
    void DrawSubImageRect(const platform::Image& image, float x, float y, float w, float h, float sx,
                          float sy, float sw, float sh, int frame) override {
        NullGraphics::DrawSubImageRect(image, x, y, w, h, sx, sy, sw, sh, frame);
        DrawnPart part{x, y, w, h, sx, sy, sw, sh, 0, 0, 0, Alpha(), ScaleX(), ScaleY(), Rotation()};
        GetColor(part.r, part.g, part.b);
        parts.push_back(part);
    }
    std::vector<DrawnPart> parts;
};

// A game on the null platform with the recording drawing layer, installed as Game, with a temporary
// folder for the files a test writes and for the error log.
class GfxFixture : public ::testing::Test {
protected:
    GfxFixture() {
        auto clock = std::make_unique<platform::ManualClock>();
        auto audio =
            std::make_unique<platform::MixerAudio>(std::make_unique<platform::ClockedOutput>(*clock));
        platform_ = std::make_unique<platform::Platform>(
            std::move(clock), std::make_unique<platform::RecordingSystem>(temp_.Path() + "/home/"),
            std::make_unique<RecordingGraphics>(), std::move(audio),
            std::make_unique<platform::NullEvents>());
        game_ = std::make_unique<TGame>(*platform_);
        guard_.emplace(*game_, kMurkwell);
        savedLogFolder_ = ErrorLogFolder;
        ErrorLogFolder = Folder();
    }
    ~GfxFixture() override { ErrorLogFolder = savedLogFolder_; }

    // Ends in "/".
    std::string Folder() const { return temp_.Path() + "/"; }
    RecordingGraphics& Graphics() { return static_cast<RecordingGraphics&>(platform_->GetGraphics()); }
    const std::vector<std::string>& Messages() {
        return static_cast<platform::RecordingSystem&>(platform_->GetSystem()).Messages();
    }
    void Write(const std::string& name, const std::string& text) { WriteText(Folder() + name, text); }
    void WritePicture(const std::string& name, int width, int height) {
        std::string error;
        ASSERT_TRUE(platform::SavePng(
            Folder() + name, platform::PixelMap(width, height, {255, 255, 255, 255}), 1, true, error))
            << error;
    }
    TGame& game() { return *game_; }

private:
    TempFolder temp_;
    std::unique_ptr<platform::Platform> platform_;
    std::unique_ptr<TGame> game_;
    std::optional<TGameGuard> guard_;
    std::string savedLogFolder_;
};

}  // namespace murkwell::test
