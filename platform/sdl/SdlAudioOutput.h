#pragma once

#include <SDL.h>

#include <string>

#include "platform/audio/AudioOutput.h"

namespace platform {

// The sound device through SDL: 48 kHz float stereo pulled from the mixer by SDL's audio thread. A
// machine without a usable device (no sound card, no server) falls back to SDL's dummy driver, which
// keeps real time without sound, so the game neither blocks nor fails. SDL_AUDIODRIVER is honoured.
class SdlAudioOutput : public AudioOutput {
public:
    SdlAudioOutput() = default;
    ~SdlAudioOutput() override;
    SdlAudioOutput(const SdlAudioOutput&) = delete;
    SdlAudioOutput& operator=(const SdlAudioOutput&) = delete;

    void Open(Mixer& mixer, bool wantSound) override;
    void Close() override;
    void Lock() override;
    void Unlock() override;
    bool Silent() const override { return silent_; }
    // The SDL driver in use ("pulseaudio", "alsa", "dummy", …), "" when none is.
    std::string DriverName() const;

private:
    static void SDLCALL Pull(void* mixer, Uint8* stream, int bytes);
    bool StartDriver(const char* driver);
    bool OpenDevice(Mixer& mixer);

    SDL_AudioDeviceID device_ = 0;
    bool silent_ = true;
    bool ownsSubsystem_ = false;
};

}  // namespace platform
