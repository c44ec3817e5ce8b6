#include "platform/sdl/SdlAudioOutput.h"

#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/audio/Mixer.h"
#include "platform/files/Files.h"

namespace platform {
namespace {

constexpr int kChannels = 2;
constexpr int kBufferFrames = 1024;  // about 21 ms at 48 kHz

bool OnDummyDriver() {
    const char* name = SDL_GetCurrentAudioDriver();
    return name && std::strcmp(name, "dummy") == 0;
}

// No sound card and no sound server: SDL would try ALSA, which fills stderr with complaints before it
// fails. Such a machine goes straight to silence.
bool NothingToPlayOn() {
    if (std::getenv("SDL_AUDIODRIVER") || SDL_GetHint(SDL_HINT_AUDIODRIVER) || std::getenv("PULSE_SERVER"))
        return false;
    if (files::Exists("/dev/snd")) return false;
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    const std::string folder = runtime ? runtime : "";
    return folder.empty() ||
           (!files::Exists(folder + "/pulse/native") && !files::Exists(folder + "/pipewire-0"));
}

}  // namespace

SdlAudioOutput::~SdlAudioOutput() {
    Close();
    if (ownsSubsystem_) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    } else if (SDL_WasInit(SDL_INIT_AUDIO) == 0 && SDL_GetCurrentAudioDriver()) {
        // A fallback driver started while nobody held the subsystem is ours to stop.
        SDL_AudioQuit();
    }
}

void SdlAudioOutput::Open(Mixer& mixer, bool wantSound) {
    Close();
    // Our own reference on the subsystem, so that whoever quits SDL first does not pull the device out
    // from under us. This picks SDL's driver (SDL_AUDIODRIVER when set) and may fail; the fallback follows.
    if (!ownsSubsystem_) {
        if (NothingToPlayOn()) SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
        ownsSubsystem_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    }
    if (wantSound && (!SDL_GetCurrentAudioDriver() || OnDummyDriver())) StartDriver(nullptr);
    if (!wantSound && !OnDummyDriver()) StartDriver("dummy");
    // SDL never falls back to the dummy driver by itself: on a machine without a sound card it picks
    // ALSA, which then fails to open a device.
    if (!OpenDevice(mixer) && !OnDummyDriver() && StartDriver("dummy")) OpenDevice(mixer);
    silent_ = device_ == 0 || OnDummyDriver();
}

void SdlAudioOutput::Close() {
    if (device_) SDL_CloseAudioDevice(device_);
    device_ = 0;
    silent_ = true;
}

void SdlAudioOutput::Lock() {
    if (device_) SDL_LockAudioDevice(device_);
}

void SdlAudioOutput::Unlock() {
    if (device_) SDL_UnlockAudioDevice(device_);
}

std::string SdlAudioOutput::DriverName() const {
    const char* name = SDL_GetCurrentAudioDriver();
    return name ? name : "";
}

void SDLCALL SdlAudioOutput::Pull(void* mixer, Uint8* stream, int bytes) {
    static_cast<Mixer*>(mixer)->Mix(reinterpret_cast<float*>(stream),
                                    bytes / static_cast<int>(kChannels * sizeof(float)));
}

bool SdlAudioOutput::StartDriver(const char* driver) {
    if (SDL_GetCurrentAudioDriver()) SDL_AudioQuit();
    return SDL_AudioInit(driver) == 0;
}

bool SdlAudioOutput::OpenDevice(Mixer& mixer) {
    SDL_AudioSpec want{};
    want.freq = mixer.Rate();
    want.format = AUDIO_F32SYS;
    want.channels = kChannels;
    want.samples = kBufferFrames;
    want.callback = Pull;
    want.userdata = &mixer;
    // No changes allowed: SDL converts to whatever the device really takes.
    SDL_AudioSpec have{};
    device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (device_) SDL_PauseAudioDevice(device_, 0);
    return device_ != 0;
}

}  // namespace platform
