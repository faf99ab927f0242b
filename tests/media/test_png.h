// A tiny PNG writer for tests (8-bit RGB, zlib-compressed), so image tests
// can make exactly the pictures they need.
#pragma once

#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace testpng {

inline void PutU32(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v >> 24));
    out.push_back(static_cast<uint8_t>(v >> 16));
    out.push_back(static_cast<uint8_t>(v >> 8));
    out.push_back(static_cast<uint8_t>(v));
}

inline void Chunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data) {
    PutU32(out, static_cast<uint32_t>(data.size()));
    std::vector<uint8_t> body(type, type + 4);
    body.insert(body.end(), data.begin(), data.end());
    out.insert(out.end(), body.begin(), body.end());
    PutU32(out, static_cast<uint32_t>(crc32(0, body.data(), static_cast<uInt>(body.size()))));
}

// How a file lays out its pixels: the height its header gives (0: the
// picture's own), the compressed data cut into IDAT chunks of at most this
// many bytes (0: one chunk), a wrong checksum closing the compressed stream,
// bytes left over after it, a text chunk after the data.
struct Layout {
    int headerHeight = 0;
    size_t idatBytes = 0;
    bool wrongStreamCheck = false;
    std::vector<uint8_t> afterStream;
    bool textAfterData = false;
};

// rgb: width x height x 3 bytes, row-major.
inline std::vector<uint8_t> Bytes(int width, int height, const std::vector<uint8_t>& rgb, const Layout& layout = {}) {
    std::vector<uint8_t> raw;
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);
        raw.insert(raw.end(), rgb.begin() + static_cast<long>(y) * width * 3,
                   rgb.begin() + static_cast<long>(y + 1) * width * 3);
    }
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    std::vector<uint8_t> packed(size);
    compress(packed.data(), &size, raw.data(), static_cast<uLong>(raw.size()));
    packed.resize(size);
    if (layout.wrongStreamCheck) packed.back() ^= 0x40;
    packed.insert(packed.end(), layout.afterStream.begin(), layout.afterStream.end());
    std::vector<uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<uint8_t> header;
    PutU32(header, static_cast<uint32_t>(width));
    PutU32(header, static_cast<uint32_t>(layout.headerHeight > 0 ? layout.headerHeight : height));
    header.insert(header.end(), {8, 2, 0, 0, 0});
    Chunk(out, "IHDR", header);
    const size_t step = layout.idatBytes > 0 ? layout.idatBytes : packed.size();
    for (size_t at = 0; at < packed.size(); at += step) {
        const auto from = packed.begin() + static_cast<long>(at);
        Chunk(out, "IDAT", std::vector<uint8_t>(from, from + static_cast<long>(std::min(step, packed.size() - at))));
    }
    if (layout.textAfterData) {
        const char text[] = "Comment\0drawn for the tests";
        Chunk(out, "tEXt", std::vector<uint8_t>(text, text + sizeof text - 1));
    }
    Chunk(out, "IEND", {});
    return out;
}

inline void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), f);  // an empty vector has no address
    std::fclose(f);
}

inline void Write(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb) {
    WriteBytes(path, Bytes(width, height, rgb));
}

// A picture filled with one colour, with a few pixels set.
struct Canvas {
    int width, height;
    std::vector<uint8_t> rgb;
    Canvas(int w, int h, uint8_t r, uint8_t g, uint8_t b) : width(w), height(h), rgb(static_cast<size_t>(w) * h * 3) {
        for (size_t i = 0; i < rgb.size(); i += 3) {
            rgb[i] = r;
            rgb[i + 1] = g;
            rgb[i + 2] = b;
        }
    }
    void Set(int x, int y, uint8_t r, uint8_t g, uint8_t b) {
        size_t i = (static_cast<size_t>(y) * width + x) * 3;
        rgb[i] = r;
        rgb[i + 1] = g;
        rgb[i + 2] = b;
    }
    void Fill(int x0, int y0, int w, int h, uint8_t r, uint8_t g, uint8_t b) {
        for (int y = y0; y < y0 + h; ++y)
            for (int x = x0; x < x0 + w; ++x) Set(x, y, r, g, b);
    }
    void Save(const std::string& path) const { Write(path, width, height, rgb); }
};

}  // namespace testpng
