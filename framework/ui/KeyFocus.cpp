#include "framework/ui/KeyFocus.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "framework/core/Game.h"
#include "framework/core/Input.h"
#include "framework/ui/MousePointer.h"
#include "platform/KeyCodes.h"

TKeyFocus KeyFocus;

namespace {

namespace vk = platform::vk;

// The glow breathes once every 1.2 s (240 ticks).
constexpr float kPulseTicks = 240;
// Tab reads the widgets as lines of text are read, lines this tall.
constexpr float kLineHeight = 24;

bool ShiftHeld() {
    return KeyDown(vk::kShift) || KeyDown(vk::kLeftShift) || KeyDown(vk::kRightShift);
}

// A frame of thickness t just outside the rectangle.
void Outline(platform::Graphics& graphics, float x, float y, float w, float h, float t) {
    graphics.DrawRect(x - t, y - t, w + 2 * t, t);
    graphics.DrawRect(x - t, y + h, w + 2 * t, t);
    graphics.DrawRect(x - t, y, t, h);
    graphics.DrawRect(x + w, y, t, h);
}

}  // namespace

void DrawFocusFrame(float x, float y, float w, float h, float pulse) {
    if (!Game) return;
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    const platform::BlendMode was = graphics.Blend();
    // A soft halo of lantern light widening outwards, then a bright rim.
    graphics.SetBlend(platform::BlendMode::Light);
    graphics.SetColor(255, 170, 60);
    for (int ring = 0; ring < 4; ++ring) {
        graphics.SetAlpha((0.16f + 0.16f * pulse) * static_cast<float>(4 - ring) / 4.0f);
        const float out = 2.0f + 2.0f * static_cast<float>(ring);
        Outline(graphics, x - out, y - out, w + 2 * out, h + 2 * out, 2);
    }
    graphics.SetBlend(platform::BlendMode::Alpha);
    graphics.SetColor(255, 222, 140);
    graphics.SetAlpha(0.75f + 0.25f * pulse);
    Outline(graphics, x, y, w, h, 2);
    graphics.SetColor(255, 255, 255);
    graphics.SetAlpha(1);
    graphics.SetBlend(was);
}

bool TKeyFocus::Offer(const void* widget, float x, float y, float w, float h, Keeps keeps) {
    offered_.push_back({widget, x, y, w, h, keeps});
    if (!pressed_ || widget != pressed_) return false;
    pressed_ = nullptr;
    return true;
}

void TKeyFocus::OfferTyping() {
    typing_ = true;
}

bool TKeyFocus::ShowsElsewhere(const void* widget) const {
    return shows_ && focused_ != widget && FocusedIndex() >= 0;
}

void TKeyFocus::Reset() {
    offered_.clear();
    last_.clear();
    focused_ = pressed_ = nullptr;
    shows_ = typing_ = typingLast_ = tookEnter_ = false;
}

int TKeyFocus::FocusedIndex() const {
    for (size_t i = 0; i < last_.size(); ++i) {
        if (last_[i].widget == focused_) return static_cast<int>(i);
    }
    return -1;
}

int TKeyFocus::Nearest(int from, int dx, int dy) const {
    const Item& origin = last_[static_cast<size_t>(from)];
    const float ox = origin.x + origin.w / 2, oy = origin.y + origin.h / 2;
    int best = -1;
    float bestScore = std::numeric_limits<float>::max();
    for (size_t i = 0; i < last_.size(); ++i) {
        const Item& item = last_[i];
        const float ix = item.x + item.w / 2 - ox, iy = item.y + item.h / 2 - oy;
        const float along = ix * static_cast<float>(dx) + iy * static_cast<float>(dy);
        const float across = std::fabs(ix * static_cast<float>(dy) + iy * static_cast<float>(dx));
        // Only what lies that way; a widget far off to the side counts as further than one straight on.
        if (along < 1 || item.keeps == kTabOnly) continue;
        const float score = along + 2 * across;
        if (score < bestScore) {
            bestScore = score;
            best = static_cast<int>(i);
        }
    }
    return best;
}

int TKeyFocus::Starting() const {
    const int mx = Game && Game->Mouse ? Game->Mouse->x : -1, my = Game && Game->Mouse ? Game->Mouse->y : -1;
    for (size_t i = 0; i < last_.size(); ++i) {
        const Item& item = last_[i];
        const float px = static_cast<float>(mx), py = static_cast<float>(my);
        if (px >= item.x && px < item.x + item.w && py >= item.y && py < item.y + item.h) {
            return static_cast<int>(i);
        }
    }
    return 0;
}

