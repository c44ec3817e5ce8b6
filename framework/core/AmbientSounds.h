#pragma once

#include <array>
#include <memory>
#include <string>

#include "platform/Audio.h"

class TGameSound;

// Background sounds at random moments: every SoundCounterMax ticks one of the sounds plays, Chance percent
// of the time, through the game's channel pool.
class TAmbientSounds {
public:
    static constexpr int MAX_SOUNDS = 20;

    int Chance = 0;  // percent
    float SoundCounter = 0;
    int SoundCounterMax = 0;  // ticks
    std::array<std::shared_ptr<TGameSound>, MAX_SOUNDS> Sounds;
    int TotalSounds = 0;

    // 0 when the list is full.
    int AddSound(std::shared_ptr<TGameSound> gameSound);
    // Loads prefix + i + suffix for i = 0 … count - 1.
    int Fill(const std::string& prefix, int count, const std::string& suffix);
    int Init(int ms, int chance);
    int Kill();
    int Manage();
};

// Background sounds on a channel of their own, one at a time: each period a sound is tried with
// percentChance, and after maxFails misses in a row one plays for certain.
class TAmbientSoundsNew {
public:
    static constexpr int MAX_AMBIENT_SOUNDS = 8;

    platform::ChannelId ambientChannel = 0;
    std::string ambientSoundPath;
    std::string ambientSoundFileExtension;
    int allowRepeats = 0;
    int maxFails = 10;
    int percentChance = 10;
    int useSpeechChannelVolume = 0;  // play at the speech volume instead of volume
    float volume = 1.0f;

    int Init();
    int Kill();
    // Loads ambientSoundPath + name + ambientSoundFileExtension; 0 when the list is full.
    int LoadAmbientSound(const std::string& name);
    // Once a tick; force plays a sound now (unless one still plays).
    int Logic(int force);
    int SetCounterMax(int ms);
    int Stop();

    int SoundCount() const { return _ambientSoundTotal; }
    int LastIndex() const { return _lastIndex; }
    int CurrentFails() const { return _currentFails; }

private:
    std::array<std::shared_ptr<TGameSound>, MAX_AMBIENT_SOUNDS> _ambientSoundArray;
    int _ambientSoundTotal = 0;
    float _counter = 0;
    float _counterMax = 0;  // ticks
    int _currentFails = 0;
    int _lastIndex = -1;
};
