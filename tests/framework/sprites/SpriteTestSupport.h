#pragma once

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/Product.h"
#include "framework/core/Game.h"
#include "framework/core/GameGuard.h"
#include "framework/core/Globals.h"
#include "framework/core/Random.h"
#include "framework/gfx/GameImage.h"
#include "framework/screens/Screen.h"
#include "platform/Platform.h"
#include "platform/audio/ClockedOutput.h"
#include "platform/audio/MixerAudio.h"
#include "platform/null/NullEvents.h"
#include "platform/null/NullGraphics.h"
#include "platform/null/NullPlatform.h"
#include "platform/os/SystemClock.h"

namespace murkwell::test {

// Hooks are plain functions, so the tests' hooks write what happened here; every fixture starts it empty.
inline std::vector<std::string> hookCalls;
inline void Record(const std::string& what) {
    hookCalls.push_back(what);
}
inline int Calls(const std::string& what) {
    return static_cast<int>(std::count(hookCalls.begin(), hookCalls.end(), what));
}

// Null drawing that remembers every state change and every picture drawn with the state it was drawn in.
class RecordingGraphics : public platform::NullGraphics {
public:
    using NullGraphics::NullGraphics;

    struct State {
        float scaleX = 1, scaleY = 1, rotation = 0, alpha = 1;
        int r = 255, g = 255, b = 255;
        platform::BlendMode blend = platform::BlendMode::Alpha;
        bool operator==(const State&) const = default;
    };
    struct Drawn {
        const platform::Image* image;
        float x, y;
        int frame;
        State state;
    };
    struct Changes {
        int scale = 0, rotation = 0, alpha = 0, colour = 0, blend = 0;
        int Total() const { return scale + rotation + alpha + colour + blend; }
    };

    // The state itself is the layer's own; these only count the changes.
    void SetColor(int r, int g, int b) override {
        ++changes_.colour;
        NullGraphics::SetColor(r, g, b);
    }
    void SetAlpha(float alpha) override {
        ++changes_.alpha;
        NullGraphics::SetAlpha(alpha);
    }
    void SetBlend(platform::BlendMode mode) override {
        ++changes_.blend;
        NullGraphics::SetBlend(mode);
    }
    void SetRotation(float degrees) override {
        ++changes_.rotation;
        NullGraphics::SetRotation(degrees);
    }
    void SetScale(float x, float y) override {
        ++changes_.scale;
        NullGraphics::SetScale(x, y);
    }
    void DrawImage(const platform::Image& image, float x, float y, int frame) override {
        drawn_.push_back({&image, x, y, frame, Current()});
        NullGraphics::DrawImage(image, x, y, frame);
    }

    // Filled rectangles, kept apart from pictures, each with the number of pictures drawn before it.
    struct Rect {
        float x, y, w, h;
        State state;
        size_t picturesBefore;
    };
    void DrawRect(float x, float y, float w, float h) override {
        rects_.push_back({x, y, w, h, Current(), drawn_.size()});
        NullGraphics::DrawRect(x, y, w, h);
    }
    const std::vector<Rect>& Rects() const { return rects_; }

    // Parts of pictures (a font's glyphs), kept apart from whole pictures.
    void DrawSubImageRect(const platform::Image& image, float x, float y, float w, float h, float sx,
                          float sy, float sw, float sh, int frame) override {
        parts_.push_back({&image, x, y, frame, Current()});
        NullGraphics::DrawSubImageRect(image, x, y, w, h, sx, sy, sw, sh, frame);
    }

    State Current() const {
        State state{ScaleX(), ScaleY(), Rotation(), Alpha(), 0, 0, 0, Blend()};
        GetColor(state.r, state.g, state.b);
        return state;
    }
    const std::vector<Drawn>& Log() const { return drawn_; }
    const std::vector<Drawn>& Parts() const { return parts_; }
    const Changes& StateChanges() const { return changes_; }
    void ClearLog() {
        drawn_.clear();
        parts_.clear();
        rects_.clear();
        changes_ = {};
    }

private:
    std::vector<Drawn> drawn_, parts_;
    std::vector<Rect> rects_;
    Changes changes_;
};

// The null platform's parts with the recording drawing layer.
class RecordingPlatform : public platform::Platform {
public:
    RecordingPlatform() : RecordingPlatform(new platform::ManualClock, new RecordingGraphics) {}

    platform::ManualClock& TestClock() { return *clock_; }
    RecordingGraphics& TestGraphics() { return *graphics_; }

private:
    // The base owns the parts; the raw pointers stay for the test to drive and read them.
    RecordingPlatform(platform::ManualClock* clock, RecordingGraphics* graphics)
        : Platform(std::unique_ptr<platform::Clock>(clock),
                   std::make_unique<platform::RecordingSystem>("/nonexistent/"),
                   std::unique_ptr<platform::Graphics>(graphics),
                   std::make_unique<platform::MixerAudio>(std::make_unique<platform::ClockedOutput>(*clock)),
                   std::make_unique<platform::NullEvents>()),
          clock_(clock),
          graphics_(graphics) {}

    platform::ManualClock* clock_;
    RecordingGraphics* graphics_;
};

// Runs a function on every logic tick of the real loop.
class TickScreen : public TScreen {
public:
    std::function<void()> onTick;
    int Logic() override {
        if (onTick) onTick();
        return 1;
    }
};

// A game object on the recording platform, installed as the global Game, with the timer running at 200
// ticks a second and a fixed random seed.
class SpriteFixture {
public:
    SpriteFixture() : game_(std::make_unique<TGame>(platform_)), guard_(*game_, kMurkwell) {
        Delta = 1.0f;
        SeedRandom(1234);
        hookCalls.clear();
        platform_.TestClock().Set(5000);
        game_->FixedRateLogic.Create();
        game_->FixedRateLogic.JitterCorrection = 0;
        game_->FixedRateLogic.Init();
        game_->CurrentTScreen = &screen_;
    }
    ~SpriteFixture() { Delta = 1.0f; }

    TGame& game() { return *game_; }
    RecordingGraphics& graphics() { return platform_.TestGraphics(); }

    // Runs onTick on every tick of frames of frameMs until totalMs have passed or until returns true
    // (checked after each frame); returns the time passed.
    int RunFrames(int frameMs, int totalMs, std::function<void()> onTick, std::function<bool()> until = {}) {
        screen_.onTick = std::move(onTick);
        int elapsed = 0;
        while (elapsed < totalMs) {
            platform_.TestClock().Advance(frameMs);
            game_->MainLogicLoop();
            elapsed += frameMs;
            if (until && until()) break;
        }
        screen_.onTick = nullptr;
        Delta = 1.0f;
        return elapsed;
    }

    // A mid-handled picture of w × h in one colour, frames cells wide.
    std::shared_ptr<TGameImage> Image(int w, int h, int frames = 1, const std::string& name = "test") {
        platform::PixelMap pixels(w * frames, h, {200, 100, 50, 255});
        platform::Graphics& g = platform_.GetGraphics();
        platform::ImagePtr image =
            frames > 1 ? g.LoadAnimImage(pixels, w, h, 0, frames, 0) : g.LoadImage(pixels, 0);
        return TGameImage::CreateFromImage(image, name, 1);
    }

private:
    RecordingPlatform platform_;
    std::unique_ptr<TGame> game_;
    TGameGuard guard_;
    TickScreen screen_;
};

}  // namespace murkwell::test
