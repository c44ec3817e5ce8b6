#pragma once

#include <memory>
#include <string>

namespace platform {

class Sample;
using SamplePtr = std::shared_ptr<const Sample>;

// A channel handle; 0 is "no channel".
using ChannelId = int;

// The audio layer: samples played on channels through the game's own software mixer. A channel that has
// been cued stays "playing" while paused, until it is stopped or its sample ends.
class Audio {
public:
    virtual ~Audio() = default;

    // Selects the output by the framework's driver name ("FreeAudio", "DirectSound",
    // "OpenAL Generic Software" all mean the mixer on the sound device; "None" means silence). Returns
    // false for a name it does not know; when the device cannot be opened the game runs silent.
    virtual bool SetDriver(const std::string& name) = 0;
    virtual bool Silent() const = 0;

    // Loads a WAV or Ogg Vorbis file; null with error filled (naming the path) when it cannot.
    virtual SamplePtr LoadSample(const std::string& path, bool loop, std::string& error) = 0;

    virtual ChannelId AllocChannel() = 0;
    virtual void FreeChannel(ChannelId channel) = 0;
    // Puts the sample on the channel, paused at its start (a new channel when channel is 0); returns the
    // channel, or 0 without a sample.
    virtual ChannelId Cue(const SamplePtr& sample, ChannelId channel) = 0;
    virtual void Play(ChannelId channel) = 0;  // resumes a cued or paused channel
    virtual void Pause(ChannelId channel) = 0;
    virtual void Stop(ChannelId channel) = 0;
    virtual void SetVolume(ChannelId channel, float volume) = 0;  // 0 … 1
    virtual void SetPan(ChannelId channel, float pan) = 0;        // -1 left … 1 right
    virtual void SetRate(ChannelId channel, float rate) = 0;      // 1 is the sample's own speed
    virtual bool IsPlaying(ChannelId channel) const = 0;
    // Lets the channel go by itself once its sound has ended or been stopped (for sounds nobody keeps
    // track of); its id is then unknown.
    virtual void FreeWhenFinished(ChannelId channel) = 0;
};

}  // namespace platform
