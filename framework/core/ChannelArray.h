#pragma once

#include <memory>
#include <vector>

#include "framework/core/GameChannel.h"

class TGameSound;

// The pool of effect channels: hands them out in turn and keeps the sum of what plays from getting
// louder than MaxVol sounds at full volume.
class TChannelArray {
public:
    float MaxVol = 1.5f;
    std::shared_ptr<TGameChannel> Current;  // the channel last handed out

    // Scales every channel for the sounds playing plus extra; returns the factor (at most 1).
    float BalanceVolumes(int extra);
    // 1-based; null out of range.
    std::shared_ptr<TGameChannel> ChannelByIndex(int i) const;
    int CountPlaying() const;
    int Count() const { return static_cast<int>(channels_.size()); }
    static std::shared_ptr<TChannelArray> Create(int n);
    // The next channel after Current that is neither reserved nor (when it must finish first) still
    // playing; null when a full round finds none.
    std::shared_ptr<TGameChannel> GetChannel();
    int Kill();
    int Manage();
    // Plays the sound on gameChannel, or on the next free channel when none is given; null when none is
    // free. The sound's volume becomes volume balanced against what already plays.
    std::shared_ptr<TGameChannel> PlayGameSound(TGameSound& gameSound,
                                                std::shared_ptr<TGameChannel> gameChannel, float volume,
                                                float pan);
    int SetVolume(float factor);
    // Takes the channel out of the pool for good and adds a fresh one, which becomes Current.
    int StopGameChannel(TGameChannel* gameChannel);

private:
    std::vector<std::shared_ptr<TGameChannel>> channels_;
};
