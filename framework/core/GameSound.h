#pragma once

#include <memory>
#include <string>

#include "platform/Audio.h"

// Sound flags as the framework passes them.
constexpr int kSoundLoop = 1;

// A named sound with the pitch and volume it plays at.
class TGameSound {
public:
    std::string name;  // upper-case key
    platform::SamplePtr sound;
    float pitch = 1.0f;   // playback rate factor
    float volume = 1.0f;  // 0 … 1, on top of the sound volume setting

    static std::shared_ptr<TGameSound> Create(const std::string& file, int flags);
    // Named after the file (no folder, no extension); failing to load is fatal.
    int Load(const std::string& file, int flags);
    int PlayInChannel(platform::ChannelId& channel, float pan) const;
};

// Loads a WAV or Ogg Vorbis file; one that cannot be loaded is fatal: "Error loading sample " + path.
platform::SamplePtr LoadSampleOrFail(const std::string& path, bool loop);
