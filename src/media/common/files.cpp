// File streams in the working directory (the program's own folder): 32-bit
// little-endian integers and floats, plus the replace-by-rename the settings
// file is saved with.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <unordered_map>

#include "media_internal.h"
#include "os/platform.h"

namespace media {
namespace {

struct Stream {
    FILE* file = nullptr;
    bool writing = false;
    bool failed = false;
};
std::unordered_map<int32_t, Stream> g_streams;

Stream* FindStream(int32_t handle) {
    auto it = g_streams.find(handle);
    return it == g_streams.end() ? nullptr : &it->second;
}

// A path that holds something other than a regular file (a pipe, a device)
// is never opened: opening a pipe waits for its other end, for ever.
bool HoldsOtherThanFile(const std::string& path) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    return !ec && std::filesystem::exists(status) && !std::filesystem::is_regular_file(status);
}

int32_t OpenStream(const std::string& path, const char* mode, bool writing) {
    if (HoldsOtherThanFile(path)) return 0;
    FILE* file = std::fopen(path.c_str(), mode);
    if (!file) return 0;
    int32_t handle = NewHandle();
    g_streams[handle] = Stream{file, writing, false};
    return handle;
}

bool ReadBytes(int32_t handle, unsigned char (&bytes)[4]) {
    Stream* s = FindStream(handle);
    if (!s || s->writing) return false;
    return std::fread(bytes, 1, 4, s->file) == 4;
}

void WriteBytes(int32_t handle, uint32_t value) {
    Stream* s = FindStream(handle);
    if (!s || !s->writing) return;
    const unsigned char bytes[4] = {static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8),
                                    static_cast<unsigned char>(value >> 16), static_cast<unsigned char>(value >> 24)};
    if (std::fwrite(bytes, 1, 4, s->file) != 4) s->failed = true;
}

uint32_t Assemble(const unsigned char (&b)[4]) {
    return static_cast<uint32_t>(b[0]) | static_cast<uint32_t>(b[1]) << 8 | static_cast<uint32_t>(b[2]) << 16 |
           static_cast<uint32_t>(b[3]) << 24;
}

}  // namespace

bool ReleaseFile(int32_t handle) {
    auto it = g_streams.find(handle);
    if (it == g_streams.end()) return false;
    std::fclose(it->second.file);
    g_streams.erase(it);
    return true;
}

void ResetFiles() {
    for (auto& entry : g_streams) std::fclose(entry.second.file);
    g_streams.clear();
}

}  // namespace media

int32_t PathKind(const std::string& path) {
    std::error_code ec;
    auto status = std::filesystem::status(path, ec);
    if (ec) return 0;
    if (std::filesystem::is_directory(status)) return 2;
    // A pipe, socket or device is no file of ours: reading one may wait for ever.
    if (std::filesystem::is_regular_file(status)) return 1;
    return 0;
}

int32_t OpenFileForReading(const std::string& path) { return media::OpenStream(path, "rb", false); }

int32_t OpenFileForWriting(const std::string& path) { return media::OpenStream(path, "wb", true); }

int32_t ReadInt32(int32_t stream) {
    unsigned char b[4];
    if (!media::ReadBytes(stream, b)) return 0;
    return static_cast<int32_t>(media::Assemble(b));
}

float ReadFloat32(int32_t stream) {
    unsigned char b[4];
    if (!media::ReadBytes(stream, b)) return 0.0f;
    const uint32_t bits = media::Assemble(b);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void WriteInt32(int32_t stream, int32_t value) { media::WriteBytes(stream, static_cast<uint32_t>(value)); }

void WriteFloat32(int32_t stream, float value) {
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    media::WriteBytes(stream, bits);
}

int32_t CloseFile(int32_t stream) {
    media::Stream* s = media::FindStream(stream);
    if (!s) return 0;
    bool ok = !s->failed;
    if (s->writing) {
        // Flushed and synced, so a rename that follows never exposes a
        // half-written file after a crash.
        if (std::fflush(s->file) != 0) ok = false;
        if (!media::os::CommitToDisk(s->file)) ok = false;
    }
    if (std::fclose(s->file) != 0) ok = false;
    s->file = nullptr;
    media::g_streams.erase(stream);
    return ok ? 1 : 0;
}

int32_t FileBytesLeft(int32_t stream) {
    media::Stream* s = media::FindStream(stream);
    if (!s || s->writing) return 0;
    long here = std::ftell(s->file);
    if (here < 0 || std::fseek(s->file, 0, SEEK_END) != 0) return 0;
    long end = std::ftell(s->file);
    std::fseek(s->file, here, SEEK_SET);
    return end > here ? static_cast<int32_t>(end - here) : 0;
}

int32_t ReplaceFile(const std::string& from, const std::string& to) {
    return media::os::MoveOver(from, to) ? 1 : 0;
}

void DeleteFile(const std::string& path) { std::remove(path.c_str()); }
