#include "framework/core/GameChannel.h"

#include "framework/core/Game.h"
#include "framework/core/Globals.h"

std::shared_ptr<TGameChannel> TGameChannel::Create() {
    auto channel = std::make_shared<TGameChannel>();
    channel->Channel = Game->GetPlatform().GetAudio().AllocChannel();
    return channel;
}

int TGameChannel::Kill() {
    ReleaseChannel(Game->GetPlatform().GetAudio(), Channel);
    Channel = 0;
    return 1;
}

void ReleaseChannel(platform::Audio& audio, platform::ChannelId channel) {
    if (!channel) return;
    audio.Stop(channel);
    audio.FreeChannel(channel);
}

platform::ChannelId RenewChannel(platform::Audio& audio, platform::ChannelId channel) {
    ReleaseChannel(audio, channel);
    return audio.AllocChannel();
}

platform::ChannelId StartOnChannel(platform::Audio& audio, platform::ChannelId channel,
                                   const platform::SamplePtr& sample, float volume, std::optional<float> pan,
                                   std::optional<float> rate) {
    const platform::ChannelId cued = audio.Cue(sample, channel);
    if (!cued) return 0;
    audio.SetVolume(cued, volume);
    if (pan) audio.SetPan(cued, *pan);
    if (rate) audio.SetRate(cued, *rate);
    audio.Play(cued);
    return cued;
}
