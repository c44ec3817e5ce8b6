#include "framework/core/Input.h"

#include <array>
#include <deque>

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/ui/MousePointer.h"

namespace {

struct KeyState {
    std::array<int, kKeyCount> down{};
    std::array<int, kKeyCount> hits{};
    std::deque<char32_t> characters;
};

// The framework's queue, filled once per tick by the main loop, and the state that the queries poll from
// the platform themselves while SystemInputMode is set.
KeyState queued;
KeyState polled;

bool Valid(int code) {
    return code >= 0 && code < kKeyCount;
}

// The state the events go to now.
KeyState& Filled() {
    return SystemInputMode ? polled : queued;
}

// The state a query reads, brought up to date first when the platform is polled directly.
KeyState& Read() {
    PollInSystemInputMode();
    return Filled();
}

}  // namespace

void PollInSystemInputMode() {
    if (SystemInputMode && Game) Game->DoPeekEvent();
}

int KeyHit(int code) {
    KeyState& s = Read();
    if (!Valid(code) || s.hits[code] == 0) return 0;
    s.hits[code] = 0;
    return 1;
}

int KeyDown(int code) {
    KeyState& s = Read();
    return Valid(code) ? s.down[code] : 0;
}

int AnyKeyHit() {
    const KeyState& s = Read();
    for (int code = 0; code < kKeyCount; ++code) {
        if (s.hits[code] == 1) return code;
    }
    return -1;
}

char32_t GetChar() {
    KeyState& s = Read();
    if (s.characters.empty()) return 0;
    const char32_t c = s.characters.front();
    s.characters.pop_front();
    return c;
}

int CharactersPending() {
    return static_cast<int>(Read().characters.size());
}

void FlushKeys() {
    KeyState& s = Read();
    s.down.fill(0);
    s.hits.fill(0);
    s.characters.clear();
}

void FlushMouse() {
    if (Game && Game->Mouse) Game->Mouse->ClearButtons();
}

void FlushKeysAndMouse() {
    FlushKeys();
    FlushMouse();
}

void InputKeyDown(int code) {
    if (!Valid(code)) return;
    Filled().down[code] = 1;
    ++Filled().hits[code];
}

void InputKeyUp(int code) {
    if (Valid(code)) Filled().down[code] = 0;
}

void InputCharacter(char32_t character) {
    std::deque<char32_t>& characters = Filled().characters;
    if (static_cast<int>(characters.size()) < kMaxPendingCharacters) characters.push_back(character);
}

void InputSetKeyHits(int code, int hits) {
    if (Valid(code)) Filled().hits[code] = hits;
}
