#pragma once

class TGameSound;

// Plays a sound of play on the next free channel of the game's pool, balanced against what already plays;
// nothing when there is no sound, no game or no pool (the tests and tools run without).
int PlayBoardSound(TGameSound* sound, float volume = 1.0f, float pan = 0.0f);
// The same for a sound of the bank by name.
int PlayBankSound(const char* name, float volume = 1.0f);
