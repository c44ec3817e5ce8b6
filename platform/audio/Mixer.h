#pragma once

#include <memory>
#include <unordered_map>

#include "platform/Audio.h"
#include "platform/audio/Limiter.h"
#include "platform/audio/Voice.h"

namespace platform {

// The game's software mixer: any number of channels, each playing one sample with its own volume,
// balance, speed and pause state, summed into float stereo at one output rate and kept under the
// ceiling by a limiter. Not thread-safe: the output that pulls Mix() locks around every other call.
class Mixer {
public:
    static constexpr int kDefaultRate = 48000;
    explicit Mixer(int rate = kDefaultRate);

    int Rate() const { return rate_; }

    // Channel ids start at 1 and are not handed out twice, so a stale id never reaches someone else's
    // sound; calls with an id that is not allocated do nothing.
    ChannelId Alloc();
    void Free(ChannelId channel);

    // Attaches the sample at its start, paused; false for an unknown channel or no sample. The channel's
    // volume, balance and speed stay as they were set, from one sample to the next.
    bool Cue(ChannelId channel, SamplePtr sample);
    void Play(ChannelId channel);                     // runs a cued or paused sample on from where it is
    void Pause(ChannelId channel);                    // keeps the position
    void Stop(ChannelId channel);                     // detaches the sample
    void SetVolume(ChannelId channel, float volume);  // 0 … 1
    void SetPan(ChannelId channel, float pan);        // -1 left … 1 right; the centre is full on both sides
    void SetRate(ChannelId channel, float rate);      // a speed factor on top of the sample's own rate

    // From the cue until a stop or the end of a non-looping sample; still true while paused.
    bool IsPlaying(ChannelId channel) const;
    // The channel is freed at the next Alloc after its sound has ended or been stopped.
    void FreeWhenFinished(ChannelId channel);
    // How many channels are allocated.
    size_t Channels() const { return channels_.size(); }
    // In the sample's frames; 0 without a sample.
    double Position(ChannelId channel) const;
    // As last set (0 … 1); 0 for a channel that is not allocated.
    float Volume(ChannelId channel) const;

    // Writes frames stereo frames (interleaved left, right) of the sum of the running channels.
    void Mix(float* out, int frames);
    const Limiter& GetLimiter() const { return limiter_; }

private:
    struct Channel {
        std::unique_ptr<Voice> voice;
        bool paused = true;
        float volume = 1.0f;
        float pan = 0.0f;
        float rate = 1.0f;
        bool freeWhenFinished = false;
    };
    Channel* Find(ChannelId channel);
    const Channel* Find(ChannelId channel) const;
    void MixChannel(Channel& channel, float* out, int frames);

    int rate_;
    ChannelId nextId_ = 1;
    std::unordered_map<ChannelId, Channel> channels_;
    Limiter limiter_;
};

}  // namespace platform
