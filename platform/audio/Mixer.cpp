#include "platform/audio/Mixer.h"

#include <algorithm>
#include <cmath>

namespace platform {
namespace {

// Values from callers are kept in range, and a NaN (a division by zero somewhere upstream) falls back
// to a harmless value instead of poisoning the whole mix.
float InRange(float value, float low, float high, float fallback) {
    return std::isnan(value) ? fallback : std::clamp(value, low, high);
}

constexpr float kMinRate = 0.01f;
constexpr float kMaxRate = 100.0f;

}  // namespace

Mixer::Mixer(int rate) : rate_(rate), limiter_(rate) {}

ChannelId Mixer::Alloc() {
    // A finished sound's decoder is let go here, on the game's thread, rather than in the audio callback
    // when it ends; a game that never frees its channels then keeps only their small settings.
    for (auto& [id, channel] : channels_) {
        if (channel.voice && channel.voice->Ended()) channel.voice.reset();
    }
    std::erase_if(channels_,
                  [](const auto& entry) { return entry.second.freeWhenFinished && !entry.second.voice; });
    const ChannelId id = nextId_++;
    channels_.emplace(id, Channel{});
    return id;
}

void Mixer::FreeWhenFinished(ChannelId channel) {
    if (Channel* c = Find(channel)) c->freeWhenFinished = true;
}

void Mixer::Free(ChannelId channel) {
    channels_.erase(channel);
}

Mixer::Channel* Mixer::Find(ChannelId channel) {
    const auto it = channels_.find(channel);
    return it == channels_.end() ? nullptr : &it->second;
}

const Mixer::Channel* Mixer::Find(ChannelId channel) const {
    const auto it = channels_.find(channel);
    return it == channels_.end() ? nullptr : &it->second;
}

bool Mixer::Cue(ChannelId channel, SamplePtr sample) {
    Channel* c = Find(channel);
    if (!c || !sample) return false;
    c->voice = std::make_unique<Voice>(std::move(sample));
    c->paused = true;
    return true;
}

void Mixer::Play(ChannelId channel) {
    if (Channel* c = Find(channel)) c->paused = false;
}

void Mixer::Pause(ChannelId channel) {
    if (Channel* c = Find(channel)) c->paused = true;
}

void Mixer::Stop(ChannelId channel) {
    if (Channel* c = Find(channel)) {
        c->voice.reset();
        c->paused = true;
    }
}

void Mixer::SetVolume(ChannelId channel, float volume) {
    if (Channel* c = Find(channel)) c->volume = InRange(volume, 0.0f, 1.0f, 0.0f);
}

void Mixer::SetPan(ChannelId channel, float pan) {
    if (Channel* c = Find(channel)) c->pan = InRange(pan, -1.0f, 1.0f, 0.0f);
}

void Mixer::SetRate(ChannelId channel, float rate) {
    if (Channel* c = Find(channel)) c->rate = InRange(rate, kMinRate, kMaxRate, 1.0f);
}

bool Mixer::IsPlaying(ChannelId channel) const {
    const Channel* c = Find(channel);
    return c && c->voice && !c->voice->Ended();
}

double Mixer::Position(ChannelId channel) const {
    const Channel* c = Find(channel);
    return c && c->voice ? c->voice->Position() : 0.0;
}

float Mixer::Volume(ChannelId channel) const {
    const Channel* c = Find(channel);
    return c ? c->volume : 0.0f;
}

void Mixer::Mix(float* out, int frames) {
    std::fill(out, out + 2 * static_cast<size_t>(std::max(frames, 0)), 0.0f);
    for (auto& [id, channel] : channels_) {
        if (!channel.paused && channel.voice && !channel.voice->Ended()) MixChannel(channel, out, frames);
    }
    limiter_.Process(out, frames);
}

void Mixer::MixChannel(Channel& channel, float* out, int frames) {
    const Sample& sample = channel.voice->GetSample();
    const double step = static_cast<double>(channel.rate) * sample.Rate() / rate_;
    const float left = channel.volume * (channel.pan > 0 ? 1.0f - channel.pan : 1.0f);
    const float right = channel.volume * (channel.pan < 0 ? 1.0f + channel.pan : 1.0f);
    channel.voice->MixInto(out, frames, step, left, right);
}

}  // namespace platform
