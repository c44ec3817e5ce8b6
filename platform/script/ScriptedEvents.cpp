#include "platform/script/ScriptedEvents.h"

#include "platform/text/Utf8.h"

namespace platform {

ScriptedEvents::ScriptedEvents(std::unique_ptr<EventSource> inner, Clock& clock,
                               std::vector<ScriptStep> steps, PointMapper mapper, ScreenshotTaker screenshot)
    : inner_(std::move(inner)),
      clock_(clock),
      steps_(std::move(steps)),
      mapper_(std::move(mapper)),
      screenshot_(std::move(screenshot)),
      start_(clock.Millisecs()) {}

void ScriptedEvents::Queue(EventType type, int key, int button, char32_t character) {
    Event e;
    e.type = type;
    e.key = key;
    e.button = button;
    e.character = character;
    e.x = pointerX_;
    e.y = pointerY_;
    queued_.push_back(e);
}

void ScriptedEvents::Expand(const ScriptStep& step) {
    using Kind = ScriptStep::Kind;
    if (step.kind == Kind::Move || step.kind == Kind::Click) {
        mapper_(step.a, step.b, pointerX_, pointerY_);
        Queue(EventType::MouseMove);
    }
    switch (step.kind) {
        case Kind::Move:
            break;
        case Kind::Press:
            Queue(EventType::MouseDown, 0, step.a);
            break;
        case Kind::Release:
            Queue(EventType::MouseUp, 0, step.a);
            break;
        case Kind::Click:
            Queue(EventType::MouseDown, 0, 1);
            Queue(EventType::MouseUp, 0, 1);
            break;
        case Kind::Key:
            Queue(EventType::KeyDown, step.a);
            // Keys that type something type it, as they do on a real keyboard.
            if (step.a == 8 || step.a == 13 || step.a == 27) Queue(EventType::Character, 0, 0, step.a);
            Queue(EventType::KeyUp, step.a);
            break;
        case Kind::KeyDown:
            Queue(EventType::KeyDown, step.a);
            break;
        case Kind::KeyUp:
            Queue(EventType::KeyUp, step.a);
            break;
        case Kind::Text:
            for (const char32_t cp : DecodeUtf8(step.text)) Queue(EventType::Character, 0, 0, cp);
            break;
        case Kind::Screenshot:
            screenshot_(step.text);
            break;
        case Kind::Quit:
            Queue(EventType::CloseRequest);
            break;
    }
}

bool ScriptedEvents::PollEvent(Event& event) {
    if (inner_ && inner_->PollEvent(event)) return true;
    if (queuedNext_ >= queued_.size()) {
        queued_.clear();
        queuedNext_ = 0;
        // Steps that are due all come in this pass, so a click's press and release meet in one tick.
        const uint32_t elapsed = clock_.Millisecs() - start_;
        while (next_ < steps_.size() && steps_[next_].time <= elapsed) Expand(steps_[next_++]);
    }
    if (queuedNext_ >= queued_.size()) return false;
    event = queued_[queuedNext_++];
    return true;
}

}  // namespace platform
