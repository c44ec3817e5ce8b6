#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/Audio.h"

// A platform channel with the settings the channel pool hands it out by.
class TGameChannel {
public:
    platform::ChannelId Channel = 0;
    std::string name;
    int Reserved = 0;          // the pool never hands it out
    int PlayWhenFinished = 1;  // the pool hands it out only when it is silent
    float OriginalVolume = 1.0f;

    static std::shared_ptr<TGameChannel> Create();
    // Stops and releases the platform channel.
    int Kill();
};

// Stops and releases a platform channel; 0 is ignored.
void ReleaseChannel(platform::Audio& audio, platform::ChannelId channel);
// A stopped channel is never used again: it is released and a fresh one takes its place, so an id that
// someone still holds cannot cut into the next sound.
platform::ChannelId RenewChannel(platform::Audio& audio, platform::ChannelId channel);
// Cues sample on channel (a new channel when 0) at volume, with pan and rate when given, and starts it.
// Returns the channel it plays on, or 0 when there was nothing to play.
platform::ChannelId StartOnChannel(platform::Audio& audio, platform::ChannelId channel,
                                   const platform::SamplePtr& sample, float volume,
                                   std::optional<float> pan = std::nullopt,
                                   std::optional<float> rate = std::nullopt);
