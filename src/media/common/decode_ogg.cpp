// Ogg Vorbis through libvorbisfile, as 16-bit interleaved samples (host byte
// order). Mono and stereo streams only; a chained file whose later links
// change the channel count or the rate is refused.
//
// Music is not decoded at load: the file's bytes stay in memory (a tenth of
// the decoded size) and every playback decodes its own way through them a
// few thousand frames at a time, so a channel starts at once and a long
// track costs no more memory than a short one. Decoding from the start, or
// after an exact seek, gives the very samples a whole decode gives.
#include <algorithm>
#include <bit>
#include <cstring>

#include <vorbis/vorbisfile.h>

#include "media_internal.h"

namespace media {

struct OggStream {
    RawBytes bytes;  // the whole file
    int32_t channels = 1;
};

namespace {

constexpr int BigEndian = std::endian::native == std::endian::big ? 1 : 0;

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

// Reading a file held in memory, for libvorbisfile.
struct MemoryReader {
    const RawBytes* bytes = nullptr;
    size_t at = 0;
};

size_t ReadMemory(void* out, size_t size, size_t count, void* source) {
    auto* r = static_cast<MemoryReader*>(source);
    if (size == 0) return 0;
    const size_t items = std::min(count, (r->bytes->size() - r->at) / size);
    // An empty file's bytes have no address at all: nothing to copy.
    if (items == 0) return 0;
    std::memcpy(out, r->bytes->data() + r->at, items * size);
    r->at += items * size;
    return items;
}

int SeekMemory(void* source, ogg_int64_t offset, int whence) {
    auto* r = static_cast<MemoryReader*>(source);
    ogg_int64_t base = 0;
    if (whence == SEEK_CUR) base = static_cast<ogg_int64_t>(r->at);
    if (whence == SEEK_END) base = static_cast<ogg_int64_t>(r->bytes->size());
    const ogg_int64_t to = base + offset;
    if (to < 0 || to > static_cast<ogg_int64_t>(r->bytes->size())) return -1;
    r->at = static_cast<size_t>(to);
    return 0;
}

long TellMemory(void* source) { return static_cast<long>(static_cast<MemoryReader*>(source)->at); }

constexpr ov_callbacks MemoryCallbacks{ReadMemory, SeekMemory, nullptr, TellMemory};

bool OpenInMemory(MemoryReader& reader, OggVorbis_File& file) {
    reader.at = 0;
    return ov_open_callbacks(&reader, &file, nullptr, 0, MemoryCallbacks) == 0;
}

// The stream's format, checked over every link: false with the reason.
bool ReadFormat(OggVorbis_File& file, int32_t& channels, int32_t& rate, const char** why) {
    const vorbis_info* info = ov_info(&file, -1);
    if (!info) {
        *why = "no stream information";
        return false;
    }
    if (info->channels != 1 && info->channels != 2) {
        *why = "not mono or stereo";
        return false;
    }
    if (info->rate < 1000 || info->rate > 384000) {
        *why = "unusable sample rate";
        return false;
    }
    for (long link = 0; link < ov_streams(&file); ++link) {
        const vorbis_info* linkInfo = ov_info(&file, static_cast<int>(link));
        if (!linkInfo || linkInfo->channels != info->channels || linkInfo->rate != info->rate) {
            *why = "stream changes format";
            return false;
        }
    }
    channels = info->channels;
    rate = static_cast<int32_t>(info->rate);
    return true;
}

// The file's pages whole: each where the one before it ends, its checksum
// right, and the last one closing the stream. Music is decoded only as it
// plays, so a file damaged past its headers is found here, at load, and not
// halfway through a tune. nullptr when whole, else what is wrong.
const char* DamagedPages(const RawBytes& bytes) {
    ogg_sync_state sync;
    ogg_sync_init(&sync);
    const char* why = nullptr;
    const long size = static_cast<long>(bytes.size());
    if (char* into = ogg_sync_buffer(&sync, size)) {
        std::memcpy(into, bytes.data(), bytes.size());
        ogg_sync_wrote(&sync, size);
        bool ended = false;
        ogg_page page;
        for (int got; (got = ogg_sync_pageout(&sync, &page)) != 0;) {
            if (got < 0) {
                why = "damaged (a page out of place or failing its checksum)";
                break;
            }
            ended = ogg_page_eos(&page) != 0;
        }
        if (!why && (sync.returned < sync.fill || !ended)) why = "cut short";
    } else {
        why = "too large";
    }
    ogg_sync_clear(&sync);
    return why;
}

}  // namespace

bool DecodeOgg(const std::string& path, Sound& out, std::string* error) {
    OpenVorbisFile vf;
    // ov_fopen closes the file itself when the stream is not Vorbis.
    if (ov_fopen(path.c_str(), &vf.file) != 0) return Fail(error, path, "not an Ogg Vorbis file");
    vf.open = true;
    int32_t channels = 0, rate = 0;
    const char* why = "";
    if (!ReadFormat(vf.file, channels, rate, &why)) return Fail(error, path, why);

    std::vector<int16_t> samples;
    const ogg_int64_t total = ov_pcm_total(&vf.file, -1);
    if (total > 0 && total < (ogg_int64_t{1} << 28)) samples.reserve(static_cast<size_t>(total) * channels);

    char buffer[16384];
    for (;;) {
        int link = 0;
        const long got = ov_read(&vf.file, buffer, sizeof buffer, BigEndian, 2, 1, &link);
        if (got == 0) break;
        if (got == OV_HOLE) continue;  // a gap in the data: carry on after it
        if (got < 0) return Fail(error, path, "corrupt stream");
        const auto* decoded = reinterpret_cast<const int16_t*>(buffer);
        samples.insert(samples.end(), decoded, decoded + static_cast<size_t>(got) / sizeof(int16_t));
    }
    out.rate = rate;
    out.channels = channels;
    out.samples = std::move(samples);
    return true;
}

bool OpenOgg(const std::string& path, Sound& out, std::string* error) {
    auto stream = std::make_shared<OggStream>();
    if (const char* why = ReadWholeFile(path, stream->bytes)) return Fail(error, path, why);
    MemoryReader reader{&stream->bytes, 0};
    OpenVorbisFile vf;
    if (!OpenInMemory(reader, vf.file)) return Fail(error, path, "not an Ogg Vorbis file");
    vf.open = true;
    int32_t channels = 0, rate = 0;
    const char* why = "";
    if (!ReadFormat(vf.file, channels, rate, &why)) return Fail(error, path, why);
    if (const char* damage = DamagedPages(stream->bytes)) return Fail(error, path, damage);
    const ogg_int64_t total = ov_pcm_total(&vf.file, -1);
    if (total < 0) return Fail(error, path, "unreadable length");

    // The first frame, where a loop's seam leads.
    int16_t first[2] = {0, 0};
    for (int64_t tries = 0; total > 0 && tries < 64; ++tries) {
        char buffer[4096];
        int link = 0;
        const long got = ov_read(&vf.file, buffer, sizeof buffer, BigEndian, 2, 1, &link);
        if (got == OV_HOLE) continue;
        if (got < 0) return Fail(error, path, "corrupt stream");
        if (got == 0) break;
        if (static_cast<size_t>(got) >= channels * sizeof(int16_t)) {
            std::memcpy(first, buffer, channels * sizeof(int16_t));
            break;
        }
    }
    stream->channels = channels;
    out.rate = rate;
    out.channels = channels;
    out.samples.clear();
    out.stream = std::move(stream);
    out.streamFrames = total;
    out.firstFrame[0] = first[0];
    out.firstFrame[1] = first[1];
    return true;
}

// ---------------------------------------------------------------- playback

namespace {
constexpr int64_t WindowFrames = 4096;
}  // namespace

struct OggCursor::Decoder {
    std::shared_ptr<const OggStream> stream;
    MemoryReader reader;
    OggVorbis_File file{};
    bool open = false;
    bool dry = false;               // the data gave out early: silence follows
    std::vector<int16_t> window;    // frames first..end-1; the decoder stands at end
    int64_t first = 0;
    int64_t end = 0;

