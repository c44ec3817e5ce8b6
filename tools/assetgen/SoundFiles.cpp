#include "tools/assetgen/SoundFiles.h"

#include <stdexcept>

#include "platform/codecs/SoundCodec.h"
#include "tools/assetgen/DataFolder.h"

namespace assetgen {

namespace {

// Vorbis quality 0.4 (about 128 kbit/s for stereo): soft instruments and reverb tails stay clean.
constexpr float kMusicQuality = 0.4f;

}  // namespace

Group EffectGroup(std::string name, std::vector<Effect> effects) {
    std::vector<std::string> paths;
    for (const Effect& effect : effects) paths.push_back("sound/" + effect.name + ".wav");
    return {
        .name = std::move(name),
        .required = paths,
        .make =
            [effects = std::move(effects), paths](DataFolder& out) {
                for (size_t i = 0; i < effects.size(); ++i) {
                    out.Write(paths[i], platform::EncodeWav16(synth::ToSound(effects[i].compose())));
                }
            },
    };
}

Group MusicGroup(std::string name, std::string file, std::function<synth::Stereo()> compose) {
    const std::string path = "music/" + file;
    return {
        .name = std::move(name),
        .required = {path},
        .make =
            [path, compose = std::move(compose)](DataFolder& out) {
                const std::vector<uint8_t> bytes =
                    platform::EncodeOggVorbis(synth::ToSound(compose()), kMusicQuality);
                if (bytes.empty()) throw std::runtime_error(path + ": the Vorbis encoder refused the track");
                out.Write(path, bytes);
            },
    };
}

}  // namespace assetgen
