#include "framework/core/ChannelArray.h"

#include <algorithm>

#include "framework/core/Game.h"
#include "framework/core/GameSound.h"
#include "framework/core/Globals.h"

namespace {

platform::Audio& GameAudio() {
    return Game->GetPlatform().GetAudio();
}

}  // namespace

float TChannelArray::BalanceVolumes(int extra) {
    const int n = CountPlaying() + extra;
    const float factor = n == 0 ? 1.0f : std::min(MaxVol / static_cast<float>(n), 1.0f);
    SetVolume(factor);
    return factor;
}

std::shared_ptr<TGameChannel> TChannelArray::ChannelByIndex(int i) const {
    return i >= 1 && i <= Count() ? channels_[i - 1] : nullptr;
}

int TChannelArray::CountPlaying() const {
    const platform::Audio& audio = GameAudio();
    return static_cast<int>(std::count_if(channels_.begin(), channels_.end(),
                                          [&](const auto& c) { return audio.IsPlaying(c->Channel); }));
}

std::shared_ptr<TChannelArray> TChannelArray::Create(int n) {
    auto array = std::make_shared<TChannelArray>();
    for (int i = 0; i < n; ++i) array->channels_.push_back(TGameChannel::Create());
    if (!array->channels_.empty()) array->Current = array->channels_.front();
    return array;
}

std::shared_ptr<TGameChannel> TChannelArray::GetChannel() {
    if (channels_.empty()) return nullptr;
    const platform::Audio& audio = GameAudio();
    const size_t n = channels_.size();
    const auto current = std::find(channels_.begin(), channels_.end(), Current);
    // Without a current channel the round starts before the first and takes in every channel.
    const bool known = current != channels_.end();
    const size_t start = known ? static_cast<size_t>(current - channels_.begin()) : n - 1;
    for (size_t step = 1; step <= (known ? n - 1 : n); ++step) {
        const std::shared_ptr<TGameChannel>& c = channels_[(start + step) % n];
        if (!c->Reserved && (c->PlayWhenFinished == 0 || !audio.IsPlaying(c->Channel))) {
            Current = c;
            return c;
        }
    }
    return nullptr;
}

int TChannelArray::Kill() {
    for (const auto& c : channels_) c->Kill();
    channels_.clear();
    Current = nullptr;
    return 1;
}

int TChannelArray::Manage() {
    BalanceVolumes(0);
    return 1;
}

std::shared_ptr<TGameChannel> TChannelArray::PlayGameSound(TGameSound& gameSound,
                                                           std::shared_ptr<TGameChannel> gameChannel,
                                                           float volume, float pan) {
    if (!gameChannel) gameChannel = GetChannel();
    if (!gameChannel) return nullptr;
    gameChannel->OriginalVolume = volume;
    gameSound.volume = volume * BalanceVolumes(1);
    gameSound.PlayInChannel(gameChannel->Channel, pan);
    return gameChannel;
}

int TChannelArray::SetVolume(float factor) {
    platform::Audio& audio = GameAudio();
    for (const auto& c : channels_) {
        audio.SetVolume(c->Channel,
                        c->OriginalVolume * factor * static_cast<float>(Game->SoundVolume) / 100.0f);
    }
    return 1;
}

int TChannelArray::StopGameChannel(TGameChannel* gameChannel) {
    const auto it = std::find_if(channels_.begin(), channels_.end(),
                                 [&](const auto& c) { return c.get() == gameChannel; });
    if (!gameChannel || it == channels_.end()) return 0;
    gameChannel->Kill();
    channels_.erase(it);
    Current = TGameChannel::Create();
    channels_.push_back(Current);
    return 1;
}
