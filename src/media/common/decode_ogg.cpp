// Ogg Vorbis decoding through libvorbisfile, into 16-bit interleaved samples
// (host byte order). Mono and stereo streams only; a chained file whose later
// links change the channel count or the rate is refused.
#include <bit>
#include <cstring>

#include <vorbis/vorbisfile.h>

#include "media_internal.h"

namespace media {
namespace {

bool Fail(std::string* error, const std::string& path, const char* why) {
    if (error) *error = path + ": " + why;
    return false;
}

// Closes the decoder on every way out.
struct OpenVorbisFile {
    OggVorbis_File file{};
    bool open = false;
    ~OpenVorbisFile() {
        if (open) ov_clear(&file);
    }
};

}  // namespace

bool DecodeOgg(const std::string& path, Sound& out, std::string* error) {
    OpenVorbisFile vf;
    // ov_fopen closes the file itself when the stream is not Vorbis.
    if (ov_fopen(path.c_str(), &vf.file) != 0) return Fail(error, path, "not an Ogg Vorbis file");
    vf.open = true;
    const vorbis_info* info = ov_info(&vf.file, -1);
    if (!info) return Fail(error, path, "no stream information");
    const int channels = info->channels;
    const long rate = info->rate;
    if (channels != 1 && channels != 2) return Fail(error, path, "not mono or stereo");
    if (rate < 1000 || rate > 384000) return Fail(error, path, "unusable sample rate");

    std::vector<int16_t> samples;
    const ogg_int64_t total = ov_pcm_total(&vf.file, -1);
    if (total > 0 && total < (ogg_int64_t{1} << 28)) samples.reserve(static_cast<size_t>(total) * channels);

    constexpr int bigEndian = std::endian::native == std::endian::big ? 1 : 0;
    char buffer[16384];
    for (;;) {
        int link = 0;
        const long got = ov_read(&vf.file, buffer, sizeof buffer, bigEndian, 2, 1, &link);
        if (got == 0) break;
        if (got == OV_HOLE) continue;  // a gap in the data: carry on after it
        if (got < 0) return Fail(error, path, "corrupt stream");
        const vorbis_info* linkInfo = ov_info(&vf.file, link);
        if (!linkInfo || linkInfo->channels != channels || linkInfo->rate != rate)
            return Fail(error, path, "stream changes format");
        const size_t count = static_cast<size_t>(got) / sizeof(int16_t);
        const size_t at = samples.size();
        samples.resize(at + count);
        std::memcpy(samples.data() + at, buffer, count * sizeof(int16_t));
    }
    out.rate = static_cast<int32_t>(rate);
    out.channels = channels;
    out.samples = std::move(samples);
    return true;
}

}  // namespace media