    void Close() {
        if (open) ov_clear(&file);
        open = false;
    }
    // Puts the decoder at frame `index` with nothing held.
    void MoveTo(int64_t index) {
        first = end = index;
        dry = false;
        if (index == 0 || !open) {
            Close();
            open = OpenInMemory(reader, file);
            if (open && index > 0 && ov_pcm_seek(&file, index) != 0) dry = true;
        } else if (ov_pcm_seek(&file, index) != 0) {
            dry = true;
        }
        if (!open) dry = true;
    }
};

OggCursor::OggCursor(std::shared_ptr<const OggStream> stream) : decoder_(std::make_unique<Decoder>()) {
    Decoder& d = *decoder_;
    d.reader.bytes = &stream->bytes;
    d.stream = std::move(stream);
    d.window.resize(static_cast<size_t>(WindowFrames * d.stream->channels));
    d.MoveTo(0);
}

OggCursor::~OggCursor() { decoder_->Close(); }

FrameSpan OggCursor::From(int64_t index, int64_t length) {
    Decoder& d = *decoder_;
    const int64_t channels = d.stream->channels;
    if (!FrameSpan{d.window.data(), d.first, d.end}.Holds(index, length)) {
        if (index < d.first || index > d.end) {
            d.MoveTo(index);
        } else {
            // Keep what is still ahead, then decode after it.
            std::memmove(d.window.data(), d.window.data() + (index - d.first) * channels,
                         static_cast<size_t>((d.end - index) * channels) * sizeof(int16_t));
            d.first = index;
        }
        while (d.end - d.first < WindowFrames && d.end < length) {
            const int64_t room = std::min(WindowFrames - (d.end - d.first), length - d.end);
            int16_t* at = d.window.data() + (d.end - d.first) * channels;
            long got = 0;
            if (!d.dry) {
                int link = 0;
                got = ov_read(&d.file, reinterpret_cast<char*>(at), static_cast<int>(room * channels * 2), BigEndian,
                              2, 1, &link);
                if (got == OV_HOLE) continue;
                if (got <= 0) d.dry = true;
            }
            if (d.dry) {
                std::fill(at, at + room * channels, int16_t{0});
                d.end += room;
            } else {
                d.end += got / (2 * channels);
            }
        }
    }
    return FrameSpan{d.window.data(), d.first, d.end};
}

}  // namespace media
