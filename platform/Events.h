#pragma once

namespace platform {

enum class EventType {
    KeyDown,       // key: a Windows virtual-key code; repeat: set for the keyboard's auto-repeat
    KeyUp,         // key
    Character,     // character: a Unicode code point (Backspace 8, Enter 13 and Escape 27 included)
    MouseDown,     // button: 1 left, 2 right, 3 middle; x, y
    MouseUp,       // button; x, y
    MouseMove,     // x, y in window pixels
    MouseWheel,    // wheel: notches, positive away from the user
    CloseRequest,  // the window manager's close button, or a quit request
    FocusLost,
    FocusGained,
    Minimised,
    Restored,
    DeviceReset,  // render targets and textures were lost and made again
};

struct Event {
    EventType type = EventType::MouseMove;
    int key = 0;
    bool repeat = false;
    char32_t character = 0;
    int button = 0;
    int x = 0;
    int y = 0;
    int wheel = 0;
};

class EventSource {
public:
    virtual ~EventSource() = default;
    // Takes the next pending event; false when none is pending.
    virtual bool PollEvent(Event& event) = 0;
};

}  // namespace platform
