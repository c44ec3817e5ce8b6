#include "framework/core/GameSound.h"

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/core/Messages.h"
#include "framework/core/Strings.h"
#include "platform/files/Files.h"

platform::SamplePtr LoadSampleOrFail(const std::string& path, bool loop) {
    std::string error;
    platform::SamplePtr sample =
        Game->GetPlatform().GetAudio().LoadSample(platform::files::Resolve(path), loop, error);
    if (!sample) Message("Error loading sample " + path, 1, 1);
    return sample;
}

std::shared_ptr<TGameSound> TGameSound::Create(const std::string& file, int flags) {
    auto sound = std::make_shared<TGameSound>();
    sound->Load(file, flags);
    return sound;
}

int TGameSound::Load(const std::string& file, int flags) {
    name = UpperCase(platform::files::StemOf(file));
    sound = LoadSampleOrFail(file, (flags & kSoundLoop) != 0);
    return 1;
}

int TGameSound::PlayInChannel(platform::ChannelId& channel, float pan) const {
    return Game->GameSoundPlay(channel, *this, pan);
}
