#pragma once

#include <cstdint>
#include <string>

// The framework's own keyboard state, filled only by TGame::DoPeekEvent and indexed by Windows
// virtual-key code. While SystemInputMode is set (a blocking splash or message box, when the main loop is
// not taking events) the same queries poll the platform themselves, into a state of their own, so that
// nothing pressed meanwhile reaches the framework's queue.
constexpr int kKeyCount = 256;
constexpr int kMaxPendingCharacters = 256;

// 1 and the count cleared when the key was hit since the last query, else 0 (codes out of range give 0).
int KeyHit(int code);
// 1 while the key is held.
int KeyDown(int code);
// The lowest code whose hit count is exactly 1, else -1.
int AnyKeyHit();
// The next typed character (a Unicode code point), 0 when none is pending.
char32_t GetChar();
int CharactersPending();
void FlushKeys();
void FlushMouse();
void FlushKeysAndMouse();
// Takes the platform's pending events now when SystemInputMode is set; the mouse queries call it too.
void PollInSystemInputMode();

// Used by the event handling: a key went down (its hit count grows) or up; a character was typed
// (dropped when 256 are already waiting).
void InputKeyDown(int code);
void InputKeyUp(int code);
void InputCharacter(char32_t character);
// Sets the hit count of a key (Escape is handed back to the screen this way).
void InputSetKeyHits(int code, int hits);
