// vorbisfile.h otherwise defines callback tables we do not use in every file that includes it.
#define OV_EXCLUDE_STATIC_CALLBACKS
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>

#include "platform/codecs/Samples.h"
#include "platform/codecs/SoundCodec.h"

namespace platform {
namespace {

using codecs::Speaker;

// A fully decoded sound larger than this (256 MB of samples, over 12 minutes of 44.1 kHz stereo) is
// refused: long music is streamed, never decoded whole.
constexpr size_t kMaxDecodedSamples = size_t{64} << 20;

struct MemoryReader {
    std::shared_ptr<const std::vector<uint8_t>> bytes;
    size_t pos = 0;
};

size_t ReadMemory(void* to, size_t size, size_t count, void* source) {
    auto* reader = static_cast<MemoryReader*>(source);
    if (size == 0) return 0;
    const size_t items = std::min(count, (reader->bytes->size() - reader->pos) / size);
    std::memcpy(to, reader->bytes->data() + reader->pos, items * size);
    reader->pos += items * size;
    return items;
}

int SeekMemory(void* source, ogg_int64_t offset, int whence) {
    auto* reader = static_cast<MemoryReader*>(source);
    const auto size = static_cast<ogg_int64_t>(reader->bytes->size());
    const ogg_int64_t base = whence == SEEK_SET   ? 0
                             : whence == SEEK_CUR ? static_cast<ogg_int64_t>(reader->pos)
                                                  : size;
    if (offset < -base || offset > size - base) return -1;
    reader->pos = static_cast<size_t>(base + offset);
    return 0;
}

long TellMemory(void* source) {
    return static_cast<long>(static_cast<MemoryReader*>(source)->pos);
}

std::string OpenFailure(int code) {
    switch (code) {
        case OV_ENOTVORBIS:
            return "not an Ogg Vorbis file";
        case OV_EVERSION:
            return "unsupported Vorbis version";
        case OV_EBADHEADER:
            return "damaged Ogg Vorbis header";
        default:
            return "damaged Ogg Vorbis file (error " + std::to_string(code) + ")";
    }
}

// The channel order the Vorbis format fixes for up to eight channels; beyond that the order is the
// application's, and every channel goes to the middle.
std::vector<Speaker> VorbisSpeakers(int channels) {
    constexpr Speaker L = Speaker::Left, R = Speaker::Right, C = Speaker::Centre;
    switch (channels) {
        case 3:
            return {L, C, R};
        case 4:
            return {L, R, L, R};
        case 5:
            return {L, C, R, L, R};
        case 6:
            return {L, C, R, L, R, C};
        case 7:
            return {L, C, R, L, R, C, C};
        case 8:
            return {L, C, R, L, R, L, R, C};
        default:
            return std::vector<Speaker>(static_cast<size_t>(channels), C);
    }
}

}  // namespace

struct OggStream::State {
    MemoryReader reader;
    OggVorbis_File file{};
    bool open = false;
    std::string error;
    std::unique_ptr<codecs::StereoDownmix> downmix;  // for the current link when it has over two channels
    std::vector<float> frame;

    ~State() {
        if (open) ov_clear(&file);
    }

