// Reading whole files, and WAV decoding: RIFF files holding 8- or 16-bit PCM, mono or stereo, at any
// sample rate, into 16-bit interleaved samples. Every length in the file is
// checked against the bytes really there; a short or malformed file fails.
#include <cstring>
#include <fstream>

#include "media_internal.h"

namespace media {
namespace {

uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

uint32_t U32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

bool Fail(std::string* error, const std::string& path, const char* why) {
    if (error) *error = path + ": " + why;
    return false;
}

constexpr uint16_t FormatPcm = 1;
constexpr uint16_t FormatExtensible = 0xFFFE;
constexpr size_t MaxFileBytes = size_t{1} << 30;

}  // namespace

const char* ReadWholeFile(const std::string& path, RawBytes& out) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return "cannot open";
    file.seekg(0, std::ios::end);
    const std::streamoff size = file.tellg();
    if (size < 0 || static_cast<uint64_t>(size) > MaxFileBytes) return "unreadable size";
    file.seekg(0, std::ios::beg);
    out.resize(static_cast<size_t>(size));  // read as it is: not cleared first
    if (size > 0 && !file.read(reinterpret_cast<char*>(out.data()), size)) return "read error";
    return nullptr;
}

bool DecodeWav(const std::string& path, Sound& out, std::string* error) {
    RawBytes bytes;
    if (const char* why = ReadWholeFile(path, bytes)) return Fail(error, path, why);
    const size_t size = bytes.size();
    const uint8_t* b = bytes.data();
    if (size < 12 || std::memcmp(b, "RIFF", 4) != 0 || std::memcmp(b + 8, "WAVE", 4) != 0)
        return Fail(error, path, "not a RIFF WAVE file");

    const uint8_t* fmt = nullptr;
    uint32_t fmtSize = 0;
    const uint8_t* data = nullptr;
    uint32_t dataSize = 0;
    size_t offset = 12;
    while (size - offset >= 8) {
        const uint8_t* chunk = b + offset;
        const uint32_t chunkSize = U32(chunk + 4);
        const size_t room = size - offset - 8;
        if (chunkSize > room) return Fail(error, path, "truncated chunk");
        if (std::memcmp(chunk, "fmt ", 4) == 0 && !fmt) {
            fmt = chunk + 8;
            fmtSize = chunkSize;
        } else if (std::memcmp(chunk, "data", 4) == 0 && !data) {
            data = chunk + 8;
            dataSize = chunkSize;
        }
        // Chunks are padded to an even length; the pad of the last may be missing.
        const size_t advance = 8 + static_cast<size_t>(chunkSize) + (chunkSize & 1);
        if (advance >= size - offset) break;
        offset += advance;
    }
    if (!fmt || fmtSize < 16) return Fail(error, path, "no format chunk");
    if (!data) return Fail(error, path, "no data chunk");

    uint16_t format = U16(fmt);
    const uint16_t channels = U16(fmt + 2);
    const uint32_t rate = U32(fmt + 4);
    const uint16_t bits = U16(fmt + 14);
    if (format == FormatExtensible) {
        // The sub-format GUID starts with the plain format code.
        if (fmtSize < 40) return Fail(error, path, "short extensible format chunk");
        format = U16(fmt + 24);
    }
    if (format != FormatPcm) return Fail(error, path, "not PCM");
    if (channels != 1 && channels != 2) return Fail(error, path, "not mono or stereo");
    if (bits != 8 && bits != 16) return Fail(error, path, "not 8- or 16-bit");
    if (rate < 1000 || rate > 384000) return Fail(error, path, "unusable sample rate");

    const size_t bytesPerSample = bits / 8;
    const size_t frames = dataSize / (bytesPerSample * channels);  // a partial last frame is dropped
    const size_t count = frames * channels;
    out.rate = static_cast<int32_t>(rate);
    out.channels = channels;
    out.samples.clear();
    out.samples.reserve(count);
    if (bits == 8) {
        for (size_t i = 0; i < count; ++i) out.samples.push_back(static_cast<int16_t>((data[i] - 128) * 256));
    } else {
        for (size_t i = 0; i < count; ++i) out.samples.push_back(static_cast<int16_t>(U16(data + 2 * i)));
    }
    return true;
}

}  // namespace media
