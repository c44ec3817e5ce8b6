#include "platform/audio/MixerAudio.h"

#include "platform/audio/Sample.h"
#include "platform/files/Files.h"

namespace platform {

MixerAudio::MixerAudio(std::unique_ptr<AudioOutput> output, int rate)
    : mixer_(rate), output_(std::move(output)) {
    output_->Open(mixer_, wantSound_);
}

MixerAudio::~MixerAudio() {
    output_->Close();
}

bool MixerAudio::SetDriver(const std::string& name) {
    // Every driver the framework names for sound means our mixer on the one device there is.
    bool wantSound;
    if (name == "None") {
        wantSound = false;
    } else if (name == "FreeAudio" || name == "DirectSound" || name.starts_with("OpenAL")) {
        wantSound = true;
    } else {
        return false;
    }
    if (wantSound != wantSound_) {
        wantSound_ = wantSound;
        output_->Open(mixer_, wantSound_);
    }
    return true;
}

bool MixerAudio::Silent() const {
    return output_->Silent();
}

SamplePtr MixerAudio::LoadSample(const std::string& path, bool loop, std::string& error) {
    auto bytes = std::make_shared<std::vector<uint8_t>>();
    if (!files::ReadAll(files::Resolve(path), *bytes, error)) return nullptr;
    std::string reason;
    SamplePtr sample = Sample::FromFileBytes(std::move(bytes), loop, reason);
    if (!sample) error = "Cannot load sound " + path + ": " + reason;
    return sample;
}

ChannelId MixerAudio::AllocChannel() {
    OutputLock lock(*output_);
    return mixer_.Alloc();
}

void MixerAudio::FreeChannel(ChannelId channel) {
    OutputLock lock(*output_);
    mixer_.Free(channel);
}

ChannelId MixerAudio::Cue(const SamplePtr& sample, ChannelId channel) {
    if (!sample) return 0;
    OutputLock lock(*output_);
    if (channel == 0) channel = mixer_.Alloc();
    return mixer_.Cue(channel, sample) ? channel : 0;
}

void MixerAudio::Play(ChannelId channel) {
    OutputLock lock(*output_);
    mixer_.Play(channel);
}

void MixerAudio::Pause(ChannelId channel) {
    OutputLock lock(*output_);
    mixer_.Pause(channel);
}

void MixerAudio::Stop(ChannelId channel) {
    OutputLock lock(*output_);
    mixer_.Stop(channel);
}

void MixerAudio::SetVolume(ChannelId channel, float volume) {
    OutputLock lock(*output_);
    mixer_.SetVolume(channel, volume);
}

void MixerAudio::SetPan(ChannelId channel, float pan) {
    OutputLock lock(*output_);
    mixer_.SetPan(channel, pan);
}

void MixerAudio::SetRate(ChannelId channel, float rate) {
    OutputLock lock(*output_);
    mixer_.SetRate(channel, rate);
}

bool MixerAudio::IsPlaying(ChannelId channel) const {
    OutputLock lock(*output_);
    return mixer_.IsPlaying(channel);
}

void MixerAudio::FreeWhenFinished(ChannelId channel) {
    OutputLock lock(*output_);
    mixer_.FreeWhenFinished(channel);
}

}  // namespace platform
