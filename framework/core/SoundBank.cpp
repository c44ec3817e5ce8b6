#include "framework/core/SoundBank.h"

#include "framework/core/Messages.h"
#include "framework/core/Strings.h"
#include "platform/files/Files.h"

TSoundBank SoundBank;

int TSoundBank::SetPath(const std::string& path) {
    Path = WithSlash(path);
    return 1;
}

std::shared_ptr<TGameSound> TSoundBank::Load(const std::string& file, float pitch, float volume,
                                             const std::string& name, int flags) {
    auto sound =
        TGameSound::Create(Path + file + (platform::files::ExtensionOf(file).empty() ? Ext : ""), flags);
    sound->pitch = pitch;
    sound->volume = volume;
    if (!name.empty()) sound->name = UpperCase(name);
    sounds_[sound->name] = sound;
    return sound;
}

std::shared_ptr<TGameSound> TSoundBank::Find(const std::string& name) const {
    const std::string key = UpperCase(name);
    const auto it = sounds_.find(key);
    if (it != sounds_.end()) return it->second;
    Message("Sound '" + key + "' was not found in the SoundBank", 1, 1);
    return nullptr;
}