    // Opens the stream afresh from its first byte; 0 or vorbisfile's error code.
    int Start() {
        if (open) ov_clear(&file);
        file = {};
        reader.pos = 0;
        const ov_callbacks callbacks = {ReadMemory, SeekMemory, nullptr, TellMemory};
        // On failure vorbisfile has already released what it set up.
        const int result = ov_open_callbacks(&reader, &file, nullptr, 0, callbacks);
        open = result == 0;
        return result;
    }
};

OggStream::~OggStream() = default;

std::unique_ptr<OggStream> OggStream::Open(std::shared_ptr<const std::vector<uint8_t>> bytes,
                                           std::string& error) {
    if (!bytes || bytes->empty()) {
        error = "the file is empty";
        return nullptr;
    }
    std::unique_ptr<OggStream> stream(new OggStream());
    stream->state_ = std::make_unique<State>();
    State& s = *stream->state_;
    s.reader.bytes = std::move(bytes);
    if (const int result = s.Start(); result != 0) {
        error = OpenFailure(result);
        return nullptr;
    }
    const vorbis_info* info = ov_info(&s.file, 0);
    if (!info || info->channels < 1 || info->rate < 1 || info->rate > INT_MAX) {
        error = "damaged Ogg Vorbis header";
        return nullptr;
    }
    stream->rate_ = static_cast<int>(info->rate);
    stream->channels_ = std::min(info->channels, 2);
    stream->totalFrames_ = std::max<ogg_int64_t>(ov_pcm_total(&s.file, -1), 0);
    return stream;
}

int OggStream::Read(float* out, int frames) {
    State& s = *state_;
    int done = 0;
    while (done < frames && s.open && s.error.empty()) {
        float** pcm = nullptr;
        int link = 0;
        const long got = ov_read_float(&s.file, &pcm, frames - done, &link);
        if (got == 0) break;
        if (got < 0) {
            s.error = "damaged Ogg Vorbis data";
            break;
        }
        const vorbis_info* info = ov_info(&s.file, link);
        if (!info || info->rate != rate_ || std::min(info->channels, 2) != channels_) {
            // A chained stream whose later part differs cannot continue in the same voice.
            s.error = "the Ogg Vorbis stream changes its rate or channels partway";
            break;
        }
        float* to = out + static_cast<size_t>(done) * channels_;
        if (info->channels <= 2) {
            for (long i = 0; i < got; ++i) {
                for (int c = 0; c < channels_; ++c) *to++ = codecs::ClampSample(pcm[c][i]);
            }
        } else {
            if (!s.downmix || s.downmix->Channels() != info->channels) {
                s.downmix = std::make_unique<codecs::StereoDownmix>(VorbisSpeakers(info->channels));
                s.frame.resize(static_cast<size_t>(info->channels));
            }
            for (long i = 0; i < got; ++i, to += 2) {
                for (int c = 0; c < info->channels; ++c) s.frame[c] = pcm[c][i];
                s.downmix->Mix(s.frame.data(), to);
            }
        }
        done += static_cast<int>(got);
    }
    return done;
}

const std::string& OggStream::Error() const {
    return state_->error;
}

// Opens afresh rather than seeking: after a failed start, libvorbis keeps a half-built decoder that a seek
// would use (and crash on). Opening costs far less than a millisecond, and loops come round seldom.
bool OggStream::Rewind() {
    State& s = *state_;
    s.error.clear();
    if (s.Start() != 0) {
        s.error = "cannot go back to the start of the Ogg Vorbis stream";
        return false;
    }
    return true;
}

bool DecodeOgg(std::span<const uint8_t> bytes, SoundData& out, std::string& error) {
    const auto stream =
        OggStream::Open(std::make_shared<const std::vector<uint8_t>>(bytes.begin(), bytes.end()), error);
    if (!stream) return false;
    SoundData sound;
    sound.rate = stream->Rate();
    sound.channels = stream->Channels();
    constexpr int kBlockFrames = 4096;
    std::vector<float> block(static_cast<size_t>(kBlockFrames) * sound.channels);
    while (const int frames = stream->Read(block.data(), kBlockFrames)) {
        const size_t count = static_cast<size_t>(frames) * sound.channels;
        if (sound.samples.size() + count > kMaxDecodedSamples) {
            error = "the sound is too long to decode whole";
            return false;
        }
        sound.samples.insert(sound.samples.end(), block.begin(),
                             block.begin() + static_cast<ptrdiff_t>(count));
    }
    if (!stream->Error().empty()) {
        error = stream->Error();
        return false;
    }
    out = std::move(sound);
    return true;
}

}  // namespace platform
