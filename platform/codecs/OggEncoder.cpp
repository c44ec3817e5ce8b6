#include <vorbis/vorbisenc.h>

#include <algorithm>

#include "platform/codecs/Samples.h"
#include "platform/codecs/SoundCodec.h"

namespace platform {
namespace {

// A fixed stream serial number: nothing else in the encoder varies from run to run, so the same sound
// always gives the same file.
constexpr int kStreamSerial = 0x4d57;
constexpr int kBlockFrames = 1024;
constexpr int kMaxChannels = 255;

class VorbisWriter {
public:
    VorbisWriter() {
        vorbis_info_init(&info_);
        vorbis_comment_init(&comment_);
    }
    ~VorbisWriter() {
        if (started_) {
            ogg_stream_clear(&stream_);
            vorbis_block_clear(&block_);
            vorbis_dsp_clear(&dsp_);
        }
        vorbis_comment_clear(&comment_);
        vorbis_info_clear(&info_);
    }
    VorbisWriter(const VorbisWriter&) = delete;
    VorbisWriter& operator=(const VorbisWriter&) = delete;

    bool Start(int channels, int rate, float quality) {
        if (vorbis_encode_init_vbr(&info_, channels, rate, quality) != 0) return false;
        vorbis_analysis_init(&dsp_, &info_);
        vorbis_block_init(&dsp_, &block_);
        ogg_stream_init(&stream_, kStreamSerial);
        started_ = true;
        ogg_packet identification, comments, codebooks;
        vorbis_analysis_headerout(&dsp_, &comment_, &identification, &comments, &codebooks);
        ogg_stream_packetin(&stream_, &identification);
        ogg_stream_packetin(&stream_, &comments);
        ogg_stream_packetin(&stream_, &codebooks);
        // The headers get pages of their own, as players expect.
        Pages(ogg_stream_flush);
        return true;
    }

    void Write(const float* interleaved, int frames, int channels) {
        float** planes = vorbis_analysis_buffer(&dsp_, frames);
        for (int i = 0; i < frames; ++i) {
            for (int c = 0; c < channels; ++c) planes[c][i] = codecs::ClampSample(*interleaved++);
        }
        vorbis_analysis_wrote(&dsp_, frames);
        Drain();
    }

    std::vector<uint8_t> Finish() {
        vorbis_analysis_wrote(&dsp_, 0);
        Drain();
        Pages(ogg_stream_flush);
        return std::move(bytes_);
    }

private:
    void Drain() {
        while (vorbis_analysis_blockout(&dsp_, &block_) == 1) {
            vorbis_analysis(&block_, nullptr);
            vorbis_bitrate_addblock(&block_);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp_, &packet) == 1) {
                ogg_stream_packetin(&stream_, &packet);
                Pages(ogg_stream_pageout);
            }
        }
    }

    void Pages(int (*next)(ogg_stream_state*, ogg_page*)) {
        ogg_page page;
        while (next(&stream_, &page) != 0) {
            bytes_.insert(bytes_.end(), page.header, page.header + page.header_len);
            bytes_.insert(bytes_.end(), page.body, page.body + page.body_len);
        }
    }

    vorbis_info info_;
    vorbis_comment comment_;
    vorbis_dsp_state dsp_;
    vorbis_block block_;
    ogg_stream_state stream_;
    bool started_ = false;
    std::vector<uint8_t> bytes_;
};

}  // namespace

std::vector<uint8_t> EncodeOggVorbis(const SoundData& sound, float quality) {
    if (sound.channels < 1 || sound.channels > kMaxChannels || sound.rate <= 0) return {};
    VorbisWriter writer;
    if (!writer.Start(sound.channels, sound.rate, std::clamp(quality, -0.1f, 1.0f))) return {};
    const int64_t frames = sound.Frames();
    for (int64_t done = 0; done < frames; done += kBlockFrames) {
        const int count = static_cast<int>(std::min<int64_t>(kBlockFrames, frames - done));
        writer.Write(sound.samples.data() + done * sound.channels, count, sound.channels);
    }
    return writer.Finish();
}

}  // namespace platform
