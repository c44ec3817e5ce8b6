#include "framework/core/Input.h"

#include <array>
#include <deque>

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/ui/MousePointer.h"

namespace {

std::array<int, kKeyCount> keyDown{};
std::array<int, kKeyCount> keyHits{};
std::deque<char32_t> characters;

bool Valid(int code) {
    return code >= 0 && code < kKeyCount;
}

}  // namespace

int KeyHit(int code) {
    if (!Valid(code) || keyHits[code] == 0) return 0;
    keyHits[code] = 0;
    return 1;
}

int KeyDown(int code) {
    return Valid(code) ? keyDown[code] : 0;
}

int AnyKeyHit() {
    for (int code = 0; code < kKeyCount; ++code) {
        if (keyHits[code] == 1) return code;
    }
    return -1;
}

char32_t GetChar() {
    if (characters.empty()) return 0;
    const char32_t c = characters.front();
    characters.pop_front();
    return c;
}

int CharactersPending() {
    return static_cast<int>(characters.size());
}

void FlushKeys() {
    keyDown.fill(0);
    keyHits.fill(0);
    characters.clear();
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
    keyDown[code] = 1;
    ++keyHits[code];
}

void InputKeyUp(int code) {
    if (Valid(code)) keyDown[code] = 0;
}

void InputCharacter(char32_t character) {
    if (static_cast<int>(characters.size()) < kMaxPendingCharacters) characters.push_back(character);
}

void InputSetKeyHits(int code, int hits) {
    if (Valid(code)) keyHits[code] = hits;
}
