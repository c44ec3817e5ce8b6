#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tools/assetgen/Group.h"
#include "tools/assetgen/Synth.h"

// Groups of sound files: each names its files once, and the same list makes the files and tells the
// build's check what must exist.
namespace assetgen {

// A sound effect: its name in the sound folder (the game's name for it, without ".wav") and the code
// that composes it, finished and ready to write.
struct Effect {
    std::string name;
    std::function<synth::Stereo()> compose;
};

// A group that writes each effect as 16-bit "sound/<name>.wav" and requires every one of them.
Group EffectGroup(std::string name, std::vector<Effect> effects);

// A group that writes one looping music track as Ogg Vorbis "music/<file>" and requires it.
Group MusicGroup(std::string name, std::string file, std::function<synth::Stereo()> compose);

}  // namespace assetgen
