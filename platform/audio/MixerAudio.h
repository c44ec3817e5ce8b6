#pragma once

#include <memory>
#include <string>

#include "platform/Audio.h"
#include "platform/audio/AudioOutput.h"
#include "platform/audio/Mixer.h"

namespace platform {

// The audio layer the framework sees: our mixer, heard through whichever output the platform gives it
// (the sound device, or a silent clock-driven stand-in). The output is opened for sound at once;
// SetDriver("None") swaps it for silence while every channel keeps its state and time.
class MixerAudio : public Audio {
public:
    explicit MixerAudio(std::unique_ptr<AudioOutput> output, int rate = Mixer::kDefaultRate);
    ~MixerAudio() override;

    bool SetDriver(const std::string& name) override;
    bool Silent() const override;
    SamplePtr LoadSample(const std::string& path, bool loop, std::string& error) override;
    ChannelId AllocChannel() override;
    void FreeChannel(ChannelId channel) override;
    ChannelId Cue(const SamplePtr& sample, ChannelId channel) override;
    void Play(ChannelId channel) override;
    void Pause(ChannelId channel) override;
    void Stop(ChannelId channel) override;
    void SetVolume(ChannelId channel, float volume) override;
    void SetPan(ChannelId channel, float pan) override;
    void SetRate(ChannelId channel, float rate) override;
    bool IsPlaying(ChannelId channel) const override;
    void FreeWhenFinished(ChannelId channel) override;

    // For offline tests that mix by hand; lock the output around it while a device runs.
    Mixer& GetMixer() { return mixer_; }

private:
    Mixer mixer_;
    std::unique_ptr<AudioOutput> output_;
    bool wantSound_ = true;
};

}  // namespace platform