std::vector<int> TKeyFocus::ReadingOrder() const {
    // Lines of kLineHeight pixels by the widgets' middles, top to bottom, each left to right; widgets at the
    // same place keep the order they were managed in.
    auto line = [](const Item& item) {
        return static_cast<int>(std::floor((item.y + item.h / 2) / kLineHeight));
    };
    std::vector<int> order(last_.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const Item &p = last_[static_cast<size_t>(a)], &q = last_[static_cast<size_t>(b)];
        if (line(p) != line(q)) return line(p) < line(q);
        return p.x + p.w / 2 < q.x + q.w / 2;
    });
    return order;
}

bool TKeyFocus::LeftToWidget(int index, int dx, int dy) const {
    if (index < 0) {
        const auto keeping = [](Keeps keeps) {
            return [keeps](const Item& item) { return item.keeps == keeps; };
        };
        return (dy != 0 && std::any_of(last_.begin(), last_.end(), keeping(kUpDownAlways))) ||
               std::all_of(last_.begin(), last_.end(), keeping(kTabOnly));
    }
    const Keeps keeps = last_[static_cast<size_t>(index)].keeps;
    return keeps == kTabOnly || (dx != 0 ? keeps == kLeftRight : keeps == kUpDown || keeps == kUpDownAlways);
}

void TKeyFocus::Arrow(int code, int dx, int dy) {
    const int at = shows_ ? FocusedIndex() : -1;
    if (LeftToWidget(at, dx, dy) || !KeyHit(code)) return;
    if (at < 0) {
        const int known = FocusedIndex();
        focused_ = last_[static_cast<size_t>(known < 0 ? Starting() : known)].widget;
        shows_ = true;
        return;
    }
    const int next = Nearest(at, dx, dy);
    if (next >= 0) focused_ = last_[static_cast<size_t>(next)].widget;
}

void TKeyFocus::BeginTick(float delta) {
    last_.swap(offered_);
    offered_.clear();
    typingLast_ = typing_;
    typing_ = false;
    tookEnter_ = false;
    // A press the widget did not come back for is dropped: it has gone.
    pressed_ = nullptr;
    pulse_ = std::fmod(pulse_ + delta, kPulseTicks);
    if (Game && Game->Mouse && (Game->Mouse->x != mouseX_ || Game->Mouse->y != mouseY_)) {
        if (mouseX_ != -1 || mouseY_ != -1) shows_ = false;
        mouseX_ = Game->Mouse->x;
        mouseY_ = Game->Mouse->y;
    }
    if (last_.empty()) return;
    // Other widgets altogether (another screen, a dialog come or gone): the focus waits to be asked for, so
    // that Enter keeps meaning what the screen makes it mean.
    if (FocusedIndex() < 0) shows_ = false;

    if (KeyHit(vk::kTab)) {
        const std::vector<int> order = ReadingOrder();
        const int n = static_cast<int>(order.size());
        const int at =
            static_cast<int>(std::find(order.begin(), order.end(), FocusedIndex()) - order.begin());
        int next;
        if (!shows_ && at < n) {
            next = at;
        } else if (at == n) {
            next = ShiftHeld() ? n - 1 : 0;
        } else {
            next = (at + (ShiftHeld() ? n - 1 : 1)) % n;
        }
        focused_ = last_[static_cast<size_t>(order[static_cast<size_t>(next)])].widget;
        shows_ = true;
    }
    Arrow(vk::kLeft, -1, 0);
    Arrow(vk::kRight, 1, 0);
    Arrow(vk::kUp, 0, -1);
    Arrow(vk::kDown, 0, 1);

    if (!shows_ || FocusedIndex() < 0) return;
    const bool enter = KeyHit(vk::kEnter) != 0;
    const bool space = !typingLast_ && KeyHit(vk::kSpace) != 0;
    if (enter || space) {
        pressed_ = focused_;
        tookEnter_ = enter;
    }
}

void TKeyFocus::Draw() const {
    if (!shows_) return;
    for (const Item& item : offered_) {
        if (item.widget != focused_) continue;
        const float pulse = 0.5f + 0.5f * std::sin(pulse_ / kPulseTicks * 6.2831853f);
        DrawFocusFrame(item.x, item.y, item.w, item.h, pulse);
        return;
    }
}
