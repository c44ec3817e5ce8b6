#include "game/board/BoardSound.h"

#include "framework/core/ChannelArray.h"
#include "framework/core/Game.h"
#include "framework/core/GameSound.h"
#include "framework/core/SoundBank.h"

int PlayBoardSound(TGameSound* sound, float volume, float pan) {
    if (!sound || !Game || !Game->Channels) return 0;
    return Game->Channels->PlayGameSound(*sound, nullptr, volume, pan) ? 1 : 0;
}

int PlayBankSound(const char* name, float volume) {
    if (!Game || !Game->Channels) return 0;
    return PlayBoardSound(SoundBank.Find(name).get(), volume);
}
