#include "framework/core/AmbientSounds.h"

#include "framework/core/ChannelArray.h"
#include "framework/core/Game.h"
#include "framework/core/GameChannel.h"
#include "framework/core/GameSound.h"
#include "framework/core/Globals.h"
#include "framework/core/Random.h"

int TAmbientSounds::AddSound(std::shared_ptr<TGameSound> gameSound) {
    if (TotalSounds >= MAX_SOUNDS) return 0;
    Sounds[TotalSounds++] = std::move(gameSound);
    return 1;
}

int TAmbientSounds::Fill(const std::string& prefix, int count, const std::string& suffix) {
    for (int i = 0; i < count; ++i) AddSound(TGameSound::Create(prefix + std::to_string(i) + suffix, 0));
    return 1;
}

int TAmbientSounds::Init(int ms, int chance) {
    SoundCounterMax = static_cast<int>(Game->CalcAnimLength(ms));
    SoundCounter = static_cast<float>(SoundCounterMax);
    Chance = chance;
    return 1;
}

int TAmbientSounds::Kill() {
    Sounds.fill(nullptr);
    TotalSounds = 0;
    return 1;
}

int TAmbientSounds::Manage() {
    SoundCounter -= Delta;
    if (SoundCounter > 0) return 0;
    SoundCounter += static_cast<float>(SoundCounterMax);
    if (Chance < Rand(1, 100) || TotalSounds == 0 || !Game->Channels) return 0;
    Game->Channels->PlayGameSound(*Sounds[Rand(0, TotalSounds - 1)], nullptr, 1.0f, 0.0f);
    return 1;
}

int TAmbientSoundsNew::Init() {
    platform::Audio& audio = Game->GetPlatform().GetAudio();
    ReleaseChannel(audio, ambientChannel);
    ambientChannel = audio.AllocChannel();
    ambientSoundPath = Game->SoundPath + "AmbientSounds/";
    ambientSoundFileExtension = ".ogg";
    SetCounterMax(1000);
    _ambientSoundArray.fill(nullptr);
    _ambientSoundTotal = 0;
    _lastIndex = -1;
    return 1;
}

int TAmbientSoundsNew::Kill() {
    ReleaseChannel(Game->GetPlatform().GetAudio(), ambientChannel);
    ambientChannel = 0;
    _ambientSoundArray.fill(nullptr);
    _ambientSoundTotal = 0;
    return 1;
}

int TAmbientSoundsNew::LoadAmbientSound(const std::string& name) {
    if (_ambientSoundTotal >= MAX_AMBIENT_SOUNDS) return 0;
    _ambientSoundArray[_ambientSoundTotal++] =
        TGameSound::Create(ambientSoundPath + name + ambientSoundFileExtension, 0);
    return 1;
}

int TAmbientSoundsNew::Logic(int force) {
    if (_ambientSoundTotal == 0) return 0;
    _counter += Delta;
    if (_counter < _counterMax && force != 1) return 0;
    _counter = 0;
    platform::Audio& audio = Game->GetPlatform().GetAudio();
    if (audio.IsPlaying(ambientChannel)) return 0;
    bool forced = force == 1;
    if (_currentFails >= maxFails) {
        // A long dry spell ends with a sound for certain.
        _currentFails = 0;
        forced = true;
    }
    if (!forced && Rand(1, 100) > percentChance) {
        ++_currentFails;
        return 0;
    }
    _currentFails = 0;
    int index = Rand(0, _ambientSoundTotal - 1);
    for (int draws = 1; draws < 50 && index == _lastIndex && allowRepeats == 0; ++draws) {
        index = Rand(0, _ambientSoundTotal - 1);
    }
    _lastIndex = index;
    const float level = useSpeechChannelVolume ? static_cast<float>(Game->SpeechVolume) / 100.0f : volume;
    const platform::ChannelId playing =
        StartOnChannel(audio, ambientChannel, _ambientSoundArray[index]->sound, level);
    if (playing) ambientChannel = playing;
    return 1;
}

int TAmbientSoundsNew::SetCounterMax(int ms) {
    _counterMax = Game->CalcAnimLength(ms);
    return 1;
}

int TAmbientSoundsNew::Stop() {
    ambientChannel = RenewChannel(Game->GetPlatform().GetAudio(), ambientChannel);
    return 1;
}
